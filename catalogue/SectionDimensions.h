#pragma once
// What a table or a drawing of the sections shows of each family: which
// dimensions, lettered as the family's standard letters them (AISC's d, bf,
// tw, tf for W, S, M, HP, WT, C and MC; h, b, tw, tf, r for the EN and UK
// sections), the shape it is drawn as, and the mass of a metre at a density.
// The windows ask here, so they hold no knowledge of a family of their own.
#include "catalogue/Sections.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace catalogue {

// The dimensions a table of sections can show, in the order of its columns.
enum class Dimension {
    Depth,        // h, d; an angle's long leg; a hollow section's height
    Width,        // b, bf; an angle's short leg
    Web,          // tw
    Flange,       // tf
    Thickness,    // t: an angle's legs, a hollow section's wall, a flat bar
    Diameter,     // D
    Side,         // a: a square bar's
    Radius,       // r, r1: root; ro: a hollow section's outer corner
    SecondRadius, // r2: toe; ri: a hollow section's inner corner
};
inline constexpr std::size_t DimensionCount = 9;
inline constexpr std::array<Dimension, DimensionCount> Dimensions{
    Dimension::Depth,  Dimension::Width,     Dimension::Web,
    Dimension::Flange, Dimension::Thickness, Dimension::Diameter,
    Dimension::Side,   Dimension::Radius,    Dimension::SecondRadius,
};

// How the family letters that dimension: "h", "d", "bf", "r1", "ro". Empty
// where its table has no such figure (an AISC angle has no toe radius, an S
// shape no root radius in the database).
std::string_view DimensionLetter(SectionFamily family, Dimension dimension);

// What the dimension is for that family, for a tooltip: "depth", "toe
// radius", "inner corner radius". Empty where the family has none.
std::string_view DimensionMeaning(SectionFamily family, Dimension dimension);

// The section's figure of that dimension in millimetres, or nothing where its
// family shows none.
std::optional<double> DimensionOf(const Section& section, Dimension dimension);

// Kilograms in a metre of the section at a density in kg/m3: what a metre of
// it adds to a weight (CrossSectionMm2).
double MassPerMetre(const Section& section, double kgPerM3);

// The outline a section is drawn as.
enum class SectionShape {
    I,           // two flanges and a web: IPE, HE, IPN, UB, UC, W, S, M, HP
    Channel,     // UPN, UPE, PFC, C, MC
    Tee,         // WT: a flange and a stem
    Angle,       //
    Rectangular, // hollow: SHS, RHS, HSS square and rectangular
    Circular,    // hollow: CHS, HSS round, pipes
    RoundBar,
    SquareBar,
    FlatBar,
};
SectionShape ShapeOf(SectionFamily family);

// A flange whose inner face slopes (IPN, UPN, S, C, MC), with its thickness
// Tf given where the standard measures it, so that a drawing can show the
// shape the figures describe. Slope 0: a parallel flange.
struct FlangeSlope {
    double Slope = 0;      // rise over run of the inner face
    double MeasuredAt = 0; // where Tf is measured, from the toe, in mm
};
FlangeSlope FlangeSlopeOf(const Section& section);

} // namespace catalogue
