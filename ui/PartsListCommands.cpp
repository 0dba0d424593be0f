// The list window's commands that take the list elsewhere or bring one in:
// the clipboard, open, save and the recent files, and the quote sheet saved
// as a PDF or printed.
#include "partslist/PartsFile.h"
#include "ui/CoreText.h"
#include "ui/Document.h"
#include "ui/ErrorBox.h"
#include "ui/PartsListWindow.h"
#include "ui/ProgressBox.h"
#include "ui/QuoteSheet.h"

#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

namespace ui {
namespace {

const QString FileFilter = QStringLiteral("Parts lists (*.csv);;All files (*)");

// A name to save to: one typed without a suffix gets `suffix`, and the dialog
// asks before it replaces a file of that full name.
QString SaveFileName(QWidget* parent, const QString& title, const QString& start,
                     const QString& filter, const QString& suffix) {
    QFileDialog dialog(parent, title, start, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

// The quote sheet of the document's list.
QuoteSheet Sheet(const Document& document) {
    const partslist::Calculation& calculation = document.Calculation();
    QuoteSheet sheet;
    sheet.Title = document.FilePath().isEmpty() ? QStringLiteral("Parts list")
                                                : QFileInfo(document.FilePath()).fileName();
    sheet.Date = QDate::currentDate();
    sheet.Lines = calculation.Lines();
    sheet.Totals = calculation.Totals();
    sheet.PricePerKg = calculation.PricePerKg();
    sheet.Separator = QChar::fromLatin1(DecimalSeparator());
    if (document.QuoteByBars()) sheet.BarCostCents = document.BarCosts();
    return sheet;
}

} // namespace

// The file's columns, tab-separated, numbers with the user's decimal mark:
// a spreadsheet takes each value as a cell of its own, and Paste reads it back.
void PartsListWindow::CopyLines() {
    Guarded(this, [&] {
        const partslist::Calculation& calculation = document_.Calculation();
        partslist::Replay replay = calculation.Totals();
        std::vector<partslist::Line> lines;
        std::vector<partslist::LineResult> results;
        for (const int row : SelectedRows()) {
            lines.push_back(calculation.Lines()[std::size_t(row)]);
            results.push_back(calculation.Results()[std::size_t(row)]);
        }
        if (!lines.empty()) replay.Lines = std::move(results);
        const std::string text = partslist::WriteRows(lines.empty() ? calculation.Lines() : lines,
                                                      calculation.PricePerKg(), replay,
                                                      partslist::RowFormat::Copy(DecimalSeparator(), true));
        QGuiApplication::clipboard()->setText(FromCore(text));
    });
}

// Rows copied from a spreadsheet, all or none, as lines after the others.
void PartsListWindow::PasteLines() {
    Guarded(this, [&] {
        const std::string text = QGuiApplication::clipboard()->text().toStdString();
        document_.Paste(partslist::ReadPastedRows(
            text, DecimalSeparator(),
            document_.Calculation().Shown() == partslist::TotalsShown::WeightAndMarker));
    });
}

// The file's name offered is the list's own; a name without a suffix gets
// ".csv", so that Open's filter shows it.
void PartsListWindow::Save() {
    const QString own = document_.FilePath();
    const QString path =
        SaveFileName(this, QStringLiteral("Save parts list"),
                     own.isEmpty() ? document_.LastFolder() : own, FileFilter, QStringLiteral("csv"));
    if (!path.isEmpty()) SaveTo(path);
}

void PartsListWindow::Open() {
    if (!document_.MayDiscard(this)) return;
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open parts list"),
                                                      document_.LastFolder(), FileFilter);
    if (!path.isEmpty()) OpenFrom(path);
}

void PartsListWindow::OpenFile(const QString& path) {
    if (document_.MayDiscard(this)) OpenFrom(path);
}

// The last files saved or opened, the newest first, under the Open button.
void PartsListWindow::ShowRecentFiles() {
    recentFiles_->clear();
    const QStringList recent = document_.RecentFiles();
    for (int i = 0; i < recent.size(); ++i) {
        QAction* item = recentFiles_->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(recent[i]).fileName()));
        item->setToolTip(recent[i]);
        const QString path = recent[i];
        connect(item, &QAction::triggered, this, [this, path] { OpenFile(path); });
    }
    recentFiles_->setEnabled(!recent.isEmpty());
}

bool PartsListWindow::SaveTo(const QString& path) {
    bool saved = false;
    Guarded(this, [&] {
        document_.Save(path);
        saved = true;
    });
    return saved;
}

void PartsListWindow::OpenFrom(const QString& path) {
    Guarded(this, [&] {
        std::optional<std::vector<std::string>> ignored;
        {
            ProgressBox progress(this, QStringLiteral("Reading the parts list…"));
            ignored = document_.Open(path, progress.Step<std::size_t>());
        }
        if (!ignored || ignored->empty()) return;
        QStringList names;
        for (const std::string& name : *ignored)
            names << QStringLiteral("\u201C%1\u201D").arg(FromCore(name));
        QMessageBox::information(
            this, AppTitle,
            QStringLiteral("Columns this program does not use were left out: %1")
                .arg(names.join(QStringLiteral(", "))));
    });
}

void PartsListWindow::Report() {
    const QString path =
        SaveFileName(this, QStringLiteral("Save quote sheet"), document_.LastFolder(),
                     QStringLiteral("PDF files (*.pdf)"), QStringLiteral("pdf"));
    if (!path.isEmpty()) ReportTo(path);
}

// A failure is told once the progress box is gone, so that its OK is the
// one to click.
void PartsListWindow::ReportTo(const QString& path) {
    Guarded(this, [&] {
        QString error;
        {
            ProgressBox progress(this, QStringLiteral("Writing the quote sheet…"));
            error = SaveQuoteSheetPdf(path, Sheet(document_), progress.Step());
        }
        if (!error.isEmpty()) ShowError(this, error);
    });
}

void PartsListWindow::Print() {
    Guarded(this, [&] {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QuotePageSize());
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() != QDialog::Accepted) return;
        QString error;
        {
            ProgressBox progress(this, QStringLiteral("Printing the quote sheet…"));
            error = PrintQuoteSheet(printer, Sheet(document_), progress.Step());
        }
        if (!error.isEmpty()) ShowError(this, error);
    });
}

} // namespace ui
