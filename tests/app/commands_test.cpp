// The command table: every command of the window and its rooms speaks every language and owns
// its keys alone; keys are offered in the order reverse play, help's look, the rest.
#include "app/levels/flevels.h"
#include "app/window/commands.h"
#include "app/window/language.h"
#include "window_fixture.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include <set>

using namespace w4test;

namespace {

std::string KeyName(const w4::KeyBinding& key)
{
    const Qt::KeyboardModifiers held = key.AnyModifiers ? Qt::KeyboardModifiers() : key.Modifiers;
    return QKeySequence(QKeyCombination(held, static_cast<Qt::Key>(key.Key))).toString().toStdString() +
           (key.AnyModifiers ? " (any modifiers)" : "");
}

// Two bindings that one press in one mode could both answer, whatever their further conditions.
bool Overlap(const w4::KeyBinding& a, const w4::KeyBinding& b)
{
    return a.Key == b.Key && (a.Modes & b.Modes) != 0 &&
           (a.AnyModifiers || b.AnyModifiers || w4::CommandModifiers(a.Modifiers) == w4::CommandModifiers(b.Modifiers));
}

// Every pair of different commands that share a key in a mode, named.
std::vector<std::string> SharedKeys(const w4::CommandTable& table)
{
    std::vector<std::string> shared;
    const auto& all = table.All();
    for (std::size_t i = 0; i < all.size(); ++i)
        for (std::size_t j = i + 1; j < all.size(); ++j)
            for (const w4::KeyBinding& a : all[i].Keys)
                for (const w4::KeyBinding& b : all[j].Keys)
                    if (Overlap(a, b))
                        shared.push_back(all[i].Id + " and " + all[j].Id + ": " + KeyName(a));
    return shared;
}

w4::CommandTable BareTable()
{
    return w4::CommandTable([](const std::function<void()>& run) { run(); });
}

} // namespace

TEST_F(WindowTest, EveryCommandHasACaptionInEveryLanguageAndNoTwoShareAKey)
{
    CopyLevels({"0101"});
    Start();
    const w4::CommandTable& table = window->CommandList();
    std::set<std::string> ids;
    for (const w4::Command& command : table.All()) {
        EXPECT_TRUE(ids.insert(command.Id).second) << command.Id;
        // Its translations are the catalogues' business (catalogue_test.cpp): here, an English one.
        EXPECT_TRUE(command.Text.English != nullptr && *command.Text.English != '\0') << command.Id << " has no caption";
    }
    for (const std::string& both : SharedKeys(table))
        ADD_FAILURE() << "one key, two commands: " << both;

    // The rooms' commands are in the one table, with their keys.
    for (const char* id : {"ToolsSolve", "ToolsHint", "ToolsSaveSnapshot", "SaveSnapshotAtOnce", "ToolsSnapshots",
                           "ToolsResumeAttempt", "ToolsReverse", "FileCopyLevel", "FilePasteSolution", "MoveLeft",
                           "ShiftLevelLeft", "LeaveFullScreenOrQuit"})
        EXPECT_NE(table.Find(id), nullptr) << id;
    EXPECT_EQ(table.Match(Qt::Key_F5, Qt::ShiftModifier, w4::ModePlay, false)->Id, "SaveSnapshotAtOnce");
    EXPECT_EQ(table.Match(Qt::Key_H, Qt::NoModifier, w4::ModePlay, false)->Id, "ToolsHint");
    EXPECT_EQ(table.Match(Qt::Key_R, Qt::NoModifier, w4::ModePlay, true)->Id, "ToolsReverse");
    EXPECT_EQ(table.Match(Qt::Key_Left, Qt::KeypadModifier, w4::ModeEditor, false)->Id, "ShiftLevelLeft");
    EXPECT_EQ(table.Match(Qt::Key_Left, Qt::ShiftModifier, w4::ModeEditor, false), nullptr);
    EXPECT_EQ(table.Match(Qt::Key_F2, Qt::NoModifier, w4::ModeSolution, false), nullptr);
}

TEST(CommandTable, TheSharedKeyCheckFindsAKeyTakenTwiceInOneMode)
{
    w4::CommandTable table = BareTable();
    table.Add({"A", {"A"}, [] {}, {w4::Press(Qt::Key_F5, w4::InPlay)}, {}, {}});
    table.Add({"B", {"B"}, [] {}, {w4::Press(Qt::Key_F5, w4::InEditor)}, {}, {}});
    table.Add({"C", {"C"}, [] {}, {w4::Press(Qt::Key_F5, w4::InPlay, Qt::ShiftModifier)}, {}, {}});
    EXPECT_TRUE(SharedKeys(table).empty());
    // Any modifiers covers Shift+F5 too, and the modes meet in play.
    table.Add({"D", {"D"}, [] {}, {w4::PressAny(Qt::Key_F5, w4::InPlay | w4::InSolution)}, {}, {}});
    EXPECT_EQ(SharedKeys(table).size(), 2u);
    EXPECT_THROW(table.Add({"A", {"A"}, [] {}, {}, {}, {}}), std::logic_error);
}

TEST(CommandTable, KeysGoFirstToTheirOwnThenPastTheWatchersToTheRest)
{
    w4::CommandTable table = BareTable();
    int mode = w4::ModePlay;
    bool reverse = false;
    std::vector<std::string> seen;
    w4::KeyBinding r = w4::Press(Qt::Key_R, w4::InPlay);
    r.First = true;
    table.Add({"Reverse", {"R"}, [&] { seen.push_back("reverse"); reverse = !reverse; }, {r}, {}, {}});
    table.Add({"Undo", {"U"}, [&] { seen.push_back("undo"); },
               {w4::Press(Qt::Key_Backspace, w4::InPlay, Qt::NoModifier, [&] { return !reverse; })}, {}, {}});
    table.Watch([&](int, Qt::KeyboardModifiers, const std::string& command) {
        seen.push_back("watch " + command);
        reverse = false;   // what a watcher does is seen by the lookup after it
    });
    const auto key = [&](int code, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        return table.KeyDown(code, modifiers, [&] { return mode; });
    };

    EXPECT_TRUE(key(Qt::Key_R));
    EXPECT_EQ(seen, std::vector<std::string>{"reverse"}) << "reverse play's key passes no watcher";
    seen.clear();
    EXPECT_TRUE(key(Qt::Key_Backspace));
    EXPECT_EQ(seen, (std::vector<std::string>{"watch ", "undo"}));
    seen.clear();
    EXPECT_TRUE(key(Qt::Key_Backspace, Qt::KeypadModifier)) << "the keypad flag is no modifier";
    EXPECT_FALSE(key(Qt::Key_Backspace, Qt::ControlModifier));
    EXPECT_EQ(seen, (std::vector<std::string>{"watch Undo", "undo", "watch "}));
    seen.clear();
    mode = w4::ModeEditor;
    EXPECT_FALSE(key(Qt::Key_R));
    EXPECT_EQ(seen, std::vector<std::string>{"watch "});
}

TEST(CommandTable, MenusAreBuiltTwiceFromOnePlaceListAndFollowTheCommands)
{
    EnsureApplication();
    w4::CommandTable table = BareTable();
    bool on = false;
    bool usable = false;
    int runs = 0;
    table.Add({"Tools", {"Tools"}, {}, {}, {}, {}});
    table.Add({"ToolsThing", {"Thing"},
               [&] {
                   ++runs;
                   on = !on;
               },
               {}, [&] { return on; }, [&] { return usable; }});
    table.Add({"ToolsNever", {"Never"}, [] {}, {}, [] { return false; }, {}});
    table.Add({"KeyOnly", {"Key"}, [] {}, {w4::Press(Qt::Key_F3, w4::InPlay)}, {}, {}});
    QMenuBar bar;
    QMenu popup;
    table.BuildMenus({{"Tools", 0}, {"ToolsThing", 1}, {"ToolsNever", 1}}, &bar, &popup);
    QAction* main = table.Item("MNUToolsThing");
    QAction* board = table.Item("POPToolsThing");
    ASSERT_NE(main, nullptr);
    ASSERT_NE(board, nullptr);
    EXPECT_NE(table.Item("POPTools"), nullptr);
    EXPECT_EQ(table.Item("MNUKeyOnly"), nullptr);
    EXPECT_TRUE(main->isCheckable());
    EXPECT_FALSE(main->isEnabled());

    usable = true;
    table.Refresh();
    EXPECT_TRUE(board->isEnabled());
    board->trigger();
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(main->isChecked()) << "the other menu's twin follows the command";
    // A state changed elsewhere shows at the next refresh.
    on = false;
    table.Refresh();
    EXPECT_FALSE(board->isChecked());
    // A click on a check item whose command changes nothing leaves no check mark of its own.
    table.Item("MNUToolsNever")->trigger();
    EXPECT_FALSE(table.Item("MNUToolsNever")->isChecked());
    usable = false;
    table.Refresh();
    EXPECT_FALSE(main->isEnabled());

    // Captions come from the catalogue in force; one it lacks shows its English.
    w4::UseLanguage(w4::LanguageFrench);
    table.ApplyLanguage();
    EXPECT_EQ(table.Item("MNUTools")->text(), QStringLiteral("Outils"));
    EXPECT_EQ(board->text(), QStringLiteral("Thing"));
    w4::UseLanguage(w4::LanguageEnglish);
    table.ApplyLanguage();
    EXPECT_EQ(table.Item("MNUTools")->text(), QStringLiteral("Tools"));

    w4::CommandTable other = BareTable();
    QMenuBar bar2;
    QMenu popup2;
    EXPECT_THROW(other.BuildMenus({{"Missing", 0}}, &bar2, &popup2), std::logic_error);
}

TEST_F(WindowTest, CtrlZAndCtrlYUndoAndRedoAndTheEveryModeKeysWorkOutsidePlay)
{
    CopyLevels({"0101"});
    Start();
    Play("rr");
    ASSERT_EQ(G().HistoryIndex, 2);
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(G().HistoryIndex, 1);
    Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(G().HistoryIndex, 2);
    Key(Qt::Key_Z, Qt::ControlModifier);
    Key(Qt::Key_Z, Qt::ControlModifier);
    Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(G().HistoryIndex, 1);
    // Only those: Ctrl+Alt+Z, a plain Z and a plain Y do nothing.
    Key(Qt::Key_Z, Qt::ControlModifier | Qt::AltModifier);
    Key(Qt::Key_Z);
    Key(Qt::Key_Y);
    EXPECT_EQ(G().HistoryIndex, 1);
    EXPECT_EQ(G().HistoryLength, 3);

    // The Levels window answers Ctrl+L in Solution mode too, and the arrows do nothing there.
    window->BTNSolutionClick();
    Key(Qt::Key_Left);
    EXPECT_EQ(G().HistoryLength, 1);
    Key(Qt::Key_L, Qt::ControlModifier);
    ASSERT_NE(window->Levels, nullptr);
    EXPECT_TRUE(window->Levels->isVisible());
    window->Levels->close();
}
