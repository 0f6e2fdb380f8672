// Nothing the player reached is lost, on the real window: every command that would leave an
// attempt that cannot be kept says why and asks, and No changes nothing; Restore and Resume
// Attempt ask before they drop the editor's unsaved drawing; the attempt in progress is on disk
// shortly after its last move and comes back after the program was killed.
#include "app/snapshots/endsignals.h"
#include "app/snapshots/fsnapshots.h"
#include "app/snapshots/snapshots.h"
#include "core/fileio.h"
#include "core/recovery.h"
#include "core/snapshots.h"
#include "core/ulevel.h"
#include "window_fixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QTableWidget>

#include <csignal>
#include <functional>
#include <tuple>

namespace w4test {
namespace {

namespace fs = std::filesystem;

class AttemptKeptWindowTest : public WindowTest {
protected:
    void StartOnTwoLevels()
    {
        CopyLevels({"0101", "0102"});
        WritePlaylist({LevelPath("0101"), LevelPath("0102")});
        Start();
    }
    std::string SnapshotsOf(const std::string& level) const { return w4::SnapshotFilePath(LevelPath(level)); }
    // The level's snapshot file holds `held` and cannot be written.
    void LockSnapshots(const std::string& level, const std::vector<w4::Snapshot>& held)
    {
        w4::WriteTextLines(SnapshotsOf(level), w4::SnapshotFileLines(held));
        fs::permissions(SnapshotsOf(level), fs::perms::owner_read | fs::perms::group_read);
    }
    std::vector<w4::Snapshot> Kept(const std::string& level) { return w4::ReadSnapshots(G(), LevelPath(level)); }
    std::optional<w4::AttemptRecord> Recovery() { return w4::ReadRecoveryFile(G()); }
    static bool WaitFor(const std::function<bool()>& done) { return QTest::qWaitFor(done, 30000); }
    void Next() { Key(Qt::Key_PageDown, Qt::ControlModifier); }
    void Prior() { Key(Qt::Key_PageUp, Qt::ControlModifier); }
};

w4::Snapshot Held(const std::string& letters, std::int32_t position, bool automatic)
{
    w4::Snapshot s;
    s.Letters = letters;
    s.Position = position;
    s.Automatic = automatic;
    s.Name = automatic ? "" : "held";
    return s;
}

// The fault as it was: with NAME.snapshots.sok read-only, two moves and the next level showed
// the error, changed the level anyway, and Resume Attempt then found nothing.
TEST_F(AttemptKeptWindowTest, AnAttemptThatCannotBeKeptIsLeftOnlyWhenThePlayerSaysSo)
{
    CopyLevels({"0101", "0102"});
    LockSnapshots("0101", {Held("rr", 1, false), Held("r", 1, true)});
    WritePlaylist({LevelPath("0101"), LevelPath("0102")});
    Start();
    Play("rrl");
    const std::string pasted = (folder / "pasted.xsb").string();
    const std::string made = (folder / "new.xsb").string();
    const std::string collection = (folder / "more.sok").string();
    WriteAll(collection, "More\r\n#####\r\n#@$.#\r\n#####\r\n");
    auto* play = window->findChild<QPushButton*>(QStringLiteral("BTNPlay"));
    ASSERT_NE(play, nullptr);

    const std::vector<std::pair<const char*, std::function<void()>>> commands = {
        {"next level", [&] { Next(); }},
        {"reload", [&] { Key(Qt::Key_Return, Qt::ControlModifier); }},
        {"editor", [&] { window->findChild<QPushButton*>(QStringLiteral("BTNEditor"))->click(); }},
        {"solution", [&] { window->findChild<QPushButton*>(QStringLiteral("BTNSolution"))->click(); }},
        {"levels window", [&] { w4::GoToLevel(G(), *window, 1); }},
        {"close", [&] { window->MNUFileCloseClick(); }},
        {"empty playlist", [&] { dialogs.Answers.push_front(true); window->MNUFileEmptyPlaylistClick(); }},
        {"default playlist", [&] { dialogs.Answers.push_front(true); window->MNUFileDefaultPlaylistClick(); }},
        {"open", [&] {
             now += std::chrono::seconds(10);
             dialogs.FilesToOpen.push_back({QString::fromStdString(LevelPath("0102"))});
             window->MNUFileOpenClick();
         }},
        {"dropped file", [&] { window->FormDropFiles({QFile::encodeName(QString::fromStdString(LevelPath("0102")))}); }},
        {"new level", [&] {
             dialogs.Answers.push_front(true);
             dialogs.FileToSave.push_back(QString::fromStdString(made));
             window->MNUFileNewClick();
         }},
        {"paste level", [&] {
             QGuiApplication::clipboard()->setText(QStringLiteral("#####\n#@$.#\n#####\n"));
             dialogs.FileToSave.push_back(QString::fromStdString(pasted));
             window->MNUFilePasteLevelClick();
         }},
        {"import", [&] {
             dialogs.FileToOpen.push_back(QString::fromStdString(collection));
             dialogs.Folders.push_back(QString::fromStdString((folder / "more").string()));
             window->MNUFileImportCollectionClick();
         }},
        {"resume attempt", [&] { Key(Qt::Key_F9); }},
        {"restore", [&] {
             Key(Qt::Key_F6);
             TFRMSnapshots* list = window->SnapshotCommands().Window();
             list->SelectRow(0);
             QTest::keyClick(list->GRDSnapshots, Qt::Key_Return);
         }},
    };
    for (const auto& [name, command] : commands) {
        SCOPED_TRACE(name);
        const auto errors = dialogs.Errors.size();
        dialogs.Answers.push_back(false);
        command();
        EXPECT_TRUE(dialogs.Answers.empty());
        ASSERT_EQ(dialogs.Errors.size(), errors + 1);
        EXPECT_TRUE(dialogs.Errors.back().contains(QString::fromStdString(SnapshotsOf("0101"))));
        EXPECT_EQ(dialogs.Questions.back(), QStringLiteral("Go on and lose the attempt ?"));
        EXPECT_EQ(G().LevelIndex, 0);
        EXPECT_EQ(G().Playlist.size(), 2u);
        EXPECT_EQ(G().GameMode, w4::ModePlay);
        EXPECT_TRUE(play->isChecked());
        EXPECT_EQ(w4::SolutionLetters(G()), "rrl");
        EXPECT_EQ(G().HistoryIndex, 3);
    }
    EXPECT_FALSE(fs::exists(pasted));
    EXPECT_FALSE(fs::exists(made));
    EXPECT_FALSE(fs::exists(folder / "more" / "001 More.xsb"));

    // Quitting: No to losing it keeps the window open; Yes goes on, asked once.
    dialogs.Answers = {true, false};
    window->close();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(dialogs.Questions.back(), QStringLiteral("Quit and lose the attempt ?"));
    dialogs.Answers = {true};
    const auto questions = dialogs.Questions.size();
    Next();
    EXPECT_EQ(G().LevelIndex, 1);
    EXPECT_EQ(dialogs.Questions.size(), questions + 1);
}

TEST_F(AttemptKeptWindowTest, CommandsThatLeaveAnAttemptKeepItFirst)
{
    StartOnTwoLevels();
    const std::vector<std::tuple<const char*, const char*, std::function<void()>>> commands = {
        {"close", "rr", [&] { window->MNUFileCloseClick(); }},
        {"default playlist", "d", [&] { dialogs.Answers = {true}; window->MNUFileDefaultPlaylistClick(); }},
        {"resume attempt", "rrl", [&] { Key(Qt::Key_F9); }},
    };
    std::size_t kept = 0;
    for (const auto& [name, letters, command] : commands) {
        SCOPED_TRACE(name);
        G().Playlist = {LevelPath("0101"), LevelPath("0102")};
        G().LevelIndex = 0;
        window->BTNLevelRetryClick();
        Play(letters);
        command();
        ASSERT_EQ(Kept("0101").size(), ++kept);
        EXPECT_EQ(Kept("0101").back().Letters, letters);
    }
    EXPECT_TRUE(dialogs.Errors.isEmpty());
}

TEST_F(AttemptKeptWindowTest, RestoreAndResumeAskBeforeDroppingUnsavedDrawing)
{
    StartOnTwoLevels();
    Play("r");
    Next();
    Prior();
    window->BTNEditorClick();
    w4::BoardGrid& drawn = G().SnapshotHistory.front().Board;
    drawn[1][1] = drawn[1][1] == '#' ? ' ' : '#';
    const w4::BoardGrid drawing = drawn;

    dialogs.Answers = {false};
    window->MNUToolsResumeAttemptClick();   // F9 belongs to Play mode; the menu item is there
    ASSERT_FALSE(dialogs.Questions.isEmpty());
    EXPECT_TRUE(dialogs.Questions.back().startsWith(QStringLiteral("The level has unsaved changes.")));
    Key(Qt::Key_F6);
    TFRMSnapshots* list = window->SnapshotCommands().Window();
    list->SelectRow(0);
    QTest::keyClick(list->GRDSnapshots, Qt::Key_Return);
    EXPECT_EQ(dialogs.Questions.size(), 2);
    EXPECT_EQ(G().GameMode, w4::ModeEditor);
    EXPECT_TRUE(G().SnapshotHistory.front().Board == drawing);

    dialogs.Answers = {true};
    window->MNUToolsResumeAttemptClick();
    EXPECT_EQ(G().GameMode, w4::ModePlay);
    EXPECT_EQ(w4::SolutionLetters(G()), "r");
}

TEST_F(AttemptKeptWindowTest, WatchingAnOptimizedSolutionAsksBeforeDroppingUnsavedDrawing)
{
    WriteAll(LevelPath("opt"), "#######\r\n#     #\r\n#@$  .#\r\n#     #\r\n#######\r\n");
    WriteAll(folder / "levels" / "opt.XHT", "udRudRlrR\r\n");
    WritePlaylist({LevelPath("opt")});
    Start();
    window->BTNEditorClick();
    w4::BoardGrid& drawn = G().SnapshotHistory.front().Board;
    drawn[3][1] = '#';
    const w4::BoardGrid drawing = drawn;

    for (const bool drop : {false, true}) {
        SCOPED_TRACE(drop ? "dropped" : "kept");
        dialogs.Questions.clear();
        dialogs.Answers = {true, false, drop};   // watch it; do not keep it; drop the drawing?
        window->MNUToolsOptimizeSolutionClick();
        QTRY_VERIFY_WITH_TIMEOUT(!window->AssistBusy(), 120000);
        ASSERT_EQ(dialogs.Questions.size(), 3) << dialogs.Questions.join(QStringLiteral(" | ")).toStdString();
        EXPECT_TRUE(dialogs.Questions[2].startsWith(QStringLiteral("The level has unsaved changes.")));
        EXPECT_EQ(G().GameMode, drop ? w4::ModeSolution : w4::ModeEditor);
        if (!drop) {
            EXPECT_TRUE(G().SnapshotHistory.front().Board == drawing);
        }
    }
}

TEST_F(AttemptKeptWindowTest, TheAttemptInProgressIsOnDiskAfterAPauseAndComesBackAfterAKill)
{
    StartOnTwoLevels();
    Play("rr");
    ASSERT_TRUE(WaitFor([&] { return Recovery() && Recovery()->Attempt.Letters == "rr"; }));
    EXPECT_EQ(Recovery()->Level, LevelPath("0101"));
    EXPECT_TRUE(Kept("0101").empty());   // the snapshots are not touched while playing
    Key(Qt::Key_Backspace);
    ASSERT_TRUE(WaitFor([&] { return Recovery() && Recovery()->Attempt.Position == 1; }));

    Next();                                // kept as a snapshot: the recovery file goes
    EXPECT_TRUE(WaitFor([&] { return !fs::exists(w4::RecoveryFilePath(G())); }));
    ASSERT_EQ(Kept("0101").size(), 1u);
    Prior();
    Play("d");
    ASSERT_TRUE(WaitFor([&] { return Recovery() && Recovery()->Attempt.Letters == "d"; }));

    window.reset();                        // killed: no quit, nothing more written
    Start();
    EXPECT_FALSE(fs::exists(w4::RecoveryFilePath(G())));
    ASSERT_EQ(Kept("0101").size(), 2u);
    Key(Qt::Key_F9);
    EXPECT_EQ(w4::SolutionLetters(G()), "d");
    EXPECT_EQ(G().HistoryIndex, 1);
    EXPECT_TRUE(dialogs.Errors.isEmpty());
}

TEST_F(AttemptKeptWindowTest, EndingWithoutTheQuitQuestionWritesTheAttemptAtOnceAndNoSettings)
{
    StartOnTwoLevels();
    Play("rr");
    window->KeepAttemptInProgress();       // what a signal or the log-out runs
    ASSERT_TRUE(Recovery());
    EXPECT_EQ(Recovery()->Attempt.Letters, "rr");
    EXPECT_FALSE(fs::exists(folder / "boxyard4.ini"));

    // The signal reaches the event loop through the pipe, not inside its handler.
    int received = 0;
    {
        QObject owner;
        w4::WatchEndSignals(&owner, [&received](int signal) { received = signal; });
        std::raise(SIGTERM);
        EXPECT_TRUE(WaitFor([&] { return received == SIGTERM; }));
    }
}

} // namespace
} // namespace w4test
