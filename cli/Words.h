#pragma once
// The words a person types on the command line, read into the names the
// window uses: materials, units and dimensions such as "2cm". Case does not
// matter, and a hyphen or an underscore stands for a blank ("i-beam",
// "part_of_sphere"); types and length units are spelt as in a parts-list file
// (calc/Spelling.h, calc/Units.h).
#include "calc/Materials.h"
#include "calc/Units.h"

#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace cli {

// A command line that cannot be carried out as written: exit status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A material and its density, by a word: one of the material box's, by its
// whole name, the name without the chemical symbol ("copper") or the symbol
// alone ("cu"); otherwise one of the materials library's, by its name,
// designation or a common name ("S355", "304", "6082"). Throws for "Other",
// which has no density, and for a word no material, or several, have.
struct NamedMaterial {
    std::string Name;
    std::int32_t Density;
};
NamedMaterial MaterialNamed(std::string_view word);

// The window's units of the result fields; the volume unit also as "cm3".
const calc::WeightUnit& WeightUnitNamed(std::string_view word);
const calc::LengthUnit& VolumeUnitNamed(std::string_view word);

// "2cm", "1.5m", "300": the number as typed and the unit written after it,
// none when none is. Nothing when the word is no number.
struct Dimension {
    std::string Text;
    const calc::LengthUnit* Unit = nullptr;
};
std::optional<Dimension> DimensionOf(std::string_view word);

// The words with a blank between each two, as a search reads them.
std::string Joined(std::span<const std::string> words);

// A number on the command line is written as in a parts-list file, with a
// point: the window's typing rule also takes a comma for one, which would
// read "1,000" as 1. Throws UsageError, after `what` ("--density: "), for a
// text with a comma.
void RefuseComma(std::string_view text, std::string_view what = "");

// The density as the window's density field reads it, truncated toward zero.
std::int32_t DensityOf(std::string_view text);
double PriceOf(std::string_view text);
int QuantityOf(std::string_view text);

} // namespace cli
