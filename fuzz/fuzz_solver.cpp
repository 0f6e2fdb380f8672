// Arbitrary bytes as a level file, read as the game reads it, then given to the solver with a tiny
// time limit and memory budget, and to the deadlock check. Besides crashes it catches a solution
// the game's moves do not accept and a deadlock claimed on a board the solver has just solved.
#include "core/completion.h"
#include "core/fileio.h"
#include "core/frontend.h"
#include "core/loading.h"
#include "core/ualgo.h"
#include "core/usokoban.h"
#include "solver/solver.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

void Check(bool condition)
{
    if (!condition)
        std::abort();
}

void LoadInto(w4::GameState& g, const std::vector<std::string>& lines)
{
    g.GameMode = w4::ModeSolution;   // a solved position must not go looking for files
    g.SnapshotHistory.assign(1, w4::BoardSnapshot{});
    for (auto& column : g.SnapshotHistory[0].Board)
        column.fill(' ');
    g.HistoryIndex = 0;
    g.HistoryLength = 1;
    w4::ApplyLevelLines(g, lines);
    w4::FillReachableArea(g);
    w4::LocateKeeper(g);
}

// The board as the game plays it, the fill's outside mark written as floor.
std::vector<std::string> PlayedRows(const w4::GameState& g)
{
    std::vector<std::string> rows;
    for (int y = 0; y < g.LevelHeight; ++y) {
        std::string row;
        for (int x = 0; x < g.LevelWidth; ++x) {
            const char c = g.SnapshotHistory[0].Board[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
            row += c == 'X' ? ' ' : c;
        }
        rows.push_back(row);
    }
    return rows;
}

// The board rows exactly as the file holds them, before the fill: the other form a caller may pass.
std::vector<std::string> FileRows(const std::vector<std::string>& lines)
{
    std::vector<std::string> rows;
    for (const std::string& line : lines)
        if (w4::IsBoardRow(line) && rows.size() < static_cast<std::size_t>(w4::MaxLevelSize))
            rows.push_back(line.substr(0, static_cast<std::size_t>(w4::MaxLevelSize)));
    return rows;
}

// Random bytes seldom make a level the solver gets to search (one keeper, as many boxes as
// targets), so half the inputs are read as a small walled room instead: one byte per cell, then
// balanced. The text still goes through the game's reading like any file.
std::string RoomText(const std::string& bytes)
{
    if (bytes.size() < 2)
        return bytes;
    const std::size_t width = 3 + static_cast<unsigned char>(bytes[0]) % 10;
    const std::size_t height = 3 + static_cast<unsigned char>(bytes[1]) % 10;
    std::vector<std::string> rows(height, std::string(width, '#'));
    std::size_t next = 2;
    for (std::size_t y = 1; y + 1 < height; ++y)
        for (std::size_t x = 1; x + 1 < width; ++x)
            if (next < bytes.size())
                rows[y][x] = "   #$.*@"[static_cast<unsigned char>(bytes[next++]) % 8];
    int boxes = 0, targets = 0;
    bool keeper = false;
    for (std::string& row : rows)
        for (char& c : row) {
            if (c == '@' && keeper)
                c = ' ';
            keeper = keeper || c == '@';
            boxes += c == '$';
            targets += c == '.';
        }
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        for (auto c = row->rbegin(); c != row->rend(); ++c) {
            if (*c == '$' && boxes > targets) {
                *c = ' ';
                --boxes;
            } else if (*c == '.' && targets > boxes) {
                *c = keeper ? ' ' : '@';
                keeper = true;
                --targets;
            }
        }
    std::string text;
    for (const std::string& row : rows)
        text += row + "\n";
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the mode, the form of the rows and how the rest is read.
    const std::uint8_t control = data[0];
    const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
    const std::vector<std::string> lines = w4::SplitTextLines(control & 8 ? RoomText(bytes) : bytes);

    w4::GameState g;
    LoadInto(g, lines);
    const bool played = (control & 4) == 0;
    const std::vector<std::string> rows = played ? PlayedRows(g) : FileRows(lines);

    w4::solver::Options options;
    options.timeLimitSeconds = 0.05;
    options.memoryBudgetBytes = std::size_t(16) << 20;
    options.optimal = static_cast<w4::solver::Optimality>(control % 3);
    options.threads = control & 16 ? 2 : 1;
    const w4::solver::Result result = w4::solver::Solve(rows, options);
    Check(result.seconds >= 0);
    Check(result.outcome == w4::solver::Outcome::Invalid || result.invalid == w4::solver::InvalidReason::None);

    const std::vector<std::pair<int, int>> dead = w4::solver::DeadlockedBoxes(rows);
    for (const auto& [x, y] : dead) {
        Check(y >= 0 && y < static_cast<int>(rows.size()));
        Check(x >= 0 && x < static_cast<int>(rows[static_cast<std::size_t>(y)].size()));
        const char c = rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
        Check(c == '$' || c == '*');
    }

    // File rows may hold characters the game's fill turns into floor; the cross-checks below take
    // the board as the game plays it.
    if (played && result.outcome == w4::solver::Outcome::Solved) {
        // A board with a box that can never reach a target cannot have been solved.
        Check(dead.empty());
        // The solution, played by the game's moves on the board the game loads, solves it.
        w4::SilentFrontend ui;
        w4::GameState play;
        LoadInto(play, rows);
        for (const char letter : result.moves)
            Check(w4::MoveByLetter(play, ui, letter));
        Check(w4::SolutionLetters(play) == result.moves);
        Check(w4::IsSolved(play));
        int pushes = 0;
        for (const char letter : result.moves)
            pushes += letter >= 'A' && letter <= 'Z';
        Check(pushes == result.pushes);
    }
    return 0;
}
