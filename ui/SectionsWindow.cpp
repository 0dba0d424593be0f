#include "ui/SectionsWindow.h"

#include "calc/Calculator.h"
#include "calc/Error.h"
#include "calc/Units.h"
#include "catalogue/Sections.h"
#include "ui/CoreText.h"
#include "ui/ErrorBox.h"
#include "ui/HelpWindow.h"
#include "ui/MainWindow.h"
#include "ui/SectionDrawing.h"
#include "ui/SpinEdit.h"

#include <QAbstractTableModel>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace ui {

using catalogue::Section;
using catalogue::SectionFamily;

// The sizes the table lists: the search's finds, each row one section. A new
// search is a new list, so the model is reset; the density in force changes
// one column.
class SectionsModel : public QAbstractTableModel {
public:
    enum Column {
        Designation,
        H,
        B,
        Tw,
        Tf,
        T,
        D,
        A,
        R,
        Area,
        Mass,
        MassAtDensity,
        Standard,
        ColumnCount
    };
    static constexpr Column Dimensions[] = {H, B, Tw, Tf, T, D, A, R};

    using QAbstractTableModel::QAbstractTableModel;

    void Show(std::vector<const Section*> rows);
    void SetDensity(std::optional<std::int32_t> density);

    const Section* At(int row) const {
        return row >= 0 && row < rowCount() ? rows_[std::size_t(row)] : nullptr;
    }
    int RowOf(const Section* section) const {
        const auto it = std::find(rows_.begin(), rows_.end(), section);
        return it == rows_.end() ? -1 : int(it - rows_.begin());
    }
    // Whether a row of the list has a figure in that column.
    bool Used(int column) const { return used_[std::size_t(column)]; }

    // A dimension of the section, or nothing where its family has none.
    static std::optional<double> Dimension(const Section& section, Column column);
    // "h", "tw", "D": the letters of the drawing.
    static QString Letter(Column column);

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : int(rows_.size());
    }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : ColumnCount;
    }
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    static bool Applies(SectionFamily family, Column column);
    QString Text(const Section& section, int column) const;

    std::vector<const Section*> rows_;
    std::array<bool, ColumnCount> used_{};
    std::optional<std::int32_t> density_;
};

// Which of the key dimensions a family is listed with: h, b, tw, tf, r for
// beams and channels; h, b, t (and r) for angles and hollow sections; D, t
// for tubes and pipes; D for rounds, a for squares, b and t for flats.
bool SectionsModel::Applies(SectionFamily family, Column column) {
    using F = SectionFamily;
    const bool flanged = family <= F::UPE || family == F::W;
    const bool angle = family == F::EqualAngle || family == F::UnequalAngle;
    const bool hollow = family == F::SHS || family == F::RHS;
    const bool ring = family == F::CHS || family == F::Pipe;
    switch (column) {
    case H:
    case R:
        return flanged || angle || hollow;
    case B:
        return flanged || angle || hollow || family == F::FlatBar;
    case Tw:
    case Tf:
        return flanged;
    case T:
        return angle || hollow || ring || family == F::FlatBar;
    case D:
        return ring || family == F::RoundBar;
    case A:
        return family == F::SquareBar;
    default:
        return true;
    }
}

std::optional<double> SectionsModel::Dimension(const Section& s, Column column) {
    if (!Applies(s.Family, column)) return std::nullopt;
    switch (column) {
    case H:
        return s.H;
    case B:
        return s.B;
    case Tw:
        return s.Tw;
    case Tf:
        return s.Tf;
    case T:
        return s.T;
    case D:
        return s.D;
    case A:
        return s.H > 0 ? s.H : s.B;
    case R:
        return s.R1;
    default:
        return std::nullopt;
    }
}

QString SectionsModel::Letter(Column column) {
    static constexpr const char* letters[] = {"", "h", "b", "tw", "tf", "t", "D", "a", "r"};
    const auto at = std::size_t(column);
    return at < std::size(letters) ? QString::fromLatin1(letters[at]) : QString();
}

void SectionsModel::Show(std::vector<const Section*> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    // A column shows where any family in the list has its figure.
    std::array<bool, std::size_t(SectionFamily::W) + 1> present{};
    for (const Section* s : rows_)
        present[std::size_t(s->Family)] = true;
    used_.fill(false);
    for (std::size_t f = 0; f < present.size(); ++f)
        if (present[f])
            for (int c = 0; c < ColumnCount; ++c)
                used_[std::size_t(c)] =
                    used_[std::size_t(c)] || Applies(SectionFamily(f), Column(c));
    endResetModel();
}

void SectionsModel::SetDensity(std::optional<std::int32_t> density) {
    if (density == density_) return;
    density_ = density;
    emit headerDataChanged(Qt::Horizontal, MassAtDensity, MassAtDensity);
    if (rowCount() > 0)
        emit dataChanged(index(0, MassAtDensity), index(rowCount() - 1, MassAtDensity),
                         {Qt::DisplayRole});
}

namespace {

// A figure of the table as it gives it, with the user's decimal separator.
QString Number(double value) {
    return QString::number(value, 'g', 12).replace(u'.', QChar::fromLatin1(DecimalSeparator()));
}

// A mass worked out here: four significant figures, as table books print them.
QString Figure(double value) {
    const int decimals = value >= 1000 ? 0 : value >= 100 ? 1 : value >= 10 ? 2 : 3;
    return QString::number(value, 'f', decimals)
        .replace(u'.', QChar::fromLatin1(DecimalSeparator()));
}

} // namespace

QString SectionsModel::Text(const Section& s, int column) const {
    switch (column) {
    case Designation:
        return FromCore(s.Designation);
    case Area:
        return Number(s.AreaCm2);
    case Mass:
        return Number(s.MassKgPerM);
    case MassAtDensity:
        // cm² to m², times kg/m³: kilograms in a metre.
        return density_ ? Figure(s.AreaCm2 * 1e-4 * double(*density_)) : QString();
    case Standard:
        return FromCore(s.Standard);
    default: {
        const auto value = Dimension(s, Column(column));
        return value ? Number(*value) : QString();
    }
    }
}

QVariant SectionsModel::data(const QModelIndex& index, int role) const {
    const Section* s = At(index.row());
    if (!s || index.column() >= ColumnCount) return {};
    if (role == Qt::DisplayRole) return Text(*s, index.column());
    if (role == Qt::TextAlignmentRole) {
        const bool number = index.column() != Designation && index.column() != Standard;
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    if (role == Qt::ToolTipRole && index.column() == Designation && s->LgplExtra)
        return QStringLiteral("A size named only by an LGPL source; its area is computed from "
                              "its dimensions");
    return {};
}

QVariant SectionsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount) return {};
    if (role == Qt::DisplayRole) {
        switch (section) {
        case Designation:
            return QStringLiteral("Designation");
        case Area:
            return QStringLiteral("Area, cm²");
        case Mass:
            return QStringLiteral("kg/m at 7850");
        case MassAtDensity:
            return density_ ? QStringLiteral("kg/m at %1").arg(*density_)
                            : QStringLiteral("kg/m at density");
        case Standard:
            return QStringLiteral("Standard");
        default:
            return Letter(Column(section)) + QStringLiteral(", mm");
        }
    }
    if (role == Qt::ToolTipRole) {
        switch (section) {
        case Mass:
            return QStringLiteral("Mass of one metre at 7850 kg/m³, as the table books give it");
        case MassAtDensity:
            return QStringLiteral("Mass of one metre at the density in the main window");
        case R:
            return QStringLiteral("Root radius; of a hollow section, its outer corner radius");
        default:
            return {};
        }
    }
    return {};
}

// The selected section drawn to scale with its dimensions lettered.
class SectionPicture : public QWidget {
public:
    explicit SectionPicture(QWidget* parent) : QWidget(parent) {}
    void Show(const Section* section) {
        section_ = section;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        // With none chosen, a section of no size: the panel alone.
        DrawSection(painter, rect(), section_ ? *section_ : Section{}, true);
    }

private:
    const Section* section_ = nullptr;
};

namespace {

template <typename Control>
Control* Named(Control* control, const char* name, const QString& spoken,
               const QString& description = {}) {
    control->setObjectName(QLatin1String(name));
    control->setAccessibleName(spoken);
    if (!description.isEmpty()) control->setAccessibleDescription(description);
    return control;
}

QLabel* Caption(QWidget* parent, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

// "IPE 200 drawn to scale: h 200 mm, b 100 mm, ...", for a screen reader.
QString Described(const Section& s) {
    QStringList dimensions;
    for (const SectionsModel::Column column : SectionsModel::Dimensions)
        if (const auto value = SectionsModel::Dimension(s, column))
            dimensions << SectionsModel::Letter(column) + u' ' + Number(*value) +
                              QStringLiteral(" mm");
    return FromCore(s.Designation) + QStringLiteral(" drawn to scale: ") +
           dimensions.join(QStringLiteral(", "));
}

} // namespace

SectionsWindow::SectionsWindow(MainWindow* main) : QWidget(main, Qt::Window), main_(main) {
    setObjectName(QStringLiteral("SectionsWindow"));
    setWindowTitle(QStringLiteral("Standard sections"));
    model_ = new SectionsModel(this);
    CreateControls();
    resize(1060, 640);

    connect(SearchField, &QLineEdit::textChanged, this, &SectionsWindow::Search);
    connect(FamilyList, &QListWidget::currentRowChanged, this, &SectionsWindow::Search);
    connect(SizesTable->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &SectionsWindow::ShowSelected);
    connect(main_->DensityField, &QLineEdit::textChanged, this, &SectionsWindow::DensityChanged);
    connect(AddButton, &QPushButton::clicked, this, &SectionsWindow::Add);
    connect(LengthField, &QLineEdit::returnPressed, this, &SectionsWindow::Add);
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this, [this] {
        Guarded(this, [&] {
            HelpWindow::ShowPage(this, QUrl(QStringLiteral("qrc:/help/sections.html")));
        });
    });
    SearchField->installEventFilter(this);

    DensityChanged();
    FamilyList->setCurrentRow(0); // all families: the first search
    SearchField->setFocus();
}

void SectionsWindow::CreateControls() {
    SearchField = Named(new QLineEdit(this), "SearchField", QStringLiteral("Search sections"),
                        QStringLiteral("Words of a designation, in any order: ipe 200, 100x50, "
                                       "4 sch 40"));
    SearchField->setPlaceholderText(QStringLiteral("ipe 200, shs 100x5, 4 sch 40, w8 …"));
    SearchField->setClearButtonEnabled(true);
    CountLabel = Named(new QLabel(this), "CountLabel", QStringLiteral("Sections found"));

    FamilyList = Named(new QListWidget(this), "FamilyList", QStringLiteral("Families"),
                       QStringLiteral("Shows one family's sizes, or all families"));
    FamilyList->addItem(QStringLiteral("All families"));
    for (const SectionFamily family : catalogue::SectionFamilies())
        FamilyList->addItem(FromCore(catalogue::FamilyName(family)));
    FamilyList->setFixedWidth(FamilyList->sizeHintForColumn(0) + 2 * FamilyList->frameWidth() + 8);

    SizesTable = Named(new QTableView(this), "SizesTable", QStringLiteral("Sizes"),
                       QStringLiteral("The sections found, with their dimensions, area and mass "
                                      "per metre"));
    SizesTable->setModel(model_);
    SizesTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    SizesTable->setSelectionMode(QAbstractItemView::SingleSelection);
    SizesTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    SizesTable->setWordWrap(false);
    SizesTable->setTabKeyNavigation(false); // Tab goes on to the length
    SizesTable->verticalHeader()->hide();
    // Fixed row heights and column widths: a keystroke of the search lays out
    // no more than the rows in sight.
    SizesTable->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    SizesTable->verticalHeader()->setDefaultSectionSize(SizesTable->fontMetrics().height() + 6);
    QHeaderView* header = SizesTable->horizontalHeader();
    header->setStretchLastSection(true);
    const QFontMetrics metrics = SizesTable->fontMetrics();
    const auto fit = [&](int column, const QString& widest) {
        const QString heading =
            model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        header->resizeSection(column, std::max(metrics.horizontalAdvance(widest),
                                               header->fontMetrics().horizontalAdvance(heading)) +
                                          14);
    };
    fit(SectionsModel::Designation, QStringLiteral("RHS 500x300x20 EN 10219"));
    for (const SectionsModel::Column column : SectionsModel::Dimensions)
        fit(column, QStringLiteral("999.9"));
    fit(SectionsModel::Area, QStringLiteral("1234.5"));
    fit(SectionsModel::Mass, QStringLiteral("1234.5"));
    fit(SectionsModel::MassAtDensity, QStringLiteral("kg/m at 10000"));

    Drawing = new SectionPicture(this);
    Named(Drawing, "SectionDrawing", QStringLiteral("Drawing of the section"));
    Drawing->setFixedSize(320, 240);
    DesignationLabel = Named(new QLabel(this), "DesignationLabel", QStringLiteral("Section"));
    QFont big = DesignationLabel->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    DesignationLabel->setFont(big);
    StandardLabel = Named(new QLabel(this), "StandardLabel", QStringLiteral("Standard"));
    NoteLabel = Named(new QLabel(this), "NoteLabel", QStringLiteral("Note"));
    AddedLabel = Named(new QLabel(this), "AddedLabel", QStringLiteral("Last added"));
    for (QLabel* label : {StandardLabel, NoteLabel, AddedLabel})
        label->setWordWrap(true);

    LengthField = Named(new QLineEdit(this), "LengthField", QStringLiteral("Length"),
                        QStringLiteral("Length of one piece"));
    LengthUnitBox = Named(new QComboBox(this), "LengthUnitBox", QStringLiteral("Unit of length"));
    for (const calc::NamedUnit& unit : calc::LengthUnits)
        LengthUnitBox->addItem(FromCore(unit.Name));
    LengthUnitBox->setCurrentText(QStringLiteral("meter")); // sections are bought by the metre
    QuantityBox = Named(new SpinEdit(this), "QuantityBox", QStringLiteral("Quantity"),
                        QStringLiteral("Number of equal pieces, 1 to 1000"));
    AddButton = Named(new QPushButton(QStringLiteral("Add"), this), "AddButton",
                      QStringLiteral("Add section"),
                      QStringLiteral("Adds the pieces to the totals and the parts list as one "
                                     "line"));
    AddButton->setAutoDefault(false);

    auto* search = new QHBoxLayout;
    search->addWidget(Caption(this, QStringLiteral("&Search:"), SearchField));
    search->addWidget(SearchField, 1);
    search->addWidget(CountLabel);

    auto* lists = new QHBoxLayout;
    lists->addWidget(FamilyList);
    lists->addWidget(SizesTable, 1);

    auto* add = new QGridLayout;
    add->addWidget(Caption(this, QStringLiteral("&Length:"), LengthField), 0, 0);
    add->addWidget(LengthField, 0, 1);
    add->addWidget(LengthUnitBox, 0, 2);
    add->addWidget(Caption(this, QStringLiteral("&Quantity:"), QuantityBox), 1, 0);
    add->addWidget(QuantityBox, 1, 1);
    add->addWidget(AddButton, 1, 2);
    add->setColumnStretch(3, 1);

    auto* details = new QVBoxLayout;
    details->addWidget(DesignationLabel);
    details->addWidget(StandardLabel);
    details->addWidget(NoteLabel);
    details->addStretch();
    details->addLayout(add);
    details->addWidget(AddedLabel);

    auto* chosen = new QHBoxLayout;
    chosen->addWidget(Drawing, 0, Qt::AlignTop);
    chosen->addLayout(details, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addLayout(lists, 1);
    layout->addLayout(chosen);

    setTabOrder(SearchField, FamilyList);
    setTabOrder(FamilyList, SizesTable);
    setTabOrder(SizesTable, LengthField);
    setTabOrder(LengthField, LengthUnitBox);
    setTabOrder(LengthUnitBox, QuantityBox);
    setTabOrder(QuantityBox, AddButton);
}

const Section* SectionsWindow::Selected() const {
    const QModelIndexList rows = SizesTable->selectionModel()->selectedRows();
    return rows.isEmpty() ? nullptr : model_->At(rows.front().row());
}

// Every keystroke: the sections matching the words, within the family chosen.
// The section selected stays so while the search still finds it; otherwise
// the first found is selected, so the drawing follows the typing.
void SectionsWindow::Search() {
    Guarded(this, [&] {
        const Section* kept = Selected();
        const int chosen = FamilyList->currentRow() - 1; // -1: all families
        const auto families = catalogue::SectionFamilies();
        std::vector<const Section*> found;
        if (chosen >= 0 && SearchField->text().trimmed().isEmpty()) {
            for (const Section& s : catalogue::SectionsOf(families[std::size_t(chosen)]))
                found.push_back(&s);
        } else {
            found = catalogue::SearchSections(SearchField->text().toStdString());
            if (chosen >= 0)
                std::erase_if(found, [&](const Section* s) {
                    return s->Family != families[std::size_t(chosen)];
                });
        }
        model_->Show(std::move(found));
        for (int column = 0; column < SectionsModel::ColumnCount; ++column)
            SizesTable->setColumnHidden(column, !model_->Used(column));
        CountLabel->setText(model_->rowCount() == 1
                                ? QStringLiteral("1 section")
                                : QStringLiteral("%1 sections").arg(model_->rowCount()));
        if (model_->rowCount() == 0) {
            ShowSelected();
            return;
        }
        const int row = std::max(model_->RowOf(kept), 0);
        SizesTable->selectRow(row);
        SizesTable->scrollTo(model_->index(row, 0));
    });
}

void SectionsWindow::ShowSelected() {
    const Section* s = Selected();
    Drawing->Show(s);
    Drawing->setAccessibleDescription(s ? Described(*s) : QString());
    DesignationLabel->setText(s ? FromCore(s->Designation) : QString());
    StandardLabel->setText(s ? QStringLiteral("Standard: ") + FromCore(s->Standard) : QString());
    NoteLabel->setText(s && s->LgplExtra
                           ? QStringLiteral("A size named only by an LGPL source; its area is "
                                            "computed from its dimensions.")
                           : QString());
    AddButton->setEnabled(s != nullptr);
}

// The mass at the density in force, read as an Add reads the density field;
// none while the field holds no density.
void SectionsWindow::DensityChanged() {
    std::optional<std::int32_t> density;
    try {
        density = calc::ReadDensity(main_->DensityField->text().toStdString());
    } catch (const calc::Error&) {
    }
    model_->SetDensity(density);
}

void SectionsWindow::Add() {
    const Section* s = Selected();
    if (!s) return;
    const std::size_t before = main_->Calculation().Lines().size();
    main_->AddSection(FromCore(s->Designation), LengthField->text(), LengthUnitBox->currentText(),
                      QuantityBox->value());
    if (main_->Calculation().Lines().size() > before)
        AddedLabel->setText(
            QStringLiteral("Added %1 × %2, %3 %4 each.")
                .arg(QuantityBox->value())
                .arg(FromCore(s->Designation), LengthField->text(), LengthUnitBox->currentText()));
}

// Down or Enter in the search field goes on to the sizes found.
bool SectionsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == SearchField && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Down || key == Qt::Key_Return || key == Qt::Key_Enter) {
            SizesTable->setFocus();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace ui
