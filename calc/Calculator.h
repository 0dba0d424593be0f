#pragma once
// The small operations of the window: material, unit display and undo.
// Adding objects and apertures lives in Add.h, reading what was typed in
// ReadPart.h.
#include "calc/CalcState.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace calc {

// The density after the material box's text changed: a named material's
// density, otherwise the density in force. The window writes it into the
// density field.
std::int32_t MaterialDensity(std::string_view material, std::int32_t current);

// Undo: the totals of the snapshot. One level; repeating it changes nothing.
CalcState Undo(const CalcState& state);

// The Weight field's text for the weight unit box's text.
std::string WeightText(double totalWeight, std::string_view unit, char separator);

// The Volume field's text for the volume unit box's text.
std::string VolumeText(double totalVolume, std::string_view unit, char separator);

} // namespace calc
