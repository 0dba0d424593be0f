#pragma once
// Every result is computed in extended precision and stored as a double; this
// is where it is stored, and checked.
#include "calc/Error.h"

#include <cmath>

namespace calc {

// NaN is an invalid operation, a value past the range of a double an
// overflow, and an underflow quietly becomes the nearest double (down to 0).
// Inline: every step of every click stores its result.
inline double StoreDouble(long double value) {
    if (std::isnan(value)) throw Error(InvalidOperation);
    const double stored = static_cast<double>(value);
    if (std::isinf(stored)) throw Error(Overflow);
    return stored;
}

} // namespace calc
