#include "core/ulevel.h"

#include "core/fileio.h"
#include "core/folders.h"
#include "core/loading.h"
#include "core/text.h"
#include "core/usokoban.h"

#include <chrono>
#include <cstdio>
#include <optional>

namespace w4 {

namespace {

std::int32_t Count(const GameState& g)
{
    return static_cast<std::int32_t>(g.Playlist.size());
}

void LoadAndRedraw(GameState& g, Frontend& ui)
{
    LoadLevel(g, ui);
    RedrawBoard(g, ui);
}

} // namespace

std::string PlaylistFilePath(const GameState& g)
{
    return (SettingsFolder(g) / "boxyard4.lev").string();
}

std::string DefaultLevelPath(const GameState& g, int group, int number)
{
    char name[32];
    std::snprintf(name, sizeof name, "%02d%02d.xsb", group, number);
    return (DataFolder(g) / "levels" / name).string();
}

void ReadPlaylistFile(GameState& g)
{
    g.Playlist.clear();
    const std::string path = PlaylistFilePath(g);
    if (FileExists(path))
        g.Playlist = ReadTextLines(path);
    PruneMissingEntries(g);
}

void PruneMissingEntries(GameState& g)
{
    // From the last entry to the first, so that LevelIndex keeps naming the same level.
    for (std::int32_t i = Count(g) - 1; i >= 0; --i) {
        if (FileExists(g.Playlist[static_cast<std::size_t>(i)]))
            continue;
        if (i < g.LevelIndex)
            --g.LevelIndex;
        else if (i == g.LevelIndex)
            g.LevelIndex = 0;
        g.Playlist.erase(g.Playlist.begin() + i);
    }
}

std::string RefusedPlaylistText(const GameState& g)
{
    std::uintmax_t bytes = 0;
    const std::string path = PlaylistFilePath(g);
    if (!FileExists(path) || !LargerThanTextCap(path, bytes))
        return {};
    return RefusedTextFileText(Warehaus4::Tr("The file %1 is %2, more than a playlist may hold (%3): it was not read."), path, bytes);
}

void WritePlaylistFile(const GameState& g)
{
    // A playlist too large to be read was never read: the list of this run would replace entries
    // nobody has seen.
    if (const std::string refused = RefusedPlaylistText(g); !refused.empty())
        throw FileError(refused + Warehaus4::Tr(" It is not replaced."));
    WriteTextLines(PlaylistFilePath(g), g.Playlist);
}

void FillDefaultPlaylist(GameState& g)
{
    for (int group = 1; group <= 27; ++group) {
        for (int number = 1; number <= 10; ++number) {
            std::string path = DefaultLevelPath(g, group, number);
            if (FileExists(path))
                g.Playlist.push_back(std::move(path));
        }
    }
}

void FirstLevel(GameState& g, Frontend& ui)
{
    if (g.Playlist.empty() || g.LevelIndex <= 0)
        return;
    const AttemptLeave leave(g, ui);
    if (!leave)
        return;
    g.LevelIndex = 0;
    LoadAndRedraw(g, ui);
}

void PriorLevel(GameState& g, Frontend& ui)
{
    if (g.Playlist.empty() || g.LevelIndex <= 0)
        return;
    const AttemptLeave leave(g, ui);
    if (!leave)
        return;
    --g.LevelIndex;
    LoadAndRedraw(g, ui);
}

void NextLevel(GameState& g, Frontend& ui)
{
    if (g.Playlist.empty() || g.LevelIndex >= Count(g) - 1)
        return;
    const AttemptLeave leave(g, ui);
    if (!leave)
        return;
    ++g.LevelIndex;
    LoadAndRedraw(g, ui);
}

void LastLevel(GameState& g, Frontend& ui)
{
    if (g.Playlist.empty() || g.LevelIndex >= Count(g) - 1)
        return;
    const AttemptLeave leave(g, ui);
    if (!leave)
        return;
    g.LevelIndex = Count(g) - 1;
    LoadAndRedraw(g, ui);
}

void GoToLevel(GameState& g, Frontend& ui, std::int32_t index)
{
    if (g.Playlist.empty() || index < 0 || index >= Count(g) || index == g.LevelIndex)
        return;
    const AttemptLeave leave(g, ui);
    if (!leave)
        return;
    g.LevelIndex = index;
    LoadAndRedraw(g, ui);
}

void OpenLevelFiles(GameState& g, Frontend& ui, const std::vector<std::string>& files)
{
    if (files.empty())
        return;   // the dialog was cancelled
    const std::int32_t oldCount = Count(g);
    // Several Opens in quick succession (a file manager handing over files one by one) should
    // not flip through the levels: only one at least two whole seconds after the last shows.
    const auto since = std::chrono::duration_cast<std::chrono::seconds>(g.Now() - g.LastOpenTime).count();
    std::optional<AttemptLeave> leave;
    if (since > 1) {
        leave.emplace(g, ui);
        if (!*leave)
            return;   // the player stays with the attempt: nothing opened
    }
    g.Playlist.insert(g.Playlist.end(), files.begin(), files.end());
    if (since > 1) {
        g.LevelIndex = oldCount;
        LoadAndRedraw(g, ui);
    }
    g.LastOpenTime = g.Now();
}

void SaveLevel(GameState& g)
{
    if (g.GameMode != ModeEditor || g.Playlist.empty() || g.LevelIndex < 0 || g.LevelIndex >= Count(g))
        return;
    const std::string& path = g.Playlist[static_cast<std::size_t>(g.LevelIndex)];
    if (path.empty() || !FileExists(path) || g.LevelWidth <= 0 || g.LevelHeight <= 0)
        return;
    WriteLevelFile(g, path);
}

bool CanSaveAs(const GameState& g)
{
    return !g.Playlist.empty() && g.LevelWidth > 0 && g.LevelHeight > 0;
}

void SaveLevelAs(GameState& g, const std::string& path)
{
    if (!CanSaveAs(g) || path.empty())
        return;
    WriteLevelFile(g, path);
}

void CloseLevel(GameState& g, Frontend& ui)
{
    if (g.Playlist.empty())
        return;
    const AttemptLeave leave(g, ui);
    if (!leave)
        return;
    if (g.LevelIndex >= 0 && g.LevelIndex < Count(g))
        g.Playlist.erase(g.Playlist.begin() + g.LevelIndex);
    if (g.LevelIndex >= Count(g))
        g.LevelIndex = Count(g) - 1;
    LoadAndRedraw(g, ui);
}

void EmptyPlaylist(GameState& g, Frontend& ui)
{
    if (!ui.AskQuestion(Warehaus4::Tr("Do you really want to empty playlist ?")))
        return;
    const AttemptLeave leave(g, ui);
    if (!leave)
        return;
    g.Playlist.clear();
    g.LevelIndex = 0;
    LoadAndRedraw(g, ui);
}

void DefaultPlaylist(GameState& g, Frontend& ui)
{
    if (!ui.AskQuestion(Warehaus4::Tr("Do you really want to reload default playlist ?")))
        return;
    const AttemptLeave leave(g, ui);
    if (!leave)
        return;
    g.Playlist.clear();
    g.LevelIndex = 0;
    FillDefaultPlaylist(g);
    LoadAndRedraw(g, ui);
}

} // namespace w4
