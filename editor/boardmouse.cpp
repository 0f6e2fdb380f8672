#include "editor/boardmouse.h"

#include "core/usokoban.h"

#include <algorithm>
#include <cmath>

namespace w4 {

namespace {

int Trunc(double v) { return static_cast<int>(std::trunc(v)); }

// Places a W x H board in the component: shrunk (Standard) or scaled (Proportional) keeping
// its proportions, then centred.
void PlaceScaled(BoardHit& hit, double cw, double ch, double w, double h, bool alwaysScale)
{
    if (alwaysScale || cw < w || ch < h) {
        const double s = std::min(ch / h, cw / w);
        w = std::trunc(w * s);
        h = std::trunc(h * s);
    }
    hit.Width = static_cast<int>(w);
    hit.Height = static_cast<int>(h);
    hit.Left = Trunc((cw - w) / 2);
    hit.Top = Trunc((ch - h) / 2);
    hit.HasRect = true;
}

} // namespace

BoardHit BoardHitTest(const GameState& g, int clientWidth, int clientHeight, int x, int y)
{
    BoardHit hit;
    const int columns = std::clamp(g.LevelWidth, 0, MaxLevelSize);
    const int rows = std::clamp(g.LevelHeight, 0, MaxLevelSize);
    const double w = static_cast<double>(columns) * g.TileWidth;
    const double h = static_cast<double>(rows) * g.TileHeight;
    const double cw = std::max(clientWidth, 0);
    const double ch = std::max(clientHeight, 0);
    const bool stretch = g.ForegroundStretched, proportional = g.ForegroundProportional;

    if (proportional) {
        // Standard or Proportional: an empty level occupies nothing and has no scale.
        if (w <= 0 || h <= 0)
            return hit;
        PlaceScaled(hit, cw, ch, w, h, stretch);
    } else if (stretch) {
        hit.Width = static_cast<int>(cw);
        hit.Height = static_cast<int>(ch);
        hit.HasRect = true;
    } else {
        return hit;  // neither switch: only a hand-edited settings file gets here
    }

    hit.OnBoard = x >= hit.Left && x < hit.Left + hit.Width && y >= hit.Top && y < hit.Top + hit.Height;
    if (!hit.OnBoard)
        return hit;
    // Off-by-rounding can never leave the frame; an empty frame in Stretched mode gives (0, 0).
    hit.Column = std::clamp(Trunc((x - hit.Left) / static_cast<double>(hit.Width) * columns), 0,
                            std::max(columns - 1, 0));
    hit.Row = std::clamp(Trunc((y - hit.Top) / static_cast<double>(hit.Height) * rows), 0,
                         std::max(rows - 1, 0));
    return hit;
}

bool IsLeftAlone(const MouseState& s)
{
    return s.Left && !s.Right && !s.Middle && !s.Shift && !s.Alt && !s.Ctrl && !s.Double;
}

bool IsRightAlone(const MouseState& s)
{
    return s.Right && !s.Left && !s.Middle && !s.Shift && !s.Alt && !s.Ctrl && !s.Double;
}

char MouseStepLetter(const GameState& g, int column, int row)
{
    if (column <= g.KeeperX - 1 && row == g.KeeperY)
        return 'l';
    if (column == g.KeeperX && row <= g.KeeperY - 1)
        return 'u';
    if (column >= g.KeeperX + 1 && row == g.KeeperY)
        return 'r';
    if (column == g.KeeperX && row >= g.KeeperY + 1)
        return 'd';
    return 0;
}

bool PaintEditorTool(GameState& g, int column, int row)
{
    if (g.SnapshotHistory.empty() || column < 0 || row < 0 ||
        column >= std::min(g.LevelWidth, MaxLevelSize) || row >= std::min(g.LevelHeight, MaxLevelSize))
        return false;
    char& cell = g.SnapshotHistory.front().Board[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)];
    const bool changed = cell != g.EditorTool;
    cell = g.EditorTool;
    if (cell == '@' || cell == '+') {
        g.KeeperX = column;
        g.KeeperY = row;
    }
    return changed;
}

bool BoardMouse(GameState& g, Frontend& ui, const BoardHit& hit, const MouseState& s)
{
    if (hit.OnBoard && IsLeftAlone(s)) {
        if (g.GameMode == ModePlay && g.LevelInPlay) {
            // At most one step per event: dragging makes one step per reported position.
            if (const char letter = MouseStepLetter(g, hit.Column, hit.Row))
                MoveByLetter(g, ui, letter);
        } else if (g.GameMode == ModeEditor) {
            if (PaintEditorTool(g, hit.Column, hit.Row))
                ui.DrawCell(hit.Column, hit.Row);
        }
    }
    return IsRightAlone(s);
}

char ChoosePaletteTool(GameState& g, int paletteIndex)
{
    if (paletteIndex >= 0 && paletteIndex < static_cast<int>(EditorPalette.size()))
        g.EditorTool = EditorPalette[static_cast<std::size_t>(paletteIndex)].Tool;
    return g.EditorTool;
}

} // namespace w4
