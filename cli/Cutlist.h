#pragma once
// kubatrix-calc takeoff FILE: the lines of a parts list cut from stock bars,
// grouped by cross-section and material. kubatrix-calc cutlist FILE: which
// stock bars to buy for each group and how to cut them, at the least cost.
#include "cli/Output.h"

#include <functional>
#include <ostream>
#include <string>
#include <string_view>

namespace cli {

// Whether the first word names one of the two: "takeoff" or "cutlist".
bool IsCutlistCommand(std::string_view word);

// The text of a file named on the command line ("-": standard input), read
// as every command of kubatrix-calc reads it; throws calc::Error.
using ReadFile = std::function<std::string(const std::string& name)>;

// Runs "takeoff ..." or "cutlist ..." (argv[1] the command's name). Returns
// the exit status; throws what Run reports: UsageError, calc::Error,
// WriteFailed, CLI::ParseError.
int RunCutlist(int argc, const char* const* argv, const ReadFile& read, Writer& out);

} // namespace cli
