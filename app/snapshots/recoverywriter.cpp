#include "app/snapshots/recoverywriter.h"

#include "core/fileio.h"

#include <filesystem>
#include <system_error>
#include <utility>

namespace w4 {

RecoveryWriter::RecoveryWriter()
    : thread_([this] { Run(); })
{
}

RecoveryWriter::~RecoveryWriter()
{
    {
        const std::lock_guard lock(mutex_);
        stop_ = true;
    }
    work_.notify_all();
    thread_.join();
}

void RecoveryWriter::Write(std::string path, std::vector<std::string> lines)
{
    Ask({false, std::move(path), std::move(lines)});
}

void RecoveryWriter::Remove(std::string path) { Ask({true, std::move(path), {}}); }

void RecoveryWriter::Ask(Job job)
{
    {
        const std::lock_guard lock(mutex_);
        pending_ = std::move(job);
    }
    work_.notify_all();
}

void RecoveryWriter::Wait()
{
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return !busy_ && !pending_; });
}

std::string RecoveryWriter::TakeError()
{
    const std::lock_guard lock(mutex_);
    return std::exchange(error_, {});
}

void RecoveryWriter::Run()
{
    std::unique_lock lock(mutex_);
    for (;;) {
        work_.wait(lock, [this] { return stop_ || pending_; });
        if (!pending_)
            return;   // stopped with nothing left to do
        Job job = std::move(*pending_);
        pending_.reset();
        busy_ = true;
        lock.unlock();
        std::string error;
        try {
            if (job.Remove) {
                std::error_code ec;
                std::filesystem::remove(job.Path, ec);
            } else {
                WriteTextLines(job.Path, job.Lines);
            }
        } catch (const std::exception& e) {
            error = e.what();
        }
        lock.lock();
        busy_ = false;
        if (!error.empty())
            error_ = std::move(error);
        idle_.notify_all();
    }
}

} // namespace w4
