#pragma once
// One line of a parts list: what one "Add object" or "Add aperture" click
// read, as its typed part, so that replaying the lines in order gives the
// totals again, and the names people see with it.
#include "calc/Part.h"
#include "catalogue/ProfileSizeTable.h"
#include "catalogue/Sections.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace partslist {

using calc::Kind;

// Every line has a type: a click on a text that names none adds no line.
struct Line : calc::Part {
    std::string Size;     // a profile's size label or a section's designation; empty for a solid
    std::string Material; // the material box's text, for people; the density decides
    // The price of a kilogram of its material, where the material has its
    // own; none: the list's one price.
    std::optional<double> PricePerKg;
    // The cells of the columns of its file that this program does not know,
    // in their order, to write them back; none for a line added here.
    std::vector<std::string> Kept;

    bool operator==(const Line&) const = default;
};

// "object" or "aperture", as the file and the tables write it.
const char* KindName(Kind kind);

// The type as the type box names it: "Cylinder", "I-Beam", "Section".
std::string_view TypeName(const Line& line);

// Whether the line is a standard section's: its size is the designation.
bool IsSection(const Line& line);

// The profile a line is of, or nothing for a solid or a section.
std::optional<catalogue::Profile> ProfileOf(const Line& line);

// Gives the line its size: a profile's size label with its linear mass, or
// a standard section's designation (as the catalogue writes it) with its
// cross-section. An empty label is a profile whose size was never chosen,
// which weighs nothing; a solid has no size. False, and the line as it was,
// for a size its type does not have.
bool SetSize(Line& line, std::string_view size);

} // namespace partslist
