// Walking and pushing by mouse: the paths the window plays as ordinary moves.
#include "core/pathing.h"

#include <gtest/gtest.h>

#include <cctype>
#include <map>
#include <queue>
#include <random>
#include <tuple>

namespace {

struct Board {
    w4::BoardGrid Cells{};
    int Width = 0, Height = 0, KeeperX = -1, KeeperY = -1;

    explicit Board(const std::vector<std::string>& rows)
    {
        Height = static_cast<int>(rows.size());
        for (const auto& row : rows)
            Width = std::max(Width, static_cast<int>(row.size()));
        for (auto& column : Cells)
            column.fill(' ');
        for (int y = 0; y < Height; ++y)
            for (int x = 0; x < static_cast<int>(rows[static_cast<std::size_t>(y)].size()); ++x) {
                const char c = rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
                Cells[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] = c;
                if (c == '@' || c == '+') {
                    KeeperX = x;
                    KeeperY = y;
                }
            }
    }
    w4::PathBoard View() const { return {&Cells, Width, Height}; }
    std::vector<std::string> Rows() const { return w4::BoardRows(Cells, Width, Height); }
};

int Pushes(const std::string& letters)
{
    int n = 0;
    for (char c : letters)
        n += std::isupper(static_cast<unsigned char>(c)) ? 1 : 0;
    return n;
}

TEST(WalkPath, GoesRoundWallsAndBoxesByAShortestWay)
{
    const Board b({"#######",
                   "#@ #  #",
                   "# $#  #",
                   "#     #",
                   "#######"});
    // Down round the box column: 3 down-and-right steps are not possible past the box at (2,2).
    const auto path = w4::WalkPath(b.View(), b.KeeperX, b.KeeperY, 4, 1);
    ASSERT_TRUE(path);
    EXPECT_EQ(path->size(), 7u) << *path;   // (1,1) -> (1,3) -> (4,3) -> (4,1)
    // Played by the game's rules it ends on the cell and pushes nothing.
    const auto after = w4::PlayLetters(b.Rows(), *path);
    EXPECT_EQ(after[1][4], '@');
    EXPECT_EQ(after[2][2], '$');
    EXPECT_EQ(*w4::WalkPath(b.View(), b.KeeperX, b.KeeperY, 1, 1), "");
}

TEST(WalkPath, RefusesWallsBoxesAndCutOffCells)
{
    const Board b({"######",
                   "#@$  #",
                   "######"});
    EXPECT_FALSE(w4::WalkPath(b.View(), 1, 1, 2, 1)) << "a box is not walked onto";
    EXPECT_FALSE(w4::WalkPath(b.View(), 1, 1, 3, 1)) << "behind a box is cut off";
    EXPECT_FALSE(w4::WalkPath(b.View(), 1, 1, 0, 0)) << "a wall";
    EXPECT_FALSE(w4::WalkPath(b.View(), 1, 1, 9, 9)) << "outside";
}

TEST(PushPath, FewestPushesThenFewestMoves)
{
    // The box at (2,2) goes to (4,2): two pushes right; the keeper first walks round to its left.
    const Board b({"#######",
                   "#  @  #",
                   "# $  .#",
                   "#     #",
                   "#######"});
    const auto path = w4::PushPath(b.View(), b.KeeperX, b.KeeperY, 2, 2, 4, 2);
    ASSERT_TRUE(path);
    EXPECT_EQ(Pushes(*path), 2) << *path;
    EXPECT_EQ(path->size(), 5u) << *path;   // l l d, then R R
    const auto after = w4::PlayLetters(b.Rows(), *path);
    EXPECT_EQ(after[2][4], '$');
    EXPECT_EQ(after[2][3], '@');
}

TEST(PushPath, TurnsCornersAndKeepsTheOtherBoxesStill)
{
    // Right along the bottom corridor, then up the right column: the keeper changes sides once.
    const Board b({"#######",
                   "#$    #",
                   "# ### #",
                   "# $   #",
                   "#  @  #",
                   "#######"});
    const auto path = w4::PushPath(b.View(), b.KeeperX, b.KeeperY, 2, 3, 5, 1);
    ASSERT_TRUE(path);
    EXPECT_EQ(Pushes(*path), 5) << *path;   // R R R, then U U from below
    EXPECT_EQ(*path, "lluRRRdrUU");
    const auto after = w4::PlayLetters(b.Rows(), *path);
    EXPECT_EQ(after[1][5], '$');
    EXPECT_EQ(after[1][1], '$') << "the other box stays";
}

TEST(PushPath, ImpossiblePushesGiveNothing)
{
    const Board b({"######",
                   "#@$  #",
                   "#    #",
                   "######"});
    EXPECT_FALSE(w4::PushPath(b.View(), 1, 1, 2, 1, 2, 2)) << "no room above the box to push it down";
    EXPECT_FALSE(w4::PushPath(b.View(), 1, 1, 3, 1, 4, 1)) << "no box there";
    EXPECT_FALSE(w4::PushPath(b.View(), 1, 1, 2, 1, 5, 1)) << "into a wall";
    EXPECT_EQ(*w4::PushPath(b.View(), 1, 1, 2, 1, 2, 1), "");
    const auto along = w4::PushPath(b.View(), 1, 1, 2, 1, 4, 1);
    ASSERT_TRUE(along);
    EXPECT_EQ(*along, "RR");
}

// The cheapest push paths by brute force over (box cell, keeper cell), one step at a time: for
// each cell the box can be taken to, the fewest pushes, then the fewest moves.
std::map<int, std::pair<int, int>> CheapestByBruteForce(const Board& b, int boxX, int boxY)
{
    const auto free = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= b.Width || y >= b.Height)
            return false;
        const char c = b.Cells[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
        return (x == boxX && y == boxY) || c == ' ' || c == '.' || c == '@' || c == '+';
    };
    const int cells = b.Width * b.Height;
    std::vector<bool> seen(static_cast<std::size_t>(cells * cells), false);
    std::map<int, std::pair<int, int>> cheapest;
    using Entry = std::tuple<int, int, int, int>;   // pushes, moves, box, keeper
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;
    open.emplace(0, 0, boxY * b.Width + boxX, b.KeeperY * b.Width + b.KeeperX);
    const int dx[] = {-1, 0, 1, 0}, dy[] = {0, -1, 0, 1};
    while (!open.empty()) {
        const auto [pushes, moves, box, keeper] = open.top();
        open.pop();
        if (seen[static_cast<std::size_t>(box * cells + keeper)])
            continue;   // popped in cost order: the first visit is the cheapest
        seen[static_cast<std::size_t>(box * cells + keeper)] = true;
        cheapest.emplace(box, std::pair{pushes, moves});
        for (int d = 0; d < 4; ++d) {
            const int kx = keeper % b.Width + dx[d], ky = keeper / b.Width + dy[d];
            if (!free(kx, ky))
                continue;
            if (ky * b.Width + kx != box)
                open.emplace(pushes, moves + 1, box, ky * b.Width + kx);
            else if (free(kx + dx[d], ky + dy[d]))
                open.emplace(pushes + 1, moves + 1, (ky + dy[d]) * b.Width + kx + dx[d], box);
        }
    }
    return cheapest;
}

TEST(PushPath, AgreesWithABruteForceSearchOnRandomWarehouses)
{
    // Walls, other boxes and cut-off rooms at random: whether a box can be taken to each cell,
    // and at what cost, must match a search that tries every step.
    std::mt19937 random(26);
    int found = 0, refused = 0;
    for (int round = 0; round < 60; ++round) {
        std::vector<std::string> rows(7, std::string(9, '#'));
        for (int y = 1; y < 6; ++y)
            for (int x = 1; x < 8; ++x) {
                const int roll = static_cast<int>(random() % 10);
                rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = roll < 2 ? '#' : roll < 3 ? '$' : ' ';
            }
        rows[3][4] = '$';
        rows[3][3] = '@';
        const Board b(rows);
        const auto cheapest = CheapestByBruteForce(b, 4, 3);
        for (int y = 1; y < 6; ++y)
            for (int x = 1; x < 8; ++x) {
                const char target = rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
                if ((x == 4 && y == 3) || (target != ' ' && target != '@'))
                    continue;
                const auto path = w4::PushPath(b.View(), 3, 3, 4, 3, x, y);
                const auto expected = cheapest.find(y * b.Width + x);
                ASSERT_EQ(path.has_value(), expected != cheapest.end()) << "round " << round << " to " << x << "," << y;
                if (!path) {
                    ++refused;
                    continue;
                }
                ++found;
                EXPECT_EQ(Pushes(*path), expected->second.first);
                EXPECT_EQ(static_cast<int>(path->size()), expected->second.second);
                EXPECT_EQ(w4::PlayLetters(b.Rows(), *path)[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)], '$');
            }
    }
    EXPECT_GT(found, 100);
    EXPECT_GT(refused, 100);
}

TEST(FirstPush, MarksTheBoxAndItsNextCell)
{
    const std::vector<std::string> rows{"######", "#@ $.#", "######"};
    const auto mark = w4::FirstPush(rows, "rR");
    ASSERT_TRUE(mark);
    EXPECT_EQ(mark->BoxX, 3);
    EXPECT_EQ(mark->ToX, 4);
    EXPECT_EQ(mark->Letters, "rR");
    EXPECT_FALSE(w4::FirstPush(rows, "r"));
}

} // namespace
