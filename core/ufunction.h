#pragma once
#include "core/uglobal.h"

#include <string>

namespace w4 {

// The English or the French text of a pair, by LanguageNumber. Texts are UTF-8.
const std::string& ChooseText(const GameState& g, const std::string& english, const std::string& french);

} // namespace w4
