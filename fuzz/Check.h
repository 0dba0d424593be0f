#pragma once
// What every fuzz target shares: a failed property aborts with a message, so
// libFuzzer keeps the input as a crash; and the grammar of a result field's
// number, checked on its own, without the display code.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

namespace fuzz {

[[noreturn]] inline void Fail(const std::string& what) {
    std::fprintf(stderr, "\nproperty violated: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

inline void Require(bool holds, const std::string& what) {
    if (!holds) Fail(what);
}

// The text with its bytes made visible, for messages.
inline std::string Shown(std::string_view text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c >= 32 && c < 127 && c != '"' && c != '\\') {
            out += char(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            out += hex;
        }
    }
    return out + "\"";
}

inline bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

inline bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The number a result field shows, as the field's grammar allows it:
//  fixed       -?(0|[1-9]d{0,4}) sep d{10}           at most 5 significant digits
//  scientific  -?[1-9](sep d*[1-9])? E (0|[1-9]d*)   exponent 5 or more, at most 5 digits
// and never "-" before a zero. On success Value holds the number (read with
// "." for the separator) and Unit the place value of the last digit kept.
struct Displayed {
    bool Ok = false;
    std::string Why;
    long double Value = 0;
    bool Scientific = false;
};

inline Displayed ReadDisplayed(std::string_view text, char separator) {
    Displayed r;
    const auto fail = [&](const char* why) {
        r.Why = std::string(why) + " in " + Shown(text);
        return r;
    };
    std::size_t i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    if (negative) ++i;
    const std::size_t sepAt = text.find(separator, i);
    const std::size_t eAt = text.find('E', i);
    std::string normal(negative ? "-" : "");
    int significant = 0;
    bool allZero = true;
    if (eAt == std::string_view::npos) {
        // Fixed form.
        if (sepAt == std::string_view::npos) return fail("no separator");
        const std::string_view whole = text.substr(i, sepAt - i);
        const std::string_view places = text.substr(sepAt + 1);
        if (whole.empty() || whole.size() > 5) return fail("whole part of 0 or more than 5 digits");
        if (whole.size() > 1 && whole[0] == '0') return fail("leading zero");
        if (places.size() != 10) return fail("not exactly ten decimals");
        std::string digits(whole);
        digits += places;
        for (char c : digits)
            if (!IsDigit(c)) return fail("a non-digit");
        const std::size_t first = digits.find_first_not_of('0');
        if (first != std::string::npos) {
            allZero = false;
            significant = int(digits.find_last_not_of('0') - first + 1);
        }
        normal += std::string(whole) + "." + std::string(places);
    } else {
        // Scientific form.
        r.Scientific = true;
        const std::string_view mantissa = text.substr(i, eAt - i);
        const std::string_view exponent = text.substr(eAt + 1);
        if (mantissa.empty() || mantissa[0] < '1' || mantissa[0] > '9')
            return fail("mantissa not starting with 1 to 9");
        significant = 1;
        allZero = false;
        if (mantissa.size() > 1) {
            if (mantissa[1] != separator || mantissa.size() < 3) return fail("bad mantissa");
            const std::string_view rest = mantissa.substr(2);
            for (char c : rest)
                if (!IsDigit(c)) return fail("a non-digit in the mantissa");
            if (rest.back() == '0') return fail("trailing zero in the mantissa");
            significant += int(rest.size());
        }
        if (exponent.empty()) return fail("no exponent");
        for (char c : exponent)
            if (!IsDigit(c)) return fail("exponent not a plain unsigned integer");
        if (exponent.size() > 1 && exponent[0] == '0') return fail("leading zero in the exponent");
        if (exponent.size() > 6 || std::stoi(std::string(exponent)) < 5)
            return fail("exponent below 5 (or absurd)");
        normal += std::string(mantissa.substr(0, 1));
        if (mantissa.size() > 1) normal += "." + std::string(mantissa.substr(2));
        normal += "e" + std::string(exponent);
    }
    if (significant > 5) return fail("more than five significant digits");
    if (negative && allZero) return fail("a minus before zero");
    r.Value = std::strtold(normal.c_str(), nullptr);
    r.Ok = true;
    return r;
}

// The place value of the last digit a result field keeps for x: the fifth
// significant digit, but no finer than the tenth decimal.
inline long double LastKeptUnit(long double x) {
    const long double m = std::fabs(x);
    if (m < 1e-6L) return 1e-10L;
    int e = int(std::floor(std::log10(m)));
    while (std::pow(10.0L, e) > m)
        --e;
    while (std::pow(10.0L, e + 1) <= m)
        ++e;
    return std::pow(10.0L, std::max(-10, e - 4));
}

// A result field's text for x: the grammar, the sign, and a value within half
// a unit of its last kept digit (plus the rounding of x to its shortest
// decimal, which the display starts from).
inline void RequireDisplays(long double x, std::string_view text, char separator,
                            const std::string& context) {
    const Displayed shown = ReadDisplayed(text, separator);
    Require(shown.Ok, context + ": " + shown.Why);
    const long double y = shown.Value;
    if (y != 0) Require((y < 0) == (x < 0), context + ": sign differs in " + Shown(text));
    const long double m = std::fabs(x);
    // One unit in the last place of the double (or, past a double's range,
    // of the extended value) the display starts from.
    long double ulp = 0x1p-1074L;
    if (m > 1.7976931348623157e308L)
        ulp = m * 0x1p-63L;
    else if (m >= 0x1p-1022L)
        ulp = std::ldexp(1.0L, std::ilogb(double(m)) - 52);
    const long double slack = std::fabs(x - y) - 0.5L * LastKeptUnit(x);
    const long double allowed = ulp + LastKeptUnit(x) * 1e-15L + std::fabs(y) * 1e-18L;
    if (!(slack <= allowed)) {
        char buffer[160];
        std::snprintf(buffer, sizeof buffer, "%.21Lg shown as %.21Lg, off by %.6Lg units", x, y,
                      std::fabs(x - y) / LastKeptUnit(x));
        Fail(context + ": " + buffer + " " + Shown(text));
    }
}

} // namespace fuzz
