#include "ui/PartsListWindow.h"

#include "calc/Display.h"
#include "calc/ParseNumber.h"
#include "partslist/Describe.h"
#include "partslist/PartsFile.h"
#include "ui/CoreText.h"
#include "ui/ErrorBox.h"
#include "ui/HelpWindow.h"
#include "ui/MainWindow.h"
#include "ui/QuoteSheet.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
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
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QSaveFile>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QShortcut>
#include <QTableView>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>

namespace ui {

// The rows of the table: a copy of the calculation's lines, brought up to date
// row by row as the calculation says what changed, so that the view keeps its
// selection and reads the rows as they were while rows come and go. The
// vertical header numbers them.
class PartsListModel : public QAbstractTableModel {
public:
    enum Column {
        Kind,
        Type,
        A,
        B,
        C,
        Quantity,
        Material,
        Density,
        Volume,
        Weight,
        Cost,
        ColumnCount
    };

    PartsListModel(const partslist::Calculation& calculation, QObject* parent)
        : QAbstractTableModel(parent), calculation_(calculation), lines_(calculation.Lines()),
          results_(calculation.Results()), price_(calculation.PricePerKg()),
          volumeDensity_(calculation.VolumeDensity()) {}

    // After each change of the calculation: the rows it added or removed, and
    // the weights and costs of all when a new density weighs every volume again.
    void LinesChanged();
    // After the price changed: the Cost column, or its coming or going.
    void PriceChanged();

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(lines_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : price_ ? ColumnCount : Cost;
    }
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    static QString Heading(int column);
    // A cell's text; the table shows units by their symbols, a copy by name.
    QString Text(int row, int column, bool symbols) const;
    void AllChanged(int fromColumn, int toColumn);

    const partslist::Calculation& calculation_;
    std::vector<partslist::Line> lines_;
    std::vector<partslist::LineResult> results_;
    std::optional<double> price_;
    std::int32_t volumeDensity_;
};

void PartsListModel::LinesChanged() {
    const auto& lines = calculation_.Lines();
    const auto& results = calculation_.Results();
    const partslist::LinesChange& change = calculation_.LastChange();
    if (change.What == partslist::LinesChange::Appended) {
        const int row = rowCount();
        beginInsertRows({}, row, row);
        lines_.push_back(lines.back());
        results_.push_back(results.back());
        endInsertRows();
    } else if (change.What == partslist::LinesChange::Inserted) {
        for (const std::size_t row :
             change.Rows) { // ascending: each at its place among those before
            beginInsertRows({}, int(row), int(row));
            lines_.insert(lines_.begin() + std::ptrdiff_t(row), lines[row]);
            results_.insert(results_.begin() + std::ptrdiff_t(row), results[row]);
            endInsertRows();
        }
    } else if (change.What == partslist::LinesChange::Removed) {
        // Runs of neighbouring rows at once, the last first, so that the
        // places of the others still hold.
        const auto& rows = change.Rows;
        for (std::size_t end = rows.size(); end > 0;) {
            std::size_t first = end - 1;
            while (first > 0 && rows[first - 1] + 1 == rows[first])
                --first;
            const auto from = std::ptrdiff_t(rows[first]), to = std::ptrdiff_t(rows[end - 1]) + 1;
            beginRemoveRows({}, int(from), int(to - 1));
            lines_.erase(lines_.begin() + from, lines_.begin() + to);
            results_.erase(results_.begin() + from, results_.begin() + to);
            endRemoveRows();
            end = first;
        }
    }
    if (change.What == partslist::LinesChange::Reset || lines_.size() != lines.size()) {
        beginResetModel();
        lines_ = lines;
        results_ = results;
        volumeDensity_ = calculation_.VolumeDensity();
        endResetModel();
        return;
    }
    // The rows kept change only when their volume is weighed at a new density.
    results_ = results;
    if (std::exchange(volumeDensity_, calculation_.VolumeDensity()) != volumeDensity_)
        AllChanged(Density, columnCount() - 1);
}

void PartsListModel::PriceChanged() {
    const auto price = calculation_.PricePerKg();
    if (price.has_value() == price_.has_value()) {
        price_ = price;
        AllChanged(Cost, Cost);
    } else if (price) {
        beginInsertColumns({}, Cost, Cost);
        price_ = price;
        endInsertColumns();
    } else {
        beginRemoveColumns({}, Cost, Cost);
        price_ = price;
        endRemoveColumns();
    }
}

void PartsListModel::AllChanged(int fromColumn, int toColumn) {
    if (rowCount() > 0 && toColumn >= fromColumn)
        emit dataChanged(index(0, fromColumn), index(rowCount() - 1, toColumn), {Qt::DisplayRole});
}

QString PartsListModel::Heading(int column) {
    static const std::array<QString, ColumnCount> headings{
        QStringLiteral("Kind"),       QStringLiteral("Type"),
        QStringLiteral("a"),          QStringLiteral("b"),
        QStringLiteral("c"),          QStringLiteral("Quantity"),
        QStringLiteral("Material"),   QStringLiteral("Density, kg/m³"),
        QStringLiteral("Volume, m³"), QStringLiteral("Weight, kg"),
        QStringLiteral("Cost")};
    return column >= 0 && column < ColumnCount ? headings[std::size_t(column)] : QString();
}

QString PartsListModel::Text(int row, int column, bool symbols) const {
    const auto& line = lines_[std::size_t(row)];
    const partslist::LineResult& result = results_[std::size_t(row)];
    const char separator = DecimalSeparator();
    switch (column) {
    case Kind:
        return FromCore(partslist::KindName(line.Kind));
    case Type:
        return FromCore(partslist::TypeAndSize(line));
    case A:
    case B:
    case C: {
        const calc::DimensionRow& dimension = line.Rows[std::size_t(column - A)];
        return FromCore(symbols ? partslist::ShortDimension(dimension)
                                : partslist::Dimension(dimension));
    }
    case Quantity:
        return QString::number(line.Quantity);
    case Material:
        return FromCore(line.Material);
    case Density:
        return QString::number(partslist::WeighedAt(line, result, volumeDensity_));
    case Volume:
        return result.Volume ? FromCore(calc::FormatTotal(*result.Volume, separator)) : QString();
    case Weight:
        return FromCore(calc::FormatTotal(result.Weight, separator));
    case Cost:
        return price_ ? FromCore(partslist::Cost(result.Weight, *price_, separator)) : QString();
    default:
        return {};
    }
}

QVariant PartsListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
    if (role == Qt::DisplayRole) {
        try { // a view's painting must never meet an exception
            return Text(index.row(), index.column(), true);
        } catch (const calc::Error&) {
            return QStringLiteral("\u2014");
        }
    }
    if (role == Qt::TextAlignmentRole) {
        const bool number = index.column() == Quantity || index.column() >= Density;
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    return {};
}

QVariant PartsListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    return orientation == Qt::Horizontal ? QVariant(Heading(section)) : QVariant(section + 1);
}

namespace {

const QString FileFilter = QStringLiteral("Parts lists (*.csv);;All files (*)");
// What the list window remembers between runs (the main window nothing).
const QString GeometryKey = QStringLiteral("PartsList/Geometry");
const QString PriceKey = QStringLiteral("PartsList/PricePerKg");
const QString FolderKey = QStringLiteral("PartsList/LastFolder");
const QString RecentKey = QStringLiteral("PartsList/RecentFiles");
constexpr int RecentCount = 8;

// A price as a person types it into its field: the shortest digits that read
// back as the same number, with no exponent ("200000", not "2e+05"), with the
// user's decimal separator.
QString PriceText(double value) {
    char digits[400]; // room for every digit of any double in fixed notation
    const char* end =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed).ptr;
    return QString::fromLatin1(digits, end - digits)
        .replace(u'.', QChar::fromLatin1(DecimalSeparator()));
}

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

// The one local .csv file a drag carries, or nothing.
QString DroppedFile(const QMimeData* data) {
    if (!data || data->urls().size() != 1 || !data->urls().front().isLocalFile()) return {};
    const QString path = data->urls().front().toLocalFile();
    return path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive) ? path : QString();
}

QLineEdit* totalField(QWidget* parent, const char* name, const QString& spoken) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QLatin1String(name));
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignRight);
    field->setAccessibleName(spoken);
    return field;
}

// The lines' numbers, at the left of the table. Qt would measure a hundred
// numbers at each end of the list after every row that comes or goes; the
// last is the widest, and the first as high as any.
class LineNumbers : public QHeaderView {
public:
    explicit LineNumbers(QWidget* parent) : QHeaderView(Qt::Vertical, parent) {}

    QSize sizeHint() const override {
        if (count() == 0) return QHeaderView::sizeHint();
        return sectionSizeFromContents(count() - 1).expandedTo(sectionSizeFromContents(0));
    }
};

// Long work in steps: a progress dialog with Cancel, shown once the work has
// taken half a second; the windows repaint meanwhile, and take no other input
// that could change the list under the work.
class ProgressBox {
public:
    ProgressBox(QWidget* parent, const QString& what)
        : dialog_(what, QStringLiteral("Cancel"), 0, Steps, parent) {
        dialog_.setObjectName(QStringLiteral("ProgressBox"));
        dialog_.setWindowModality(Qt::ApplicationModal);
        dialog_.setMinimumDuration(500);
        dialog_.setAutoReset(false);
    }
    // The function to call with what is done of the whole; false once cancelled.
    template <typename Count> std::function<bool(Count, Count)> Step() {
        return [this](Count done, Count total) {
            const double part = total > 0 ? std::min(1.0, double(done) / double(total)) : 0.0;
            dialog_.setValue(int(part * Steps));
            // setValue does not while the value stays; a click has no place
            // before the dialog is there to take it.
            QCoreApplication::processEvents(
                dialog_.isVisible() ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
            return !dialog_.wasCanceled();
        };
    }
    std::function<bool(int, int)> Step() { return Step<int>(); }

private:
    static constexpr int Steps = 1000;
    QProgressDialog dialog_;
};

} // namespace

PartsListWindow::PartsListWindow(MainWindow* main) : QWidget(main, Qt::Window), main_(main) {
    setObjectName(QStringLiteral("PartsListWindow"));
    setWindowTitle(QStringLiteral("Parts list"));
    resize(760, 420);
    setAcceptDrops(true);

    model_ = new PartsListModel(main_->Calculation(), this);
    Table = new QTableView(this);
    Table->setVerticalHeader(new LineNumbers(Table));
    Table->setObjectName(QStringLiteral("PartsTable"));
    Table->setAccessibleName(QStringLiteral("Lines of the calculation"));
    Table->setModel(model_);
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
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

    auto* buttons = new QHBoxLayout;
    const auto command = [&](QToolButton*& button, const char* name, const QString& caption,
                             const QString& description, const QKeySequence& keys,
                             void (PartsListWindow::*run)()) {
        QAction* action = AddCommand(name, caption, description, keys, run);
        button = new QToolButton(this);
        button->setObjectName(
            QString::fromLatin1(name).replace(QStringLiteral("Action"), QStringLiteral("Button")));
        button->setDefaultAction(action);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setAccessibleDescription(description);
        buttons->addWidget(button);
        return action;
    };
    QToolButton* addSection = nullptr;
    command(addSection, "AddSectionAction", QStringLiteral("Add section…"),
            QStringLiteral("Opens the standard sections, to add one to the list"),
            QKeySequence(Qt::CTRL | Qt::Key_K), &PartsListWindow::ShowSections);
    addSection->setAccessibleName(QStringLiteral("Add section"));
    RemoveAction = command(RemoveButton, "RemoveAction", QStringLiteral("Remove"),
                           QStringLiteral("Takes the selected lines out of the calculation"),
                           QKeySequence::Delete, &PartsListWindow::RemoveSelected);
    CopyAction = command(CopyButton, "CopyAction", QStringLiteral("Copy"),
                         QStringLiteral("Copies the selected lines, or all, for a spreadsheet"),
                         QKeySequence::Copy, &PartsListWindow::CopyLines);
    PasteAction = command(PasteButton, "PasteAction", QStringLiteral("Paste"),
                          QStringLiteral("Adds the rows copied from a spreadsheet as lines"),
                          QKeySequence::Paste, &PartsListWindow::PasteLines);
    OpenAction = command(OpenButton, "OpenAction", QStringLiteral("Open…"),
                         QStringLiteral("Replaces the list with the lines of a file"),
                         QKeySequence::Open, &PartsListWindow::Open);
    SaveAction = command(SaveButton, "SaveAction", QStringLiteral("Save…"),
                         QStringLiteral("Saves the list as a CSV file"), QKeySequence::Save,
                         &PartsListWindow::Save);
    ReportAction = command(ReportButton, "ReportAction", QStringLiteral("Report…"),
                           QStringLiteral("Saves a quote sheet of the list as a PDF file"),
                           QKeySequence(Qt::CTRL | Qt::Key_R), &PartsListWindow::Report);
    PrintAction = command(PrintButton, "PrintAction", QStringLiteral("Print…"),
                          QStringLiteral("Prints the quote sheet of the list"), QKeySequence::Print,
                          &PartsListWindow::Print);
    buttons->addStretch();
    recentFiles_ = new QMenu(OpenButton);
    recentFiles_->setObjectName(QStringLiteral("RecentFilesMenu"));
    OpenButton->setMenu(recentFiles_);
    OpenButton->setPopupMode(QToolButton::MenuButtonPopup);
    ShowRecentFiles();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Table, 1);
    layout->addLayout(totals);
    layout->addLayout(buttons);

    connect(PriceField, &QLineEdit::textChanged, this, &PartsListWindow::PriceChanged);
    connect(main_, &MainWindow::calculationChanged, this, &PartsListWindow::CalculationChanged);
    connect(Table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { RemoveAction->setEnabled(Table->selectionModel()->hasSelection()); });
    RemoveAction->setEnabled(false);
    Table->installEventFilter(this);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this, [this] {
        Guarded(this, [&] {
            HelpWindow::ShowPage(this, QUrl(QStringLiteral("qrc:/help/parts-list.html")));
        });
    });
    ShowTotals();
    QSettings settings;
    restoreGeometry(settings.value(GeometryKey).toByteArray());
    PriceField->setText(settings.value(PriceKey).toString());
}

void PartsListWindow::closeEvent(QCloseEvent* event) {
    QSettings settings;
    settings.setValue(GeometryKey, saveGeometry());
    settings.setValue(PriceKey, PriceField->text());
    QWidget::closeEvent(event);
}

void PartsListWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFile(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void PartsListWindow::dropEvent(QDropEvent* event) {
    const QString path = DroppedFile(event->mimeData());
    if (path.isEmpty()) return;
    event->acceptProposedAction();
    // After the drop is done, so that a question does not hold up the program
    // the file came from.
    QTimer::singleShot(0, this, [this, path] { OpenFile(path); });
}

// A command of the window: its shortcut works anywhere in it and is named in
// its tooltip.
QAction* PartsListWindow::AddCommand(const char* name, const QString& caption,
                                     const QString& description, const QKeySequence& keys,
                                     void (PartsListWindow::*run)()) {
    auto* action = new QAction(caption, this);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(keys);
    action->setToolTip(
        QStringLiteral("%1 (%2)").arg(description, keys.toString(QKeySequence::NativeText)));
    connect(action, &QAction::triggered, this, run);
    addAction(action);
    return action;
}

// The table would take Delete and Ctrl+C for itself (to search its rows, to
// copy one cell); in the table they remove and copy whole lines.
bool PartsListWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Table ||
        (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress))
        return QWidget::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    QAction* action = key->matches(QKeySequence::Delete)  ? RemoveAction
                      : key->matches(QKeySequence::Copy)  ? CopyAction
                      : key->matches(QKeySequence::Paste) ? PasteAction
                                                          : nullptr;
    if (!action) return false;
    event->accept();
    if (event->type() == QEvent::KeyPress) action->trigger();
    return true;
}

void PartsListWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    FitColumns(-1);
}

// Columns as wide as what they show, and the window as wide as the columns,
// as far as the screen allows: a line's weight and cost in sight without
// scrolling.
void PartsListWindow::FitColumns(int row) {
    if (!isVisible()) return;
    QHeaderView* header = Table->horizontalHeader();
    if (row < 0) {
        Table->resizeColumnsToContents();
    } else { // one new row: only its cells can ask for more room
        for (int column = 0; column < model_->columnCount(); ++column) {
            const int needed = Table->sizeHintForIndex(model_->index(row, column)).width() + 1;
            if (needed > header->sectionSize(column)) header->resizeSection(column, needed);
        }
    }
    const QMargins margins = layout()->contentsMargins();
    int width = header->length() + Table->verticalHeader()->width() + 2 * Table->frameWidth() +
                Table->verticalScrollBar()->sizeHint().width() + margins.left() + margins.right();
    if (const QScreen* s = screen()) width = std::min(width, s->availableGeometry().width());
    if (width > this->width()) resize(width, height());
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

void PartsListWindow::CalculationChanged() {
    Guarded(this, [&] {
        model_->LinesChanged();
        ShowTotals();
        ShowTitle();
        const auto change = main_->Calculation().LastChange().What;
        if (change == partslist::LinesChange::None || change == partslist::LinesChange::Removed)
            return;
        if (change == partslist::LinesChange::Appended) {
            Table->scrollToBottom();
            FitColumns(model_->rowCount() - 1);
        } else {
            FitColumns(-1);
        }
    });
}

// A new price changes the costs only; rows selected stay so, the cost
// column taken in when it comes.
void PartsListWindow::PriceChanged() {
    Guarded(this, [&] {
        const auto price = PricePerKg();
        if (price && !partslist::TotalCostCents(main_->Calculation().Results(), *price)) {
            const std::string typed = PriceField->text().toStdString();
            const QSignalBlocker quiet(PriceField);
            const auto before = main_->Calculation().PricePerKg();
            PriceField->setText(before ? PriceText(*before) : QString());
            throw calc::Error("A price of " + typed + " a kilogram gives costs past 15 digits");
        }
        const QItemSelection selected = Table->selectionModel()->selection();
        main_->SetPricePerKg(price);
        const int columns = model_->columnCount();
        model_->PriceChanged();
        Table->selectionModel()->select(selected,
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
        ShowTotals();
        ShowTitle();
        if (model_->columnCount() != columns) FitColumns(-1); // the cost column came
    });
}

// The totals as the main window's result fields show them, in kilograms and
// cubic metres; empty where they are.
void PartsListWindow::ShowTotals() {
    const partslist::Calculation& calculation = main_->Calculation();
    const calc::CalcState& state = calculation.State();
    const partslist::TotalsShown shown = calculation.Shown();
    const char separator = DecimalSeparator();
    const auto price = calculation.PricePerKg();
    const bool none = shown == partslist::TotalsShown::Nothing;
    WeightTotal->setText(none ? QString()
                              : FromCore(calc::FormatTotal(state.TotalWeight, separator)));
    VolumeTotal->setText(shown == partslist::TotalsShown::WeightAndMarker
                             ? FromCore(calc::NoVolumeMarker)
                         : shown == partslist::TotalsShown::WeightAndVolume
                             ? FromCore(calc::FormatTotal(state.TotalVolume, separator))
                             : QString());
    CostTotal->setText(
        price && !none ? FromCore(partslist::CentsText(
                             partslist::TotalCostCents(calculation.Results(), *price), separator))
                       : QString());
}

// The file's name with a mark while it has unsaved changes.
void PartsListWindow::ShowTitle() {
    const partslist::Calculation& calculation = main_->Calculation();
    const QString path = FromCore(calculation.FilePath());
    setWindowFilePath(path);
    setWindowTitle(path.isEmpty()
                       ? QStringLiteral("Parts list")
                       : QFileInfo(path).fileName() + QStringLiteral("[*] \u2014 Parts list"));
    setWindowModified(calculation.Modified());
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

// The file's columns, tab-separated, numbers with the user's decimal mark:
// a spreadsheet takes each value as a cell of its own, and Paste reads it back.
void PartsListWindow::CopyLines() {
    Guarded(this, [&] {
        const partslist::Calculation& calculation = main_->Calculation();
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
                                                      {'\t', DecimalSeparator(), true});
        QGuiApplication::clipboard()->setText(FromCore(text));
    });
}

// Rows copied from a spreadsheet, all or none, as lines after the others.
void PartsListWindow::PasteLines() {
    Guarded(this, [&] {
        const std::string text = QGuiApplication::clipboard()->text().toStdString();
        main_->PasteLines(partslist::ReadPastedRows(text, DecimalSeparator(),
                                                    main_->Calculation().Shown() ==
                                                        partslist::TotalsShown::WeightAndMarker));
    });
}

// The file's name offered is the list's own; a name without a suffix gets
// ".csv", so that Open's filter shows it.
void PartsListWindow::Save() {
    const QString own = FromCore(main_->Calculation().FilePath());
    const QString path = SaveFileName(this, QStringLiteral("Save parts list"),
                                      own.isEmpty() ? QSettings().value(FolderKey).toString() : own,
                                      FileFilter, QStringLiteral("csv"));
    if (!path.isEmpty()) SaveTo(path);
}

void PartsListWindow::Open() {
    if (!MayDiscardList()) return;
    const QString path =
        QFileDialog::getOpenFileName(this, QStringLiteral("Open parts list"),
                                     QSettings().value(FolderKey).toString(), FileFilter);
    if (!path.isEmpty()) OpenFrom(path);
}

void PartsListWindow::OpenFile(const QString& path) {
    if (MayDiscardList()) OpenFrom(path);
}

void PartsListWindow::Remember(const QString& path) {
    QSettings settings;
    const QString full = QFileInfo(path).absoluteFilePath();
    QStringList recent = settings.value(RecentKey).toStringList();
    recent.removeAll(full);
    recent.prepend(full);
    settings.setValue(RecentKey, recent.mid(0, RecentCount));
    settings.setValue(FolderKey, QFileInfo(full).absolutePath());
    ShowRecentFiles();
}

// The last files saved or opened, the newest first, under the Open button.
void PartsListWindow::ShowRecentFiles() {
    recentFiles_->clear();
    const QStringList recent = QSettings().value(RecentKey).toStringList();
    for (int i = 0; i < recent.size(); ++i) {
        QAction* item = recentFiles_->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(recent[i]).fileName()));
        item->setToolTip(recent[i]);
        const QString path = recent[i];
        connect(item, &QAction::triggered, this, [this, path] { OpenFile(path); });
    }
    recentFiles_->setEnabled(!recent.isEmpty());
}

bool PartsListWindow::MayDiscardList() {
    const partslist::Calculation& calculation = main_->Calculation();
    if (!calculation.Modified()) return true;
    const auto answer = QMessageBox::warning(
        this, AppTitle,
        QStringLiteral("The parts list \u201C%1\u201D has changes that are not saved.")
            .arg(QFileInfo(FromCore(calculation.FilePath())).fileName()),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save) return SaveTo(FromCore(calculation.FilePath()));
    return answer == QMessageBox::Discard;
}

// Written to a temporary file and renamed over the target, so a failure
// never leaves half a file behind.
bool PartsListWindow::SaveTo(const QString& path) {
    bool saved = false;
    Guarded(this, [&] {
        const partslist::Calculation& calculation = main_->Calculation();
        const std::string text = partslist::WritePartsList(
            calculation.Lines(), calculation.PricePerKg(), calculation.Totals());
        QSaveFile file(path);
        errno = 0;
        const bool written = file.open(QIODevice::WriteOnly) &&
                             file.write(text.data(), qint64(text.size())) == qint64(text.size()) &&
                             file.flush();
        if (!written || !file.commit()) {
            // QSaveFile names a failed flush "Unknown error"; the system knows better.
            const QString reason = file.error() == QFileDevice::NoError || errno == 0
                                       ? file.errorString()
                                       : QString::fromLocal8Bit(std::strerror(errno));
            throw calc::Error("Could not save '" + path.toStdString() +
                              "': " + reason.toStdString());
        }
        main_->ListSaved(path);
        ShowTitle();
        Remember(path);
        saved = true;
    });
    return saved;
}

void PartsListWindow::OpenFrom(const QString& path) {
    Guarded(this, [&] {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            throw calc::Error("Could not open '" + path.toStdString() +
                              "': " + file.errorString().toStdString());
        const QByteArray bytes = file.readAll();
        partslist::OpenedList list;
        try {
            ProgressBox progress(this, QStringLiteral("Reading the parts list…"));
            list =
                partslist::ReadPartsList(std::string_view(bytes.constData(), bytes.size()),
                                         path.toStdString(), {}, {}, progress.Step<std::size_t>());
        } catch (const partslist::Cancelled&) {
            return; // as if never asked
        }
        if (list.PricePerKg && !partslist::TotalCostCents(list.Totals.Lines, *list.PricePerKg))
            throw calc::Error(path.toStdString() + ": a price of " +
                              partslist::ExactNumber(*list.PricePerKg) +
                              " a kilogram gives costs past 15 digits");
        main_->ReplaceLines(std::move(list.Lines), std::move(list.Totals));
        PriceField->setText(list.PricePerKg ? PriceText(*list.PricePerKg) : QString());
        main_->ListSaved(path);
        ShowTitle();
        Remember(path);
        if (!list.IgnoredColumns.empty()) {
            QStringList names;
            for (const std::string& name : list.IgnoredColumns)
                names << QStringLiteral("\u201C%1\u201D").arg(FromCore(name));
            QMessageBox::information(this, AppTitle,
                                     QStringLiteral("Columns this program does not use were left "
                                                    "out: %1")
                                         .arg(names.join(QStringLiteral(", "))));
        }
    });
}

QuoteSheet PartsListWindow::Sheet() const {
    const partslist::Calculation& calculation = main_->Calculation();
    QuoteSheet sheet;
    sheet.Title = calculation.FilePath().empty()
                      ? QStringLiteral("Parts list")
                      : QFileInfo(FromCore(calculation.FilePath())).fileName();
    sheet.Date = QDate::currentDate();
    sheet.Lines = calculation.Lines();
    sheet.Totals = calculation.Totals();
    sheet.PricePerKg = calculation.PricePerKg();
    sheet.Separator = QChar::fromLatin1(DecimalSeparator());
    return sheet;
}

void PartsListWindow::Report() {
    const QString path = SaveFileName(this, QStringLiteral("Save quote sheet"),
                                      QSettings().value(FolderKey).toString(),
                                      QStringLiteral("PDF files (*.pdf)"), QStringLiteral("pdf"));
    if (!path.isEmpty()) ReportTo(path);
}

void PartsListWindow::ReportTo(const QString& path) {
    Guarded(this, [&] {
        ProgressBox progress(this, QStringLiteral("Writing the quote sheet…"));
        if (const QString error = SaveQuoteSheetPdf(path, Sheet(), progress.Step());
            !error.isEmpty())
            ShowError(this, error);
    });
}

void PartsListWindow::Print() {
    Guarded(this, [&] {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QuotePageSize());
        QPrintDialog dialog(&printer, this);
        if (dialog.exec() != QDialog::Accepted) return;
        ProgressBox progress(this, QStringLiteral("Printing the quote sheet…"));
        if (const QString error = PrintQuoteSheet(printer, Sheet(), progress.Step());
            !error.isEmpty())
            ShowError(this, error);
    });
}

void PartsListWindow::ShowSections() {
    main_->ShowSections();
}

} // namespace ui
