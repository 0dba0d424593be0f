#pragma once
// Adding an object and subtracting an aperture. Both compute everything from
// a copy of the state and the controls' texts first; only a click that
// succeeds returns a new state, so a failure changes nothing, the undo
// snapshot included.
#include "calc/CalcState.h"

#include <array>
#include <optional>
#include <string>

namespace calc {

struct DimensionRow {
    std::string Text; // an empty text counts as 0
    std::string Unit; // a text that is no length unit leaves the dimension 0, unread

    bool operator==(const DimensionRow&) const = default;
};

struct AddInput {
    std::string Type;
    std::string Density;          // the density field's text
    int Quantity = 1;             // the quantity box's count
    std::array<DimensionRow, 3> Rows; // a, b, c
    std::string VolumeField;      // the Volume result field's text
};

// What the Volume result field shows after the click.
enum class VolumeShown { Unchanged, Marker, Total };

struct AddOutcome {
    CalcState State;
    VolumeShown VolumeField; // the text the Volume result field shows now
    // What the click added: to TotalVolume (negative for an aperture), and to
    // the weight that has no volume (a profile, or a hole cut by weight).
    double AddedVolume = 0.0;
    double AddedProfileWeight = 0.0;
};

// "Add object". Nothing at all while the type box reads "Choose Type".
std::optional<AddOutcome> AddObject(const CalcState& state, const AddInput& input);

// "Add object" for a standard section: a solid of known cross-section,
// `areaMm2` square millimetres, whose length is row c. Its volume is area ×
// length × quantity, and it is weighed like any solid. A length that is
// empty, 0 or less is an error: a section is bought by its length.
AddOutcome AddSection(const CalcState& state, const AddInput& input, long double areaMm2);

// "Add aperture". A type that names no aperture subtracts nothing but still
// takes the snapshot and rewrites the totals.
AddOutcome AddAperture(const CalcState& state, const AddInput& input);

} // namespace calc
