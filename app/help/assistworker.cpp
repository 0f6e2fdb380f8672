#include "app/help/assistworker.h"

#include <QMetaObject>

namespace w4 {

AssistWorker::~AssistWorker()
{
    cancel_ = true;
    if (thread_.joinable())
        thread_.join();
}

bool AssistWorker::Start(std::function<void(AssistWorker&)> job, std::function<void()> done)
{
    if (busy_)
        return false;
    // The previous thread has posted its result, so it is ending or has ended.
    if (thread_.joinable())
        thread_.join();
    cancel_ = false;
    Positions = 0;
    Step = 0;
    busy_ = true;
    started_ = std::chrono::steady_clock::now();
    thread_ = std::thread([this, job = std::move(job), done = std::move(done)]() mutable {
        job(*this);
        // Queued to the window's thread; dropped by Qt if the window is gone by then.
        QMetaObject::invokeMethod(
            context_,
            [this, done = std::move(done)] {
                busy_ = false;
                done();
            },
            Qt::QueuedConnection);
    });
    return true;
}

double AssistWorker::Seconds() const
{
    if (!busy_)
        return 0;
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
}

} // namespace w4
