#pragma once
// The editor's level commands as the window's buttons, keys and menu call them: each asks its
// question through the frontend and ends with the redraw it needs.

#include "core/frontend.h"
#include "core/uglobal.h"

#include <optional>
#include <string>

namespace w4 {

// Questions, in the current language. Those about a file name it on a line of its own.
std::string NewLevelQuestion(const GameState& g);
std::string SaveLevelQuestion(const GameState& g, const std::string& path);
std::string ReloadLevelQuestion(const GameState& g);
std::string SaveNowQuestion(const GameState& g, const std::string& path);

// The playlist entry at LevelIndex; nothing when the playlist is empty or the index is off it.
std::optional<std::string> CurrentLevelFile(const GameState& g);

enum class ShiftDirection { Left, Up, Right, Down };

// One shift, then the full redraw (also at the 50-cell limit, where nothing moves).
void ShiftLevel(GameState& g, Frontend& ui, ShiftDirection direction);
// Fits the frame to the level and redraws; a frame without any used cell is left alone.
void CenterLevel(GameState& g, Frontend& ui);

// Asks, then writes record 0 and the header over the current file (Editor mode only; see
// SaveLevel). With an empty playlist nothing is asked. A failed write throws FileError.
void SaveLevelCommand(GameState& g, Frontend& ui);
// Asks, then throws the edits away: LoadLevel and RedrawBoard.
void ReloadLevelCommand(GameState& g, Frontend& ui);
// The level-information dialog answered OK with `header`: stores it, then offers to save when
// there is a current file.
void ApplyLevelHeader(GameState& g, Frontend& ui, const LevelHeaderFields& header);

// Writes the new-level template to `path`, replacing any file. Throws FileError.
void WriteNewLevelFile(const std::string& path);
// File > New after its question and file dialog: writes the template, appends it to the
// playlist and shows it. A failed write throws FileError before the playlist changes.
void CreateNewLevel(GameState& g, Frontend& ui, const std::string& path);

} // namespace w4
