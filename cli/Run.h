#pragma once
// kubatrix-calc: the calculation of the window from parts-list files or from
// one part described on the command line, without a window.
#include <istream>
#include <ostream>

namespace cli {

// Runs the command line; `in` is read for a file named "-". Returns the exit
// status: 0, 1 for a file that cannot be read or holds a fault, 2 for a
// command line that cannot be carried out.
int Run(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err);

} // namespace cli
