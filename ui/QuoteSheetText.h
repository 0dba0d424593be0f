#pragma once
// The quote sheet in words: every text its pages show, worked out before any
// of it is placed, so that the columns can be sized to what they hold.
#include "ui/QuoteSheet.h"

#include <QString>
#include <QStringList>

#include <array>
#include <vector>

namespace ui::quote {

enum Column { Number, Picture, Item, Dimensions, Quantity, Volume, Weight, Cost, ColumnCount };

// One line of the list, as its row shows it.
struct Row {
    std::array<QString, ColumnCount> Cells; // the one-line cells; Item is the type
    QString Kind, Size, Material;           // above and below the type in the Part cell
    QStringList Dimensions;                 // "a = 2 centimeter", "Length 6 meter"
    QString Picture;                        // the drawing's name; empty for none
};

struct Text {
    QString Title, Date;
    QString About; // material, density and price, or that each line has its own
    QString Note;  // under the totals, where the weights need a word
    std::vector<Row> Rows;
    std::array<QString, ColumnCount> Totals;
    bool Costed = false;
};

// Throws calc::Error for a total that is no finite number.
Text TextOf(const QuoteSheet& sheet);

} // namespace ui::quote
