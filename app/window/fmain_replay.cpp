// The solution panel: the film of the stored solution.
#include "app/window/fmain.h"

#include "app/help/boardhelp.h"

#include "core/replay.h"

#include <QScrollBar>
#include <QTimer>

// Reloads the level: the film goes back to its first letter and stops.
void TFRMMain::BTNFilmRewindClick()
{
    if (!(Help && Help->FilmRewind()))
        w4::FilmRewind(Game, *this);
}
// Starts or continues the film from FilmPosition; at its end the first tick stops it again.
// A level without a stored solution offers to solve it instead.
void TFRMMain::BTNFilmPlayClick()
{
    if (Help && Help->OfferSolve())
        return;
    TimerFilm->start(w4::FilmInterval(Game.FilmSpeed));
}
// Stops the film where it is.
void TFRMMain::BTNFilmStopClick() { TimerFilm->stop(); }
// FilmSpeed from SBSpeed's position and the film timer's interval from it.
void TFRMMain::SBSpeedChange() { TimerFilm->setInterval(w4::SetFilmSpeed(Game, SBSpeed->value())); }

// One letter of the stored solution per tick. The timer is off while the move and its redraw
// run, so ticks never pile up even at the fastest speed; it stays off once the film has ended.
void TFRMMain::TimerFilmTimer()
{
    TimerFilm->stop();
    if (const int next = w4::FilmStep(Game, *this))
        TimerFilm->start(next);
}
