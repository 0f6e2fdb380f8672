#pragma once
// The tests' own answer to "how few pushes, how few moves": plain breadth-first search over every
// position, with none of the solver's pruning, so a pruning rule that cuts away a solution or a
// search that stops early shows as a different count. Only for tiny boards.

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
    static constexpr int TooBig = -2;   // the position count passed the cap: the board is not tiny

    explicit BoardOracle(const std::vector<std::string>& rows)
    {
        height_ = static_cast<int>(rows.size());
        for (const std::string& row : rows)
            width_ = std::max(width_, static_cast<int>(row.size()));
        const auto cells = static_cast<std::size_t>(width_ * height_);
        wall_.assign(cells, true);   // cells past a short row are outside: walls to the keeper
        target_.assign(cells, false);
        for (int y = 0; y < height_; ++y) {
            const std::string& row = rows[static_cast<std::size_t>(y)];
            for (int x = 0; x < static_cast<int>(row.size()); ++x) {
                const int cell = y * width_ + x;
                const char c = row[static_cast<std::size_t>(x)];
                wall_[static_cast<std::size_t>(cell)] = c == '#';
                target_[static_cast<std::size_t>(cell)] = c == '.' || c == '*' || c == '+';
                if (c == '$' || c == '*')
                    boxes_.push_back(cell);
                if (c == '@' || c == '+')
                    keeper_ = cell;
            }
        }
    }

    // The fewest pushes that solve the board, counting only pushes.
    int FewestPushes(std::size_t cap = 2'000'000) const
    {
        struct Node {
            std::vector<int> boxes;
            int keeper;
            int pushes;
        };
        std::unordered_set<std::string> seen;
        std::deque<Node> queue;
        Node start{boxes_, keeper_, 0};
        std::sort(start.boxes.begin(), start.boxes.end());
        if (Solved(start.boxes))
            return 0;
        seen.insert(Key(start.boxes, Normalised(start.boxes, start.keeper)));
        queue.push_back(start);
        while (!queue.empty()) {
            const Node node = queue.front();
            queue.pop_front();
            const std::vector<bool> reach = Reach(node.boxes, node.keeper);
            for (std::size_t b = 0; b < node.boxes.size(); ++b) {
                for (const int d : Directions()) {
                    const int box = node.boxes[b];
                    const int from = box - d, to = box + d;
                    if (!Inside(box, -d) || !reach[static_cast<std::size_t>(from)] || !Inside(box, d) ||
                        !Free(node.boxes, to))
                        continue;
                    Node next{node.boxes, box, node.pushes + 1};
                    next.boxes[b] = to;
                    std::sort(next.boxes.begin(), next.boxes.end());
                    if (Solved(next.boxes))
                        return next.pushes;
                    if (seen.insert(Key(next.boxes, Normalised(next.boxes, box))).second)
                        queue.push_back(std::move(next));
                    if (seen.size() > cap)
                        return TooBig;
                }
            }
        }
        return Unsolvable;
    }

    // The fewest moves (steps and pushes together) that solve the board.
    int FewestMoves(std::size_t cap = 4'000'000) const
    {
        struct Node {
            std::vector<int> boxes;
            int keeper;
            int moves;
        };
        std::unordered_set<std::string> seen;
        std::deque<Node> queue;
        Node start{boxes_, keeper_, 0};
        std::sort(start.boxes.begin(), start.boxes.end());
        if (Solved(start.boxes))
            return 0;
        seen.insert(Key(start.boxes, start.keeper));
        queue.push_back(start);
        while (!queue.empty()) {
            const Node node = queue.front();
            queue.pop_front();
            for (const int d : Directions()) {
                if (!Inside(node.keeper, d))
                    continue;
                const int to = node.keeper + d;
                if (wall_[static_cast<std::size_t>(to)])
                    continue;
                Node next{node.boxes, to, node.moves + 1};
                const auto box = std::find(next.boxes.begin(), next.boxes.end(), to);
                if (box != next.boxes.end()) {
                    if (!Inside(to, d) || !Free(node.boxes, to + d))
                        continue;
                    *box = to + d;
                    std::sort(next.boxes.begin(), next.boxes.end());
                    if (Solved(next.boxes))
                        return next.moves;
                }
                if (seen.insert(Key(next.boxes, to)).second)
                    queue.push_back(std::move(next));
                if (seen.size() > cap)
                    return TooBig;
            }
        }
        return Unsolvable;
    }

private:
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

    bool Free(const std::vector<int>& boxes, int cell) const
    {
        return !wall_[static_cast<std::size_t>(cell)] && std::find(boxes.begin(), boxes.end(), cell) == boxes.end();
    }

    bool Solved(const std::vector<int>& boxes) const
    {
        return std::all_of(boxes.begin(), boxes.end(), [&](int b) { return target_[static_cast<std::size_t>(b)]; });
    }

    std::vector<bool> Reach(const std::vector<int>& boxes, int keeper) const
    {
        std::vector<bool> reach(wall_.size(), false);
        std::vector<int> stack{keeper};
        reach[static_cast<std::size_t>(keeper)] = true;
        while (!stack.empty()) {
            const int cell = stack.back();
            stack.pop_back();
            for (const int d : Directions()) {
                if (!Inside(cell, d))
                    continue;
                const int next = cell + d;
                if (!reach[static_cast<std::size_t>(next)] && Free(boxes, next)) {
                    reach[static_cast<std::size_t>(next)] = true;
                    stack.push_back(next);
                }
            }
        }
        return reach;
    }

    // The keeper's area stands for every keeper cell in it: its first cell.
    int Normalised(const std::vector<int>& boxes, int keeper) const
    {
        const std::vector<bool> reach = Reach(boxes, keeper);
        return static_cast<int>(std::find(reach.begin(), reach.end(), true) - reach.begin());
    }

    static std::string Key(const std::vector<int>& boxes, int keeper)
    {
        std::string key(reinterpret_cast<const char*>(&keeper), sizeof keeper);
        key.append(reinterpret_cast<const char*>(boxes.data()), boxes.size() * sizeof(int));
        return key;
    }

    int width_ = 0, height_ = 0;
    std::vector<bool> wall_, target_;
    std::vector<int> boxes_;
    int keeper_ = 0;
};

} // namespace w4::test
