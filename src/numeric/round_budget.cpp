#include "numeric/round_budget.h"

#include "numeric/failure.h"

namespace numeric {

namespace {

// The budget of the run in progress on this thread, if any.
thread_local RoundBudget* currentBudget = nullptr;

}  // namespace

RoundBudget::RoundBudget(std::size_t rounds) : limit_(rounds), outer_(currentBudget) {
    currentBudget = this;
}

RoundBudget::~RoundBudget() { currentBudget = outer_; }

bool RoundBudget::refusedInForce() { return currentBudget != nullptr && currentBudget->refused_; }

void RoundBudget::pay(std::size_t rounds) {
    if (rounds > MaxLoopRounds) refuseLoop();
    RoundBudget* budget = currentBudget;
    if (budget == nullptr || rounds == 0) return;
    if (rounds > budget->limit_ - budget->spent_) {
        // Spent: every later loop of the run is refused as well, so the run winds down at once.
        budget->spent_ = budget->limit_;
        budget->refused_ = true;
        fail(FailureKind::TooManyRounds);
    }
    budget->spent_ += rounds;
}

void RoundBudget::refuseLoop() {
    if (currentBudget != nullptr) currentBudget->refused_ = true;
    fail(FailureKind::TooManyRounds);
}

}  // namespace numeric
