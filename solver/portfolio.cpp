#include "solver/portfolio.h"

#include "solver/backward.h"
#include "solver/fess.h"
#include "solver/release.h"
#include "solver/tuning.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <new>
#include <thread>

namespace w4::solver {

namespace {

// One member of the fast mode's plan.
struct Entry {
    Tuning tuning;
    bool optimal;
    int share;   // milliseconds per turn
    bool tunnels = false;
    bool fess = false;
    bool backward = false;
    int group = 0;   // the thread it takes its turns on when the search runs on two
    int earlyShare = 0;   // when above 0, its milliseconds per turn in the first seconds; below 0, it waits them out
    int memory = 2;   // its part of the memory budget, in parts of all members' sum
};

// Members taking turns on one thread. The backward member looks into the forward members'
// tables and they into its own, so members that meet always share a group.
class Group {
public:
    Group(const Options& options, Clock::time_point started, const Tuning& tuning)
        : options_(options), started_(started), tuning_(tuning)
    {
    }
    // The options the members hold a reference to: a group on a thread of its own gets its own
    // stop flag and reports progress through `published` instead.
    Options& MemberOptions() { return options_; }

    void Add(const Board& board, const Entry& entry, std::size_t budget)
    {
        if (entry.fess) {
            members_.push_back(MakeFeatureSearch(board, options_, started_, budget, entry.tuning));
            pushing_.push_back(members_.back().get());
        } else if (entry.backward) {
            auto member = std::make_unique<BackwardSearcher>(board, options_, started_, entry.tuning.backwardWeight, budget,
                                                             entry.tuning.backwardWeight2);
            backward_ = member.get();
            backwardAt_ = members_.size();
            members_.push_back(std::move(member));
            pushing_.push_back(nullptr);
        } else {
            auto member = MakePushSearch(board, options_, started_, entry.tuning, entry.optimal, budget, entry.tunnels);
            pushing_.push_back(member.get());
            members_.push_back(std::move(member));
        }
        shares_.push_back(entry.share);
        earlyShares_.push_back(entry.earlyShare);
        lateShares_.push_back(entry.fess ? tuning_.fessLateShare : 0);
        budgets_.push_back(budget);
    }

    bool Empty() const { return members_.empty(); }
    std::size_t Budget() const
    {
        std::size_t sum = 0;
        for (std::size_t b : budgets_)
            sum += b;
        return sum + handedOver_;
    }

    // Starts every member; true when the first one settles the whole search, with `out` set.
    bool Start(SearchOutcome& out, bool first)
    {
        if (backward_) {
            for (SearchMember* member : pushing_)
                if (member)
                    member->MeetBackward(backward_);
            backward_->MeetForward([this](std::uint64_t hash, const Cell* boxes, Cell keeper, std::vector<Push>& pushes) {
                for (const SearchMember* member : pushing_)
                    if (member && member->PushesTo(hash, boxes, keeper, pushes))
                        return true;
                return false;
            });
        }
        for (std::size_t i = 0; i < members_.size(); ++i) {
            SearchOutcome mine;
            if (!members_[i]->Start(mine))
                continue;
            if (first && i == 0) {
                out = mine;
                return true;
            }
            Drop(i);   // what a later start settles, the first one has settled already; so out of memory
        }
        return false;
    }

    // Turns until a member ends the search or none is left (out of memory).
    SearchOutcome Run()
    {
        Clock::time_point lastProgress = started_;
        for (;;) {
            if (const std::size_t more = gift.exchange(0, std::memory_order_relaxed) + freed_->exchange(0); more > 0)
                Share(more);
            bool anyLeft = false;
            for (std::size_t i = 0; i < members_.size(); ++i) {
                if (!members_[i])
                    continue;
                SearchOutcome out;
                const Clock::time_point turn = Clock::now();
                int share = shares_[i];
                const bool early = turn - started_ < std::chrono::duration<double>(tuning_.fessEarlySeconds);
                if (earlyShares_[i] != 0 && early) {
                    anyLeft = true;
                    if (earlyShares_[i] < 0)
                        continue;   // it joins later
                    share = earlyShares_[i];
                } else if (lateShares_[i] > 0 && !early) {
                    share = lateShares_[i];
                }
                if (members_[i]->Step(turn + std::chrono::milliseconds(share), out)) {
                    // A table whose growth a cancel stopped reports itself full: it is the cancel.
                    if (out.outcome == Outcome::OutOfMemory && options_.cancel != nullptr && options_.cancel->load(std::memory_order_relaxed))
                        out.outcome = Outcome::Cancelled;
                    if (out.outcome == Outcome::OutOfMemory || (out.outcome == Outcome::Unsolvable && !members_[i]->Complete())) {
                        // This one is full; the others go on with their own shares.
                        left_ += members_[i]->Positions();
                        Drop(i);
                        continue;
                    }
                    Count(out);
                    return out;
                }
                anyLeft = true;
                published.store(Positions(), std::memory_order_relaxed);
                const Clock::time_point now = Clock::now();
                if (options_.progress && now - lastProgress >= std::chrono::milliseconds(100)) {
                    lastProgress = now;
                    options_.progress(Progress{Positions(), std::chrono::duration<double>(now - started_).count()});
                }
            }
            if (!anyLeft) {
                // What the members held counts as handed over only once it is free.
                WaitForReleases(options_.cancel);
                Share(freed_->exchange(0));
                SearchOutcome out;
                out.outcome = Outcome::OutOfMemory;
                Count(out);
                return out;
            }
        }
    }

    // Positions stored so far, for progress shown from another thread.
    std::atomic<std::uint64_t> published{0};
    // Memory handed over from a group that has ended, taken up at the next turn.
    std::atomic<std::size_t> gift{0};

private:
    std::uint64_t Positions() const
    {
        std::uint64_t sum = left_;
        for (const auto& member : members_)
            if (member)
                sum += member->Positions();
        return sum;
    }
    void Count(SearchOutcome& out) const
    {
        out.positions = Positions();
        out.expanded = 0;
        for (const auto& member : members_)
            if (member)
                out.expanded += member->Expanded();
    }
    // Memory that came free goes to the members still searching, so the group keeps searching up
    // to its whole budget rather than each member stopping at its first share.
    void Share(std::size_t bytes)
    {
        std::size_t live = 0;
        for (const auto& member : members_)
            live += member != nullptr;
        if (live == 0) {
            handedOver_ += bytes;
            return;
        }
        for (std::size_t j = 0; j < members_.size(); ++j)
            if (members_[j]) {
                members_[j]->AddBudget(bytes / live);
                budgets_[j] += bytes / live;
            }
    }
    // A member's tables, freed on the releasing thread; its budget goes to the others once they are.
    struct Leaving {
        Leaving(std::unique_ptr<SearchMember> m, std::shared_ptr<std::atomic<std::size_t>> f, std::size_t b)
            : member(std::move(m)), freed(std::move(f)), bytes(b)
        {
        }
        Leaving(Leaving&&) = default;
        Leaving& operator=(Leaving&&) = delete;
        ~Leaving()
        {
            if (!member)
                return;   // moved from
            member.reset();
            ReturnFreedMemory();   // before the others may use it
            freed->fetch_add(bytes);
        }
        std::unique_ptr<SearchMember> member;
        std::shared_ptr<std::atomic<std::size_t>> freed;
        std::size_t bytes;
    };

    // A member that is full or gave up leaves; the others stop meeting it.
    void Drop(std::size_t i)
    {
        if (i == backwardAt_) {
            for (SearchMember* member : pushing_)
                if (member)
                    member->MeetBackward(nullptr);
            backward_ = nullptr;
        }
        pushing_[i] = nullptr;
        ReleaseLater(Leaving(std::move(members_[i]), freed_, budgets_[i]));
        budgets_[i] = 0;
    }

    Options options_;
    Clock::time_point started_;
    Tuning tuning_;
    std::vector<std::unique_ptr<SearchMember>> members_;
    std::vector<SearchMember*> pushing_;   // the members the backward search meets
    std::vector<int> shares_;
    std::vector<int> earlyShares_;
    std::vector<int> lateShares_;   // after the first seconds; 0: as before
    std::vector<std::size_t> budgets_;
    std::size_t handedOver_ = 0;   // budget received when no member was left to take it
    // Budget of members that have left, added once their tables are freed.
    std::shared_ptr<std::atomic<std::size_t>> freed_ = std::make_shared<std::atomic<std::size_t>>(0);
    BackwardSearcher* backward_ = nullptr;
    std::size_t backwardAt_ = SIZE_MAX;
    std::uint64_t left_ = 0;   // positions of members that have left
};

// Which of two groups' endings is the search's: a solution or a proof wins; a cancel raised by
// the caller is reported as such; running out of time outranks running out of memory.
SearchOutcome Settle(std::array<SearchOutcome, 2>& ends, bool cancelled)
{
    for (SearchOutcome& end : ends)
        if (end.outcome == Outcome::Solved || end.outcome == Outcome::Unsolvable) {
            end.positions = ends[0].positions + ends[1].positions;
            end.expanded = ends[0].expanded + ends[1].expanded;
            return end;
        }
    SearchOutcome out;
    out.positions = ends[0].positions + ends[1].positions;
    out.expanded = ends[0].expanded + ends[1].expanded;
    if (cancelled)
        out.outcome = Outcome::Cancelled;
    else if (ends[0].outcome == Outcome::OutOfTime || ends[1].outcome == Outcome::OutOfTime)
        out.outcome = Outcome::OutOfTime;
    else
        out.outcome = Outcome::OutOfMemory;
    return out;
}

// Two groups on two threads, this one watching: it passes the caller's cancel on to both and
// reports progress, as the caller expects it on the solving thread.
SearchOutcome RunTwo(std::array<std::unique_ptr<Group>, 2>& groups, const Options& options, Clock::time_point started,
                     std::atomic<bool>& stop)
{
    std::array<SearchOutcome, 2> ends;
    // What the workers touch last lives as long as they do: they are joined on the releasing
    // thread, so the answer does not wait for a worker's last turn on a core to end its thread.
    struct Meeting {
        std::array<bool, 2> done{};
        std::mutex lock;
        std::condition_variable ended;
    };
    const auto meeting = std::make_shared<Meeting>();
    std::array<bool, 2>& done = meeting->done;
    std::mutex& lock = meeting->lock;
    std::condition_variable& ended = meeting->ended;
    const auto work = [&ends, &groups, &stop, &options, meeting](int g) {
        WatchCallerCancel(options.cancel);
        const auto at = static_cast<std::size_t>(g);
        ends[at] = groups[at]->Run();
        const Outcome outcome = ends[at].outcome;
        if (outcome == Outcome::Solved || outcome == Outcome::Unsolvable)
            stop.store(true);
        else if (outcome == Outcome::OutOfMemory)   // its members are gone: the other may use the memory
            groups[1 - at]->gift.fetch_add(groups[at]->Budget());
        const std::lock_guard<std::mutex> hold(meeting->lock);
        meeting->done[at] = true;
        meeting->ended.notify_one();
    };
    std::jthread first(work, 0), second(work, 1);
    Clock::time_point lastProgress = started;
    bool cancelled = false;
    for (std::unique_lock<std::mutex> hold(lock); !done[0] || !done[1];) {
        ended.wait_for(hold, std::chrono::milliseconds(5));
        if (options.cancel != nullptr && options.cancel->load(std::memory_order_relaxed)) {
            cancelled = true;
            stop.store(true);
        }
        const Clock::time_point now = Clock::now();
        if (options.progress && now - lastProgress >= std::chrono::milliseconds(100)) {
            lastProgress = now;
            const Progress progress{groups[0]->published.load(std::memory_order_relaxed) + groups[1]->published.load(std::memory_order_relaxed),
                                    std::chrono::duration<double>(now - started).count()};
            hold.unlock();   // the caller's report may take its time; the workers must not wait on it
            options.progress(progress);
            hold.lock();
        }
    }
    try {
        ReleaseLater(std::array<std::jthread, 2>{std::move(first), std::move(second)});
    } catch (const std::bad_alloc&) {
        // joined here instead
    }
    // Both may have ended (on the stop passed on while starting) before the loop looked.
    cancelled = cancelled || (options.cancel != nullptr && options.cancel->load(std::memory_order_relaxed));
    return Settle(ends, cancelled);
}

} // namespace

SearchOutcome SearchPushes(const Board& board, const Options& options, Clock::time_point started)
{
    // The fast mode runs a small portfolio in turns: searches that differ in bound and weight
    // get stuck on different levels, and taking turns costs each only a share of the time. The
    // optimal modes run A* alone.
    SearchOutcome result;
    // The tables of the search before are freed first, so the two never hold memory at once.
    if (!WaitForReleases(options.cancel)) {
        result.outcome = Outcome::Cancelled;
        return result;
    }
    const Tuning& tuning = SearchTuning();
    std::vector<Entry> plan;
    if (options.optimal != Optimality::None || !tuning.portfolio) {
        plan.push_back({tuning, options.optimal != Optimality::None, 20});
    } else if (tuning.fessOnly) {
        plan.push_back({tuning, false, tuning.fessShare, false, true});
    } else {
        Tuning nearest = tuning;
        nearest.matching = false;
        // On two threads two more feature searches join, counting boxes side by side as a
        // feature (the first of them boxes in another's way too): one beside the first on the
        // second thread, one with the packing order to any free cell taking turns here.
        // Measured, each solves hard levels the others do not. The memory goes where it was
        // measured to pay: the second feature search fills its part first, while the
        // nearest-target search, plain A* and the third hardly use theirs there. On one thread
        // the two join after the first seconds instead.
        const bool more = tuning.fess && (options.threads >= 2 || tuning.fessLate) && !tuning.fessContacts &&
                          options.memoryBudgetBytes >= (std::size_t(16) << 20);
        const int late = options.threads >= 2 ? 0 : -1;
        const int little = more ? 1 : 2;
        // Only the inexact searches take tunnel macros; the A* beside them keeps the search
        // complete, so an unsolvable level is still proven.
        plan.push_back({tuning, false, 30, tuning.tunnels});
        plan.push_back({nearest, false, 15, tuning.tunnels, false, false, 0, 0, little});
        plan.push_back({tuning, true, 10, false, false, false, 0, 0, little});
        // On two threads the feature searches have the second to themselves, meeting no other
        // member; the first leads for the first seconds.
        if (tuning.fess) {
            // A feature search moves whole boxes when bit 0 of its own tuning says so.
            Tuning first = tuning;
            first.fessRelocations = tuning.fessRelocations & 1;
            first.fessHotspots = tuning.fessHotspots & 1;
            if (static_cast<int>(board.boxes.size()) <= tuning.fessFirstWholeUpTo)
                first.fessRelocations = 1;
            plan.push_back({first, false, tuning.fessShare, false, true, false, 1, tuning.fessEarlyShare});
            if (more) {
                Tuning contacts = tuning;
                contacts.fessContacts = true;
                contacts.fessRelocations = (tuning.fessRelocations >> 1) & 1;
                contacts.fessHotspots = (tuning.fessHotspots >> 1) & 1;
                plan.push_back({contacts, false, tuning.fessShare, false, true, false, 1, late, 3});
                Tuning anyCell = contacts;
                anyCell.fessSources = false;
                anyCell.fessRelocations = (tuning.fessRelocations >> 2) & 1;
                anyCell.fessHotspots = (tuning.fessHotspots >> 2) & 1;
                plan.push_back({anyCell, false, tuning.fessShare, false, true, false, 0, late, 1});
            }
        }
        // The search from the solved end, meeting the pushing searches above. A small budget is
        // left to the others (as are the extra feature searches'): split several ways, a part
        // might not hold a first block of positions.
        if (tuning.backward && options.memoryBudgetBytes >= (std::size_t(16) << 20))
            plan.push_back({tuning, false, tuning.backwardShare, false, false, true});
    }
    const bool two = options.threads >= 2 && std::any_of(plan.begin(), plan.end(), [](const Entry& e) { return e.group == 1; });
    std::atomic<bool> stop{false};
    // On two threads the members watch `stop`; until the watching loop runs, the caller's cancel
    // is passed on to it from here, so setting the searches up and starting them can be cancelled.
    std::jthread relay;
    if (two && options.cancel != nullptr)
        relay = std::jthread([&stop, cancel = options.cancel](std::stop_token done) {
            while (!done.stop_requested() && !stop.load(std::memory_order_relaxed)) {
                if (cancel->load(std::memory_order_relaxed))
                    stop.store(true);
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
        });
    std::array<std::unique_ptr<Group>, 2> groups;
    for (int g = 0; g < (two ? 2 : 1); ++g) {
        groups[static_cast<std::size_t>(g)] = std::make_unique<Group>(options, started, tuning);
        if (two) {
            groups[static_cast<std::size_t>(g)]->MemberOptions().cancel = &stop;
            groups[static_cast<std::size_t>(g)]->MemberOptions().progress = nullptr;
        }
    }
    // Whatever way this returns, the members' tables are freed on the releasing thread: the caller
    // hears the answer without waiting for a gigabyte to go back to the system.
    struct HandOver {
        std::array<std::unique_ptr<Group>, 2>& groups;
        ~HandOver()
        {
            for (auto& group : groups)
                if (group)
                    group->MemberOptions().progress = nullptr;   // the caller's, destroyed here
            try {
                ReleaseLater(std::move(groups));
            } catch (const std::bad_alloc&) {
                // nothing to hand over with: the tables were freed on this thread instead
            }
        }
    } handOver{groups};
    int parts = 0;
    for (const Entry& entry : plan)
        parts += entry.memory;
    for (const Entry& entry : plan)
        groups[two ? static_cast<std::size_t>(entry.group) : 0]->Add(board, entry, options.memoryBudgetBytes / static_cast<std::size_t>(parts) * static_cast<std::size_t>(entry.memory));

    if (groups[0]->Start(result, true)) {
        // Stopped while starting by the caller's cancel passed on: say so, whatever a member made of it.
        if (two && result.outcome != Outcome::Solved && result.outcome != Outcome::Unsolvable && options.cancel != nullptr &&
            options.cancel->load(std::memory_order_relaxed))
            result.outcome = Outcome::Cancelled;
        return result;
    }
    if (!two)
        return groups[0]->Run();
    SearchOutcome unused;
    groups[1]->Start(unused, false);
    relay.request_stop();   // the watching loop of RunTwo takes over; by the end the relay is gone
    return RunTwo(groups, options, started, stop);
}

} // namespace w4::solver
