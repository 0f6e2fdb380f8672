// The game model driven without any window: its decisions (what a level change keeps, what a
// quit asks), its events and the film it owns.
#include "core/fileio.h"
#include "core/folders.h"
#include "core/gamemodel.h"
#include "support/catalogue.h"
#include "core/snapshots.h"
#include "core/usokoban.h"
#include "recording_frontend.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace w4 {
namespace {

namespace fs = std::filesystem;
using test::ManualClock;
using test::RecordingFrontend;
using test::TempFolder;

const char* const Level =
    "######\n"
    "#@ $.#\n"
    "#    #\n"
    "######\n";

// The window's part: the core's reports go to the model, and a left attempt is kept as a
// snapshot; when that write fails, the scripted answer says whether to go on.
struct WindowStandIn : RecordingFrontend {
    GameModel* Model = nullptr;
    std::vector<std::string> Endings;   // "leave", "load", "quit"
    void RefreshStatus() override
    {
        RecordingFrontend::RefreshStatus();
        Model->PositionReported();
    }
    void LevelLoaded() override { Model->LevelReported(); }
    bool Keep(bool mayStay)
    {
        try {
            KeepAttempt(Model->State());
        } catch (const FileError&) {
            return !mayStay || AskQuestion("lose it ?");
        }
        return true;
    }
    bool AttemptEnding(bool mayStay) override
    {
        Endings.push_back(mayStay ? "leave" : "load");
        return Keep(mayStay);
    }
    bool AttemptEndingAtQuit() override
    {
        Endings.push_back("quit");
        return Keep(true);
    }
};

struct EventLog : GameEvents {
    std::vector<std::string> Told;
    void PositionChanged() override { Told.push_back("position"); }
    void ModeChanged() override { Told.push_back("mode"); }
    void FilmChanged() override { Told.push_back("film"); }
    void LevelChanged() override { Told.push_back("level"); }
    int Count(const std::string& event) const { return static_cast<int>(std::count(Told.begin(), Told.end(), event)); }
};

class GameModelTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ui.Model = &model;
        model.Listen(events);
        GameState& g = model.State();
        clock.Attach(g);
        model.ResetRun();
        first = folder.Write("a.xsb", Level);
        second = folder.Write("b.xsb", Level);
        g.Playlist = {first, second};
        ASSERT_TRUE(model.SetMode(ModePlay));
        ui.Clear();
        ui.Endings.clear();
        events.Told.clear();
    }
    void Play(const std::string& letters)
    {
        for (char c : letters)
            MoveByLetter(model.State(), ui, c);
    }
    void LockSnapshots()
    {
        WriteTextLines(SnapshotFilePath(first), {});
        fs::permissions(SnapshotFilePath(first), fs::perms::owner_read | fs::perms::group_read);
    }
    const GameState& G() const { return model.State(); }

    TempFolder folder;
    WindowStandIn ui;
    GameModel model{ui, folder.Path / "", PortableFolders(folder.Path / "")};
    EventLog events;
    ManualClock clock;
    std::string first, second;
};

TEST_F(GameModelTest, ALevelChangeKeepsTheAttemptOrStaysWhenThePlayerSaysSo)
{
    Play("rd");
    EXPECT_EQ(events.Count("position"), 2) << "each move is reported";

    // The attempt cannot be kept: No stays, with the attempt, level and events as they were.
    LockSnapshots();
    ui.Answers = {false};
    model.NextLevel();
    EXPECT_EQ(G().LevelIndex, 0);
    EXPECT_EQ(SolutionLetters(G()), "rd");
    EXPECT_EQ(events.Count("level"), 0);
    EXPECT_EQ(ui.Endings, (std::vector<std::string>{"leave"}));

    // Kept as a snapshot, asked once (the load does not ask again), then the level changes.
    fs::permissions(SnapshotFilePath(first), fs::perms::owner_write, fs::perm_options::add);
    ui.Clear();
    model.NextLevel();
    EXPECT_EQ(G().LevelIndex, 1);
    EXPECT_EQ(SolutionLetters(G()), "");
    ASSERT_EQ(ReadSnapshots(G(), first).size(), 1u);
    EXPECT_EQ(ReadSnapshots(G(), first).front().Letters, "rd");
    EXPECT_TRUE(ui.Questions.empty());
    EXPECT_EQ(ui.Endings, (std::vector<std::string>{"leave", "leave"}));
    EXPECT_EQ(events.Told.back(), "position") << "the load is drawn and reported";
    EXPECT_EQ(events.Count("level"), 1);
}

TEST_F(GameModelTest, AModeChangeThePlayerRefusesChangesNothing)
{
    Play("r");
    LockSnapshots();
    events.Told.clear();
    ui.Answers = {false};
    EXPECT_FALSE(model.SetMode(ModeEditor));
    EXPECT_EQ(G().GameMode, ModePlay);
    EXPECT_EQ(SolutionLetters(G()), "r");
    EXPECT_TRUE(events.Told.empty());

    ui.Answers = {true};
    EXPECT_TRUE(model.SetMode(9)) << "clamped";
    EXPECT_EQ(G().GameMode, ModeSolution);
    EXPECT_EQ(events.Told.front(), "mode") << "told before its level loads";
    EXPECT_EQ(events.Count("level"), 1);
}

TEST_F(GameModelTest, AQuitAsksFirstThenKeepsTheAttempt)
{
    Play("rd");
    // No to the quit question: the attempt is not even looked at.
    ui.Answers = {false};
    EXPECT_FALSE(model.ConfirmQuit());
    ASSERT_EQ(ui.Questions.size(), 1u);
    EXPECT_EQ(ui.Questions[0], "Do you really want to quit Warehaus4 ?");
    EXPECT_TRUE(ui.Endings.empty());

    // Yes, but the attempt cannot be kept and the player stays with it.
    LockSnapshots();
    ui.Answers = {true, false};
    EXPECT_FALSE(model.ConfirmQuit());
    EXPECT_EQ(ui.Endings, (std::vector<std::string>{"quit"}));
    EXPECT_EQ(SolutionLetters(G()), "rd");

    // Writable: Yes quits and the attempt is a snapshot.
    fs::permissions(SnapshotFilePath(first), fs::perms::owner_write, fs::perm_options::add);
    ui.Answers = {true};
    EXPECT_TRUE(model.ConfirmQuit());
    EXPECT_EQ(ReadSnapshots(G(), first).size(), 1u);

    // Files that could not be written are named in the last question; none: nothing asked.
    ui.Clear();
    EXPECT_TRUE(model.QuitWithoutSaving({}));
    EXPECT_TRUE(ui.Questions.empty());
    const w4::testing::CatalogueInForce french("fr");
    ui.Answers = {false};
    EXPECT_FALSE(model.QuitWithoutSaving({"/x/boxyard4.ini", "/x/boxyard4.lev"}));
    ASSERT_EQ(ui.Questions.size(), 1u);
    EXPECT_EQ(ui.Questions[0], "Quitter sans enregistrer ?\r\n(/x/boxyard4.ini, /x/boxyard4.lev)");
}

TEST_F(GameModelTest, TheFilmOnScreenIsTheModelsUntilTheNextLoad)
{
    ASSERT_TRUE(model.SetMode(ModeSolution));
    // A film on a board of its own: the keeper starts on the row below.
    FilmStart start{G().LevelWidth, G().LevelHeight, G().SnapshotHistory.front().Board};
    start.Board[1][1] = ' ';
    start.Board[2][2] = '@';
    events.Told.clear();
    model.ShowFilm("uR", 1, start);
    EXPECT_EQ(model.FilmLetters(), "uR");
    EXPECT_EQ(G().FilmPosition, 1);
    EXPECT_EQ(G().HistoryIndex, 1) << "the first letter played at once";
    EXPECT_EQ(test::RowAt(G(), 1), "# @$.#");
    EXPECT_EQ(events.Count("film"), 1);
    EXPECT_GT(model.FilmTick(), 0);
    EXPECT_EQ(test::RowAt(G(), 1), "#  @*#") << "pushed by the film's own letters";
    EXPECT_EQ(model.FilmTick(), 0) << "the film has ended";

    // Back to where, and on what board, it was shown from.
    model.RewindFilm();
    EXPECT_EQ(model.FilmLetters(), "uR");
    EXPECT_EQ(G().FilmPosition, 1);
    EXPECT_EQ(test::RowAt(G(), 1), "# @$.#");
    EXPECT_EQ(test::RowAt(G(), 2), "#    #");

    // Any load ends it: the stored solution is the film again.
    events.Told.clear();
    model.NextLevel();
    EXPECT_EQ(model.FilmLetters(), "");
    EXPECT_EQ(events.Count("film"), 1);
    EXPECT_EQ(events.Count("level"), 1);
}

} // namespace
} // namespace w4
