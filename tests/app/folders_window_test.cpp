// Quitting when the settings cannot be written, and a window run the installed way.
#include "window_fixture.h"

#include "app/window/uconfig.h"
#include "core/ulevel.h"

namespace w4test {
namespace {

TEST_F(WindowTest, UnwritableSettingsOfferToQuitWithoutSaving)
{
    CopyLevels({"0101"});
    Start();
    std::filesystem::create_directory(folder / "boxyard4.ini");
    // Yes to quitting, then Yes to quitting without saving.
    dialogs.Answers = {true, true};
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(window->isVisible());
    ASSERT_EQ(dialogs.Errors.size(), 1);
    EXPECT_TRUE(dialogs.Errors[0].contains("boxyard4.ini")) << dialogs.Errors[0].toStdString();
    ASSERT_EQ(dialogs.Questions.size(), 2);
    EXPECT_EQ(dialogs.Questions[1], "Quit without saving ?");
    EXPECT_FALSE(std::filesystem::exists(folder / "boxyard4.lev"));
    EXPECT_FALSE(window->TimerStatus->isActive());
}

TEST_F(WindowTest, UnwritablePlaylistAsksInFrenchAndNoStays)
{
    CopyLevels({"0101"});
    WriteSettings("[LANGUAGE]\r\nNumber=1\r\n");
    Start();
    std::filesystem::create_directory(folder / "boxyard4.lev");
    dialogs.Answers = {true, false};
    EXPECT_FALSE(window->close());
    EXPECT_TRUE(window->isVisible());
    ASSERT_EQ(dialogs.Errors.size(), 1);
    EXPECT_TRUE(dialogs.Errors[0].contains("boxyard4.lev")) << dialogs.Errors[0].toStdString();
    EXPECT_EQ(dialogs.Questions.last(), "Quitter sans enregistrer ?");
    EXPECT_TRUE(window->TimerStatus->isActive());
}

// The program folder plays the installed data folder; settings go to a per-user folder that
// does not exist yet.
TEST_F(WindowTest, AnInstalledRunKeepsSettingsAndPlaylistInItsOwnFolder)
{
    CopyLevels({"0101", "0102"});
    w4::Folders folders;
    folders.Installed = true;
    folders.Data = folder;
    folders.Settings = folder / "config" / "warehaus4" / "";
    folders.Solutions = folder / "data" / "warehaus4" / "solutions" / "";
    const auto start = [&] {
        window = std::make_unique<TFRMMain>(std::filesystem::path("/nonexistent/bin/"), folders, dialogs);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    };
    start();
    EXPECT_EQ(G().Playlist, (std::vector<std::string>{LevelPath("0101"), LevelPath("0102")}));
    EXPECT_EQ(G().MusicFileName, (folder / "musics" / "boxyard4.s3m").string());
    Key(Qt::Key_PageDown, Qt::ControlModifier);
    dialogs.Answers = {true};
    EXPECT_TRUE(window->close());
    EXPECT_EQ(ReadAll(folders.Settings / "boxyard4.lev"), LevelPath("0101") + "\r\n" + LevelPath("0102") + "\r\n");
    EXPECT_NE(ReadAll(folders.Settings / "boxyard4.ini").find("Index=1"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder / "boxyard4.ini"));

    start();
    EXPECT_EQ(G().LevelIndex, 1);
    EXPECT_TRUE(dialogs.Errors.isEmpty());
}

} // namespace
} // namespace w4test
