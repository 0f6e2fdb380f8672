// The solution panel: the film of the stored solution.
#include "app/fmain.h"

#include <QTimer>

// Reloads the level: the film goes back to its first letter and stops.
void TFRMMain::BTNFilmRewindClick() {}
// Starts or continues the film from FilmPosition.
void TFRMMain::BTNFilmPlayClick() {}
// Stops the film where it is.
void TFRMMain::BTNFilmStopClick() {}
// FilmSpeed from SBSpeed's position and the film timer's interval from it.
void TFRMMain::SBSpeedChange() {}
// One letter of the stored solution per tick.
void TFRMMain::TimerFilmTimer() { TimerFilm->stop(); }
