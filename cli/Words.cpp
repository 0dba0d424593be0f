#include "cli/Words.h"

#include "calc/Error.h"
#include "calc/ParseNumber.h"
#include "calc/ReadPart.h"
#include "calc/Spelling.h"
#include "catalogue/MaterialLibrary.h"
#include "catalogue/Text.h"

#include <charconv>

namespace cli {
namespace {

// A word as a message quotes it, escaped as a file's text is.
std::string Quoted(std::string_view text) {
    return "'" + catalogue::Printable(text) + "'";
}

} // namespace

NamedMaterial MaterialNamed(std::string_view word) {
    for (const calc::Material& m : calc::Materials) {
        // "Copper ( Cu )": the name, and the symbol in its parentheses.
        const std::string_view name = m.Name.substr(0, m.Name.find(" ("));
        std::string_view symbol;
        if (const auto open = m.Name.find("( "); open != std::string_view::npos)
            symbol = m.Name.substr(open + 2, m.Name.find(" )") - open - 2);
        if (calc::SameWord(word, m.Name) || calc::SameWord(word, name) ||
            (!symbol.empty() && calc::SameWord(word, symbol))) {
            if (!m.Density)
                throw UsageError(Quoted(m.Name) + " names no density; give one with --density");
            return {std::string(m.Name), *m.Density};
        }
    }
    try {
        const catalogue::PricedMaterial m = catalogue::FindMaterial(word);
        return {std::string(m.Name), m.Density};
    } catch (const calc::Error& e) {
        throw UsageError("--material: " + e.Message() + " (kubatrix-calc --materials lists them)");
    }
}

const calc::WeightUnit& WeightUnitNamed(std::string_view word) {
    if (const calc::WeightUnit* unit = calc::WeightUnitSpelled(word)) return *unit;
    throw UsageError(Quoted(word) +
                     " is no weight unit: gram, kilogram, centner, metric ton or pound");
}

const calc::LengthUnit& VolumeUnitNamed(std::string_view word) {
    if (const calc::LengthUnit* unit = calc::LengthUnitSpelled(word)) return *unit;
    if (word.ends_with('3'))
        if (const calc::LengthUnit* unit = calc::LengthUnitSpelled(word.substr(0, word.size() - 1)))
            return *unit;
    throw UsageError(Quoted(word) + " is no volume unit: millimeter, centimeter, meter, inch, "
                                    "foot or yard (cubed), or mm3, cm3, m3, in3, ft3, yd3");
}

std::optional<Dimension> DimensionOf(std::string_view word) {
    // The longest unit the word ends with: "2mm" is in millimetres, not metres.
    Dimension row{std::string(word), nullptr};
    std::size_t longest = 0;
    for (std::size_t n = 1; n < word.size(); ++n)
        if (const calc::LengthUnit* unit = calc::LengthUnitSpelled(word.substr(word.size() - n)))
            longest = n, row.Unit = unit;
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

std::string Joined(std::span<const std::string> words) {
    std::string out;
    for (const std::string& word : words)
        out += (out.empty() ? "" : " ") + word;
    return out;
}

void RefuseComma(std::string_view text, std::string_view what) {
    if (text.find(',') != std::string_view::npos)
        throw UsageError(std::string(what) + '"' + catalogue::Printable(text) +
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

// An empty price is none given, not a price of nothing: the window's rule
// that an empty field reads as 0 would cost a whole list at 0.
double PriceOf(std::string_view text) {
    if (text.find_first_not_of(' ') == std::string_view::npos)
        throw UsageError("--price-per-kg: give a price, such as 2.5");
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
