#pragma once
// The quote sheet: a parts list laid out as printed pages, the same pages for
// a saved PDF and for the printer. Every line gets its shape's drawing, its
// dimensions and what it adds; the totals close the list. A list that runs
// long goes on to further pages, the column heads repeated on each.
//
// Drawing a long list takes a while (some 8 s for 100 000 lines), so
// the functions that draw it report their progress page by page and stop
// when told to; a stopped or failed PDF leaves the file as it was.
#include "partslist/Line.h"
#include "partslist/Replay.h"

#include <QChar>
#include <QDate>
#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

class QLocale;
class QPrinter;

namespace ui {

struct QuoteSheet {
    QString Title; // shown as given: "Parts list" or the file's name
    QDate Date;
    std::vector<partslist::Line> Lines;
    partslist::Replay Totals;           // the replay of Lines
    std::optional<double> PricePerKg;   // none: no cost column
    QChar Separator = QLatin1Char('.'); // the user's decimal separator
    // The lines cut from stock priced by the bars a cut list bought rather
    // than by weight: per line (parallel to Lines) its share of the bars'
    // cost in cents, none for a line priced by weight. Empty: all by weight.
    std::vector<std::optional<long long>> BarCostCents = {};
};

// Told that `done` of `total` pages are drawn: every thousand rows while the
// rows are read and measured (done 0; total 0 until the pages are counted),
// then after each page. Returns false to stop. An empty function: no
// progress, no stopping.
using Progress = std::function<bool(int done, int total)>;

// How drawing the sheet ended. Done: Error is empty and Cancelled false.
// Cancelled: the progress function said stop; nothing is written and there
// is nothing to tell the user. Otherwise Error says what went wrong, in
// words for the user. Taken as a text it is that error, empty for a cancel
// too, so `if (!error.isEmpty()) ShowError(...)` shows no box for one.
struct QuoteOutcome {
    bool Cancelled = false;
    QString Error;

    operator QString() const { return Error; }
};

// Letter where that is the paper in the shops (the Americas' Letter
// countries, the Philippines), A4 everywhere else.
QPageSize QuotePageSize(const QLocale& locale);

// The locale whose country decides the paper: as the C library takes the
// paper's locale, LC_ALL, else LC_PAPER, else LANG, the first one set and
// not empty ("en_US.UTF-8"); the system's locale when none is.
QLocale PaperLocale(const QString& lcAll, const QString& lcPaper, const QString& lang);

// QuotePageSize of PaperLocale of this process's environment.
QPageSize QuotePageSize();

// QuotePageSize()'s paper upright, with margins of 15 mm: the PDF's pages,
// and those the printer is offered, so that both have the same pages.
QPageLayout QuotePageLayout();

// The pages to draw, from 1: First to Last; 0 for the last page there is.
struct PageRange {
    int First = 1, Last = 0;
};

// Writes the sheet as a PDF at `path`, on QuotePageLayout(). The file
// is replaced only once every page is written and the writing succeeded;
// otherwise, or when cancelled, the old file stays as it was and Error gives
// the system's reason ("No space left on device"). Throws nothing.
QuoteOutcome SaveQuoteSheetPdf(const QString& path, const QuoteSheet& sheet,
                               const Progress& progress = {});

// Prints the sheet: the pages of the printer's range (fromPage to toPage)
// where the print dialog chose one, else all; a range past the last page is
// an error, and nothing is printed. Where the dialog chose "Print to File",
// the PDF is written as SaveQuoteSheetPdf writes it, on the printer's page
// layout, so that a failure leaves the old file whole; otherwise the pages
// go to the printer. Throws nothing.
QuoteOutcome PrintQuoteSheet(QPrinter& printer, const QuoteSheet& sheet,
                             const Progress& progress = {});

} // namespace ui
