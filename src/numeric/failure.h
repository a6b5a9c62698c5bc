#pragma once
// Numerical failure: the one error that arithmetic in this system can raise.
//
// The programmes were designed against a runtime in which a division by zero, the square root
// of a negative number, an overflow and similar faults stop the statement in which they occur.
// IEEE arithmetic does not: it carries NaN and infinities on quietly. Every operation that can
// fail therefore goes through the checked helpers of this folder, which throw NumericFailure at
// the place of the fault.

#include <stdexcept>
#include <string>

namespace numeric {

enum class FailureKind {
    DivisionByZero,      // x / 0, and 0 / 0
    NegativeSqrt,        // square root of a negative number
    NonPositiveLog,      // logarithm of zero or of a negative number
    OutOfDomain,         // arc sine / arc cosine beyond +-1
    Overflow,            // a result that is not a finite double
    ConversionOverflow,  // a conversion to a 16- or 32-bit integer out of range
    InvalidStep,         // a counted loop whose step is 0 or not finite
    NotANumber,          // an input that is NaN
    TooManyRounds,       // a loop beyond the bound of one loop or of the run (round_budget.h)
};

class NumericFailure : public std::runtime_error {
public:
    explicit NumericFailure(FailureKind kind);
    FailureKind kind() const noexcept { return kind_; }

private:
    FailureKind kind_;
};

// Throws NumericFailure(kind).
[[noreturn]] void fail(FailureKind kind);

}  // namespace numeric
