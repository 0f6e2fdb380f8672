// warehaus4-solve: solves level files from the command line. The logic lives in solvecli.cpp.
#include "solver/cli/solvecli.h"

#include "core/folders.h"
#include "solver/tuning.h"

#include <atomic>
#include <csignal>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

// Ctrl+C ends the level being solved and the run, and the summary is still printed; a second
// Ctrl+C ends the program at once.
std::atomic<bool> Interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the flag is raised from a signal handler");

extern "C" void OnInterrupt(int)
{
    Interrupted.store(true);
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);

    // Benchmarks compare the solver's techniques by switching them here, one process per setting.
    if (const char* tuning = std::getenv("W4_SOLVER_TUNING"); tuning != nullptr) {
        const std::string unknown = w4::solver::SetTuning(tuning, w4::solver::SearchTuning());
        if (!unknown.empty()) {
            std::cerr << "warehaus4-solve: W4_SOLVER_TUNING: not understood: " << unknown << '\n';
            return 2;
        }
    }
    // Solutions go where the game beside this program keeps them: beside their levels, or in the
    // installed copy's store for levels in folders that cannot be written.
    const w4::Folders places = w4::FoldersOfThisProcess(false);
    if (!places.Missing.empty())
        std::cerr << "warehaus4-solve: " << places.Missing << '\n';
    return w4::solvecli::RunSolveCommand(args, std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1, &Interrupted,
                                         places);
}
