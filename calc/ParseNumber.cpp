#include "calc/ParseNumber.h"

#include "calc/Error.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <string>

namespace calc {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

[[noreturn]] void notANumber(std::string_view text) {
    throw Error("'" + std::string(text) + "' is not a valid floating point value");
}

// What a text holds once its grammar is checked: the number in the form
// from_chars reads ("." as the point), and the power of ten of its leading
// digit, to tell an overflow from an underflow.
struct Scanned {
    std::string number;
    long long magnitude = 0;
};

bool scan(std::string_view text, Scanned& out) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && text[i] == ' ')
        ++i;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') out.number += '-';
        ++i;
    }
    int digits = 0;
    bool point = false;
    long long integerDigits = 0;        // digits before the point, from the first non-zero one
    long long leadingFractionZeros = 0; // zeros after the point before the first non-zero digit
    bool nonZeroSeen = false;
    for (; i < n; ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            out.number += c;
            ++digits;
            if (c != '0') nonZeroSeen = true;
            if (!point && nonZeroSeen) ++integerDigits;
            if (point && !nonZeroSeen) ++leadingFractionZeros;
        } else if ((c == '.' || c == ',') && !point) {
            point = true;
            out.number += '.';
        } else {
            break;
        }
    }
    if (digits == 0) return false;

    long long exponent = 0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        out.number += 'e';
        ++i;
        bool negative = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            negative = text[i] == '-';
            out.number += text[i];
            ++i;
        }
        int exponentDigits = 0;
        for (; i < n && isDigit(text[i]); ++i, ++exponentDigits) {
            out.number += text[i];
            if (exponent < 1'000'000'000) exponent = exponent * 10 + (text[i] - '0');
        }
        if (exponentDigits == 0) return false;
        if (negative) exponent = -exponent;
    }
    while (i < n && text[i] == ' ')
        ++i;
    if (i != n) return false;

    out.magnitude = exponent + (integerDigits > 0 ? integerDigits - 1 : -leadingFractionZeros - 1);
    return true;
}

// Most texts are digits with a point or a comma at most, read by exact
// division: with up to 15 digits the digits make a whole number below 2^53
// and the divisor is a power of ten up to 10^15, both exact doubles, so the
// one correctly rounded division gives the correctly rounded result, the
// double from_chars reads. Longer ones go to from_chars as typed, a comma
// made a point: the same text the scan below would make of them. Anything
// else, or anything from_chars does not take whole, goes the long way.
bool readPlain(std::string_view text, double& value) {
    static constexpr std::array<double, 16> powersOfTen{
        1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    char number[32];
    if (text.size() > sizeof number) return false;
    std::uint64_t whole = 0;
    std::size_t digits = 0, decimals = 0;
    bool point = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            number[i] = c;
            if (++digits <= 15) whole = whole * 10 + std::uint64_t(c - '0');
            if (point) ++decimals;
        } else if ((c == '.' || c == ',') && !point) {
            point = true;
            number[i] = '.';
        } else {
            return false;
        }
    }
    if (digits == 0) return false;
    if (digits <= 15) {
        value = static_cast<double>(whole) / powersOfTen[decimals];
        return true;
    }
    const auto [end, error] = std::from_chars(number, number + text.size(), value);
    return error == std::errc() && end == number + text.size();
}

} // namespace

double ParseNumber(std::string_view text) {
    if (text.empty()) return 0.0;
    if (double value = 0.0; readPlain(text, value)) return value;
    Scanned scanned;
    if (!scan(text, scanned)) notANumber(text);

    double value = 0.0;
    const char* first = scanned.number.data();
    const char* last = first + scanned.number.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (end != last) notANumber(text);
    if (error == std::errc::result_out_of_range) {
        if (scanned.magnitude < 0) return 0.0; // underflow
        // A value too large for a double overflows it; one too large even for
        // extended precision (about 1.2E4932 on) cannot be converted at all.
        long double extended = 0.0L;
        if (std::from_chars(first, last, extended).ec != std::errc()) notANumber(text);
        throw Error(Overflow);
    }
    if (error != std::errc()) notANumber(text);
    return value;
}

int ReadQuantity(std::string_view text, int low, int high) {
    std::size_t i = 0;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) i = 1;
    if (i == text.size()) return low;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i])) return low;
        if (value <= high) value = value * 10 + (text[i] - '0');
    }
    if (text[0] == '-') value = -value;
    if (value < low) return low;
    if (value > high) return high;
    return static_cast<int>(value);
}

} // namespace calc
