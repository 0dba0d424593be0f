#pragma once
// --json: a parts list's lines and totals for scripts. Weights are in
// kilograms, volumes in cubic metres and densities in kilograms per cubic
// metre whatever the unit options say, as the keys name them; null stands
// where the window shows no figure.
#include "cli/Output.h"
#include "partslist/Line.h"
#include "partslist/Replay.h"

#include <optional>
#include <span>
#include <string>

namespace cli {

// One list, a file's or one part's, as a JSON object without a newline after
// it:
//   {"file": ..., "price_per_kg": ..., "lines": [{...}, ...], "totals": {...}}
// "file" only for a file. A line takes a row of its own, written as the rows
// come, so that a long list is never held as JSON at once. The costs are
// those of the table: each line's rounded to cents, the total their sum.
void WriteJson(Writer& out, const std::string* fileName, std::span<const partslist::Line> lines,
               const partslist::Replay& replay, std::optional<double> pricePerKg);

} // namespace cli
