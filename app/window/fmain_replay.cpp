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
// back to where it was shown from.
void TFRMMain::BTNFilmRewindClick()
{
    if (Help && Help->FilmRewind())
        return;
    const std::string letters = OwnFilmLetters;
    const std::size_t from = OwnFilmFrom;
    w4::FilmRewind(Game, *this);
    if (!letters.empty())
        ShowOwnFilm(letters, from);
}
// Starts or continues the film from FilmPosition; at its end the first tick stops it again.
// A level without a stored solution, or whose stored solution does not solve it, offers to
// solve it instead.
void TFRMMain::BTNFilmPlayClick()
{
    if (OwnFilmLetters.empty() && Help && Help->OfferSolve())
        return;
    TimerFilm->start(w4::FilmInterval(Game.FilmSpeed));
}

void TFRMMain::ShowOwnFilm(const std::string& letters, std::size_t from)
{
    from = std::min(from, letters.size());
    // The position the film was found for is reached as the attempt reached it, without a sound.
    w4::SilentFrontend silent;
    for (std::size_t i = 0; i < from; ++i)
        w4::MoveByLetter(Game, silent, letters[i]);
    OwnFilmLetters = letters;
    OwnFilmFrom = from;
    Game.FilmPosition = static_cast<std::int32_t>(from);
    SetHistoryBarRange(Game.HistoryLength, Game.HistoryIndex + 1);
    w4::RedrawBoard(Game, *this);
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
    const int next = OwnFilmLetters.empty() ? w4::FilmStep(Game, *this) : w4::FilmStep(Game, *this, OwnFilmLetters);
    if (next != 0)
        TimerFilm->start(next);
}
