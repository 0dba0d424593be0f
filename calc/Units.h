#pragma once
// Lengths are held in millimetres, volumes in cubic metres and weights in
// kilograms; other units appear on input (lengths) and on display (totals).
// One table of each kind: the name the unit boxes list, the symbol a table
// heads its column with, the factors, and the other words kubatrix-calc and
// parts-list files take for it.
#include <array>
#include <string_view>

namespace calc {

struct LengthUnit {
    std::string_view Name;   // as the unit boxes list it: "millimeter"
    std::string_view Symbol; // "mm"
    long double Factor;      // to millimetres
    // Cubic metres shown in the cube of this unit: × Multiplier / Divisor,
    // multiplied first (to cubic millimetres for the imperial units).
    std::string_view CubicSymbol; // "mm3"
    long double CubicMultiplier, CubicDivisor;
    std::array<std::string_view, 4> Spellings; // "mm", "millimetres", ...
};

// In the order the unit boxes list them.
inline constexpr std::array<LengthUnit, 6> LengthUnits{{
    {"millimeter", "mm", 1.0L, "mm3", 1e9L, 1.0L, {"mm", "millimeters", "millimetre", "millimetres"}},
    {"centimeter", "cm", 10.0L, "cm3", 1e6L, 1.0L, {"cm", "centimeters", "centimetre", "centimetres"}},
    {"meter", "m", 1000.0L, "m3", 1.0L, 1.0L, {"m", "meters", "metre", "metres"}},
    // The cubes of 25.4, 304.8 and 914.4.
    {"inch", "in", 25.4L, "in3", 1e9L, 16387.064L, {"in", "inches"}},
    {"foot", "ft", 304.8L, "ft3", 1e9L, 28316846.592L, {"ft", "feet"}},
    {"yard", "yd", 914.4L, "yd3", 1e9L, 764554857.984L, {"yd", "yards"}},
}};

struct WeightUnit {
    std::string_view Name;   // as the weight unit box lists it
    std::string_view Symbol; // "kg"
    // Kilograms shown in this unit: × Multiplier / Divisor, multiplied first.
    long double Multiplier, Divisor;
    std::array<std::string_view, 4> Spellings;
};

// In the order the weight unit box lists them. The pound is 453.6 grams, the
// centner 100 kilograms.
inline constexpr std::array<WeightUnit, 5> WeightUnits{{
    {"gram", "g", 1000.0L, 1.0L, {"g", "grams"}},
    {"kilogram", "kg", 1.0L, 1.0L, {"kg", "kilograms"}},
    {"centner", "centner", 1.0L, 100.0L, {"centners"}},
    {"metric ton", "t", 1.0L, 1000.0L, {"t", "tonne", "tonnes", "metric tons"}},
    {"pound", "lb", 1000.0L, 453.6L, {"lb", "lbs", "pounds"}},
}};

// The unit named exactly so, as a unit box compares its text; nullptr for
// any other text.
const LengthUnit* FindLengthUnit(std::string_view name);
const WeightUnit* FindWeightUnit(std::string_view name);

// The unit a typed word stands for: its name or one of its spellings, as
// calc/Spelling.h compares them ("MM", "Millimetres", "metric-ton").
const LengthUnit* LengthUnitSpelled(std::string_view word);
const WeightUnit* WeightUnitSpelled(std::string_view word);

// A total weight in kilograms shown in the named unit; 0 for a name that is
// no weight unit.
long double WeightInUnit(double kilograms, std::string_view unit);

// A total volume in cubic metres shown in the cube of the named length unit;
// 0 for a name that is no length unit.
long double VolumeInUnit(double cubicMetres, std::string_view unit);

} // namespace calc
