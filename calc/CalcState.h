#pragma once
// The calculator's working record, one per main window. Plain values: every
// operation takes a state and returns the next one, so a failed operation
// leaves the window's state exactly as it was.
#include <array>
#include <cstdint>

namespace calc {

struct CalcState {
    std::int32_t Density = 0;   // kilograms per cubic metre
    double TotalVolume = 0.0;   // cubic metres of the solids added, less apertures
    double TotalWeight = 0.0;   // kilograms
    // Linear mass of the size last chosen for each rolled profile, kilograms
    // per metre at 7874 kg/m3: hexagonal bar, I-beam, C channel, lip channel, angle.
    std::array<double, 5> ProfileMass{};
    double ObjectA = 0.0, ObjectB = 0.0, ObjectC = 0.0;       // millimetres
    double ApertureA = 0.0, ApertureB = 0.0, ApertureC = 0.0; // millimetres
    std::int32_t ObjectQuantity = 0;
    std::int32_t ApertureQuantity = 0;
    double UndoWeight = 0.0;
    double UndoVolume = 0.0;
    // The part of TotalWeight that has no volume: rolled profiles, less the
    // apertures cut from them. Re-weighing the solids at a new density keeps it.
    double ProfileWeight = 0.0;
    double UndoProfileWeight = 0.0;
};

} // namespace calc
