#include "cli/Words.h"

#include "calc/Calculator.h"
#include "calc/Error.h"
#include "calc/ParseNumber.h"
#include "calc/Shapes.h"
#include "calc/Units.h"

#include <charconv>

namespace cli {
namespace {

using partslist::Alias;
using partslist::Aliased;
using partslist::Folded;

constexpr Alias WeightAliases[] = {
    {"g", "gram"},
    {"grams", "gram"},
    {"kg", "kilogram"},
    {"kilograms", "kilogram"},
    {"centners", "centner"},
    {"t", "metric ton"},
    {"tonne", "metric ton"},
    {"tonnes", "metric ton"},
    {"metric tons", "metric ton"},
    {"lb", "pound"},
    {"lbs", "pound"},
    {"pounds", "pound"},
};

// The symbols of the headings, in the order of the window's unit boxes.
constexpr std::string_view VolumeSymbols[] = {"mm3", "cm3", "m3", "in3", "ft3", "yd3"};
constexpr std::string_view WeightSymbols[] = {"g", "kg", "centner", "t", "lb"};

std::string Quoted(std::string_view text) {
    return "'" + std::string(text) + "'";
}

} // namespace

const calc::Material& MaterialNamed(std::string_view word) {
    const std::string folded = Folded(word);
    std::string names;
    for (const calc::Material& m : calc::Materials) {
        // "Copper ( Cu )": the name, and the symbol in its parentheses.
        const std::string_view name = m.Name.substr(0, m.Name.find(" ("));
        std::string_view symbol;
        if (const auto open = m.Name.find("( "); open != std::string_view::npos)
            symbol = m.Name.substr(open + 2, m.Name.find(" )") - open - 2);
        if (Folded(m.Name) == folded || Folded(name) == folded ||
            (!symbol.empty() && Folded(symbol) == folded)) {
            if (!m.Density)
                throw UsageError(Quoted(m.Name) + " names no density; give one with --density");
            return m;
        }
        if (m.Density) names += (names.empty() ? "" : ", ") + Folded(name);
    }
    throw UsageError(Quoted(word) + " is no material: " + names);
}

std::string_view WeightUnitNamed(std::string_view word) {
    for (const std::string_view unit : calc::WeightUnits)
        if (Folded(unit) == Folded(word)) return unit;
    if (const auto unit = Aliased(word, WeightAliases)) return *unit;
    throw UsageError(Quoted(word) +
                     " is no weight unit: gram, kilogram, centner, metric ton or pound");
}

std::string_view VolumeUnitNamed(std::string_view word) {
    if (const auto unit = LengthUnitNamed(word)) return *unit;
    if (word.ends_with('3'))
        if (const auto unit = LengthUnitNamed(word.substr(0, word.size() - 1))) return *unit;
    throw UsageError(Quoted(word) + " is no volume unit: millimeter, centimeter, meter, inch, "
                                    "foot or yard (cubed), or mm3, cm3, m3, in3, ft3, yd3");
}

std::string_view WeightSymbol(std::string_view unit) {
    std::size_t i = 0;
    while (i + 1 < calc::WeightUnits.size() && calc::WeightUnits[i] != unit)
        ++i;
    return WeightSymbols[i];
}

std::string_view VolumeSymbol(std::string_view unit) {
    std::size_t i = 0;
    while (i + 1 < calc::LengthUnits.size() && calc::LengthUnits[i].Name != unit)
        ++i;
    return VolumeSymbols[i];
}

std::optional<calc::DimensionRow> DimensionOf(std::string_view word) {
    // The longest unit the word ends with: "2mm" is in millimetres, not metres.
    calc::DimensionRow row{std::string(word), ""};
    std::size_t longest = 0;
    for (std::size_t n = 1; n < word.size(); ++n)
        if (const auto unit = LengthUnitNamed(word.substr(word.size() - n)); unit && n > longest) {
            longest = n;
            row.Unit = *unit;
        }
    row.Text.resize(word.size() - longest);
    while (!row.Text.empty() && row.Text.back() == ' ')
        row.Text.pop_back();
    try {
        calc::ParseNumber(row.Text);
    } catch (const calc::Error& e) {
        // Too large a number is still a number: the calculation says so.
        if (e.Message() != calc::Overflow) return std::nullopt;
    }
    if (row.Text.empty()) return std::nullopt;
    return row;
}

void RefuseComma(std::string_view text, std::string_view what) {
    if (text.find(',') != std::string_view::npos)
        throw UsageError(std::string(what) + '"' + std::string(text) +
                         "\": use a point for decimals and no thousands separator");
}

std::int32_t DensityOf(std::string_view text) {
    RefuseComma(text, "--density: ");
    try {
        return calc::ReadDensity(text);
    } catch (const calc::Error& e) {
        throw UsageError("--density: " + e.Message());
    }
}

double PriceOf(std::string_view text) {
    RefuseComma(text, "--price-per-kg: ");
    double price = 0.0;
    try {
        price = calc::ParseNumber(text);
    } catch (const calc::Error& e) {
        throw UsageError("--price-per-kg: " + e.Message());
    }
    if (price < 0.0) throw UsageError("--price-per-kg: " + Quoted(text) + " is below zero");
    return price;
}

int QuantityOf(std::string_view text) {
    int quantity = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), quantity);
    if (error != std::errc() || end != text.data() + text.size() || quantity < 1 || quantity > 1000)
        throw UsageError("--quantity: " + Quoted(text) + " is no whole number from 1 to 1000");
    return quantity;
}

} // namespace cli
