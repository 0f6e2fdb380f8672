#include "editor/editorcommands.h"

#include "core/fileio.h"
#include "core/loading.h"
#include "core/text.h"
#include "core/ulevel.h"
#include "editor/leveltransforms.h"

#include <vector>

namespace w4 {

namespace {

std::string NamingFile(std::string question, const std::string& path)
{
    return question + "\r\n(" + path + ")";
}

} // namespace

std::string NewLevelQuestion(const GameState& /*g*/)
{
    return Warehaus4::Tr("Do you really want to create a new level ?");
}

std::string SaveLevelQuestion(const GameState& /*g*/, const std::string& path)
{
    return NamingFile(Warehaus4::Tr("Do you really want to apply updates ?"),
                      path);
}

std::string ReloadLevelQuestion(const GameState& /*g*/)
{
    return Warehaus4::Tr("Do you really want to cancel updates ?");
}

std::string SaveNowQuestion(const GameState& /*g*/, const std::string& path)
{
    return NamingFile(Warehaus4::Tr("Do you want to save the level now ?"),
                      path);
}

std::optional<std::string> CurrentLevelFile(const GameState& g)
{
    if (g.LevelIndex < 0 || static_cast<std::size_t>(g.LevelIndex) >= g.Playlist.size())
        return std::nullopt;
    return g.Playlist[static_cast<std::size_t>(g.LevelIndex)];
}

void ShiftLevel(GameState& g, Frontend& ui, ShiftDirection direction)
{
    switch (direction) {
    case ShiftDirection::Left: ShiftLevelLeft(g); break;
    case ShiftDirection::Up: ShiftLevelUp(g); break;
    case ShiftDirection::Right: ShiftLevelRight(g); break;
    case ShiftDirection::Down: ShiftLevelDown(g); break;
    }
    RedrawBoard(g, ui);
}

void CenterLevel(GameState& g, Frontend& ui)
{
    if (FitFrameToLevel(g))
        RedrawBoard(g, ui);
}

void SaveLevelCommand(GameState& g, Frontend& ui)
{
    const auto path = CurrentLevelFile(g);
    if (!path)
        return;
    if (ui.AskQuestion(SaveLevelQuestion(g, *path)))
        SaveLevel(g);
}

void ReloadLevelCommand(GameState& g, Frontend& ui)
{
    if (!ui.AskQuestion(ReloadLevelQuestion(g)))
        return;
    LoadLevel(g, ui);
    RedrawBoard(g, ui);
}

void ApplyLevelHeader(GameState& g, Frontend& ui, const LevelHeaderFields& header)
{
    g.LevelHeader = header;
    const auto path = CurrentLevelFile(g);
    if (path && ui.AskQuestion(SaveNowQuestion(g, *path)))
        SaveLevel(g);
}

void WriteNewLevelFile(const std::string& path)
{
    WriteTextLines(path, std::vector<std::string>(NewLevelTemplate.begin(), NewLevelTemplate.end()));
}

void CreateNewLevel(GameState& g, Frontend& ui, const std::string& path)
{
    const AttemptLeave leave(g, ui);
    if (!leave)
        return;
    WriteNewLevelFile(path);
    g.LevelIndex = static_cast<std::int32_t>(g.Playlist.size());
    g.Playlist.push_back(path);
    LoadLevel(g, ui);
    RedrawBoard(g, ui);
    g.LastOpenTime = g.Now();
}

} // namespace w4
