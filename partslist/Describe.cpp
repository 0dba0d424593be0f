#include "partslist/Describe.h"

#include "partslist/PartsFile.h"

#include <algorithm>
#include <cmath>

namespace partslist {

std::string TypeAndSize(const Line& line) {
    std::string out(TypeName(line));
    if (!line.Size.empty()) out += " " + line.Size;
    return out;
}

std::string Dimension(const calc::Length& row, char separator) {
    return row.Unit ? ExactNumber(row.Value, separator) + " " + std::string(row.Unit->Name)
                    : std::string();
}

std::string ShortDimension(const calc::Length& row, char separator) {
    return row.Unit ? ExactNumber(row.Value, separator) + " " + std::string(row.Unit->Symbol)
                    : std::string();
}

constexpr long long CentsLimit = 1'000'000'000'000'000; // 15 digits

std::optional<long long> CostCents(double kilograms, double pricePerKg) {
    const long double cents = std::round(static_cast<long double>(kilograms) * pricePerKg * 100.0L);
    if (!(std::fabs(cents) < CentsLimit)) return std::nullopt; // NaN too
    return static_cast<long long>(cents);
}

std::optional<double> PriceOf(const LineResult& line, std::optional<double> listPrice) {
    return line.PricePerKg ? line.PricePerKg : listPrice;
}

bool Costed(std::span<const LineResult> lines, std::optional<double> listPrice) {
    return listPrice || std::ranges::any_of(lines, [](const LineResult& line) {
               return line.PricePerKg.has_value();
           });
}

std::optional<long long> CostCents(const LineResult& line, std::optional<double> listPrice) {
    const auto price = PriceOf(line, listPrice);
    return price ? CostCents(line.Weight, *price) : std::nullopt;
}

std::optional<long long> TotalCostCents(std::span<const LineResult> lines,
                                        std::optional<double> listPrice) {
    long long total = 0;
    for (const LineResult& line : lines) {
        if (!PriceOf(line, listPrice)) continue;
        const auto cents = CostCents(line, listPrice);
        if (!cents) return std::nullopt;
        total += *cents; // both under 10^15: no overflow
        if (std::llabs(total) >= CentsLimit) return std::nullopt;
    }
    return total;
}

std::string CentsText(std::optional<long long> cents, char separator) {
    if (!cents) return "—";
    const unsigned long long size = *cents < 0 ? 0ull - static_cast<unsigned long long>(*cents)
                                               : static_cast<unsigned long long>(*cents);
    std::string out = *cents < 0 ? "-" : "";
    out += std::to_string(size / 100);
    out += separator;
    out += char('0' + size % 100 / 10);
    out += char('0' + size % 10);
    return out;
}

std::string Cost(const LineResult& line, std::optional<double> listPrice, char separator) {
    return PriceOf(line, listPrice) ? CentsText(CostCents(line, listPrice), separator)
                                    : std::string();
}

} // namespace partslist
