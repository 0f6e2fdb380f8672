#include "editor/leveltransforms.h"

#include <algorithm>

namespace w4 {

const std::array<std::string, NewLevelSize> NewLevelTemplate = {
    "       ",
    " ##### ",
    " #   # ",
    " # @ # ",
    " #   # ",
    " ##### ",
    "       ",
};

namespace {

constexpr char Blank = ' ';

// The frame as it may be trusted for indexing: never outside the 50 x 50 grid.
int FrameWidth(const GameState& g) { return std::clamp(g.LevelWidth, 0, MaxLevelSize); }
int FrameHeight(const GameState& g) { return std::clamp(g.LevelHeight, 0, MaxLevelSize); }

char& Cell(GameState& g, int x, int y)
{
    return g.SnapshotHistory.front().Board[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
}

char CellValue(const GameState& g, int x, int y)
{
    return g.SnapshotHistory.front().Board[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
}

bool ColumnUsed(const GameState& g, int x)
{
    for (int y = 0; y < FrameHeight(g); ++y)
        if (CellValue(g, x, y) != Blank)
            return true;
    return false;
}

bool RowUsed(const GameState& g, int y)
{
    for (int x = 0; x < FrameWidth(g); ++x)
        if (CellValue(g, x, y) != Blank)
            return true;
    return false;
}

void BlankColumn(GameState& g, int x)
{
    for (int y = 0; y < FrameHeight(g); ++y)
        Cell(g, x, y) = Blank;
}

void BlankRow(GameState& g, int y)
{
    for (int x = 0; x < FrameWidth(g); ++x)
        Cell(g, x, y) = Blank;
}

// Grows the frame by one blank column at the right; false at the 50-column limit.
bool AddColumn(GameState& g)
{
    const int width = FrameWidth(g);
    if (width >= MaxLevelSize)
        return false;
    g.LevelWidth = width + 1;
    BlankColumn(g, width);
    return true;
}

bool AddRow(GameState& g)
{
    const int height = FrameHeight(g);
    if (height >= MaxLevelSize)
        return false;
    g.LevelHeight = height + 1;
    BlankRow(g, height);
    return true;
}

void MoveColumnsRight(GameState& g)
{
    for (int y = 0; y < FrameHeight(g); ++y) {
        for (int x = FrameWidth(g) - 1; x >= 1; --x)
            Cell(g, x, y) = CellValue(g, x - 1, y);
        Cell(g, 0, y) = Blank;
    }
}

void MoveRowsDown(GameState& g)
{
    for (int x = 0; x < FrameWidth(g); ++x) {
        for (int y = FrameHeight(g) - 1; y >= 1; --y)
            Cell(g, x, y) = CellValue(g, x, y - 1);
        Cell(g, x, 0) = Blank;
    }
}

} // namespace

int FirstUsedColumn(const GameState& g)
{
    if (g.SnapshotHistory.empty())
        return FrameWidth(g);
    for (int x = 0; x < FrameWidth(g); ++x)
        if (ColumnUsed(g, x))
            return x;
    return FrameWidth(g);
}

int LastUsedColumn(const GameState& g)
{
    if (g.SnapshotHistory.empty())
        return -1;
    for (int x = FrameWidth(g) - 1; x >= 0; --x)
        if (ColumnUsed(g, x))
            return x;
    return -1;
}

int FirstUsedRow(const GameState& g)
{
    if (g.SnapshotHistory.empty())
        return FrameHeight(g);
    for (int y = 0; y < FrameHeight(g); ++y)
        if (RowUsed(g, y))
            return y;
    return FrameHeight(g);
}

int LastUsedRow(const GameState& g)
{
    if (g.SnapshotHistory.empty())
        return -1;
    for (int y = FrameHeight(g) - 1; y >= 0; --y)
        if (RowUsed(g, y))
            return y;
    return -1;
}

void ShiftLevelLeft(GameState& g)
{
    if (g.SnapshotHistory.empty())
        return;
    const int first = FirstUsedColumn(g);
    if (first == 0) {
        AddColumn(g);  // the level now lies one column further left in the wider frame
        return;
    }
    const int width = FrameWidth(g);
    for (int y = 0; y < FrameHeight(g); ++y)
        for (int x = 0; x + 1 < width; ++x)
            Cell(g, x, y) = CellValue(g, x + 1, y);
    if (width > 0)
        BlankColumn(g, width - 1);
}

void ShiftLevelUp(GameState& g)
{
    if (g.SnapshotHistory.empty())
        return;
    const int first = FirstUsedRow(g);
    if (first == 0) {
        AddRow(g);
        return;
    }
    const int height = FrameHeight(g);
    for (int x = 0; x < FrameWidth(g); ++x)
        for (int y = 0; y + 1 < height; ++y)
            Cell(g, x, y) = CellValue(g, x, y + 1);
    if (height > 0)
        BlankRow(g, height - 1);
}

void ShiftLevelRight(GameState& g)
{
    if (g.SnapshotHistory.empty())
        return;
    if (LastUsedColumn(g) < FrameWidth(g) - 1 || AddColumn(g))
        MoveColumnsRight(g);
}

void ShiftLevelDown(GameState& g)
{
    if (g.SnapshotHistory.empty())
        return;
    if (LastUsedRow(g) < FrameHeight(g) - 1 || AddRow(g))
        MoveRowsDown(g);
}

bool FitFrameToLevel(GameState& g)
{
    if (g.SnapshotHistory.empty())
        return false;
    const int x0 = FirstUsedColumn(g), x1 = LastUsedColumn(g);
    const int y0 = FirstUsedRow(g), y1 = LastUsedRow(g);
    if (x0 > x1 || y0 > y1)
        return false;
    // Row by row, left to right: a destination never lies after its source, so one pass suffices.
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            Cell(g, x - x0, y - y0) = CellValue(g, x, y);
    g.LevelWidth = x1 - x0 + 1;
    g.LevelHeight = y1 - y0 + 1;
    return true;
}

} // namespace w4
