// The window's own commands, the order of both menus, and the way keys reach the table. The rooms
// beside the window add theirs (help, snapshots, collections: their AddCommands); commands.h says
// what a command is.

#include "app/collections/collections.h"
#include "app/help/boardhelp.h"
#include "app/levels/flevels.h"
#include "app/snapshots/snapshots.h"
#include "app/window/commands.h"
#include "app/window/fmain.h"

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
    const auto title = [&t](const char* id, const char* english, const char* french) {
        t.Add({id, {{english, french}}, {}, {}, {}, {}});
    };
    const auto item = [&t, &handler](const char* id, const char* english, const char* french,
                                     void (TFRMMain::*click)()) {
        t.Add({id, {{english, french}}, handler(click), {}, {}, {}});
    };
    const auto inPlay = [&g] { return g.LevelInPlay; };
    const auto levelsListed = [&g] { return !g.Playlist.empty(); };

    // --- File ---
    title("File", "File", "Fichier");
    item("FileNew", "New", "Nouveau", &TFRMMain::MNUFileNewClick);
    item("FileOpen", "Open", "Ouvrir", &TFRMMain::MNUFileOpenClick);
    item("FileSave", "Save", "Enregistrer", &TFRMMain::MNUFileSaveClick);
    item("FileSaveAs", "Save As", "Enregistrer Sous", &TFRMMain::MNUFileSaveAsClick);
    item("FileClose", "Close", "Fermer", &TFRMMain::MNUFileCloseClick);
    item("FileEmptyPlaylist", "Empty Playlist", "Vider la Playlist", &TFRMMain::MNUFileEmptyPlaylistClick);
    item("FileDefaultPlaylist", "Default Playlist", "Playlist par Défaut", &TFRMMain::MNUFileDefaultPlaylistClick);
    item("FileQuit", "Quit", "Quitter", &TFRMMain::MNUFileQuitClick);
    Collections->AddCommands(t);
    const auto playChosen = [this](int index) { Guarded([this, index] { TheGame->GoToLevel(index); }); };
    t.Add({"FileLevels", {{"Levels", "Niveaux"}},
           [this, playChosen] { OpenLevelsWindow(this, Levels, Game, LevelListPlacement, BoardPic->Tiles(), playChosen); },
           {Press(Qt::Key_L, InEveryMode, Ctrl)}, {}, {}});

    // --- Display ---
    title("Display", "Display", "Affichage");
    title("DisplayForeground", "Foreground", "Avant Plan");
    item("DisplayForegroundStandard", "Standard", "Standard", &TFRMMain::MNUDisplayForegroundStandardClick);
    item("DisplayForegroundProportional", "Proportional", "Proportionnel", &TFRMMain::MNUDisplayForegroundProportionalClick);
    item("DisplayForegroundStretched", "Stretched", "Etiré", &TFRMMain::MNUDisplayForegroundStretchedClick);
    item("DisplayForegroundTransparencyColor", "Transparency Color", "Couleur de Transparence",
         &TFRMMain::MNUDisplayForegroundTransparencyColorClick);
    item("DisplayForegroundGridColor", "Grid Color", "Couleur de la Grille", &TFRMMain::MNUDisplayForegroundGridColorClick);
    title("DisplayBackground", "Background", "Arrière Plan");
    item("DisplayBackgroundNone", "No Background", "Aucun Arrière Plan", &TFRMMain::MNUDisplayBackgroundNoneClick);
    item("DisplayBackgroundColor0", "Color", "Couleur", &TFRMMain::MNUDisplayBackgroundColor0Click);
    item("DisplayBackgroundColoredEffect", "Colored Effect", "Effet Coloré", &TFRMMain::MNUDisplayBackgroundColoredEffectClick);
    item("DisplayBackgroundColor1", "Color 1", "Couleur 1", &TFRMMain::MNUDisplayBackgroundColor1Click);
    item("DisplayBackgroundColor2", "Color 2", "Couleur 2", &TFRMMain::MNUDisplayBackgroundColor2Click);
    item("DisplayBackgroundSwapColors", "Swap Colors", "Echanger Couleurs", &TFRMMain::MNUDisplayBackgroundSwapColorsClick);
    item("DisplayBackgroundTexture", "Texture", "Texture", &TFRMMain::MNUDisplayBackgroundTextureClick);
    item("DisplayBackgroundLoadTexture", "Load Texture", "Charger Texture", &TFRMMain::MNUDisplayBackgroundLoadTextureClick);
    item("DisplayBackgroundPicture", "Picture", "Image", &TFRMMain::MNUDisplayBackgroundPictureClick);
    item("DisplayBackgroundLoadPicture", "Load Picture", "Charger Image", &TFRMMain::MNUDisplayBackgroundLoadPictureClick);

    // --- Graphics, Music, Sounds ---
    title("Graphics", "Graphics", "Graphismes");
    item("GraphicsLoad", "Load", "Charger", &TFRMMain::MNUGraphicsLoadClick);
    // Eight-row skins: the facing keeper, or animation strips. There to use only with such a skin.
    t.Add({"GraphicsDirectionalPusher",
           {{"Directional Pusher (8-Row Skins)", "Pousseur orienté (skins à 8 rangées)"}},
           [this] {
               if (w4::SwapEightRowReading(Game, BoardPic->Tiles()))
                   w4::RedrawBoard(Game, *this);
           },
           {},
           [this] { return w4::ShowsFacingKeeper(BoardPic->Tiles()); },
           [this] { return w4::HasEightRowSkin(BoardPic->Tiles()); }});
    title("Music", "Music", "Musique");
    item("MusicPlay", "Play", "Jouer", &TFRMMain::MNUMusicPlayClick);
    item("MusicStop", "Stop", "Stopper", &TFRMMain::MNUMusicStopClick);
    item("MusicLoad", "Load", "Charger", &TFRMMain::MNUMusicLoadClick);
    title("Sounds", "Sounds", "Sons");
    item("SoundsEnabled", "Enabled", "Activés", &TFRMMain::MNUSoundsEnabledClick);
    item("SoundsDisabled", "Disabled", "Désactivés", &TFRMMain::MNUSoundsDisabledClick);

    // --- Tools ---
    title("Tools", "Tools", "Outils");
    item("ToolsAssociateExtension", "Associate Extension", "Associer Extension", &TFRMMain::MNUToolsAssociateExtensionClick);
    // Reverse play's own keys come before the help sees a key: R is no input to a walk or a hint.
    {
        w4::KeyBinding r = Press(Qt::Key_R, InPlay);
        r.First = true;
        t.Add({"ToolsReverse", {{"Reverse Play", "Jeu à l'envers"}}, [this] { ToggleReversePlay(); }, {r},
               [&g] { return g.Reverse; }, {}});
    }
    Help->AddCommands(t);
    SnapshotKeeper->AddCommands(t, BoardPic->Tiles());

    // --- Help ---
    title("Help", "Help", "Aide");
    item("HelpSendMail", "Send Mail", "Envoyer Mail", &TFRMMain::MNUHelpSendMailClick);
    item("HelpWebSite", "Web Site", "Site Web", &TFRMMain::MNUHelpWebSiteClick);
    item("HelpAbout", "About", "A propos", &TFRMMain::MNUHelpAboutClick);

    // --- Keys that are no menu item ---
    t.Add({"LeaveFullScreenOrQuit", {{"Leave full screen, or quit", "Quitter le plein écran, ou le programme"}},
           [this] { FullScreenState.Active ? ToggleFullScreen() : void(close()); },
           {PressAny(Qt::Key_Escape, InEveryMode)}, {}, {}});
    t.Add({"FullScreen", {{"Full screen", "Plein écran"}}, [this] { ToggleFullScreen(); },
           {PressAny(Qt::Key_F2, InPlay)}, {}, {}});
    // The arrows move whatever the modifiers held.
    const auto move = [&](const char* id, const char* english, const char* french, int key,
                          void (*step)(w4::GameState&, w4::Frontend&)) {
        t.Add({id, {{english, french}}, [this, step] { step(Game, *this); }, {PressAny(key, InPlay, inPlay)}, {}, {}});
    };
    move("MoveLeft", "Move left", "Aller à gauche", Qt::Key_Left, &w4::MoveLeft);
    move("MoveUp", "Move up", "Aller en haut", Qt::Key_Up, &w4::MoveUp);
    move("MoveRight", "Move right", "Aller à droite", Qt::Key_Right, &w4::MoveRight);
    move("MoveDown", "Move down", "Aller en bas", Qt::Key_Down, &w4::MoveDown);
    // The history keys; Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z as most programs have them.
    t.Add({"GoToStart", {{"Back to the start", "Retour au début"}}, [this] { w4::GoToStart(Game, *this); },
           {Press(Qt::Key_Home, InPlay, Qt::NoModifier, inPlay)}, {}, {}});
    t.Add({"UndoMove", {{"Undo", "Annuler"}}, [this] { w4::UndoMove(Game, *this); },
           {Press(Qt::Key_PageUp, InPlay, Qt::NoModifier, inPlay), Press(Qt::Key_Backspace, InPlay, Qt::NoModifier, inPlay),
            Press(Qt::Key_Z, InPlay, Ctrl, inPlay)},
           {}, {}});
    t.Add({"RedoMove", {{"Redo", "Refaire"}}, [this] { w4::RedoMove(Game, *this); },
           {Press(Qt::Key_PageDown, InPlay, Qt::NoModifier, inPlay), Press(Qt::Key_Y, InPlay, Ctrl, inPlay),
            Press(Qt::Key_Z, InPlay, CtrlShift, inPlay)},
           {}, {}});
    t.Add({"GoToEnd", {{"To the last position", "Jusqu'à la dernière position"}}, [this] { w4::GoToEnd(Game, *this); },
           {Press(Qt::Key_End, InPlay, Qt::NoModifier, inPlay)}, {}, {}});
    // Level navigation and the retry, also after the level is won.
    t.Add({"LevelFirst", {{"First level", "Premier niveau"}}, [this] { BTNLevelFirstClick(); },
           {Press(Qt::Key_Home, InPlay, Ctrl)}, {}, {}});
    t.Add({"LevelPrior", {{"Previous level", "Niveau précédent"}}, [this] { BTNLevelPriorClick(); },
           {Press(Qt::Key_PageUp, InPlay, Ctrl)}, {}, {}});
    t.Add({"LevelNext", {{"Next level", "Niveau suivant"}}, [this] { BTNLevelNextClick(); },
           {Press(Qt::Key_PageDown, InPlay, Ctrl)}, {}, {}});
    t.Add({"LevelLast", {{"Last level", "Dernier niveau"}}, [this] { BTNLevelLastClick(); },
           {Press(Qt::Key_End, InPlay, Ctrl)}, {}, {}});
    t.Add({"LevelRetry", {{"Start the level again", "Recommencer le niveau"}}, [this] { BTNLevelRetryClick(); },
           {Press(Qt::Key_Return, InPlay, Ctrl), Press(Qt::Key_Enter, InPlay, Ctrl), Press(Qt::Key_Space, InPlay, Ctrl)},
           {}, {}});
    // The editor's keys, with a level to edit and no modifier held.
    const auto shift = [&](const char* id, const char* english, const char* french, int key, w4::ShiftDirection way) {
        t.Add({id, {{english, french}}, [this, way] { w4::ShiftLevel(Game, *this, way); },
               {Press(key, InEditor, Qt::NoModifier, levelsListed)}, {}, {}});
    };
    shift("ShiftLevelLeft", "Shift the level left", "Décaler le niveau à gauche", Qt::Key_Left, w4::ShiftDirection::Left);
    shift("ShiftLevelUp", "Shift the level up", "Décaler le niveau vers le haut", Qt::Key_Up, w4::ShiftDirection::Up);
    shift("ShiftLevelRight", "Shift the level right", "Décaler le niveau à droite", Qt::Key_Right, w4::ShiftDirection::Right);
    shift("ShiftLevelDown", "Shift the level down", "Décaler le niveau vers le bas", Qt::Key_Down, w4::ShiftDirection::Down);
    t.Add({"FitFrame", {{"Fit the frame to the level", "Ajuster le cadre au niveau"}}, [this] { BTNLevelCenterClick(); },
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
