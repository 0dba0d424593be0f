// ParseNumber on any bytes. Against a reading of its own: the grammar checked
// by hand here, the value from the C library's strtod/strtold (a different
// conversion from the one ParseNumber uses).
//  - a text of the grammar gives the double nearest to it, or "Floating point
//    overflow" past a double's range, or the conversion error past extended
//    range;
//  - any other text gives the conversion error naming the text exactly;
//  - nothing else is ever thrown, and no result is NaN or infinite.
#include "Check.h"

#include "calc/Error.h"
#include "calc/ParseNumber.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

namespace {

// The text with blanks trimmed and "," made ".", if it is a number:
// blanks, a sign, digits with at most one point and at least one digit, an
// exponent with an optional sign and at least one digit, blanks.
std::optional<std::string> Normalised(std::string_view text) {
    std::size_t b = 0, e = text.size();
    while (b < e && text[b] == ' ')
        ++b;
    while (e > b && text[e - 1] == ' ')
        --e;
    const std::string_view core = text.substr(b, e - b);
    std::string out;
    std::size_t i = 0;
    if (i < core.size() && (core[i] == '+' || core[i] == '-')) out += core[i++];
    int digits = 0, points = 0;
    for (; i < core.size(); ++i) {
        if (fuzz::IsDigit(core[i])) {
            ++digits;
            out += core[i];
        } else if (core[i] == '.' || core[i] == ',') {
            if (++points > 1) return std::nullopt;
            out += '.';
        } else {
            break;
        }
    }
    if (digits == 0) return std::nullopt;
    if (i == core.size()) return out;
    if (core[i] != 'e' && core[i] != 'E') return std::nullopt;
    out += core[i++];
    if (i < core.size() && (core[i] == '+' || core[i] == '-')) out += core[i++];
    if (i == core.size()) return std::nullopt;
    for (; i < core.size(); ++i) {
        if (!fuzz::IsDigit(core[i])) return std::nullopt;
        out += core[i];
    }
    return out;
}

enum class Outcome { Value, Overflow, NotANumber };

struct Expected {
    Outcome Kind = Outcome::NotANumber;
    double Value = 0;
};

Expected Reference(std::string_view text) {
    if (text.empty()) return {Outcome::Value, 0.0};
    const auto number = Normalised(text);
    if (!number) return {};
    errno = 0;
    const double value = std::strtod(number->c_str(), nullptr);
    if (!std::isinf(value)) return {Outcome::Value, value}; // underflow: the nearest, maybe 0
    errno = 0;
    const long double extended = std::strtold(number->c_str(), nullptr);
    if (std::isinf(extended)) return {}; // beyond even extended precision
    return {Outcome::Overflow, 0.0};
}

std::string Kind(Outcome kind) {
    switch (kind) {
    case Outcome::Value:
        return "a value";
    case Outcome::Overflow:
        return "overflow";
    case Outcome::NotANumber:
        return "the conversion error";
    }
    return "?";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Expected expected = Reference(text);
    try {
        const double value = calc::ParseNumber(text);
        fuzz::Require(std::isfinite(value), "not finite for " + fuzz::Shown(text));
        fuzz::Require(expected.Kind == Outcome::Value,
                      "a value where " + Kind(expected.Kind) + " was due for " + fuzz::Shown(text));
        fuzz::Require(value == expected.Value,
                      "value differs from strtod for " + fuzz::Shown(text));
    } catch (const calc::Error& e) {
        const std::string& message = e.Message();
        if (message == calc::Overflow) {
            fuzz::Require(expected.Kind == Outcome::Overflow,
                          "overflow where " + Kind(expected.Kind) + " was due for " +
                              fuzz::Shown(text));
        } else {
            fuzz::Require(message == "'" + std::string(text) + "' is not a valid floating point value",
                          "unknown message " + fuzz::Shown(message) + " for " + fuzz::Shown(text));
            fuzz::Require(expected.Kind == Outcome::NotANumber,
                          "conversion error where " + Kind(expected.Kind) + " was due for " +
                              fuzz::Shown(text));
        }
    }
    return 0;
}
