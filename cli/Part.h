#pragma once
// One object or aperture described on the command line rather than in a file:
//   [object|aperture] TYPE [SIZE] DIMENSION...
// read into the line the window's Add would have recorded for it.
#include "partslist/Line.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace cli {

// Whether a command line's first word starts a part rather than names a file.
bool StartsAPart(std::string_view word);

// The line of a part; throws UsageError naming the word that does not fit.
partslist::Line PartLine(std::span<const std::string> words, int quantity, std::int32_t density,
                         std::string material);

} // namespace cli
