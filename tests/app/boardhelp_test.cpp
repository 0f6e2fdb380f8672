// Help at the board driven through its seam alone, with no main window: what it needs of the
// window is all in WindowSeam, and what it shows comes back through it.
#include "window_fixture.h"

#include "app/help/boardhelp.h"
#include "app/window/commands.h"
#include "app/window/windowseam.h"
#include "core/folders.h"
#include "core/frontend.h"
#include "core/loading.h"
#include "core/usokoban.h"
#include "editor/boardmouse.h"


using namespace w4test;

namespace {

// A bare host: a plain widget as the board area, one menu item, the messages and sounds kept.
class BareHost : public w4::WindowSeam, public w4::SilentFrontend {
public:
    w4::GameState& State() override { return Game; }
    w4::Frontend& Screen() override { return *this; }
    w4::Dialogs& Dialog() override { return Dialogs; }
    QWidget* Window() override { return &Top; }
    QWidget* BoardArea() override { return Board; }
    QString ProgramFolderText() const override { return {}; }
    void ShowHelpMessage(const QString& text) override { Messages << text; }
    void Guarded(const std::function<void()>& command) override { command(); }
    bool SetGameMode(int mode) override
    {
        Game.GameMode = mode;
        return true;
    }
    void PlayFilm() override {}
    QString SaveFolderText() const override { return {}; }
    void ShowOwnFilm(const std::string& letters, std::size_t, std::optional<w4::FilmStart>) override { Film = letters; }
    const std::string& OwnFilm() const override { return Film; }
    std::string Film;
    void RefreshStatus() override { Help->PositionChanged(); }
    void PlaySample(w4::Sample sample) override { Samples.push_back(sample); }

    w4::GameState Game;
    ScriptedDialogs Dialogs;
    QWidget Top;
    QWidget* Board = new QWidget(&Top);
    w4::CommandTable Commands{[](const std::function<void()>& run) { run(); }};
    QStringList Messages;
    std::vector<w4::Sample> Samples;
    std::unique_ptr<w4::BoardHelp> Help;
};

class BoardHelpTest : public WindowTest {
protected:
    void StartLevel(const std::string& level)
    {
        const std::string path = LevelPath("bare");
        WriteAll(path, level);
        host = std::make_unique<BareHost>();
        host->Game.ProgramFolder = folder;
        host->Game.Places = w4::PortableFolders(folder);
        host->Game.Playlist = {path};
        host->Game.LevelIndex = 0;
        host->Game.GameMode = w4::ModePlay;
        host->Board->resize(320, 240);
        host->Help = std::make_unique<w4::BoardHelp>(*host);
        host->Help->AddCommands(host->Commands);
        w4::LoadLevel(host->Game, *host);
        w4::RedrawBoard(host->Game, *host);   // finds the keeper and counts the boxes, as the window does
        ASSERT_TRUE(host->Game.LevelInPlay);
    }
    QPoint Cell(int column, int row)
    {
        const w4::BoardHit board = w4::BoardHitTest(host->Game, 320, 240, 0, 0);
        EXPECT_TRUE(board.HasRect);
        return {board.Left + (2 * column + 1) * board.Width / (2 * host->Game.LevelWidth),
                board.Top + (2 * row + 1) * board.Height / (2 * host->Game.LevelHeight)};
    }

    std::unique_ptr<BareHost> host;   // made in the test, once the application exists
};

// A box pushed into the right wall, away from the only target.
const std::string Corner = "#######\r\n#.    #\r\n#  $  #\r\n#@    #\r\n#######\r\n";
// A wall keeps the keeper from the right half but for the way round below.
const std::string Walk = "########\r\n#@ #   #\r\n#  #   #\r\n#      #\r\n#   $ .#\r\n########\r\n";

TEST_F(BoardHelpTest, MarksAndTheirSettingGoThroughTheSeam)
{
    StartLevel(Corner);
    const w4::Command* warnings = host->Commands.Find("ToolsDeadlockWarnings");
    ASSERT_NE(warnings, nullptr);
    ASSERT_TRUE(warnings->Checked) << "the help's command is a check item";
    for (const char letter : std::string("urRR"))
        w4::MoveByLetter(host->Game, *host, letter);
    host->Help->PositionChanged();
    EXPECT_EQ(host->Help->DeadlockMarks(), (std::vector<std::pair<int, int>>{{5, 2}}));
    ASSERT_FALSE(host->Messages.isEmpty());
    EXPECT_TRUE(host->Messages.back().startsWith(QStringLiteral("Deadlock"))) << host->Messages.back().toStdString();
    EXPECT_TRUE(warnings->Checked());

    // Switched off by its command: marks, message and check go together.
    host->Commands.Run("ToolsDeadlockWarnings");
    EXPECT_FALSE(host->Game.DeadlockWarnings);
    EXPECT_TRUE(host->Help->DeadlockMarks().empty());
    EXPECT_TRUE(host->Messages.back().isEmpty());
    EXPECT_FALSE(warnings->Checked());
}

TEST_F(BoardHelpTest, ACtrlClickWalksOnTheHostsTimerOrIsRefusedWithASound)
{
    StartLevel(Walk);
    // Walled in on every side: refused with the kick sound and a message, nothing moves.
    EXPECT_TRUE(host->Help->MouseDown(Cell(0, 0), Qt::LeftButton, Qt::ControlModifier));
    EXPECT_EQ(host->Samples, std::vector<w4::Sample>{w4::Sample::Kick});
    EXPECT_EQ(host->Messages.back(), QStringLiteral("The keeper cannot get there."));
    EXPECT_FALSE(host->Help->Walking());

    EXPECT_TRUE(host->Help->MouseDown(Cell(5, 1), Qt::LeftButton, Qt::ControlModifier));
    EXPECT_TRUE(host->Help->Walking());
    QTRY_VERIFY(!host->Help->Walking());
    EXPECT_EQ(host->Game.KeeperX, 5);
    EXPECT_EQ(host->Game.KeeperY, 1);
    // A plain click is not the help's: it goes on to the window's own step.
    EXPECT_FALSE(host->Help->MouseDown(Cell(4, 1), Qt::LeftButton, Qt::NoModifier));
}

} // namespace
