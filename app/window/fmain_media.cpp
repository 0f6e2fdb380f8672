// Music and Sounds menus, the sound output and the gamepad.
#include "app/window/fmain.h"

#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

// Opens the sound output, loads the effects and the music module, applies the volumes and
// starts the music when it was playing at the last quit. The gamepad reader opens here too, so
// the first tick of TMRGamepad finds it.
void TFRMMain::StartMedia()
{
    Sound = w4::StartSound(Game);
    Gamepad = w4::OpenGamepadReader();
}

// Stops the music and releases the effects and the module.
void TFRMMain::CloseMedia() { Sound->CloseSound(); }

// Plays an effect when sounds are enabled.
void TFRMMain::PlaySample(w4::Sample sample) { w4::PlaySample(Game, *Sound, sample); }

void TFRMMain::MNUMusicPlayClick() { w4::MusicPlay(Game, *Sound); }
void TFRMMain::MNUMusicStopClick() { w4::MusicStop(Game, *Sound); }

// Chooses a music file, then loads and plays it. The chooser opens where the current music file
// lives, else in the program folder.
void TFRMMain::MNUMusicLoadClick()
{
    const QFileInfo current(QFile::decodeName(Game.MusicFileName.c_str()));
    const QString folder = current.dir().exists() && !Game.MusicFileName.empty() ? current.absolutePath()
                                                                                  : ProgramFolderText();
    const QString file =
        dialogs.MusicFile(folder, QString::fromStdString(w4::ToQtFileFilter(w4::MusicFileFilter)));
    if (file.isEmpty())
        return;
    w4::MusicLoad(Game, *Sound, QFile::encodeName(file).toStdString());
}

void TFRMMain::MNUSoundsEnabledClick() { w4::SetSoundsEnabled(Game, true); }
void TFRMMain::MNUSoundsDisabledClick() { w4::SetSoundsEnabled(Game, false); }

// One gamepad poll in Play mode; stopped while it works, so a slow move or a message box opened
// by a win never overlaps the next poll. Restarted even when the move fails (a solution file
// that cannot be written), or the pad would go dead for the rest of the run.
void TFRMMain::TMRGamepadTimer()
{
    TMRGamepad->stop();
    struct Restart {
        QTimer* timer;
        ~Restart() { timer->start(); }
    } restart{TMRGamepad};
    w4::PollGamepad(Game, *this, *Gamepad, GamepadMemory, isActiveWindow());
}
