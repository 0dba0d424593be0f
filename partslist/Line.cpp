#include "partslist/Line.h"

#include "calc/Error.h"
#include "calc/Shapes.h"

namespace partslist {

const char* KindName(Kind kind) {
    return kind == Kind::Object ? "object" : "aperture";
}

bool NamesAType(const Line& line) {
    if (line.Type == "Hexahedron") return true;
    if (line.Kind == Kind::Aperture) return calc::FindApertureType(line.Type) != nullptr;
    return line.Type == "Pipe" || line.Type == SectionType ||
           calc::FindObjectType(line.Type) != nullptr;
}

const catalogue::Section& SectionOf(const Line& line) {
    if (const catalogue::Section* section = catalogue::FindSection(line.Size)) return *section;
    throw calc::Error("'" + line.Size + "' is no standard section");
}

std::optional<catalogue::Profile> ProfileOf(const Line& line) {
    if (line.Kind != Kind::Object) return std::nullopt;
    const calc::ObjectType* type = calc::FindObjectType(line.Type);
    if (!type || type->Profile == calc::NoProfile) return std::nullopt;
    return static_cast<catalogue::Profile>(type->Profile);
}

} // namespace partslist
