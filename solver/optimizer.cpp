#include "solver/optimizer.h"

#include "solver/board.h"
#include "solver/deadlocks.h"
#include "solver/release.h"
#include "solver/search.h"
#include "solver/solution.h"

#include <algorithm>
#include <chrono>
#include <queue>
#include <unordered_map>

namespace w4::solver {

namespace {

// The box arrangements of the vicinity, each stored once: sorted cells in one flat array, found
// again through an open-addressing table of their indices.
class Arrangements {
public:
    explicit Arrangements(int boxes) : boxes_(static_cast<std::size_t>(boxes)), slots_(1024, Empty) {}

    std::uint32_t Size() const { return count_; }
    const Cell* At(std::uint32_t i) const { return cells_.data() + static_cast<std::size_t>(i) * boxes_; }
    std::size_t Bytes() const { return cells_.capacity() * sizeof(Cell) + slots_.size() * sizeof(std::uint32_t); }

    // The index of `boxes`, or -1.
    std::int64_t Find(const Cell* boxes) const
    {
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t s = Hash(boxes) & mask;; s = (s + 1) & mask) {
            if (slots_[s] == Empty)
                return -1;
            if (std::equal(boxes, boxes + boxes_, At(slots_[s])))
                return slots_[s];
        }
    }

    // Adds `boxes` unless stored; true when it was new.
    bool Add(const Cell* boxes)
    {
        if (Find(boxes) >= 0)
            return false;
        if ((count_ + 1) * 2 > slots_.size())
            Rehash(slots_.size() * 2);
        cells_.insert(cells_.end(), boxes, boxes + boxes_);
        Place(count_++);
        return true;
    }

private:
    static constexpr std::uint32_t Empty = 0xFFFFFFFFu;

    std::size_t Hash(const Cell* boxes) const
    {
        std::uint64_t h = 0x9E3779B97F4A7C15ull;
        for (std::size_t i = 0; i < boxes_; ++i)
            h = (h ^ boxes[i]) * 0xBF58476D1CE4E5B9ull;
        return static_cast<std::size_t>(h ^ (h >> 31));
    }
    void Place(std::uint32_t index)
    {
        const std::size_t mask = slots_.size() - 1;
        std::size_t s = Hash(At(index)) & mask;
        while (slots_[s] != Empty)
            s = (s + 1) & mask;
        slots_[s] = index;
    }
    void Rehash(std::size_t size)
    {
        slots_.assign(size, Empty);
        for (std::uint32_t i = 0; i < count_; ++i)
            Place(i);
    }

    std::size_t boxes_;
    std::vector<Cell> cells_;
    std::vector<std::uint32_t> slots_;   // a power of two, at most half full
    std::uint32_t count_ = 0;
};

// A cost that orders by the measure: the first figure in the high bits, the second below.
std::int64_t Cost(Measure measure, std::int64_t moves, std::int64_t pushes)
{
    return measure == Measure::MovesThenPushes ? (moves << 24) + pushes : (pushes << 32) + moves;
}

// What one labelled (arrangement, keeper cell) state holds in the cheapest-path search.
struct Label {
    std::int64_t cost;
    std::uint64_t previous;   // the state it was reached from; the start is its own
    Cell from;                // the push that reached it
    std::uint8_t dir;
};
// An estimate of one label's memory in the hash map, with its queue entry.
constexpr std::size_t LabelBytes = 80;

class Optimizer {
public:
    Optimizer(const Board& board, const OptimizeOptions& options, Clock::time_point started)
        : board_(board), options_(options), started_(started),
          deadline_(started + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(options.timeLimitSeconds))),
          dead_(DeadSquares(board)), freeze_(board, dead_), occupied_(static_cast<std::size_t>(board.CellCount()), 0),
          dist_(static_cast<std::size_t>(board.CellCount())), boxCount_(static_cast<int>(board.boxes.size())),
          set_(boxCount_)
    {
        goal_ = board.targets;
        std::sort(goal_.begin(), goal_.end());
        PushDistances();
    }

    // Improves `best` (the pushes of a solution, its letters and figures) in place.
    OptimizeOutcome Run(std::vector<Push>& best, std::string& letters, int& radius, std::uint64_t& positions)
    {
        letters_ = &letters;
        pushes_ = static_cast<std::int32_t>(best.size());
        int width = 1;
        Reset(best);
        for (;;) {
            // Closed: the last layer added nothing, so no wider vicinity holds anything more.
            bool closed = false;
            while (layerEnds_.size() <= static_cast<std::size_t>(width)) {
                const std::uint32_t before = set_.Size();
                if (!Grow())
                    break;
                closed = set_.Size() == before;
            }
            positions = set_.Size();
            const bool grown = layerEnds_.size() > static_cast<std::size_t>(width);
            if (why_ != OptimizeOutcome::Exhausted && why_ != OptimizeOutcome::OutOfMemory)
                return why_;
            // A vicinity cut short by the memory budget is still searched: any part of it holds
            // valid solutions.
            std::vector<Push> found;
            if (!Shortest(found))
                return why_;
            if (!found.empty()) {
                bool ok = false;
                std::string text = LettersForPushes(board_, found, ok);
                if (ok && ReplaysToSolved(board_.grid, text)
                    && IsShorter(options_.measure, text.size(), static_cast<std::int32_t>(found.size()), letters.size(), pushes_)) {
                    best = std::move(found);
                    letters = std::move(text);
                    pushes_ = static_cast<std::int32_t>(best.size());
                    // Rebuilt round the better solution at the same width.
                    Reset(best);
                    Report(true);
                    continue;
                }
            }
            if (why_ == OptimizeOutcome::OutOfMemory)
                return why_;
            radius = width;
            if (grown && closed)
                return OptimizeOutcome::Exhausted;
            ++width;
        }
    }

private:
    // Time and cancel end everything; a full memory budget only ends the widening.
    bool Stop()
    {
        if (why_ == OptimizeOutcome::OutOfTime || why_ == OptimizeOutcome::Cancelled)
            return true;
        if (options_.cancel != nullptr && options_.cancel->load(std::memory_order_relaxed)) {
            why_ = OptimizeOutcome::Cancelled;
            return true;
        }
        if ((++ticks_ & 63) != 0)
            return false;
        const Clock::time_point now = Clock::now();
        if (now >= deadline_) {
            why_ = OptimizeOutcome::OutOfTime;
            return true;
        }
        if (options_.progress && now - lastProgress_ >= std::chrono::milliseconds(100)) {
            lastProgress_ = now;
            Report(false);
        }
        return false;
    }

    void Report(bool always)
    {
        if (!options_.progress)
            return;
        if (always)
            lastProgress_ = Clock::now();
        options_.progress(OptimizeProgress{set_.Size(), std::chrono::duration<double>(Clock::now() - started_).count(),
                                           static_cast<int>(layerEnds_.size()) - 1, letters_->size(), pushes_});
    }

    // The vicinity of width 0: the arrangements along the solution.
    void Reset(const std::vector<Push>& pushes)
    {
        set_ = Arrangements(boxCount_);
        layerEnds_.clear();
        std::vector<Cell> boxes = board_.boxes;
        std::vector<Cell> next(boxes.size());
        set_.Add(boxes.data());
        for (const Push& push : pushes) {
            MoveBox(boxes.data(), boxCount_, push.from, board_.Next(push.from, push.dir), next.data());
            boxes.swap(next);
            set_.Add(boxes.data());
        }
        layerEnds_.push_back(set_.Size());
    }

    // One push further: every arrangement one push or one pull away from the last layer. False
    // when time, cancel or the memory budget stopped it (the layer may then be partly added).
    bool Grow()
    {
        const std::uint32_t begin = layerEnds_.size() > 1 ? layerEnds_[layerEnds_.size() - 2] : 0;
        const std::uint32_t end = layerEnds_.back();
        std::vector<Cell> boxes(static_cast<std::size_t>(boxCount_));
        std::vector<Cell> next(static_cast<std::size_t>(boxCount_));
        for (std::uint32_t i = begin; i < end; ++i) {
            if (Stop())
                return false;
            // Memory: the search that follows needs room for its labels too; half for each.
            if (set_.Bytes() > options_.memoryBudgetBytes / 2) {
                why_ = OptimizeOutcome::OutOfMemory;
                return false;
            }
            std::copy(set_.At(i), set_.At(i) + boxCount_, boxes.begin());
            for (Cell b : boxes)
                occupied_[b] = 1;
            for (Cell b : boxes)
                for (int d = 0; d < DirCount; ++d) {
                    const Cell to = board_.Next(b, d);
                    if (to == NoCell || occupied_[to] || dead_[to])
                        continue;
                    const Cell behind = board_.Next(b, Opposite(d));   // where a push starts
                    const Cell beyond = board_.Next(to, d);            // where a pull ends
                    const bool push = behind != NoCell && !occupied_[behind];
                    const bool pull = beyond != NoCell && !occupied_[beyond];
                    if (!push && !pull)
                        continue;
                    occupied_[b] = 0;
                    occupied_[to] = 1;
                    const bool frozen = freeze_.PushFreezes(occupied_.data(), to);
                    occupied_[to] = 0;
                    occupied_[b] = 1;
                    if (frozen)
                        continue;
                    MoveBox(boxes.data(), boxCount_, b, to, next.data());
                    set_.Add(next.data());
                }
            for (Cell b : boxes)
                occupied_[b] = 0;
        }
        layerEnds_.push_back(set_.Size());
        return true;
    }

    // For each cell, the fewest pushes that bring a lone box from it onto some target: a breadth-
    // first search of pulls from every target at once.
    void PushDistances()
    {
        pushDist_.assign(static_cast<std::size_t>(board_.CellCount()), -1);
        std::vector<Cell> queue;
        for (Cell t : board_.targets) {
            pushDist_[t] = 0;
            queue.push_back(t);
        }
        for (std::size_t q = 0; q < queue.size(); ++q)
            for (int d = 0; d < DirCount; ++d) {
                // The box came to queue[q] by a push in direction d from `before`, the keeper behind it.
                const Cell before = board_.Next(queue[q], Opposite(d));
                if (before == NoCell || pushDist_[before] >= 0 || board_.Next(before, Opposite(d)) == NoCell)
                    continue;
                pushDist_[before] = pushDist_[queue[q]] + 1;
                queue.push_back(before);
            }
    }

    // A bound on what is left from an arrangement: each box needs at least its own pushes, each
    // push a move. Each push changes it by at most one, so the search stays exact (A*).
    std::int64_t Bound(const Cell* boxes) const
    {
        std::int64_t pushes = 0;
        for (int i = 0; i < boxCount_; ++i)
            pushes += std::max(0, pushDist_[boxes[i]]);
        return Cost(options_.measure, pushes, pushes);
    }

    // The keeper's walking distances from `from` around the boxes now marked in occupied_.
    void Walks(Cell from)
    {
        std::fill(dist_.begin(), dist_.end(), -1);
        queue_.assign(1, from);
        dist_[from] = 0;
        for (std::size_t q = 0; q < queue_.size(); ++q)
            for (int d = 0; d < DirCount; ++d) {
                const Cell c = board_.Next(queue_[q], d);
                if (c != NoCell && !occupied_[c] && dist_[c] < 0) {
                    dist_[c] = dist_[queue_[q]] + 1;
                    queue_.push_back(c);
                }
            }
    }

    // The cheapest solution inside the vicinity (Dijkstra over arrangement and keeper cell), into
    // `found` when it beats the current one, else `found` stays empty. False when stopped.
    bool Shortest(std::vector<Push>& found)
    {
        const std::int64_t incumbent = Cost(options_.measure, static_cast<std::int64_t>(letters_->size()), pushes_);
        const std::uint64_t n = static_cast<std::uint64_t>(board_.CellCount());
        const std::int64_t goalIndex = set_.Find(goal_.data());
        const std::int64_t startIndex = set_.Find(board_.boxes.data());
        if (goalIndex < 0 || startIndex < 0)
            return true;
        std::unordered_map<std::uint64_t, Label> labels;
        using Entry = std::pair<std::int64_t, std::uint64_t>;
        std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;
        const std::uint64_t start = static_cast<std::uint64_t>(startIndex) * n + board_.keeper;
        labels[start] = {0, start, NoCell, 0};
        open.push({Bound(set_.At(static_cast<std::uint32_t>(startIndex))), start});
        std::vector<Cell> boxes(static_cast<std::size_t>(boxCount_));
        std::vector<Cell> next(static_cast<std::size_t>(boxCount_));
        const std::int64_t pushMoves = Cost(options_.measure, 1, 1);
        const std::int64_t walkMove = Cost(options_.measure, 1, 0);
        while (!open.empty()) {
            const auto [estimate, state] = open.top();
            open.pop();
            if (estimate >= incumbent)
                return true;   // nothing cheaper is left to find
            const auto index = static_cast<std::uint32_t>(state / n);
            const auto keeper = static_cast<Cell>(state % n);
            const std::int64_t cost = labels[state].cost;
            if (cost + Bound(set_.At(index)) != estimate)
                continue;   // reached more cheaply since this entry was queued
            if (Stop())
                return false;
            if (set_.Bytes() + labels.size() * LabelBytes > options_.memoryBudgetBytes) {
                why_ = OptimizeOutcome::OutOfMemory;
                return false;
            }
            if (index == goalIndex) {
                for (std::uint64_t s = state; s != start; s = labels[s].previous)
                    found.push_back({labels[s].from, labels[s].dir});
                std::reverse(found.begin(), found.end());
                return true;
            }
            std::copy(set_.At(index), set_.At(index) + boxCount_, boxes.begin());
            for (Cell b : boxes)
                occupied_[b] = 1;
            Walks(keeper);
            for (Cell b : boxes)
                for (int d = 0; d < DirCount; ++d) {
                    const Cell to = board_.Next(b, d);
                    const Cell behind = board_.Next(b, Opposite(d));
                    if (to == NoCell || behind == NoCell || occupied_[to] || dist_[behind] < 0 || dead_[to])
                        continue;
                    MoveBox(boxes.data(), boxCount_, b, to, next.data());
                    const std::int64_t j = set_.Find(next.data());
                    if (j < 0)
                        continue;
                    const std::int64_t reached = cost + dist_[behind] * walkMove + pushMoves;
                    const std::int64_t guess = reached + Bound(next.data());
                    if (guess >= incumbent)
                        continue;
                    const std::uint64_t t = static_cast<std::uint64_t>(j) * n + b;
                    const auto [it, added] = labels.try_emplace(t, Label{reached, state, b, static_cast<std::uint8_t>(d)});
                    if (!added) {
                        if (it->second.cost <= reached)
                            continue;
                        it->second = Label{reached, state, b, static_cast<std::uint8_t>(d)};
                    }
                    open.push({guess, t});
                }
            for (Cell b : boxes)
                occupied_[b] = 0;
        }
        return true;
    }

    const Board& board_;
    const OptimizeOptions& options_;
    Clock::time_point started_, deadline_, lastProgress_{};
    std::vector<std::uint8_t> dead_;
    std::vector<int> pushDist_;   // -1: no target can be reached (a dead square)
    FreezeCheck freeze_;
    std::vector<std::uint8_t> occupied_;
    std::vector<int> dist_;
    std::vector<Cell> queue_;
    std::vector<Cell> goal_;
    int boxCount_;
    Arrangements set_;
    std::vector<std::uint32_t> layerEnds_;   // the end of each layer in the set: layer k is k pushes out
    OptimizeOutcome why_ = OptimizeOutcome::Exhausted;   // set once something stops the search
    std::uint64_t ticks_ = 0;
    const std::string* letters_ = nullptr;
    std::int32_t pushes_ = 0;
};

// The given letters played on the model, case aside: the pushes they make and the letters as the
// game records them. False when a letter is unknown or blocked, or the boxes do not end on targets.
bool ReadSolution(const Board& board, const std::string& solution, std::vector<Push>& pushes, std::string& letters)
{
    std::vector<std::uint8_t> occupied(static_cast<std::size_t>(board.CellCount()), 0);
    for (Cell b : board.boxes)
        occupied[b] = 1;
    Cell keeper = board.keeper;
    for (const char letter : solution) {
        const char lower = letter >= 'A' && letter <= 'Z' ? static_cast<char>(letter - 'A' + 'a') : letter;
        const auto d = static_cast<int>(std::find(StepLetter, StepLetter + DirCount, lower) - StepLetter);
        if (d == DirCount)
            return false;
        const Cell next = board.Next(keeper, d);
        if (next == NoCell)
            return false;
        if (occupied[next]) {
            const Cell to = board.Next(next, d);
            if (to == NoCell || occupied[to])
                return false;
            occupied[next] = 0;
            occupied[to] = 1;
            pushes.push_back({next, d});
            letters.push_back(PushLetter[d]);
        } else {
            letters.push_back(StepLetter[d]);
        }
        keeper = next;
    }
    return !letters.empty() && ReplaysToSolved(board.grid, letters);
}

} // namespace

bool IsShorter(Measure measure, std::size_t moves, std::int32_t pushes, std::size_t thanMoves, std::int32_t thanPushes)
{
    if (measure == Measure::MovesThenPushes)
        return moves != thanMoves ? moves < thanMoves : pushes < thanPushes;
    return pushes != thanPushes ? pushes < thanPushes : moves < thanMoves;
}

OptimizeResult Optimize(const std::vector<std::string>& rows, const std::string& solution, const OptimizeOptions& options)
{
    const Clock::time_point started = Clock::now();
    OptimizeResult result;
    const auto finish = [&](OptimizeOutcome outcome) {
        result.outcome = outcome;
        result.seconds = std::chrono::duration<double>(Clock::now() - started).count();
        return result;
    };
    const Board board = BoardForSolving(rows);
    if (board.invalid != InvalidReason::None) {
        result.invalid = board.invalid;
        return finish(OptimizeOutcome::Invalid);
    }
    std::vector<Push> pushes;
    std::string letters;
    if (!ReadSolution(board, solution, pushes, letters))
        return finish(OptimizeOutcome::NotASolution);
    result.movesBefore = letters.size();
    result.pushesBefore = static_cast<std::int32_t>(pushes.size());

    // A search just ended may still be giving its memory back; the two must not add up.
    if (!WaitForReleases(options.cancel)) {
        result.moves = std::move(letters);
        result.pushes = result.pushesBefore;
        return finish(OptimizeOutcome::Cancelled);
    }
    Optimizer optimizer(board, options, started);
    const OptimizeOutcome outcome = optimizer.Run(pushes, letters, result.radius, result.positions);
    // Only replayed letters reach here (the given ones were replayed as read, a better one before
    // it was taken); checked once more, as nothing else guards what the caller stores.
    if (!ReplaysToSolved(board.grid, letters))
        return finish(OptimizeOutcome::NotASolution);
    result.moves = std::move(letters);
    result.pushes = static_cast<std::int32_t>(pushes.size());
    return finish(outcome);
}

const char* OptimizeOutcomeName(OptimizeOutcome outcome)
{
    switch (outcome) {
    case OptimizeOutcome::Exhausted:
        return "every position searched";
    case OptimizeOutcome::OutOfTime:
        return "out of time";
    case OptimizeOutcome::OutOfMemory:
        return "out of memory";
    case OptimizeOutcome::Cancelled:
        return "cancelled";
    case OptimizeOutcome::Invalid:
        return "invalid";
    case OptimizeOutcome::NotASolution:
        return "not a solution";
    }
    return "unknown";
}

} // namespace w4::solver
