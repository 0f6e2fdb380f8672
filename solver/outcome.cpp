#include "solver/solver.h"

namespace w4::solver {

const char* OutcomeName(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Solved: return "solved";
    case Outcome::Unsolvable: return "unsolvable";
    case Outcome::OutOfTime: return "out of time";
    case Outcome::OutOfMemory: return "out of memory";
    case Outcome::Cancelled: return "cancelled";
    case Outcome::Invalid: return "invalid";
    }
    return "invalid";
}

const char* InvalidReasonText(InvalidReason reason)
{
    switch (reason) {
    case InvalidReason::None: return "";
    case InvalidReason::NoKeeper: return "the level needs exactly one keeper";
    case InvalidReason::BoxTargetMismatch: return "boxes and targets differ in number";
    case InvalidReason::Unreachable: return "a box or target is out of the keeper's reach";
    case InvalidReason::TooLarge: return "the level is larger than the solver takes";
    }
    return "";
}

} // namespace w4::solver
