#include "core/pathing.h"

#include "core/usokoban.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <limits>
#include <queue>
#include <tuple>

namespace w4 {

namespace {

constexpr std::array<int, 4> Dx = {-1, 0, 1, 0};
constexpr std::array<int, 4> Dy = {0, -1, 0, 1};
constexpr std::array<char, 4> Letter = {'l', 'u', 'r', 'd'};

bool IsBox(char c) { return c == '$' || c == '*'; }
bool IsWalkable(char c) { return c == ' ' || c == '.' || c == '@' || c == '+'; }

// Breadth-first distances over the floor from one cell, with one extra blocked cell (the box
// being pushed) and one extra free cell (where that box stood at the start).
struct Walks {
    int Width = 0, Height = 0;
    std::vector<int> Distance;   // -1 unreached
    std::vector<std::int8_t> Via; // the direction of the last step into each cell

    int Index(int x, int y) const { return y * Width + x; }
};

Walks Flood(const PathBoard& b, int fromX, int fromY, int blockedX, int blockedY, int freeX, int freeY)
{
    Walks w;
    w.Width = b.Width;
    w.Height = b.Height;
    w.Distance.assign(static_cast<std::size_t>(b.Width * b.Height), -1);
    w.Via.assign(w.Distance.size(), -1);
    const auto open = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= b.Width || y >= b.Height || (x == blockedX && y == blockedY))
            return false;
        return (x == freeX && y == freeY) || IsWalkable(b.At(x, y));
    };
    if (fromX < 0 || fromY < 0 || fromX >= b.Width || fromY >= b.Height)
        return w;
    std::queue<std::pair<int, int>> queue;
    w.Distance[static_cast<std::size_t>(w.Index(fromX, fromY))] = 0;
    queue.emplace(fromX, fromY);
    while (!queue.empty()) {
        const auto [x, y] = queue.front();
        queue.pop();
        const int here = w.Distance[static_cast<std::size_t>(w.Index(x, y))];
        for (int d = 0; d < 4; ++d) {
            const int nx = x + Dx[d], ny = y + Dy[d];
            if (!open(nx, ny))
                continue;
            const auto i = static_cast<std::size_t>(w.Index(nx, ny));
            if (w.Distance[i] >= 0)
                continue;
            w.Distance[i] = here + 1;
            w.Via[i] = static_cast<std::int8_t>(d);
            queue.emplace(nx, ny);
        }
    }
    return w;
}

// The letters of the walk the flood found to (x, y), which it must have reached.
std::string WalkLetters(const Walks& w, int x, int y)
{
    std::string letters;
    for (int d = w.Via[static_cast<std::size_t>(w.Index(x, y))]; d >= 0; d = w.Via[static_cast<std::size_t>(w.Index(x, y))]) {
        letters += Letter[static_cast<std::size_t>(d)];
        x -= Dx[static_cast<std::size_t>(d)];
        y -= Dy[static_cast<std::size_t>(d)];
    }
    std::reverse(letters.begin(), letters.end());
    return letters;
}

bool Inside(const PathBoard& b, int x, int y) { return x >= 0 && y >= 0 && x < b.Width && y < b.Height; }

} // namespace

char PathBoard::At(int x, int y) const
{
    if (Cells == nullptr || x < 0 || y < 0 || x >= Width || y >= Height)
        return 'Z';
    return (*Cells)[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
}

PathBoard ShownBoard(const GameState& g)
{
    PathBoard b;
    if (g.HistoryLength <= 0 || g.SnapshotHistory.empty())
        return b;
    b.Cells = &g.Current().Board;
    b.Width = std::clamp(g.LevelWidth, 0, MaxLevelSize);
    b.Height = std::clamp(g.LevelHeight, 0, MaxLevelSize);
    return b;
}

std::optional<std::string> WalkPath(const PathBoard& b, int keeperX, int keeperY, int x, int y)
{
    if (!Inside(b, keeperX, keeperY) || !Inside(b, x, y))
        return std::nullopt;
    const char keeper = b.At(keeperX, keeperY);
    if (keeper != '@' && keeper != '+')
        return std::nullopt;
    if (x == keeperX && y == keeperY)
        return std::string();
    const Walks w = Flood(b, keeperX, keeperY, -1, -1, -1, -1);
    if (w.Distance[static_cast<std::size_t>(w.Index(x, y))] < 0)
        return std::nullopt;
    return WalkLetters(w, x, y);
}

std::optional<std::string> PushPath(const PathBoard& b, int keeperX, int keeperY, int boxX, int boxY, int x, int y)
{
    if (!Inside(b, keeperX, keeperY) || !Inside(b, boxX, boxY) || !Inside(b, x, y) || !IsBox(b.At(boxX, boxY)))
        return std::nullopt;
    const char keeper = b.At(keeperX, keeperY);
    if (keeper != '@' && keeper != '+')
        return std::nullopt;
    if (boxX == x && boxY == y)
        return std::string();
    // The destination must be floor, or the box's own cell (handled above).
    if (!IsWalkable(b.At(x, y)))
        return std::nullopt;

    // Dijkstra over (box cell, direction of the push that brought it there): the keeper then
    // stands on the cell the push came from. Costs compare pushes first, then moves.
    const int cells = b.Width * b.Height;
    const auto state = [&](int bx, int by, int d) { return (by * b.Width + bx) * 4 + d; };
    constexpr int Unseen = std::numeric_limits<int>::max();
    std::vector<std::pair<int, int>> best(static_cast<std::size_t>(cells * 4), {Unseen, Unseen});
    // Where each state came from: the previous state (-1 the start) and the keeper cell the walk
    // before the push started at.
    std::vector<int> parent(best.size(), -1);
    std::vector<int> walkFrom(best.size(), -1);
    using Entry = std::tuple<int, int, int>;   // pushes, moves, state
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;

    // The pushes reachable from one keeper cell with the box at (bx, by).
    const auto expand = [&](int bx, int by, int fromX, int fromY, int pushes, int moves, int from) {
        const Walks w = Flood(b, fromX, fromY, bx, by, boxX, boxY);
        for (int d = 0; d < 4; ++d) {
            const int kx = bx - Dx[static_cast<std::size_t>(d)], ky = by - Dy[static_cast<std::size_t>(d)];
            const int tx = bx + Dx[static_cast<std::size_t>(d)], ty = by + Dy[static_cast<std::size_t>(d)];
            if (!Inside(b, kx, ky) || !Inside(b, tx, ty))
                continue;
            const int walked = w.Distance[static_cast<std::size_t>(w.Index(kx, ky))];
            if (walked < 0)
                continue;
            if (!((tx == boxX && ty == boxY) || IsWalkable(b.At(tx, ty))))
                continue;
            const int s = state(tx, ty, d);
            const std::pair<int, int> cost{pushes + 1, moves + walked + 1};
            if (cost < best[static_cast<std::size_t>(s)]) {
                best[static_cast<std::size_t>(s)] = cost;
                parent[static_cast<std::size_t>(s)] = from;
                walkFrom[static_cast<std::size_t>(s)] = fromY * b.Width + fromX;
                open.emplace(cost.first, cost.second, s);
            }
        }
    };

    expand(boxX, boxY, keeperX, keeperY, 0, 0, -1);
    int found = -1;
    while (!open.empty()) {
        const auto [pushes, moves, s] = open.top();
        open.pop();
        if (std::pair<int, int>{pushes, moves} != best[static_cast<std::size_t>(s)])
            continue;   // a stale entry
        const int cell = s / 4, d = s % 4;
        const int bx = cell % b.Width, by = cell / b.Width;
        if (bx == x && by == y) {
            found = s;
            break;
        }
        expand(bx, by, bx - Dx[static_cast<std::size_t>(d)], by - Dy[static_cast<std::size_t>(d)], pushes, moves, s);
    }
    if (found < 0)
        return std::nullopt;

    // Back from the found state: each hop is a walk with the box where it stood, then a push.
    std::string letters;
    for (int s = found; s >= 0; s = parent[static_cast<std::size_t>(s)]) {
        const int cell = s / 4, d = s % 4;
        const int tx = cell % b.Width, ty = cell / b.Width;
        const int bx = tx - Dx[static_cast<std::size_t>(d)], by = ty - Dy[static_cast<std::size_t>(d)];
        const int from = walkFrom[static_cast<std::size_t>(s)];
        const Walks w = Flood(b, from % b.Width, from / b.Width, bx, by, boxX, boxY);
        const std::string hop = WalkLetters(w, bx - Dx[static_cast<std::size_t>(d)], by - Dy[static_cast<std::size_t>(d)])
            + static_cast<char>(std::toupper(static_cast<unsigned char>(Letter[static_cast<std::size_t>(d)])));
        letters.insert(0, hop);
    }
    return letters;
}

std::vector<std::string> BoardRows(const BoardGrid& cells, int width, int height)
{
    width = std::clamp(width, 0, MaxLevelSize);
    height = std::clamp(height, 0, MaxLevelSize);
    std::vector<std::string> rows(static_cast<std::size_t>(height), std::string(static_cast<std::size_t>(width), ' '));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const char c = cells[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
            rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = c == 'X' ? ' ' : c;
        }
    return rows;
}

namespace {

char RowCell(const std::vector<std::string>& rows, int x, int y)
{
    if (y < 0 || x < 0 || static_cast<std::size_t>(y) >= rows.size() || static_cast<std::size_t>(x) >= rows[static_cast<std::size_t>(y)].size())
        return 'Z';
    return rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
}

bool FindKeeper(const std::vector<std::string>& rows, int& kx, int& ky)
{
    bool found = false;
    for (std::size_t y = 0; y < rows.size(); ++y)
        for (std::size_t x = 0; x < rows[y].size(); ++x)
            if (rows[y][x] == '@' || rows[y][x] == '+') {
                kx = static_cast<int>(x);
                ky = static_cast<int>(y);
                found = true;
            }
    return found;
}

// One move by the game's case table; returns the outcome.
MoveOutcome PlayOne(std::vector<std::string>& rows, int& kx, int& ky, char letter)
{
    int d = -1;
    for (int i = 0; i < 4; ++i)
        if (Letter[static_cast<std::size_t>(i)] == static_cast<char>(std::tolower(static_cast<unsigned char>(letter))))
            d = i;
    if (d < 0)
        return MoveOutcome::NoMove;
    const int nx = kx + Dx[static_cast<std::size_t>(d)], ny = ky + Dy[static_cast<std::size_t>(d)];
    const int bx = nx + Dx[static_cast<std::size_t>(d)], by = ny + Dy[static_cast<std::size_t>(d)];
    const MoveDecision move = ClassifyMove(RowCell(rows, kx, ky), RowCell(rows, nx, ny), RowCell(rows, bx, by));
    if (move.Outcome != MoveOutcome::Step && move.Outcome != MoveOutcome::Push)
        return move.Outcome;
    const auto put = [&rows](int x, int y, char c) {
        if (RowCell(rows, x, y) != 'Z')
            rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = c;
    };
    put(kx, ky, move.NewKeeper);
    put(nx, ny, move.NewNext);
    put(bx, by, move.NewBeyond);
    kx = nx;
    ky = ny;
    return move.Outcome;
}

} // namespace

std::vector<std::string> PlayLetters(std::vector<std::string> rows, const std::string& letters)
{
    int kx = 0, ky = 0;
    if (!FindKeeper(rows, kx, ky))
        return rows;
    for (const char letter : letters)
        PlayOne(rows, kx, ky, letter);
    return rows;
}

std::optional<PushMark> FirstPush(const std::vector<std::string>& rows, const std::string& letters)
{
    std::vector<std::string> board = rows;
    int kx = 0, ky = 0;
    if (!FindKeeper(board, kx, ky))
        return std::nullopt;
    PushMark mark;
    for (const char letter : letters) {
        const int fromX = kx, fromY = ky;
        mark.Letters += letter;
        if (PlayOne(board, kx, ky, letter) == MoveOutcome::Push) {
            mark.BoxX = kx;
            mark.BoxY = ky;
            mark.ToX = kx + (kx - fromX);
            mark.ToY = ky + (ky - fromY);
            return mark;
        }
    }
    return std::nullopt;
}

} // namespace w4
