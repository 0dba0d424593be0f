#include "ui/PartsListWindow.h"

#include "calc/Display.h"
#include "calc/ParseNumber.h"
#include "partslist/Describe.h"
#include "partslist/PartsFile.h"
#include "ui/CoreText.h"
#include "ui/ErrorBox.h"
#include "ui/HelpWindow.h"
#include "ui/MainWindow.h"
#include "ui/PartsListModel.h"
#include "ui/QuoteSheet.h"

#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace ui {
namespace {

const QString FileFilter = QStringLiteral("Parts lists (*.csv);;All files (*)");

QLineEdit* totalField(QWidget* parent, const char* name, const QString& spoken) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignRight);
    field->setAccessibleName(spoken);
    return field;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption,
                    const QString& description) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAccessibleDescription(description);
    return b;
}

// A shortcut of the whole window (in the table, eventFilter() sees to the keys).
void shortcut(QWidget* window, const QKeySequence& keys, const std::function<void()>& run) {
    QObject::connect(new QShortcut(keys, window), &QShortcut::activated, window, run);
}

} // namespace

PartsListWindow::PartsListWindow(MainWindow* main) : QWidget(main, Qt::Window), main_(main) {
    setObjectName(QStringLiteral("PartsListWindow"));
    setWindowTitle(QStringLiteral("Parts list"));
    resize(760, 420);

    model_ = new PartsListModel(this);
    Table = new QTableView(this);
    Table->setObjectName(QStringLiteral("PartsTable"));
    Table->setAccessibleName(QStringLiteral("Lines of the calculation"));
    Table->setModel(model_);
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->verticalHeader()->hide();
    Table->horizontalHeader()->setStretchLastSection(true);
    Table->setWordWrap(false);
    // Columns fit the rows in sight: measuring every row of a long list would
    // slow each Add.
    Table->horizontalHeader()->setResizeContentsPrecision(0);

    VolumeTotal = totalField(this, "VolumeTotal", QStringLiteral("Total volume, cubic metres"));
    WeightTotal = totalField(this, "WeightTotal", QStringLiteral("Total weight, kilograms"));
    CostTotal = totalField(this, "CostTotal", QStringLiteral("Total cost"));
    PriceField = new QLineEdit(this);
    PriceField->setObjectName(QStringLiteral("PriceField"));
    PriceField->setAlignment(Qt::AlignRight);
    PriceField->setAccessibleName(QStringLiteral("Price per kg"));
    PriceField->setAccessibleDescription(
        QStringLiteral("Price of one kilogram; empty for no cost column"));

    auto* totals = new QGridLayout;
    const auto row = [&](int r, const QString& caption, QWidget* field, const QString& unit) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(field);
        totals->addWidget(label, r / 2, (r % 2) * 3);
        totals->addWidget(field, r / 2, (r % 2) * 3 + 1);
        totals->addWidget(new QLabel(unit, this), r / 2, (r % 2) * 3 + 2);
    };
    row(0, QStringLiteral("Total volume"), VolumeTotal, QStringLiteral("m³"));
    row(1, QStringLiteral("Total weight"), WeightTotal, QStringLiteral("kg"));
    row(2, QStringLiteral("Price per kg"), PriceField, QString());
    row(3, QStringLiteral("Total cost"), CostTotal, QString());
    totals->setColumnStretch(1, 1);
    totals->setColumnStretch(4, 1);

    RemoveButton = button(this, "RemoveButton", QStringLiteral("Remove"),
                          QStringLiteral("Takes the selected lines out of the calculation"));
    CopyButton = button(this, "CopyButton", QStringLiteral("Copy"),
                        QStringLiteral("Copies the selected lines, or all, for a spreadsheet"));
    OpenButton = button(this, "OpenButton", QStringLiteral("Open…"),
                        QStringLiteral("Replaces the list with the lines of a file"));
    SaveButton = button(this, "SaveButton", QStringLiteral("Save…"),
                        QStringLiteral("Saves the list as a CSV file"));
    ReportButton = button(this, "ReportButton", QStringLiteral("Report…"),
                          QStringLiteral("Saves a quote sheet of the list as a PDF file"));
    PrintButton = button(this, "PrintButton", QStringLiteral("Print…"),
                         QStringLiteral("Prints the quote sheet of the list"));
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b :
         {RemoveButton, CopyButton, OpenButton, SaveButton, ReportButton, PrintButton})
        buttons->addWidget(b);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Table, 1);
    layout->addLayout(totals);
    layout->addLayout(buttons);

    connect(RemoveButton, &QPushButton::clicked, this, &PartsListWindow::RemoveSelected);
    connect(CopyButton, &QPushButton::clicked, this, &PartsListWindow::CopyLines);
    connect(OpenButton, &QPushButton::clicked, this, &PartsListWindow::Open);
    connect(SaveButton, &QPushButton::clicked, this, &PartsListWindow::Save);
    connect(ReportButton, &QPushButton::clicked, this, &PartsListWindow::Report);
    connect(PrintButton, &QPushButton::clicked, this, &PartsListWindow::Print);
    connect(PriceField, &QLineEdit::textEdited, this, &PartsListWindow::Refresh);
    connect(main_, &MainWindow::partsListChanged, this, [this] {
        if (isVisible()) Refresh();
    });
    shortcut(this, QKeySequence::Delete, [this] { RemoveSelected(); });
    shortcut(this, QKeySequence::Copy, [this] { CopyLines(); });
    Table->installEventFilter(this);
    shortcut(this, QKeySequence::Save, [this] { Save(); });
    shortcut(this, QKeySequence::Open, [this] { Open(); });
    shortcut(this, QKeySequence(Qt::Key_F1), [this] {
        Guarded(this, [&] {
            HelpWindow::ShowPage(this, QUrl(QStringLiteral("qrc:/help/parts-list.html")));
        });
    });
}

// The table would take Delete and Ctrl+C for itself (to search its rows, to
// copy one cell); in the table they remove and copy whole lines.
bool PartsListWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Table ||
        (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress))
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool remove = key->matches(QKeySequence::Delete);
    const bool copy = key->matches(QKeySequence::Copy);
    if (!remove && !copy) return false;
    event->accept();
    if (event->type() == QEvent::KeyPress) remove ? RemoveSelected() : CopyLines();
    return true;
}

void PartsListWindow::showEvent(QShowEvent* event) {
    Refresh();
    if (!sized_) {
        // Wide enough for every column the first time, as far as the screen allows.
        sized_ = true;
        const int table = Table->horizontalHeader()->length() + 2 * Table->frameWidth() +
                          Table->verticalScrollBar()->sizeHint().width();
        const QMargins margins = layout()->contentsMargins();
        int width = table + margins.left() + margins.right();
        if (const QScreen* s = screen()) width = std::min(width, s->availableGeometry().width());
        resize(std::max(width, this->width()), height());
    }
    QWidget::showEvent(event);
}

std::optional<double> PartsListWindow::PricePerKg() const {
    const std::string text = PriceField->text().trimmed().toStdString();
    if (text.empty()) return std::nullopt;
    try {
        const double price = calc::ParseNumber(text);
        if (price >= 0.0) return price;
    } catch (const calc::Error&) {
    }
    return std::nullopt;
}

// The table and totals anew from the main window's lines. The totals are the
// main window's result fields, in kilograms and cubic metres.
void PartsListWindow::Refresh() {
    Guarded(this, [&] {
        const auto& lines = main_->Parts().Lines();
        const bool grew = std::size_t(model_->rowCount()) < lines.size();
        const auto price = PricePerKg();
        model_->Show(lines, partslist::ReplayLines(lines), price);
        const char separator = DecimalSeparator();
        const calc::CalcState& state = main_->State();
        // Empty where the fields are, at the start and after Reset.
        const bool none = main_->WeightField->text().isEmpty();
        const QString volume = main_->VolumeField->text();
        WeightTotal->setText(none ? QString()
                                  : FromCore(calc::FormatTotal(state.TotalWeight, separator)));
        VolumeTotal->setText(volume.isEmpty() || volume == FromCore(calc::NoVolumeMarker)
                                 ? volume
                                 : FromCore(calc::FormatTotal(state.TotalVolume, separator)));
        CostTotal->setText(price && !none
                               ? FromCore(partslist::Cost(state.TotalWeight, *price, separator))
                               : QString());
        Table->resizeColumnsToContents();
        if (grew) Table->scrollToBottom();
    });
}

std::vector<int> PartsListWindow::SelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : Table->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void PartsListWindow::RemoveSelected() {
    Guarded(this, [&] {
        const std::vector<int> selected = SelectedRows();
        if (selected.empty()) return;
        const std::vector<std::size_t> rows(selected.begin(), selected.end());
        main_->RemoveLines(rows);
    });
}

void PartsListWindow::CopyLines() {
    Guarded(this,
            [&] { QGuiApplication::clipboard()->setText(model_->TabSeparated(SelectedRows())); });
}

void PartsListWindow::Save() {
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save parts list"),
                                                      QString(), FileFilter);
    if (!path.isEmpty()) SaveTo(path);
}

void PartsListWindow::Open() {
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Open parts list"),
                                                      QString(), FileFilter);
    if (!path.isEmpty()) OpenFrom(path);
}

// Written to a temporary file and renamed over the target, so a failure
// never leaves half a file behind.
void PartsListWindow::SaveTo(const QString& path) {
    Guarded(this, [&] {
        const auto& lines = main_->Parts().Lines();
        const std::string text =
            partslist::WritePartsList(lines, PricePerKg(), partslist::ReplayLines(lines));
        QSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(text.data(), qint64(text.size())) != qint64(text.size()) || !file.commit())
            throw calc::Error("Could not save '" + path.toStdString() +
                              "': " + file.errorString().toStdString());
        fileName_ = QFileInfo(path).fileName();
    });
}

void PartsListWindow::OpenFrom(const QString& path) {
    Guarded(this, [&] {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            throw calc::Error("Could not open '" + path.toStdString() +
                              "': " + file.errorString().toStdString());
        const QByteArray bytes = file.readAll();
        auto list = partslist::ReadPartsList(std::string_view(bytes.constData(), bytes.size()),
                                             path.toStdString());
        PriceField->setText(list.PricePerKg ? PartsListModel::NumberText(*list.PricePerKg)
                                            : QString());
        main_->ReplaceLines(std::move(list.Lines), list.Totals);
        fileName_ = QFileInfo(path).fileName();
        Refresh();
    });
}

QuoteSheet PartsListWindow::Sheet() const {
    QuoteSheet sheet;
    sheet.Title = fileName_.isEmpty() ? QStringLiteral("Parts list") : fileName_;
    sheet.Date = QDate::currentDate();
    sheet.Lines = main_->Parts().Lines();
    sheet.Totals = partslist::ReplayLines(sheet.Lines);
    sheet.PricePerKg = PricePerKg();
    sheet.Separator = QChar::fromLatin1(DecimalSeparator());
    return sheet;
}

void PartsListWindow::Report() {
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save quote sheet"), QString(),
                                                QStringLiteral("PDF files (*.pdf)"));
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
    ReportTo(path);
}

void PartsListWindow::ReportTo(const QString& path) {
    Guarded(this, [&] {
        if (const QString error = SaveQuoteSheetPdf(path, Sheet()); !error.isEmpty())
            ShowError(this, error);
    });
}

void PartsListWindow::Print() {
    Guarded(this, [&] {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QuotePageSize(QLocale()));
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() != QDialog::Accepted) return;
        if (const QString error = PaintQuoteSheet(printer, Sheet()); !error.isEmpty())
            ShowError(this, error);
    });
}

} // namespace ui
