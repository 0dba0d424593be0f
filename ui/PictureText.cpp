#include "ui/PictureText.h"

namespace ui {
namespace {

struct Entry {
    const char* Name;
    PictureText Text;
};

PictureText solid(const char* shape, const char* a, const char* b = "", const char* c = "") {
    return {QString::fromUtf8(shape), QString::fromUtf8(a), QString::fromUtf8(b),
            QString::fromUtf8(c)};
}

PictureText profile(const char* shape) {
    PictureText text;
    text.Shape = QString::fromUtf8(shape);
    text.Profile = true;
    return text;
}

// The nine solids; an aperture's picture shows the same solid as a hole.
const Entry Solids[] = {
    {"P001", solid("Parallelepiped", "the width", "the height", "the depth")},
    {"P002", solid("Cylinder", "the diameter", "the length")},
    {"P003", solid("Prism1, a prism on a right-angled triangle", "one leg of the triangle",
                   "the other leg", "the length")},
    {"P004", solid("Prism2, a prism on an isosceles triangle", "the base of the triangle",
                   "each of the two equal sides", "the length")},
    {"P005", solid("Sphere", "the diameter")},
    {"P006", solid("Part of sphere", "the radius of the whole sphere, marked R=a",
                   "the height of the cap")},
    {"P007", solid("Cone", "the diameter of the base", "the height")},
    {"P008", solid("Truncated cone", "the diameter of the bottom", "the diameter of the top",
                   "the height")},
    {"P009", solid("Pyramid", "one side of the base", "the other side of the base", "the height")},
};

const Entry Profiles[] = {
    {"P203", profile("Hexagonal bar")}, {"P205", profile("I-beam")}, {"P206", profile("C channel")},
    {"P207", profile("Lip channel")},   {"P208", profile("Angle")},
};

} // namespace

PictureText DescribePicture(const QString& name) {
    // "P1nn" is the hole of the solid "P0nn".
    const bool hole = name.size() == 4 && name.startsWith(QLatin1String("P1"));
    const QString solidName = hole ? QLatin1String("P0") + name.mid(2) : name;
    for (const Entry& e : Solids) {
        if (solidName == QLatin1String(e.Name)) {
            PictureText text = e.Text;
            text.Hole = hole;
            return text;
        }
    }
    for (const Entry& e : Profiles)
        if (name == QLatin1String(e.Name)) return e.Text;
    return {};
}

QString PictureDescription(const PictureText& text) {
    if (text.Shape.isEmpty()) return QStringLiteral("No type chosen yet: the picture is blank.");
    if (text.Profile)
        return text.Shape + QStringLiteral(", a rolled steel profile in perspective. Pick its size "
                                           "in the Size box and type its length.");
    QString out =
        text.Shape + (text.Hole ? QStringLiteral(", cut out as a hole.") : QStringLiteral("."));
    const std::pair<QChar, const QString*> letters[] = {
        {QLatin1Char('a'), &text.A}, {QLatin1Char('b'), &text.B}, {QLatin1Char('c'), &text.C}};
    for (const auto& [letter, meaning] : letters)
        if (!meaning->isEmpty()) out += QStringLiteral(" %1 is %2.").arg(letter, *meaning);
    return out;
}

QString PictureName(const QString& place, const PictureText& text) {
    return place + QStringLiteral(": ") +
           (text.Shape.isEmpty() ? QStringLiteral("none")
                                 : text.Shape.section(QLatin1Char(','), 0, 0));
}

} // namespace ui
