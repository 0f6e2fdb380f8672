#pragma once
// The tests' own answer to "how few pushes, how few moves": plain breadth-first search over every
// position, with none of the solver's pruning, so a pruning rule that cuts away a solution or a
// search that stops early shows as a different count. Only for tiny boards (under 256 cells).

#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <string>
#include <unordered_set>
#include <vector>

namespace w4::test {

class BoardOracle {
public:
    static constexpr int Unsolvable = -1;
    static constexpr int TooBig = -2;   // too many cells or positions: the board is not tiny

    explicit BoardOracle(const std::vector<std::string>& rows)
    {
        height_ = static_cast<int>(rows.size());
        for (const std::string& row : rows)
            width_ = std::max(width_, static_cast<int>(row.size()));
        if (width_ * height_ > MaxCells) {
            width_ = height_ = 0;
            return;
        }
        wall_.fill(1);   // cells past a short row are outside: walls to the keeper
        target_.fill(0);
        for (int y = 0; y < height_; ++y) {
            const std::string& row = rows[static_cast<std::size_t>(y)];
            for (int x = 0; x < static_cast<int>(row.size()); ++x) {
                const auto cell = static_cast<std::size_t>(y * width_ + x);
                const char c = row[static_cast<std::size_t>(x)];
                wall_[cell] = c == '#';
                target_[cell] = c == '.' || c == '*' || c == '+';
                if (c == '$' || c == '*')
                    start_.push_back(static_cast<char>(cell));
                if (c == '@' || c == '+')
                    keeper_ = static_cast<int>(cell);
            }
        }
        std::sort(start_.begin(), start_.end(), Less);
    }

    // The fewest pushes that solve the board, counting only pushes.
    int FewestPushes(std::size_t cap = 2'000'000) const
    {
        if (width_ == 0)
            return TooBig;
        // A position: the keeper's area (its first cell) and the sorted box cells, one byte each.
        std::unordered_set<std::string> seen;
        std::deque<std::pair<std::string, int>> queue;   // position with the keeper's own cell, pushes
        if (Solved(start_))
            return 0;
        Cells occupied{};
        Mark(occupied, start_);
        seen.insert(Key(Area(occupied, keeper_).first, start_));
        queue.emplace_back(Key(keeper_, start_), 0);
        while (!queue.empty()) {
            const auto [position, pushes] = queue.front();
            queue.pop_front();
            const int keeper = static_cast<unsigned char>(position[0]);
            const std::string boxes = position.substr(1);
            occupied.fill(0);
            Mark(occupied, boxes);
            const Cells reach = Area(occupied, keeper).second;
            for (std::size_t b = 0; b < boxes.size(); ++b) {
                const int box = static_cast<unsigned char>(boxes[b]);
                for (const int d : Directions()) {
                    if (!Inside(box, -d) || !Inside(box, d))
                        continue;
                    const int from = box - d, to = box + d;
                    if (!reach[static_cast<std::size_t>(from)] || !Free(occupied, to))
                        continue;
                    std::string next = boxes;
                    next[b] = static_cast<char>(to);
                    std::sort(next.begin(), next.end(), Less);
                    if (Solved(next))
                        return pushes + 1;
                    Cells after = occupied;
                    after[static_cast<std::size_t>(box)] = 0;
                    after[static_cast<std::size_t>(to)] = 1;
                    if (seen.insert(Key(Area(after, box).first, next)).second)
                        queue.emplace_back(Key(box, next), pushes + 1);
                    if (seen.size() > cap)
                        return TooBig;
                }
            }
        }
        return Unsolvable;
    }

private:
    static constexpr int MaxCells = 256;
    using Cells = std::array<std::uint8_t, MaxCells>;

    static bool Less(char a, char b) { return static_cast<unsigned char>(a) < static_cast<unsigned char>(b); }

    std::array<int, 4> Directions() const { return {-1, 1, -width_, width_}; }

    // Whether the neighbour of `cell` in direction `d` lies on the board.
    bool Inside(int cell, int d) const
    {
        const int x = cell % width_, y = cell / width_;
        if (d == -1)
            return x > 0;
        if (d == 1)
            return x + 1 < width_;
        if (d == -width_)
            return y > 0;
        return y + 1 < height_;
    }

    bool Free(const Cells& occupied, int cell) const
    {
        return !wall_[static_cast<std::size_t>(cell)] && !occupied[static_cast<std::size_t>(cell)];
    }

    static void Mark(Cells& occupied, const std::string& boxes)
    {
        for (const char b : boxes)
            occupied[static_cast<unsigned char>(b)] = 1;
    }

    bool Solved(const std::string& boxes) const
    {
        return std::all_of(boxes.begin(), boxes.end(), [&](char b) { return target_[static_cast<unsigned char>(b)]; });
    }

    // The keeper's area around the boxes: its first cell, which stands for every keeper cell in
    // it, and the area itself.
    std::pair<int, Cells> Area(const Cells& occupied, int keeper) const
    {
        Cells reach{};
        std::array<int, MaxCells> stack{};
        int size = 0, first = keeper;
        stack[static_cast<std::size_t>(size++)] = keeper;
        reach[static_cast<std::size_t>(keeper)] = 1;
        while (size > 0) {
            const int cell = stack[static_cast<std::size_t>(--size)];
            first = std::min(first, cell);
            for (const int d : Directions()) {
                if (!Inside(cell, d))
                    continue;
                const int next = cell + d;
                if (!reach[static_cast<std::size_t>(next)] && Free(occupied, next)) {
                    reach[static_cast<std::size_t>(next)] = 1;
                    stack[static_cast<std::size_t>(size++)] = next;
                }
            }
        }
        return {first, reach};
    }

    static std::string Key(int keeper, const std::string& boxes)
    {
        return static_cast<char>(keeper) + boxes;
    }

    int width_ = 0, height_ = 0;
    Cells wall_{}, target_{};
    std::string start_;   // box cells, one byte each, sorted
    int keeper_ = 0;
};

} // namespace w4::test
