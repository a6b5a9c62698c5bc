#pragma once
// The bound of the work of one run: how many rounds one loop may take and how many all the loops
// of a run may take together. A loop beyond either is refused with
// NumericFailure(TooManyRounds), a failure of its own, so that a run stopped for its size is
// told apart from one stopped by a step of 0.
//
// While a RoundBudget lives it is the budget in force on its thread (one run at a time runs on a
// thread; an inner budget stands in for the outer one until it ends). Every counted loop pays its
// rounds from it when it starts (numeric::StepRange does so itself); any other loop of a run
// over a count it works out calls RoundBudget::pay first. Once a loop was refused, refused()
// stays true, so that the run can be reported as stopped even where a procedure skipped the
// failing statement and went on.

#include <cstddef>

namespace numeric {

// Rounds one loop may take. The finest curves the programmes draw take a few tens of
// thousands; a loop of more rounds than this draws nothing a drawing could show.
inline constexpr std::size_t MaxLoopRounds = 1'000'000;

class RoundBudget {
public:
    explicit RoundBudget(std::size_t rounds);
    ~RoundBudget();
    RoundBudget(const RoundBudget&) = delete;
    RoundBudget& operator=(const RoundBudget&) = delete;

    bool refused() const { return refused_; }

    // Whether the budget in force on this thread, if any, has refused a loop.
    static bool refusedInForce();
    // Pays for a loop of the given rounds from the budget in force; a loop of more than
    // MaxLoopRounds, or one the budget cannot pay, throws NumericFailure(TooManyRounds) and marks
    // the budget refused. Without a budget in force only MaxLoopRounds is checked.
    static void pay(std::size_t rounds);
    // Refuses a loop beyond MaxLoopRounds: marks the budget in force (if any) and throws
    // NumericFailure(TooManyRounds).
    [[noreturn]] static void refuseLoop();

private:
    std::size_t limit_, spent_ = 0;
    bool refused_ = false;
    RoundBudget* outer_;
};

}  // namespace numeric
