#include "numeric/step_loop.h"

#include <algorithm>
#include <cmath>

#include "numeric/failure.h"

namespace numeric {

StepRange::StepRange(double start, double end, double step) : start_(start), end_(end), step_(step) {
    if (!std::isfinite(start) || !std::isfinite(end) || !std::isfinite(step) || step == 0.0)
        fail(FailureKind::InvalidStep);
    // A step too small to move the counter at the largest magnitude it reaches would leave it
    // standing still: as endless as a step of 0.
    const double largest = std::max(std::fabs(start), std::fabs(end));
    if (largest + std::fabs(step) == largest) fail(FailureKind::InvalidStep);
    // A step that moves the counter but so little that the loop would take more rounds than
    // any drawing can use ends in no useful time either (or in no memory, for the points it
    // records).
    const bool runs = step > 0 ? start <= end : start >= end;
    if (runs) {
        const double spans = (end - start) / step;   // >= 0; infinite when end - start overflows
        if (!(spans < static_cast<double>(MaxLoopRounds))) RoundBudget::refuseLoop();
        rounds_ = static_cast<std::size_t>(spans) + 1;
    }
}

StepRange::Iterator StepRange::first() const {
    const bool done = step_ > 0 ? !(start_ <= end_) : !(start_ >= end_);
    return Iterator(start_, end_, step_, done);
}

StepRange::Iterator StepRange::begin() const {
    RoundBudget::pay(rounds_);
    return first();
}

std::size_t StepRange::count() const {
    std::size_t rounds = 0;
    for (auto it = first(), last = end(); it != last; ++it) ++rounds;
    return rounds;
}

}  // namespace numeric
