// Skins through the window: Graphics > Load takes one, the check item says how eight rows are
// read, and the settings bring both back at the next start.
#include "render/boardpicture.h"
#include "render/skin.h"
#include "window_fixture.h"

#include <QAction>
#include <QPushButton>

using namespace w4test;

namespace {

// Eight rows of 24-pixel tiles, rows 4-7 all showing the keeper's colour: guessed as facing.
QImage EightRowSkin()
{
    QImage picture(96, 192, QImage::Format_ARGB32);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const int tile = (y / 24) * 4 + x / 24;
            const int shade = tile >= 16 ? 1 : tile;
            picture.setPixel(x, y, qRgb(20 + shade * 7, 200 - shade * 6, 90));
        }
    return picture;
}

// Longer than the start's backstop for its deferred work (the first paint, else 300 ms).
constexpr int MediaWait = 600;

bool Checked(TFRMMain& window) { return window.MenuItem("MNUGraphicsDirectionalPusher")->isChecked(); }

TEST_F(WindowTest, GraphicsLoadTakesASkinAndTheSettingsKeepIt)
{
    CopyLevels({"0101"});
    const std::string skin = (folder / "my skin.png").string();
    ASSERT_TRUE(EightRowSkin().save(QString::fromStdString(skin), "PNG"));
    Start();
    EXPECT_FALSE(window->MenuItem("MNUGraphicsDirectionalPusher")->isEnabled());
    dialogs.FileToOpen = {QString::fromStdString(skin)};
    window->MenuItem("MNUGraphicsLoad")->trigger();
    ASSERT_TRUE(dialogs.Errors.isEmpty()) << dialogs.Errors.join("\n").toStdString();
    for (const char* pattern : {"*.ini", "*.png", "*.bmp"})
        EXPECT_TRUE(dialogs.OpenFilters.back().contains(QLatin1String(pattern))) << pattern;
    EXPECT_EQ(G().SkinFile, skin);
    EXPECT_EQ(G().TileWidth, 24);
    EXPECT_TRUE(window->MenuItem("MNUGraphicsDirectionalPusher")->isEnabled());
    EXPECT_TRUE(Checked(*window));

    window->MenuItem("POPGraphicsDirectionalPusher")->trigger();
    EXPECT_FALSE(Checked(*window));
    EXPECT_FALSE(window->Picture().Tiles().Skin->FacingKeeper);
    dialogs.Answers = {true};
    ASSERT_TRUE(window->close());
    const std::string settings = ReadAll(folder / "boxyard4.ini");
    EXPECT_GT(settings.find("[SKIN]"), settings.find("[ASSISTANCE]")); // after the existing sections

    window.reset();
    Start();
    EXPECT_EQ(G().SkinFile, skin);
    EXPECT_EQ(G().TileWidth, 24);
    ASSERT_TRUE(window->Picture().Tiles().Skin);
    EXPECT_FALSE(Checked(*window));

    // An .ini set in its place is not kept, as before: the next start has the built-in set.
    std::filesystem::copy(std::filesystem::path(W4_SOURCE_DIR) / "graphics" / "Warehaus32", folder / "Warehaus32");
    dialogs.FileToOpen = {QString::fromStdString((folder / "Warehaus32" / "Warehaus32.ini").string())};
    window->MenuItem("MNUGraphicsLoad")->trigger();
    EXPECT_TRUE(G().SkinFile.empty());
    EXPECT_FALSE(window->MenuItem("MNUGraphicsDirectionalPusher")->isEnabled());
    dialogs.Answers = {true};
    ASSERT_TRUE(window->close());
    window.reset();
    Start();
    EXPECT_TRUE(G().SkinFile.empty());
    EXPECT_EQ(G().TileWidth, 16);
}

TEST_F(WindowTest, ARefusedSkinNamesTheFileAndKeepsTheSet)
{
    CopyLevels({"0101"});
    const std::string odd = (folder / "odd.png").string();
    ASSERT_TRUE(EightRowSkin().copy(0, 0, 66, 66).save(QString::fromStdString(odd), "PNG"));
    Start();
    dialogs.FileToOpen = {QString::fromStdString(odd)};
    window->MenuItem("MNUGraphicsLoad")->trigger();
    ASSERT_EQ(dialogs.Errors.size(), 1);
    EXPECT_TRUE(dialogs.Errors[0].contains(QString::fromStdString(odd))) << dialogs.Errors[0].toStdString();
    EXPECT_TRUE(dialogs.Errors[0].contains(QLatin1String("no skin grid fits"))) << dialogs.Errors[0].toStdString();
    EXPECT_EQ(G().TileWidth, 16);
    EXPECT_TRUE(G().SkinFile.empty());
    EXPECT_FALSE(window->Picture().Tiles().Skin);
}

// A stored skin gone at start (a drive not mounted) or broken since: the window says so once,
// naming the file, shows the built-in tiles, and keeps the skin chosen for the start it is back.
TEST_F(WindowTest, AStoredSkinGoneOrBrokenIsReportedOnceAndKeptInTheSettings)
{
    CopyLevels({"0101"});
    const std::string skin = (folder / "away" / "my skin.png").string();
    std::filesystem::create_directories(folder / "away");
    ASSERT_TRUE(EightRowSkin().save(QString::fromStdString(skin), "PNG"));
    Start();
    dialogs.FileToOpen = {QString::fromStdString(skin)};
    window->MenuItem("MNUGraphicsLoad")->trigger();
    dialogs.Answers = {true};
    ASSERT_TRUE(window->close());
    window.reset();
    ASSERT_TRUE(dialogs.Errors.isEmpty()) << dialogs.Errors.join("\n").toStdString();

    const auto startAndWait = [this] {
        window.reset();
        dialogs.Errors.clear();
        Start();
        // The report comes after the window's first paint, through the seam: nothing blocks.
        QTest::qWait(MediaWait);
    };
    std::filesystem::rename(folder / "away", folder / "gone");
    startAndWait();
    ASSERT_EQ(dialogs.Errors.size(), 1) << dialogs.Errors.join("\n").toStdString();
    EXPECT_TRUE(dialogs.Errors[0].contains(QString::fromStdString(skin))) << dialogs.Errors[0].toStdString();
    EXPECT_TRUE(dialogs.Errors[0].contains(QLatin1String("not there"))) << dialogs.Errors[0].toStdString();
    EXPECT_EQ(G().TileWidth, 16);
    EXPECT_FALSE(window->Picture().Tiles().Skin);
    window->BTNFrancais->click();   // nothing said again meanwhile
    QTest::qWait(MediaWait);
    EXPECT_EQ(dialogs.Errors.size(), 1);
    dialogs.Answers = {true};
    ASSERT_TRUE(window->close());
    EXPECT_NE(ReadAll(folder / "boxyard4.ini").find("File=" + skin), std::string::npos);

    // Broken: its error names the file and the reason, in the chosen language's frame.
    std::filesystem::rename(folder / "gone", folder / "away");
    WriteAll(skin, "not a picture");
    startAndWait();
    ASSERT_EQ(dialogs.Errors.size(), 1) << dialogs.Errors.join("\n").toStdString();
    EXPECT_TRUE(dialogs.Errors[0].startsWith(QStringLiteral("Le skin"))) << dialogs.Errors[0].toStdString();
    EXPECT_TRUE(dialogs.Errors[0].contains(QString::fromStdString(skin))) << dialogs.Errors[0].toStdString();
    EXPECT_TRUE(dialogs.Errors[0].contains(QLatin1String("not a valid picture"))) << dialogs.Errors[0].toStdString();
    dialogs.Answers = {true};
    ASSERT_TRUE(window->close());

    // Back whole: loaded without a word.
    ASSERT_TRUE(EightRowSkin().save(QString::fromStdString(skin), "PNG"));
    startAndWait();
    EXPECT_TRUE(dialogs.Errors.isEmpty()) << dialogs.Errors.join("\n").toStdString();
    EXPECT_EQ(G().TileWidth, 24);
    EXPECT_EQ(G().SkinFile, skin);
}

} // namespace
