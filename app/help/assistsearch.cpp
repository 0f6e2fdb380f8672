#include "app/help/assistsearch.h"

#include "core/pathing.h"

#include <algorithm>
#include <cctype>

namespace w4 {

Solvability CheckSolvable(const std::vector<std::string>& rows, const solver::Options& options)
{
    if (!solver::DeadlockedBoxes(rows).empty())
        return Solvability::Unsolvable;
    const solver::Result result = solver::Solve(rows, options);
    switch (result.outcome) {
    case solver::Outcome::Solved: return Solvability::Solvable;
    case solver::Outcome::Unsolvable: return Solvability::Unsolvable;
    case solver::Outcome::Cancelled: return Solvability::Cancelled;
    default: return Solvability::Unknown;
    }
}

LastSolvableResult FindLastSolvable(const std::vector<std::string>& startRows, const std::string& letters,
                                    int shownIndex,
                                    const std::function<Solvability(const std::vector<std::string>&)>& check)
{
    LastSolvableResult result;
    shownIndex = std::clamp(shownIndex, 0, static_cast<int>(letters.size()));
    // Candidates: the start, and every position just after a push up to the shown one.
    std::vector<int> candidates{0};
    for (int i = 0; i < shownIndex; ++i)
        if (std::isupper(static_cast<unsigned char>(letters[static_cast<std::size_t>(i)])))
            candidates.push_back(i + 1);
    const auto verdict = [&](std::size_t candidate) {
        ++result.Checks;
        const int index = candidates[candidate];
        return check(PlayLetters(startRows, letters.substr(0, static_cast<std::size_t>(index))));
    };

    const std::size_t last = candidates.size() - 1;
    std::size_t lo = 0, hi = candidates.size();   // lo: winnable as far as known; hi: lost or unknown
    bool loProven = false;
    const Solvability shown = verdict(last);
    if (shown == Solvability::Cancelled) {
        result.Cancelled = true;
        return result;
    }
    if (shown == Solvability::Solvable) {
        result.ShownSolvable = true;
        result.Proven = true;
        result.Index = shownIndex;
        return result;
    }
    if (last == 0) {
        // No push yet: the shown position has the start's boxes.
        result.StartUnsolvable = shown == Solvability::Unsolvable;
        result.Uncertain = shown == Solvability::Unknown;
        result.Index = shownIndex;
        return result;
    }
    hi = last;
    result.Uncertain = shown == Solvability::Unknown;
    while (hi - lo > 1) {
        const std::size_t mid = lo + (hi - lo) / 2;
        const Solvability v = verdict(mid);
        if (v == Solvability::Cancelled) {
            result.Cancelled = true;
            return result;
        }
        if (v == Solvability::Solvable) {
            lo = mid;
            loProven = true;
        } else {
            hi = mid;
            if (v == Solvability::Unknown)
                result.Uncertain = true;
        }
    }
    if (!loProven) {
        const Solvability start = verdict(0);
        if (start == Solvability::Cancelled) {
            result.Cancelled = true;
            return result;
        }
        if (start == Solvability::Unsolvable) {
            result.StartUnsolvable = true;
            result.Index = 0;
            return result;
        }
        if (start == Solvability::Unknown)
            result.Uncertain = true;
        loProven = start == Solvability::Solvable;
    }
    result.Proven = loProven;
    // The position just before the push that lost the game (or may have).
    result.Index = candidates[hi] - 1;
    return result;
}

} // namespace w4
