#include "calc/Shapes.h"

#include <cmath>

namespace calc {

const ObjectType* FindObjectType(std::string_view name) {
    for (const auto& t : ObjectTypes)
        if (t.Name == name) return &t;
    return nullptr;
}

const ApertureType* FindApertureType(std::string_view name) {
    for (const auto& t : ApertureTypes)
        if (t.Name == name) return &t;
    return nullptr;
}

std::optional<long double> SolidVolume(std::string_view name, long double a, long double b,
                                       long double c, long double q) {
    if (name == "Parallelepiped") return a * b * c * q / 1000000000.0L;
    if (name == "Cylinder") return 0.7853975L * a * a * b * q / 1000000000.0L;
    if (name == "Pipe") return (a * a - b * b) * 0.7853975L * c * q / 1000000000.0L;
    if (name == "Prism1") return 0.5L * a * b * c * q / 1000000000.0L;
    // A side shorter than half the base has no triangle: the root of a
    // negative number, reported as an invalid operation.
    if (name == "Prism2") return std::sqrt(b * b - a * a / 4.0L) * (0.5L * a) * c * q / 1000000000.0L;
    if (name == "Hexahedron") return 0.866L * a * a * b * q / 1000000000.0L;
    if (name == "Sphere") return 3.14159L * a * a * a * q / 6000000000.0L;
    if (name == "Part of sphere") return 3.14159L * b * b * (a - b / 3.0L) * q / 1000000000.0L;
    if (name == "Cone") return 3.14159L * a * a * b / 12.0L * q / 1000000000.0L;
    if (name == "Truncated cone")
        return (a * a + b * b + a * b) * 3.14159L * c * q / 12.0L / 1000000000.0L;
    if (name == "Pyramid") return a * b * c * q / 3.0L / 1000000000.0L;
    return std::nullopt;
}

} // namespace calc
