// A tiny breadth-first solver for the small default levels the GUI tests play.
#include "window_fixture.h"

#include "core/fileio.h"
#include "core/usokoban.h"

#include <map>
#include <queue>

namespace w4test {

std::string SolveLevel(const std::string& path)
{
    std::vector<std::string> rows;
    for (const std::string& line : w4::ReadTextLines(path))
        if (!line.empty() && w4::IsBoardRow(line))
            rows.push_back(line);
    std::size_t width = 0;
    for (const std::string& row : rows)
        width = std::max(width, row.size());
    for (std::string& row : rows)
        row.resize(width, ' ');

    // A state is the board itself with walls and targets fixed: only boxes and keeper move.
    std::map<std::string, std::string> seen;   // state -> letters that reach it
    std::queue<std::vector<std::string>> open;
    const auto key = [](const std::vector<std::string>& board) {
        std::string k;
        for (const std::string& row : board)
            k += row + '\n';
        return k;
    };
    const auto solved = [](const std::vector<std::string>& board) {
        for (const std::string& row : board)
            if (row.find_first_of("$.+") != std::string::npos)
                return false;
        return true;
    };
    seen[key(rows)] = "";
    open.push(rows);
    const int dx[] = {-1, 0, 1, 0}, dy[] = {0, -1, 0, 1};
    const char letters[] = {'l', 'u', 'r', 'd'};
    while (!open.empty()) {
        const std::vector<std::string> board = open.front();
        open.pop();
        const std::string sofar = seen[key(board)];
        if (solved(board))
            return sofar;
        int kx = -1, ky = -1;
        for (std::size_t y = 0; y < board.size(); ++y)
            for (std::size_t x = 0; x < width; ++x)
                if (board[y][x] == '@' || board[y][x] == '+')
                    kx = static_cast<int>(x), ky = static_cast<int>(y);
        const auto at = [&](const std::vector<std::string>& b, int x, int y) {
            if (y < 0 || y >= static_cast<int>(b.size()) || x < 0 || x >= static_cast<int>(width))
                return '#';
            return b[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
        };
        for (int d = 0; d < 4; ++d) {
            std::vector<std::string> next = board;
            const char keeper = at(board, kx, ky);
            const char one = at(board, kx + dx[d], ky + dy[d]);
            const char two = at(board, kx + 2 * dx[d], ky + 2 * dy[d]);
            const w4::MoveDecision decision = w4::ClassifyMove(keeper, one, two);
            if (decision.Outcome != w4::MoveOutcome::Step && decision.Outcome != w4::MoveOutcome::Push)
                continue;
            const auto put = [&](int x, int y, char c) {
                if (y >= 0 && y < static_cast<int>(next.size()) && x >= 0 && x < static_cast<int>(width))
                    next[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)] = c;
            };
            put(kx, ky, decision.NewKeeper);
            put(kx + dx[d], ky + dy[d], decision.NewNext);
            if (decision.Outcome == w4::MoveOutcome::Push)
                put(kx + 2 * dx[d], ky + 2 * dy[d], decision.NewBeyond);
            const std::string k = key(next);
            if (seen.count(k))
                continue;
            seen[k] = sofar + (decision.Outcome == w4::MoveOutcome::Push
                                   ? static_cast<char>(letters[d] - 'a' + 'A') : letters[d]);
            open.push(next);
        }
    }
    return {};
}

} // namespace w4test
