#pragma once
// The quote sheet: a parts list laid out as printed pages, the same pages for
// a saved PDF and for the printer. Every line gets its shape's drawing, drawn
// as vectors so that it stays sharp at any resolution, its dimensions and
// what it adds; the totals close the list. A list that runs long goes on to
// further pages, the column heads repeated on each.
#include "partslist/Line.h"
#include "partslist/Replay.h"

#include <QChar>
#include <QDate>
#include <QPageSize>
#include <QString>

#include <optional>
#include <vector>

class QLocale;
class QPagedPaintDevice;

namespace ui {

struct QuoteSheet {
    QString Title; // "Parts list" or the file's name
    QDate Date;
    std::vector<partslist::Line> Lines;
    partslist::Replay Totals;           // the replay of Lines
    std::optional<double> PricePerKg;   // none: no cost column
    QChar Separator = QLatin1Char('.'); // the user's decimal separator
};

// Letter where that is the paper in the shops (the Americas' Letter
// countries, the Philippines), A4 everywhere else.
QPageSize QuotePageSize(const QLocale& locale);

// Draws every page on the device (a QPdfWriter or a QPrinter), whose page
// size and margins are already set. Returns what went wrong, in words for the
// user, or an empty text; throws nothing.
QString PaintQuoteSheet(QPagedPaintDevice& device, const QuoteSheet& sheet);

// Writes the sheet as a PDF at `path`, on the system locale's paper, replacing
// the file only once every page is written. Returns what went wrong, in words
// for the user, or an empty text; throws nothing.
QString SaveQuoteSheetPdf(const QString& path, const QuoteSheet& sheet);

} // namespace ui
