// Gamepad: the latch-and-repeat rule on its own, the SDL reader on a virtual joystick, and
// whole polls driving a real level through the core.

#include "media/ugamepad.h"

#include "core/loading.h"

#include <gtest/gtest.h>

#include <SDL.h>
#include <unistd.h>

#include <filesystem>
#include <algorithm>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace w4;

namespace {

GamepadStates Set(std::initializer_list<int> members) {
    GamepadStates s;
    for (int m : members) s[static_cast<std::size_t>(m)] = true;
    return s;
}

// --- The rule ----------------------------------------------------------------------------

TEST(GamepadRule, OnlySingleMembersOfTheTableMeanACommand) {
    struct Row { GamepadStates States; GamepadCommand Command; };
    const Row rows[] = {
        {Set({PadLeft}), GamepadCommand::MoveLeft},
        {Set({PadUp}), GamepadCommand::MoveUp},
        {Set({PadRight}), GamepadCommand::MoveRight},
        {Set({PadDown}), GamepadCommand::MoveDown},
        {Set({PadButton(1)}), GamepadCommand::Undo},
        {Set({PadButton(2)}), GamepadCommand::Redo},
        {Set({}), GamepadCommand::None},
        {Set({PadLeft, PadUp}), GamepadCommand::None},
        {Set({PadButton(1), PadButton(2)}), GamepadCommand::None},
        {Set({PadRight, PadButton(1)}), GamepadCommand::None},
        {Set({PadButton(3)}), GamepadCommand::None},
        {Set({PadButton(32)}), GamepadCommand::None},
    };
    for (const Row& r : rows) EXPECT_EQ(CommandForStates(r.States), r.Command) << r.States;
}

TEST(GamepadRule, HeldStateActsAtOnceThenAfterFiveQuietPollsOnEveryPoll) {
    GamepadPollMemory m;
    const auto left = Set({PadLeft});
    std::vector<GamepadCommand> seen;
    for (int i = 0; i < 9; ++i) seen.push_back(StepGamepad(m, left));
    const auto L = GamepadCommand::MoveLeft, N = GamepadCommand::None;
    EXPECT_EQ(seen, (std::vector<GamepadCommand>{L, N, N, N, N, N, L, L, L}));

    // Letting go is a change too, and pressing again restarts the delay.
    EXPECT_EQ(StepGamepad(m, Set({})), N);
    EXPECT_EQ(m.RepeatCount, 0);
    EXPECT_EQ(StepGamepad(m, left), L);
    EXPECT_EQ(StepGamepad(m, left), N);
}

TEST(GamepadRule, RepeatCounterSaturatesInsteadOfWrapping) {
    GamepadPollMemory m;
    m.Previous = Set({PadButton(2)});
    m.RepeatCount = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(StepGamepad(m, Set({PadButton(2)})), GamepadCommand::Redo);
    EXPECT_EQ(m.RepeatCount, std::numeric_limits<std::int32_t>::max());
}

// --- The SDL reader on a virtual joystick -------------------------------------------------

class VirtualPad {
public:
    VirtualPad() {
        index_ = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, 32, 1);
        if (index_ >= 0) joystick_ = SDL_JoystickOpen(index_);
    }
    ~VirtualPad() { Detach(); }
    bool Ok() const { return joystick_ != nullptr; }
    void Axis(int axis, Sint16 value) { SDL_JoystickSetVirtualAxis(joystick_, axis, value); }
    void Button(int sdlButton, bool down) { SDL_JoystickSetVirtualButton(joystick_, sdlButton, down ? 1 : 0); }
    void Hat(Uint8 value) { SDL_JoystickSetVirtualHat(joystick_, 0, value); }
    void Centre() {
        Axis(0, 0);
        Axis(1, 0);
        Hat(SDL_HAT_CENTERED);
        for (int b = 0; b < 32; ++b) Button(b, false);
    }
    void Detach() {
        if (joystick_) SDL_JoystickClose(joystick_);
        joystick_ = nullptr;
        if (index_ >= 0) SDL_JoystickDetachVirtual(index_);
        index_ = -1;
    }

private:
    int index_ = -1;
    SDL_Joystick* joystick_ = nullptr;
};

class GamepadReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        reader_ = OpenGamepadReader();
        if (SDL_WasInit(SDL_INIT_JOYSTICK) == 0) GTEST_SKIP() << "no SDL joystick support";
        if (SDL_NumJoysticks() > 0) GTEST_SKIP() << "a real joystick is plugged in";
    }
    std::unique_ptr<GamepadReader> reader_;
};

TEST_F(GamepadReaderTest, AxesCountOnlyBeyondHalfWay) {
    VirtualPad pad;
    ASSERT_TRUE(pad.Ok()) << SDL_GetError();
    struct Row { int Axis; Sint16 Value; GamepadStates Expected; };
    const Row rows[] = {
        {0, -32768, Set({PadLeft})}, {0, 32767, Set({PadRight})},
        {0, -16385, Set({PadLeft})}, {0, -16384, Set({})},  // exactly half-way is not yet deflected
        {0, 16000, Set({})},         {0, 0, Set({})},
        {1, -32768, Set({PadUp})},   {1, 32767, Set({PadDown})},
        {1, 16385, Set({PadDown})},
    };
    for (const Row& r : rows) {
        pad.Centre();
        pad.Axis(r.Axis, r.Value);
        EXPECT_EQ(reader_->ReadStates(true), r.Expected) << "axis " << r.Axis << " = " << r.Value;
    }
}

TEST_F(GamepadReaderTest, ButtonsHatAndDiagonals) {
    VirtualPad pad;
    ASSERT_TRUE(pad.Ok()) << SDL_GetError();
    pad.Button(0, true);
    EXPECT_EQ(reader_->ReadStates(true), Set({PadButton(1)}));
    pad.Button(0, false);
    pad.Button(31, true);
    EXPECT_EQ(reader_->ReadStates(true), Set({PadButton(32)}));
    pad.Centre();
    pad.Hat(SDL_HAT_LEFT);
    EXPECT_EQ(reader_->ReadStates(true), Set({PadLeft}));
    pad.Hat(SDL_HAT_CENTERED);
    pad.Axis(0, -32768);
    pad.Axis(1, -32768);
    EXPECT_EQ(reader_->ReadStates(true), Set({PadLeft, PadUp}));
}

TEST_F(GamepadReaderTest, InactiveWindowSeesNothing) {
    VirtualPad pad;
    ASSERT_TRUE(pad.Ok()) << SDL_GetError();
    pad.Axis(0, 32767);
    EXPECT_EQ(reader_->ReadStates(false), Set({}));
    EXPECT_EQ(reader_->ReadStates(true), Set({PadRight}));
}

TEST_F(GamepadReaderTest, PadPluggedInOrPulledOutWhileRunning) {
    EXPECT_EQ(reader_->ReadStates(true), Set({}));
    {
        VirtualPad pad;
        ASSERT_TRUE(pad.Ok()) << SDL_GetError();
        pad.Button(1, true);
        EXPECT_EQ(reader_->ReadStates(true), Set({PadButton(2)}));
        pad.Detach();
        EXPECT_EQ(reader_->ReadStates(true), Set({}));
    }
    VirtualPad again;
    ASSERT_TRUE(again.Ok()) << SDL_GetError();
    again.Axis(1, 32767);
    EXPECT_EQ(reader_->ReadStates(true), Set({PadDown}));
}

// --- Whole polls on a real level ----------------------------------------------------------

class Recorder final : public Frontend {
public:
    std::vector<Sample> Samples;
    void DrawCell(int, int) override {}
    void PaintBoard() override {}
    void RefreshStatus() override {}
    void PlaySample(Sample s) override { Samples.push_back(s); }
    void SetHistoryBarRange(int, int) override {}
    void SetHistoryBarPosition(int) override {}
    void EnableHistoryBar(bool) override {}
    void StopReplayTimer() override {}
    bool AskQuestion(const std::string&) override { return false; }
    void ShowNotice(const std::string&) override {}
};

// The test's own pad: the states are set directly, as a reader would report them.
class ScriptedReader final : public GamepadReader {
public:
    GamepadStates Held;
    GamepadStates ReadStates(bool windowActive) override { return windowActive ? Held : GamepadStates{}; }
};

class GamepadPlay : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = fs::temp_directory_path() / ("w4pad_" + std::to_string(::getpid()) + "_" + info->name());
        fs::create_directories(dir_);
        // A corridor: the keeper can walk five cells right before the wall; one box to push up.
        std::ofstream(dir_ / "corridor.xsb") << "########\r\n"
                                                "#@     #\r\n"
                                                "#$ #####\r\n"
                                                "#. #\r\n"
                                                "####\r\n";
        g_.Playlist = {(dir_ / "corridor.xsb").string()};
        g_.LevelIndex = 0;
        g_.Now = [] { return DateTime{}; };
        LoadLevel(g_, ui_);
        RedrawBoard(g_, ui_);
        ASSERT_EQ(g_.KeeperX, 1);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    // Polls n times, as the 50 ms timer would; returns HistoryIndex after each poll.
    std::vector<int> Polls(int n, bool active = true) {
        std::vector<int> at;
        for (int i = 0; i < n; ++i) {
            PollGamepad(g_, ui_, pad_, memory_, active);
            at.push_back(g_.HistoryIndex);
        }
        return at;
    }

    fs::path dir_;
    GameState g_;
    Recorder ui_;
    ScriptedReader pad_;
    GamepadPollMemory memory_;
};

TEST_F(GamepadPlay, HeldStickStepsOnceWaitsThenStepsEveryPollUntilBlocked) {
    pad_.Held = Set({PadRight});
    EXPECT_EQ(Polls(12), (std::vector<int>{1, 1, 1, 1, 1, 1, 2, 3, 4, 5, 5, 5}));
    EXPECT_EQ(g_.KeeperX, 6);
    // The two polls against the wall are refused moves: each kicks.
    EXPECT_EQ(std::count(ui_.Samples.begin(), ui_.Samples.end(), Sample::Kick), 2);
}

TEST_F(GamepadPlay, DiagonalDoesNothing) {
    pad_.Held = Set({PadRight, PadDown});
    EXPECT_EQ(Polls(10), std::vector<int>(10, 0));
    EXPECT_TRUE(ui_.Samples.empty());
}

TEST_F(GamepadPlay, HeldUndoWalksBackToTheFirstSnapshotAndStops) {
    pad_.Held = Set({PadRight});
    Polls(9);  // 1 + 3 repeats: four steps
    ASSERT_EQ(g_.HistoryIndex, 4);
    pad_.Held = Set({PadButton(1)});
    EXPECT_EQ(Polls(12), (std::vector<int>{3, 3, 3, 3, 3, 3, 2, 1, 0, 0, 0, 0}));
    pad_.Held = Set({PadButton(2)});
    EXPECT_EQ(Polls(1), std::vector<int>{1});
}

TEST_F(GamepadPlay, EditorAndSolutionModesDoNotPoll) {
    pad_.Held = Set({PadRight});
    for (int mode : {ModeEditor, ModeSolution}) {
        g_.GameMode = mode;
        EXPECT_EQ(Polls(8), std::vector<int>(8, 0));
        EXPECT_EQ(memory_.Previous, Set({}));  // the poll memory is untouched too
    }
    g_.GameMode = ModePlay;
    EXPECT_EQ(Polls(1), std::vector<int>{1});  // back in play, the held stick is new: it acts
}

TEST_F(GamepadPlay, InactiveWindowSeesNothingAndAHeldStickActsOnReturn) {
    pad_.Held = Set({PadRight});
    EXPECT_EQ(Polls(1), std::vector<int>{1});
    EXPECT_EQ(Polls(3, false), (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(Polls(1), std::vector<int>{2});
}

TEST_F(GamepadPlay, SolvedLevelIgnoresThePadUntilTheNextLoad) {
    pad_.Held = Set({PadDown});
    EXPECT_EQ(Polls(1), std::vector<int>{1});  // pushes the box onto the target
    ASSERT_FALSE(g_.LevelInPlay);
    pad_.Held = Set({PadButton(1)});
    EXPECT_EQ(Polls(8), std::vector<int>(8, 1));
    EXPECT_EQ(memory_.Previous, Set({PadButton(1)}));  // polls still keep their memory

    LoadLevel(g_, ui_);
    RedrawBoard(g_, ui_);
    pad_.Held = Set({PadRight});
    EXPECT_EQ(Polls(1), std::vector<int>{1});
}

TEST_F(GamepadPlay, VirtualJoystickThroughTheSdlReader) {
    auto reader = OpenGamepadReader();
    if (SDL_WasInit(SDL_INIT_JOYSTICK) == 0 || SDL_NumJoysticks() > 0) GTEST_SKIP() << "no clean SDL joystick";
    VirtualPad pad;
    ASSERT_TRUE(pad.Ok()) << SDL_GetError();
    pad.Axis(0, 32767);
    std::vector<int> at;
    for (int i = 0; i < 8; ++i) {
        PollGamepad(g_, ui_, *reader, memory_, true);
        at.push_back(g_.HistoryIndex);
    }
    EXPECT_EQ(at, (std::vector<int>{1, 1, 1, 1, 1, 1, 2, 3}));
}

} // namespace
