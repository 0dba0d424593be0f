#pragma once
// The small operations of the window: material, density, unit display, undo
// and reset. Adding objects and apertures lives in Add.h.
#include "calc/CalcState.h"

#include <optional>
#include <string>
#include <string_view>

namespace calc {

// The density after the material box's text changed: a named material's
// density, otherwise the density in force. The window writes it into the
// density field.
std::int32_t MaterialDensity(std::string_view material, std::int32_t current);

// The density field read as every Add reads it: the number truncated toward
// zero. A value outside the 32-bit range is an error that names the text.
std::int32_t ReadDensity(std::string_view text);

// Undo: the totals of the snapshot. One level; repeating it changes nothing.
CalcState Undo(const CalcState& state);

// The Weight field's text for the weight unit box's text.
std::string WeightText(double totalWeight, std::string_view unit, char separator);

// The Volume field's text for the volume unit box's text, or nothing when the
// field holds the no-volume marker and must keep it.
std::optional<std::string> VolumeText(std::string_view field, double totalVolume,
                                      std::string_view unit, char separator);

} // namespace calc
