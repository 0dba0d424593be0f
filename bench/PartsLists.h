#pragma once
// Parts lists as people build them, for the benchmarks of the list and its
// file: mostly solids, rolled profiles with their sizes, holes (cut by weight
// after a profile), materials with commas and quotes, a decimal comma now
// and then, so that some fields are quoted.
#include "partslist/Line.h"

#include <cstddef>
#include <string>
#include <vector>

namespace bench {

// The same lines for the same count and seed.
std::vector<partslist::Line> PartsLines(std::size_t count, unsigned seed = 7874);

// The file the program writes for those lines, written in pieces of a
// thousand lines so that a million of them need not be held as lines.
std::string PartsText(std::size_t count);

} // namespace bench
