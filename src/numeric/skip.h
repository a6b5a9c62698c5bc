#pragma once
// "Compute this statement; if it fails, skip it and leave its target at its previous value."
//
//   numeric::skip([&] { y = numeric::checkedDiv(a, b); });          // any statement
//   bool ok = numeric::assignOrSkip(y, [&] { return a / b * c; });  // checks the result too
//
// Both return true when the statement completed. Cheap when nothing fails: a try block.

#include <cmath>
#include <utility>

#include "numeric/failure.h"

namespace numeric {

template <class Statement>
bool skip(Statement&& statement) {
    try {
        std::forward<Statement>(statement)();
        return true;
    } catch (const NumericFailure&) {
        return false;
    }
}

// Evaluates compute(); assigns to target only when it completed with a finite value.
template <class Compute>
bool assignOrSkip(double& target, Compute&& compute) {
    try {
        const double value = std::forward<Compute>(compute)();
        if (!std::isfinite(value)) return false;
        target = value;
        return true;
    } catch (const NumericFailure&) {
        return false;
    }
}

}  // namespace numeric
