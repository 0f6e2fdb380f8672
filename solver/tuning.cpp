#include "solver/tuning.h"

namespace w4::solver {

Tuning& SearchTuning()
{
    static Tuning tuning;
    return tuning;
}

std::string SetTuning(const std::string& settings, Tuning& tuning)
{
    struct Field {
        const char* name;
        bool Tuning::*flag;
        int Tuning::*number;
    };
    static const Field fields[] = {
        {"corrals", &Tuning::corrals, nullptr}, {"matching", &Tuning::matching, nullptr},
        {"weight", nullptr, &Tuning::weight}, {"portfolio", &Tuning::portfolio, nullptr},
        {"frozenTargets", &Tuning::frozenTargets, nullptr}, {"tunnels", &Tuning::tunnels, nullptr},
        {"corralSearch", &Tuning::corralSearch, nullptr}, {"corralPatterns", &Tuning::corralPatterns, nullptr},
        {"fessPatterns", &Tuning::fessPatterns, nullptr}, {"fess", &Tuning::fess, nullptr},
        {"fessShare", nullptr, &Tuning::fessShare}, {"fessEarlyShare", nullptr, &Tuning::fessEarlyShare},
        {"fessLateShare", nullptr, &Tuning::fessLateShare},
        {"backward", &Tuning::backward, nullptr}, {"backwardShare", nullptr, &Tuning::backwardShare},
        {"backwardWeight", nullptr, &Tuning::backwardWeight}, {"backwardWeight2", nullptr, &Tuning::backwardWeight2},
        {"fessLate", &Tuning::fessLate, nullptr},
        {"fessOnly", &Tuning::fessOnly, nullptr}, {"fessBoxMoves", &Tuning::fessBoxMoves, nullptr},
        {"fessMacroTargets", nullptr, &Tuning::fessMacroTargets}, {"fessAreas", &Tuning::fessAreas, nullptr},
        {"fessCornerAreas", &Tuning::fessCornerAreas, nullptr}, {"fessSources", &Tuning::fessSources, nullptr},
        {"fessContacts", &Tuning::fessContacts, nullptr}, {"fessRooms", &Tuning::fessRooms, nullptr},
        {"fessOneAdvice", nullptr, &Tuning::fessOneAdvice},
        {"fessCells", nullptr, &Tuning::fessCells}, {"fessAreaReach", nullptr, &Tuning::fessAreaReach},
        {"fessRelocations", nullptr, &Tuning::fessRelocations}, {"fessFirstWholeUpTo", nullptr, &Tuning::fessFirstWholeUpTo},
        {"fessHotspots", nullptr, &Tuning::fessHotspots},
        {"goalMacros", &Tuning::goalMacros, nullptr}, {"goalCut", &Tuning::goalCut, nullptr},
        {"goalCutDelay", nullptr, &Tuning::goalCutDelay}, {"cpuClock", &Tuning::cpuClock, nullptr},
        {"fessPlan", &Tuning::fessPlan, nullptr}, {"fessOutOfPlan", &Tuning::fessOutOfPlan, nullptr},
        {"fessPlanAdvice", &Tuning::fessPlanAdvice, nullptr},
    };
    std::string unknown;
    std::size_t at = 0;
    while (at < settings.size()) {
        std::size_t end = settings.find(',', at);
        if (end == std::string::npos)
            end = settings.size();
        const std::string item = settings.substr(at, end - at);
        at = end + 1;
        const std::size_t eq = item.find('=');
        const std::string name = item.substr(0, eq);
        const Field* field = nullptr;
        for (const Field& f : fields)
            if (name == f.name)
                field = &f;
        int value = 0;
        bool number = eq != std::string::npos && eq + 1 < item.size();
        for (std::size_t i = eq + 1; number && i < item.size(); ++i)
            number = item[i] >= '0' && item[i] <= '9' && i - eq < 7;
        if (number)
            value = std::stoi(item.substr(eq + 1));
        if (field == nullptr || !number) {
            if (!item.empty())
                unknown += (unknown.empty() ? "" : ",") + item;
            continue;
        }
        if (field->flag != nullptr)
            tuning.*(field->flag) = value != 0;
        else
            tuning.*(field->number) = value;
    }
    return unknown;
}

} // namespace w4::solver
