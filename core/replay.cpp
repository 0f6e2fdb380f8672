#include "core/replay.h"

#include "core/loading.h"
#include "core/usokoban.h"

#include <algorithm>

namespace w4 {

int FilmInterval(int speed)
{
    return (11 - std::clamp(speed, MinFilmSpeed, MaxFilmSpeed)) * 25;
}

int SetFilmSpeed(GameState& g, int position)
{
    g.FilmSpeed = std::clamp(position, MinFilmSpeed, MaxFilmSpeed);
    return FilmInterval(g.FilmSpeed);
}

bool FilmHasMore(const GameState& g)
{
    return FilmHasMore(g, g.StoredSolution);
}

bool FilmHasMore(const GameState& g, const std::string& letters)
{
    return g.GameMode == ModeSolution && g.FilmPosition >= 0 &&
           static_cast<std::size_t>(g.FilmPosition) < letters.size();
}

int FilmStep(GameState& g, Frontend& ui)
{
    return FilmStep(g, ui, g.StoredSolution);
}

int FilmStep(GameState& g, Frontend& ui, const std::string& letters)
{
    // A negative position can only come from outside; start it over rather than index with it.
    if (g.FilmPosition < 0)
        g.FilmPosition = 0;
    if (!FilmHasMore(g, letters))
        return 0;
    const char letter = letters[static_cast<std::size_t>(g.FilmPosition)];
    ++g.FilmPosition;
    // Refused moves are not the film's business: the board plays its kick and the film goes on.
    MoveByLetter(g, ui, letter);
    return FilmInterval(g.FilmSpeed);
}

void FilmRewind(GameState& g, Frontend& ui)
{
    LoadLevel(g, ui);
    RedrawBoard(g, ui);
}

} // namespace w4
