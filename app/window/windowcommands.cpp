// The window's own commands, the order of both menus, and the way keys reach the table. The rooms
// beside the window add theirs (help, snapshots, collections: their AddCommands); commands.h says
// what a command is.

#include "app/collections/collections.h"
#include "app/help/boardhelp.h"
#include "app/levels/flevels.h"
#include "app/snapshots/snapshots.h"
#include "app/window/commands.h"
#include "app/window/fmain.h"
#include "app/window/language.h"

#include "core/history.h"
#include "core/loading.h"
#include "core/ulevel.h"
#include "core/usokoban.h"
#include "editor/editorcommands.h"
#include "render/boardpicture.h"
#include "render/skin.h"

#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QWindow>

namespace {

using w4::Command;
using w4::InEditor;
using w4::InEveryMode;
using w4::InPlay;
using w4::Press;
using w4::PressAny;

constexpr Qt::KeyboardModifiers Ctrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers CtrlShift = Qt::ControlModifier | Qt::ShiftModifier;

// Both menus, item for item: the menu bar MNUSokoban and the board's menu POPSokoban.
const std::vector<w4::MenuPlace>& MenuLayout()
{
    static const std::vector<w4::MenuPlace> layout = {
        {"File", 0},
        {"FileNew", 1}, {"FileOpen", 1}, {"FileSave", 1}, {"FileSaveAs", 1}, {"FileClose", 1},
        {"FileEmptyPlaylist", 1}, {"FileDefaultPlaylist", 1}, {"FileQuit", 1}, {"FileImportCollection", 1},
        {"FileExportPlaylist", 1}, {"FileCopyLevel", 1}, {"FilePasteLevel", 1}, {"FileCopySolution", 1},
        {"FilePasteSolution", 1}, {"FileLevels", 1},
        {"Display", 0},
        {"DisplayForeground", 1},
        {"DisplayForegroundStandard", 2}, {"DisplayForegroundProportional", 2}, {"DisplayForegroundStretched", 2},
        {"DisplayForegroundTransparencyColor", 2}, {"DisplayForegroundGridColor", 2},
        {"DisplayBackground", 1},
        {"DisplayBackgroundNone", 2}, {"DisplayBackgroundColor0", 2}, {"DisplayBackgroundColoredEffect", 2},
        {"DisplayBackgroundColor1", 2}, {"DisplayBackgroundColor2", 2}, {"DisplayBackgroundSwapColors", 2},
        {"DisplayBackgroundTexture", 2}, {"DisplayBackgroundLoadTexture", 2}, {"DisplayBackgroundPicture", 2},
        {"DisplayBackgroundLoadPicture", 2},
        {"DisplayLanguage", 1},
        {"DisplayLanguageen", 2}, {"DisplayLanguagefr", 2}, {"DisplayLanguagede", 2}, {"DisplayLanguagees", 2},
        {"DisplayLanguageit", 2}, {"DisplayLanguagept_BR", 2}, {"DisplayLanguagenl", 2}, {"DisplayLanguagepl", 2},
        {"DisplayLanguageru", 2}, {"DisplayLanguagezh_CN", 2}, {"DisplayLanguageja", 2},
        {"Graphics", 0},
        {"GraphicsLoad", 1}, {"GraphicsDirectionalPusher", 1},
        {"Music", 0},
        {"MusicPlay", 1}, {"MusicStop", 1}, {"MusicLoad", 1},
        {"Sounds", 0},
        {"SoundsEnabled", 1}, {"SoundsDisabled", 1},
        {"Tools", 0},
        {"ToolsAssociateExtension", 1}, {"ToolsSolve", 1}, {"ToolsHint", 1}, {"ToolsLastSolvable", 1},
        {"ToolsDeadlockWarnings", 1}, {"ToolsSaveSnapshot", 1}, {"ToolsSnapshots", 1}, {"ToolsResumeAttempt", 1},
        {"ToolsOptimizeSolution", 1}, {"ToolsLiveCheck", 1}, {"ToolsReverse", 1},
        {"Help", 0},
        {"HelpSendMail", 1}, {"HelpWebSite", 1}, {"HelpAbout", 1},
    };
    return layout;
}

} // namespace

void TFRMMain::BuildCommands()
{
    Commands = std::make_unique<w4::CommandTable>([this](const std::function<void()>& run) { Guarded(run); });
    w4::CommandTable& t = *Commands;
    w4::GameState& g = Game;
    const auto handler = [this](void (TFRMMain::*click)()) { return [this, click] { (this->*click)(); }; };
    // english is marked for the catalogues where each command is written.
    const auto title = [&t](const char* id, const char* english) { t.Add({id, {english}, {}, {}, {}, {}}); };
    const auto item = [&t, &handler](const char* id, const char* english, void (TFRMMain::*click)()) {
        t.Add({id, {english}, handler(click), {}, {}, {}});
    };
    const auto inPlay = [&g] { return g.LevelInPlay; };
    const auto levelsListed = [&g] { return !g.Playlist.empty(); };

    // --- File ---
    title("File", QT_TRANSLATE_NOOP("Warehaus4", "File"));
    item("FileNew", QT_TRANSLATE_NOOP("Warehaus4", "New"), &TFRMMain::MNUFileNewClick);
    item("FileOpen", QT_TRANSLATE_NOOP("Warehaus4", "Open"), &TFRMMain::MNUFileOpenClick);
    item("FileSave", QT_TRANSLATE_NOOP("Warehaus4", "Save"), &TFRMMain::MNUFileSaveClick);
    item("FileSaveAs", QT_TRANSLATE_NOOP("Warehaus4", "Save As"), &TFRMMain::MNUFileSaveAsClick);
    item("FileClose", QT_TRANSLATE_NOOP("Warehaus4", "Close"), &TFRMMain::MNUFileCloseClick);
    item("FileEmptyPlaylist", QT_TRANSLATE_NOOP("Warehaus4", "Empty Playlist"), &TFRMMain::MNUFileEmptyPlaylistClick);
    item("FileDefaultPlaylist", QT_TRANSLATE_NOOP("Warehaus4", "Default Playlist"), &TFRMMain::MNUFileDefaultPlaylistClick);
    item("FileQuit", QT_TRANSLATE_NOOP("Warehaus4", "Quit"), &TFRMMain::MNUFileQuitClick);
    Collections->AddCommands(t);
    const auto playChosen = [this](int index) { Guarded([this, index] { TheGame->GoToLevel(index); }); };
    t.Add({"FileLevels", {QT_TRANSLATE_NOOP("Warehaus4", "Levels")},
           [this, playChosen] { OpenLevelsWindow(this, Levels, Game, LevelListPlacement, BoardPic->Tiles(), playChosen); },
           {Press(Qt::Key_L, InEveryMode, Ctrl)}, {}, {}});

    // --- Display ---
    title("Display", QT_TRANSLATE_NOOP("Warehaus4", "Display"));
    title("DisplayForeground", QT_TRANSLATE_NOOP("Warehaus4", "Foreground"));
    item("DisplayForegroundStandard", QT_TRANSLATE_NOOP("Warehaus4", "Standard"), &TFRMMain::MNUDisplayForegroundStandardClick);
    item("DisplayForegroundProportional", QT_TRANSLATE_NOOP("Warehaus4", "Proportional"), &TFRMMain::MNUDisplayForegroundProportionalClick);
    item("DisplayForegroundStretched", QT_TRANSLATE_NOOP("Warehaus4", "Stretched"), &TFRMMain::MNUDisplayForegroundStretchedClick);
    item("DisplayForegroundTransparencyColor", QT_TRANSLATE_NOOP("Warehaus4", "Transparency Color"),
         &TFRMMain::MNUDisplayForegroundTransparencyColorClick);
    item("DisplayForegroundGridColor", QT_TRANSLATE_NOOP("Warehaus4", "Grid Color"), &TFRMMain::MNUDisplayForegroundGridColorClick);
    title("DisplayBackground", QT_TRANSLATE_NOOP("Warehaus4", "Background"));
    item("DisplayBackgroundNone", QT_TRANSLATE_NOOP("Warehaus4", "No Background"), &TFRMMain::MNUDisplayBackgroundNoneClick);
    item("DisplayBackgroundColor0", QT_TRANSLATE_NOOP("Warehaus4", "Color"), &TFRMMain::MNUDisplayBackgroundColor0Click);
    item("DisplayBackgroundColoredEffect", QT_TRANSLATE_NOOP("Warehaus4", "Colored Effect"), &TFRMMain::MNUDisplayBackgroundColoredEffectClick);
    item("DisplayBackgroundColor1", QT_TRANSLATE_NOOP("Warehaus4", "Color 1"), &TFRMMain::MNUDisplayBackgroundColor1Click);
    item("DisplayBackgroundColor2", QT_TRANSLATE_NOOP("Warehaus4", "Color 2"), &TFRMMain::MNUDisplayBackgroundColor2Click);
    item("DisplayBackgroundSwapColors", QT_TRANSLATE_NOOP("Warehaus4", "Swap Colors"), &TFRMMain::MNUDisplayBackgroundSwapColorsClick);
    item("DisplayBackgroundTexture", QT_TRANSLATE_NOOP("Warehaus4", "Texture"), &TFRMMain::MNUDisplayBackgroundTextureClick);
    item("DisplayBackgroundLoadTexture", QT_TRANSLATE_NOOP("Warehaus4", "Load Texture"), &TFRMMain::MNUDisplayBackgroundLoadTextureClick);
    item("DisplayBackgroundPicture", QT_TRANSLATE_NOOP("Warehaus4", "Picture"), &TFRMMain::MNUDisplayBackgroundPictureClick);
    item("DisplayBackgroundLoadPicture", QT_TRANSLATE_NOOP("Warehaus4", "Load Picture"), &TFRMMain::MNUDisplayBackgroundLoadPictureClick);
    // Every language by its own name, which never changes: a player lost in a foreign one finds theirs.
    title("DisplayLanguage", QT_TRANSLATE_NOOP("Warehaus4", "Language"));
    for (const w4::Language& language : w4::Languages()) {
        const int number = language.Number;
        t.Add({std::string("DisplayLanguage") + language.Code, {language.Name}, [this, number] { MNUDisplayLanguageClick(number); },
               {}, [&g, number] { return g.LanguageNumber == number; }, {}});
    }

    // --- Graphics, Music, Sounds ---
    title("Graphics", QT_TRANSLATE_NOOP("Warehaus4", "Graphics"));
    item("GraphicsLoad", QT_TRANSLATE_NOOP("Warehaus4", "Load"), &TFRMMain::MNUGraphicsLoadClick);
    // Eight-row skins: the facing keeper, or animation strips. There to use only with such a skin.
    t.Add({"GraphicsDirectionalPusher",
           {QT_TRANSLATE_NOOP("Warehaus4", "Directional Pusher (8-Row Skins)")},
           [this] {
               if (w4::SwapEightRowReading(Game, BoardPic->Tiles()))
                   w4::RedrawBoard(Game, *this);
           },
           {},
           [this] { return w4::ShowsFacingKeeper(BoardPic->Tiles()); },
           [this] { return w4::HasEightRowSkin(BoardPic->Tiles()); }});
    title("Music", QT_TRANSLATE_NOOP("Warehaus4", "Music"));
    item("MusicPlay", QT_TRANSLATE_NOOP("Warehaus4", "Play"), &TFRMMain::MNUMusicPlayClick);
    item("MusicStop", QT_TRANSLATE_NOOP("Warehaus4", "Stop"), &TFRMMain::MNUMusicStopClick);
    item("MusicLoad", QT_TRANSLATE_NOOP("Warehaus4", "Load"), &TFRMMain::MNUMusicLoadClick);
    title("Sounds", QT_TRANSLATE_NOOP("Warehaus4", "Sounds"));
    item("SoundsEnabled", QT_TRANSLATE_NOOP("Warehaus4", "Enabled"), &TFRMMain::MNUSoundsEnabledClick);
    item("SoundsDisabled", QT_TRANSLATE_NOOP("Warehaus4", "Disabled"), &TFRMMain::MNUSoundsDisabledClick);

    // --- Tools ---
    title("Tools", QT_TRANSLATE_NOOP("Warehaus4", "Tools"));
    item("ToolsAssociateExtension", QT_TRANSLATE_NOOP("Warehaus4", "Associate Extension"), &TFRMMain::MNUToolsAssociateExtensionClick);
    // Reverse play's own keys come before the help sees a key: R is no input to a walk or a hint.
    {
        w4::KeyBinding r = Press(Qt::Key_R, InPlay);
        r.First = true;
        t.Add({"ToolsReverse", {QT_TRANSLATE_NOOP("Warehaus4", "Reverse Play")}, [this] { ToggleReversePlay(); }, {r},
               [&g] { return g.Reverse; }, {}});
    }
    Help->AddCommands(t);
    SnapshotKeeper->AddCommands(t, BoardPic->Tiles());

    // --- Help ---
    title("Help", QT_TRANSLATE_NOOP("Warehaus4", "Help"));
    item("HelpSendMail", QT_TRANSLATE_NOOP("Warehaus4", "Send Mail"), &TFRMMain::MNUHelpSendMailClick);
    item("HelpWebSite", QT_TRANSLATE_NOOP("Warehaus4", "Web Site"), &TFRMMain::MNUHelpWebSiteClick);
    item("HelpAbout", QT_TRANSLATE_NOOP("Warehaus4", "About"), &TFRMMain::MNUHelpAboutClick);

    // --- Keys that are no menu item ---
    t.Add({"LeaveFullScreenOrQuit", {QT_TRANSLATE_NOOP("Warehaus4", "Leave full screen, or quit")},
           [this] { FullScreenState.Active ? ToggleFullScreen() : void(close()); },
           {PressAny(Qt::Key_Escape, InEveryMode)}, {}, {}});
    t.Add({"FullScreen", {QT_TRANSLATE_NOOP("Warehaus4", "Full screen")}, [this] { ToggleFullScreen(); },
           {PressAny(Qt::Key_F2, InPlay)}, {}, {}});
    // The arrows move whatever the modifiers held.
    const auto move = [&](const char* id, const char* english, int key,
                          void (*step)(w4::GameState&, w4::Frontend&)) {
        t.Add({id, {english}, [this, step] { step(Game, *this); }, {PressAny(key, InPlay, inPlay)}, {}, {}});
    };
    move("MoveLeft", QT_TRANSLATE_NOOP("Warehaus4", "Move left"), Qt::Key_Left, &w4::MoveLeft);
    move("MoveUp", QT_TRANSLATE_NOOP("Warehaus4", "Move up"), Qt::Key_Up, &w4::MoveUp);
    move("MoveRight", QT_TRANSLATE_NOOP("Warehaus4", "Move right"), Qt::Key_Right, &w4::MoveRight);
    move("MoveDown", QT_TRANSLATE_NOOP("Warehaus4", "Move down"), Qt::Key_Down, &w4::MoveDown);
    // The history keys; Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z as most programs have them.
    t.Add({"GoToStart", {QT_TRANSLATE_NOOP("Warehaus4", "Back to the start")}, [this] { w4::GoToStart(Game, *this); },
           {Press(Qt::Key_Home, InPlay, Qt::NoModifier, inPlay)}, {}, {}});
    t.Add({"UndoMove", {QT_TRANSLATE_NOOP("Warehaus4", "Undo")}, [this] { w4::UndoMove(Game, *this); },
           {Press(Qt::Key_PageUp, InPlay, Qt::NoModifier, inPlay), Press(Qt::Key_Backspace, InPlay, Qt::NoModifier, inPlay),
            Press(Qt::Key_Z, InPlay, Ctrl, inPlay)},
           {}, {}});
    t.Add({"RedoMove", {QT_TRANSLATE_NOOP("Warehaus4", "Redo")}, [this] { w4::RedoMove(Game, *this); },
           {Press(Qt::Key_PageDown, InPlay, Qt::NoModifier, inPlay), Press(Qt::Key_Y, InPlay, Ctrl, inPlay),
            Press(Qt::Key_Z, InPlay, CtrlShift, inPlay)},
           {}, {}});
    t.Add({"GoToEnd", {QT_TRANSLATE_NOOP("Warehaus4", "To the last position")}, [this] { w4::GoToEnd(Game, *this); },
           {Press(Qt::Key_End, InPlay, Qt::NoModifier, inPlay)}, {}, {}});
    // Level navigation and the retry, also after the level is won.
    t.Add({"LevelFirst", {QT_TRANSLATE_NOOP("Warehaus4", "First level")}, [this] { BTNLevelFirstClick(); },
           {Press(Qt::Key_Home, InPlay, Ctrl)}, {}, {}});
    t.Add({"LevelPrior", {QT_TRANSLATE_NOOP("Warehaus4", "Previous level")}, [this] { BTNLevelPriorClick(); },
           {Press(Qt::Key_PageUp, InPlay, Ctrl)}, {}, {}});
    t.Add({"LevelNext", {QT_TRANSLATE_NOOP("Warehaus4", "Next level")}, [this] { BTNLevelNextClick(); },
           {Press(Qt::Key_PageDown, InPlay, Ctrl)}, {}, {}});
    t.Add({"LevelLast", {QT_TRANSLATE_NOOP("Warehaus4", "Last level")}, [this] { BTNLevelLastClick(); },
           {Press(Qt::Key_End, InPlay, Ctrl)}, {}, {}});
    t.Add({"LevelRetry", {QT_TRANSLATE_NOOP("Warehaus4", "Start the level again")}, [this] { BTNLevelRetryClick(); },
           {Press(Qt::Key_Return, InPlay, Ctrl), Press(Qt::Key_Enter, InPlay, Ctrl), Press(Qt::Key_Space, InPlay, Ctrl)},
           {}, {}});
    // The editor's keys, with a level to edit and no modifier held.
    const auto shift = [&](const char* id, const char* english, int key, w4::ShiftDirection way) {
        t.Add({id, {english}, [this, way] { w4::ShiftLevel(Game, *this, way); },
               {Press(key, InEditor, Qt::NoModifier, levelsListed)}, {}, {}});
    };
    shift("ShiftLevelLeft", QT_TRANSLATE_NOOP("Warehaus4", "Shift the level left"), Qt::Key_Left, w4::ShiftDirection::Left);
    shift("ShiftLevelUp", QT_TRANSLATE_NOOP("Warehaus4", "Shift the level up"), Qt::Key_Up, w4::ShiftDirection::Up);
    shift("ShiftLevelRight", QT_TRANSLATE_NOOP("Warehaus4", "Shift the level right"), Qt::Key_Right, w4::ShiftDirection::Right);
    shift("ShiftLevelDown", QT_TRANSLATE_NOOP("Warehaus4", "Shift the level down"), Qt::Key_Down, w4::ShiftDirection::Down);
    t.Add({"FitFrame", {QT_TRANSLATE_NOOP("Warehaus4", "Fit the frame to the level")}, [this] { BTNLevelCenterClick(); },
           {Press(Qt::Key_Return, InEditor, Qt::NoModifier, levelsListed),
            Press(Qt::Key_Enter, InEditor, Qt::NoModifier, levelsListed),
            Press(Qt::Key_Space, InEditor, Qt::NoModifier, levelsListed)},
           {}, {}});

    MNUSokoban = menuBar();
    MNUSokoban->setObjectName(QStringLiteral("MNUSokoban"));
    POPSokoban = new QMenu(this);
    POPSokoban->setObjectName(QStringLiteral("POPSokoban"));
    t.BuildMenus(MenuLayout(), MNUSokoban, POPSokoban);
}

QAction* TFRMMain::MenuItem(const QString& name) const { return Commands->Item(name); }

bool TFRMMain::eventFilter(QObject* watched, QEvent* event)
{
    // Installed on the application: a key is seen here once, when it reaches this window's
    // top-level QWindow, before any control gets it. It is never consumed.
    if (event->type() == QEvent::KeyPress && watched->isWindowType() && watched == windowHandle()) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int code = key->key();
        const Qt::KeyboardModifiers modifiers = key->modifiers();
        Guarded([this, code, modifiers] { FormKeyDown(code, modifiers); });
    }
    return QMainWindow::eventFilter(watched, event);
}

void TFRMMain::FormKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    Commands->KeyDown(key, modifiers, [this] { return Game.GameMode; });
}
