#include "calc/Calculator.h"

#include "calc/Display.h"
#include "calc/Materials.h"
#include "calc/Units.h"

namespace calc {

std::int32_t MaterialDensity(std::string_view material, std::int32_t current) {
    for (const auto& m : Materials)
        if (m.Name == material && m.Density) return *m.Density;
    return current;
}

CalcState Undo(const CalcState& state) {
    CalcState next = state;
    next.TotalWeight = state.UndoWeight;
    next.TotalVolume = state.UndoVolume;
    next.ProfileWeight = state.UndoProfileWeight;
    return next;
}

std::string WeightText(double totalWeight, std::string_view unit, char separator) {
    return FormatTotal(WeightInUnit(totalWeight, unit), separator);
}

std::string VolumeText(double totalVolume, std::string_view unit, char separator) {
    return FormatTotal(VolumeInUnit(totalVolume, unit), separator);
}

} // namespace calc
