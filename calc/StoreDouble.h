#pragma once
// Every result is computed in extended precision and stored as a double; this
// is where it is stored, and checked.
#include "calc/Error.h"

namespace calc {

// NaN is an invalid operation, a value past the range of a double an
// overflow, and an underflow quietly becomes the nearest double (down to 0).
double StoreDouble(long double value);

} // namespace calc
