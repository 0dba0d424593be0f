#include "ui/MaterialsWindow.h"

#include "catalogue/UserMaterials.h"
#include "ui/CoreText.h"
#include "ui/Document.h"
#include "ui/Drops.h"
#include "ui/ErrorBox.h"
#include "ui/HelpWindow.h"
#include "ui/Named.h"
#include "ui/MaterialsModel.h"
#include "ui/UserMaterials.h"

#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace ui {
namespace {

const QString FileFilter = QStringLiteral("Materials (*.csv);;All files (*)");

} // namespace

MaterialsWindow::MaterialsWindow(Document& document, QWidget* owner)
    : QWidget(owner, Qt::Window), document_(document) {
    setObjectName(QStringLiteral("MaterialsWindow"));
    setWindowTitle(QStringLiteral("Materials"));
    model_ = new MaterialsModel(document_.Materials(), this);
    CreateControls();
    resize(760, 560);

    connect(SearchField, &QLineEdit::textChanged, this, &MaterialsWindow::Search);
    connect(SearchField, &QLineEdit::returnPressed, this, &MaterialsWindow::Use);
    connect(MaterialsTable, &QTableView::activated, this, &MaterialsWindow::Use);
    connect(MaterialsTable->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &MaterialsWindow::ShowSelected);
    // A new list (a search, or the user's list changed): its best selected.
    connect(model_, &MaterialsModel::modelReset, this, [this] {
        if (model_->rowCount() > 0) MaterialsTable->selectRow(0);
        ShowSelected();
    });
    connect(UseButton, &QPushButton::clicked, this, &MaterialsWindow::Use);
    connect(SaveButton, &QPushButton::clicked, this, &MaterialsWindow::Save);
    connect(RemoveButton, &QPushButton::clicked, this, &MaterialsWindow::Remove);
    connect(ImportButton, &QPushButton::clicked, this, &MaterialsWindow::Import);
    connect(ExportButton, &QPushButton::clicked, this, &MaterialsWindow::Export);
    HelpWindow::ShowOnF1(this, QUrl(QStringLiteral("qrc:/help/materials.html")));
    Search();
    SearchField->setFocus();
    OpenDroppedLists(this, document_);
}

void MaterialsWindow::CreateControls() {
    SearchField = Named(new QLineEdit(this), "SearchField", QStringLiteral("Search materials"));
    SearchField->setPlaceholderText(QStringLiteral("s355, 304, 6082, brass, plastic, 7850 …"));
    SearchField->setClearButtonEnabled(true);
    CountLabel = Named(new QLabel(this), "CountLabel", QStringLiteral("Materials found"));
    MaterialsTable = Named(new QTableView(this), "MaterialsTable", QStringLiteral("Materials"));
    MaterialsTable->setModel(model_);
    MaterialsTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    MaterialsTable->setSelectionMode(QAbstractItemView::SingleSelection);
    MaterialsTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    MaterialsTable->verticalHeader()->hide();
    MaterialsTable->horizontalHeader()->setStretchLastSection(true);
    MaterialsTable->setColumnWidth(MaterialsModel::Name, 150);
    MaterialsTable->setColumnWidth(MaterialsModel::Designation, 170);
    MaterialsTable->setColumnWidth(MaterialsModel::Group, 150);
    FaultLabel = Named(new QLabel(this), "FaultLabel", QStringLiteral("Materials file"));
    FaultLabel->setWordWrap(true);
    FaultLabel->hide();

    NameField = Named(new QLineEdit(this), "NameField", QStringLiteral("Name"));
    DesignationField = Named(new QLineEdit(this), "DesignationField", QStringLiteral("Designation"));
    GroupField = Named(new QLineEdit(this), "GroupField", QStringLiteral("Group"));
    DensityField = Named(new QLineEdit(this), "DensityField", QStringLiteral("Density, kg/m³"));
    PriceField = Named(new QLineEdit(this), "PriceField", QStringLiteral("Price per kg"));
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Name:"), NameField);
    form->addRow(QStringLiteral("&Designation:"), DesignationField);
    form->addRow(QStringLiteral("&Group:"), GroupField);
    form->addRow(QStringLiteral("D&ensity, kg/m³:"), DensityField);
    form->addRow(QStringLiteral("&Price per kg:"), PriceField);

    const auto button = [&](const char* name, const QString& caption, const QString& spoken) {
        auto* b = Named(new QPushButton(caption, this), name, spoken);
        b->setAutoDefault(false);
        return b;
    };
    UseButton = button("UseButton", QStringLiteral("&Use"),
                       QStringLiteral("Puts the material's name and density into the main window"));
    SaveButton = button("SaveButton", QStringLiteral("&Save as mine"),
                        QStringLiteral("Keeps the name, density and price among your materials"));
    RemoveButton = button("RemoveButton", QStringLiteral("&Remove mine"),
                          QStringLiteral("Removes your entry; a library material stays"));
    ImportButton = button("ImportButton", QStringLiteral("&Import…"),
                          QStringLiteral("Adds the materials of a CSV file to yours"));
    ExportButton = button("ExportButton", QStringLiteral("E&xport…"),
                          QStringLiteral("Saves your materials as a CSV file"));

    auto* search = new QHBoxLayout;
    search->addWidget(SearchField, 1);
    search->addWidget(CountLabel);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {UseButton, SaveButton, RemoveButton, ImportButton, ExportButton})
        buttons->addWidget(b);
    buttons->addStretch();
    auto* edit = new QHBoxLayout;
    edit->addLayout(form, 1);
    edit->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addWidget(MaterialsTable, 1);
    layout->addWidget(FaultLabel);
    layout->addLayout(edit);
}

// Every keystroke: the materials the words find, the best selected.
void MaterialsWindow::Search() {
    Guarded(this, [&] {
        model_->Search(SearchField->text());
        CountLabel->setText(QStringLiteral("%1 materials").arg(model_->rowCount()));
        const QString& fault = document_.Materials().Fault();
        FaultLabel->setText(fault);
        FaultLabel->setVisible(!fault.isEmpty());
    });
}

void MaterialsWindow::ShowSelected() {
    const QModelIndexList rows = MaterialsTable->selectionModel()->selectedRows();
    const catalogue::PricedMaterial* m = rows.isEmpty() ? nullptr : model_->At(rows.front().row());
    UseButton->setEnabled(m != nullptr);
    RemoveButton->setEnabled(SelectedEntry().has_value());
    if (!m) return;
    NameField->setText(FromCore(m->Name));
    DesignationField->setText(FromCore(m->Designation));
    GroupField->setText(FromCore(m->Group));
    DensityField->setText(QString::number(m->Density));
    PriceField->setText(m->PricePerKg ? NumberAsTyped(*m->PricePerKg, DecimalSeparator()) : QString());
}

std::optional<std::size_t> MaterialsWindow::SelectedEntry() const {
    const QModelIndexList rows = MaterialsTable->selectionModel()->selectedRows();
    const catalogue::PricedMaterial* m = rows.isEmpty() ? nullptr : model_->At(rows.front().row());
    if (!m || !m->User) return std::nullopt;
    return std::size_t(m->User - document_.Materials().Entries().data());
}

// As a pick from the material box: its name and density in the main window.
void MaterialsWindow::Use() {
    const QModelIndexList rows = MaterialsTable->selectionModel()->selectedRows();
    if (const catalogue::PricedMaterial* m = rows.isEmpty() ? nullptr : model_->At(rows.front().row()))
        document_.PickMaterial(FromCore(m->Name), m->Density);
}

// The form as one of the user's entries: the selected one changed, or a
// new one (a library material's price, or a material of their own).
void MaterialsWindow::Save() {
    Guarded(this, [&] {
        const std::string name = NameField->text().toStdString(),
                          designation = DesignationField->text().toStdString(),
                          group = GroupField->text().toStdString(),
                          density = DensityField->text().toStdString(),
                          price = PriceField->text().toStdString();
        // Numbers as the main window reads them: a point or a comma.
        const char decimal = (density + price).find(',') != std::string::npos ? ',' : '.';
        document_.Materials().Put(
            catalogue::CheckUserMaterial({name, designation, group, density, price}, decimal),
            SelectedEntry());
    });
}

void MaterialsWindow::Remove() {
    Guarded(this, [&] {
        if (const auto entry = SelectedEntry()) document_.Materials().Remove(*entry);
    });
}

void MaterialsWindow::Import() {
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Import materials"),
                                                      document_.LastFolder(), FileFilter);
    if (!path.isEmpty()) Guarded(this, [&] { document_.Materials().Import(path); });
}

void MaterialsWindow::Export() {
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Export materials"),
                                                      document_.LastFolder(), FileFilter);
    if (!path.isEmpty()) Guarded(this, [&] { document_.Materials().Export(path); });
}

} // namespace ui
