#pragma once
// The cut sheet: what the saw needs, a group of the cut list at a time, each
// group on pages of its own. At the top the group, the saw's settings, the
// bars to buy and the remnants; then a line per bar pattern with a box to
// tick at the saw, how many bars are cut alike and from which stock length,
// the bar drawn to scale and its cuts in order with their parts-list lines.
#include "ui/CutListGroup.h"

#include <QDate>
#include <QPageLayout>
#include <QString>

#include <vector>

class QPrinter;

namespace ui {

struct CutSheet {
    QString Title; // the list's file name, or "Parts list"
    QDate Date;
    std::vector<CutListGroup> Groups; // those solved
};

// Writes the PDF at `path` on QuotePageSize()'s paper, or on `layout` where
// given. The file is replaced only once the whole PDF is written; otherwise
// it stays as it was. Returns what went wrong, in words for the user, or
// nothing. Throws nothing.
QString SaveCutSheetPdf(const QString& path, const CutSheet& sheet,
                        const std::optional<QPageLayout>& layout = {});

// Prints it; where the print dialog chose "Print to File", the PDF is saved
// as SaveCutSheetPdf saves it. Throws nothing.
QString PrintCutSheet(QPrinter& printer, const CutSheet& sheet);

} // namespace ui
