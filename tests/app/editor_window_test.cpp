// The editor as an author uses it: the palette, the mouse on the board, the level commands and
// File > New, on the real main window with scripted dialogs.
#include "window_fixture.h"

#include "core/fileio.h"
#include "editor/boardmouse.h"
#include "editor/fxsbinfos.h"
#include "render/builtintiles.h"
#include "app/window/boardview.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include <csignal>
#include <sys/resource.h>

using namespace w4test;

namespace {

// A room with a box next to a target and the keeper at (4, 2).
const std::vector<std::string> Room = {
    "#######",
    "#     #",
    "# $.@ #",
    "#     #",
    "#######",
};

std::string Rows(const std::vector<std::string>& rows)
{
    std::string text;
    for (const std::string& row : rows)
        text += row + "\r\n";
    return text;
}

QImage Image(const QPixmap& pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_RGB32); }

// The 16 x 16 tile in the middle of a palette image.
QImage Tile(const QPixmap& pixmap)
{
    const QImage image = Image(pixmap);
    return image.copy((image.width() - 16) / 2, (image.height() - 16) / 2, 16, 16);
}

// Answers the next modal dialog from inside its own event loop.
void AnswerModal(const std::function<void(QWidget*)>& answer)
{
    QTimer::singleShot(10, [answer] {
        if (QWidget* modal = QApplication::activeModalWidget())
            answer(modal);
        else
            AnswerModal(answer);
    });
}

class EditorWindowTest : public WindowTest {
protected:
    // Writes a level file into the program's levels folder and makes it the only playlist entry.
    std::string UseLevel(const std::string& text, const std::string& name = "edit")
    {
        const std::string path = LevelPath(name);
        WriteAll(path, text);
        WritePlaylist({path});
        return path;
    }

    void StartIn(int mode)
    {
        Start();
        if (mode == w4::ModeEditor)
            window->BTNEditor->click();
        else if (mode == w4::ModeSolution)
            window->BTNSolution->click();
        ASSERT_EQ(G().GameMode, mode);
    }

    w4::BoardHit Placement() const
    {
        return w4::BoardHitTest(window->State(), window->IMGSokoban->width(), window->IMGSokoban->height(), 0, 0);
    }

    // The pixel of cell (column, row) at offset (dx, dy) from its top-left corner, by the board's
    // placement on the picture component.
    QPoint CellPixel(int column, int row, int dx, int dy) const
    {
        const w4::BoardHit hit = Placement();
        return {hit.Left + column * hit.Width / G().LevelWidth + dx, hit.Top + row * hit.Height / G().LevelHeight + dy};
    }
    QPoint CellPoint(int column, int row) const { return CellPixel(column, row, 8, 8); }

    // Mouse events go through the window as the platform delivers them, so a press grabs the
    // mouse for the board and the moves that follow report the held button.
    QPoint InWindow(QPoint point) const { return window->IMGSokoban->mapTo(window.get(), point); }
    void Click(QPoint point, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(window->windowHandle(), button, modifiers, InWindow(point));
    }
    void Press(QPoint point) { QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, InWindow(point)); }
    void MoveTo(QPoint point) { QTest::mouseMove(window->windowHandle(), InWindow(point)); }
    void Release(QPoint point) { QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, InWindow(point)); }

    const w4::GameState& G() const { return window->State(); }
    w4::GameState& G() { return window->State(); }
    char Cell(int column, int row) const
    {
        return G().SnapshotHistory[static_cast<std::size_t>(G().HistoryIndex)].Board[column][row];
    }
    std::vector<std::string> FileLines(const std::string& path) const { return w4::SplitTextLines(ReadAll(path)); }
};

// --- Palette ---

TEST_F(EditorWindowTest, PaletteChoosesToolAndShowsBuiltInTileEvenUnderAGraphicsSet)
{
    UseLevel(Rows(Room));
    StartIn(w4::ModeEditor);
    const w4::TileSet builtIn = w4::BuiltInTileSet(16);
    EXPECT_EQ(G().EditorTool, '#');
    EXPECT_EQ(Tile(window->IMGChoice->pixmap()), builtIn.IMGWalls[0]) << "the wall shows at start";
    EXPECT_EQ(window->PNLFleche->text(), "-->");

    // A graphics set changes the board's tiles, never the palette's.
    std::filesystem::copy(std::filesystem::path(W4_SOURCE_DIR) / "graphics", folder / "graphics",
                          std::filesystem::copy_options::recursive);
    dialogs.FileToOpen = {QString::fromStdString((folder / "graphics" / "Warehaus32" / "Warehaus32.ini").string())};
    window->MenuItem("MNUGraphicsLoad")->trigger();
    ASSERT_TRUE(dialogs.Errors.isEmpty()) << dialogs.Errors.join("\n").toStdString();
    ASSERT_EQ(G().TileWidth, 32);

    const struct {
        QPushButton* image;
        char tool;
        QImage picture;
    } palette[] = {
        {window->IMGChooseSokoban1, '@', builtIn.IMGSokoban1}, {window->IMGChooseSokoban2, '+', builtIn.IMGSokoban2},
        {window->IMGChooseBox1, '$', builtIn.IMGBox1},         {window->IMGChooseBox2, '*', builtIn.IMGBox2},
        {window->IMGChooseTarget, '.', builtIn.IMGTarget},     {window->IMGChooseBack, ' ', builtIn.IMGEmpty},
        {window->IMGChooseWall, '#', builtIn.IMGWalls[0]},
    };
    const auto before = G().SnapshotHistory[0].Board;
    for (const auto& entry : palette) {
        entry.image->click();
        EXPECT_EQ(G().EditorTool, entry.tool);
        EXPECT_EQ(Tile(window->IMGChoice->pixmap()), entry.picture) << "tool '" << entry.tool << "'";
        // The palette image holds the same 16 x 16 tile, whatever set the board uses.
        EXPECT_EQ(Tile(entry.image->icon().pixmap(entry.image->iconSize())), entry.picture);
    }
    EXPECT_EQ(G().SnapshotHistory[0].Board, before) << "choosing a tool leaves the board alone";
}

// --- Mouse in Play mode ---

TEST_F(EditorWindowTest, ClickInTheKeepersRowMakesExactlyOneStep)
{
    UseLevel(Rows(Room));
    StartIn(w4::ModePlay);
    ASSERT_EQ(G().KeeperX, 4);
    ASSERT_EQ(G().KeeperY, 2);

    Click(CellPoint(1, 2));   // three cells to the left
    EXPECT_EQ(G().HistoryIndex, 1);
    EXPECT_EQ(G().KeeperX, 3);
    EXPECT_EQ(Cell(3, 2), '+');

    Click(CellPoint(2, 1));   // diagonal
    Click(CellPoint(3, 2));   // the keeper's own cell
    EXPECT_EQ(G().HistoryIndex, 1);

    Click(CellPoint(3, 3));   // below: one step down
    EXPECT_EQ(G().HistoryIndex, 2);
    EXPECT_EQ(G().KeeperY, 3);
}

TEST_F(EditorWindowTest, DoubleClickMakesOneStepNotTwo)
{
    UseLevel(Rows(Room));
    StartIn(w4::ModePlay);
    ASSERT_EQ(G().KeeperX, 4);

    // The platform's sequence for a double click: press, release, press, double-click event,
    // release, 100 ms apart at most. The second press carries the double-click mark, so only
    // the first one steps.
    const QPointF at = CellPoint(1, 2);
    const auto send = [&](QEvent::Type type, quint64 timestamp) {
        const bool down = type != QEvent::MouseButtonRelease;
        QMouseEvent event(type, at, window->IMGSokoban->mapToGlobal(at), Qt::LeftButton,
                          down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        event.setTimestamp(timestamp);
        QApplication::sendEvent(window->IMGSokoban, &event);
    };
    send(QEvent::MouseButtonPress, 10000);
    send(QEvent::MouseButtonRelease, 10040);
    send(QEvent::MouseButtonPress, 10100);
    send(QEvent::MouseButtonDblClick, 10100);
    send(QEvent::MouseButtonRelease, 10140);
    EXPECT_EQ(G().HistoryIndex, 1);
    EXPECT_EQ(G().KeeperX, 3);

    // A press long after is a new click again.
    send(QEvent::MouseButtonPress, 20000);
    send(QEvent::MouseButtonRelease, 20040);
    EXPECT_EQ(G().HistoryIndex, 2);
}

TEST_F(EditorWindowTest, ClickWithAModifierKeyNeitherMovesNorPaints)
{
    UseLevel(Rows(Room));
    for (const Qt::KeyboardModifier modifier : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier}) {
        StartIn(w4::ModePlay);
        Click(CellPoint(1, 2), Qt::LeftButton, modifier);
        EXPECT_EQ(G().HistoryIndex, 0) << "modifier " << modifier;

        window->BTNEditor->click();
        Click(CellPoint(1, 1), Qt::LeftButton, modifier);
        EXPECT_EQ(Cell(1, 1), ' ') << "modifier " << modifier;
        window.reset();
    }
}

TEST_F(EditorWindowTest, MiddleButtonNeitherPaintsNorOpensTheMenu)
{
    UseLevel(Rows(Room));
    StartIn(w4::ModeEditor);
    Click(CellPoint(1, 1), Qt::MiddleButton);
    EXPECT_EQ(Cell(1, 1), ' ');
    EXPECT_FALSE(window->POPSokoban->isVisible());
}

TEST_F(EditorWindowTest, RightClickOpensTheContextMenuAtThePointerInEveryMode)
{
    UseLevel(Rows(Room));
    for (const int mode : {w4::ModePlay, w4::ModeEditor, w4::ModeSolution}) {
        StartIn(mode);
        const auto before = G().SnapshotHistory[0].Board;
        for (const QPoint point : {CellPoint(1, 2), QPoint(3, 3)}) {   // on the board and off it
            ASSERT_FALSE(Placement().Left <= 3 && Placement().Top <= 3) << "the corner must be off the board";
            Click(point, Qt::RightButton);
            ASSERT_TRUE(window->POPSokoban->isVisible()) << "mode " << mode;
            EXPECT_EQ(window->POPSokoban->pos(), window->IMGSokoban->mapToGlobal(point)) << "mode " << mode;
            window->POPSokoban->hide();
        }
        EXPECT_EQ(G().HistoryIndex, 0);
        EXPECT_EQ(G().SnapshotHistory[0].Board, before);
        // Right with a modifier is not right alone.
        Click(CellPoint(1, 2), Qt::RightButton, Qt::ShiftModifier);
        EXPECT_FALSE(window->POPSokoban->isVisible());
        window.reset();
    }
}

// --- Painting ---

TEST_F(EditorWindowTest, ClickPaintsTheCellDrawnUnderThePointer)
{
    // A wide floor, so that painting a box changes no neighbour's picture.
    UseLevel(Rows({"#########", "#       #", "#       #", "#       #", "#   @   #", "#       #", "#       #",
                   "#       #", "#########"}));
    StartIn(w4::ModeEditor);
    window->IMGChooseBox1->click();
    const QImage crate = w4::BuiltInTileSet(16).IMGBox1;

    // Both parities of free space around the board, and the cell's first and last pixels.
    for (const QSize grow : {QSize(0, 0), QSize(1, 1)}) {
        window->resize(window->size() + grow);
        QCoreApplication::processEvents();
        for (const auto& [column, row, dx, dy] : {std::tuple{2, 3, 0, 0}, std::tuple{6, 5, 15, 15}}) {
            const QPoint pointer = CellPixel(column, row, dx, dy);
            Click(pointer);
            ASSERT_EQ(Cell(column, row), '$');
            const QImage shown = window->IMGSokoban->grab().toImage().convertToFormat(QImage::Format_RGB32);
            // The crate's own pixels (inside the grid outline) lie on the cell the pointer is in.
            const QPoint origin = pointer - QPoint(dx, dy);
            int compared = 0;
            for (int y = 1; y < 15; ++y)
                for (int x = 1; x < 15; ++x)
                    if (qRed(crate.pixel(x, y)) + qGreen(crate.pixel(x, y)) + qBlue(crate.pixel(x, y)) > 0) {
                        ASSERT_EQ(shown.pixel(origin + QPoint(x, y)), crate.pixel(x, y))
                            << "cell " << column << "," << row << " pixel " << x << "," << y;
                        ++compared;
                    }
            EXPECT_GT(compared, 50);
            window->IMGChooseBack->click();
            Click(pointer);
            window->IMGChooseBox1->click();
        }
    }
}

TEST_F(EditorWindowTest, DraggingPaintsEveryCellPassedOver)
{
    UseLevel(Rows(Room));
    StartIn(w4::ModeEditor);
    window->IMGChooseTarget->click();
    Press(CellPoint(1, 1));
    for (int column = 2; column <= 5; ++column)
        MoveTo(CellPoint(column, 1));
    Release(CellPoint(5, 1));
    for (int column = 1; column <= 5; ++column)
        EXPECT_EQ(Cell(column, 1), '.') << column;
    EXPECT_EQ(Cell(1, 3), ' ');
    // The counts follow the painting.
    EXPECT_EQ(Status(5), "Done=0/6");
    EXPECT_EQ(Status(6), "Todo=1/6");
    // Painting a second keeper keeps the first and takes the painted one as the keeper.
    window->IMGChooseSokoban1->click();
    Click(CellPoint(1, 3));
    EXPECT_EQ(Cell(4, 2), '@');
    EXPECT_EQ(Cell(1, 3), '@');
    EXPECT_EQ(G().KeeperX, 1);
    EXPECT_EQ(G().KeeperY, 3);
}

TEST_F(EditorWindowTest, SavedWallSurvivesTheSwitchToPlayAndIsInTheFile)
{
    const std::string path = UseLevel(Rows(Room) + "Title: Room\r\n");
    StartIn(w4::ModeEditor);
    window->IMGChooseBox1->click();
    window->IMGChooseWall->click();
    Click(CellPoint(1, 1));
    ASSERT_EQ(Cell(1, 1), '#');

    dialogs.Answers = {true};
    window->BTNLevelSave->click();
    ASSERT_EQ(dialogs.Questions.size(), 1);
    EXPECT_EQ(dialogs.Questions[0],
              QString::fromStdString("Do you really want to apply updates ?\r\n(" + path + ")"));
    EXPECT_EQ(FileLines(path), (std::vector<std::string>{"#######", "##    #", "# $.@ #", "#     #", "#######",
                                                         "Title: Room"}));

    window->BTNPlay->click();
    EXPECT_EQ(Cell(1, 1), '#');
    EXPECT_TRUE(dialogs.Errors.isEmpty());
}

TEST_F(EditorWindowTest, UnsavedWallIsGoneAfterTheSwitchToPlay)
{
    const std::string path = UseLevel(Rows(Room));
    StartIn(w4::ModeEditor);
    Click(CellPoint(1, 1));
    ASSERT_EQ(Cell(1, 1), '#');
    dialogs.Answers = {false};
    window->BTNLevelSave->click();
    EXPECT_EQ(dialogs.Questions.size(), 1);
    EXPECT_EQ(ReadAll(path), Rows(Room));
    window->BTNPlay->click();
    EXPECT_EQ(Cell(1, 1), ' ');
}

TEST_F(EditorWindowTest, ReloadAnsweredYesDropsTheEditsAndNoKeepsThem)
{
    UseLevel(Rows(Room));
    StartIn(w4::ModeEditor);
    Click(CellPoint(1, 1));
    dialogs.Answers = {false, true};
    window->BTNLevelReload->click();
    EXPECT_EQ(Cell(1, 1), '#');
    window->BTNLevelReload->click();
    EXPECT_EQ(Cell(1, 1), ' ');
    ASSERT_EQ(dialogs.Questions.size(), 2);
    EXPECT_EQ(dialogs.Questions[1], "Do you really want to cancel updates ?");
}

TEST_F(EditorWindowTest, FileWithTwoLevelsIsSavedAsTheOneLevelShown)
{
    const std::string path = UseLevel("; two levels\r\n"
                                      "Level 1\r\n####\r\n#@.#\r\n#$ #\r\n####\r\n\r\n"
                                      "Level 2\r\n#####\r\n#@$.#\r\n#####\r\n");
    StartIn(w4::ModeEditor);
    ASSERT_EQ(G().LevelWidth, 5);
    ASSERT_EQ(G().LevelHeight, 7);
    std::vector<std::string> shown;
    for (int row = 0; row < G().LevelHeight; ++row) {
        std::string line;
        for (int column = 0; column < G().LevelWidth; ++column)
            line += Cell(column, row) == 'X' ? ' ' : Cell(column, row);
        shown.push_back(line);
    }

    dialogs.Answers = {true};
    window->BTNLevelSave->click();
    EXPECT_EQ(FileLines(path), shown);
    window->BTNPlay->click();
    EXPECT_EQ(G().LevelWidth, 5);
    EXPECT_EQ(G().LevelHeight, 7);
}

TEST_F(EditorWindowTest, FailedSaveNamesTheFileAndKeepsFileAndLevel)
{
    const std::string path = UseLevel(Rows(Room));
    StartIn(w4::ModeEditor);
    Click(CellPoint(1, 1));
    const auto edited = G().SnapshotHistory[0].Board;

    // The tests run as root, for whom no permission fails a write; a file-size limit does.
    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = old;
    tiny.rlim_cur = 8;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    dialogs.Answers = {true};
    window->BTNLevelSave->click();
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_EQ(dialogs.Errors.size(), 1);
    EXPECT_TRUE(dialogs.Errors[0].contains(QString::fromStdString(path))) << dialogs.Errors[0].toStdString();
    EXPECT_EQ(ReadAll(path), Rows(Room));
    EXPECT_EQ(G().SnapshotHistory[0].Board, edited);
    EXPECT_EQ(G().LevelWidth, 7);
    EXPECT_EQ(G().GameMode, w4::ModeEditor);
    // No temporary file is left beside the level.
    int files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder / "levels"))
        ++files;
    EXPECT_EQ(files, 1);
}

// --- Level information ---

TEST_F(EditorWindowTest, InformationDialogStoresTrimmedTitleAndDropsAClearedAuthor)
{
    const std::string path = UseLevel(Rows(Room) + "Title: Old\r\nAuthor: Someone\r\nDate: 2006\r\n");
    StartIn(w4::ModeEditor);
    AnswerModal([](QWidget* modal) {
        auto* dialog = qobject_cast<w4::TFRMXSBInfos*>(modal);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(dialog->EDTTitle->text(), "Old");
        EXPECT_EQ(dialog->EDTAuthor->text(), "Someone");
        dialog->EDTTitle->setText("  New title  ");
        dialog->EDTAuthor->clear();
        dialog->BTNOK->click();
    });
    dialogs.Answers = {true};
    window->BTNLevelEditXSBInfos->click();

    EXPECT_EQ(G().LevelHeader[w4::HeaderField::Title], "New title");
    EXPECT_EQ(G().LevelHeader[w4::HeaderField::Author], "");
    ASSERT_EQ(dialogs.Questions.size(), 1);
    EXPECT_EQ(dialogs.Questions[0], QString::fromStdString("Do you want to save the level now ?\r\n(" + path + ")"));
    std::vector<std::string> expected = Room;
    expected.push_back("Title: New title");
    expected.push_back("Date: 2006");
    EXPECT_EQ(FileLines(path), expected);
}

TEST_F(EditorWindowTest, InformationDialogCancelledChangesNothingAndAsksNothing)
{
    const std::string path = UseLevel(Rows(Room) + "Title: Old\r\n");
    StartIn(w4::ModeEditor);
    AnswerModal([](QWidget* modal) {
        auto* dialog = qobject_cast<w4::TFRMXSBInfos*>(modal);
        ASSERT_NE(dialog, nullptr);
        dialog->EDTTitle->setText("Typed");
        dialog->BTNCancel->click();
    });
    window->BTNLevelEditXSBInfos->click();
    EXPECT_EQ(G().LevelHeader[w4::HeaderField::Title], "Old");
    EXPECT_TRUE(dialogs.Questions.isEmpty());
    EXPECT_EQ(ReadAll(path), Rows(Room) + "Title: Old\r\n");
}

// --- File > New, shifting and fitting ---

TEST_F(EditorWindowTest, NewLevelIsWrittenListedShownAndFitsOnlyOnceItsMarginIsFloor)
{
    UseLevel(Rows(Room));
    StartIn(w4::ModeEditor);
    const std::string path = (folder / "levels" / "fresh.xsb").string();

    dialogs.Answers = {false};
    window->MenuItem("MNUFileNew")->trigger();
    EXPECT_EQ(dialogs.Questions.value(0), "Do you really want to create a new level ?");
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(G().Playlist.size(), 1u);

    now += std::chrono::hours(1);
    dialogs.Answers = {true};
    dialogs.FileToSave = {QString::fromStdString(path)};
    window->MenuItem("POPFileNew")->trigger();
    EXPECT_EQ(ReadAll(path), Rows({"       ", " ##### ", " #   # ", " # @ # ", " #   # ", " ##### ", "       "}));
    ASSERT_EQ(G().Playlist.size(), 2u);
    EXPECT_EQ(G().Playlist[1], path);
    EXPECT_EQ(G().LevelIndex, 1);
    EXPECT_EQ(G().LastOpenTime, now);
    EXPECT_EQ(G().GameMode, w4::ModeEditor);
    EXPECT_EQ(Status(1), "Size=7x7");

    // The blank margin loads as outside cells, which count as part of the level.
    Key(Qt::Key_Return);
    EXPECT_EQ(G().LevelWidth, 7);
    EXPECT_EQ(G().LevelHeight, 7);

    // Floor painted over the margin, dragging along each side, lets the frame shrink to the ring.
    window->IMGChooseBack->click();
    const auto drag = [this](QPoint from, QPoint step) {
        Press(CellPoint(from.x(), from.y()));
        for (int i = 1; i < 7; ++i)
            MoveTo(CellPoint(from.x() + i * step.x(), from.y() + i * step.y()));
        Release(CellPoint(from.x() + 6 * step.x(), from.y() + 6 * step.y()));
    };
    drag({0, 0}, {1, 0});
    drag({6, 0}, {0, 1});
    drag({6, 6}, {-1, 0});
    drag({0, 6}, {0, -1});
    window->BTNLevelCenter->click();
    EXPECT_EQ(G().LevelWidth, 5);
    EXPECT_EQ(G().LevelHeight, 5);
    EXPECT_EQ(G().KeeperX, 2);
    EXPECT_EQ(G().KeeperY, 2);
    EXPECT_EQ(Status(1), "Size=5x5");
}

TEST_F(EditorWindowTest, NewLevelThatCannotBeWrittenLeavesThePlaylistAlone)
{
    const std::string level = UseLevel(Rows(Room));
    StartIn(w4::ModePlay);
    const std::string path = (folder / "missing" / "fresh.xsb").string();
    dialogs.Answers = {true};
    dialogs.FileToSave = {QString::fromStdString(path)};
    window->MenuItem("MNUFileNew")->trigger();
    ASSERT_EQ(dialogs.Errors.size(), 1);
    EXPECT_TRUE(dialogs.Errors[0].contains(QString::fromStdString(path)));
    EXPECT_EQ(G().Playlist, std::vector<std::string>{level});
    EXPECT_EQ(G().LevelIndex, 0);
    EXPECT_EQ(G().LevelWidth, 7);
}

TEST_F(EditorWindowTest, ArrowsShiftTheLevelAndEnterFitsItInEditorModeOnly)
{
    UseLevel(Rows(Room));
    StartIn(w4::ModeEditor);

    // Touching the left edge, Left grows the frame by exactly one blank column.
    Key(Qt::Key_Left);
    EXPECT_EQ(G().LevelWidth, 8);
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(Cell(7, row), ' ');
    Key(Qt::Key_Right);
    EXPECT_EQ(G().LevelWidth, 8);
    EXPECT_EQ(Cell(0, 2), ' ');
    EXPECT_EQ(Cell(1, 2), '#');
    EXPECT_EQ(G().KeeperX, 5);

    // Modified arrows are not editor keys.
    for (const Qt::KeyboardModifier modifier : {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier}) {
        Key(Qt::Key_Left, modifier);
        Key(Qt::Key_Down, modifier);
    }
    EXPECT_EQ(G().LevelWidth, 8);
    EXPECT_EQ(G().LevelHeight, 5);
    EXPECT_EQ(Cell(1, 2), '#');

    Key(Qt::Key_Down);
    EXPECT_EQ(G().LevelHeight, 6);
    Key(Qt::Key_Space);
    EXPECT_EQ(G().LevelWidth, 7);
    EXPECT_EQ(G().LevelHeight, 5);
    EXPECT_EQ(Cell(0, 0), '#');
    EXPECT_EQ(Status(1), "Size=7x5");

    // In Play mode the same keys are moves.
    window->BTNPlay->click();
    Key(Qt::Key_Left);
    EXPECT_EQ(G().LevelWidth, 7);
    EXPECT_EQ(G().HistoryIndex, 1);
}

TEST_F(EditorWindowTest, EditorKeysDoNothingWithAnEmptyPlaylist)
{
    UseLevel(Rows(Room));
    StartIn(w4::ModeEditor);
    dialogs.Answers = {true};
    window->MenuItem("MNUFileEmptyPlaylist")->trigger();
    ASSERT_TRUE(G().Playlist.empty());
    for (const int key : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Right, Qt::Key_Down, Qt::Key_Return, Qt::Key_Space})
        Key(key);
    EXPECT_EQ(G().LevelWidth, 0);
    EXPECT_EQ(G().LevelHeight, 0);
    // Nothing to save: no question, no file.
    window->BTNLevelSave->click();
    EXPECT_EQ(dialogs.Questions.size(), 1);
}

} // namespace
