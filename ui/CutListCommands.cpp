// The Cut list window's commands that do the work: Solve, which runs the
// solver on every group in turn on this one thread, a progress box keeping
// the windows painted and offering Cancel; Copy; the cut sheet saved as a
// PDF or printed.
#include "calc/Error.h"
#include "ui/CutListWindow.h"
#include "ui/CutSheet.h"
#include "ui/Document.h"
#include "ui/ErrorBox.h"
#include "ui/ProgressBox.h"
#include "ui/QuoteSheet.h"
#include "ui/TakeoffModel.h"

#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QSpinBox>
#include <QTableView>

#include <chrono>

namespace ui {
namespace {

CutSheet SheetOf(const Document& document, const std::vector<CutListGroup>& groups) {
    CutSheet sheet;
    sheet.Title = document.FilePath().isEmpty() ? QStringLiteral("Parts list")
                                                : QFileInfo(document.FilePath()).fileName();
    sheet.Date = QDate::currentDate();
    for (const CutListGroup& group : groups)
        if (group.Plan) sheet.Groups.push_back(group);
    return sheet;
}

} // namespace

// Every group's job is made and checked before any is solved: a fault in the
// last leaves nothing planned. Cancel stops the group being solved with the
// best plan found so far, and leaves the rest unsolved.
void CutListWindow::Solve() {
    Guarded(this, [&] {
        const double limit = TimeLimitBox->value();
        std::vector<cutlist::Job> jobs;
        for (const CutListGroup& group : groups_) {
            try {
                jobs.push_back(cutlist::JobOf(group.Group, group.Settings, limit));
                cutlist::FirstFitDecreasing(jobs.back());
            } catch (const calc::Error& e) {
                throw calc::Error(group.Name().toStdString() + ": " + e.Message());
            }
        }
        for (CutListGroup& group : groups_)
            group.Job.reset(), group.Plan.reset(), group.Stopped = false;
        {
            ProgressBox progress(this, QStringLiteral("Finding the least cost…"));
            const auto step = progress.Step<long long>();
            const auto start = std::chrono::steady_clock::now();
            const long long total = (long long)(jobs.size() * limit * 1000);
            bool cancelled = false;
            for (std::size_t g = 0; g < jobs.size() && !cancelled; ++g) {
                jobs[g].KeepGoing = [&] {
                    const auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(
                        std::chrono::steady_clock::now() - start);
                    cancelled = !step(std::min<long long>(spent.count(), total), total);
                    return !cancelled;
                };
                cutlist::Plan plan = cutlist::Solve(jobs[g]);
                jobs[g].KeepGoing = nullptr;
                groups_[g].Job = std::move(jobs[g]);
                groups_[g].Plan = std::move(plan);
                groups_[g].Stopped = cancelled;
                takeoff_->PlanChanged(int(g));
            }
        }
        ShareBarCosts();
        TakeoffTable->resizeColumnsToContents();
        ShowGroup();
    });
}

// Each line planned with prices carries its share of its bars' cost.
void CutListWindow::ShareBarCosts() {
    std::vector<std::optional<long long>> costs(document_.Calculation().Lines().size());
    bool any = false;
    for (const CutListGroup& group : groups_) {
        if (!group.Plan) continue;
        for (const cutlist::LineCost& line : cutlist::CostByLine(group.Group, *group.Plan))
            if (line.Line >= 1 && std::size_t(line.Line) <= costs.size())
                costs[std::size_t(line.Line - 1)] = line.Cents, any = true;
    }
    document_.SetBarCosts(any ? std::move(costs) : std::vector<std::optional<long long>>{});
}

void CutListWindow::CopyTakeoff() {
    QGuiApplication::clipboard()->setText(takeoff_->Text());
}

void CutListWindow::SaveCutSheet() {
    QFileDialog dialog(this, QStringLiteral("Save cut sheet"), document_.LastFolder(),
                       QStringLiteral("PDF files (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    SaveCutSheetTo(dialog.selectedFiles().front());
}

void CutListWindow::SaveCutSheetTo(const QString& path) {
    Guarded(this, [&] {
        if (const QString error = SaveCutSheetPdf(path, SheetOf(document_, groups_));
            !error.isEmpty())
            ShowError(this, error);
    });
}

void CutListWindow::PrintSheet() {
    Guarded(this, [&] {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QuotePageSize());
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() != QDialog::Accepted) return;
        if (const QString error = PrintCutSheet(printer, SheetOf(document_, groups_));
            !error.isEmpty())
            ShowError(this, error);
    });
}

} // namespace ui
