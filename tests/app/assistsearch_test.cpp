// The halving search for the last winnable position of an attempt, with the verdicts given by
// the test: which positions it asks about and how it treats a check that ran out of time.
#include "app/help/assistsearch.h"

#include <gtest/gtest.h>

namespace {

// The box goes right along row 2: at x = 4 it is fine, at x = 5 (against the wall) lost.
const std::vector<std::string> Start{"#######", "#.    #", "#  $  #", "#@    #", "#######"};
// Positions: 0 start, 3 after the first push, 4 after the fatal one, then two steps.
const std::string Attempt = "urRRdl";

int BoxColumn(const std::vector<std::string>& rows) { return static_cast<int>(rows[2].find_first_of("$*")); }

TEST(FindLastSolvable, LandsJustBeforeThePushThatLostTheGame)
{
    int asked = 0;
    const auto result = w4::FindLastSolvable(Start, Attempt, 6, [&](const std::vector<std::string>& rows) {
        ++asked;
        return BoxColumn(rows) == 5 ? w4::Solvability::Unsolvable : w4::Solvability::Solvable;
    });
    EXPECT_EQ(result.Index, 3);
    EXPECT_TRUE(result.Proven);
    EXPECT_FALSE(result.Uncertain);
    EXPECT_FALSE(result.ShownSolvable);
    EXPECT_EQ(asked, 2) << "the shown position's boxes, then the one push between";

    // Asked from before the fatal push, the shown position is winnable.
    const auto early = w4::FindLastSolvable(Start, Attempt, 3, [&](const std::vector<std::string>& rows) {
        return BoxColumn(rows) == 5 ? w4::Solvability::Unsolvable : w4::Solvability::Solvable;
    });
    EXPECT_TRUE(early.ShownSolvable);
    EXPECT_EQ(early.Index, 3);
}

TEST(FindLastSolvable, ACheckOutOfTimeIsNeverTakenAsLost)
{
    // The position after the first push cannot be decided in time: the answer falls back to a
    // position proven winnable (the start's boxes, just before that push) and says it is uncertain.
    const auto result = w4::FindLastSolvable(Start, Attempt, 6, [](const std::vector<std::string>& rows) {
        const int column = BoxColumn(rows);
        return column == 5 ? w4::Solvability::Unsolvable
                           : column == 4 ? w4::Solvability::Unknown : w4::Solvability::Solvable;
    });
    EXPECT_EQ(result.Index, 2);
    EXPECT_TRUE(result.Uncertain);
    EXPECT_TRUE(result.Proven);
    EXPECT_FALSE(result.StartUnsolvable);

    // Nothing can be decided: the start is where it lands, uncertain, never "unsolvable".
    const auto unknown =
        w4::FindLastSolvable(Start, Attempt, 6, [](const std::vector<std::string>&) { return w4::Solvability::Unknown; });
    EXPECT_TRUE(unknown.Uncertain);
    EXPECT_FALSE(unknown.StartUnsolvable);
    EXPECT_FALSE(unknown.Proven);
    EXPECT_EQ(unknown.Index, 2);
}

TEST(FindLastSolvable, ALevelLostFromItsStartAndACancelledSearch)
{
    const auto lost =
        w4::FindLastSolvable(Start, Attempt, 6, [](const std::vector<std::string>&) { return w4::Solvability::Unsolvable; });
    EXPECT_TRUE(lost.StartUnsolvable);

    int asked = 0;
    const auto cancelled = w4::FindLastSolvable(Start, Attempt, 6, [&](const std::vector<std::string>&) {
        ++asked;
        return w4::Solvability::Cancelled;
    });
    EXPECT_TRUE(cancelled.Cancelled);
    EXPECT_EQ(asked, 1) << "a cancelled check ends the search at once";
}

} // namespace
