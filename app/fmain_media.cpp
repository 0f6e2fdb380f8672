// Music and Sounds menus, the sound output and the gamepad.
#include "app/fmain.h"

// Opens the sound output, loads the effects and the music module, applies the volumes and
// starts the music when it was playing at the last quit.
void TFRMMain::StartMedia() {}
// Stops the music and releases the effects and the module.
void TFRMMain::CloseMedia() {}
// Plays an effect when sounds are enabled.
void TFRMMain::PlaySample(w4::Sample) {}

void TFRMMain::MNUMusicPlayClick() {}
void TFRMMain::MNUMusicStopClick() {}
// Chooses a music file, then loads and plays it.
void TFRMMain::MNUMusicLoadClick() {}
void TFRMMain::MNUSoundsEnabledClick() {}
void TFRMMain::MNUSoundsDisabledClick() {}

// One gamepad poll in Play mode; stopped while it works.
void TFRMMain::TMRGamepadTimer() {}
