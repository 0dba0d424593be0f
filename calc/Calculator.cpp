#include "calc/Calculator.h"

#include "calc/Display.h"
#include "calc/Error.h"
#include "calc/Materials.h"
#include "calc/ParseNumber.h"
#include "calc/Units.h"

#include <cmath>
#include <limits>

namespace calc {

std::int32_t MaterialDensity(std::string_view material, std::int32_t current) {
    for (const auto& m : Materials)
        if (m.Name == material && m.Density) return *m.Density;
    return current;
}

std::int32_t ReadDensity(std::string_view text) {
    const double whole = std::trunc(ParseNumber(text));
    constexpr double low = std::numeric_limits<std::int32_t>::min();
    constexpr double high = std::numeric_limits<std::int32_t>::max();
    if (whole < low || whole > high)
        throw Error("The density '" + std::string(text) +
                    "' is out of range: type a whole number of kilograms per cubic metre "
                    "between -2147483648 and 2147483647");
    return static_cast<std::int32_t>(whole);
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

std::optional<std::string> VolumeText(std::string_view field, double totalVolume,
                                      std::string_view unit, char separator) {
    if (field == NoVolumeMarker) return std::nullopt;
    return FormatTotal(VolumeInUnit(totalVolume, unit), separator);
}

} // namespace calc
