#pragma once
// The one number format of the two result fields.
#include <string>

namespace calc {

// x rounded, half away from zero, to five significant digits but to no more
// than ten decimals, starting from the shortest decimal that reads back as
// the same double. From 100000 on it is written in scientific form ("1.2346E5",
// "1E5"); below, with exactly ten decimals ("47.2440000000"). A value that
// rounds to zero is "0.0000000000", never "-0...". The decimal separator is
// the user's, handed in by the window. A total computed in extended precision
// that still fits a double is stored as a double first, as every total is; one
// beyond (a huge total in grams, say) keeps its extended value.
std::string FormatTotal(long double x, char separator);

} // namespace calc
