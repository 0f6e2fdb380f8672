#pragma once
// Help > About: the program, its author, the version and release date of this build, where to
// write and where to look, and the credit the default levels' licence asks for.

#include <QString>

namespace w4 {

struct GameState;

// The About box's lines, joined by CR LF, in the current language.
QString AboutText(const GameState& g);

} // namespace w4
