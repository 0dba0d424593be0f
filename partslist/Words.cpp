#include "partslist/Words.h"

#include "calc/Shapes.h"
#include "calc/Units.h"

namespace partslist {
namespace {

constexpr Alias LengthAliases[] = {
    {"mm", "millimeter"},
    {"millimeters", "millimeter"},
    {"millimetre", "millimeter"},
    {"millimetres", "millimeter"},
    {"cm", "centimeter"},
    {"centimeters", "centimeter"},
    {"centimetre", "centimeter"},
    {"centimetres", "centimeter"},
    {"m", "meter"},
    {"meters", "meter"},
    {"metre", "meter"},
    {"metres", "meter"},
    {"in", "inch"},
    {"inches", "inch"},
    {"ft", "foot"},
    {"feet", "foot"},
    {"yd", "yard"},
    {"yards", "yard"},
};

} // namespace

std::string Folded(std::string_view word) {
    std::string out;
    out.reserve(word.size());
    for (const char c : word)
        if (c != ' ' && c != '-' && c != '_') out += c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
    return out;
}

bool SameWord(std::string_view typed, std::string_view name) {
    return Folded(typed) == Folded(name);
}

std::optional<std::string_view> TypeNamed(std::string_view word, Kind kind) {
    const std::string folded = Folded(word);
    const auto named = [&](std::string_view name) { return Folded(name) == folded; };
    if (named("Hexahedron")) return "Hexahedron";
    if (kind == Kind::Aperture) {
        for (const auto& type : calc::ApertureTypes)
            if (named(type.Name)) return type.Name;
        return std::nullopt;
    }
    if (named("Pipe")) return "Pipe";
    if (named(SectionType)) return SectionType;
    for (const auto& type : calc::ObjectTypes)
        if (named(type.Name)) return type.Name;
    return std::nullopt;
}

std::optional<std::string_view> Aliased(std::string_view word, std::span<const Alias> aliases) {
    const std::string folded = Folded(word);
    for (const Alias& alias : aliases)
        if (Folded(alias.Word) == folded) return alias.Unit;
    return std::nullopt;
}

std::optional<std::string_view> LengthUnitNamed(std::string_view word) {
    for (const auto& unit : calc::LengthUnits)
        if (SameWord(word, unit.Name)) return unit.Name;
    return Aliased(word, LengthAliases);
}

} // namespace partslist
