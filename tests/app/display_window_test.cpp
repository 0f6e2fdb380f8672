// The board area as the player sees it: where the board is drawn in each foreground mode, the
// backgrounds behind it, and full screen entered and left by button and keys.
#include "window_fixture.h"

#include "app/window/boardview.h"
#include "editor/boardmouse.h"
#include "render/boardpicture.h"

#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>

using namespace w4test;

namespace {

const QRgb Magenta = qRgb(255, 0, 255);
const QColor KeyColour(1, 2, 3);   // a see-through colour that no tile uses

// A rectangular level: walls all round, so every edge cell of the picture is opaque.
std::string WalledLevel(int width, int height)
{
    std::string text;
    for (int y = 0; y < height; ++y) {
        std::string row(width, ' ');
        if (y == 0 || y == height - 1)
            row.assign(width, '#');
        row.front() = row.back() = '#';
        text += row + "\r\n";
    }
    text[width + 2 + 1] = '@';   // (1, 1)
    text[width + 2 + 2] = '$';
    text[width + 2 + 3] = '.';
    return text;
}

// The smallest rectangle holding every pixel that is not the background colour.
QRect Opaque(const QImage& image, QRgb background)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != (background & 0xFFFFFF))
                box |= QRect(x, y, 1, 1);
    return box;
}

QImage SolidPicture(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

class DisplayWindowTest : public WindowTest {
protected:
    // One level of its own in the playlist.
    void StartWithLevel(const std::string& text)
    {
        WriteAll(folder / "levels" / "board.xsb", text);
        WritePlaylist({(folder / "levels" / "board.xsb").string()});
        Start();
    }

    void Menu(const char* name)
    {
        QAction* item = window->MenuItem(QString::fromLatin1(name));
        ASSERT_NE(item, nullptr) << name;
        item->trigger();
    }

    // Makes the board area exactly w x h by sizing the window around it.
    void SetBoardArea(int w, int h)
    {
        QWidget* area = window->IMGSokoban;
        window->resize(std::max(w, 640), 480);
        QCoreApplication::processEvents();
        window->resize(w + window->width() - area->width(), h + window->height() - area->height());
        QCoreApplication::processEvents();
        ASSERT_EQ(area->size(), QSize(w, h));
    }

    QImage Shot() { return window->IMGSokoban->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    // A plain magenta background and a key colour no tile uses, so that the board's cells are
    // exactly the pixels that are not magenta.
    void MagentaBehindOpaqueTiles()
    {
        dialogs.Colours = {QColor(Magenta), KeyColour};
        Menu("MNUDisplayBackgroundColor0");
        Menu("MNUDisplayForegroundTransparencyColor");
    }

    void SetMode(bool stretch, bool proportional)
    {
        G().ForegroundStretched = stretch;
        G().ForegroundProportional = proportional;
    }

    w4::BoardHit Hit(QPoint p)
    {
        return w4::BoardHitTest(G(), window->IMGSokoban->width(), window->IMGSokoban->height(), p.x(), p.y());
    }
};

struct DrawnCase {
    const char* Mode;
    const char* Item;
    QRect Drawn;   // the whole picture, frame included
};

// A 10 x 8 board of 16-pixel tiles is a 162 x 130 picture; in a 640 x 400 area it is drawn at
// its own size, enlarged with its proportions kept, or stretched. Its see-through frame is
// scaled with it, so the cells fill the drawn rectangle less one scaled frame pixel all round,
// and that is exactly the rectangle the mouse hits.
TEST_F(DisplayWindowTest, SmallBoardDrawnInEachForegroundMode)
{
    StartWithLevel(WalledLevel(10, 8));
    ASSERT_EQ(window->Picture().Image().size(), QSize(162, 130));
    SetBoardArea(640, 400);
    MagentaBehindOpaqueTiles();

    const DrawnCase cases[] = {
        {"Standard", "MNUDisplayForegroundStandard", QRect(239, 135, 162, 130)},
        {"Proportional", "MNUDisplayForegroundProportional", QRect(71, 0, 498, 400)},
        {"Stretched", "MNUDisplayForegroundStretched", QRect(0, 0, 640, 400)},
    };
    for (const DrawnCase& c : cases) {
        Menu(c.Item);
        const QRect cells = Opaque(Shot(), Magenta);
        const double frameX = c.Drawn.width() / 162.0, frameY = c.Drawn.height() / 130.0;
        EXPECT_TRUE(c.Drawn.contains(cells)) << c.Mode;
        EXPECT_NEAR(cells.left() - c.Drawn.left(), frameX, 1.0) << c.Mode;
        EXPECT_NEAR(c.Drawn.right() - cells.right(), frameX, 1.0) << c.Mode;
        EXPECT_NEAR(cells.top() - c.Drawn.top(), frameY, 1.0) << c.Mode;
        EXPECT_NEAR(c.Drawn.bottom() - cells.bottom(), frameY, 1.0) << c.Mode;

        const w4::BoardHit hit = Hit(cells.topLeft());
        EXPECT_EQ(QRect(hit.Left, hit.Top, hit.Width, hit.Height), cells) << c.Mode;
        EXPECT_EQ(hit.Column, 0) << c.Mode;
        EXPECT_EQ(hit.Row, 0) << c.Mode;
        EXPECT_EQ(Hit(cells.bottomRight()).Column, 9) << c.Mode;
        EXPECT_EQ(Hit(cells.bottomRight()).Row, 7) << c.Mode;
    }
    // Standard is one to one: the keeper's cell (1, 1) starts 17 pixels into the picture.
    Menu("MNUDisplayForegroundStandard");
    const QImage shot = Shot();
    const QImage& picture = window->Picture().DisplayImage();
    for (const QPoint p : {QPoint(17, 17), QPoint(24, 30), QPoint(100, 60)})
        EXPECT_EQ(shot.pixel(QPoint(239, 135) + p) & 0xFFFFFF, picture.pixel(p) & 0xFFFFFF) << p.x() << "," << p.y();
}

// A 50 x 20 board (802 x 322) in a 400 x 300 area: Standard and Proportional shrink it to
// 400 x 160 from (0, 70); with neither switch it stays at its own size from (-201, -11).
TEST_F(DisplayWindowTest, LargeBoardShrunkOrCutOff)
{
    StartWithLevel(WalledLevel(50, 20));
    ASSERT_EQ(window->Picture().Image().size(), QSize(802, 322));
    MagentaBehindOpaqueTiles();
    window->IMGSokoban->resize(400, 300);   // narrower than the window can be made

    for (const bool stretch : {false, true}) {
        SetMode(stretch, true);
        const QRect cells = Opaque(Shot(), Magenta);
        EXPECT_EQ(cells, QRect(0, 70, 400, 160)) << stretch;
        const w4::BoardHit hit = Hit({0, 70});
        EXPECT_EQ(QRect(hit.Left, hit.Top, hit.Width, hit.Height), cells) << stretch;
    }

    SetMode(false, false);
    const QImage shot = Shot();
    const QImage& picture = window->Picture().DisplayImage();
    // Cut off on every side: the picture pixel (201, 11) lands on the area's corner.
    for (const QPoint p : {QPoint(0, 0), QPoint(399, 299), QPoint(123, 45), QPoint(0, 299)})
        EXPECT_EQ(shot.pixel(p) & 0xFFFFFF, picture.pixel(p + QPoint(201, 11)) & 0xFFFFFF) << p.x() << "," << p.y();
    EXPECT_EQ(Opaque(shot, Magenta), QRect(0, 0, 400, 300));
}

// Where the scaled board and a hit test by the unframed size part ways, a click goes to the cell
// the player sees: in Proportional mode cell 9 is drawn from x = 517 on.
TEST_F(DisplayWindowTest, ClickInProportionalModeStepsTowardsTheCellDrawnThere)
{
    std::string level = WalledLevel(10, 8);
    level[10 + 2 + 1] = ' ';
    level[10 + 2 + 8] = '@';   // keeper at (8, 1), next to the right wall
    StartWithLevel(level);
    SetBoardArea(640, 400);
    Menu("MNUDisplayForegroundProportional");
    ASSERT_EQ(G().KeeperX, 8);

    // Row 3's middle is picture pixel 57, about 175 on screen.
    QTest::mouseClick(window->IMGSokoban, Qt::LeftButton, {}, QPoint(518, 175));
    EXPECT_EQ(G().KeeperY, 1) << "the wall column was clicked";
    QTest::mouseClick(window->IMGSokoban, Qt::LeftButton, {}, QPoint(515, 175));
    EXPECT_EQ(G().KeeperY, 2);
    EXPECT_EQ(G().KeeperX, 8);
}

// --- Backgrounds ---

TEST_F(DisplayWindowTest, GradientOfAFourPixelAreaAndSwapTwice)
{
    StartWithLevel(WalledLevel(10, 8));
    Menu("MNUDisplayBackgroundColoredEffect");
    window->IMGSokoban->resize(100, 4);
    const QRgb rows[] = {qRgb(255, 0, 0), qRgb(255, 63, 0), qRgb(255, 127, 0), qRgb(255, 191, 0)};
    QImage shot = Shot();
    for (int y = 0; y < 4; ++y) {
        // The board is shrunk to a sliver in the middle; the edges show the background.
        EXPECT_EQ(shot.pixel(0, y), rows[y]) << y;
        EXPECT_EQ(shot.pixel(99, y), rows[y]) << y;
    }

    Menu("MNUDisplayBackgroundSwapColors");
    EXPECT_EQ(Shot().pixel(0, 0), qRgb(255, 255, 0));
    Menu("MNUDisplayBackgroundSwapColors");
    EXPECT_EQ(G().GradientColor1, 255u);
    EXPECT_EQ(G().GradientColor2, 65535u);
    shot = Shot();
    for (int y = 0; y < 4; ++y)
        EXPECT_EQ(shot.pixel(0, y), rows[y]) << y;
}

TEST_F(DisplayWindowTest, SwapAndColourItemsSwitchToTheColoredEffect)
{
    StartWithLevel(WalledLevel(10, 8));
    SetBoardArea(640, 400);
    EXPECT_EQ(Shot().pixel(0, 0), qRgb(0, 0, 0));   // no settings: plain black

    dialogs.Colours = {QColor(0, 0, 255)};
    Menu("MNUDisplayBackgroundColor0");
    EXPECT_EQ(Shot().pixel(5, 5), qRgb(0, 0, 255));
    Menu("MNUDisplayBackgroundSwapColors");
    EXPECT_EQ(G().BackgroundMode, 1);
    EXPECT_EQ(Shot().pixel(5, 0), qRgb(255, 255, 0));
    // "No Background" brings back the chosen colour, not black.
    Menu("MNUDisplayBackgroundNone");
    EXPECT_EQ(Shot().pixel(5, 5), qRgb(0, 0, 255));

    dialogs.Colours = {QColor(0, 255, 0)};
    Menu("MNUDisplayBackgroundColor1");
    EXPECT_EQ(G().BackgroundMode, 1);
    EXPECT_EQ(Shot().pixel(5, 0), qRgb(0, 255, 0));
    // Cancel changes nothing (the swap left red at the bottom).
    dialogs.Colours = {std::nullopt};
    Menu("MNUDisplayBackgroundColor2");
    EXPECT_EQ(G().GradientColor2, 255u);
    Menu("MNUDisplayBackgroundNone");
    dialogs.Colours = {std::nullopt};
    Menu("MNUDisplayBackgroundColor1");
    EXPECT_EQ(G().BackgroundMode, 0);
}

// A dialog script that also records the colour each colour dialog opened on.
class RecordingDialogs : public ScriptedDialogs {
public:
    std::optional<QColor> Colour(const QColor& initial) override
    {
        Opened << initial;
        return ScriptedDialogs::Colour(initial);
    }
    QList<QColor> Opened;
};

TEST_F(DisplayWindowTest, ColourDialogOpensOnTheColourLastChosenInIt)
{
    RecordingDialogs recorder;
    TFRMMain own(folder, recorder);
    recorder.Colours = {QColor(Qt::green), std::nullopt, QColor(Qt::white)};
    own.MenuItem("MNUDisplayBackgroundColor1")->trigger();
    own.MenuItem("MNUDisplayBackgroundColor2")->trigger();   // cancelled
    own.MenuItem("MNUDisplayForegroundGridColor")->trigger();
    own.MenuItem("POPDisplayBackgroundColor0")->trigger();
    const QList<QColor> expected = {QColor(Qt::black), QColor(Qt::green), QColor(Qt::green), QColor(Qt::white)};
    EXPECT_EQ(recorder.Opened, expected);
    EXPECT_EQ(own.State().GridColor, 0xFFFFFFu);
    EXPECT_EQ(own.State().GradientColor2, 65535u);
}

TEST_F(DisplayWindowTest, SettingsModeSevenShowsThePicture)
{
    SolidPicture({8, 8}, QColor(0, 0, 200)).save(QString::fromStdString((folder / "sky.png").string()));
    WriteSettings("[BACKGROUND]\r\nMode=7\r\nPicture=" + (folder / "sky.png").string() + "\r\n");
    StartWithLevel(WalledLevel(10, 8));
    EXPECT_EQ(G().BackgroundMode, 3);
    SetBoardArea(640, 400);
    const QImage shot = Shot();
    for (const QPoint p : {QPoint(0, 0), QPoint(639, 399), QPoint(10, 390)})
        EXPECT_EQ(shot.pixel(p), qRgb(0, 0, 200)) << p.x() << "," << p.y();
}

TEST_F(DisplayWindowTest, MissingTextureOrPictureKeepsTheBackgroundOnScreen)
{
    StartWithLevel(WalledLevel(10, 8));
    SetBoardArea(640, 400);
    Menu("MNUDisplayBackgroundColoredEffect");
    const QRgb before = Shot().pixel(0, 0);
    ASSERT_EQ(before, qRgb(255, 0, 0));

    Menu("MNUDisplayBackgroundTexture");   // no texture chosen yet
    EXPECT_EQ(G().BackgroundMode, 2);
    EXPECT_EQ(Shot().pixel(0, 0), before);

    G().PictureFile = (folder / "gone.png").string();
    Menu("MNUDisplayBackgroundPicture");
    EXPECT_EQ(G().BackgroundMode, 3);
    EXPECT_EQ(Shot().pixel(0, 0), before);

    // A file that is no picture is passed over in silence too.
    WriteAll(folder / "junk.bmp", "not a picture");
    dialogs.Pictures = {QString::fromStdString((folder / "junk.bmp").string())};
    Menu("MNUDisplayBackgroundLoadTexture");
    EXPECT_EQ(Shot().pixel(0, 0), before);
    EXPECT_TRUE(dialogs.Errors.isEmpty());

    // Still stored as chosen, so the next start tries again.
    dialogs.Answers = {true};
    ASSERT_TRUE(window->close());
    const std::string ini = ReadAll(folder / "boxyard4.ini");
    EXPECT_NE(ini.find("Mode=2"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Texture=" + (folder / "junk.bmp").string()), std::string::npos) << ini;
}

// The mosaic shows through the see-through frame and the cells outside the walls, even when the
// stretched board covers the whole area.
TEST_F(DisplayWindowTest, TextureMosaicBehindSeeThroughCells)
{
    const std::string level = "  ########\r\n"
                              "  #@$.   #\r\n"
                              "###      #\r\n"
                              "#        #\r\n"
                              "#        #\r\n"
                              "#        #\r\n"
                              "#        #\r\n"
                              "##########\r\n";
    StartWithLevel(level);
    SetBoardArea(640, 400);
    QImage texture(30, 20, QImage::Format_RGB32);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 30; ++x)
            texture.setPixel(x, y, qRgb(x * 8, y * 12, 77));
    const QString path = QString::fromStdString((folder / "tile.bmp").string());
    ASSERT_TRUE(texture.save(path));

    dialogs.Pictures = {path};
    Menu("MNUDisplayBackgroundLoadTexture");
    EXPECT_EQ(G().BackgroundMode, 2);
    EXPECT_EQ(G().TextureFile, path.toStdString());
    Menu("MNUDisplayForegroundStretched");
    const QImage shot = Shot();
    // Cell (0, 0) lies outside the walls; its middle is around (35, 27) on screen.
    for (const QPoint p : {QPoint(35, 27), QPoint(2, 1), QPoint(50, 60), QPoint(639, 399)})
        EXPECT_EQ(shot.pixel(p), texture.pixel(p.x() % 30, p.y() % 20)) << p.x() << "," << p.y();
    // The keeper's cell is not see-through.
    EXPECT_NE(shot.pixel(3 * 640 / 10 - 20, 60), texture.pixel((3 * 640 / 10 - 20) % 30, 0));
}

TEST_F(DisplayWindowTest, ResizeRebuildsTheGradientForTheNewArea)
{
    StartWithLevel(WalledLevel(10, 8));
    Menu("MNUDisplayBackgroundColoredEffect");
    SetBoardArea(640, 400);
    SetBoardArea(800, 420);
    const QImage shot = Shot();
    // Green rises by 255 / 420 a row; the last row stops one step short of yellow.
    EXPECT_EQ(shot.pixel(799, 300), qRgb(255, 182, 0));
    EXPECT_EQ(shot.pixel(0, 210), qRgb(255, 127, 0));
    EXPECT_EQ(shot.pixel(799, 419), qRgb(255, 254, 0));
}

// --- Full screen ---

TEST_F(DisplayWindowTest, FullScreenCoversTheScreenAndRestoresTheWindow)
{
    StartWithLevel(WalledLevel(10, 8));
    window->setGeometry(100, 80, 700, 520);
    QCoreApplication::processEvents();
    const QRect normal = window->geometry();
    const QRect screen = window->screen()->geometry();

    window->BTNFullscreen->click();
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->FullScreen().Active);
    EXPECT_EQ(window->geometry(), screen);
    EXPECT_EQ(window->IMGSokoban->size(), screen.size());
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    for (QWidget* hidden : {static_cast<QWidget*>(window->MNUSokoban), window->PNLButtons, window->PNLPlayGame,
                            static_cast<QWidget*>(window->myStatusBar)})
        EXPECT_FALSE(hidden->isVisible()) << hidden->objectName().toStdString();
    for (QAction* item : window->MNUSokoban->actions())
        EXPECT_FALSE(item->isVisible());
    EXPECT_EQ(window->FullScreen().Width, normal.width());

    Key(Qt::Key_F2);
    QCoreApplication::processEvents();
    EXPECT_FALSE(window->FullScreen().Active);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->geometry(), normal);
    EXPECT_FALSE(window->isMaximized());
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    for (QWidget* shown : {static_cast<QWidget*>(window->MNUSokoban), window->PNLButtons, window->PNLPlayGame,
                           static_cast<QWidget*>(window->myStatusBar)})
        EXPECT_TRUE(shown->isVisible()) << shown->objectName().toStdString();
    EXPECT_FALSE(window->PNLEditLevel->isVisible());
}

TEST_F(DisplayWindowTest, MaximizedWindowComesBackMaximizedWithItsNormalSize)
{
    StartWithLevel(WalledLevel(10, 8));
    window->setGeometry(120, 90, 660, 500);
    QCoreApplication::processEvents();
    const QRect normal = window->geometry();
    window->showMaximized();
    QCoreApplication::processEvents();
    ASSERT_TRUE(window->isMaximized());

    Key(Qt::Key_F2);
    EXPECT_TRUE(window->FullScreen().WasMaximized);
    EXPECT_EQ(QRect(window->FullScreen().Left, window->FullScreen().Top, window->FullScreen().Width, window->FullScreen().Height), normal);
    Key(Qt::Key_F2);
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->isMaximized());
    EXPECT_EQ(window->normalGeometry(), normal);
    window->showNormal();
    QCoreApplication::processEvents();
    EXPECT_EQ(window->geometry(), normal);
}

TEST_F(DisplayWindowTest, EscapeLeavesFullScreenFirstAndAsksToQuitNext)
{
    StartWithLevel(WalledLevel(10, 8));
    Key(Qt::Key_F2);
    ASSERT_TRUE(window->FullScreen().Active);
    Key(Qt::Key_Escape);
    EXPECT_FALSE(window->FullScreen().Active);
    EXPECT_TRUE(dialogs.Questions.isEmpty());
    EXPECT_TRUE(window->isVisible());

    dialogs.Answers = {false};
    Key(Qt::Key_Escape);
    EXPECT_EQ(dialogs.Questions.size(), 1);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->FullScreen().Active);
}

TEST_F(DisplayWindowTest, F2TogglesInPlayModeOnly)
{
    StartWithLevel(WalledLevel(10, 8));
    for (QPushButton* mode : {window->BTNEditor, window->BTNSolution}) {
        mode->click();
        Key(Qt::Key_F2);
        EXPECT_FALSE(window->FullScreen().Active) << mode->objectName().toStdString();
        EXPECT_TRUE(window->PNLButtons->isVisible());
    }
    window->BTNPlay->click();
    Key(Qt::Key_F2);
    EXPECT_TRUE(window->FullScreen().Active);
    Key(Qt::Key_F2);
    EXPECT_FALSE(window->FullScreen().Active);
}

// Quitting in full screen stores the screen's bounds as an ordinary window's.
TEST_F(DisplayWindowTest, QuitInFullScreenStoresTheScreenBoundsAndDisplayKeys)
{
    StartWithLevel(WalledLevel(10, 8));
    const QRect screen = window->screen()->geometry();
    Menu("MNUDisplayForegroundStretched");
    Menu("MNUDisplayBackgroundColoredEffect");
    Key(Qt::Key_F2);
    dialogs.Answers = {true};
    ASSERT_TRUE(window->close());
    const std::string ini = ReadAll(folder / "boxyard4.ini");
    const std::vector<std::string> lines = {"Maximized=0", "Left=0", "Top=0",
                                            "Width=" + std::to_string(screen.width()),
                                            "Height=" + std::to_string(screen.height()), "Stretched=1",
                                            "Proportional=0", "TranspColor=0", "[BACKGROUND]\r\nMode=1\r\n"};
    for (const std::string& line : lines)
        EXPECT_NE(ini.find(line), std::string::npos) << line << "\n" << ini;
}

TEST_F(DisplayWindowTest, WindowIsNeverSmallerThan640By480)
{
    StartWithLevel(WalledLevel(10, 8));
    window->resize(300, 200);
    QCoreApplication::processEvents();
    EXPECT_GE(window->width(), 640);
    EXPECT_GE(window->height(), 480);
}

} // namespace
