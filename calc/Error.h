#pragma once
// The one way the core reports a failure: the message is the text the user
// reads in the error box.
#include <stdexcept>
#include <string>

namespace calc {

class Error : public std::runtime_error {
public:
    explicit Error(const std::string& message) : std::runtime_error(message), message_(message) {}

    // The whole message, also where the quoted text holds a NUL, at which
    // what() would stop.
    const std::string& Message() const { return message_; }

private:
    std::string message_;
};

inline constexpr const char* InvalidOperation = "Invalid floating point operation";
inline constexpr const char* Overflow = "Floating point overflow";

} // namespace calc
