#include "solver/cli/solvecli.h"

#include "core/bestscore.h"
#include "core/collection.h"
#include "core/completion.h"
#include "core/fileio.h"
#include "core/folders.h"
#include "core/frontend.h"
#include "core/loading.h"
#include "core/ualgo.h"
#include "core/uglobal.h"
#include "core/movereplay.h"
#include "core/usokoban.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <ostream>


namespace w4::solvecli {

namespace {

std::optional<double> ParseSeconds(const std::string& text)
{
    if (text.empty())
        return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(text.c_str(), &end);
    if (*end != '\0' || errno == ERANGE || !std::isfinite(value) || value <= 0 || value > 1e6)
        return std::nullopt;
    return value;
}

std::optional<int> ParseThreads(const std::string& text)
{
    if (text.empty() || text.size() > 2 || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    const int value = std::stoi(text);
    if (value < 1 || value > 64)
        return std::nullopt;
    return value;
}

std::optional<std::size_t> ParseMiB(const std::string& text)
{
    // Up to a tebibyte: enough for any machine, and the byte count cannot overflow.
    constexpr std::size_t most = std::size_t(1) << 20;
    if (text.empty() || text.size() > 7)
        return std::nullopt;
    std::size_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<std::size_t>(c - '0');
    }
    if (value == 0 || value > most)
        return std::nullopt;
    return value;
}

std::optional<solver::Optimality> ParseOptimality(const std::string& text)
{
    if (text == "pushes")
        return solver::Optimality::Pushes;
    if (text == "moves")
        return solver::Optimality::Moves;
    if (text == "none")
        return solver::Optimality::None;
    return std::nullopt;
}

// Record 0 as rows of level characters. The fill's outside mark is written as floor, as a level
// file holds it: outside the keeper's reach it makes no difference to the search.
std::vector<std::string> BoardRows(const GameState& g)
{
    std::vector<std::string> rows;
    const BoardGrid& board = g.SnapshotHistory[0].Board;
    for (int y = 0; y < g.LevelHeight; ++y) {
        std::string row;
        for (int x = 0; x < g.LevelWidth; ++x) {
            const char c = board[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
            row += c == 'X' ? ' ' : c;
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string StoredSolutionOf(const std::string& levelPath, const Folders& places)
{
    GameState g;
    g.Places = places;
    ReadSolutionFile(g, levelPath);
    return g.StoredSolution;
}

std::string FormatSeconds(double seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", seconds);
    return text;
}

// The \r-updated line on a terminal, shown only once a level has taken a while, so quick runs
// do not flicker.
class ProgressLine {
public:
    ProgressLine(std::ostream& err, bool enabled) : err_(err), enabled_(enabled) {}

    void Show(const std::string& file, std::size_t index, std::size_t count, const solver::Progress& progress)
    {
        if (!enabled_ || progress.seconds < 0.5 || (shown_ > 0 && progress.seconds < lastShown_ + 0.1))
            return;
        lastShown_ = progress.seconds;
        // Built piece by piece: one long chain of + trips a false -Wrestrict in GCC 12.
        std::string text = "[";
        text += std::to_string(index);
        text += '/';
        text += std::to_string(count);
        text += "] ";
        text += file;
        text += ": ";
        text += FormatSeconds(progress.seconds);
        text += " s, ";
        text += std::to_string(progress.positions);
        text += " positions";
        const std::size_t length = text.size();
        if (text.size() < shown_)
            text.append(shown_ - text.size(), ' ');
        err_ << '\r' << text << std::flush;
        shown_ = length;
    }

    void Clear()
    {
        if (shown_ == 0)
            return;
        err_ << '\r' << std::string(shown_, ' ') << '\r' << std::flush;
        shown_ = 0;
        lastShown_ = 0;
    }

private:
    std::ostream& err_;
    bool enabled_;
    std::size_t shown_ = 0;     // length of the line on screen, 0 when none is
    double lastShown_ = 0;
};

} // namespace

std::string UsageText()
{
    return "Usage: warehaus4-solve [--time SECONDS] [--memory MIB] [--optimal pushes|moves|none] [--write]\n"
           "                       [--portable] [--threads N] [--optimize moves|pushes] FILE...\n"
           "Solves each level file and prints one line per level, then \"solved N of M\".\n"
           "  --time SECONDS   time limit per level (default 10)\n"
           "  --memory MIB     memory budget per level in MiB (default 1024)\n"
           "  --optimal KIND   pushes: fewest pushes; moves: fewest moves; none: any solution (default)\n"
           "  --write          keep a found solution as the level's .XHT file when none is stored\n"
           "                   or it has strictly fewer moves than the stored one\n"
           "  --portable       keep solutions beside their levels, as warehaus4 --portable does\n"
           "  --threads N      threads per level, 1 to 64 (default: the cores this process may\n"
           "                   run on, at most 2; the search has no use for more)\n"
           "  --optimize KIND  shorten each level's stored solution (solving first without one) by\n"
           "                   moves (then pushes) or pushes (then moves), within --time per level;\n"
           "                   prints the figures before and after, then \"improved N of M\"\n"
           "Exit status: 0 all solved, 1 some not solved (or a write failed), 2 usage error.\n";
}

std::optional<CommandLine> ParseCommandLine(const std::vector<std::string>& args, std::string& error)
{
    CommandLine line;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            line.files.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            line.help = true;
            continue;
        }
        if (arg == "--write") {
            line.write = true;
            continue;
        }
        if (arg == "--portable") {
            line.portable = true;
            continue;
        }
        // The options with a value take it as the next argument or after '='.
        std::string name = arg;
        std::optional<std::string> value;
        if (const std::size_t equals = arg.find('='); equals != std::string::npos) {
            name = arg.substr(0, equals);
            value = arg.substr(equals + 1);
        }
        if (name != "--time" && name != "--memory" && name != "--optimal" && name != "--threads" && name != "--optimize") {
            error = "unknown option " + arg;
            return std::nullopt;
        }
        if (!value) {
            if (i + 1 >= args.size()) {
                error = name + " needs a value";
                return std::nullopt;
            }
            value = args[++i];
        }
        if (name == "--time") {
            const auto seconds = ParseSeconds(*value);
            if (!seconds) {
                error = "--time needs a number of seconds above 0, not \"" + *value + "\"";
                return std::nullopt;
            }
            line.seconds = *seconds;
        } else if (name == "--memory") {
            const auto mib = ParseMiB(*value);
            if (!mib) {
                error = "--memory needs a whole number of MiB from 1 to 1048576, not \"" + *value + "\"";
                return std::nullopt;
            }
            line.memoryMiB = *mib;
        } else if (name == "--threads") {
            const auto threads = ParseThreads(*value);
            if (!threads) {
                error = "--threads needs a whole number from 1 to 64, not \"" + *value + "\"";
                return std::nullopt;
            }
            line.threads = *threads;
        } else if (name == "--optimize") {
            if (*value != "moves" && *value != "pushes") {
                error = "--optimize takes moves or pushes, not \"" + *value + "\"";
                return std::nullopt;
            }
            line.optimize = true;
            line.measure = *value == "moves" ? solver::Measure::MovesThenPushes : solver::Measure::PushesThenMoves;
        } else {
            const auto optimal = ParseOptimality(*value);
            if (!optimal) {
                error = "--optimal takes pushes, moves or none, not \"" + *value + "\"";
                return std::nullopt;
            }
            line.optimal = *optimal;
        }
    }
    if (!line.help && line.files.empty()) {
        error = "no level files given";
        return std::nullopt;
    }
    return line;
}

std::vector<LevelToSolve> ReadLevelsOf(const std::string& path, const Folders& places)
{
    LevelToSolve level;
    level.file = path;
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (path.empty() || !std::filesystem::exists(status))
        level.problem = "no such file";
    else if (!std::filesystem::is_regular_file(status))
        level.problem = "not a regular file";
    else if (!std::ifstream(path, std::ios::binary))
        level.problem = "cannot be read";
    if (!level.problem.empty())
        return {level};

    // A collection is read by the same reader as File > Import Collection, so a whole collection
    // can be solved or checked in one command. A file with fewer than two playable boards (one
    // level, maybe with its rows split by a blank line) reads exactly as the game loads it.
    const LevelCollection collection = ReadCollectionFile(path);
    if (collection.RefusedBytes > 0) {
        level.problem = "too large to read (" + std::to_string(collection.RefusedBytes >> 20) + " MiB)";
        return {level};
    }
    std::size_t boards = collection.Levels.size();
    for (const SkippedItem& item : collection.Skipped)
        if (item.Reason == SkipReason::NoKeeper || item.Reason == SkipReason::SeveralKeepers ||
            item.Reason == SkipReason::TooLarge)
            ++boards;
    if (collection.Levels.size() > 1) {
        std::vector<LevelToSolve> levels;
        auto kept = collection.Levels.begin();
        for (int number = 1; number <= static_cast<int>(boards); ++number) {
            LevelToSolve member;
            member.file = path + " #" + std::to_string(number);
            member.collectionNumber = number;
            if (kept != collection.Levels.end() && kept->Number == number) {
                member.rows = kept->Rows;
                member.storedSolution = kept->BestSolution();
                ++kept;
            } else {
                for (const SkippedItem& item : collection.Skipped)
                    if (item.LevelNumber == number)
                        member.problem = SkipReasonText(item.Reason, item.Detail);
            }
            levels.push_back(std::move(member));
        }
        return levels;
    }

    // The game's own load: the same line rules, the same fill, the same stored solution.
    GameState g;
    SilentFrontend ui;
    g.GameMode = ModeSolution;
    g.Places = places;
    g.Playlist = {path};
    g.LevelIndex = 0;
    LoadLevel(g, ui);
    level.rows = BoardRows(g);
    if (KeepsSolutionFile(path)) {
        level.solutionPath = SolutionFilePathFor(g, path);
        level.storedSolution = g.StoredSolution;
    }
    return {level};
}

bool ReplaysToSolved(const std::vector<std::string>& rows, const std::string& moves)
{
    MoveReplay board(PadRows(rows));
    for (const char letter : moves) {
        const MoveOutcome outcome = board.Play(letter);
        // Each letter as played: a refused move or a step written as a push fails, and the game
        // goes on taking moves after a win, so only the end must be solved.
        if ((outcome != MoveOutcome::Step && outcome != MoveOutcome::Push) || MoveReplay::Recorded(letter, outcome) != letter)
            return false;
    }
    return board.Solved();
}

WriteDecision DecideWrite(const LevelToSolve& level, const solver::Result& result)
{
    if (result.outcome != solver::Outcome::Solved || result.moves.empty() || !level.problem.empty())
        return WriteDecision::NotSolved;
    if (level.solutionPath.empty())
        return WriteDecision::NoSolutionFile;
    if (!ReplaysToSolved(level.rows, result.moves))
        return WriteDecision::DoesNotReplay;
    // The game's own rule: a stored solution that does not solve the level (a stale or damaged
    // file) counts as none.
    if (!JudgeSolution(level.rows, level.storedSolution, result.moves).Replaces)
        return WriteDecision::StoredIsBetter;
    return WriteDecision::Write;
}

WriteReport WriteIfBetter(const LevelToSolve& level, const solver::Result& result, const Folders& places)
{
    // The stored solution is read again: the game may have kept a better one while this one ran.
    LevelToSolve now = level;
    if (!now.solutionPath.empty())
        now.storedSolution = StoredSolutionOf(now.file, places);

    WriteReport report;
    switch (DecideWrite(now, result)) {
    case WriteDecision::NotSolved:
        return report;
    case WriteDecision::NoSolutionFile:
        report.text = now.collectionNumber > 0 ? "not written: a level of a collection keeps no solution file"
                                               : "not written: only .xsb levels keep a solution file";
        return report;
    case WriteDecision::StoredIsBetter:
        report.text = "stored solution kept (" +
                      std::to_string(ReadSolution(now.rows, now.storedSolution).Score.Moves) + " moves)";
        return report;
    case WriteDecision::DoesNotReplay:
        report.failed = true;
        report.text = "not written: the solution does not replay to solved";
        return report;
    case WriteDecision::Write:
        break;
    }
    // The core's writer refuses a read-only file and leaves any file intact when it fails.
    try {
        GameState g;
        g.Places = places;
        MakeFolderFor(g, now.solutionPath);   // the solution store of an installed copy, on first use
        WriteSolutionFile(now.solutionPath, result.moves);
        report.text = "written to " + now.solutionPath;
    } catch (const FileError& e) {
        report.failed = true;
        report.text = std::string("not written: ") + e.what();
    }
    return report;
}

std::string ResultLine(const LevelToSolve& level, const solver::Result& result, const std::string& writeText)
{
    std::string line = level.file + ": ";
    if (!level.problem.empty()) {
        line += "unreadable (" + level.problem + ")";
    } else {
        line += solver::OutcomeName(result.outcome);
        if (result.outcome == solver::Outcome::Invalid && result.invalid != solver::InvalidReason::None)
            line += std::string(" (") + solver::InvalidReasonText(result.invalid) + ")";
    }
    const bool solved = result.outcome == solver::Outcome::Solved && level.problem.empty();
    line += ", " + std::to_string(solved ? result.moves.size() : 0) + " moves, " +
            std::to_string(solved ? result.pushes : 0) + " pushes, " + FormatSeconds(result.seconds) + " s, " +
            std::to_string(result.positions) + " positions";
    if (!writeText.empty())
        line += "; " + writeText;
    return line;
}

std::string SummaryLine(int solved, int total)
{
    return "solved " + std::to_string(solved) + " of " + std::to_string(total);
}

Optimized OptimizeLevel(const LevelToSolve& level, const solver::Options& solveOptions,
                        const solver::OptimizeOptions& optimizeOptions)
{
    Optimized optimized;
    if (!level.problem.empty())
        return optimized;
    // The stored solution as the game reads it, pushes in capitals whatever the case written. One
    // that does not solve the level (edited by hand, or for another board) is not a starting
    // point: the solver's own is.
    std::string start = ReadSolution(level.rows, level.storedSolution).Letters;
    if (start.empty() || !ReplaysToSolved(level.rows, start)) {
        optimized.solvedFirst = true;
        optimized.solve = solver::Solve(level.rows, solveOptions);
        if (optimized.solve.outcome != solver::Outcome::Solved)
            return optimized;
        start = optimized.solve.moves;
    }
    optimized.result = solver::Optimize(level.rows, start, optimizeOptions);
    return optimized;
}

std::string OptimizedLine(const LevelToSolve& level, const Optimized& optimized, const std::string& writeText)
{
    std::string line = level.file + ": ";
    const solver::OptimizeResult& r = optimized.result;
    if (!level.problem.empty()) {
        line += "unreadable (" + level.problem + ")";
    } else if (optimized.solvedFirst && optimized.solve.outcome != solver::Outcome::Solved) {
        line += "no solution (";
        line += solver::OutcomeName(optimized.solve.outcome);
        if (optimized.solve.outcome == solver::Outcome::Invalid && optimized.solve.invalid != solver::InvalidReason::None)
            line += std::string(": ") + solver::InvalidReasonText(optimized.solve.invalid);
        line += "), " + FormatSeconds(optimized.solve.seconds) + " s";
    } else if (r.moves.empty()) {
        line += std::string("not optimized (") + solver::OptimizeOutcomeName(r.outcome) + ")";
    } else {
        line += r.Improved() ? "improved, " : "unchanged, ";
        line += std::to_string(r.movesBefore) + " -> " + std::to_string(r.moves.size()) + " moves, ";
        line += std::to_string(r.pushesBefore) + " -> " + std::to_string(r.pushes) + " pushes, ";
        line += optimized.solvedFirst ? "from the solver's solution, " : "from the stored solution, ";
        if (r.outcome == solver::OptimizeOutcome::Exhausted)
            line += "every position searched";
        else
            line += std::string(solver::OptimizeOutcomeName(r.outcome)) + " at " + std::to_string(r.radius) +
                    (r.radius == 1 ? " push" : " pushes") + " round it";
        line += ", " + FormatSeconds(optimized.solve.seconds + r.seconds) + " s, " + std::to_string(r.positions) + " positions";
    }
    if (!writeText.empty())
        line += "; " + writeText;
    return line;
}

namespace {

// warehaus4-solve --optimize: one line per level and a summary of the figures before and after.
int RunOptimizeCommand(const CommandLine& line, std::ostream& out, std::ostream& err, bool terminal,
                       const std::atomic<bool>* cancel, const Folders& used)
{
    solver::Options solveOptions;
    solveOptions.timeLimitSeconds = line.seconds;
    solveOptions.memoryBudgetBytes = line.memoryMiB << 20;
    solveOptions.optimal = line.optimal;
    solveOptions.cancel = cancel;
    solveOptions.threads = line.threads > 0 ? line.threads : solver::DefaultThreads();
    solver::OptimizeOptions optimizeOptions;
    optimizeOptions.measure = line.measure;
    optimizeOptions.timeLimitSeconds = line.seconds;
    optimizeOptions.memoryBudgetBytes = line.memoryMiB << 20;
    optimizeOptions.cancel = cancel;

    ProgressLine progress(err, terminal);
    int improved = 0, withSolution = 0, total = 0;
    std::uint64_t movesBefore = 0, movesAfter = 0, pushesBefore = 0, pushesAfter = 0;
    bool writeFailed = false;
    auto cancelled = [cancel] { return cancel != nullptr && cancel->load(); };
    for (std::size_t index = 0; index < line.files.size() && !cancelled(); ++index) {
        for (const LevelToSolve& level : ReadLevelsOf(line.files[index], used)) {
            if (cancelled())
                break;
            solveOptions.progress = [&](const solver::Progress& p) {
                progress.Show(level.file, index + 1, line.files.size(), p);
            };
            optimizeOptions.progress = [&](const solver::OptimizeProgress& p) {
                progress.Show(level.file, index + 1, line.files.size(), solver::Progress{p.positions, p.seconds});
            };
            const Optimized optimized = OptimizeLevel(level, solveOptions, optimizeOptions);
            progress.Clear();
            ++total;
            const solver::OptimizeResult& r = optimized.result;
            WriteReport report;
            if (!r.moves.empty()) {
                ++withSolution;
                improved += r.Improved() ? 1 : 0;
                movesBefore += r.movesBefore;
                movesAfter += r.moves.size();
                pushesBefore += static_cast<std::uint64_t>(r.pushesBefore);
                pushesAfter += static_cast<std::uint64_t>(r.pushes);
                if (line.write) {
                    solver::Result kept;
                    kept.outcome = solver::Outcome::Solved;
                    kept.moves = r.moves;
                    kept.pushes = r.pushes;
                    report = WriteIfBetter(level, kept, used);
                    writeFailed = writeFailed || report.failed;
                }
            }
            out << OptimizedLine(level, optimized, report.text) << std::endl;
        }
    }
    out << "improved " << improved << " of " << total << "; moves " << movesBefore << " -> " << movesAfter << ", pushes "
        << pushesBefore << " -> " << pushesAfter;
    if (withSolution < total)
        out << "; " << total - withSolution << " without a solution";
    out << std::endl;
    return withSolution == total && !cancelled() && !writeFailed ? 0 : 1;
}

} // namespace

int RunSolveCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool terminal,
                    const std::atomic<bool>* cancel, const Folders& places)
{
    std::string error;
    const std::optional<CommandLine> line = ParseCommandLine(args, error);
    if (!line) {
        err << "warehaus4-solve: " << error << '\n' << UsageText();
        return 2;
    }
    if (line->help) {
        out << UsageText();
        return 0;
    }

    // A portable run keeps every solution beside its level: no store.
    const Folders used = line->portable ? Folders{} : places;
    if (line->optimize)
        return RunOptimizeCommand(*line, out, err, terminal, cancel, used);

    solver::Options options;
    options.timeLimitSeconds = line->seconds;
    options.memoryBudgetBytes = line->memoryMiB << 20;
    options.optimal = line->optimal;
    options.cancel = cancel;
    options.threads = line->threads > 0 ? line->threads : solver::DefaultThreads();

    ProgressLine progress(err, terminal);
    int solved = 0;
    int total = 0;
    bool writeFailed = false;
    auto cancelled = [cancel] { return cancel != nullptr && cancel->load(); };
    for (std::size_t index = 0; index < line->files.size() && !cancelled(); ++index) {
        for (const LevelToSolve& level : ReadLevelsOf(line->files[index], used)) {
            if (cancelled())
                break;
            solver::Result result;
            if (level.problem.empty()) {
                options.progress = [&](const solver::Progress& p) {
                    progress.Show(level.file, index + 1, line->files.size(), p);
                };
                result = solver::Solve(level.rows, options);
                progress.Clear();
            }
            ++total;
            if (result.outcome == solver::Outcome::Solved && level.problem.empty())
                ++solved;
            WriteReport report;
            if (line->write) {
                report = WriteIfBetter(level, result, used);
                writeFailed = writeFailed || report.failed;
            }
            out << ResultLine(level, result, report.text) << std::endl;
        }
    }
    out << SummaryLine(solved, total) << std::endl;
    const bool allSolved = solved == total && !cancelled();
    return allSolved && !writeFailed ? 0 : 1;
}

} // namespace w4::solvecli
