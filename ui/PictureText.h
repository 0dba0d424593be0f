#pragma once
// The shape pictures in words, for screen readers and other assistive tools:
// which shape a picture shows and what its letters a, b and c stand for.
// Looked up by the picture's name, as the pictures themselves are.
#include <QString>

namespace ui {

struct PictureText {
    QString Shape;        // "Cylinder"; empty for the blank panel
    QString A, B, C;      // what each letter stands for; empty when the picture has no such letter
    bool Hole = false;    // an aperture's picture
    bool Profile = false; // a rolled profile, chosen by size rather than by letters
};

// The words for the picture of that name ("P002", "P102", "ZERO"). A name
// without a drawing gives the blank panel's, as ShapePicture does.
PictureText DescribePicture(const QString& name);

// One sentence or two that say what the picture shows, for the picture's
// accessible description.
QString PictureDescription(const PictureText& text);

// The picture box's accessible name: its place ("Object picture") and the shape.
QString PictureName(const QString& place, const PictureText& text);

} // namespace ui
