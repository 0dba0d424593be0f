#pragma once
// The object and aperture types: names matched exactly and case-sensitively
// in the order given, the picture each shows and the inputs it uses.
#include <array>
#include <optional>
#include <string_view>

namespace calc {

inline constexpr int NoProfile = -1;

struct ObjectType {
    std::string_view Name;
    std::string_view Picture;
    bool RowA, RowB, RowC; // dimension rows shown for a solid
    int Profile;           // index into ProfileMass for a rolled profile, else NoProfile
};

// The items of the object type box, in its order.
inline constexpr std::array<ObjectType, 14> ObjectTypes{{
    {"Parallelepiped", "P001", true, true, true, NoProfile},
    {"Hexahedral Bar", "P203", false, false, false, 0},
    {"I-Beam", "P205", false, false, false, 1},
    {"C channel", "P206", false, false, false, 2},
    {"Lip channel", "P207", false, false, false, 3},
    {"Angle", "P208", false, false, false, 4},
    {"Cylinder", "P002", true, true, false, NoProfile},
    {"Prism1", "P003", true, true, true, NoProfile},
    {"Prism2", "P004", true, true, true, NoProfile},
    {"Sphere", "P005", true, false, false, NoProfile},
    {"Part of sphere", "P006", true, true, false, NoProfile},
    {"Cone", "P007", true, true, false, NoProfile},
    {"Truncated cone", "P008", true, true, true, NoProfile},
    {"Pyramid", "P009", true, true, true, NoProfile},
}};

struct ApertureType {
    std::string_view Name;
    std::string_view Picture;
    bool RowB, RowC; // row a is always shown
};

// The items of the aperture type box, in its order.
inline constexpr std::array<ApertureType, 9> ApertureTypes{{
    {"Parallelepiped", "P101", true, true},
    {"Cylinder", "P102", true, false},
    {"Prism1", "P103", true, true},
    {"Prism2", "P104", true, true},
    {"Sphere", "P105", false, false},
    {"Part of sphere", "P106", true, false},
    {"Cone", "P107", true, false},
    {"Truncated cone", "P108", true, true},
    {"Pyramid", "P109", true, true},
}};

// The item of that exact name, or nullptr ("Pipe" and "Hexahedron" are typed
// only: they have a volume but no item, picture or layout).
const ObjectType* FindObjectType(std::string_view name);
const ApertureType* FindApertureType(std::string_view name);

// The volume rule shared by solids and apertures: a, b, c in millimetres, q
// pieces, the result in cubic metres, evaluated left to right in extended
// precision with the constants as written. Nothing for a name that is no
// solid.
std::optional<long double> SolidVolume(std::string_view name, long double a, long double b,
                                       long double c, long double q);

} // namespace calc
