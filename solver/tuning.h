#pragma once
// The solver's switches and weights, each technique's on or off and its numbers, with what was
// measured for the defaults. `W4_SOLVER_TUNING` (the command-line program) sets them by name for
// one run, so what a technique buys is measured with one binary, side by side.

#include <string>

namespace w4::solver {

// Switches and weights for measuring what each technique buys; the defaults are the tuned ones.
struct Tuning {
    bool corrals = true;      // PI-corral pruning
    bool matching = true;     // matching bound (false: each box to its nearest target)
    int weight = 5;           // the fast mode's weight on the bound
    bool portfolio = true;    // the fast mode takes turns with other searches
    bool frozenTargets = true; // boxes frozen on targets as walls: do the others still fit?
    bool tunnels = true;      // the fast mode's inexact searches push a box on through a one-wide tunnel
    bool corralSearch = true; // corrals whose boxes alone cannot be solved are deadlocks
    // And those proofs, cut down to the boxes they need, are looked for everywhere after.
    bool corralPatterns = true;
    // The feature searches learn and use them too. Measured with whole box moves: two or three
    // more development levels within ten seconds (with single pushes alone it had bought none).
    bool fessPatterns = true;
    bool fess = true;         // the fast mode also runs the feature-space search (fess.h)
    int fessShare = 40;       // its milliseconds per turn in the first seconds (fessEarlySeconds)
    // And after them, when what is left are the long searches: the feature searches solve most
    // levels that take that long, the plain ones hardly any. Measured on one core, sixty seconds,
    // the 21 development levels not solved within ten: 6 at 80 ms, 6 and 5 in two runs at 160,
    // against 5 at 40; the levels solved at 40 came sooner in every run. Within the first
    // seconds nothing changes.
    int fessLateShare = 160;
    // Its greedy macros find their solutions early or hardly at all (measured: none of the
    // Sasquatch levels needs it, three shipped levels do, within seconds), so it leads at first
    // and then leaves the time to the searches that pay off in long runs.
    int fessEarlyShare = 400;
    double fessEarlySeconds = 10;
    bool backward = true;     // the fast mode also pulls boxes back from the solved end, meeting the others
    // Its milliseconds per turn. Where it meets the others is where most hard levels are solved
    // within seconds, so on the first thread it takes the larger part (measured at 60 ms: one or
    // two development levels fewer within ten seconds on one core; with its two orders below,
    // 600 ms made 27 + 17 in three runs where 400 made 26 + 17 and 27 + 16).
    int backwardShare = 600;
    // Its positions in two orders taking turns, each weight on the bound (pulls back to the
    // start's cells): one weight alone gains some levels and loses others, both together keep
    // most of each (measured on one core, ten seconds: 26 and 27 of 50 development levels
    // against 24 with the single weight 5 of the other searches). 0 for the second: one order.
    int backwardWeight = 3;
    int backwardWeight2 = 20;
    // On one thread the two extra feature searches join once the first seconds are over: within
    // them they cost the others time (measured on one core: a level or two fewer in ten seconds),
    // after them they pay as on a second thread (a level more in sixty).
    bool fessLate = true;
    bool fessOnly = false;    // the fast mode runs the feature-space search alone, to measure it
    bool fessBoxMoves = true; // its weights count box moves, not pushes: going on with the same box is free
    int fessMacroTargets = 2; // due targets its packing advisor routes a box to, per expansion
    bool fessAreas = true;    // each goal area (targets near each other) follows the packing order on its own
    bool fessCornerAreas = true; // targets touching corner to corner join one area too
    int fessAreaReach = 2;    // targets this many cells apart (in both directions) join one area
    bool fessSources = true;  // its packing order takes boxes out to where boxes start (packing.h)
    bool fessContacts = false; // its features count boxes side by side, and parting them is advised
    bool fessRooms = false;   // its features count room links a box stands in, and clearing one is advised
    // 1: each connectivity advisor names one move per position, not every move it likes; 2: every
    // advisor does (packing and out of plan too), all other moves weighing one, as published.
    // Measured with the first feature search alone on whole moves, ten seconds, the two
    // development sets, side by side on a busy machine: 10 + 6 against 10 + 7 with the published
    // cells; with the cells too 9 + 5 against 11 + 6 with neither. Off.
    int fessOneAdvice = 0;
    // How feature cells are keyed: 0 on every feature counted; 1 on the published four (packed,
    // out of plan, regions, room links), the others breaking ties; 2 as 1, and a child worse than
    // the cell its parent came from is filed in that cell. Measured as above: at 2 with single
    // pushes 6 + 4 against 6 + 5 at 0; with whole moves 10 + 7 (the levels differ, the count
    // does not). The portfolio at 1 (fewer cells for the searches counting boxes side by side
    // and hotspots): 17 + 16, the same levels as at 0. Off.
    int fessCells = 0;
    // The packing plan (ComputePackingPlan): goal rooms as sinks a box leaves through a doorway,
    // and parking cells where a box waits inside the room; a box on its parking cell while the
    // plan wants it there counts as packed, and going there is the packing advisor's move.
    // Boxes in a goal room neither on a target nor parked count as out of plan (with filled
    // targets ahead of their round); the room's cells come from the plan, so it needs fessPlan.
    // The out-of-plan advisor: the one move lowering it most weighs nothing.
    // Measured with the first feature search alone on whole moves, ten seconds of processor time
    // per level (cpuClock), the two development sets: all three 16 + 13 against 15 + 11 without
    // (two levels gained in each set, one lost), positions per processor second the same (163
    // to 167 thousand). But in the portfolio all three lose two shipped levels within ten seconds
    // (a goal room a passage of targets runs out of: boxes on their way through count out of
    // plan), the plan alone neither; the portfolio on the development sets is not measured yet.
    // Off.
    bool fessPlan = false;
    bool fessOutOfPlan = false;
    bool fessPlanAdvice = false;
    // Which feature searches move one box anywhere it can be pushed, not one push: bit 0 the
    // first (and one run alone), bit 1 the one counting boxes side by side, bit 2 the one packing
    // to any free cell. Measured: the two extra ones gain a level or so on the development sets;
    // the first loses a shipped level (a staircase of pockets) within ten seconds.
    int fessRelocations = 6;
    // Which feature searches count hotspots, boxes in another box's way (hotspots.h), as a
    // feature, moving one out of the way being advised: bits as for fessRelocations. Measured on
    // one core, sixty seconds, the 21 development levels not solved within ten, in two runs side
    // by side: the second alone 6 and 5 where none made 5 and 4 (one level more each time, the
    // same one); the third alone 5, all three 4; all three taking it as advice only, no feature,
    // 2 (a free move for every box it frees is too many free moves).
    int fessHotspots = 2;
    // The first moves whole boxes too on levels with at most this many boxes (0: never). Its
    // children grow with the boxes times the cells each can reach: on a staircase of 44 boxes in
    // pockets whole moves took 23 s where single pushes took 2. Measured on one core, ten seconds:
    // 19 of 50 development levels where single pushes solved 17, the other set at 27 either way.
    int fessFirstWholeUpTo = 30;
    bool goalMacros = false;  // the inexact searches take a box onto a goal room's due target in one move (goalroom.h)
    bool goalCut = true;      // and then try nothing else from that position, for a while:
    int goalCutDelay = 10;    // its other pushes come when they rank as if this many pushes later
    // The time limit counts processor time since the solve began (StartProcessorClock), not the
    // clock on the wall: for measuring on a machine shared with other work, one level per process.
    bool cpuClock = false;
};
Tuning& SearchTuning();

// For measuring techniques side by side without rebuilding: "name=value,name=value" sets the
// switches and weights named as in Tuning. Returns the names it did not know (empty: all taken).
std::string SetTuning(const std::string& settings, Tuning& tuning);

} // namespace w4::solver
