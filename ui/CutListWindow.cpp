#include "ui/CutListWindow.h"

#include "calc/Error.h"
#include "calc/ParseNumber.h"
#include "partslist/PartsFile.h"
#include "ui/CommandButton.h"
#include "ui/CoreText.h"
#include "ui/Document.h"
#include "ui/ErrorBox.h"
#include "ui/HelpWindow.h"
#include "ui/Named.h"
#include "ui/PlanView.h"
#include "ui/StockModel.h"
#include "ui/TakeoffModel.h"

#include <QAction>
#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QShortcut>
#include <QSpinBox>
#include <QTableView>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace ui {
namespace {

const QString GeometryKey = QStringLiteral("CutList/Geometry");
const QString TimeLimitKey = QStringLiteral("CutList/TimeLimit");

// A saw setting as typed: millimetres, 0 or more.
double Millimetres(const QLineEdit* field, const QString& what) {
    const std::string text = field->text().trimmed().toStdString();
    try {
        const double mm = calc::ParseNumber(text);
        if (mm >= 0) return mm;
    } catch (const calc::Error&) {
    }
    throw calc::Error(what.toStdString() + " is a number of millimetres, 0 or more");
}

// The key a group's settings are kept under: its item and material, which
// may hold any character, percent-encoded into one key.
QString KeyOf(const CutListGroup& group) {
    return QStringLiteral("CutList/Groups/") +
           QString::fromLatin1(
               QUrl::toPercentEncoding(FromCore(group.Group.Item + '\t' + group.Group.Material)));
}

} // namespace

CutListWindow::CutListWindow(Document& document, QWidget* owner)
    : QWidget(owner, Qt::Window), document_(document) {
    setObjectName(QStringLiteral("CutListWindow"));
    setWindowTitle(QStringLiteral("Cut list"));
    resize(900, 680);
    takeoff_ = new TakeoffModel(groups_, this);
    stock_ = new StockModel(this);
    CreateControls();

    connect(TakeoffTable->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &CutListWindow::GroupChosen);
    connect(stock_, &StockModel::edited, this, [this] {
        if (const int row = Chosen(); row >= 0) Remember(groups_[std::size_t(row)]);
    });
    connect(stock_, &StockModel::refused, this,
            [this](const QString& why) { ShowError(this, why); });
    for (QLineEdit* field : {KerfField, TrimField, MinOffcutField})
        connect(field, &QLineEdit::editingFinished, this, &CutListWindow::SawEdited);
    connect(AddStockButton, &QPushButton::clicked, stock_, &StockModel::AddStock);
    connect(RemoveStockButton, &QPushButton::clicked, this,
            [this] { stock_->RemoveStock(StockTable->currentIndex().row()); });
    connect(QuoteByBarsBox, &QCheckBox::toggled, &document_, &Document::SetQuoteByBars);
    connect(TimeLimitBox, &QSpinBox::valueChanged, this,
            [](int seconds) { QSettings().setValue(TimeLimitKey, seconds); });
    // Any change of the lines or of their prices makes a new take-off.
    for (auto changed : {&Document::linesInserted, &Document::linesRemoved, &Document::linesReset,
                         &Document::weightsChanged, &Document::priceChanged})
        connect(&document_, changed, this, [this] {
            if (isVisible()) Refresh();
        });
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            &CutListWindow::ShowHelp);
    TimeLimitBox->setValue(QSettings().value(TimeLimitKey, 10).toInt());
    QuoteByBarsBox->setChecked(document_.QuoteByBars());
    restoreGeometry(QSettings().value(GeometryKey).toByteArray());
    Refresh();
}

// The groups go before QWidget's destructor closes the window, which asks
// the views to lay out once more: they let go of the models that look
// into the groups first.
CutListWindow::~CutListWindow() {
    TakeoffTable->setModel(nullptr);
    StockTable->setModel(nullptr);
    Plan->Show(nullptr);
}

void CutListWindow::CreateControls() {
    TakeoffTable = Named(new QTableView(this), "TakeoffTable", QStringLiteral("Take-off"));
    TakeoffTable->setModel(takeoff_);
    TakeoffTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    TakeoffTable->setSelectionMode(QAbstractItemView::SingleSelection);
    TakeoffTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TakeoffTable->setWordWrap(false);
    TakeoffTable->horizontalHeader()->setStretchLastSection(true);
    NoticeLabel = Named(new QLabel(this), "NoticeLabel", QStringLiteral("Notice"));
    NoticeLabel->setWordWrap(true);

    auto* buttons = new QHBoxLayout;
    // Each command's button, and its action for the window to enable.
    const auto command = [&](QToolButton*& button, const char* name, const QString& caption,
                             const QString& description, const QKeySequence& keys,
                             void (CutListWindow::*run)()) {
        button = CommandButton(this, buttons, name, caption, description, keys);
        connect(button->defaultAction(), &QAction::triggered, this, run);
        return button->defaultAction();
    };
    SolveAction = command(SolveButton, "SolveAction", QStringLiteral("Solve"),
                          QStringLiteral("Finds the bars to buy and how to cut them, at the least "
                                         "cost"),
                          QKeySequence(Qt::CTRL | Qt::Key_Return), &CutListWindow::Solve);
    CopyAction = command(CopyButton, "CopyAction", QStringLiteral("Copy"),
                         QStringLiteral("Copies the take-off for a spreadsheet"),
                         QKeySequence::Copy, &CutListWindow::CopyTakeoff);
    CutSheetAction = command(CutSheetButton, "CutSheetAction", QStringLiteral("Cut sheet…"),
                             QStringLiteral("Saves the cut sheet of the plans as a PDF file"),
                             QKeySequence(Qt::CTRL | Qt::Key_R), &CutListWindow::SaveCutSheet);
    PrintAction = command(PrintButton, "PrintAction", QStringLiteral("Print…"),
                          QStringLiteral("Prints the cut sheet of the plans"), QKeySequence::Print,
                          &CutListWindow::PrintSheet);
    TimeLimitBox = Named(new QSpinBox(this), "TimeLimitBox",
                         QStringLiteral("Time limit for each group, seconds"));
    TimeLimitBox->setRange(1, 600);
    TimeLimitBox->setSuffix(QStringLiteral(" s"));
    auto* limit = new QLabel(QStringLiteral("&Time limit"), this);
    limit->setBuddy(TimeLimitBox);
    buttons->addSpacing(12);
    buttons->addWidget(limit);
    buttons->addWidget(TimeLimitBox);
    buttons->addStretch();
    QuoteByBarsBox =
        Named(new QCheckBox(QStringLiteral("&Quote sheet prices these lines by "
                                           "the bars bought"),
                            this),
              "QuoteByBarsBox", QStringLiteral("Quote sheet prices the lines by the bars bought"));

    Plan = new PlanView(this);
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("PlanScroll"));
    scroll->setWidget(Plan);
    scroll->setWidgetResizable(true);
    SummaryLabel = Named(new QLabel(this), "SummaryLabel", QStringLiteral("Plan"));
    SummaryLabel->setWordWrap(true);
    SummaryLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TakeoffTable, 3);
    layout->addWidget(NoticeLabel);
    layout->addWidget(CreateStockBox());
    layout->addLayout(buttons);
    layout->addWidget(QuoteByBarsBox);
    layout->addWidget(scroll, 2);
    layout->addWidget(SummaryLabel);
}

QWidget* CutListWindow::CreateStockBox() {
    StockBox = Named(new QGroupBox(this), "StockBox", QStringLiteral("Stock and saw"));
    StockTable = Named(new QTableView(StockBox), "StockTable", QStringLiteral("Stock lengths"));
    StockTable->setModel(stock_);
    StockTable->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    StockTable->setMaximumHeight(110);
    StockTable->setEditTriggers(QAbstractItemView::AllEditTriggers);
    AddStockButton = Named(new QPushButton(QStringLiteral("&Add length"), StockBox),
                           "AddStockButton", QStringLiteral("Add a stock length"));
    RemoveStockButton = Named(new QPushButton(QStringLiteral("Re&move length"), StockBox),
                              "RemoveStockButton", QStringLiteral("Remove the stock length"));
    const auto field = [&](const char* name, const QString& spoken) {
        auto* edit = Named(new QLineEdit(StockBox), name, spoken);
        edit->setAlignment(Qt::AlignRight);
        edit->setMaximumWidth(90);
        return edit;
    };
    KerfField = field("KerfField", QStringLiteral("Saw kerf, mm"));
    TrimField = field("TrimField", QStringLiteral("Trim at each end, mm"));
    MinOffcutField = field("MinOffcutField", QStringLiteral("Shortest usable offcut, mm"));
    auto* saw = new QFormLayout;
    saw->addRow(QStringLiteral("Saw &kerf, mm"), KerfField);
    saw->addRow(QStringLiteral("T&rim at each end, mm"), TrimField);
    saw->addRow(QStringLiteral("Shortest usable &offcut, mm"), MinOffcutField);
    auto* stockButtons = new QVBoxLayout;
    stockButtons->addWidget(AddStockButton);
    stockButtons->addWidget(RemoveStockButton);
    stockButtons->addStretch();
    auto* row = new QHBoxLayout(StockBox);
    row->addWidget(StockTable, 1);
    row->addLayout(stockButtons);
    row->addSpacing(12);
    row->addLayout(saw);
    return StockBox;
}

void CutListWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Refresh(); // the lines may have changed while it was hidden
}

void CutListWindow::closeEvent(QCloseEvent* event) {
    QSettings().setValue(GeometryKey, saveGeometry());
    QWidget::closeEvent(event);
}

void CutListWindow::Refresh() {
    Guarded(this, [&] {
        const partslist::Calculation& list = document_.Calculation();
        std::vector<cutlist::Group> groups =
            cutlist::TakeOff(list.Lines(), list.Results(), list.PricePerKg());
        const int chosen = std::max(0, Chosen());
        takeoff_->BeginReset();
        groups_.clear();
        for (cutlist::Group& group : groups) {
            groups_.push_back({std::move(group), {}, {}, {}, false});
            Recall(groups_.back());
        }
        takeoff_->EndReset();
        TakeoffTable->resizeColumnsToContents();
        NoticeLabel->setText(groups_.empty() ? FromCore(cutlist::NothingCutFromStock) + u'.'
                                             : QString());
        NoticeLabel->setVisible(groups_.empty());
        if (!groups_.empty()) TakeoffTable->selectRow(std::min(chosen, int(groups_.size()) - 1));
        GroupChosen();
    });
}

int CutListWindow::Chosen() const {
    const int row = TakeoffTable->currentIndex().row();
    return row >= 0 && row < int(groups_.size()) ? row : -1;
}

void CutListWindow::GroupChosen() {
    const int row = Chosen();
    stock_->Show(row >= 0 ? &groups_[std::size_t(row)].Settings : nullptr);
    StockBox->setEnabled(row >= 0);
    StockBox->setTitle(row >= 0
                           ? QStringLiteral("Stock and saw for ") + groups_[std::size_t(row)].Name()
                           : QStringLiteral("Stock and saw"));
    const cutlist::Settings shown =
        row >= 0 ? groups_[std::size_t(row)].Settings : cutlist::Settings{};
    KerfField->setText(NumberAsTyped(shown.KerfMm, DecimalSeparator()));
    TrimField->setText(NumberAsTyped(shown.TrimMm, DecimalSeparator()));
    MinOffcutField->setText(NumberAsTyped(shown.MinOffcutMm, DecimalSeparator()));
    ShowGroup();
}

void CutListWindow::ShowGroup() {
    const int row = Chosen();
    const CutListGroup* group = row >= 0 ? &groups_[std::size_t(row)] : nullptr;
    Plan->Show(group);
    QString summary;
    if (group && group->Plan) {
        summary =
            group->Name() + QStringLiteral(": ") + SummaryText(*group) + u'\n' + BoughtText(*group);
        if (const QString remnants = RemnantsText(*group); !remnants.isEmpty())
            summary += QStringLiteral(". ") + remnants;
    }
    SummaryLabel->setText(summary);
    const bool any = !groups_.empty();
    const bool solved = std::any_of(groups_.begin(), groups_.end(),
                                    [](const CutListGroup& g) { return g.Plan.has_value(); });
    SolveAction->setEnabled(any);
    CopyAction->setEnabled(any);
    CutSheetAction->setEnabled(solved);
    PrintAction->setEnabled(solved);
}

// A saw setting that is no number is told, and the field shows the one kept.
void CutListWindow::SawEdited() {
    const int row = Chosen();
    if (row < 0) return;
    cutlist::Settings& settings = groups_[std::size_t(row)].Settings;
    Guarded(this, [&] {
        const double kerf = Millimetres(KerfField, QStringLiteral("The saw kerf"));
        const double trim = Millimetres(TrimField, QStringLiteral("The trim"));
        const double offcut = Millimetres(MinOffcutField, QStringLiteral("The shortest offcut"));
        settings.KerfMm = kerf, settings.TrimMm = trim, settings.MinOffcutMm = offcut;
    });
    KerfField->setText(NumberAsTyped(settings.KerfMm, DecimalSeparator()));
    TrimField->setText(NumberAsTyped(settings.TrimMm, DecimalSeparator()));
    MinOffcutField->setText(NumberAsTyped(settings.MinOffcutMm, DecimalSeparator()));
    Remember(groups_[std::size_t(row)]);
}

void CutListWindow::Remember(const CutListGroup& group) const {
    const cutlist::Settings& s = group.Settings;
    QSettings().setValue(KeyOf(group),
                         QStringList{FromCore(cutlist::StocksText(s.Stocks)),
                                     FromCore(partslist::ExactNumber(s.KerfMm)),
                                     FromCore(partslist::ExactNumber(s.TrimMm)),
                                     FromCore(partslist::ExactNumber(s.MinOffcutMm))});
}

// What was kept for the group, where it reads; the defaults otherwise.
void CutListWindow::Recall(CutListGroup& group) const {
    const QStringList kept = QSettings().value(KeyOf(group)).toStringList();
    if (kept.size() != 4) return;
    try {
        cutlist::Settings s;
        s.Stocks = cutlist::ReadStocks(kept[0].toStdString());
        const auto kerf = cutlist::ReadNumber(kept[1].toStdString());
        const auto trim = cutlist::ReadNumber(kept[2].toStdString());
        const auto offcut = cutlist::ReadNumber(kept[3].toStdString());
        if (!kerf || !trim || !offcut) return;
        s.KerfMm = *kerf, s.TrimMm = *trim, s.MinOffcutMm = *offcut;
        group.Settings = s;
    } catch (const calc::Error&) {
    }
}

void CutListWindow::ShowHelp() {
    Guarded(this,
            [&] { HelpWindow::ShowPage(this, QUrl(QStringLiteral("qrc:/help/cut-list.html"))); });
}

} // namespace ui
