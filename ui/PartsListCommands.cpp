// The list window's commands that take the list elsewhere or bring one in:
// the clipboard, open, save and the recent files, and the quote sheet saved
// as a PDF or printed.
#include "partslist/Cells.h"
#include "partslist/PartsFile.h"
#include "ui/CoreText.h"
#include "ui/Document.h"
#include "ui/ErrorBox.h"
#include "ui/KeptLists.h"
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

// A quote sheet is a PDF: under the name of a parts list only once the user
// says so, since the file dialog asks only whether to replace "a file".
bool MayWriteQuoteSheetAs(QWidget* parent, const QString& path) {
    if (!path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) return true;
    const QString name = PrintableName(QFileInfo(path).fileName());
    const QString question =
        QFileInfo::exists(path)
            ? QStringLiteral("\u201C%1\u201D is a parts list. Save the quote sheet, a PDF, over "
                             "it? The list in it is then lost.")
            : QStringLiteral("\u201C%1\u201D is the name of a parts list (.csv). Save the quote "
                             "sheet, a PDF, under that name?");
    return Ask(parent, QMessageBox::Warning, question.arg(name),
               QMessageBox::Save | QMessageBox::Cancel, QMessageBox::Cancel) == QMessageBox::Save;
}

// Columns left out of a list, told once in a note.
void TellLeftOut(QWidget* parent, const std::vector<std::string>& names, const QString& from) {
    if (names.empty()) return;
    QStringList quoted;
    for (const std::string& name : names)
        quoted << QStringLiteral("\u201C%1\u201D").arg(FromCore(name));
    Ask(parent, QMessageBox::Information,
        QStringLiteral("Columns this program does not use were left out%1: %2")
            .arg(from, quoted.join(QStringLiteral(", "))),
        QMessageBox::Ok);
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
        const std::string text = partslist::WritePartsList(
            lines.empty() ? calculation.Lines() : lines, calculation.PricePerKg(), replay,
            partslist::RowFormat::Copy(DecimalSeparator(), true));
        QGuiApplication::clipboard()->setText(FromCore(text));
    });
}

// Rows copied from a spreadsheet, all or none, as lines after the others.
void PartsListWindow::PasteLines() {
    Guarded(this, [&] {
        const std::string text = QGuiApplication::clipboard()->text().toStdString();
        const std::size_t before = document_.Calculation().Lines().size();
        std::vector<std::string> ignored;
        document_.Paste(partslist::ReadPastedRows(
            text, DecimalSeparator(),
            document_.Calculation().Shown() == partslist::TotalsShown::WeightAndMarker, &ignored));
        // A copy's own cost column is no stranger.
        std::erase(ignored, std::string(partslist::cells::CostColumnName));
        if (document_.Calculation().Lines().size() != before)
            TellLeftOut(this, ignored, QStringLiteral(" of the paste"));
    });
}

// The file's name offered is the list's own; a name without a suffix gets
// ".csv", so that Open's filter shows it.
void PartsListWindow::Save() {
    const QString own = document_.FilePath();
    const QString path = SaveFileName(this, QStringLiteral("Save parts list"),
                                      own.isEmpty() ? document_.LastFolder() : own, FileFilter,
                                      QStringLiteral("csv"));
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

// Under the Open button: the lists kept unsaved, then the last files saved
// or opened, the newest first.
void PartsListWindow::ShowRecentFiles() {
    recentFiles_->clear();
    const auto item = [this](const QString& caption, const QString& path, bool keptList) {
        QAction* action = recentFiles_->addAction(caption);
        action->setToolTip(path);
        connect(action, &QAction::triggered, this, [this, path, keptList] {
            if (document_.MayDiscard(this)) OpenList(path, keptList);
        });
    };
    const std::vector<KeptList> kept = KeptLists();
    for (const KeptList& list : kept)
        item(KeptListCaption(list), list.Path, true);
    const QStringList recent = document_.RecentFiles();
    if (!kept.empty() && !recent.isEmpty()) recentFiles_->addSeparator();
    for (int i = 0; i < recent.size(); ++i)
        item(QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(recent[i]).fileName()), recent[i],
             false);
    recentFiles_->setEnabled(!recent.isEmpty() || !kept.empty());
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
    OpenList(path, false);
}

// The progress box is gone before a failure or a note is told, so that the
// box in front is the one to click.
void PartsListWindow::OpenList(const QString& path, bool kept) {
    Guarded(this, [&] {
        std::optional<std::vector<std::string>> ignored;
        {
            ProgressBox progress(this, QStringLiteral("Reading the parts list…"));
            const auto step = progress.Step<std::size_t>();
            ignored = document_.Open(path, step, kept);
        }
        if (ignored) TellLeftOut(this, *ignored, QString());
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
    if (!MayWriteQuoteSheetAs(this, path)) return;
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
        printer.setPageLayout(QuotePageLayout()); // the pages of Report
        QPrintDialog dialog(&printer, this);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange);
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
