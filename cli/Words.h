#pragma once
// The words a person types on the command line, read into the names the
// window uses: types, materials, units and dimensions such as "2cm". Case
// does not matter, and a hyphen or an underscore stands for a blank
// ("i-beam", "part_of_sphere").
#include "calc/Add.h"
#include "calc/Materials.h"
#include "partslist/Line.h"
#include "partslist/Words.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace cli {

// A command line that cannot be carried out as written: exit status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Types and length units are spelt as in a parts-list file: its reader
// shares these (partslist/Words.h).
using partslist::LengthUnitNamed;
using partslist::SameWord;
using partslist::TypeNamed;

// The window's material: its whole name, the name without the chemical
// symbol ("copper") or the symbol alone ("cu"). Throws for "Other", which has
// no density.
const calc::Material& MaterialNamed(std::string_view word);

// The window's units of the result fields; the volume unit also as "cm3".
std::string_view WeightUnitNamed(std::string_view word);
std::string_view VolumeUnitNamed(std::string_view word);

// The short symbol of a window's unit, "kg" or "m3", for column headings.
std::string_view WeightSymbol(std::string_view unit);
std::string_view VolumeSymbol(std::string_view unit);

// "2cm", "1.5m", "300": the number as typed and the window's name of the unit
// written after it, empty when none is. Nothing when the word is no number.
std::optional<calc::DimensionRow> DimensionOf(std::string_view word);

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
