#pragma once
// The shapes an Add knows: the items of the two type boxes, the solids that
// are only typed ("Pipe", "Hexahedron"), and a standard section. Names are
// matched exactly and case-sensitively; each shape has its picture, the rows
// a, b, c it reads, and its volume rule.
#include <array>
#include <cmath>
#include <string_view>

namespace calc {

inline constexpr int NoProfile = -1;

// What a volume rule reads: a, b, c in millimetres, the quantity, and a
// standard section's cross-section in square millimetres.
struct Measures {
    long double A, B, C, Q, SectionArea;
};

struct Shape {
    std::string_view Name;
    std::string_view ObjectPicture;   // an item of the object type box; empty for none
    std::string_view AperturePicture; // an item of the aperture type box; empty for none
    std::array<bool, 3> Rows;         // the rows it reads: those its picture shows
    int Profile;                      // a rolled profile's place in ProfileMass, or NoProfile
    bool Object, Aperture;            // what it may be added as
    // Cubic metres, evaluated left to right in extended precision with the
    // constants as written; none for a rolled profile, which has a weight.
    long double (*Volume)(const Measures&);
};

// In the order of the object type box; the aperture box lists those with an
// aperture picture, in the same order.
inline constexpr std::array<Shape, 17> Shapes{{
    {"Parallelepiped", "P001", "P101", {true, true, true}, NoProfile, true, true,
     [](const Measures& m) { return m.A * m.B * m.C * m.Q / 1000000000.0L; }},
    {"Hexahedral Bar", "P203", "", {false, false, true}, 0, true, false, nullptr},
    {"I-Beam", "P205", "", {false, false, true}, 1, true, false, nullptr},
    {"C channel", "P206", "", {false, false, true}, 2, true, false, nullptr},
    {"Lip channel", "P207", "", {false, false, true}, 3, true, false, nullptr},
    {"Angle", "P208", "", {false, false, true}, 4, true, false, nullptr},
    {"Cylinder", "P002", "P102", {true, true, false}, NoProfile, true, true,
     [](const Measures& m) { return 0.7853975L * m.A * m.A * m.B * m.Q / 1000000000.0L; }},
    {"Prism1", "P003", "P103", {true, true, true}, NoProfile, true, true,
     [](const Measures& m) { return 0.5L * m.A * m.B * m.C * m.Q / 1000000000.0L; }},
    // A side shorter than half the base has no triangle: the root of a
    // negative number, reported as an invalid operation.
    {"Prism2", "P004", "P104", {true, true, true}, NoProfile, true, true,
     [](const Measures& m) {
         return std::sqrt(m.B * m.B - m.A * m.A / 4.0L) * (0.5L * m.A) * m.C * m.Q / 1000000000.0L;
     }},
    {"Sphere", "P005", "P105", {true, false, false}, NoProfile, true, true,
     [](const Measures& m) { return 3.14159L * m.A * m.A * m.A * m.Q / 6000000000.0L; }},
    {"Part of sphere", "P006", "P106", {true, true, false}, NoProfile, true, true,
     [](const Measures& m) {
         return 3.14159L * m.B * m.B * (m.A - m.B / 3.0L) * m.Q / 1000000000.0L;
     }},
    {"Cone", "P007", "P107", {true, true, false}, NoProfile, true, true,
     [](const Measures& m) { return 3.14159L * m.A * m.A * m.B / 12.0L * m.Q / 1000000000.0L; }},
    {"Truncated cone", "P008", "P108", {true, true, true}, NoProfile, true, true,
     [](const Measures& m) {
         return (m.A * m.A + m.B * m.B + m.A * m.B) * 3.14159L * m.C * m.Q / 12.0L / 1000000000.0L;
     }},
    {"Pyramid", "P009", "P109", {true, true, true}, NoProfile, true, true,
     [](const Measures& m) { return m.A * m.B * m.C * m.Q / 3.0L / 1000000000.0L; }},
    // Only typed: no item, no picture.
    {"Pipe", "", "", {true, true, true}, NoProfile, true, false,
     [](const Measures& m) {
         return (m.A * m.A - m.B * m.B) * 0.7853975L * m.C * m.Q / 1000000000.0L;
     }},
    {"Hexahedron", "", "", {true, true, false}, NoProfile, true, true,
     [](const Measures& m) { return 0.866L * m.A * m.A * m.B * m.Q / 1000000000.0L; }},
    // A standard section, added from the Sections window by its designation:
    // its cross-section times its length, c.
    {"Section", "", "", {false, false, true}, NoProfile, true, false,
     [](const Measures& m) { return m.SectionArea * m.C * m.Q / 1000000000.0L; }},
}};

// The shape a type box's text names exactly, as an aperture (or as an
// object), or nullptr. A section is none: it comes with its designation.
const Shape* FindShape(std::string_view name, bool aperture);

// The shape a word names in a file or on kubatrix-calc's command line, in
// any case, with blanks, hyphens or underscores ("i-beam", "part_of_sphere"),
// "Section" included.
const Shape* ShapeSpelled(std::string_view word, bool aperture);

// The standard section's shape.
const Shape& SectionShape();

} // namespace calc
