#pragma once
// kubatrix-calc takeoff FILE: the lines of a parts list cut from stock bars,
// grouped by cross-section and material. kubatrix-calc cutlist FILE: which
// stock bars to buy for each group and how to cut them, at the least cost.
#include "cli/Output.h"

#include <istream>

namespace cli {

// Runs "takeoff ..." or "cutlist ..." (argv[1] the command's name), its file
// read as every command of kubatrix-calc reads one ("-": `in`). Throws what
// Run reports: UsageError, calc::Error, WriteFailed, CLI::ParseError.
void RunCutlist(int argc, const char* const* argv, std::istream& in, Writer& out);

} // namespace cli
