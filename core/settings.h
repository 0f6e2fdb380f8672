#pragma once
// What the settings file keeps for the player apart from the game itself: how the board looks,
// sound and music, the help's switches and the film's speed; and, apart again, where the windows
// stand. Plain data: read at start and written on a confirmed quit by the settings code
// (app/window/uconfig.h); the game's rules never decide on them.

#include <cstdint>
#include <string>

namespace w4 {

// Colours are 0x00BBGGRR, red in the lowest byte, as the settings file stores them.
using Colour = std::uint32_t;

struct Settings {
    // Board picture.
    Colour TransparencyColor = 0;
    Colour GridColor = 4210752;
    // The skin picture chosen with Graphics > Load and kept in the settings (empty: the built-in
    // set or an .ini set), and how an eight-row skin is read (0 guessed from its tiles, 1 animation
    // strips, 2 the keeper facing its way).
    std::string SkinFile;
    std::int32_t SkinEightRows = 0;

    // Foreground display mode: the two halves of ForegroundMode.
    bool ForegroundStretched = false;
    bool ForegroundProportional = true;

    // Background.
    std::int32_t BackgroundMode = 0;
    Colour BackgroundColor = 0;
    Colour GradientColor1 = 255;
    Colour GradientColor2 = 65535;
    std::string TextureFile;
    std::string PictureFile;

    // Replay speed 1..10.
    std::int32_t FilmSpeed = 1;

    // Sound and music.
    std::string MusicFileName;
    std::int32_t MusicVolume = 100;
    bool MusicAutoPlay = false;
    std::int32_t SoundVolume = 100;
    bool SoundsEnabled = false;

    // Help at the board: boxes that can no longer reach a target are marked after each push.
    bool DeadlockWarnings = true;
    // The editor checks, while the author draws, whether the level can be solved.
    bool LiveSolvabilityCheck = true;
};

// The Levels window's last size (0 until it has been open) and sort (column, 1 descending).
struct LevelListPlace {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::int32_t SortColumn = 0;
    std::int32_t SortOrder = 0;
};

} // namespace w4
