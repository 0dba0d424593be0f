#include "calc/Shapes.h"

#include "calc/Spelling.h"

namespace calc {
namespace {

template <typename Same> const Shape* Find(bool aperture, bool section, Same same) {
    for (const Shape& shape : Shapes)
        if ((aperture ? shape.Aperture : shape.Object) && (section || &shape != &SectionShape()) &&
            same(shape.Name))
            return &shape;
    return nullptr;
}

} // namespace

const Shape* FindShape(std::string_view name, bool aperture) {
    return Find(aperture, false, [&](std::string_view n) { return n == name; });
}

const Shape* ShapeSpelled(std::string_view word, bool aperture) {
    if (const Shape* exact = Find(aperture, true, [&](std::string_view n) { return n == word; }))
        return exact;
    return Find(aperture, true, [&](std::string_view n) { return SameWord(word, n); });
}

const Shape& SectionShape() {
    return Shapes.back();
}

} // namespace calc
