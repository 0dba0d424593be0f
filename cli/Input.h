#pragma once
// What kubatrix-calc reads: a parts-list file named on the command line, or
// standard input for "-", whole and bounded. A list of a million lines is
// some 60 MB; past a gigabyte it is no parts list, and reading on would only
// end when memory does.
#include <cstdint>
#include <istream>
#include <string>

namespace cli {

inline constexpr std::uintmax_t LargestInput = std::uintmax_t(1) << 30; // 1 GiB

// The bytes of the file `name`, or of `in` for "-". A name that is no
// regular file (a pipe, a device, a directory) or one larger than `largest`
// is refused before a byte of it is read, and a pipe is never waited on;
// standard input is read up to `largest` and then refused. Throws calc::Error
// with the message to show, the name in it made printable.
std::string Contents(const std::string& name, std::istream& in,
                     std::uintmax_t largest = LargestInput);

} // namespace cli
