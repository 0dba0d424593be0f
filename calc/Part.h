#pragma once
// What one Add adds or subtracts, in numbers: a shape, its dimensions, how
// many, at which density. The window, a parts-list file and kubatrix-calc
// read their texts into one of these (calc/ReadPart.h); the core adds it.
#include "calc/Shapes.h"
#include "calc/Units.h"

#include <array>
#include <cstdint>

namespace calc {

enum class Kind { Object, Aperture };

// A dimension as read: the number typed and its unit. A row left empty, or
// one whose unit names no length unit, has no unit: it counts as 0 and its
// text was never read.
struct Length {
    double Value = 0.0;
    const LengthUnit* Unit = nullptr;

    // The value in millimetres, stored as a double. Throws calc::Error
    // (an overflow) for a value past a double's range.
    double Millimetres() const;

    bool operator==(const Length&) const = default;
};

struct Part {
    calc::Kind Kind = calc::Kind::Object;
    // nullptr for a text that names no shape of its kind: an Add of it takes
    // the undo snapshot and adds nothing.
    const Shape* Type = nullptr;
    std::array<Length, 3> Rows; // a, b, c
    int Quantity = 1;
    std::int32_t Density = 0; // kilograms per cubic metre
    // An aperture cut by weight: the totals hold rolled profiles, whose
    // volume is not computed, so the hole's weight comes off.
    bool CutByWeight = false;
    double ProfileMass = 0.0;        // a rolled profile's size: kg/m at 7874 kg/m3
    long double SectionArea = 0.0L;  // a standard section's cross-section, mm2

    bool operator==(const Part&) const = default;
};

} // namespace calc
