#pragma once
// A standard section's cross-section drawn to scale, as the pictures of the
// solids are drawn: a light grey panel, the section in dark teal with a black
// outline, its root, toe and corner radii rounded as rolled or formed. With
// letters, its dimensions (h, b, tw, tf, r; D, t; ...) as thin dimension
// lines with arrows.
//
// Only a painter and a box: the Sections window draws it on screen, the quote
// sheet on its pages.
#include "catalogue/Sections.h"

class QPainter;
class QRectF;

namespace ui {

// Draws the panel filling `box` and the section in it, as large as fits,
// both axes at one scale. `lettered` leaves room round the section for its
// dimension lines and letters; without, the section fills the panel.
void DrawSection(QPainter& painter, const QRectF& box, const catalogue::Section& section,
                 bool lettered);

} // namespace ui
