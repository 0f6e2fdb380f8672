// The settings file: defaults, clamps, number forms and the round trip, then the window's use of it.
#include "app/window/uconfig.h"
#include "core/fileio.h"
#include "window_fixture.h"

#include <QPushButton>

#include <QScrollBar>
#include <QTimer>

using namespace w4test;

namespace {

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        g.ProgramFolder = std::filesystem::path(dir.path().toStdString()) / "";
    }
    void Write(const std::string& text) { WriteAll(g.ProgramFolder / "boxyard4.ini", text); }
    w4::WindowPlacement Load() { return w4::LoadSettings(g, defaults); }

    QTemporaryDir dir;
    w4::GameState g;
    w4::WindowPlacement defaults{false, 320, 200, 640, 480, {}};
};

} // namespace

TEST_F(SettingsTest, NoFileGivesEveryDefault)
{
    // Values a previous load might have left, to prove the load replaces them.
    g.LanguageNumber = 1;
    g.GameMode = 3;
    g.FilmSpeed = 7;
    g.SoundsEnabled = true;
    g.LevelIndex = 9;
    const w4::WindowPlacement p = Load();
    EXPECT_FALSE(p.Maximized);
    EXPECT_EQ(p.Left, 320);
    EXPECT_EQ(p.Top, 200);
    EXPECT_EQ(p.Width, 640);
    EXPECT_EQ(p.Height, 480);
    EXPECT_EQ(g.LanguageNumber, 0);
    EXPECT_EQ(g.GameMode, 1);
    EXPECT_EQ(g.FilmSpeed, 1);
    EXPECT_FALSE(g.ForegroundStretched);
    EXPECT_TRUE(g.ForegroundProportional);
    EXPECT_EQ(g.TransparencyColor, 0u);
    EXPECT_EQ(g.GridColor, 4210752u);
    EXPECT_EQ(g.BackgroundMode, 0);
    EXPECT_EQ(g.BackgroundColor, 0u);
    EXPECT_EQ(g.GradientColor1, 255u);
    EXPECT_EQ(g.GradientColor2, 65535u);
    EXPECT_EQ(g.TextureFile, "");
    EXPECT_EQ(g.PictureFile, "");
    EXPECT_EQ(g.LevelIndex, 0);
    EXPECT_EQ(g.MusicFileName, (g.ProgramFolder / "musics" / "boxyard4.s3m").string());
    EXPECT_EQ(g.MusicVolume, 100);
    EXPECT_FALSE(g.MusicAutoPlay);
    EXPECT_EQ(g.SoundVolume, 100);
    EXPECT_FALSE(g.SoundsEnabled);
    // Reading never creates the file.
    EXPECT_FALSE(std::filesystem::exists(g.ProgramFolder / "boxyard4.ini"));
}

struct ClampCase {
    const char* Text;
    int Mode, Speed, Language;
};

class SettingsClampTest : public SettingsTest, public ::testing::WithParamInterface<ClampCase> {};

TEST_P(SettingsClampTest, OutOfRangeValuesAreClamped)
{
    Write(GetParam().Text);
    Load();
    EXPECT_EQ(g.GameMode, GetParam().Mode);
    EXPECT_EQ(g.FilmSpeed, GetParam().Speed);
    EXPECT_EQ(g.LanguageNumber, GetParam().Language);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, SettingsClampTest,
    // Languages keep their numbers; one this version does not know (a later one's) reads as English.
    ::testing::Values(ClampCase{"[MAINFORM]\nMode=7\nSpeed=0\n[LANGUAGE]\nNumber=5\n", 3, 1, 5},
                      ClampCase{"[LANGUAGE]\nNumber=10\n", 1, 1, 10},
                      ClampCase{"[LANGUAGE]\nNumber=11\n", 1, 1, 0},
                      ClampCase{"[MAINFORM]\nMode=0\nSpeed=25\n[LANGUAGE]\nNumber=-1\n", 1, 10, 0},
                      ClampCase{"[MAINFORM]\nMode=-4\nSpeed=-3\n[LANGUAGE]\nNumber=-3\n", 1, 1, 0},
                      ClampCase{"[mainform]\r\nmode=2\r\nspeed=$A\r\n[Language]\r\nNUMBER=1\r\n", 2, 10, 1},
                      ClampCase{"[MAINFORM]\nMode=two\nSpeed=\n[LANGUAGE]\nNumber=French\n", 1, 1, 0}));

TEST_F(SettingsTest, ColoursReadInDecimalAndHexAndUnclampedValuesStayAsTheyAre)
{
    Write("[FOREGROUND]\nTranspColor=0xFF00FF\nGridColor=$00FF00\n"
          "[BACKGROUND]\nMode=9\nColor0=255\nColor1=0X0000FF\nColor2=garbage\n"
          "[MUSIC]\nVolume=150\n[MAINFORM]\nLeft=-3000\nWidth=100\n[LEVEL]\nIndex=77\n");
    const w4::WindowPlacement p = Load();
    EXPECT_EQ(g.TransparencyColor, 0xFF00FFu);
    EXPECT_EQ(g.GridColor, 0x00FF00u);
    EXPECT_EQ(g.BackgroundMode, 9);
    EXPECT_EQ(g.BackgroundColor, 255u);
    EXPECT_EQ(g.GradientColor1, 0xFFu);
    EXPECT_EQ(g.GradientColor2, 65535u);   // garbage reads as the default
    EXPECT_EQ(g.MusicVolume, 150);
    EXPECT_EQ(g.LevelIndex, 77);
    EXPECT_EQ(p.Left, -3000);
    EXPECT_EQ(p.Width, 100);   // the window's minimum size limits it, not the file
}

TEST_F(SettingsTest, SaveThenLoadGivesBackEveryKey)
{
    g.GameMode = 2;
    g.FilmSpeed = 6;
    g.LanguageNumber = 1;
    g.ForegroundStretched = true;
    g.ForegroundProportional = false;
    g.TransparencyColor = 0x00FF00FF;
    g.GridColor = 0x00123456;
    g.BackgroundMode = 3;
    g.BackgroundColor = 0x000000FF;
    g.GradientColor1 = 0x00ABCDEF;
    g.GradientColor2 = 0x00FEDCBA;
    g.TextureFile = "/tmp/tex ture.bmp";
    g.PictureFile = "/tmp/pic.jpg";
    g.LevelIndex = 12;
    g.MusicFileName = "/music/song.xm";
    g.MusicVolume = 40;
    g.MusicAutoPlay = true;
    g.SoundVolume = 55;
    g.SoundsEnabled = true;
    g.SkinFile = "/skins/my skin.png";
    g.SkinEightRows = 2;
    w4::SaveSettings(g, w4::WindowPlacement{false, -12, 34, 800, 600, {}});

    w4::GameState back;
    back.ProgramFolder = g.ProgramFolder;
    const w4::WindowPlacement p = w4::LoadSettings(back, defaults);
    EXPECT_FALSE(p.Maximized);
    EXPECT_EQ(p.Left, -12);
    EXPECT_EQ(p.Top, 34);
    EXPECT_EQ(p.Width, 800);
    EXPECT_EQ(p.Height, 600);
    EXPECT_EQ(back.GameMode, 2);
    EXPECT_EQ(back.FilmSpeed, 6);
    EXPECT_EQ(back.LanguageNumber, 1);
    EXPECT_TRUE(back.ForegroundStretched);
    EXPECT_FALSE(back.ForegroundProportional);
    EXPECT_EQ(back.TransparencyColor, g.TransparencyColor);
    EXPECT_EQ(back.GridColor, g.GridColor);
    EXPECT_EQ(back.BackgroundMode, 3);
    EXPECT_EQ(back.BackgroundColor, g.BackgroundColor);
    EXPECT_EQ(back.GradientColor1, g.GradientColor1);
    EXPECT_EQ(back.GradientColor2, g.GradientColor2);
    EXPECT_EQ(back.TextureFile, g.TextureFile);
    EXPECT_EQ(back.PictureFile, g.PictureFile);
    EXPECT_EQ(back.LevelIndex, 12);
    EXPECT_EQ(back.MusicFileName, g.MusicFileName);
    EXPECT_EQ(back.MusicVolume, 40);
    EXPECT_TRUE(back.MusicAutoPlay);
    EXPECT_EQ(back.SoundVolume, 55);
    EXPECT_TRUE(back.SoundsEnabled);
    EXPECT_EQ(back.SkinFile, g.SkinFile);
    EXPECT_EQ(back.SkinEightRows, 2);
}

TEST_F(SettingsTest, FileKeepsItsKeysInOrderWithCrLf)
{
    w4::SaveSettings(g, w4::WindowPlacement{false, 1, 2, 640, 480, {}});
    const std::string text = ReadAll(g.ProgramFolder / "boxyard4.ini");
    const char* order[] = {"[MAINFORM]", "Maximized=0", "Left=1", "Top=2", "Width=640", "Height=480", "Mode=1",
                           "Speed=1", "[LANGUAGE]", "Number=0", "[FOREGROUND]", "Stretched=0", "Proportional=1",
                           "TranspColor=0", "GridColor=4210752", "[BACKGROUND]", "Mode=0", "Color0=0", "Color1=255",
                           "Color2=65535", "Texture=", "Picture=", "[LEVEL]", "Index=0", "[MUSIC]", "FileName=",
                           "Volume=100", "AutoPlay=0", "[SOUNDS]", "Volume=100", "Enabled=0"};
    std::size_t at = 0;
    for (const char* piece : order) {
        const std::size_t found = text.find(piece, at);
        ASSERT_NE(found, std::string::npos) << piece;
        at = found + 1;
    }
    EXPECT_NE(text.find("\r\n"), std::string::npos);
}

TEST_F(SettingsTest, MaximisedWindowKeepsTheLastNormalPlacement)
{
    Write("[MAINFORM]\r\nLeft=10\r\nTop=20\r\nWidth=700\r\nHeight=500\r\n[OTHER]\r\nKept=yes\r\n");
    w4::SaveSettings(g, w4::WindowPlacement{true, 0, 0, 1920, 1080, {}});
    const w4::WindowPlacement p = Load();
    EXPECT_TRUE(p.Maximized);
    EXPECT_EQ(p.Left, 10);
    EXPECT_EQ(p.Width, 700);
    EXPECT_NE(ReadAll(g.ProgramFolder / "boxyard4.ini").find("Kept=yes"), std::string::npos);
}

TEST_F(SettingsTest, FailedWriteThrowsNamingTheFileAndLeavesItIntact)
{
    // The folder itself is missing: the temporary file cannot be made.
    g.ProgramFolder = g.ProgramFolder / "missing" / "";
    try {
        w4::SaveSettings(g, {});
        FAIL() << "the write should fail";
    } catch (const w4::FileError& e) {
        EXPECT_NE(std::string(e.what()).find("boxyard4.ini"), std::string::npos) << e.what();
    }
}

TEST_F(WindowTest, StoredSettingsShapeTheWindowAtStart)
{
    CopyLevels({"0101"});
    WriteSettings("[MAINFORM]\r\nMode=2\r\nSpeed=4\r\nWidth=800\r\nHeight=300\r\n");
    Start();
    EXPECT_EQ(G().GameMode, w4::ModeEditor);
    EXPECT_TRUE(window->PNLEditLevel->isVisible());
    EXPECT_EQ(window->SBSpeed->value(), 4);
    EXPECT_EQ(window->TimerFilm->interval(), 175);
    EXPECT_FALSE(window->TimerFilm->isActive());
    EXPECT_EQ(window->width(), 800);
    EXPECT_EQ(window->height(), 480);   // the minimum height wins
}

TEST_F(WindowTest, QuitStoresModeLanguageAndLevel)
{
    CopyLevels({"0101", "0102"});
    Start();
    window->BTNFrancais->click();
    window->BTNEditor->click();
    window->BTNLevelNext3->click();   // not visible, but its handler is shared: still navigates
    dialogs.Answers = {true};
    ASSERT_TRUE(window->close());

    w4::GameState back;
    back.ProgramFolder = folder;
    w4::LoadSettings(back, {});
    EXPECT_EQ(back.GameMode, w4::ModeEditor);
    EXPECT_EQ(back.LanguageNumber, w4::LanguageFrench);
    EXPECT_EQ(back.LevelIndex, 1);
}
