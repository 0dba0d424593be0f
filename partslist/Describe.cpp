#include "partslist/Describe.h"

#include <charconv>
#include <cmath>

namespace partslist {

std::string TypeAndSize(const Line& line) {
    return line.Size.empty() ? line.Type : line.Type + " " + line.Size;
}

std::string Dimension(const calc::DimensionRow& row) {
    return row.Text.empty() ? std::string() : row.Text + " " + row.Unit;
}

std::string Cost(double kilograms, double pricePerKg, char separator) {
    const long double cents = std::round(static_cast<long double>(kilograms) * pricePerKg * 100.0L);
    // Room for every digit of the largest long double.
    static thread_local char digits[5000];
    const auto written = std::to_chars(digits, digits + sizeof digits, cents / 100.0L,
                                       std::chars_format::fixed, 2);
    std::string out(digits, written.ptr);
    if (const auto point = out.find('.'); point != std::string::npos) out[point] = separator;
    if (out == "-0" + std::string(1, separator) + "00") out.erase(0, 1);
    return out;
}

} // namespace partslist
