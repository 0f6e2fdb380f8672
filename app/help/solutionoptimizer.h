#pragma once
// Tools > Optimize Solution: the level's stored solution (or, without one, the solver's) is
// shortened by the optimizer on a worker thread, with a progress box whose Cancel keeps the best
// found so far; the gain is shown, the film offered, and the result kept by the best-score rule.

#include "app/help/assistworker.h"

#include <QPointer>

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>

class QProgressDialog;
class QTimer;

namespace w4 {

class WindowSeam;
struct GameState;

class SolutionOptimizer {
public:
    // `showFilm` plays letters from the level's start in Solution mode (the help's own film).
    SolutionOptimizer(WindowSeam& window, std::function<void(const std::string&)> showFilm);
    ~SolutionOptimizer();   // cancels a running search and waits for it
    SolutionOptimizer(const SolutionOptimizer&) = delete;
    SolutionOptimizer& operator=(const SolutionOptimizer&) = delete;

    void Start();
    bool Busy() const { return worker_.Busy(); }
    QWidget* Progress() const;

private:
    void UpdateProgress();

    WindowSeam& window_;
    GameState& game_;
    std::function<void(const std::string&)> showFilm_;
    // Written by the worker, read by the progress box; declared before the worker, so they
    // outlive its thread.
    std::atomic<bool> solving_{false};
    std::atomic<std::uint64_t> bestMoves_{0}, bestPushes_{0};
    AssistWorker worker_;
    QPointer<QProgressDialog> progress_;
    QTimer* progressTimer_ = nullptr;
};

} // namespace w4
