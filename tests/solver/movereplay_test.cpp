// One replay of move letters behind five callers, each keeping its own rule where they part:
// what a refused move or a stray letter does, whether the case must say step or push, whether
// play stops at the win, what counts as won, and cells past the end of a short row.
#include "core/collection.h"
#include "core/movereplay.h"
#include "core/pathing.h"
#include "solver/cli/solvecli.h"
#include "solver/solution.h"

#include <gtest/gtest.h>

namespace {

using Rows = std::vector<std::string>;

// Box, target and floor in a row: "R" wins, a second "R" pushes the box off its target again.
const Rows Corridor = {"######", "#@$. #", "######"};

bool SolverAccepts(const Rows& rows, const std::string& letters) { return w4::solver::ReplaysToSolved(rows, letters); }
bool CommandLineAccepts(const Rows& rows, const std::string& letters)
{
    return w4::solvecli::ReplaysToSolved(rows, letters);
}

TEST(MoveReplay, CollectionsStopAtTheWinWhileTheChecksPlayOn)
{
    // After the win a collection's solution ends, whatever follows; the solver's and the command
    // line's checks play every letter, so a push off the target after the win fails them.
    for (const std::string letters : {"RR", "Rl", "RRR"}) {
        const w4::ReplayResult r = w4::ReplayMoves(Corridor, letters);
        EXPECT_TRUE(r.Solved) << letters;
        EXPECT_EQ(r.Letters, "R") << letters;
        EXPECT_EQ(r.FailedMove, 0) << letters;
    }
    EXPECT_FALSE(SolverAccepts(Corridor, "RR"));
    EXPECT_FALSE(CommandLineAccepts(Corridor, "RR"));
    EXPECT_TRUE(SolverAccepts(Corridor, "Rl"));   // a legal step after the win keeps it won
    EXPECT_TRUE(CommandLineAccepts(Corridor, "Rl"));
}

TEST(MoveReplay, TheChecksWantTheCaseToSayStepOrPushTheOthersDoNot)
{
    // Here "R" only steps and "r" pushes: collections and the help take either case, and a
    // collection's solution is recorded as played.
    const Rows board = {"######", "#@ $.#", "######"};
    const w4::ReplayResult r = w4::ReplayMoves(board, "Rr");
    EXPECT_TRUE(r.Solved);
    EXPECT_EQ(r.Letters, "rR");
    EXPECT_EQ(w4::PlayLetters(board, "Rr"), w4::PlayLetters(board, "rR"));
    ASSERT_TRUE(w4::FirstPush(board, "Rr").has_value());
    // The checks of a found solution refuse a step written as a push and a push written as a step.
    for (const std::string letters : {"Rr", "rr", "RR"}) {
        EXPECT_FALSE(SolverAccepts(board, letters)) << letters;
        EXPECT_FALSE(CommandLineAccepts(board, letters)) << letters;
    }
    EXPECT_TRUE(SolverAccepts(board, "rR"));
    EXPECT_TRUE(CommandLineAccepts(board, "rR"));
}

TEST(MoveReplay, ARefusedMoveOrAStrayLetterEndsAReplayButNotTheHelpsWalk)
{
    const Rows board = {"######", "#@ $.#", "######"};
    const w4::ReplayResult wall = w4::ReplayMoves(board, "lrR");
    EXPECT_EQ(wall.FailedMove, 1);
    EXPECT_TRUE(wall.Letters.empty());
    EXPECT_EQ(w4::ReplayMoves(board, "rxR").FailedMove, 2);
    // The help plays on past them, as the board does in play.
    const Rows won = {"######", "#  @*#", "######"};
    EXPECT_EQ(w4::PlayLetters(board, "lrR"), won);
    EXPECT_EQ(w4::PlayLetters(board, "rxR"), won);
    const auto mark = w4::FirstPush(board, "lrxR");
    ASSERT_TRUE(mark.has_value());
    EXPECT_EQ(mark->Letters, "lrxR");
    EXPECT_EQ(mark->BoxX, 3);
    EXPECT_EQ(mark->ToX, 4);
    EXPECT_FALSE(SolverAccepts(board, "rxR"));
    EXPECT_FALSE(CommandLineAccepts(board, "rxR"));
    EXPECT_FALSE(SolverAccepts(board, "lrR"));
}

TEST(MoveReplay, WhatCountsAsWon)
{
    // Two targets, one box: the solver's check asks only that no box stands off a target, the
    // game (and so the command line and the collections) that every target is covered too.
    const Rows spare = {"######", "#@$..#", "######"};
    EXPECT_TRUE(SolverAccepts(spare, "R"));
    EXPECT_FALSE(CommandLineAccepts(spare, "R"));
    EXPECT_FALSE(w4::ReplayMoves(spare, "R").Solved);
    // A keeper standing on a target leaves it open.
    EXPECT_FALSE(w4::MoveReplay({"#+*#"}).Solved());
    EXPECT_TRUE(w4::MoveReplay({"#@*#"}).Solved());
}

TEST(MoveReplay, ShortRowsAndNoKeeper)
{
    // A collection's ragged rows are padded with floor, as a level is read; the help's rows are
    // taken as given, so past a short row's end is off the board.
    const Rows ragged = {"@", "   "};
    const w4::ReplayResult r = w4::ReplayMoves(ragged, "r");
    EXPECT_EQ(r.FailedMove, 0);
    EXPECT_EQ(r.Letters, "r");
    EXPECT_EQ(w4::PlayLetters(ragged, "r"), ragged);

    const Rows keeperless = {"#$.#"};
    EXPECT_EQ(w4::ReplayMoves(keeperless, "r").FailedMove, 1);
    EXPECT_EQ(w4::PlayLetters(keeperless, "r"), keeperless);
    EXPECT_FALSE(w4::FirstPush(keeperless, "R").has_value());
    EXPECT_FALSE(SolverAccepts(keeperless, ""));
    EXPECT_FALSE(CommandLineAccepts(keeperless, "R"));
}

} // namespace
