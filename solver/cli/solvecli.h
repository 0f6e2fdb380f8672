#pragma once
// warehaus4-solve: the command-line solver's logic, kept out of main() so the tests drive it whole.

#include "core/folders.h"
#include "solver/optimizer.h"
#include "solver/solver.h"

#include <atomic>
#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace w4::solvecli {

struct CommandLine {
    double seconds = 10.0;          // time limit per level
    std::size_t memoryMiB = 1024;   // memory budget per level
    solver::Optimality optimal = solver::Optimality::None;
    bool write = false;
    bool portable = false;          // solutions beside their levels, as the game's --portable
    bool help = false;
    int threads = 0;                // per level; 0: the machine's cores, at most two
    bool optimize = false;          // shorten each level's stored solution (solving first without one)
    solver::Measure measure = solver::Measure::MovesThenPushes;
    std::vector<std::string> files;
};

// The arguments after the program name. Nothing on an error, with `error` saying what was wrong.
std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args, std::string& error);
std::string UsageText();

// One level as the game reads it from a file.
struct LevelToSolve {
    std::string file;               // the file it came from, as named on the command line
    std::string problem;            // set when the file could not be read at all
    std::vector<std::string> rows;  // the board as the game plays it
    std::string solutionPath;       // where its solution is written; empty when it keeps none
    std::string storedSolution;     // the stored solution as the game reads it, empty when there is none
    int collectionNumber = 0;       // its place among the boards of a collection file; 0 for a level file
};

// Every level in one file: a level file holds one, read as the game loads it; a collection file
// (at least two playable boards, as the game's import reads it) gives one level per board, named
// "FILE #N", each with its best valid solution as the stored one and no solution file; a board
// the import would leave out comes back with its reason as the problem. `places` says where
// solutions live, as for the game: the default keeps them beside their levels.
std::vector<LevelToSolve> ReadLevelsOf(const std::string& path, const Folders& places = {});

// Whether the letters, played by the game's own move rules from the board, are all made (steps in
// lower case, pushes in upper case) and end with every box on a target.
bool ReplaysToSolved(const std::vector<std::string>& rows, const std::string& moves);

enum class WriteDecision {
    Write,            // solved, and better than the stored solution (or none is stored)
    NotSolved,        // nothing to write
    NoSolutionFile,   // the level's file keeps no solution file (not ".xsb")
    StoredIsBetter,   // the stored solution solves the level and is as good or better (moves, then pushes)
    DoesNotReplay,    // the letters do not solve the level: never stored
};
WriteDecision DecideWrite(const LevelToSolve& level, const solver::Result& result);

struct WriteReport {
    bool failed = false;   // a write was due and did not happen
    std::string text;      // what the result line says about it; empty when nothing is said
};
// Writes the solution file through the core's atomic writer when DecideWrite says so, judged against
// the solution stored now; a read-only or unwritable solution file is left as it was and reported,
// naming the file.
WriteReport WriteIfBetter(const LevelToSolve& level, const solver::Result& result, const Folders& places = {});

// "FILE: OUTCOME, M moves, P pushes, S s, N positions", with the write report after "; ".
std::string ResultLine(const LevelToSolve& level, const solver::Result& result, const std::string& writeText);
std::string SummaryLine(int solved, int total);

// One level's optimizing: where the solution came from and what became of it.
struct Optimized {
    bool solvedFirst = false;          // there was no valid stored solution: the solver found one
    solver::Result solve;              // that solve, when there was one
    solver::OptimizeResult result;     // the optimizer's; its moves are empty when there was nothing to optimize
};
// The stored solution, if it solves the level, else the solver's (with `solveOptions`), shortened
// by the optimizer within `optimizeOptions`.
Optimized OptimizeLevel(const LevelToSolve& level, const solver::Options& solveOptions,
                        const solver::OptimizeOptions& optimizeOptions);
// "FILE: improved|unchanged, M -> M' moves, P -> P' pushes, SOURCE, HOW FAR, S s, N positions", or
// why there was nothing to optimize; the write report after "; ".
std::string OptimizedLine(const LevelToSolve& level, const Optimized& optimized, const std::string& writeText);

// The whole program: exit status 0 when every level was solved (and every due write made), 1 when
// not, 2 for a usage error. `terminal`: show a progress line on `err` while a level takes long.
// `places`: where solutions are read and written, chosen as the game chooses them.
int RunSolveCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool terminal,
                    const std::atomic<bool>* cancel = nullptr, const Folders& places = {});

} // namespace w4::solvecli
