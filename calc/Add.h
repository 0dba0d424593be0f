#pragma once
// Adding an object and subtracting an aperture. Both compute everything from
// a copy of the state first; only a click that succeeds returns a new state,
// so a failure changes nothing, the undo snapshot included.
#include "calc/CalcState.h"
#include "calc/Part.h"

namespace calc {

// What the Volume result field shows after the click: as it was, the total
// volume, or the mark that the totals hold rolled profiles without a volume.
enum class VolumeShown { Unchanged, Marker, Total };

struct AddOutcome {
    CalcState State;
    VolumeShown VolumeField;
    // What the click added: to TotalVolume (negative for an aperture), and to
    // the weight that has no volume (a profile, or a hole cut by weight).
    double AddedVolume = 0.0;
    double AddedProfileWeight = 0.0;
};

// "Add object": a solid's volume, a rolled profile's weight or a section's
// volume. A part of no type takes the snapshot and changes no total.
AddOutcome AddObject(const CalcState& state, const Part& part);

// "Add aperture". A type that names no aperture subtracts nothing but still
// takes the snapshot and rewrites the totals.
AddOutcome AddAperture(const CalcState& state, const Part& part);

} // namespace calc
