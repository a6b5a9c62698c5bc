// The bound of the work of a run: the rounds of one loop and of all the loops of a run.

#include <cmath>

#include <gtest/gtest.h>

#include "failure_matchers.h"
#include "numeric/round_budget.h"
#include "numeric/step_loop.h"

using namespace numeric;

namespace {

// The rounds one loop may take, stated here and never read from the code, so that a bound moved
// either way fails.
constexpr std::size_t kBound = 1'000'000;

TEST(RoundBudget, ALoopOfMoreRoundsThanAnyDrawingUsesIsRefusedAtConstruction) {
    // 2e-15 still moves a counter near 2, but the loop would take 2e15 rounds.
    EXPECT_FAILS(StepRange(-2, 2, 2e-15), FailureKind::TooManyRounds);
    EXPECT_FAILS(StepRange(-1, 1, 2e-5 / 500), FailureKind::TooManyRounds);
    EXPECT_FAILS(StepRange(1, -1, -1e-7), FailureKind::TooManyRounds);
    // A range whose width overflows.
    EXPECT_FAILS(StepRange(-1e308, 1e308, 1e300), FailureKind::TooManyRounds);
    // Up to the bound, and any loop that does not run, is a loop; at the bound it is refused.
    EXPECT_EQ(StepRange(0, kBound - 2.0, 1).rounds(), kBound - 1);
    EXPECT_FAILS(StepRange(0, kBound, 1), FailureKind::TooManyRounds);
    EXPECT_EQ(StepRange(2, -2, 2e-15).rounds(), 0u);
}

TEST(RoundBudget, EveryPassOfALoopPaysItsRoundsBeforeItsFirstRound) {
    const StepRange band(-1, 1, 0.002);
    int rounds = 0;
    auto pass = [&] { for (double t : band) rounds += t < 2; };
    // A pass pays 1001 rounds and counting the loop pays none: two passes fit 2002 rounds, not
    // 2001.
    {
        RoundBudget fewer(2001);
        pass();
        EXPECT_FAILS(pass(), FailureKind::TooManyRounds);
    }
    rounds = 0;
    RoundBudget budget(2002);
    EXPECT_EQ(band.count(), 1000u);
    pass();
    pass();
    EXPECT_EQ(rounds, 2000);
    EXPECT_FALSE(budget.refused());

    // The third pass cannot be paid: it fails before its first round, and so does every later
    // loop of the run, however short.
    EXPECT_FAILS(pass(), FailureKind::TooManyRounds);
    EXPECT_EQ(rounds, 2000);
    EXPECT_TRUE(budget.refused());
    double counter = 7;
    EXPECT_FAILS(countedLoop(counter, 0, 1, 1, [&](double) { ++rounds; }),
                 FailureKind::TooManyRounds);
    EXPECT_EQ(counter, 7);
    EXPECT_EQ(rounds, 2000);
}

TEST(RoundBudget, ALoopBeyondTheBoundMarksTheBudgetAndBudgetsNest) {
    RoundBudget outer(100);
    {
        RoundBudget inner(1'000'000);
        EXPECT_FAILS(StepRange(0, 1, 1e-9), FailureKind::TooManyRounds);
        EXPECT_TRUE(inner.refused());
        for (double t : StepRange(0, 199, 1)) (void)t;   // the inner budget pays, not the outer
    }
    EXPECT_FALSE(outer.refused());
    RoundBudget::pay(100);   // the outer budget is whole
    EXPECT_FAILS(([] { for (double t : StepRange(0, 199, 1)) (void)t; }()),
                 FailureKind::TooManyRounds);
    EXPECT_TRUE(outer.refused());
}

}  // namespace
