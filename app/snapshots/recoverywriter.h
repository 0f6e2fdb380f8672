#pragma once
// Writes and removes the recovery file on a thread of its own, so that syncing it to the disk
// (tens of milliseconds on a slow disk) never holds up a move. Only the latest request waits:
// a write asked for while another waits replaces it.

#include <condition_variable>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace w4 {

class RecoveryWriter {
public:
    RecoveryWriter();
    // Finishes what was asked first.
    ~RecoveryWriter();
    RecoveryWriter(const RecoveryWriter&) = delete;
    RecoveryWriter& operator=(const RecoveryWriter&) = delete;

    void Write(std::string path, std::vector<std::string> lines);
    void Remove(std::string path);
    // Until everything asked is done.
    void Wait();
    // The text of the last failed write (naming the file), once; empty when none failed.
    std::string TakeError();

private:
    struct Job {
        bool Remove = false;
        std::string Path;
        std::vector<std::string> Lines;
    };
    void Ask(Job job);
    void Run();

    std::mutex mutex_;
    std::condition_variable work_;
    std::condition_variable idle_;
    std::optional<Job> pending_;
    bool busy_ = false;
    bool stop_ = false;
    std::string error_;
    std::thread thread_;
};

} // namespace w4
