#include "solver/release.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <system_error>
#include <thread>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace w4::solver {

namespace {

class Releaser {
public:
    ~Releaser()
    {
        {
            const std::lock_guard<std::mutex> hold(lock_);
            quit_ = true;
        }
        wake_.notify_all();
        if (thread_.joinable())
            thread_.join();   // what is still queued is freed first: nothing is left behind at exit
    }

    void Add(std::unique_ptr<Released> what)
    {
        if (!what)
            return;
        std::unique_lock<std::mutex> hold(lock_);
        if (!quit_ && !thread_.joinable()) {
            try {
                thread_ = std::thread([this] { Run(); });
            } catch (const std::system_error&) {
            }
        }
        if (quit_ || !thread_.joinable()) {   // at exit, or no thread to be had: freed here
            hold.unlock();
            what.reset();
            return;
        }
        queue_.push_back(std::move(what));
        ++pending_;
        hold.unlock();
        wake_.notify_all();
    }

    bool Wait(const std::atomic<bool>* cancel)
    {
        std::unique_lock<std::mutex> hold(lock_);
        // The cancel flag is polled: whoever raises it knows nothing of this wait.
        while (pending_ > 0) {
            if (cancel != nullptr && cancel->load(std::memory_order_relaxed))
                return false;
            idle_.wait_for(hold, std::chrono::milliseconds(2));
        }
        return true;
    }

private:
    void Run()
    {
        std::unique_lock<std::mutex> hold(lock_);
        for (;;) {
            wake_.wait(hold, [this] { return quit_ || !queue_.empty(); });
            if (queue_.empty())
                return;   // quit_, and nothing left
            std::unique_ptr<Released> next = std::move(queue_.front());
            queue_.pop_front();
            hold.unlock();
            next.reset();
            ReturnFreedMemory();
            hold.lock();
            --pending_;
            idle_.notify_all();
        }
    }

    std::mutex lock_;
    std::condition_variable wake_, idle_;
    std::deque<std::unique_ptr<Released>> queue_;
    std::size_t pending_ = 0;   // handed over and not yet freed, the one being freed included
    bool quit_ = false;
    std::thread thread_;
};

Releaser& TheReleaser()
{
    static Releaser releaser;
    return releaser;
}

} // namespace

void ReturnFreedMemory()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

void ReleaseLater(std::unique_ptr<Released> what)
{
    TheReleaser().Add(std::move(what));
}

bool WaitForReleases(const std::atomic<bool>* cancel)
{
    return TheReleaser().Wait(cancel);
}

} // namespace w4::solver
