#pragma once
#include <string_view>

namespace calc {

// The number a typed text stands for. Either "." or "," is the decimal point,
// whatever the regional settings say. Blanks may surround the number; a sign,
// at least one digit with at most one decimal point, and an exponent are
// allowed. An empty text is 0. Anything else throws
// "'<text>' is not a valid floating point value"; a value past the range of a
// double throws "Floating point overflow"; one too small becomes 0.
double ParseNumber(std::string_view text);

// The quantity box's text as a count: a whole decimal number, clamped to
// [low, high]; a text that is not one (a lone "-", "2.5") counts as low.
int ReadQuantity(std::string_view text, int low, int high);

} // namespace calc
