#include "calc/Display.h"

#include "calc/Error.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace calc {
namespace {

// d1.d2d3... x 10^exponent, the digits without a leading zero. Held in place
// rather than in strings: the display is rewritten on every keystroke in a
// unit box, and this keeps it free of allocations but the result's own.
struct Decimal {
    bool negative = false;
    std::array<char, 48> digits{};
    int count = 0;
    int exponent = 0;
};

// The digits and exponent of the shortest text that reads back as x, from
// to_chars's scientific form "-d.ddde+XX", written straight into the digits
// (the point only with more digits, the exponent always signed).
template <typename Float> Decimal shortest(Float x) {
    Decimal d;
    char* const first = d.digits.data();
    const char* const end =
        std::to_chars(first, first + d.digits.size(), x, std::chars_format::scientific).ptr;
    const char* e = first;
    while (*e != 'e')
        ++e;
    char* digits = first;
    if (*digits == '-') {
        d.negative = true;
        ++digits;
    }
    // "d.ddd" becomes "dddd" at the start.
    const bool point = digits[1] == '.';
    d.count = static_cast<int>(e - digits) - (point ? 1 : 0);
    if (digits != first) std::memmove(first, digits, 1);
    if (point) std::memmove(first + 1, digits + 2, static_cast<std::size_t>(d.count - 1));
    const bool negativeExponent = e[1] == '-';
    for (const char* p = e + 2; p != end; ++p)
        d.exponent = d.exponent * 10 + (*p - '0');
    if (negativeExponent) d.exponent = -d.exponent;
    return d;
}

constexpr int SignificantDigits = 5;
constexpr int Decimals = 10;
constexpr int ScientificFrom = 5; // 100000 and more

void roundHalfAwayFromZero(Decimal& d) {
    const int keep = std::min(SignificantDigits, d.exponent + Decimals + 1);
    if (keep < 0) {
        d.count = 0;
        return;
    }
    if (keep >= d.count) return;
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.count = keep;
    if (!up) return;
    int i = keep - 1;
    for (; i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9'; --i)
        d.digits[static_cast<std::size_t>(i)] = '0';
    if (i >= 0) {
        ++d.digits[static_cast<std::size_t>(i)];
    } else { // carried past the first digit: 99999.7 becomes 1E5
        d.digits[0] = '1';
        d.count = 1;
        ++d.exponent;
    }
}

std::string write(Decimal d, char separator) {
    roundHalfAwayFromZero(d);
    while (d.count > 0 && d.digits[static_cast<std::size_t>(d.count - 1)] == '0')
        --d.count;

    // At most "-12345." and ten places, or "-1.2345E" and an exponent.
    std::array<char, 40> out;
    std::size_t n = 0;
    const auto put = [&](char c) { out[n++] = c; };
    const auto digitAt = [&](int index) {
        return index >= 0 && index < d.count ? d.digits[static_cast<std::size_t>(index)] : '0';
    };
    if (d.count == 0) {
        d.exponent = 0; // zero: no sign, ten decimals
        d.negative = false;
        put('0');
    } else if (d.negative) {
        put('-');
    }
    if (d.count > 0 && d.exponent >= ScientificFrom) {
        put(d.digits[0]);
        if (d.count > 1) {
            put(separator);
            for (int i = 1; i < d.count; ++i)
                put(d.digits[static_cast<std::size_t>(i)]);
        }
        put('E');
        n = static_cast<std::size_t>(
            std::to_chars(out.data() + n, out.data() + out.size(), d.exponent).ptr - out.data());
        return std::string(out.data(), n);
    }
    if (d.count > 0) {
        if (d.exponent < 0) put('0');
        for (int i = 0; i <= d.exponent; ++i)
            put(digitAt(i));
    }
    put(separator);
    for (int place = 1; place <= Decimals; ++place)
        put(d.count > 0 ? digitAt(d.exponent + place) : '0');
    return std::string(out.data(), n);
}

} // namespace

std::string FormatTotal(double x, char separator) {
    // Totals are checked where they are computed; this only keeps a slip from
    // ever showing "inf".
    if (!std::isfinite(x)) throw Error(Overflow);
    if (x == 0.0) return write(Decimal{}, separator);
    return write(shortest(x), separator);
}

std::string FormatTotal(long double x, char separator) {
    if (!std::isfinite(x)) throw Error(Overflow);
    if (std::fabs(x) <= DBL_MAX) return FormatTotal(static_cast<double>(x), separator);
    return write(shortest(x), separator);
}

} // namespace calc
