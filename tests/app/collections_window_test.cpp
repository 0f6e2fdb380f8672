// Collections and the clipboard on the real main window: File > Import Collection and Export
// Playlist with scripted dialogs, and Ctrl+C / Ctrl+V through the offscreen platform's clipboard.
#include "window_fixture.h"

#include "core/collection.h"
#include "core/usokoban.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>

using namespace w4test;

namespace {

QString Clipboard() { return QGuiApplication::clipboard()->text(); }
void SetClipboard(const QString& text) { QGuiApplication::clipboard()->setText(text); }

// Two good levels (the first with a solution, the second with one that fails), and one
// board without a keeper.
const std::string Sample = "Collection: Sample\r\n\r\n"
                           "Opening\r\n#####\r\n#@$.#\r\n#####\r\nSolution\r\nR\r\n\r\n"
                           "Second: the hard one\r\n######\r\n#@ $.#\r\n######\r\nSolution: ll\r\n\r\n"
                           "Empty\r\n#####\r\n# $.#\r\n#####\r\n";

class CollectionsWindowTest : public WindowTest {
protected:
    void StartWith(const std::vector<std::string>& levels)
    {
        WritePlaylist(levels);
        Start();
    }
    std::string Folder(const std::string& name) const { return (folder / name).string(); }
};

TEST_F(CollectionsWindowTest, ImportWritesEachLevelAndOnlyTheValidSolutionsThenShowsTheFirst)
{
    CopyLevels({"0101"});
    StartWith({LevelPath("0101")});
    const std::string file = Folder("sample.sok");
    WriteAll(file, Sample);
    const std::string target = Folder("sample");

    dialogs.FileToOpen.push_back(QString::fromStdString(file));
    dialogs.Folders.push_back(QString::fromStdString(target));
    window->MenuItem("MNUFileImportCollection")->trigger();

    // The chooser opened on a new folder named after the collection, beside it.
    ASSERT_EQ(dialogs.FolderStarts.size(), 1);
    EXPECT_EQ(dialogs.FolderStarts[0].toStdString(), target);
    const std::string first = target + "/001 Opening.xsb";
    const std::string second = target + "/002 Second the hard one.xsb";
    EXPECT_EQ(ReadAll(first), "#####\r\n#@$.#\r\n#####\r\nTitle: Opening\r\nCollection: Sample\r\n");
    EXPECT_EQ(ReadAll(w4::SolutionFilePath(first)), "R\r\n");
    EXPECT_TRUE(std::filesystem::exists(second));
    EXPECT_FALSE(std::filesystem::exists(w4::SolutionFilePath(second)));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(target), std::filesystem::directory_iterator()), 3);

    ASSERT_EQ(G().Playlist.size(), 3u);
    EXPECT_EQ(G().Playlist[1], first);
    EXPECT_EQ(G().Playlist[2], second);
    EXPECT_EQ(G().LevelIndex, 1);
    EXPECT_EQ(G().LevelHeader[w4::Title], "Opening");
    EXPECT_EQ(G().StoredSolution, "R");

    ASSERT_EQ(dialogs.Notices.size(), 1);
    const QString summary = dialogs.Notices[0];
    EXPECT_TRUE(summary.startsWith("2 levels imported, 1 with solutions, 1 skipped")) << summary.toStdString();
    EXPECT_TRUE(summary.contains("Level 2 (Second: the hard one), line 14: the solution fails at move 1"))
        << summary.toStdString();
    EXPECT_TRUE(summary.contains("Level 3 (Empty), line 17: the board has no keeper")) << summary.toStdString();
    EXPECT_TRUE(dialogs.Errors.isEmpty());
}

TEST_F(CollectionsWindowTest, ImportRefusesATooLargeFileNamingItsSizeRatherThanCuttingIt)
{
    CopyLevels({"0101"});
    StartWith({LevelPath("0101")});
    // A level, then a hole far past what a collection may hold (sparse: no disk is used).
    const std::string file = Folder("huge.sok");
    WriteAll(file, Sample);
    std::filesystem::resize_file(file, w4::MaxCollectionBytes + (std::uintmax_t(1) << 20));
    dialogs.FileToOpen.push_back(QString::fromStdString(file));
    window->MenuItem("MNUFileImportCollection")->trigger();

    EXPECT_TRUE(dialogs.FolderStarts.isEmpty());
    ASSERT_EQ(dialogs.Notices.size(), 1);
    EXPECT_EQ(dialogs.Notices[0].toStdString(),
              "The file " + file + " is 129.0 MiB, more than a collection may hold (128.0 MiB): it was not read.");
    EXPECT_EQ(G().Playlist.size(), 1u);
}

TEST_F(CollectionsWindowTest, ImportNeverReplacesFilesWithoutAsking)
{
    CopyLevels({"0101"});
    StartWith({LevelPath("0101")});
    const std::string file = Folder("sample.txt");
    WriteAll(file, Sample);
    const std::string target = Folder("chosen");
    std::filesystem::create_directories(target);
    const std::string mine = target + "/001 Opening.xsb";
    WriteAll(mine, "my own level\r\n");
    // A solution of an older level 2: it would be loaded for the new one, so it is asked about.
    const std::string stale = target + "/002 Second the hard one.XHT";
    WriteAll(stale, "r\r\n");

    // French, and answered No: nothing written, nothing added.
    window->BTNFrancais->click();
    dialogs.FileToOpen.push_back(QString::fromStdString(file));
    dialogs.Folders.push_back(QString::fromStdString(target));
    dialogs.Answers.push_back(false);
    window->MenuItem("MNUFileImportCollection")->trigger();
    ASSERT_EQ(dialogs.Questions.size(), 1);
    EXPECT_TRUE(dialogs.Questions[0].contains(QString::fromUtf8("existent déjà"))) << dialogs.Questions[0].toStdString();
    EXPECT_TRUE(dialogs.Questions[0].contains(QString::fromUtf8("1 fichiers de solution, remplacés ou supprimés avec leur "
                                                                "niveau : 002 Second the hard one.XHT")))
        << dialogs.Questions[0].toStdString();
    EXPECT_EQ(ReadAll(mine), "my own level\r\n");
    EXPECT_EQ(ReadAll(stale), "r\r\n");
    EXPECT_FALSE(std::filesystem::exists(target + "/002 Second the hard one.xsb"));
    EXPECT_EQ(G().Playlist.size(), 1u);
    // The proposed folder was made for the chooser and not used: it is gone again.
    EXPECT_FALSE(std::filesystem::exists(Folder("sample")));

    // Answered Yes: replaced, and the summary is French.
    dialogs.FileToOpen.push_back(QString::fromStdString(file));
    dialogs.Folders.push_back(QString::fromStdString(target));
    dialogs.Answers.push_back(true);
    window->MenuItem("POPFileImportCollection")->trigger();
    EXPECT_EQ(ReadAll(mine), "#####\r\n#@$.#\r\n#####\r\nTitle: Opening\r\nCollection: Sample\r\n");
    EXPECT_FALSE(std::filesystem::exists(stale)) << "the new level 2 has no solution";
    EXPECT_EQ(G().Playlist.size(), 3u);
    ASSERT_EQ(dialogs.Notices.size(), 1);
    EXPECT_TRUE(dialogs.Notices[0].startsWith(QString::fromUtf8("2 niveaux importés, 1 avec solution, 1 écartés")))
        << dialogs.Notices[0].toStdString();
}

TEST_F(CollectionsWindowTest, ImportNamesTheSnapshotFilesItKeepsAndDeletesNone)
{
    CopyLevels({"0101"});
    StartWith({LevelPath("0101")});
    const std::string file = Folder("sample.sok");
    WriteAll(file, Sample);
    const std::string target = Folder("chosen");
    std::filesystem::create_directories(target);
    const std::string snapshots = "Snapshot (moves 1, pushes 0): mine\r\nr*\r\n";
    // Level 1 keeps its board under another title; level 2's board changes.
    WriteAll(target + "/001 Opening.xsb", "#####\r\n#@$.#\r\n#####\r\nTitle: My own title\r\n");
    const std::string same = target + "/001 Opening.snapshots.sok";
    WriteAll(same, snapshots);
    WriteAll(target + "/002 Second the hard one.xsb", "####\r\n#@*#\r\n####\r\n");
    const std::string changed = target + "/002 Second the hard one.snapshots.sok";
    WriteAll(changed, snapshots);

    dialogs.FileToOpen.push_back(QString::fromStdString(file));
    dialogs.Folders.push_back(QString::fromStdString(target));
    dialogs.Answers.push_back(true);
    window->MenuItem("MNUFileImportCollection")->trigger();
    ASSERT_EQ(dialogs.Questions.size(), 1);
    const QString question = dialogs.Questions[0];
    EXPECT_TRUE(question.startsWith("2 files exist already")) << question.toStdString();
    EXPECT_TRUE(question.contains("1 snapshot files stay as they are, as their boards are unchanged: "
                                  "001 Opening.snapshots.sok."))
        << question.toStdString();
    EXPECT_TRUE(question.contains(QString::fromUtf8("1 snapshot files of changed boards are kept aside, renamed: "
                                                    "002 Second the hard one.snapshots.sok → 002 Second the hard "
                                                    "one.snapshots (replaced level ")))
        << question.toStdString();

    EXPECT_EQ(ReadAll(same), snapshots);
    EXPECT_FALSE(std::filesystem::exists(changed));
    std::vector<std::string> aside;
    for (const auto& entry : std::filesystem::directory_iterator(target))
        if (entry.path().filename().string().find("(replaced level") != std::string::npos)
            aside.push_back(entry.path().string());
    ASSERT_EQ(aside.size(), 1u);
    EXPECT_EQ(ReadAll(aside[0]), snapshots);
    ASSERT_EQ(dialogs.Notices.size(), 1);
    EXPECT_TRUE(dialogs.Notices[0].contains(QString::fromStdString(std::filesystem::path(aside[0]).filename().string())))
        << dialogs.Notices[0].toStdString();
}

TEST_F(CollectionsWindowTest, ImportThatFailsPartWayKeepsWhatItWroteAndSaysWhere)
{
    CopyLevels({"0101"});
    StartWith({LevelPath("0101")});
    const std::string file = Folder("sample.sok");
    WriteAll(file, Sample);
    const std::string target = Folder("out");
    // A folder in the way of the second level file: its write must fail.
    std::filesystem::create_directories(target + "/002 Second the hard one.xsb");
    dialogs.FileToOpen.push_back(QString::fromStdString(file));
    dialogs.Folders.push_back(QString::fromStdString(target));
    dialogs.Answers.push_back(true);   // the folder counts as an existing file: replace
    window->MenuItem("MNUFileImportCollection")->trigger();

    ASSERT_EQ(G().Playlist.size(), 2u);
    EXPECT_EQ(G().Playlist[1], target + "/001 Opening.xsb");
    ASSERT_EQ(dialogs.Errors.size(), 1);
    EXPECT_TRUE(dialogs.Errors[0].contains("stopped at level 2")) << dialogs.Errors[0].toStdString();
    EXPECT_TRUE(dialogs.Errors[0].contains("002 Second the hard one.xsb")) << dialogs.Errors[0].toStdString();
}

TEST_F(CollectionsWindowTest, ExportedPlaylistImportsBackToTheSameLevels)
{
    CopyLevels({"0101", "0102"});
    WriteAll(w4::SolutionFilePath(LevelPath("0102")), SolveLevel(LevelPath("0102")) + "\r\n");
    StartWith({LevelPath("0101"), Folder("missing.xsb"), LevelPath("0102")});
    // The missing entry was dropped at start-up; put it back to see it named.
    G().Playlist.insert(G().Playlist.begin() + 1, Folder("missing.xsb"));

    const std::string exported = Folder("all.txt");
    dialogs.FileToSave.push_back(QString::fromStdString(exported));
    window->MenuItem("MNUFileExportPlaylist")->trigger();
    ASSERT_EQ(dialogs.Notices.size(), 1);
    EXPECT_TRUE(dialogs.Notices[0].startsWith("2 levels exported")) << dialogs.Notices[0].toStdString();
    EXPECT_TRUE(dialogs.Notices[0].contains("missing.xsb"));

    const w4::LevelCollection back = w4::ReadCollectionFile(exported);
    ASSERT_EQ(back.Levels.size(), 2u);
    EXPECT_TRUE(back.Skipped.empty());
    for (int i = 0; i < 2; ++i) {
        const std::string path = LevelPath(i == 0 ? "0101" : "0102");
        const w4::LevelCollection original = w4::ReadCollectionFile(path);
        ASSERT_EQ(original.Levels.size(), 1u);
        EXPECT_EQ(back.Levels[static_cast<std::size_t>(i)].Rows, original.Levels[0].Rows) << path;
    }
    EXPECT_TRUE(back.Levels[0].Solutions.empty());
    EXPECT_EQ(back.Levels[1].Solutions, std::vector<std::string>{SolveLevel(LevelPath("0102"))});
}

TEST_F(CollectionsWindowTest, CopyLevelGivesTheRowsOfTheLevelFileWithItsTitle)
{
    const std::string path = LevelPath("mine");
    WriteAll(path, "  #####\r\n###   #\r\n#.@$  #\r\n#######\r\nTitle: Mine\r\n");
    StartWith({path});
    SetClipboard("nothing yet");
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clipboard(), "  #####\n###   #\n#.@$  #\n#######\nTitle: Mine\n");

    // The position shown, in every mode: after a move in Play mode the keeper has moved.
    Key(Qt::Key_Right);
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clipboard(), "  #####\n###   #\n#. @$ #\n#######\nTitle: Mine\n");
    window->BTNEditor->click();
    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(Clipboard(), "  #####\n###   #\n#.@$  #\n#######\nTitle: Mine\n");
}

TEST_F(CollectionsWindowTest, PastedRunLengthLevelBecomesANewLevelInTheEditor)
{
    CopyLevels({"0101"});
    StartWith({LevelPath("0101")});
    SetClipboard("Title: Pasted\n5#|#@$.#|5#");

    // Cancelling the save dialog changes nothing.
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(G().Playlist.size(), 1u);
    EXPECT_EQ(G().GameMode, w4::ModePlay);

    const std::string path = LevelPath("pasted");
    dialogs.FileToSave.push_back(QString::fromStdString(path));
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(ReadAll(path), "#####\r\n#@$.#\r\n#####\r\nTitle: Pasted\r\n");
    ASSERT_EQ(G().Playlist.size(), 2u);
    EXPECT_EQ(G().Playlist[1], path);
    EXPECT_EQ(G().LevelIndex, 1);
    EXPECT_EQ(G().GameMode, w4::ModeEditor);
    EXPECT_EQ(G().LevelWidth, 5);

    // Text that holds no level says so.
    SetClipboard("hello");
    window->MenuItem("MNUFilePasteLevel")->trigger();
    ASSERT_EQ(dialogs.Notices.size(), 1);
    EXPECT_EQ(dialogs.Notices[0], "The clipboard holds no level.");
}

TEST_F(CollectionsWindowTest, PastedSolutionIsReplayedKeptByTheBestScoreRuleAndShown)
{
    const std::string path = LevelPath("room");
    WriteAll(path, "#######\r\n#@ $ .#\r\n#######\r\n");
    StartWith({path});

    SetClipboard("r l l");
    Key(Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_EQ(dialogs.Notices.size(), 1);
    EXPECT_EQ(dialogs.Notices[0], "The solution fails at move 3.");
    EXPECT_EQ(G().GameMode, w4::ModePlay);

    SetClipboard("Solution\n3r");
    dialogs.Answers.push_back(true);
    window->MenuItem("MNUFilePasteSolution")->trigger();
    ASSERT_EQ(dialogs.Questions.size(), 1);
    EXPECT_TRUE(dialogs.Questions[0].startsWith("BEST SCORE !!!"));
    EXPECT_EQ(ReadAll(w4::SolutionFilePath(path)), "rRR\r\n");
    EXPECT_EQ(G().GameMode, w4::ModeSolution);
    EXPECT_EQ(G().StoredSolution, "rRR");

    // A longer solution is shown but not offered: the stored one is better, and stays the stored one.
    SetClipboard("rlrRR");
    window->MenuItem("MNUFilePasteSolution")->trigger();
    EXPECT_EQ(dialogs.Questions.size(), 1);
    EXPECT_EQ(G().StoredSolution, "rRR");
    EXPECT_EQ(window->OwnFilm(), "rlrRR");
    EXPECT_EQ(ReadAll(w4::SolutionFilePath(path)), "rRR\r\n");

    // Copy Solution gives the stored solution; with none, the moves of the attempt.
    Key(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Clipboard(), "rRR");
    std::filesystem::remove(w4::SolutionFilePath(path));
    window->BTNPlay->click();
    Key(Qt::Key_Right);
    Key(Qt::Key_Right);
    Key(Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(Clipboard(), "rR");
}

// Declining keeps the old solution: later best-score checks compare with what is on disk.
TEST_F(CollectionsWindowTest, ADeclinedSolutionNeverBecomesTheStoredOne)
{
    const std::string path = LevelPath("room");
    WriteAll(path, "#######\r\n#@ $ .#\r\n#######\r\n");
    WriteAll(w4::SolutionFilePath(path), "rlrlrRR\r\n");
    StartWith({path});
    SetClipboard("rRR");
    dialogs.Answers = {false};
    window->MenuItem("MNUFilePasteSolution")->trigger();
    ASSERT_EQ(dialogs.Questions.size(), 1);
    EXPECT_EQ(G().GameMode, w4::ModeSolution);
    EXPECT_EQ(G().StoredSolution, "rlrlrRR");
    EXPECT_EQ(window->OwnFilm(), "rRR") << "shown all the same";
    // The film plays the pasted letters to the solved position.
    window->BTNFilmPlay->click();
    for (int tick = 0; tick < 10 && window->TimerFilm->isActive(); ++tick)
        window->TimerFilmTimer();
    EXPECT_TRUE(G().LevelSolved);
    // Asked again, the same letters still beat the stored solution.
    dialogs.Answers = {true};
    window->MenuItem("MNUFilePasteSolution")->trigger();
    ASSERT_EQ(dialogs.Questions.size(), 2);
    EXPECT_EQ(ReadAll(w4::SolutionFilePath(path)), "rRR\r\n");
    EXPECT_EQ(G().StoredSolution, "rRR");
}

// In the editor, a pasted solution is checked against the saved level; unsaved edits are never
// dropped without the question.
TEST_F(CollectionsWindowTest, PastingASolutionOverUnsavedEditsAsksFirst)
{
    const std::string path = LevelPath("room");
    WriteAll(path, "#######\r\n#@ $ .#\r\n#######\r\n");
    StartWith({path});
    window->BTNEditor->click();
    G().SnapshotHistory[0].Board[5][1] = ' ';   // the target moves next to the box: unsaved
    G().SnapshotHistory[0].Board[4][1] = '.';
    SetClipboard("rR");   // solves the drawing, not the saved level
    dialogs.Answers = {false};
    window->MenuItem("MNUFilePasteSolution")->trigger();
    ASSERT_EQ(dialogs.Questions.size(), 1);
    EXPECT_TRUE(dialogs.Questions[0].startsWith("The level has unsaved changes.")) << dialogs.Questions[0].toStdString();
    EXPECT_EQ(G().GameMode, w4::ModeEditor);
    EXPECT_EQ(G().SnapshotHistory[0].Board[4][1], '.') << "No keeps the edits";
    EXPECT_FALSE(std::filesystem::exists(w4::SolutionFilePath(path)));

    // Yes: the letters are checked against the saved level, where they fail.
    dialogs.Answers = {true};
    window->MenuItem("MNUFilePasteSolution")->trigger();
    ASSERT_EQ(dialogs.Notices.size(), 1);
    EXPECT_EQ(dialogs.Notices[0], "After its 2 moves the level is not solved.");
    EXPECT_FALSE(std::filesystem::exists(w4::SolutionFilePath(path)));
    EXPECT_EQ(G().SnapshotHistory[0].Board[4][1], '.') << "nothing shown, nothing dropped";
}

} // namespace
