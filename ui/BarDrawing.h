#pragma once
// A stock bar drawn to scale as the plan cuts it, on the screen and on the
// cut sheet alike: the trims grey, each piece a white box with its line and
// length, the kerfs between them, the offcut hatched (a remnant kept in
// teal, scrap in grey).
#include "cutlist/Cutlist.h"

#include <QFont>
#include <QRectF>

class QPainter;

namespace ui {

// `strip` holds the whole stock length, left to right, in the painter's
// coordinates; `font` labels the pieces, where they have room for it.
void DrawBar(QPainter& painter, const QRectF& strip, const cutlist::Pattern& pattern,
             const cutlist::Job& job, const QFont& font);

// "L4 3961" on a piece: its parts-list line and its length in mm.
QString PieceLabel(int line, cutlist::Tenths length);

} // namespace ui
