#pragma once
// Large search structures freed on a thread of their own. Giving a gigabyte of position tables
// back to the system takes tens of milliseconds, and a cancelled search must answer sooner than
// that; so the search hands them over and returns, and the next search waits for them to be gone
// before it allocates, so an old search's memory and a new one's never add up past the budget.

#include <atomic>
#include <memory>

namespace w4::solver {

class Released {
public:
    virtual ~Released() = default;
};

template <class T>
class ReleasedHolder final : public Released {
public:
    explicit ReleasedHolder(T value) : value_(std::move(value)) {}

private:
    T value_;
};

// Frees `what` on the releasing thread (started on first use, joined at exit); returns at once.
void ReleaseLater(std::unique_ptr<Released> what);

template <class T>
void ReleaseLater(T value)
{
    ReleaseLater(std::unique_ptr<Released>(std::make_unique<ReleasedHolder<T>>(std::move(value))));
}

// Gives the pages of freed memory back to the system. The C library keeps what a search freed for
// later use by the same thread, where another thread's search would allocate afresh: without
// this a long two-thread search's process grew past its budget (measured 1099 MiB for a 1 GiB
// budget). Called after large structures are freed; does nothing where the library has no such call.
void ReturnFreedMemory();

// Returns once everything handed over so far has been freed, or sooner when `cancel` is raised
// (false then).
bool WaitForReleases(const std::atomic<bool>* cancel = nullptr);

} // namespace w4::solver
