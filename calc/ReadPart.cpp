#include "calc/ReadPart.h"

#include "calc/Error.h"
#include "calc/ParseNumber.h"
#include "calc/StoreDouble.h"

#include <cmath>
#include <limits>
#include <string>

namespace calc {

double Length::Millimetres() const {
    return Unit ? StoreDouble(Value * Unit->Factor) : 0.0;
}

Length ReadLength(std::string_view text, const LengthUnit* unit) {
    if (text.empty() || !unit) return {};
    const Length length{ParseNumber(text), unit};
    length.Millimetres(); // throws for a length past a double's range
    return length;
}

std::int32_t ReadDensity(std::string_view text) {
    const double whole = std::trunc(ParseNumber(text));
    constexpr double low = std::numeric_limits<std::int32_t>::min();
    constexpr double high = std::numeric_limits<std::int32_t>::max();
    if (whole < low || whole > high)
        throw Error("The density '" + std::string(text) +
                    "' is out of range: type a whole number of kilograms per cubic metre "
                    "between -2147483648 and 2147483647");
    return static_cast<std::int32_t>(whole);
}

void RequireSectionLength(const Length& c) {
    if (!(c.Millimetres() > 0.0)) throw Error("Type the length of the section: a number more than 0");
}

Part ReadPart(Kind kind, const PartTexts& texts) {
    Part part;
    part.Kind = kind;
    part.Type = FindShape(texts.Type, kind == Kind::Aperture);
    part.Density = ReadDensity(texts.Density);
    part.Quantity = texts.Quantity;
    for (std::size_t row = 0; row < 3; ++row)
        part.Rows[row] = ReadLength(texts.Rows[row], FindLengthUnit(texts.Units[row]));
    part.CutByWeight = kind == Kind::Aperture && texts.CutByWeight;
    return part;
}

} // namespace calc
