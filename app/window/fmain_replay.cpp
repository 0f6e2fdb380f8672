// The solution panel: the film of the stored solution.
#include "app/window/fmain.h"

#include "app/help/boardhelp.h"

#include "core/frontend.h"
#include "core/loading.h"
#include "core/replay.h"
#include "core/usokoban.h"

#include <algorithm>

#include <QScrollBar>
#include <QTimer>

// Reloads the level: the film goes back to its first letter and stops. A film of its own goes
// back to where, and on what board, it was shown from.
void TFRMMain::BTNFilmRewindClick() { TheGame->RewindFilm(); }
// Starts or continues the film from FilmPosition; at its end the first tick stops it again.
// A level without a stored solution, or whose stored solution does not solve it, offers to
// solve it instead.
void TFRMMain::BTNFilmPlayClick()
{
    if (TheGame->FilmLetters().empty() && Help && Help->OfferSolve())
        return;
    TimerFilm->start(w4::FilmInterval(Game.FilmSpeed));
}

void TFRMMain::ShowOwnFilm(const std::string& letters, std::size_t from, std::optional<w4::FilmStart> start)
{
    TheGame->ShowFilm(letters, from, std::move(start));
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
    const int next = TheGame->FilmTick();
    if (next != 0)
        TimerFilm->start(next);
}
