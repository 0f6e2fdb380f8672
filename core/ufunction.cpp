#include "core/ufunction.h"

namespace w4 {

std::string ChooseText(const GameState& g, const std::string& english, const std::string& french)
{
    return g.LanguageNumber == LanguageFrench ? french : english;
}

} // namespace w4
