#pragma once
// The solution film: one letter of StoredSolution per tick of the window's film timer, fed to
// the same move commands a player uses.

#include "core/frontend.h"
#include "core/uglobal.h"

#include <string>

namespace w4 {

constexpr int MinFilmSpeed = 1;
constexpr int MaxFilmSpeed = 10;

// Timer interval in milliseconds for a speed (clamped to 1..10): 250 at 1 down to 25 at 10.
int FilmInterval(int speed);

// The speed scroll bar moved: stores the clamped speed and gives the interval to set.
int SetFilmSpeed(GameState& g, int position);

// One tick. The caller has stopped the timer before calling; the result is the interval to
// start it again with, or 0 when it must stay stopped (not in solution mode, or the film has
// ended). Letters other than the eight move letters use up the tick without a move.
int FilmStep(GameState& g, Frontend& ui);

// Whether Play would move anything: solution mode and letters left to play.
bool FilmHasMore(const GameState& g);

// The same for a film of other letters (a solver's or a pasted solution shown without being
// kept): FilmPosition counts into `letters`, and StoredSolution stays as the file has it.
int FilmStep(GameState& g, Frontend& ui, const std::string& letters);
bool FilmHasMore(const GameState& g, const std::string& letters);

// Back to the start: the level is reloaded, which empties the history, rereads the solution,
// sets FilmPosition to 0 and stops the timer; then the board is redrawn.
void FilmRewind(GameState& g, Frontend& ui);

} // namespace w4
