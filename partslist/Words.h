#pragma once
// The spellings a person types, on kubatrix-calc's command line or into a
// parts-list file by hand, read into the names the window uses: any case,
// and a blank, hyphen or underscore may stand for another or be left out
// ("i-beam", "part_of_sphere", "mm"). What the program writes is always the
// window's own name.
#include "partslist/Line.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace partslist {

// Lower case without blanks, hyphens and underscores: "I-Beam", "i beam" and
// "ibeam" are one word.
std::string Folded(std::string_view word);

// Whether a typed word spells a name, as Folded compares them.
bool SameWord(std::string_view typed, std::string_view name);

// The window's name of a type of that kind, "Pipe", "Hexahedron" and, for an
// object, "Section" included.
std::optional<std::string_view> TypeNamed(std::string_view word, Kind kind);

// A word people type for a unit, and the window's name of that unit.
struct Alias {
    std::string_view Word;
    std::string_view Unit;
};

// The unit a word stands for among these, as Folded compares them.
std::optional<std::string_view> Aliased(std::string_view word, std::span<const Alias> aliases);

// The window's length unit for "mm", "meter", "inches", "Centimetre" and the
// like.
std::optional<std::string_view> LengthUnitNamed(std::string_view word);

} // namespace partslist
