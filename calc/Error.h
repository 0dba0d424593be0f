#pragma once
// The one way the core reports a failure: the message is the text the user
// reads in the error box.
#include <stdexcept>
#include <string>

namespace calc {

class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* InvalidOperation = "Invalid floating point operation";
inline constexpr const char* Overflow = "Floating point overflow";

// A result computed in extended precision, stored as a double: NaN is an
// invalid operation, a value past the range of a double an overflow, and an
// underflow quietly becomes the nearest double (down to 0).
double StoreDouble(long double value);

} // namespace calc
