#include "ui/PartsListWindow.h"

#include "calc/Display.h"
#include "partslist/Describe.h"
#include "ui/CommandButton.h"
#include "ui/CoreText.h"
#include "ui/Document.h"
#include "ui/Drops.h"
#include "ui/ErrorBox.h"
#include "ui/HelpWindow.h"
#include "ui/PartsListModel.h"
#include "ui/WindowTexts.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTextLayout>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace ui {
namespace {

const QString GeometryKey = QStringLiteral("PartsList/Geometry");

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

// Each cell's text laid out once. The style lays it out three times (to size
// it, to elide it and to draw it), and an Add repaints every row in sight.
// Drawn where the style draws it: within the focus frame's margin, centred
// as the cell aligns it, elided only where it does not fit. The current cell
// is left to the style, which draws its focus frame over the text.
class Cells : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        if (option.state & QStyle::State_HasFocus)
            return QStyledItemDelegate::paint(painter, option, index);
        QStyleOptionViewItem cell = option;
        initStyleOption(&cell, index);
        const QString text = std::exchange(cell.text, QString());
        const QStyle* style = cell.widget->style();
        style->drawControl(QStyle::CE_ItemViewItem, &cell, painter, cell.widget);
        const int margin =
            style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, cell.widget) + 1;
        const QRect box = cell.rect.adjusted(margin, 0, -margin, 0);
        QTextLayout layout(text, cell.font);
        QTextOption placing(QStyle::visualAlignment(cell.direction, cell.displayAlignment));
        placing.setWrapMode(QTextOption::ManualWrap);
        placing.setTextDirection(cell.direction);
        layout.setTextOption(placing);
        QTextLine line = Laid(layout, box.width());
        if (line.naturalTextWidth() > box.width()) {
            layout.setText(cell.fontMetrics.elidedText(text, cell.textElideMode, box.width()));
            line = Laid(layout, box.width());
        }
        const QSize size(box.width(), int(line.height()));
        const QRect place = QStyle::alignedRect(
            cell.direction, cell.displayAlignment & Qt::AlignVertical_Mask, size, box);
        QPalette::ColorGroup group = QPalette::Normal;
        if (!(cell.state & QStyle::State_Enabled))
            group = QPalette::Disabled;
        else if (!(cell.state & QStyle::State_Active))
            group = QPalette::Inactive;
        const bool selected = cell.state & QStyle::State_Selected;
        painter->setPen(
            cell.palette.color(group, selected ? QPalette::HighlightedText : QPalette::Text));
        layout.draw(painter, QPointF(box.left(), place.top()));
    }

private:
    static QTextLine Laid(QTextLayout& layout, int width) {
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLineWidth(width);
        layout.endLayout();
        return line;
    }
};

} // namespace

PartsListWindow::PartsListWindow(Document& document, QWidget* owner)
    : QWidget(owner, Qt::Window), document_(document) {
    setObjectName(QStringLiteral("PartsListWindow"));
    setWindowTitle(QStringLiteral("Parts list"));
    resize(760, 420);
    model_ = new PartsListModel(document_, this);
    CreateControls();
    OpenDroppedLists(this, document_);

    connect(PriceField, &QLineEdit::textChanged, this, &PartsListWindow::PriceTyped);
    connect(PriceField, &QLineEdit::editingFinished, this, &PartsListWindow::PriceFinished);
    connect(&document_, &Document::changed, this, &PartsListWindow::Changed);
    connect(&document_, &Document::priceChanged, this, &PartsListWindow::ShowPrice);
    connect(&document_, &Document::recentFilesChanged, this, &PartsListWindow::ShowRecentFiles);
    connect(model_, &PartsListModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { RowsAdded(first, last); });
    connect(model_, &PartsListModel::modelReset, this, [this] { FitColumns(); });
    connect(Table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { RemoveAction->setEnabled(Table->selectionModel()->hasSelection()); });
    RemoveAction->setEnabled(false);
    Table->installEventFilter(this);
    PriceField->installEventFilter(this);
    HelpWindow::ShowOnF1(this, QUrl(QStringLiteral("qrc:/help/parts-list.html")));
    Changed();
    restoreGeometry(QSettings().value(GeometryKey).toByteArray());
    if (const auto price = document_.RememberedPrice()) PriceField->setText(PriceText(*price));
    priceBefore_ = document_.Calculation().PricePerKg();
}

void PartsListWindow::CreateControls() {
    Table = new QTableView(this);
    Table->setVerticalHeader(new LineNumbers(Table));
    Table->setObjectName(QStringLiteral("PartsTable"));
    Table->setAccessibleName(QStringLiteral("Lines of the calculation"));
    Table->setModel(model_);
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table->setWordWrap(false);
    Table->setItemDelegate(new Cells(Table));
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
    // Why what the price field says is not the price in force; hidden while it is.
    PriceNote = new QLabel(this);
    PriceNote->setObjectName(QStringLiteral("PriceNote"));
    PriceNote->setAccessibleName(QStringLiteral("Price note"));
    PriceNote->setStyleSheet(QStringLiteral("color: #800000"));
    PriceNote->hide();
    totals->addWidget(PriceNote, 2, 1, 1, 5);
    totals->setColumnStretch(1, 1);
    totals->setColumnStretch(4, 1);

    // The window's commands (ui/CommandButton.h): three that open the other
    // windows, then the list's own.
    auto* buttons = new QHBoxLayout;
    const auto command = [&](QToolButton*& button, const char* name, const QString& caption,
                             const QString& description, const QKeySequence& keys,
                             void (PartsListWindow::*run)()) {
        button = CommandButton(this, buttons, name, caption, description, keys);
        connect(button->defaultAction(), &QAction::triggered, this, run);
        return button->defaultAction();
    };
    const auto opens = [&](const char* name, const QString& caption, const QString& description,
                           const QKeySequence& keys, void (Document::*show)()) {
        QToolButton* button = CommandButton(this, buttons, name, caption, description, keys);
        connect(button->defaultAction(), &QAction::triggered, &document_, show);
    };
    opens("AddSectionAction", QStringLiteral("Add section…"),
          QStringLiteral("Opens the standard sections, to add one to the list"),
          QKeySequence(Qt::CTRL | Qt::Key_K), &Document::ShowSections);
    opens("MaterialAction", QStringLiteral("Material…"),
          QStringLiteral("Opens the materials, to pick one or price your own"),
          QKeySequence(Qt::CTRL | Qt::Key_M), &Document::ShowMaterials);
    opens("CutListAction", QStringLiteral("Cut list…"),
          QStringLiteral("Opens the take-off and the cut list: which bars to buy, how to cut them"),
          QKeySequence(Qt::CTRL | Qt::Key_T), &Document::ShowCutList);
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
}

void PartsListWindow::closeEvent(QCloseEvent* event) {
    QSettings().setValue(GeometryKey, saveGeometry());
    document_.RememberPrice(document_.Calculation().PricePerKg());
    QWidget::closeEvent(event);
}

// The table would take Delete and Ctrl+C for itself (to search its rows, to
// copy one cell); in the table they remove and copy whole lines.
bool PartsListWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == PriceField && event->type() == QEvent::FocusIn) PriceEditBegins();
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
    FitColumns();
}

// Columns as wide as what they show, and the window as wide as the columns,
// as far as the screen allows: a line's weight and cost in sight without
// scrolling.
void PartsListWindow::FitColumns(int first, int last) {
    if (!isVisible()) return;
    QHeaderView* header = Table->horizontalHeader();
    if (first < 0) {
        Table->resizeColumnsToContents();
    } else { // new rows: only their cells can ask for more room
        for (int row = first; row <= last; ++row)
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

// One line added at the end comes into sight; more fit the columns as a new
// list does.
void PartsListWindow::RowsAdded(int first, int last) {
    if (first != last) return FitColumns();
    if (last == model_->rowCount() - 1) Table->scrollToBottom();
    FitColumns(first, last);
}

void PartsListWindow::Changed() {
    ShowTotals();
    ShowTitle();
}

// The totals as the main window's result fields show them, in kilograms and
// cubic metres; empty where they are.
void PartsListWindow::ShowTotals() {
    const partslist::Calculation& calculation = document_.Calculation();
    const calc::CalcState& state = calculation.State();
    const partslist::TotalsShown shown = calculation.Shown();
    const char separator = DecimalSeparator();
    const auto price = calculation.PricePerKg();
    const bool none = shown == partslist::TotalsShown::Nothing;
    WeightTotal->setText(none ? QString()
                              : FromCore(calc::FormatTotal(state.TotalWeight, separator)));
    VolumeTotal->setText(shown == partslist::TotalsShown::WeightAndMarker ? NoVolumeMarker
                         : shown == partslist::TotalsShown::WeightAndVolume
                             ? FromCore(calc::FormatTotal(state.TotalVolume, separator))
                             : QString());
    CostTotal->setText(partslist::Costed(calculation.Results(), price) && !none
                           ? FromCore(partslist::CentsText(
                                 partslist::TotalCostCents(calculation.Results(), price), separator))
                           : QString());
}

// The file's name with a mark while it has unsaved changes.
void PartsListWindow::ShowTitle() {
    const QString path = document_.FilePath();
    setWindowFilePath(path);
    setWindowTitle(path.isEmpty()
                       ? QStringLiteral("Parts list")
                       : QFileInfo(path).fileName() + QStringLiteral("[*] \u2014 Parts list"));
    setWindowModified(document_.Modified());
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
        document_.Remove(rows);
    });
}

} // namespace ui
