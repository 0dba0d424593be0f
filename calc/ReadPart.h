#pragma once
// The one reader of what a person typed for an Add: the window's controls,
// a parts-list file's cells and kubatrix-calc's words all come through here,
// so they read numbers, empty rows and densities alike and fail with the
// same messages.
#include "calc/Part.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace calc {

// A row's text in its unit. An empty text, or no unit (a unit box's text
// that names none), is a row that counts as 0 and is not read. Throws the
// conversion error of ParseNumber, or an overflow for a length past a
// double's range in millimetres.
Length ReadLength(std::string_view text, const LengthUnit* unit);

// The density field read as every Add reads it: the number truncated toward
// zero. A value outside the 32-bit range is an error that names the text.
std::int32_t ReadDensity(std::string_view text);

// A standard section is bought by its length: one that is empty, 0 or less
// throws.
void RequireSectionLength(const Length& c);

// The texts of one Add: the type box, the density field, the quantity box's
// count and each row's text with its unit box's text.
struct PartTexts {
    std::string_view Type;
    std::string_view Density;
    int Quantity = 1;
    std::array<std::string_view, 3> Rows;
    std::array<std::string_view, 3> Units;
    bool CutByWeight = false;
};

// Reads them as the window's Add does: the type by its exact name (nullptr
// for one that names no shape of the kind), then the density, then rows a,
// b, c in turn, units by their exact names; the first text that fails
// throws, and nothing was read. A rolled profile's mass is the caller's to
// fill in, and so is a section, which no type box names.
Part ReadPart(Kind kind, const PartTexts& texts);

} // namespace calc
