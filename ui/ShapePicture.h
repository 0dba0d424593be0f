#pragma once
// Pictures are SVG sources built into the program (":/pictures/<name>.svg"),
// read once and rendered once per name and pixel ratio, so that switching
// types stays instant.
#include <QPixmap>
#include <QString>

namespace ui {

inline constexpr int PictureWidth = 260;
inline constexpr int PictureHeight = 170;

// The picture of that name, PictureWidth x PictureHeight logical pixels at the
// given device pixel ratio (a ratio of 0 or less counts as 1). A name without
// a drawing gives the blank "ZERO".
QPixmap ShapePicture(const QString& name, qreal devicePixelRatio = 1.0);

// Whether a drawing of that name is built into the program.
bool HasShapePicture(const QString& name);

// Reads every drawing and draws one with letters where nobody sees it, so
// that the first picture a user picks needs only drawing. Meant for when the
// window is idle; only the first call does anything.
void PrepareShapePictures();

} // namespace ui
