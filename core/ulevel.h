#pragma once
// The playlist: its file, the default levels, navigation and the File commands' core.

#include "core/frontend.h"
#include "core/uglobal.h"

#include <string>
#include <vector>

namespace w4 {

std::string PlaylistFilePath(const GameState& g);  // ProgramFolder + "boxyard4.lev"
std::string DefaultLevelPath(const GameState& g, int group, int number);

// Start-up: reads the playlist file and drops missing entries, keeping LevelIndex on the same level.
void ReadPlaylistFile(GameState& g);
void PruneMissingEntries(GameState& g);
void WritePlaylistFile(const GameState& g);         // throws FileError
void FillDefaultPlaylist(GameState& g);

void FirstLevel(GameState& g, Frontend& ui);
void PriorLevel(GameState& g, Frontend& ui);
void NextLevel(GameState& g, Frontend& ui);
void LastLevel(GameState& g, Frontend& ui);

// Appends the chosen files; shows the first of them when the last Open lies two seconds back.
void OpenLevelFiles(GameState& g, Frontend& ui, const std::vector<std::string>& files);
// Editor mode only: writes record 0 to the current entry's existing file.
void SaveLevel(GameState& g);
bool CanSaveAs(const GameState& g);
void SaveLevelAs(GameState& g, const std::string& path);
void CloseLevel(GameState& g, Frontend& ui);
// Both ask their question through the frontend first.
void EmptyPlaylist(GameState& g, Frontend& ui);
void DefaultPlaylist(GameState& g, Frontend& ui);

} // namespace w4
