#include "core/reverse.h"

#include "core/bestscore.h"
#include "core/collection.h"
#include "core/completion.h"
#include "core/loading.h"
#include "core/pathing.h"
#include "core/text.h"
#include "core/ulevel.h"

#include <algorithm>
#include <array>
#include <deque>
#include <span>

namespace w4 {

namespace {

bool IsBox(char c) { return c == '$' || c == '*'; }
bool IsKeeper(char c) { return c == '@' || c == '+'; }
bool IsFree(char c) { return c == ' ' || c == '.'; }

char UpperLetter(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

char At(const BoardGrid& b, int x, int y) { return b[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)]; }

bool FindKeeper(const BoardGrid& b, int width, int height, int& kx, int& ky)
{
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (IsKeeper(At(b, x, y))) {
                kx = x;
                ky = y;
                return true;
            }
    return false;
}

bool SameBoxCells(const BoardGrid& a, const BoardGrid& b, int width, int height)
{
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            if (IsBox(At(a, x, y)) != IsBox(At(b, x, y)))
                return false;
    return true;
}

std::vector<std::string> Rows(const BoardGrid& b, int width, int height)
{
    std::vector<std::string> rows;
    for (int y = 0; y < height; ++y) {
        std::string row(static_cast<std::size_t>(width), ' ');
        for (int x = 0; x < width; ++x)
            row[static_cast<std::size_t>(x)] = At(b, x, y);
        rows.push_back(std::move(row));
    }
    return rows;
}

// The level's start position: record 0 of the forward attempt, wherever it is kept now.
const BoardGrid& ForwardStart(const GameState& g)
{
    return g.Reverse ? g.OtherAttempt.History[0].Board : g.SnapshotHistory[0].Board;
}

AttemptStash TakeAttempt(GameState& g)
{
    AttemptStash a;
    a.Present = true;
    a.History.swap(g.SnapshotHistory);
    a.HistoryIndex = g.HistoryIndex;
    a.HistoryLength = g.HistoryLength;
    a.LevelInPlay = g.LevelInPlay;
    a.ClockStarted = g.ClockStarted;
    a.LevelSolved = g.LevelSolved;
    a.StartTime = g.StartTime;
    a.FinishTime = g.FinishTime;
    return a;
}

void PutAttempt(GameState& g, AttemptStash& a)
{
    g.SnapshotHistory.swap(a.History);
    g.HistoryIndex = a.HistoryIndex;
    g.HistoryLength = a.HistoryLength;
    g.LevelInPlay = a.LevelInPlay;
    g.ClockStarted = a.ClockStarted;
    g.LevelSolved = a.LevelSolved;
    g.StartTime = a.StartTime;
    g.FinishTime = a.FinishTime;
}

void StartFreshReverse(GameState& g, const BoardGrid& forwardStart)
{
    SnapshotList fresh(1);
    fresh[0].Board = ReverseStartBoard(forwardStart, g.LevelWidth, g.LevelHeight);
    fresh[0].Pushes = 0;
    fresh[0].MoveLetter = ' ';
    g.SnapshotHistory.swap(fresh);
    g.HistoryIndex = 0;
    g.HistoryLength = 1;
    g.LevelInPlay = true;
    g.ClockStarted = false;
    g.LevelSolved = false;
}

void ShowAttempt(GameState& g, Frontend& ui)
{
    // No keeper yet on a fresh reverse start: the old cell must not stay the keeper's.
    g.KeeperX = -1;
    g.KeeperY = -1;
    ui.SetHistoryBarRange(g.HistoryLength, g.HistoryIndex + 1);
    ui.EnableHistoryBar(g.LevelInPlay);
    RedrawBoard(g, ui);
}

// A solution found from both ends ends the attempt as a forward solve does: the win sound, the
// clock stopped, the congratulation, the offer to keep it, the next level.
void FinishWithSolution(GameState& g, Frontend& ui, const std::string& headline, const std::string& letters)
{
    const std::int64_t elapsed = ElapsedSeconds(g);
    ui.PlaySample(Sample::Win);
    g.LevelInPlay = false;
    ui.EnableHistoryBar(false);
    g.LevelSolved = true;
    g.FinishTime = g.Now();
    const auto pushes = std::count_if(letters.begin(), letters.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
    ui.ShowNotice(headline + "\r\n\r\n" + Warehaus4::Tr("MOVE = ") + std::to_string(letters.size()) + "\r\n" +
                  Warehaus4::Tr("PUSH = ") + std::to_string(pushes) + "\r\n" +
                  Warehaus4::Tr("TIME = ") + FormatElapsed(elapsed));
    // The level as its file holds it: the reverse attempt's first position is no start.
    OfferToKeepSolution(LevelAsSaved(g), ui, letters);
    NextLevel(g, ui);
}

std::string MeetingHeadline(const GameState& /*g*/)
{
    return Warehaus4::Tr("THE TWO ATTEMPTS MEET !!!\r\nThe forward moves and the reverse pulls together solve the level.");
}

// After the reverse attempt changed its boxes (or placed its keeper): solved in reverse, else
// met by the forward attempt where it stands.
void CheckReverseProgress(GameState& g, Frontend& ui)
{
    if (!g.Reverse || !g.OtherAttempt.Present || !g.LevelInPlay || g.LevelSolved)
        return;
    const AttemptStash& forward = g.OtherAttempt;
    if (auto solved = JoinedSolution(forward.History, 0, g.SnapshotHistory, g.HistoryIndex, g.LevelWidth, g.LevelHeight)) {
        FinishWithSolution(g, ui, Warehaus4::Tr("SOLVED IN REVERSE !!!"), *solved);
        return;
    }
    if (forward.HistoryIndex <= 0 || forward.LevelSolved)
        return;
    if (auto met = JoinedSolution(forward.History, forward.HistoryIndex, g.SnapshotHistory, g.HistoryIndex,
                                  g.LevelWidth, g.LevelHeight))
        FinishWithSolution(g, ui, MeetingHeadline(g), *met);
}

} // namespace

// --- Rules -------------------------------------------------------------------------------------

MoveDecision ClassifyPull(char behind, char keeper, char next)
{
    if (!IsKeeper(keeper))
        return {MoveOutcome::NoMove, keeper, next, behind};
    // A pull is a step first: the keeper needs a free cell to step onto, the box follows it.
    if (!IsFree(next))
        return {MoveOutcome::Refused, keeper, next, behind};
    const bool keeperOnTarget = keeper == '+';
    const char enteredNext = next == '.' ? '+' : '@';
    if (IsBox(behind))
        return {MoveOutcome::Push, keeperOnTarget ? '*' : '$', enteredNext, behind == '*' ? '.' : ' '};
    return {MoveOutcome::Step, keeperOnTarget ? '.' : ' ', enteredNext, behind};
}

bool CanPlayReverse(const BoardGrid& start, int width, int height)
{
    int keepers = 0, boxes = 0, targets = 0;
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y) {
            const char c = At(start, x, y);
            keepers += IsKeeper(c) ? 1 : 0;
            boxes += IsBox(c) ? 1 : 0;
            targets += c == '.' || c == '+' || c == '*' ? 1 : 0;
        }
    return keepers == 1 && boxes > 0 && boxes == targets;
}

BoardGrid ReverseStartBoard(const BoardGrid& start, int width, int height)
{
    BoardGrid b = start;
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y) {
            char& c = b[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
            switch (c) {
            case '$': case '@': c = ' '; break;
            case '.': case '+': case '*': c = '*'; break;
            default: break;
            }
        }
    return b;
}

std::string ForwardLetters(const std::string& reverseLetters)
{
    std::string forward;
    forward.reserve(reverseLetters.size());
    for (auto it = reverseLetters.rbegin(); it != reverseLetters.rend(); ++it) {
        switch (*it) {
        case 'l': forward += 'r'; break;
        case 'r': forward += 'l'; break;
        case 'u': forward += 'd'; break;
        case 'd': forward += 'u'; break;
        case 'L': forward += 'R'; break;
        case 'R': forward += 'L'; break;
        case 'U': forward += 'D'; break;
        case 'D': forward += 'U'; break;
        default: break;
        }
    }
    return forward;
}

std::vector<std::pair<int, int>> ReverseDeadlockedBoxes(const BoardGrid& start, const BoardGrid& shown, int width,
                                                        int height)
{
    // A lone box pulled from c back to a start cell s is the same path as a box pushed from s to
    // c. So the cells a box can still go home from are those a box pushed alone from any start
    // cell can reach (the keeper needs only a cell that is not wall behind it). A box anywhere
    // else can never go home, and no forward attempt ever puts a box there either.
    const auto open = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= width || y >= height)
            return false;
        const char c = At(start, x, y);
        return c != '#' && c != 'X';
    };
    std::vector<char> live(static_cast<std::size_t>(width * height), 0);
    std::deque<std::pair<int, int>> queue;
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            if (IsBox(At(start, x, y))) {
                live[static_cast<std::size_t>(y * width + x)] = 1;
                queue.emplace_back(x, y);
            }
    constexpr std::array<std::pair<int, int>, 4> steps{{{-1, 0}, {1, 0}, {0, -1}, {0, 1}}};
    while (!queue.empty()) {
        const auto [x, y] = queue.front();
        queue.pop_front();
        for (const auto& [dx, dy] : steps) {
            const int tx = x + dx, ty = y + dy;
            if (!open(x - dx, y - dy) || !open(tx, ty))
                continue;
            char& seen = live[static_cast<std::size_t>(ty * width + tx)];
            if (!seen) {
                seen = 1;
                queue.emplace_back(tx, ty);
            }
        }
    }
    std::vector<std::pair<int, int>> dead;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (IsBox(At(shown, x, y)) && !live[static_cast<std::size_t>(y * width + x)])
                dead.emplace_back(x, y);
    return dead;
}

std::optional<std::string> JoinedSolution(const SnapshotList& forward, int forwardIndex, const SnapshotList& reverse,
                                          int reverseIndex, int width, int height)
{
    if (forwardIndex < 0 || reverseIndex < 0 || static_cast<std::size_t>(forwardIndex) >= forward.size() ||
        static_cast<std::size_t>(reverseIndex) >= reverse.size())
        return std::nullopt;
    // Copies: the lists rebuild boards into a small cache, so references would not last.
    const BoardGrid met = forward[static_cast<std::size_t>(forwardIndex)].Board;
    const BoardGrid pulled = reverse[static_cast<std::size_t>(reverseIndex)].Board;
    if (!SameBoxCells(met, pulled, width, height))
        return std::nullopt;
    int fx = 0, fy = 0, rx = 0, ry = 0;
    if (!FindKeeper(met, width, height, fx, fy) || !FindKeeper(pulled, width, height, rx, ry))
        return std::nullopt;
    const std::optional<std::string> walk = WalkPath(PathBoard{&met, width, height}, fx, fy, rx, ry);
    if (!walk)
        return std::nullopt;
    const std::string letters = forward.MoveLetters(static_cast<std::size_t>(forwardIndex)) + *walk +
                                ForwardLetters(reverse.MoveLetters(static_cast<std::size_t>(reverseIndex)));
    // The game's own rules have the last word: only what replays to a solved position is offered.
    const BoardGrid start = forward[0].Board;
    const ReplayResult replay = ReplayMoves(Rows(start, width, height), letters);
    if (!replay.Solved)
        return std::nullopt;
    return replay.Letters;
}

// --- Play --------------------------------------------------------------------------------------

bool ToggleReverse(GameState& g, Frontend& ui)
{
    if (g.GameMode != ModePlay || g.HistoryLength <= 0 || g.SnapshotHistory.empty())
        return false;
    if (!g.Reverse && !g.OtherAttempt.Present) {
        const BoardGrid start = g.SnapshotHistory[0].Board;
        if (!CanPlayReverse(start, g.LevelWidth, g.LevelHeight)) {
            ui.ShowNotice(Warehaus4::Tr("This level cannot be played in reverse: it needs one keeper and as many boxes as targets."));
            return false;
        }
    }
    if (g.Reverse && !g.OtherAttempt.Present)
        return false;   // never left without its forward attempt; nothing to go back to
    AttemptStash shown = TakeAttempt(g);
    if (g.OtherAttempt.Present) {
        AttemptStash other = std::move(g.OtherAttempt);
        PutAttempt(g, other);
    } else {
        StartFreshReverse(g, shown.History[0].Board);
    }
    g.OtherAttempt = std::move(shown);
    g.Reverse = !g.Reverse;
    ShowAttempt(g, ui);
    return true;
}

void RestartReverse(GameState& g, Frontend& ui)
{
    if (!g.Reverse || !g.OtherAttempt.Present)
        return;
    // As a load: a command that could still stay asked first.
    if (!g.AttemptSettled)
        ui.AttemptEnding(false);
    g.AttemptSettled = false;
    const BoardGrid start = g.OtherAttempt.History[0].Board;
    StartFreshReverse(g, start);
    ShowAttempt(g, ui);
}

bool ReverseNeedsKeeper(const GameState& g)
{
    if (!g.Reverse || g.HistoryLength != 1 || g.SnapshotHistory.empty())
        return false;
    int x = 0, y = 0;
    return !FindKeeper(g.SnapshotHistory[0].Board, g.LevelWidth, g.LevelHeight, x, y);
}

bool PlaceReverseKeeper(GameState& g, Frontend& ui, int x, int y)
{
    if (!ReverseNeedsKeeper(g) || !g.LevelInPlay)
        return false;
    const char cell = CellAt(g, x, y);
    if (!IsFree(cell)) {
        ui.PlaySample(Sample::Kick);
        return false;
    }
    g.HistoryIndex = 0;
    g.SnapshotHistory[0].Board[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] = cell == '.' ? '+' : '@';
    g.KeeperX = x;
    g.KeeperY = y;
    ui.DrawCell(x, y);
    CountBoxesAndTargets(g);
    ui.RefreshStatus();
    CheckReverseProgress(g, ui);
    return true;
}

void PullKeeper(GameState& g, Frontend& ui, int kx, int ky, int nx, int ny, char letter, bool mayPull)
{
    const int bx = 2 * kx - nx, by = 2 * ky - ny;
    const char behind = CellAt(g, bx, by);
    const char keeper = CellAt(g, kx, ky);
    const char next = CellAt(g, nx, ny);
    // A walk that must not pull sees no box behind the keeper.
    const MoveDecision move = ClassifyPull(mayPull ? behind : '#', keeper, next);
    const bool moved = move.Outcome == MoveOutcome::Step || move.Outcome == MoveOutcome::Push;
    const bool pulled = move.Outcome == MoveOutcome::Push;

    if (moved) {
        ui.PlaySample(Sample::Move);
        g.Current().MoveLetter = pulled ? UpperLetter(letter) : letter;
        // As forward: a move from an undone position drops the undone ones.
        ++g.HistoryIndex;
        g.HistoryLength = g.HistoryIndex + 1;
        g.SnapshotHistory.resize(static_cast<std::size_t>(g.HistoryLength));
        ui.SetHistoryBarRange(g.HistoryLength, g.HistoryLength);
        const BoardSnapshot& previous = g.SnapshotHistory[static_cast<std::size_t>(g.HistoryIndex - 1)];
        const BoardGrid board = previous.Board;
        const std::int32_t pushes = previous.Pushes;
        BoardSnapshot& current = g.Current();
        current.Board = board;
        current.Pushes = pushes;
        current.MoveLetter = ' ';
        if (!g.ClockStarted) {
            g.ClockStarted = true;
            g.StartTime = g.Now();
        }
    }
    if (pulled) {
        ui.PlaySample(Sample::Push);
        ++g.Current().Pushes;
    }
    if (moved) {
        const struct {
            int X, Y;
            char Old, New;
        } writes[] = {{bx, by, behind, move.NewBeyond}, {kx, ky, keeper, move.NewKeeper}, {nx, ny, next, move.NewNext}};
        // The cell behind changes only with a pull.
        for (std::size_t i = pulled ? 0 : 1; i < std::size(writes); ++i) {
            const auto& cell = writes[i];
            if (cell.Old == 'Z' || cell.Old == cell.New)
                continue;
            g.Current().Board[static_cast<std::size_t>(cell.X)][static_cast<std::size_t>(cell.Y)] = cell.New;
            ui.DrawCell(cell.X, cell.Y);
        }
        g.KeeperX = nx;
        g.KeeperY = ny;
    }
    if (move.Outcome == MoveOutcome::Refused)
        ui.PlaySample(Sample::Kick);

    CountBoxesAndTargets(g);
    ui.RefreshStatus();
    if (pulled)
        CheckReverseProgress(g, ui);
}

void ReverseStep(GameState& g, Frontend& ui, char letter)
{
    int dx = 0, dy = 0;
    switch (letter) {
    case 'l': case 'L': dx = -1; break;
    case 'r': case 'R': dx = 1; break;
    case 'u': case 'U': dy = -1; break;
    case 'd': case 'D': dy = 1; break;
    default: return;
    }
    const bool pull = letter >= 'A' && letter <= 'Z';
    PullKeeper(g, ui, g.KeeperX, g.KeeperY, g.KeeperX + dx, g.KeeperY + dy,
               static_cast<char>(pull ? letter - 'A' + 'a' : letter), pull);
}

bool WalkReverseKeeper(GameState& g, Frontend& ui, int x, int y)
{
    if (!g.Reverse || !g.LevelInPlay || ReverseNeedsKeeper(g))
        return false;
    const std::optional<std::string> path = WalkPath(ShownBoard(g), g.KeeperX, g.KeeperY, x, y);
    if (!path)
        return false;
    for (const char step : *path) {
        if (!g.LevelInPlay)
            break;
        ReverseStep(g, ui, step);
    }
    return true;
}

namespace {

// Plays reverse letters on a board without drawing: capitals pull, small letters walk. Calls
// `played(letter, pulled, changes)` after each move; returns how many were played.
template <class Played>
std::size_t PlayReverseLetters(BoardGrid& b, int width, int height, int kx, int ky, const std::string& letters,
                               std::size_t count, Played played)
{
    std::size_t done = 0;
    for (; done < count && done < letters.size(); ++done) {
        const char letter = letters[done];
        int dx = 0, dy = 0;
        switch (letter) {
        case 'l': case 'L': dx = -1; break;
        case 'r': case 'R': dx = 1; break;
        case 'u': case 'U': dy = -1; break;
        case 'd': case 'D': dy = 1; break;
        default: return done;
        }
        const auto cell = [&](int x, int y) {
            return x < 0 || y < 0 || x >= width || y >= height ? 'Z' : At(b, x, y);
        };
        const int xs[3] = {kx - dx, kx, kx + dx};
        const int ys[3] = {ky - dy, ky, ky + dy};
        const bool pull = letter >= 'A' && letter <= 'Z';
        const char old[3] = {cell(xs[0], ys[0]), cell(xs[1], ys[1]), cell(xs[2], ys[2])};
        const MoveDecision move = ClassifyPull(pull ? old[0] : '#', old[1], old[2]);
        if (move.Outcome != MoveOutcome::Step && move.Outcome != MoveOutcome::Push)
            return done;
        const bool pulled = move.Outcome == MoveOutcome::Push;
        const char written[3] = {pulled ? move.NewBeyond : old[0], move.NewKeeper, move.NewNext};
        CellChange changes[3];
        std::size_t changed = 0;
        for (int n = 0; n < 3; ++n) {
            if (old[n] == 'Z' || written[n] == old[n])
                continue;
            b[static_cast<std::size_t>(xs[n])][static_cast<std::size_t>(ys[n])] = written[n];
            changes[changed++] = {static_cast<std::uint8_t>(xs[n]), static_cast<std::uint8_t>(ys[n]), old[n], written[n]};
        }
        played(pulled ? UpperLetter(letter) : static_cast<char>(letter | 0x20), pulled, std::span(changes, changed));
        kx += dx;
        ky += dy;
    }
    return done;
}

BoardGrid GridOfRows(const std::vector<std::string>& rows, int& width, int& height)
{
    BoardGrid b;
    for (auto& column : b)
        column.fill(' ');
    height = static_cast<int>(std::min<std::size_t>(rows.size(), MaxLevelSize));
    width = 0;
    for (int y = 0; y < height; ++y) {
        const std::string& row = rows[static_cast<std::size_t>(y)];
        const int w = static_cast<int>(std::min<std::size_t>(row.size(), MaxLevelSize));
        width = std::max(width, w);
        for (int x = 0; x < w; ++x)
            b[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] = row[static_cast<std::size_t>(x)];
    }
    return b;
}

} // namespace

bool ReverseKeeperCell(const SnapshotList& history, int width, int height, int& x, int& y)
{
    if (history.empty())
        return false;
    const BoardGrid first = history[0].Board;
    return FindKeeper(first, width, height, x, y);
}

bool RestoreReverseAttempt(GameState& g, Frontend& ui, int keeperX, int keeperY, const std::string& letters,
                           int position)
{
    if (g.GameMode != ModePlay || g.HistoryLength != 1 || g.SnapshotHistory.empty() ||
        !CanPlayReverse(g.SnapshotHistory[0].Board, g.LevelWidth, g.LevelHeight))
        return false;
    AttemptStash forward = TakeAttempt(g);
    StartFreshReverse(g, forward.History[0].Board);
    g.OtherAttempt = std::move(forward);
    g.Reverse = true;

    bool reached = position == 0 && letters.empty();
    BoardGrid board = g.SnapshotHistory[0].Board;
    if (keeperX >= 0 && keeperY >= 0 && keeperX < g.LevelWidth && keeperY < g.LevelHeight &&
        IsFree(At(board, keeperX, keeperY))) {
        char& cell = board[static_cast<std::size_t>(keeperX)][static_cast<std::size_t>(keeperY)];
        cell = cell == '.' ? '+' : '@';
        g.SnapshotHistory[0].Board = board;
        SnapshotList& history = g.SnapshotHistory;
        history.reserve(letters.size() + 1);
        const std::size_t played = PlayReverseLetters(
            board, g.LevelWidth, g.LevelHeight, keeperX, keeperY, letters, letters.size(),
            [&](char letter, bool pulled, std::span<const CellChange> changes) { history.AppendMove(letter, pulled, changes, board); });
        reached = position >= 0 && static_cast<std::size_t>(position) <= played;
    }
    if (!reached) {
        // Back to the level as loaded: forward play, nothing waiting.
        AttemptStash loaded = std::move(g.OtherAttempt);
        g.OtherAttempt = AttemptStash{};
        PutAttempt(g, loaded);
        g.Reverse = false;
        RedrawBoard(g, ui);
        return false;
    }
    g.HistoryLength = static_cast<std::int32_t>(g.SnapshotHistory.size());
    g.HistoryIndex = position;
    ShowAttempt(g, ui);
    return true;
}

std::vector<std::string> ReversePositionRows(const std::vector<std::string>& start, int keeperX, int keeperY,
                                             const std::string& letters, int position)
{
    int width = 0, height = 0;
    BoardGrid b = GridOfRows(start, width, height);
    b = ReverseStartBoard(b, width, height);
    if (keeperX >= 0 && keeperY >= 0 && keeperX < width && keeperY < height && IsFree(At(b, keeperX, keeperY))) {
        char& cell = b[static_cast<std::size_t>(keeperX)][static_cast<std::size_t>(keeperY)];
        cell = cell == '.' ? '+' : '@';
        PlayReverseLetters(b, width, height, keeperX, keeperY, letters, static_cast<std::size_t>(std::max(position, 0)),
                           [](char, bool, std::span<const CellChange>) {});
    }
    std::vector<std::string> rows = Rows(b, width, height);
    // Rows as long as they came in, so a picture keeps the level's own shape.
    for (std::size_t y = 0; y < rows.size() && y < start.size(); ++y)
        rows[y].resize(std::min(rows[y].size(), start[y].size()));
    return rows;
}

std::vector<std::string> ForwardStartRows(const GameState& g)
{
    if (g.SnapshotHistory.empty() || (g.Reverse && g.OtherAttempt.History.empty()))
        return {};
    return Rows(ForwardStart(g), std::clamp(g.LevelWidth, 0, MaxLevelSize), std::clamp(g.LevelHeight, 0, MaxLevelSize));
}

bool CheckMeeting(GameState& g, Frontend& ui)
{
    if (g.Reverse || !g.OtherAttempt.Present || !g.LevelInPlay || g.LevelSolved || g.OtherAttempt.LevelSolved)
        return false;
    const AttemptStash& reverse = g.OtherAttempt;
    auto met = JoinedSolution(g.SnapshotHistory, g.HistoryIndex, reverse.History, reverse.HistoryIndex, g.LevelWidth,
                              g.LevelHeight);
    if (!met)
        return false;
    FinishWithSolution(g, ui, MeetingHeadline(g), *met);
    return true;
}

} // namespace w4
