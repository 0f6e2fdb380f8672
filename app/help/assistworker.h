#pragma once
// One job at a time on a thread of its own: the solver must never hold up the window. The job
// gets copies of what it needs and a cancel flag; when it ends, `done` runs on the thread of
// the context object (the window), which applies the result there.

#include <QObject>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <thread>

namespace w4 {

class AssistWorker {
public:
    explicit AssistWorker(QObject* context) : context_(context) {}
    ~AssistWorker();   // cancels the job and waits for it: a result never outlives the window
    AssistWorker(const AssistWorker&) = delete;
    AssistWorker& operator=(const AssistWorker&) = delete;

    // false when a job is still running.
    bool Start(std::function<void(AssistWorker&)> job, std::function<void()> done);
    void Cancel() { cancel_ = true; }
    bool Busy() const { return busy_; }

    // Read and written by the job, read by the window's progress display.
    const std::atomic<bool>& CancelFlag() const { return cancel_; }
    std::atomic<std::uint64_t> Positions{0};   // positions explored by finished checks and the current one
    std::atomic<int> Step{0};                  // which check of several is running, from 1
    double Seconds() const;

private:
    QObject* context_;
    std::thread thread_;
    std::atomic<bool> cancel_{false};
    bool busy_ = false;
    std::chrono::steady_clock::time_point started_{};
};

} // namespace w4
