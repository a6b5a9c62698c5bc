#include "numeric/failure.h"

namespace numeric {

namespace {

const char* describe(FailureKind kind) {
    switch (kind) {
        case FailureKind::DivisionByZero: return "Division by zero";
        case FailureKind::NegativeSqrt: return "Square root of a negative number";
        case FailureKind::NonPositiveLog: return "Logarithm of a number not greater than zero";
        case FailureKind::OutOfDomain: return "Argument out of range";
        case FailureKind::Overflow: return "Overflow";
        case FailureKind::ConversionOverflow: return "Overflow in conversion to integer";
        case FailureKind::InvalidStep: return "Invalid loop step";
        case FailureKind::NotANumber: return "Not a number";
        case FailureKind::TooManyRounds: return "Too many rounds";
    }
    return "Numerical failure";
}

}  // namespace

NumericFailure::NumericFailure(FailureKind kind) : std::runtime_error(describe(kind)), kind_(kind) {}

void fail(FailureKind kind) { throw NumericFailure(kind); }

}  // namespace numeric
