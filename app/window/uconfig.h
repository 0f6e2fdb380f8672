#pragma once
// The settings file "boxyard4.ini" in the settings folder (core/folders.h): read once at start, written once on a
// confirmed quit. The windows' placement goes to the window, which applies it; the player's
// settings (core/settings.h) and where the game stood (mode, level, language) go to the game.

#include "core/uglobal.h"

#include <string>

namespace w4 {

struct WindowPlacement {
    bool Maximized = false;
    int Left = 0;
    int Top = 0;
    int Width = 640;
    int Height = 480;
    LevelListPlace LevelList;
};

std::string SettingsFilePath(const GameState& g);       // the settings folder + "boxyard4.ini"

// Reads every key into g (clamping Number, Mode and Speed) and returns the windows' placement,
// with `defaults` standing in for the main window's missing keys. A missing file gives every
// default.
WindowPlacement LoadSettings(GameState& g, const WindowPlacement& defaults);

// Writes every key in file order, keeping any other lines of the file. When `window` is maximised
// only Maximized=1 is written, so the file keeps the last normal placement. Throws FileError.
void SaveSettings(const GameState& g, const WindowPlacement& window);

} // namespace w4
