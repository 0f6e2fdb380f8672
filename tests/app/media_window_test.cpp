// The window's sound and gamepad: effects heard through SDL's disk audio driver (which writes
// the mixed output to a file, exact zeros for silence), the Music menu remembered across a quit,
// and the gamepad timer driven by SDL's virtual joystick.
#include "window_fixture.h"

#include "core/fileio.h"

#include <QAction>
#include <QPushButton>
#include <QSignalBlocker>

#include <SDL.h>

#include <cstdint>
#include <cstdlib>
#include <optional>

using namespace w4test;
namespace fs = std::filesystem;

namespace {

struct Output {
    std::uint64_t Frames = 0;
    std::uint64_t Energy = 0;   // sum of |sample|
    bool Silent() const { return Energy == 0; }
};

Output ReadOutput(const fs::path& path)
{
    const std::string bytes = ReadAll(path);
    Output o;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto s = static_cast<std::int16_t>(static_cast<unsigned char>(bytes[i]) |
                                                 (static_cast<unsigned char>(bytes[i + 1]) << 8));
        o.Energy += static_cast<std::uint64_t>(s < 0 ? -static_cast<int>(s) : s);
    }
    o.Frames = bytes.size() / 4;   // S16LE stereo
    return o;
}

bool HasLine(const std::string& text, const std::string& line)
{
    for (const std::string& l : w4::SplitTextLines(text))
        if (l == line)
            return true;
    return false;
}

class MediaWindowTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        if (const char* driver = std::getenv("SDL_AUDIODRIVER"))
            savedDriver = driver;
        fs::create_directories(folder / "sounds" / "Warehaus4");
        for (const char* f : {"kick.wav", "move.wav", "push.wav", "win.wav"})
            fs::copy_file(fs::path(W4_SOURCE_DIR) / "sounds" / "Warehaus4" / f, folder / "sounds" / "Warehaus4" / f);
        CopyLevels({"0101"});
    }

    void TearDown() override
    {
        WindowTest::TearDown();
        if (savedDriver)
            ::setenv("SDL_AUDIODRIVER", savedDriver->c_str(), 1);
        else
            ::unsetenv("SDL_AUDIODRIVER");
        ::unsetenv("SDL_DISKAUDIOFILE");
    }

    // The next window's sound goes to a file in the program folder.
    fs::path UseDiskAudio(const std::string& name)
    {
        const fs::path out = folder / name;
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
        ::setenv("SDL_DISKAUDIOFILE", out.string().c_str(), 1);
        return out;
    }

    // The default music module where the settings look for it.
    void InstallDefaultMusic()
    {
        fs::create_directories(folder / "musics");
        fs::copy_file(fs::path(W4_SOURCE_DIR) / "musics" / "boxyard4.s3m", folder / "musics" / "boxyard4.s3m");
    }

    void Menu(const char* name)
    {
        QAction* item = window->MenuItem(QString::fromLatin1(name));
        ASSERT_NE(item, nullptr) << name;
        item->trigger();
    }

    // File > Quit answered Yes: settings written, sound closed (which ends the disk file).
    void Quit()
    {
        dialogs.Answers.push_back(true);
        Menu("MNUFileQuit");
        ASSERT_FALSE(window->isVisible());
        window.reset();
    }

    // Lets the effects in flight finish (bounded), then a little more output.
    void DrainEffects()
    {
        (void)QTest::qWaitFor([this] { return !window->SoundOutput().IsSamplePlaying(); }, 1500);
        QTest::qWait(60);
    }

    const w4::SoundSystem& Sound() const { return window->SoundOutput(); }

    std::optional<std::string> savedDriver;
};

// --- Effects --------------------------------------------------------------------------------

TEST_F(MediaWindowTest, SoundsEnabledFromTheMenuMakeAStepAndAPushHeard)
{
    const fs::path out = UseDiskAudio("enabled.raw");
    Start();   // no settings file: effects off
    ASSERT_FALSE(G().SoundsEnabled);
    ASSERT_TRUE(Sound().HasSample(w4::Sample::Push)) << "the disk audio driver did not open";

    Menu("MNUSoundsEnabled");
    EXPECT_TRUE(G().SoundsEnabled);
    Key(Qt::Key_Down);    // a step
    Key(Qt::Key_Right);   // pushes the box
    ASSERT_EQ(G().HistoryIndex, 2);
    ASSERT_EQ(G().SnapshotHistory[2].Pushes, 1);
    DrainEffects();
    Quit();

    const Output o = ReadOutput(out);
    EXPECT_GT(o.Frames, 0u);
    EXPECT_FALSE(o.Silent());
    EXPECT_TRUE(HasLine(ReadAll(folder / "boxyard4.ini"), "Enabled=1"));
}

TEST_F(MediaWindowTest, SoundsDisabledFromThePopUpMenuKeepStepsPushesAndKicksSilent)
{
    WriteSettings("[SOUNDS]\r\nEnabled=1\r\n");
    const fs::path out = UseDiskAudio("disabled.raw");
    Start();
    ASSERT_TRUE(G().SoundsEnabled);
    ASSERT_TRUE(Sound().HasSample(w4::Sample::Kick)) << "the disk audio driver did not open";

    Menu("POPSoundsDisabled");
    EXPECT_FALSE(G().SoundsEnabled);
    Key(Qt::Key_Left);    // refused: the kick
    Key(Qt::Key_Down);
    Key(Qt::Key_Right);
    ASSERT_EQ(G().HistoryIndex, 2);
    QTest::qWait(150);
    Quit();

    const Output o = ReadOutput(out);
    EXPECT_GT(o.Frames, 0u);   // the device ran; it only wrote silence
    EXPECT_TRUE(o.Silent());
    EXPECT_TRUE(HasLine(ReadAll(folder / "boxyard4.ini"), "Enabled=0"));
}

// --- Music ------------------------------------------------------------------------------------

TEST_F(MediaWindowTest, MusicLoadPlaysTheChosenModuleAndIsRememberedAcrossAQuit)
{
    fs::create_directories(folder / "tunes");
    const fs::path tune = folder / "tunes" / "song.s3m";
    fs::copy_file(fs::path(W4_SOURCE_DIR) / "musics" / "boxyard4.s3m", tune);
    Start();
    const std::string defaultMusic = G().MusicFileName;
    EXPECT_FALSE(Sound().IsMusicPlaying());

    // Cancel changes nothing.
    Menu("MNUMusicLoad");
    EXPECT_EQ(G().MusicFileName, defaultMusic);
    EXPECT_FALSE(G().MusicAutoPlay);
    EXPECT_FALSE(Sound().IsMusicPlaying());

    dialogs.Musics = {QString::fromStdString(tune.string())};
    Menu("MNUMusicLoad");
    EXPECT_EQ(G().MusicFileName, tune.string());
    EXPECT_TRUE(G().MusicAutoPlay);
    EXPECT_TRUE(Sound().HasMusicModule());
    EXPECT_TRUE(Sound().IsMusicPlaying());
    Quit();

    const std::string ini = ReadAll(folder / "boxyard4.ini");
    EXPECT_TRUE(HasLine(ini, "FileName=" + tune.string())) << ini;
    EXPECT_TRUE(HasLine(ini, "AutoPlay=1")) << ini;

    Start();
    EXPECT_EQ(G().MusicFileName, tune.string());
    EXPECT_TRUE(Sound().IsMusicPlaying());
}

TEST_F(MediaWindowTest, RejectedMusicFileStopsTheOldMusicAndLeavesNothingToPlay)
{
    InstallDefaultMusic();
    WriteSettings("[MUSIC]\r\nAutoPlay=1\r\n");
    const fs::path bad = folder / "notmusic.xm";
    WriteAll(bad, "this is no module\r\n");
    Start();
    ASSERT_TRUE(Sound().IsMusicPlaying());

    dialogs.Musics = {QString::fromStdString(bad.string())};
    Menu("MNUMusicLoad");
    EXPECT_FALSE(Sound().HasMusicModule());
    EXPECT_FALSE(Sound().IsMusicPlaying());

    Menu("MNUMusicPlay");
    EXPECT_TRUE(G().MusicAutoPlay);
    EXPECT_FALSE(Sound().IsMusicPlaying());
}

TEST_F(MediaWindowTest, MusicStoppedBeforeQuitStaysOffAtTheNextStartUntilPlay)
{
    InstallDefaultMusic();
    WriteSettings("[MUSIC]\r\nAutoPlay=1\r\n");
    Start();
    ASSERT_TRUE(Sound().IsMusicPlaying());

    Menu("POPMusicStop");
    EXPECT_FALSE(G().MusicAutoPlay);
    EXPECT_FALSE(Sound().IsMusicPlaying());
    Quit();
    EXPECT_TRUE(HasLine(ReadAll(folder / "boxyard4.ini"), "AutoPlay=0"));

    Start();
    EXPECT_FALSE(G().MusicAutoPlay);
    EXPECT_TRUE(Sound().HasMusicModule());   // loaded, but not started
    EXPECT_FALSE(Sound().IsMusicPlaying());

    // Play starts the default module.
    Menu("MNUMusicPlay");
    EXPECT_TRUE(G().MusicAutoPlay);
    EXPECT_TRUE(Sound().IsMusicPlaying());
}

TEST_F(MediaWindowTest, DefaultMusicIsAudibleWhenAutoPlayWasOnAtTheLastQuit)
{
    InstallDefaultMusic();
    WriteSettings("[MUSIC]\r\nAutoPlay=1\r\n");
    const fs::path out = UseDiskAudio("music.raw");
    Start();
    QTest::qWait(300);
    Quit();
    EXPECT_FALSE(ReadOutput(out).Silent());
}

// --- Gamepad ----------------------------------------------------------------------------------

class VirtualPad {
public:
    VirtualPad()
    {
        index_ = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 2, 32, 0);
        if (index_ >= 0)
            joystick_ = SDL_JoystickOpen(index_);
    }
    ~VirtualPad()
    {
        if (joystick_)
            SDL_JoystickClose(joystick_);
        if (index_ >= 0)
            SDL_JoystickDetachVirtual(index_);
    }
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    bool Ok() const { return joystick_ != nullptr; }
    void Stick(Sint16 x, Sint16 y)
    {
        SDL_JoystickSetVirtualAxis(joystick_, 0, x);
        SDL_JoystickSetVirtualAxis(joystick_, 1, y);
    }
    void Button(int sdlButton, bool down) { SDL_JoystickSetVirtualButton(joystick_, sdlButton, down ? 1 : 0); }

private:
    int index_ = -1;
    SDL_Joystick* joystick_ = nullptr;
};

class GamepadWindowTest : public MediaWindowTest {
protected:
    void StartWithPad()
    {
        Start();
        // The gamepad opens once the window is up, in the event loop's next turns.
        if (!QTest::qWaitFor([] { return SDL_WasInit(SDL_INIT_JOYSTICK) != 0; }, 3000))
            GTEST_SKIP() << "no SDL joystick support";
        if (SDL_NumJoysticks() > 0)
            GTEST_SKIP() << "a real joystick is plugged in";
        pad = std::make_unique<VirtualPad>();
        ASSERT_TRUE(pad->Ok()) << SDL_GetError();
        Activate(window.get());
        ASSERT_TRUE(window->isActiveWindow());
    }

    static void Activate(QWidget* widget)
    {
        widget->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(widget));
    }

    // One tick as the timer delivers it: under the window's error handler.
    void Tick(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            window->Guarded([this] { window->TMRGamepadTimer(); });
    }

    std::unique_ptr<VirtualPad> pad;
};

TEST_F(GamepadWindowTest, TimerRunsFromCreationAndItsTicksMoveTheKeeper)
{
    StartWithPad();
    if (IsSkipped() || HasFatalFailure())
        return;
    EXPECT_TRUE(window->TMRGamepad->isActive());
    EXPECT_EQ(window->TMRGamepad->interval(), 50);

    pad->Stick(0, 32767);   // down
    ASSERT_TRUE(QTest::qWaitFor([this] { return G().HistoryIndex >= 1; }, 3000));
    EXPECT_EQ(G().SnapshotHistory[0].MoveLetter, 'd');   // a move's letter is kept where it started
    pad->Stick(0, 0);
}

TEST_F(GamepadWindowTest, StickStepsAndPushesButtonsUndoAndRedo)
{
    StartWithPad();
    if (IsSkipped() || HasFatalFailure())
        return;
    const QSignalBlocker quiet(window->TMRGamepad);   // only this test's ticks poll

    pad->Stick(0, 32767);
    Tick();
    pad->Stick(0, 0);
    Tick();
    pad->Stick(32767, 0);
    Tick();
    pad->Stick(0, 0);
    Tick();
    ASSERT_EQ(G().HistoryIndex, 2);
    EXPECT_EQ(G().SnapshotHistory[0].MoveLetter, 'd');
    EXPECT_EQ(G().SnapshotHistory[1].MoveLetter, 'R');
    EXPECT_EQ(G().KeeperX, 3);
    EXPECT_EQ(G().KeeperY, 4);
    EXPECT_EQ(Status(2), "Move=2/2");
    EXPECT_TRUE(window->TMRGamepad->isActive());   // restarted after each poll

    pad->Button(0, true);   // button 1: undo
    Tick();
    pad->Button(0, false);
    Tick();
    EXPECT_EQ(G().HistoryIndex, 1);
    pad->Button(1, true);   // button 2: redo
    Tick();
    pad->Button(1, false);
    EXPECT_EQ(G().HistoryIndex, 2);

    // Two buttons at once mean nothing.
    pad->Button(0, true);
    pad->Button(1, true);
    Tick(8);
    EXPECT_EQ(G().HistoryIndex, 2);
}

TEST_F(GamepadWindowTest, EditorAndSolutionModesDoNotReadThePad)
{
    StartWithPad();
    if (IsSkipped() || HasFatalFailure())
        return;
    const QSignalBlocker quiet(window->TMRGamepad);
    for (QPushButton* mode : {window->BTNEditor, window->BTNSolution}) {
        mode->click();
        ASSERT_NE(G().GameMode, w4::ModePlay);
        const w4::BoardGrid before = G().SnapshotHistory[0].Board;
        pad->Stick(0, 32767);
        Tick(8);   // past the repeat delay
        EXPECT_EQ(G().HistoryIndex, 0) << G().GameMode;
        EXPECT_EQ(G().HistoryLength, 1) << G().GameMode;
        EXPECT_EQ(G().SnapshotHistory[0].Board, before) << G().GameMode;
        EXPECT_TRUE(window->TMRGamepad->isActive());
        pad->Stick(0, 0);
    }

    // Back in Play, the stick held all along counts as new and acts at once.
    pad->Stick(0, 32767);
    window->BTNPlay->click();
    Tick();
    EXPECT_EQ(G().HistoryIndex, 1);
}

TEST_F(GamepadWindowTest, AnotherActiveWindowHidesThePadUntilTheGameIsActiveAgain)
{
    StartWithPad();
    if (IsSkipped() || HasFatalFailure())
        return;
    const QSignalBlocker quiet(window->TMRGamepad);
    QWidget other;
    other.resize(200, 100);
    other.show();
    Activate(&other);
    ASSERT_FALSE(window->isActiveWindow());

    pad->Stick(0, 32767);
    Tick(8);
    EXPECT_EQ(G().HistoryIndex, 0);

    Activate(window.get());
    Tick();
    EXPECT_EQ(G().HistoryIndex, 1);   // a held stick is a new state on return
    Tick();
    EXPECT_EQ(G().HistoryIndex, 1);   // then waits for the repeat delay
}

TEST_F(GamepadWindowTest, AFailedSolutionWriteDoesNotStopThePad)
{
    CopyLevels({"0102"});
    WritePlaylist({LevelPath("0101"), LevelPath("0102")});
    // A folder where the solution file would go: storing the solution fails.
    fs::create_directories(folder / "levels" / "0101.XHT");
    StartWithPad();
    if (IsSkipped() || HasFatalFailure())
        return;
    const QSignalBlocker quiet(window->TMRGamepad);

    dialogs.Answers = {true};   // store the solution
    const std::string solution = SolveLevel(LevelPath("0101"));
    ASSERT_FALSE(solution.empty());
    for (char c : solution) {
        pad->Stick(0, 0);   // let go between moves, so each is a new state
        Tick();
        const Sint16 full = 32767;
        switch (c) {
        case 'l': case 'L': pad->Stick(-full, 0); break;
        case 'r': case 'R': pad->Stick(full, 0); break;
        case 'u': case 'U': pad->Stick(0, -full); break;
        case 'd': case 'D': pad->Stick(0, full); break;
        default: break;
        }
        Tick();
    }
    // The last tick ended in the error; the timer still runs.
    ASSERT_EQ(dialogs.Errors.size(), 1);
    EXPECT_TRUE(dialogs.Errors[0].contains("0101.XHT")) << dialogs.Errors[0].toStdString();
    EXPECT_TRUE(window->TMRGamepad->isActive());
}

} // namespace
