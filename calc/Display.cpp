#include "calc/Display.h"

#include "calc/Error.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <string_view>

namespace calc {
namespace {

// d1.d2d3... x 10^Exponent, the digits without a leading zero.
struct Decimal {
    bool Negative = false;
    std::string Digits;
    int Exponent = 0;
};

// The digits and exponent of the shortest text that reads back as x, from
// to_chars's scientific form "-d.ddde+XX".
template <typename Float> Decimal Shortest(Float x) {
    char text[64];
    const std::string_view written(
        text, std::size_t(std::to_chars(text, text + sizeof text, x, std::chars_format::scientific).ptr - text));
    const std::size_t e = written.find('e');
    Decimal d;
    d.Negative = written.front() == '-';
    for (const char c : written.substr(0, e))
        if (c >= '0' && c <= '9') d.Digits += c;
    const std::string_view exponent = written.substr(e + (written[e + 1] == '+' ? 2 : 1));
    std::from_chars(exponent.data(), exponent.data() + exponent.size(), d.Exponent);
    return d;
}

constexpr int SignificantDigits = 5;
constexpr int Decimals = 10;
constexpr int ScientificFrom = 5; // 100000 and more

// Half away from zero, to five significant digits and no more than ten
// decimals, whichever keeps fewer; trailing zeros dropped.
void Round(Decimal& d) {
    const int keep = std::min(SignificantDigits, d.Exponent + Decimals + 1);
    if (keep < 0) d.Digits.clear();
    if (keep >= 0 && keep < int(d.Digits.size())) {
        const bool up = d.Digits[std::size_t(keep)] >= '5';
        d.Digits.resize(std::size_t(keep));
        int i = keep - 1;
        for (; up && i >= 0 && d.Digits[std::size_t(i)] == '9'; --i)
            d.Digits[std::size_t(i)] = '0';
        if (up && i >= 0) ++d.Digits[std::size_t(i)];
        if (up && i < 0) { // carried past the first digit: 99999.7 becomes 1E5
            d.Digits.assign(1, '1'); // not = "1", which GCC 12 at -O3 takes for an overlapping copy
            ++d.Exponent;
        }
    }
    while (!d.Digits.empty() && d.Digits.back() == '0')
        d.Digits.pop_back();
}

std::string Write(Decimal d, char separator) {
    Round(d);
    std::string out;
    if (d.Digits.empty()) return out.append(1, '0').append(1, separator).append(Decimals, '0');
    if (d.Negative) out += '-';
    if (d.Exponent >= ScientificFrom) {
        out += d.Digits.front();
        if (d.Digits.size() > 1) out.append(1, separator).append(d.Digits, 1);
        return out.append(1, 'E').append(std::to_string(d.Exponent));
    }
    const auto digitAt = [&](int index) {
        return index >= 0 && index < int(d.Digits.size()) ? d.Digits[std::size_t(index)] : '0';
    };
    if (d.Exponent < 0) out += '0';
    for (int i = 0; i <= d.Exponent; ++i)
        out += digitAt(i);
    out += separator;
    for (int place = 1; place <= Decimals; ++place)
        out += digitAt(d.Exponent + place);
    return out;
}

} // namespace

std::string FormatTotal(long double x, char separator) {
    // Totals are checked where they are computed; this only keeps a slip from
    // ever showing "inf".
    if (!std::isfinite(x)) throw Error(Overflow);
    if (std::fabs(x) > DBL_MAX) return Write(Shortest(x), separator);
    const auto stored = static_cast<double>(x);
    return Write(stored == 0.0 ? Decimal{} : Shortest(stored), separator);
}

} // namespace calc
