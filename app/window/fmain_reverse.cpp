// Reverse play at the window: Tools > Reverse Play (R; windowcommands.cpp binds it), the help line
// that asks for the keeper's cell, the click that places the keeper and the Ctrl click that walks
// without pulling. The rules are the core's (core/reverse.h).

#include "app/window/boardview.h"
#include "app/window/captions.h"
#include "app/window/commands.h"
#include "app/window/fmain.h"
#include "core/reverse.h"
#include "editor/boardmouse.h"

#include <QLabel>

using w4::CommandModifiers;

void TFRMMain::ToggleReversePlay()
{
    // Reverse play is a way of playing: from another mode it starts in Play mode.
    if (Game.GameMode != w4::ModePlay)
        SetGameMode(w4::ModePlay);
    w4::ToggleReverse(Game, *this);
    RefreshReverseLine();
}

void TFRMMain::RefreshReverseLine()
{
    // Until the keeper stands somewhere, the help line says how to place it.
    const bool waiting = w4::ReverseNeedsKeeper(Game);
    if (waiting)
        ShowHelpMessage(Warehaus4::QTr("Reverse play: click a free cell to place the keeper."));
    else if (ReverseKeeperAsked)
        ShowHelpMessage(QString());
    ReverseKeeperAsked = waiting;
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
