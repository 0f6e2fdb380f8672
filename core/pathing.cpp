#include "core/pathing.h"

#include "core/movereplay.h"
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

namespace {

// Walks over the floor for the push search, with the dragged box's start cell free and one cell
// (where the box stands) blocked. The marks are reused from walk to walk, and a walk stops as soon
// as the cells it was asked for are found, so the short walks round a box cost a few cells
// rather than the whole board. A breadth-first walk sets a cell's distance and last step once,
// so a stopped walk gives the same answers as a full one for the cells it found.
class Walker {
public:
    Walker(const PathBoard& b, int freeX, int freeY)
        : width_(b.Width), height_(b.Height), open_(static_cast<std::size_t>(b.Width * b.Height)),
          distance_(open_.size()), via_(open_.size()), stamp_(open_.size(), 0)
    {
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                open_[Index(x, y)] = (x == freeX && y == freeY) || IsWalkable(b.At(x, y));
        queue_.reserve(open_.size());
    }

    int Index(int x, int y) const { return y * width_ + x; }
    bool Open(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_ && open_[Index(x, y)]; }

    // From (fromX, fromY), with (blockedX, blockedY) closed, until every cell in `wanted` is
    // reached (every reachable cell when `count` is 0).
    void Walk(int fromX, int fromY, int blockedX, int blockedY, const int* wanted, int count)
    {
        ++now_;
        const int blocked = blockedX >= 0 ? Index(blockedX, blockedY) : -1;
        int left = count;
        const auto found = [&](int i) {
            for (int k = 0; k < count; ++k)
                left -= wanted[k] == i ? 1 : 0;
        };
        queue_.clear();
        const int start = Index(fromX, fromY);
        Mark(start, 0, -1);
        found(start);
        if (count > 0 && left <= 0)
            return;
        queue_.push_back(start);
        for (std::size_t head = 0; head < queue_.size(); ++head) {
            const int here = queue_[head];
            const int x = here % width_, y = here / width_;
            const int next = distance_[static_cast<std::size_t>(here)] + 1;
            for (int d = 0; d < 4; ++d) {
                const int nx = x + Dx[static_cast<std::size_t>(d)], ny = y + Dy[static_cast<std::size_t>(d)];
                if (!Open(nx, ny))
                    continue;
                const int i = Index(nx, ny);
                if (i == blocked || stamp_[static_cast<std::size_t>(i)] == now_)
                    continue;
                Mark(i, next, d);
                found(i);
                if (count > 0 && left <= 0)
                    return;
                queue_.push_back(i);
            }
        }
    }

    int Distance(int x, int y) const
    {
        const auto i = static_cast<std::size_t>(Index(x, y));
        return stamp_[i] == now_ ? distance_[i] : -1;
    }

    // The letters of the last walk's way to (x, y), which it must have reached.
    std::string Letters(int x, int y) const
    {
        std::string letters;
        for (int d = via_[static_cast<std::size_t>(Index(x, y))]; d >= 0; d = via_[static_cast<std::size_t>(Index(x, y))]) {
            letters += Letter[static_cast<std::size_t>(d)];
            x -= Dx[static_cast<std::size_t>(d)];
            y -= Dy[static_cast<std::size_t>(d)];
        }
        std::reverse(letters.begin(), letters.end());
        return letters;
    }

private:
    void Mark(int i, int distance, int via)
    {
        stamp_[static_cast<std::size_t>(i)] = now_;
        distance_[static_cast<std::size_t>(i)] = distance;
        via_[static_cast<std::size_t>(i)] = static_cast<std::int8_t>(via);
    }

    int width_, height_;
    std::vector<bool> open_;
    std::vector<int> distance_;
    std::vector<std::int8_t> via_;
    std::vector<std::uint32_t> stamp_;
    std::uint32_t now_ = 0;
    std::vector<int> queue_;
};

// Which cells beside a box can reach each other round it. A box on a cell cuts the floor only
// where that cell is an articulation point; one depth-first pass (Tarjan's low links) over the
// floor finds them all, so whether the keeper can get from one side of the box to another is a
// look-up, and a walk is only made to a side that can be reached.
class Pieces {
public:
    explicit Pieces(const Walker& w, int width, int height) : width_(width)
    {
        const auto cells = static_cast<std::size_t>(width * height);
        disc_.assign(cells, -1);
        low_.assign(cells, 0);
        finish_.assign(cells, 0);
        parent_.assign(cells, -1);
        std::vector<std::pair<int, int>> stack;   // cell, next direction to try
        int time = 0;
        for (int root = 0; root < static_cast<int>(cells); ++root) {
            if (!w.Open(root % width, root / width) || disc_[static_cast<std::size_t>(root)] >= 0)
                continue;
            disc_[static_cast<std::size_t>(root)] = low_[static_cast<std::size_t>(root)] = time++;
            stack.emplace_back(root, 0);
            while (!stack.empty()) {
                auto& [v, d] = stack.back();
                const auto vi = static_cast<std::size_t>(v);
                if (d == 4) {
                    finish_[vi] = time;
                    const int p = parent_[vi];
                    stack.pop_back();
                    if (p >= 0)
                        low_[static_cast<std::size_t>(p)] = std::min(low_[static_cast<std::size_t>(p)], low_[vi]);
                    continue;
                }
                const int nx = v % width + Dx[static_cast<std::size_t>(d)], ny = v / width + Dy[static_cast<std::size_t>(d)];
                ++d;
                if (!w.Open(nx, ny))
                    continue;
                const int n = ny * width + nx;
                const auto ni = static_cast<std::size_t>(n);
                if (disc_[ni] < 0) {
                    parent_[ni] = v;
                    disc_[ni] = low_[ni] = time++;
                    stack.emplace_back(n, 0);
                } else if (n != parent_[vi]) {
                    low_[vi] = std::min(low_[vi], disc_[ni]);
                }
            }
        }
    }

    // Whether the floor cells a and b, both beside (bx, by), stay joined with a box there.
    bool Joined(int bx, int by, int a, int b) const { return Piece(bx, by, a) == Piece(bx, by, b); }

private:
    // The piece a neighbour of the box cell falls in once the box stands there: the subtree of a
    // child the cell cuts off, or -1 for the part still joined to the rest.
    int Piece(int bx, int by, int n) const
    {
        const int v = by * width_ + bx;
        const auto vi = static_cast<std::size_t>(v);
        const int at = disc_[static_cast<std::size_t>(n)];
        if (at <= disc_[vi] || at >= finish_[vi])
            return -1;   // not below the box cell in the search tree
        for (int d = 0; d < 4; ++d) {
            const int cx = bx + Dx[static_cast<std::size_t>(d)], cy = by + Dy[static_cast<std::size_t>(d)];
            if (cx < 0 || cy < 0 || cx >= width_)
                continue;
            const int c = cy * width_ + cx;
            if (static_cast<std::size_t>(c) >= parent_.size() || parent_[static_cast<std::size_t>(c)] != v)
                continue;
            const auto ci = static_cast<std::size_t>(c);
            if (disc_[ci] <= at && at < finish_[ci])
                return low_[ci] >= disc_[vi] ? c : -1;
        }
        return -1;
    }

    int width_;
    std::vector<int> disc_, low_, finish_, parent_;
};

} // namespace

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
    Walker walker(b, boxX, boxY);
    const Pieces pieces(walker, b.Width, b.Height);

    // The pushes reachable from one keeper cell with the box at (bx, by). From the start the
    // keeper may stand anywhere, so that walk covers the floor; after a push it stands beside the
    // box and walks only as far as the sides it can reach.
    const auto expand = [&](int bx, int by, int fromX, int fromY, int pushes, int moves, int from) {
        std::array<int, 4> wanted{};
        int count = 0;
        const bool first = from < 0;
        for (int d = 0; d < 4; ++d) {
            const int kx = bx - Dx[static_cast<std::size_t>(d)], ky = by - Dy[static_cast<std::size_t>(d)];
            if (!first && walker.Open(kx, ky) && walker.Open(bx + Dx[static_cast<std::size_t>(d)], by + Dy[static_cast<std::size_t>(d)]) &&
                pieces.Joined(bx, by, walker.Index(fromX, fromY), walker.Index(kx, ky)))
                wanted[static_cast<std::size_t>(count++)] = walker.Index(kx, ky);
        }
        if (!first && count == 0)
            return;
        walker.Walk(fromX, fromY, bx, by, wanted.data(), count);
        for (int d = 0; d < 4; ++d) {
            const int kx = bx - Dx[static_cast<std::size_t>(d)], ky = by - Dy[static_cast<std::size_t>(d)];
            const int tx = bx + Dx[static_cast<std::size_t>(d)], ty = by + Dy[static_cast<std::size_t>(d)];
            if (!Inside(b, kx, ky) || !Inside(b, tx, ty))
                continue;
            const int walked = walker.Distance(kx, ky);
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
        const int kx = bx - Dx[static_cast<std::size_t>(d)], ky = by - Dy[static_cast<std::size_t>(d)];
        const int side = walker.Index(kx, ky);
        walker.Walk(from % b.Width, from / b.Width, bx, by, &side, 1);
        letters.insert(0, walker.Letters(kx, ky) + static_cast<char>(std::toupper(static_cast<unsigned char>(Letter[static_cast<std::size_t>(d)]))));
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

std::vector<std::string> PlayLetters(std::vector<std::string> rows, const std::string& letters)
{
    MoveReplay board(std::move(rows));
    for (const char letter : letters)
        board.Play(letter);
    return board.Rows();
}

std::optional<PushMark> FirstPush(const std::vector<std::string>& rows, const std::string& letters)
{
    MoveReplay board(rows);
    if (!board.HasKeeper())
        return std::nullopt;
    PushMark mark;
    for (const char letter : letters) {
        const int fromX = board.KeeperX(), fromY = board.KeeperY();
        mark.Letters += letter;
        if (board.Play(letter) == MoveOutcome::Push) {
            mark.BoxX = board.KeeperX();
            mark.BoxY = board.KeeperY();
            mark.ToX = mark.BoxX + (mark.BoxX - fromX);
            mark.ToY = mark.BoxY + (mark.BoxY - fromY);
            return mark;
        }
    }
    return std::nullopt;
}

} // namespace w4
