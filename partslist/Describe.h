#pragma once
// The words of a line as the list window, kubatrix-calc and the quote sheet
// show it, and the cost of a weight.
#include "partslist/Line.h"

#include <string>

namespace partslist {

// "I-Beam 100x55x4.1x5.7" for a profile, the type alone for a solid.
std::string TypeAndSize(const Line& line);

// A dimension with its unit as typed, "2 centimeter"; empty for a row left
// empty.
std::string Dimension(const calc::DimensionRow& row);

// The same with the unit's symbol, "2 cm", where the unit has one.
std::string ShortDimension(const calc::DimensionRow& row);

// weight × price, rounded half away from zero to cents: "1234.50", with the
// given decimal separator and no currency.
std::string Cost(double kilograms, double pricePerKg, char separator);

} // namespace partslist
