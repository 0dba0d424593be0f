#pragma once
// One line of a parts list: everything one "Add object" or "Add aperture"
// click read, so that replaying the lines in order gives the totals again.
#include "calc/Add.h"
#include "catalogue/ProfileSizeTable.h"
#include "catalogue/Sections.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace partslist {

enum class Kind { Object, Aperture };

struct Line {
    partslist::Kind Kind = partslist::Kind::Object;
    std::string Type;                       // the type box's text
    std::string Size;                       // a profile's size label; empty for a solid
    std::array<calc::DimensionRow, 3> Rows; // a, b, c as typed, with their unit box texts
    int Quantity = 1;
    std::string Material;     // for people; the density decides
    std::int32_t Density = 0; // kilograms per cubic metre, as the click used it
    bool CutByWeight = false; // apertures: the Volume field held the marker

    bool operator==(const Line&) const = default;
};

// The type of a standard section's line; its size is the designation.
inline constexpr std::string_view SectionType = "Section";

// "object" or "aperture", as the file and the tables write it.
const char* KindName(Kind kind);

// Whether the line's type is one its kind can add: an item of the type box,
// or a solid reached by typing its name ("Pipe", "Hexahedron").
bool NamesAType(const Line& line);

// The standard section a line of that type names; throws calc::Error for a
// designation the catalogue does not have.
const catalogue::Section& SectionOf(const Line& line);

// The profile a type of object names, or nothing for a solid.
std::optional<catalogue::Profile> ProfileOf(const Line& line);

} // namespace partslist
