#pragma once
// The playlist: its file, the default levels, navigation and the File commands' core.

#include "core/frontend.h"
#include "core/uglobal.h"

#include <string>
#include <vector>

namespace w4 {

std::string PlaylistFilePath(const GameState& g);  // the settings folder + "boxyard4.lev"
std::string DefaultLevelPath(const GameState& g, int group, int number);

// Start-up: reads the playlist file (every line an entry) and then runs PruneMissingEntries.
void ReadPlaylistFile(GameState& g);
// Drops entries whose file is missing, keeping LevelIndex on the same level (0 if it was dropped).
void PruneMissingEntries(GameState& g);
// The message naming the playlist file when it is larger than MaxTextFileBytes: it was not read
// (ReadPlaylistFile refuses it whole) and WritePlaylistFile refuses to replace it. Empty otherwise.
std::string RefusedPlaylistText(const GameState& g);
void WritePlaylistFile(const GameState& g);         // throws FileError
void FillDefaultPlaylist(GameState& g);

void FirstLevel(GameState& g, Frontend& ui);
void PriorLevel(GameState& g, Frontend& ui);
void NextLevel(GameState& g, Frontend& ui);
void LastLevel(GameState& g, Frontend& ui);
// Shows the entry at `index` the way the four above do: nothing on an empty playlist, for an index
// outside it or for the level already shown; otherwise load and redraw.
void GoToLevel(GameState& g, Frontend& ui, std::int32_t index);

// Appends the chosen files; shows the first of them when the last Open lies two seconds back.
// An empty list (a cancelled dialog) does nothing.
void OpenLevelFiles(GameState& g, Frontend& ui, const std::vector<std::string>& files);
// Editor mode only: writes record 0 to the current entry's existing file.
void SaveLevel(GameState& g);
// Save As is offered only with a non-empty playlist and a level of at least 1 x 1.
bool CanSaveAs(const GameState& g);
void SaveLevelAs(GameState& g, const std::string& path);   // throws FileError
// Removes the current entry (not the file); nothing on an empty playlist.
void CloseLevel(GameState& g, Frontend& ui);
// Both ask their question through the frontend first.
void EmptyPlaylist(GameState& g, Frontend& ui);
void DefaultPlaylist(GameState& g, Frontend& ui);

} // namespace w4
