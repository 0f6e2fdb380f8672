// Snapshots on the real main window: the keys and Tools commands, the Snapshots window, and the
// automatic snapshot of an attempt that a level change, a reload, a mode switch or quitting
// would otherwise lose.
#include "app/snapshots/fsnapshots.h"
#include "app/snapshots/snapshots.h"
#include "app/window/boardview.h"
#include "core/snapshots.h"
#include "editor/boardmouse.h"
#include "window_fixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QTableWidget>

namespace w4test {
namespace {

class SnapshotsWindowTest : public WindowTest {
protected:
    // Two Microban levels; on the first the keeper can walk right twice, down and up.
    void StartOnTwoLevels()
    {
        CopyLevels({"0101", "0102"});
        WritePlaylist({LevelPath("0101"), LevelPath("0102")});
        Start();
    }
    std::vector<w4::Snapshot> Kept(const std::string& level) { return w4::ReadSnapshots(G(), LevelPath(level)); }
    void Next() { Key(Qt::Key_PageDown, Qt::ControlModifier); }
    void Prior() { Key(Qt::Key_PageUp, Qt::ControlModifier); }
};

TEST_F(SnapshotsWindowTest, AnAttemptIsKeptExactlyWhenItWouldOtherwiseBeLost)
{
    StartOnTwoLevels();
    Next();                                  // nothing played: nothing to keep
    Prior();
    EXPECT_TRUE(Kept("0101").empty());
    EXPECT_TRUE(Kept("0102").empty());

    Play("r");
    Next();                                  // a level change
    ASSERT_EQ(Kept("0101").size(), 1u);
    EXPECT_TRUE(Kept("0101")[0].Automatic);
    EXPECT_TRUE(Kept("0102").empty());
    Prior();
    Play("d");
    Key(Qt::Key_Return, Qt::ControlModifier);   // a reload
    EXPECT_EQ(Kept("0101").size(), 2u);
    Play("u");
    window->BTNEditorClick();                // a mode switch reloads the level
    EXPECT_EQ(Kept("0101").size(), 3u);
    window->BTNPlayClick();                  // what the editor showed was no attempt
    EXPECT_EQ(Kept("0101").size(), 3u);

    Play("rr");
    dialogs.Answers = {true};                // quitting
    window->close();
    const auto kept = Kept("0101");
    ASSERT_EQ(kept.size(), 4u);
    EXPECT_EQ(kept.back().Letters, "rr");
    EXPECT_TRUE(dialogs.Errors.isEmpty());
}

TEST_F(SnapshotsWindowTest, SaveListRestoreRenameDeleteCopyAndResume)
{
    StartOnTwoLevels();
    Play("rrl");
    Key(Qt::Key_Backspace);
    dialogs.Texts = {QStringLiteral("two steps")};
    Key(Qt::Key_F5);
    Key(Qt::Key_End);
    Key(Qt::Key_F5, Qt::ShiftModifier);      // the proposed name, no question
    EXPECT_EQ(dialogs.TextPrompts.size(), 1);
    ASSERT_EQ(Kept("0101").size(), 2u);
    EXPECT_EQ(Kept("0101")[0].Name, "two steps");
    EXPECT_EQ(Kept("0101")[1].Name, "Snapshot 2");

    Key(Qt::Key_Return, Qt::ControlModifier);   // start again: the attempt is held by a snapshot
    EXPECT_EQ(Kept("0101").size(), 2u);
    Key(Qt::Key_F6);
    TFRMSnapshots* list = window->SnapshotCommands().Window();
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(list->isVisible());
    ASSERT_EQ(list->Shown().size(), 2u);
    EXPECT_EQ(list->Shown()[0].Name, "Snapshot 2");   // newest first
    EXPECT_FALSE(list->GRDSnapshots->item(0, TFRMSnapshots::ColPicture)->data(Qt::DecorationRole).isNull());

    list->SelectRow(1);
    QTest::keyClick(list->GRDSnapshots, Qt::Key_Return);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(G().HistoryIndex, 2);
    EXPECT_EQ(G().HistoryLength, 4);         // the undone move is there to redo

    Key(Qt::Key_F6);
    list->SelectRow(0);
    list->CopySelected();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("rrl*"));
    dialogs.Texts = {QStringLiteral("at the end")};
    list->RenameSelected();
    dialogs.Answers = {true};
    list->SelectRow(1);
    list->DeleteSelected();
    ASSERT_EQ(Kept("0101").size(), 1u);
    EXPECT_EQ(Kept("0101")[0].Name, "at the end");
    list->close();

    // Resume Attempt: nothing until an attempt was left, then the position it was left at.
    Key(Qt::Key_F9);
    EXPECT_EQ(dialogs.Notices.size(), 1);
    Play("d");
    Next();
    Prior();
    EXPECT_EQ(G().HistoryLength, 1);
    Key(Qt::Key_F9);
    EXPECT_EQ(G().HistoryLength, 4);
    EXPECT_EQ(G().HistoryIndex, 3);
    EXPECT_TRUE(dialogs.Errors.isEmpty());
}

// The pictures are the snapshots' positions on the level as its file holds it, which is what a
// restore replays them on: a board being drawn in the editor, unsaved, changes none of them.
TEST_F(SnapshotsWindowTest, PicturesUseTheSavedLevelNotTheEditorsDrawing)
{
    StartOnTwoLevels();
    Play("rr");
    Key(Qt::Key_F5, Qt::ShiftModifier);
    const auto picture = [this] {
        Key(Qt::Key_F6);
        TFRMSnapshots* list = window->SnapshotCommands().Window();
        EXPECT_TRUE(list != nullptr && list->Shown().size() == 1u);
        if (list == nullptr || list->GRDSnapshots->rowCount() < 1)
            return QImage();
        const QImage image =
            list->GRDSnapshots->item(0, TFRMSnapshots::ColPicture)->data(Qt::DecorationRole).value<QImage>();
        list->close();
        return image;
    };
    const QImage played = picture();
    ASSERT_FALSE(played.isNull());

    window->BTNEditorClick();
    window->IMGChooseBox1->click();
    const w4::BoardHit hit = w4::BoardHitTest(G(), window->IMGSokoban->width(), window->IMGSokoban->height(), 0, 0);
    const QPoint cell(hit.Left + 3 * hit.Width / (2 * G().LevelWidth), hit.Top + 3 * hit.Height / (2 * G().LevelHeight));
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, window->IMGSokoban->mapTo(window.get(), cell));
    ASSERT_EQ(G().SnapshotHistory.front().Board[1][1], '$') << "a box drawn on the floor at 1, 1";
    EXPECT_EQ(picture(), played);
    EXPECT_TRUE(dialogs.Errors.isEmpty());
}

} // namespace
} // namespace w4test
