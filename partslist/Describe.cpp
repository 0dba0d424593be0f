#include "partslist/Describe.h"

#include "calc/Units.h"

#include <charconv>
#include <cmath>

namespace partslist {

std::string TypeAndSize(const Line& line) {
    return line.Size.empty() ? line.Type : line.Type + " " + line.Size;
}

std::string Dimension(const calc::DimensionRow& row) {
    return row.Text.empty() ? std::string() : row.Text + " " + row.Unit;
}

std::string ShortDimension(const calc::DimensionRow& row) {
    for (const calc::NamedUnit& unit : calc::LengthUnits)
        if (unit.Name == row.Unit && !row.Text.empty()) return row.Text + " " + std::string(unit.Symbol);
    return Dimension(row);
}

std::string Cost(double kilograms, double pricePerKg, char separator) {
    const long double cents = std::round(static_cast<long double>(kilograms) * pricePerKg * 100.0L);
    std::string out;
    if (std::fabs(cents) < 1e18L) {
        // Whole cents as an integer: the common case, and quick.
        const auto whole = static_cast<long long>(cents);
        const unsigned long long size = whole < 0 ? 0ull - static_cast<unsigned long long>(whole)
                                                  : static_cast<unsigned long long>(whole);
        if (whole < 0) out += '-';
        out += std::to_string(size / 100);
        out += separator;
        out += char('0' + size % 100 / 10);
        out += char('0' + size % 10);
        return out;
    }
    // Room for every digit of the largest long double.
    static thread_local char digits[5000];
    const auto written =
        std::to_chars(digits, digits + sizeof digits, cents / 100.0L, std::chars_format::fixed, 2);
    out.assign(digits, written.ptr);
    if (const auto point = out.find('.'); point != std::string::npos) out[point] = separator;
    return out;
}

} // namespace partslist
