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
    // The question names the file that failed; the playlist, written on its own, is there.
    EXPECT_EQ(dialogs.Questions[1], "Quit without saving ?\r\n(" + QString::fromStdString((folder / "boxyard4.ini").string()) + ")");
    EXPECT_EQ(ReadAll(folder / "boxyard4.lev"), LevelPath("0101") + "\r\n");
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
    EXPECT_TRUE(dialogs.Questions.last().startsWith("Quitter sans enregistrer ?\r\n(")) << dialogs.Questions.last().toStdString();
    EXPECT_TRUE(dialogs.Questions.last().endsWith("boxyard4.lev)")) << dialogs.Questions.last().toStdString();
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

// The save dialogs of an installed copy open where the user can write: the folder of the current
// level when it can be written, else home; never the read-only data folder.
TEST_F(WindowTest, SaveDialogsOfAnInstalledCopyOpenInAWritableFolder)
{
    CopyLevels({"0101"});
    w4::Folders folders;
    folders.Installed = true;
    folders.Data = folder;
    folders.Settings = folder / "config" / "";
    folders.Solutions = folder / "store" / "";
    folders.Home = folder / "home";
    std::filesystem::create_directories(folders.Home);
    window = std::make_unique<TFRMMain>(std::filesystem::path("/nonexistent/bin/"), folders, dialogs);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    dialogs.Answers = {true};
    window->MenuItem("MNUFileNew")->trigger();
    ASSERT_EQ(dialogs.SaveStarts.size(), 1);
    EXPECT_EQ(dialogs.SaveStarts[0], QString::fromStdString((folder / "levels" / "").string()));

    std::filesystem::permissions(folder / "levels", std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                                                        std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::remove);
    window->MenuItem("MNUFileExportPlaylist")->trigger();
    std::filesystem::permissions(folder / "levels", std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
    ASSERT_EQ(dialogs.SaveStarts.size(), 2);
    EXPECT_EQ(dialogs.SaveStarts[1], QString::fromStdString((folders.Home / "").string()));
    dialogs.Answers = {true};
    window->close();
}

} // namespace
} // namespace w4test
