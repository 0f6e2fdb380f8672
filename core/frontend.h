#pragma once
// The one seam between the core and the window. The core calls it where a rule must reach the
// screen, the speakers or the user, in the exact order the rule gives; tests record the calls.

#include <string>

namespace w4 {

enum class Sample { Move, Push, Kick, Win };

class Frontend {
public:
    virtual ~Frontend() = default;

    // Paint one cell of the board picture (nothing outside the level).
    virtual void DrawCell(int x, int y) = 0;
    // Rebuild the whole board picture and repaint the window (census and status are the core's).
    virtual void PaintBoard() = 0;
    virtual void RefreshStatus() = 0;
    virtual void PlaySample(Sample sample) = 0;

    // The undo/redo bar counts records from 1.
    virtual void SetHistoryBarRange(int maximum, int position) = 0;
    virtual void SetHistoryBarPosition(int position) = 0;
    virtual void EnableHistoryBar(bool enabled) = 0;

    virtual void StopReplayTimer() = 0;

    // The attempt on the board is about to be left (GameState::AttemptLevel still names its
    // level): the window keeps it if it would be lost. When it cannot be kept the window says why
    // and, when `mayStay`, asks whether to go on and lose it. False only when the player chose to
    // stay: the command then changes nothing. Going on by default.
    virtual bool AttemptEnding(bool /*mayStay*/) { return true; }
    // The same when the program is about to quit: the player may always stay.
    virtual bool AttemptEndingAtQuit() { return AttemptEnding(true); }

    // A load has turned the playlist entry into a fresh attempt (nothing drawn yet).
    virtual void LevelLoaded() {}

    // Modal Yes/No question (true only for Yes) and modal notice with OK. Texts are UTF-8.
    virtual bool AskQuestion(const std::string& text) = 0;
    virtual void ShowNotice(const std::string& text) = 0;
};

// Shows nothing and answers every question No: for running the game's own loading and moves on a
// scratch state nobody watches (workers, the command-line solver, fuzzers, benchmarks).
class SilentFrontend : public Frontend {
public:
    void DrawCell(int, int) override {}
    void PaintBoard() override {}
    void RefreshStatus() override {}
    void PlaySample(Sample) override {}
    void SetHistoryBarRange(int, int) override {}
    void SetHistoryBarPosition(int) override {}
    void EnableHistoryBar(bool) override {}
    void StopReplayTimer() override {}
    bool AskQuestion(const std::string&) override { return false; }
    void ShowNotice(const std::string&) override {}
};

} // namespace w4
