#pragma once
// The quote sheet in words: every text its pages show, worked out before any
// of it is placed, so that the columns can be sized to what they hold.
#include "ui/QuoteSheet.h"

#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <vector>

namespace ui::quote {

enum Column {
    Number,
    Picture,
    Item,
    Dimensions,
    Quantity,
    Density,
    Volume,
    Weight,
    Cost,
    ColumnCount
};

// One line of the list, as its row shows it.
struct Row {
    std::array<QString, ColumnCount> Cells; // the one-line cells; Item is the type
    QString Kind, Size, Material;           // above and below the type in the Part cell
    QStringList Dimensions;                 // "a = 2 centimeter", "Length 6 meter"
    QString Picture;                        // the drawing's name; empty for none
    QString Section; // a standard section's designation: its cross-section is the drawing
};

struct Text {
    QString Title, Date;
    QString About; // material, density and price, or that each line has its own
    QString Note;  // under the totals, where the weights need a word
    std::vector<Row> Rows;
    std::array<QString, ColumnCount> Totals;
    bool Costed = false;
    bool Densities = false; // the rows are weighed at more than one density: a column shows each
};

// Throws calc::Error for a total that is no finite number. Asks `goOn`
// every thousand rows, and stops short where it says stop.
Text TextOf(const QuoteSheet& sheet, const std::function<bool()>& goOn = {});

// A volume or a weight as people write it on paper: rounded to five
// significant digits as the result fields round it, without their padding
// zeros ("47.244", "0.006", "1067.3"); from 100000 on, whole ("123457"), and
// past 15 digits the result fields' scientific form ("2.5E20").
QString Figure(double x, char separator);

} // namespace ui::quote
