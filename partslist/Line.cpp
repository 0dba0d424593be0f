#include "partslist/Line.h"

namespace partslist {

const char* KindName(Kind kind) {
    return kind == Kind::Object ? "object" : "aperture";
}

std::string_view TypeName(const Line& line) {
    return line.Type ? line.Type->Name : std::string_view();
}

bool IsSection(const Line& line) {
    return line.Type == &calc::SectionShape();
}

std::optional<catalogue::Profile> ProfileOf(const Line& line) {
    if (!line.Type || line.Type->Profile == calc::NoProfile) return std::nullopt;
    return static_cast<catalogue::Profile>(line.Type->Profile);
}

bool SetSize(Line& line, std::string_view size) {
    if (IsSection(line)) {
        const catalogue::Section* section = catalogue::FindSection(size);
        if (!section) return false;
        line.Size = section->Designation;
        line.SectionArea = catalogue::CrossSectionMm2(*section);
    } else if (const auto profile = ProfileOf(line)) {
        const auto mass = catalogue::SelectSize(catalogue::SizeTable(*profile), size);
        if (!mass && !size.empty()) return false;
        line.Size = size;
        line.ProfileMass = mass.value_or(0.0);
    } else if (!size.empty()) {
        return false;
    } else {
        line.Size.clear();
    }
    return true;
}

} // namespace partslist
