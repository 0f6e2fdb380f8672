#include "core/movereplay.h"

#include <algorithm>

namespace w4 {

namespace {

bool Unfinished(char c) { return c == '$' || c == '+' || c == '.'; }

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

} // namespace

MoveReplay::MoveReplay(std::vector<std::string> rows) : rows_(std::move(rows))
{
    for (std::size_t y = 0; y < rows_.size(); ++y)
        for (std::size_t x = 0; x < rows_[y].size(); ++x) {
            const char c = rows_[y][x];
            if (c == '@' || c == '+') {
                keeperX_ = static_cast<int>(x);
                keeperY_ = static_cast<int>(y);
            }
            open_ += Unfinished(c) ? 1 : 0;
        }
}

char MoveReplay::At(int x, int y) const
{
    if (y < 0 || x < 0 || static_cast<std::size_t>(y) >= rows_.size() ||
        static_cast<std::size_t>(x) >= rows_[static_cast<std::size_t>(y)].size())
        return 'Z';
    return rows_[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
}

MoveOutcome MoveReplay::Play(char letter)
{
    int dx = 0, dy = 0;
    switch (Lower(letter)) {
    case 'l': dx = -1; break;
    case 'r': dx = 1; break;
    case 'u': dy = -1; break;
    case 'd': dy = 1; break;
    default: return MoveOutcome::NoMove;
    }
    const int kx = keeperX_, ky = keeperY_;
    const MoveDecision move = ClassifyMove(At(kx, ky), At(kx + dx, ky + dy), At(kx + 2 * dx, ky + 2 * dy));
    if (move.Outcome != MoveOutcome::Step && move.Outcome != MoveOutcome::Push)
        return move.Outcome;
    const int xs[3] = {kx, kx + dx, kx + 2 * dx};
    const int ys[3] = {ky, ky + dy, ky + 2 * dy};
    const char news[3] = {move.NewKeeper, move.NewNext, move.NewBeyond};
    for (int n = 0; n < 3; ++n) {
        if (At(xs[n], ys[n]) == 'Z')
            continue;
        char& c = rows_[static_cast<std::size_t>(ys[n])][static_cast<std::size_t>(xs[n])];
        open_ = open_ - (Unfinished(c) ? 1 : 0) + (Unfinished(news[n]) ? 1 : 0);
        c = news[n];
    }
    keeperX_ = kx + dx;
    keeperY_ = ky + dy;
    return move.Outcome;
}

char MoveReplay::Recorded(char letter, MoveOutcome outcome)
{
    const char lower = Lower(letter);
    return outcome == MoveOutcome::Push ? static_cast<char>(lower - 'a' + 'A') : lower;
}

std::vector<std::string> PadRows(const std::vector<std::string>& rows)
{
    std::size_t width = 0;
    for (const std::string& row : rows)
        width = std::max(width, row.size());
    std::vector<std::string> padded;
    padded.reserve(rows.size());
    for (const std::string& row : rows)
        padded.push_back(row + std::string(width - row.size(), ' '));
    return padded;
}

ReplayResult ReplayMoves(const std::vector<std::string>& rows, const std::string& letters)
{
    ReplayResult result;
    MoveReplay board(PadRows(rows));
    result.Letters.reserve(letters.size());
    for (std::size_t i = 0; i < letters.size(); ++i) {
        const MoveOutcome outcome = board.Play(letters[i]);
        if (outcome != MoveOutcome::Step && outcome != MoveOutcome::Push) {
            result.FailedMove = static_cast<int>(i) + 1;
            return result;
        }
        result.Letters += MoveReplay::Recorded(letters[i], outcome);
        if (board.Solved()) {
            result.Solved = true;
            return result;
        }
    }
    return result;
}

} // namespace w4
