#include "ui/SectionsWindow.h"

#include "calc/Units.h"
#include "catalogue/SectionDimensions.h"
#include "catalogue/Sections.h"
#include "ui/CoreText.h"
#include "ui/Document.h"
#include "ui/Drops.h"
#include "ui/ErrorBox.h"
#include "ui/HelpWindow.h"
#include "ui/Named.h"
#include "ui/SectionDrawing.h"
#include "ui/SectionsModel.h"
#include "ui/SpinEdit.h"

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
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace ui {

using catalogue::Section;
using catalogue::SectionFamily;

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

QLabel* Caption(QWidget* parent, const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

// "IPE 200 drawn to scale: h 200 mm, b 100 mm, ...", for a screen reader.
QString Described(const Section& s) {
    QStringList dimensions;
    for (const catalogue::Dimension dimension : catalogue::Dimensions)
        if (const auto value = catalogue::DimensionOf(s, dimension))
            dimensions << FromCore(catalogue::DimensionLetter(s.Family, dimension)) + u' ' +
                              SectionsModel::Number(*value) + QStringLiteral(" mm");
    return FromCore(s.Designation) + QStringLiteral(" drawn to scale: ") +
           dimensions.join(QStringLiteral(", "));
}

} // namespace

SectionsWindow::SectionsWindow(Document& document, QWidget* owner)
    : QWidget(owner, Qt::Window), document_(document) {
    setObjectName(QStringLiteral("SectionsWindow"));
    setWindowTitle(QStringLiteral("Standard sections"));
    model_ = new SectionsModel(this);
    CreateControls();
    resize(1220, 640);
    OpenDroppedLists(this, document_);

    connect(SearchField, &QLineEdit::textChanged, this, &SectionsWindow::Search);
    for (std::size_t i = 0; i < NearButtons.size(); ++i)
        connect(NearButtons[i], &QPushButton::clicked, this, [this, i] { NearChosen(i); });
    connect(FamilyList, &QListWidget::currentRowChanged, this, &SectionsWindow::Search);
    connect(SizesTable->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &SectionsWindow::ShowSelected);
    connect(&document_, &Document::fieldsChanged, this, &SectionsWindow::DensityChanged);
    connect(MaterialButton, &QPushButton::clicked, &document_, &Document::ShowMaterials);
    connect(AddButton, &QPushButton::clicked, this, &SectionsWindow::Add);
    connect(LengthField, &QLineEdit::returnPressed, this, &SectionsWindow::Add);
    HelpWindow::ShowOnF1(this, QUrl(QStringLiteral("qrc:/help/sections.html")));
    SearchField->installEventFilter(this);

    FamilyList->setCurrentRow(0); // all families: the first search
    DensityChanged();
    SearchField->setFocus();
}

void SectionsWindow::CreateControls() {
    SearchField = Named(new QLineEdit(this), "SearchField", QStringLiteral("Search sections"),
                        QStringLiteral("A designation as you write it, or its words in any "
                                       "order: ipe 200, he 200 b, 100x50, 4 sch 40, w8 31"));
    SearchField->setPlaceholderText(QStringLiteral("ipe 200, he 200 b, shs 100x5, 4\" sch 40, "
                                                   "w8x31 …"));
    SearchField->setClearButtonEnabled(true);
    CountLabel = Named(new QLabel(this), "CountLabel", QStringLiteral("Sections found"));
    NearLabel = Named(new QLabel(QStringLiteral("No section matches. Nearest:"), this), "NearLabel",
                      QStringLiteral("No section matches"));
    for (std::size_t i = 0; i < NearButtons.size(); ++i) {
        const QByteArray name = "NearButton" + QByteArray::number(qulonglong(i + 1));
        NearButtons[i] = Named(new QPushButton(this), name.constData(),
                               QStringLiteral("Near section %1").arg(i + 1),
                               QStringLiteral("Shows this section, one of the nearest"));
        NearButtons[i]->setAutoDefault(false);
        NearButtons[i]->hide();
    }
    NearLabel->hide();

    FamilyList = Named(new QListWidget(this), "FamilyList", QStringLiteral("Families"),
                       QStringLiteral("Shows one family's sizes, or all families"));
    FamilyList->addItem(QStringLiteral("All families"));
    for (const SectionFamily family : catalogue::SectionFamilies())
        FamilyList->addItem(FromCore(catalogue::FamilyName(family)));
    // Wide enough for every family's name, whichever are in sight.
    int widest = 0;
    for (int i = 0; i < FamilyList->count(); ++i)
        widest = std::max(widest,
                          FamilyList->fontMetrics().horizontalAdvance(FamilyList->item(i)->text()));
    FamilyList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    FamilyList->setFixedWidth(widest + 2 * FamilyList->frameWidth() +
                              FamilyList->verticalScrollBar()->sizeHint().width() + 12);

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
    SizesTable->horizontalHeader()->setStretchLastSection(true);

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
    for (const calc::LengthUnit& unit : calc::LengthUnits)
        LengthUnitBox->addItem(FromCore(unit.Name));
    LengthUnitBox->setCurrentText(QStringLiteral("meter")); // sections are bought by the metre
    QuantityBox = Named(new SpinEdit(this), "QuantityBox", QStringLiteral("Quantity"),
                        QStringLiteral("Number of equal pieces, 1 to 1000"));
    AddButton = Named(new QPushButton(QStringLiteral("Add"), this), "AddButton",
                      QStringLiteral("Add section"),
                      QStringLiteral("Adds the pieces to the totals and the parts list as one "
                                     "line"));
    AddButton->setAutoDefault(false);
    MaterialButton = Named(new QPushButton(QStringLiteral("&Material…"), this), "MaterialButton",
                           QStringLiteral("Material"),
                           QStringLiteral("Opens the materials, to weigh the sections in one"));
    MaterialButton->setAutoDefault(false);

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
    add->addWidget(MaterialButton, 0, 3);
    add->setColumnStretch(4, 1);

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

    auto* near = new QHBoxLayout;
    near->addWidget(NearLabel);
    for (QPushButton* button : NearButtons)
        near->addWidget(button);
    near->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addLayout(near);
    layout->addLayout(lists, 1);
    layout->addLayout(chosen);

    QWidget* before = SearchField;
    for (QPushButton* button : NearButtons) {
        setTabOrder(before, button);
        before = button;
    }
    setTabOrder(before, FamilyList);
    setTabOrder(FamilyList, SizesTable);
    setTabOrder(SizesTable, LengthField);
    setTabOrder(LengthField, LengthUnitBox);
    setTabOrder(LengthUnitBox, QuantityBox);
    setTabOrder(QuantityBox, AddButton);
}

// Column widths for the widest figure and heading, once: the first search
// lists every family, so each dimension's heading then names all the letters
// it goes by ("h/d/H").
void SectionsWindow::FitColumns() {
    QHeaderView* header = SizesTable->horizontalHeader();
    const QFontMetrics metrics = SizesTable->fontMetrics();
    QFont bold = header->font(); // as the style draws the headings
    bold.setBold(true);
    const QFontMetrics headings(bold);
    const auto fit = [&](int column, const QString& widest) {
        const QString heading =
            model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
        header->resizeSection(
            column,
            std::max(metrics.horizontalAdvance(widest), headings.horizontalAdvance(heading)) + 14);
    };
    fit(SectionsModel::Designation, QStringLiteral("RHS 500x300x20 EN 10219"));
    for (int column = SectionsModel::FirstDimension; column < SectionsModel::Area; ++column)
        fit(column, QStringLiteral("999.99"));
    fit(SectionsModel::Area, QStringLiteral("1234.5"));
    fit(SectionsModel::Mass, QStringLiteral("1234.5"));
    fit(SectionsModel::MassAtDensity, QStringLiteral("kg/m at 10000"));
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
            if (column != SectionsModel::MassAtDensity)
                SizesTable->setColumnHidden(column, !model_->Used(column));
        CountLabel->setText(model_->rowCount() == 1
                                ? QStringLiteral("1 section")
                                : QStringLiteral("%1 sections").arg(model_->rowCount()));
        ShowNear();
        if (model_->rowCount() == 0) return ShowSelected();
        const int row = std::max(model_->RowOf(kept), 0);
        SizesTable->selectRow(row);
        SizesTable->scrollTo(model_->index(row, 0));
    });
}

// Nothing found for words typed: the nearest designations, by family and
// size, each a button. The family chosen does not narrow them: a button
// shows all families again.
void SectionsWindow::ShowNear() {
    const QString words = SearchField->text().trimmed();
    near_.clear();
    if (model_->rowCount() == 0 && !words.isEmpty())
        near_ = catalogue::NearSections(words.toStdString(), NearButtons.size());
    for (std::size_t i = 0; i < NearButtons.size(); ++i) {
        NearButtons[i]->setVisible(i < near_.size());
        if (i < near_.size()) NearButtons[i]->setText(FromCore(near_[i]->Designation));
    }
    NearLabel->setVisible(!near_.empty());
}

void SectionsWindow::NearChosen(std::size_t which) {
    Guarded(this, [&] {
        if (which >= near_.size()) return;
        const QString designation = FromCore(near_[which]->Designation);
        FamilyList->setCurrentRow(0);
        SearchField->setText(designation);
        SizesTable->setFocus();
    });
}

void SectionsWindow::ShowSelected() {
    const Section* s = Selected();
    Drawing->Show(s);
    Drawing->setAccessibleDescription(s ? Described(*s) : QString());
    DesignationLabel->setText(s ? FromCore(s->Designation) : QString());
    StandardLabel->setText(s ? QStringLiteral("Standard: ") + FromCore(s->Standard) : QString());
    NoteLabel->setText(!s ? QString()
                       : s->GplData
                           ? QStringLiteral("Figures only GPL-3.0 sources had: they are kept "
                                            "apart, in a *_gpl.csv table.")
                       : s->LgplExtra ? QStringLiteral("A size named only by an LGPL source; its "
                                                       "area is computed from its dimensions.")
                                      : QString());
    AddButton->setEnabled(s != nullptr);
}

// The mass at the density in force, read as an Add reads the density field,
// named by its material where the material box names one of that density;
// none while the field holds no density, nor beside the table's own at 7850.
void SectionsWindow::DensityChanged() {
    const QString material = FromCore(document_.MaterialInForce());
    model_->SetDensity(document_.FieldDensity(), material);
    SizesTable->setColumnHidden(SectionsModel::MassAtDensity,
                                !document_.FieldDensity() ||
                                    (*document_.FieldDensity() == 7850 && material.isEmpty()));
    FitColumns(); // the heading may name a material
}

void SectionsWindow::Add() {
    const Section* s = Selected();
    if (!s) return;
    Guarded(this, [&] {
        document_.AddSection(s->Designation, LengthField->text().toStdString(),
                             LengthUnitBox->currentText().toStdString(), QuantityBox->value());
        AddedLabel->setText(
            QStringLiteral("Added %1 × %2, %3 %4 each.")
                .arg(QuantityBox->value())
                .arg(FromCore(s->Designation), LengthField->text(), LengthUnitBox->currentText()));
    });
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
