#include "editor/boardmouse.h"

#include "core/usokoban.h"
#include "render/displaymodes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace w4 {

namespace {

// Floor and ceiling of a / b for b > 0, whatever the sign of a.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
std::int64_t CeilDiv(std::int64_t a, std::int64_t b) { return -FloorDiv(-a, b); }

// One axis of the drawn picture: 'size' picture pixels shown on 'shown' screen pixels from
// 'origin'. Nearest-pixel scaling takes each screen pixel from the picture pixel under its
// centre, so these agree pixel for pixel with what the player sees.
struct Axis {
    std::int64_t origin, shown, size;
    // The picture pixel under screen pixel p.
    std::int64_t Source(std::int64_t p) const { return FloorDiv((2 * (p - origin) + 1) * size, 2 * shown); }
    // The first screen pixel whose picture pixel is k or more.
    std::int64_t First(std::int64_t k) const { return origin + CeilDiv(2 * k * shown - size, 2 * size); }
};

BoardHit HitOnScreenPixels(const GameState& g, int clientWidth, int clientHeight, int x, int y);

} // namespace

BoardHit BoardHitTest(const GameState& g, int clientWidth, int clientHeight, int x, int y, double pixelRatio)
{
    if (!(pixelRatio > 1.0))
        return HitOnScreenPixels(g, clientWidth, clientHeight, x, y);
    // The board is drawn on the screen's own pixels: hit it there, at the pixel under the centre
    // of the logical one, and give the rectangle back in logical pixels.
    const auto screen = [pixelRatio](int logical) { return static_cast<int>(logical * pixelRatio); };
    const auto under = [pixelRatio](int logical) { return static_cast<int>(std::floor((logical + 0.5) * pixelRatio)); };
    BoardHit hit = HitOnScreenPixels(g, screen(clientWidth), screen(clientHeight), under(x), under(y));
    const auto back = [pixelRatio](int device) { return static_cast<int>(std::lround(device / pixelRatio)); };
    const int right = back(hit.Left + hit.Width), bottom = back(hit.Top + hit.Height);
    hit.Left = back(hit.Left);
    hit.Top = back(hit.Top);
    hit.Width = right - hit.Left;
    hit.Height = bottom - hit.Top;
    return hit;
}

namespace {

BoardHit HitOnScreenPixels(const GameState& g, int clientWidth, int clientHeight, int x, int y)
{
    BoardHit hit;
    const bool stretch = g.ForegroundStretched, proportional = g.ForegroundProportional;
    if (!stretch && !proportional)
        return hit;  // neither switch: only a hand-edited settings file gets here
    const int columns = std::clamp(g.LevelWidth, 0, MaxLevelSize);
    const int rows = std::clamp(g.LevelHeight, 0, MaxLevelSize);
    const int tileWidth = std::max(g.TileWidth, 0), tileHeight = std::max(g.TileHeight, 0);
    const int w = columns * tileWidth, h = rows * tileHeight;
    // An empty level occupies nothing and has no scale.
    if (w <= 0 || h <= 0 || clientWidth <= 0 || clientHeight <= 0)
        return hit;

    // The board is hit where it is drawn: the picture holds it inside a one-pixel frame, and the
    // display modes place and scale the whole picture.
    const QRect shown = BoardDisplayRect(QSize(w + 2, h + 2), QSize(clientWidth, clientHeight), stretch, proportional);
    if (shown.width() <= 0 || shown.height() <= 0)
        return hit;
    const Axis across{shown.x(), shown.width(), w + 2};
    const Axis down{shown.y(), shown.height(), h + 2};
    hit.HasRect = true;
    hit.Left = static_cast<int>(across.First(1));
    hit.Top = static_cast<int>(down.First(1));
    hit.Width = static_cast<int>(across.First(1 + w)) - hit.Left;
    hit.Height = static_cast<int>(down.First(1 + h)) - hit.Top;

    hit.OnBoard = x >= hit.Left && x < hit.Left + hit.Width && y >= hit.Top && y < hit.Top + hit.Height;
    if (!hit.OnBoard)
        return hit;
    // On the board the picture pixel lies in 1 .. w (and 1 .. h); the clamp only guards rounding.
    hit.Column = std::clamp(static_cast<int>((across.Source(x) - 1) / tileWidth), 0, columns - 1);
    hit.Row = std::clamp(static_cast<int>((down.Source(y) - 1) / tileHeight), 0, rows - 1);
    return hit;
}

} // namespace

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
