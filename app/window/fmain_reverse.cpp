// Reverse play at the window: the Tools item and its key, the click that places the keeper, the
// Ctrl click that walks without pulling, and the help that has no reverse meaning refused. The
// rules are the core's (core/reverse.h).

#include "app/window/boardview.h"
#include "app/window/captions.h"
#include "app/window/fmain.h"
#include "core/reverse.h"
#include "editor/boardmouse.h"

#include <QAction>
#include <QLabel>

namespace {

Qt::KeyboardModifiers CommandModifiers(Qt::KeyboardModifiers modifiers)
{
    return modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
}

} // namespace

void TFRMMain::MNUToolsReverseClick()
{
    // Reverse play is a way of playing: from another mode it starts in Play mode.
    if (Game.GameMode != w4::ModePlay)
        SetGameMode(w4::ModePlay);
    w4::ToggleReverse(Game, *this);
    RefreshReverseItems();
}

void TFRMMain::RefreshReverseItems()
{
    for (const char* prefix : {"MNU", "POP"})
        if (QAction* item = MenuItem(QString::fromLatin1(prefix) + QStringLiteral("ToolsReverse"))) {
            item->setCheckable(true);
            if (item->isChecked() != Game.Reverse)
                item->setChecked(Game.Reverse);
        }
    // Until the keeper stands somewhere, the help line says how to place it.
    const bool waiting = w4::ReverseNeedsKeeper(Game);
    if (waiting)
        ShowHelpMessage(w4::Choose(Game, "Reverse play: click a free cell to place the keeper.",
                                   "Jeu à l'envers : cliquez sur une case libre pour placer le gardien."));
    else if (ReverseKeeperAsked)
        ShowHelpMessage(QString());
    ReverseKeeperAsked = waiting;
}

bool TFRMMain::RefusedInReverse()
{
    if (!Game.Reverse)
        return false;
    ShowHelpMessage(w4::Choose(Game, "The solver and its hints play forward only: leave reverse play first.",
                               "Le solveur et ses indices ne jouent qu'à l'endroit : quittez d'abord le jeu à l'envers."));
    PlaySample(w4::Sample::Kick);
    return true;
}

bool TFRMMain::ReverseKeyDown(int key, Qt::KeyboardModifiers modifiers)
{
    if (Game.GameMode != w4::ModePlay || CommandModifiers(modifiers) != Qt::NoModifier)
        return false;
    if (key == Qt::Key_R) {
        MNUToolsReverseClick();
        return true;
    }
    // The hint key asks the forward solver, which knows nothing of pulls.
    return key == Qt::Key_H && RefusedInReverse();
}

bool TFRMMain::ReverseMouseDown(const QPoint& position, Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    if (!Game.Reverse || Game.GameMode != w4::ModePlay || buttons != Qt::LeftButton)
        return false;
    const Qt::KeyboardModifiers mods = CommandModifiers(modifiers);
    const bool alone = mods == Qt::NoModifier;
    const bool ctrl = mods == Qt::ControlModifier;
    if (!(alone && w4::ReverseNeedsKeeper(Game)) && !ctrl)
        return false;   // a plain click steps (and pulls) as in forward play
    const w4::BoardHit hit = w4::BoardHitTest(Game, IMGSokoban->width(), IMGSokoban->height(), position.x(),
                                              position.y(), IMGSokoban->devicePixelRatioF());
    if (!hit.OnBoard || !Game.LevelInPlay)
        return true;
    if (alone) {
        w4::PlaceReverseKeeper(Game, *this, hit.Column, hit.Row);
        return true;
    }
    // Ctrl: a walk there that pulls nothing, the way to step away from a box and leave it.
    if (!w4::WalkReverseKeeper(Game, *this, hit.Column, hit.Row))
        PlaySample(w4::Sample::Kick);
    return true;
}
