#include "calc/Display.h"

#include "calc/Error.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <algorithm>

namespace calc {
namespace {

// d1.d2d3... x 10^exponent, the digits without a leading zero.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

template <typename Float> Decimal shortest(Float x) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific);
    std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    Decimal d;
    if (text.front() == '-') {
        d.negative = true;
        text.remove_prefix(1);
    }
    const std::size_t e = text.find('e');
    for (char c : text.substr(0, e))
        if (c != '.') d.digits += c;
    d.exponent = std::atoi(std::string(text.substr(e + 1)).c_str());
    return d;
}

constexpr int SignificantDigits = 5;
constexpr int Decimals = 10;
constexpr int ScientificFrom = 5; // 100000 and more

void roundHalfAwayFromZero(Decimal& d) {
    const int keep = std::min(SignificantDigits, d.exponent + Decimals + 1);
    if (keep < 0) {
        d.digits.clear();
        return;
    }
    if (static_cast<std::size_t>(keep) >= d.digits.size()) return;
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (!up) return;
    int i = keep - 1;
    for (; i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9'; --i)
        d.digits[static_cast<std::size_t>(i)] = '0';
    if (i >= 0) {
        ++d.digits[static_cast<std::size_t>(i)];
    } else { // carried past the first digit: 99999.7 becomes 1E5
        d.digits.assign(1, '1');
        ++d.exponent;
    }
}

std::string write(Decimal d, char separator) {
    roundHalfAwayFromZero(d);
    while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
    if (d.digits.empty()) return std::string("0") + separator + std::string(Decimals, '0');

    std::string out = d.negative ? "-" : "";
    if (d.exponent >= ScientificFrom) {
        out += d.digits[0];
        if (d.digits.size() > 1) out += separator + d.digits.substr(1);
        return out + "E" + std::to_string(d.exponent);
    }
    const auto digitAt = [&](int index) {
        return index >= 0 && static_cast<std::size_t>(index) < d.digits.size()
                   ? d.digits[static_cast<std::size_t>(index)]
                   : '0';
    };
    if (d.exponent < 0) out += '0';
    for (int i = 0; i <= d.exponent; ++i) out += digitAt(i);
    out += separator;
    for (int place = 1; place <= Decimals; ++place) out += digitAt(d.exponent + place);
    return out;
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
