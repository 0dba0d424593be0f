#include "calc/Units.h"

namespace calc {

std::optional<long double> LengthFactor(std::string_view unit) {
    for (const auto& u : LengthUnits)
        if (u.Name == unit) return u.Factor;
    return std::nullopt;
}

long double WeightInUnit(double kilograms, std::string_view unit) {
    const long double w = kilograms;
    if (unit == "gram") return w * 1000.0L;
    if (unit == "kilogram") return w;
    if (unit == "centner") return w / 100.0L;
    if (unit == "metric ton") return w / 1000.0L;
    if (unit == "pound") return w * 1000.0L / 453.6L;
    return 0.0L;
}

long double VolumeInUnit(double cubicMetres, std::string_view unit) {
    const long double v = cubicMetres;
    if (unit == "millimeter") return v * 1000000000.0L;
    if (unit == "centimeter") return v * 1000000.0L;
    if (unit == "meter") return v;
    // The cubes of 25.4, 304.8 and 914.4: cubic millimetres first, then the unit.
    if (unit == "inch") return v * 1000000000.0L / 16387.064L;
    if (unit == "foot") return v * 1000000000.0L / 28316846.592L;
    if (unit == "yard") return v * 1000000000.0L / 764554857.984L;
    return 0.0L;
}

} // namespace calc
