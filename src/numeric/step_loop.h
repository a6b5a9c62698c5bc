#pragma once
// A counted loop with a fractional step.
//
//   for (double t : numeric::StepRange(-1, 1, 0.002)) { ... }
//
// Start, end and step are fixed at entry; the counter is advanced by repeated addition (not
// start + i*step), so point counts match the programmes' design; the loop runs while the
// counter <= end for a positive step and >= end for a negative one. A step of 0, a step so
// small against the bounds that adding it would not move the counter, or a step, start or end
// that is not finite throws NumericFailure(InvalidStep) at construction, never an endless loop.
//
// Every loop ends in bounded time: a range that would take more than MaxLoopRounds rounds
// throws NumericFailure(TooManyRounds) at construction, and while a RoundBudget is in force (a
// run of a programme) every loop pays its rounds from it when it starts; a loop that the budget
// cannot pay throws NumericFailure(TooManyRounds) before its first round (round_budget.h).

#include <cstddef>

#include "numeric/round_budget.h"

namespace numeric {

class StepRange {
public:
    StepRange(double start, double end, double step);

    class Iterator {
    public:
        Iterator(double value, double end, double step, bool done)
            : value_(value), end_(end), step_(step), done_(done) {}
        double operator*() const { return value_; }
        Iterator& operator++() {
            value_ += step_;
            done_ = step_ > 0 ? !(value_ <= end_) : !(value_ >= end_);
            return *this;
        }
        bool operator!=(const Iterator& other) const { return done_ != other.done_; }

    private:
        double value_, end_, step_;
        bool done_;
    };

    // Starts a pass over the range, paid from the RoundBudget in force (if any).
    Iterator begin() const;
    Iterator end() const { return Iterator(end_, end_, step_, true); }

    // Number of rounds the loop will make (walks the loop without paying for it; for tests and
    // sizing).
    std::size_t count() const;
    // The rounds a pass is counted for: (end - start) / step + 1, rounded down, or 0 when the
    // step leads away from the end. Repeated addition may make one round more or fewer.
    std::size_t rounds() const { return rounds_; }

private:
    Iterator first() const;

    double start_, end_, step_;
    std::size_t rounds_ = 0;
};

// A counted loop whose counter is a variable the programme keeps:
//
//   numeric::countedLoop(m.HourLoop, -90, 90, m.HourStep, [&](double hour) { ... });
//
// runs body(value) for value = start, start + step, ... as StepRange does, with counter set to
// each value before its round. Once the loop is over the counter holds the first value past the
// end (the last value plus step), or start when the loop did not run, as a counted loop leaves
// its variable. The range is checked (and paid for) before the counter is touched: an invalid
// step, or a loop beyond the bounds above, throws with the counter unchanged.
template <class Body>
void countedLoop(double& counter, double start, double end, double step, Body&& body) {
    const StepRange range(start, end, step);
    auto it = range.begin();   // paid for before the counter is touched
    counter = start;
    bool ran = false;
    double last = start;
    for (const auto stop = range.end(); it != stop; ++it) {
        const double value = *it;
        counter = value;
        last = value;
        ran = true;
        body(value);
    }
    counter = ran ? last + step : start;
}

}  // namespace numeric
