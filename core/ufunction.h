#pragma once
#include "core/uglobal.h"

#include <string>

namespace w4 {

// The English or the French text of a pair, by LanguageNumber. Texts are UTF-8. Returned by
// value, so a caller may keep it without minding the lifetime of the arguments.
std::string ChooseText(const GameState& g, const std::string& english, const std::string& french);

} // namespace w4
