#pragma once
// Lengths are held in millimetres, volumes in cubic metres and weights in
// kilograms; other units appear on input (lengths) and on display (totals).
#include <array>
#include <optional>
#include <string_view>

namespace calc {

struct NamedUnit {
    std::string_view Name;
    long double Factor;
    std::string_view Symbol; // for a table with no room for names
};

// The six length units, in the order the unit boxes list them, with the
// factor that turns a length in that unit into millimetres.
inline constexpr std::array<NamedUnit, 6> LengthUnits{{
    {"millimeter", 1.0L, "mm"},
    {"centimeter", 10.0L, "cm"},
    {"meter", 1000.0L, "m"},
    {"inch", 25.4L, "in"},
    {"foot", 304.8L, "ft"},
    {"yard", 914.4L, "yd"},
}};

// The weight units, in the order the weight unit box lists them.
inline constexpr std::array<std::string_view, 5> WeightUnits{"gram", "kilogram", "centner",
                                                             "metric ton", "pound"};

// The factor of a length unit named exactly so, or nothing.
std::optional<long double> LengthFactor(std::string_view unit);

// A total weight in kilograms shown in the named unit; 0 for a name that is
// no weight unit. The pound is 453.6 grams, the centner 100 kilograms.
long double WeightInUnit(double kilograms, std::string_view unit);

// A total volume in cubic metres shown in the cube of the named length unit;
// 0 for a name that is no length unit. Multiplied first, then divided.
long double VolumeInUnit(double cubicMetres, std::string_view unit);

} // namespace calc
