#include "ui/MainWindow.h"

#include "calc/Calculator.h"
#include "calc/Display.h"
#include "calc/ReadPart.h"
#include "calc/Shapes.h"
#include "ui/AboutDialog.h"
#include "ui/Addresses.h"
#include "ui/CoreText.h"
#include "ui/Document.h"
#include "ui/Drops.h"
#include "ui/EditCombo.h"
#include "ui/ErrorBox.h"
#include "ui/Fonts.h"
#include "ui/HelpWindow.h"
#include "ui/LinkLabel.h"
#include "ui/PictureText.h"
#include "ui/ShapePicture.h"
#include "ui/SpinEdit.h"
#include "ui/WindowTexts.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

namespace ui {
namespace {

template <typename Control> std::string str(const Control* control) {
    return control->text().toStdString();
}

QString Total(double value) {
    return FromCore(calc::FormatTotal(value, DecimalSeparator()));
}

void SetVisible(std::initializer_list<QWidget*> widgets, bool visible) {
    for (QWidget* w : widgets)
        w->setVisible(visible);
}

// One Add's texts read as every Add reads them. The texts stay alive in
// `held` while they are read.
calc::Part ReadPart(calc::Kind kind, const EditCombo* type, const QLineEdit* density,
                    const SpinEdit* quantity, std::array<const QLineEdit*, 3> rows,
                    std::array<const EditCombo*, 3> units, bool cutByWeight) {
    std::array<std::string, 8> held{str(type), str(density)};
    calc::PartTexts texts{held[0], held[1], quantity->value(), {}, {}, cutByWeight};
    for (std::size_t r = 0; r < 3; ++r) {
        held[2 + r] = str(rows[r]);
        held[5 + r] = str(units[r]);
        texts.Rows[r] = held[2 + r];
        texts.Units[r] = held[5 + r];
    }
    return calc::ReadPart(kind, texts);
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent), document_(new ui::Document(this)) {
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(AppTitle);
    setFont(SansFont());
    CreateControls();
    setFixedSize(662, 453);
    OpenDroppedLists(this, *document_);
    ConnectHandlers();
    DensityTyped();
    document_->SetMaterialField(str(MaterialBox));
    SetStartState();
    // Every calculation starts with the type of the object; typing replaces
    // "Choose Type".
    ObjectTypeBox->setFocus();
    ObjectTypeBox->lineEdit()->selectAll();
}

void MainWindow::ShowPartsList() {
    Guarded(this, [&] { document_->ShowPartsList(); });
}

void MainWindow::ShowSections() {
    Guarded(this, [&] { document_->ShowSections(); });
}

void MainWindow::ShowMaterials() {
    Guarded(this, [&] { document_->ShowMaterials(); });
}

// Once the window is on screen, and not before, the pictures get ready.
void MainWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (painted_) return;
    painted_ = true;
    QTimer::singleShot(0, this, [] { PrepareShapePictures(); });
}

std::array<EditCombo*, 5> MainWindow::SizeBoxes() const {
    return {HexagonalBarSizeBox, IBeamSizeBox, CChannelSizeBox, LipChannelSizeBox, AngleSizeBox};
}

void MainWindow::ConnectHandlers() {
    connect(ExitButton, &QPushButton::clicked, this, &MainWindow::Exit);
    connect(HelpButton, &QPushButton::clicked, this, &MainWindow::ShowHelp);
    connect(AboutButton, &QPushButton::clicked, this, &MainWindow::ShowAbout);
    connect(HomePageLink, &LinkLabel::clicked, this, &MainWindow::OpenHomePage);
    connect(MaterialBox, &EditCombo::userChanged, this, &MainWindow::MaterialChanged);
    connect(ObjectTypeBox, &EditCombo::userChanged, this, &MainWindow::ObjectTypeChanged);
    connect(ApertureTypeBox, &EditCombo::userChanged, this, &MainWindow::ApertureTypeChanged);
    const auto sizeBoxes = SizeBoxes();
    for (int p = 0; p < catalogue::ProfileCount; ++p) {
        const auto profile = static_cast<catalogue::Profile>(p);
        connect(sizeBoxes[std::size_t(p)], &EditCombo::userChanged, this,
                [this, profile] { SizeChanged(profile); });
    }
    connect(WeightUnitBox, &EditCombo::userChanged, this, &MainWindow::WeightUnitChanged);
    connect(VolumeUnitBox, &EditCombo::userChanged, this, &MainWindow::VolumeUnitChanged);
    connect(UndoButton, &QPushButton::clicked, this, &MainWindow::Undo);
    connect(ResetButton, &QPushButton::clicked, this, &MainWindow::Reset);
    // The other windows, opened by the document.
    connect(PartsListButton, &QPushButton::clicked, this, &MainWindow::ShowPartsList);
    const std::pair<Qt::Key, void (MainWindow::*)()> windows[] = {
        {Qt::Key_L, &MainWindow::ShowPartsList},
        {Qt::Key_K, &MainWindow::ShowSections},
        {Qt::Key_M, &MainWindow::ShowMaterials}};
    for (const auto& [key, show] : windows)
        connect(new QShortcut(QKeySequence(Qt::CTRL | key), this), &QShortcut::activated, this,
                show);
    connect(AddObjectButton, &QPushButton::clicked, this, &MainWindow::AddObject);
    connect(AddApertureButton, &QPushButton::clicked, this, &MainWindow::AddAperture);
    connect(DensityField, &QLineEdit::textChanged, this, &MainWindow::DensityTyped);
    connect(MaterialBox, &QComboBox::currentTextChanged, this,
            [this](const QString& text) { document_->SetMaterialField(text.toStdString()); });
    connect(document_, &Document::added, this, &MainWindow::ShowAddOutcome);
    connect(document_, &Document::replayed, this, &MainWindow::ShowTotals);
    connect(document_, &Document::materialChanged, this, &MainWindow::ShowMaterial);
    // As a pick from the material box shows it, without the box's rule,
    // which knows only its own names.
    connect(document_, &Document::materialPicked, this, [this](const QString& name, int density) {
        MaterialBox->setText(name);
        DensityField->setText(QString::number(density));
    });
}

const calc::CalcState& MainWindow::State() const {
    return document_->Calculation().State();
}

void MainWindow::ShowPicture(QLabel* image, const QString& name) {
    image->setPixmap(ShapePicture(name, devicePixelRatioF()));
    image->setProperty("picture", name);
    // A screen reader tells which shape is shown and what a, b and c mean.
    const PictureText text = DescribePicture(name);
    const QString place = image == AperturePicture ? QStringLiteral("Aperture picture")
                                                   : QStringLiteral("Object picture");
    image->setAccessibleName(PictureName(place, text));
    image->setAccessibleDescription(PictureDescription(text));
}

void MainWindow::SetStartState() {
    ShowPicture(ObjectPicture, QStringLiteral("ZERO"));
    ShowPicture(AperturePicture, QStringLiteral("ZERO"));
    SizeLabel->hide();
    for (auto* box : SizeBoxes())
        box->hide();
}

void MainWindow::Exit() {
    close();
}

// A parts list saved or opened and changed since is not thrown away unasked.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (!document_->MayDiscard(this)) return event->ignore();
    document_->CloseWindows(); // they remember their places
    QWidget::closeEvent(event);
}

void MainWindow::ShowHelp() {
    Guarded(this, [&] { HelpWindow::ShowContents(this); });
}

void MainWindow::ShowAbout() {
    Guarded(this, [&] {
        if (about_) about_->exec();
    });
}

void MainWindow::OpenHomePage() {
    Guarded(this, [&] { OpenAddress(HomePageUrl()); });
}

void MainWindow::MaterialChanged() {
    Guarded(this, [&] {
        DensityField->setText(QString::number(document_->SelectMaterial(str(MaterialBox))));
    });
}

void MainWindow::ObjectTypeChanged() {
    Guarded(this, [&] {
        // Only an item of the box has a picture and a layout; a name that is
        // only typed ("Pipe") keeps both as they were.
        const calc::Shape* type = calc::FindShape(str(ObjectTypeBox), false);
        if (type && !type->ObjectPicture.empty()) {
            ShowPicture(ObjectPicture, FromCore(type->ObjectPicture));
            const bool profile = type->Profile != calc::NoProfile;
            SetVisible({ObjectALabel, ObjectAField, ObjectAUnitBox}, type->Rows[0]);
            SetVisible({ObjectBLabel, ObjectBField, ObjectBUnitBox}, type->Rows[1]);
            ObjectCLabel->setVisible(type->Rows[2] && !profile); // a profile's is "Length"
            SetVisible({ObjectCField, ObjectCUnitBox}, type->Rows[2]);
            SetVisible({SizeLabel, LengthLabel}, profile);
            const auto sizeBoxes = SizeBoxes();
            for (int p = 0; p < int(sizeBoxes.size()); ++p)
                sizeBoxes[std::size_t(p)]->setVisible(p == type->Profile);
        }
        for (QLineEdit* e : {ObjectAField, ObjectBField, ObjectCField})
            e->clear();
        ObjectQuantityBox->setValue(1);
        for (auto* box : SizeBoxes())
            box->setText(ChooseSize);
    });
}

void MainWindow::ApertureTypeChanged() {
    Guarded(this, [&] {
        const calc::Shape* type = calc::FindShape(str(ApertureTypeBox), true);
        if (type && !type->AperturePicture.empty()) {
            ShowPicture(AperturePicture, FromCore(type->AperturePicture));
            SetVisible({ApertureBLabel, ApertureBField, ApertureBUnitBox}, type->Rows[1]);
            SetVisible({ApertureCLabel, ApertureCField, ApertureCUnitBox}, type->Rows[2]);
        }
        for (QLineEdit* e : {ApertureAField, ApertureBField, ApertureCField})
            e->clear();
        ApertureQuantityBox->setValue(1);
    });
}

// Each size box writes only its own profile's linear mass, and only on an
// exact match of a label; any other text leaves it as it was.
void MainWindow::SizeChanged(catalogue::Profile profile) {
    Guarded(this, [&] {
        document_->SelectSize(profile, str(SizeBoxes()[static_cast<std::size_t>(profile)]));
    });
}

void MainWindow::WeightUnitChanged() {
    Guarded(this, [&] {
        WeightField->setText(FromCore(
            calc::WeightText(State().TotalWeight, str(WeightUnitBox), DecimalSeparator())));
    });
}

// The marker stays: there is no volume to show in any unit.
void MainWindow::VolumeUnitChanged() {
    Guarded(this, [&] {
        if (VolumeField->text() == NoVolumeMarker) return;
        VolumeField->setText(FromCore(
            calc::VolumeText(State().TotalVolume, str(VolumeUnitBox), DecimalSeparator())));
    });
}

void MainWindow::Undo() {
    Guarded(this, [&] {
        document_->Undo();
        VolumeField->setText(Total(State().TotalVolume));
        WeightField->setText(Total(State().TotalWeight));
    });
}

void MainWindow::Reset() {
    if (!document_->MayDiscard(this)) return;
    Guarded(this, [&] {
        document_->Reset();
        ShowPicture(ObjectPicture, QStringLiteral("ZERO"));
        ShowPicture(AperturePicture, QStringLiteral("ZERO"));
        ObjectTypeBox->setText(ChooseType);
        for (QLineEdit* e : {ObjectAField, ObjectBField, ObjectCField})
            e->setText(QStringLiteral("0"));
        ObjectQuantityBox->setValue(1);
        ApertureTypeBox->setText(ChooseType);
        for (QLineEdit* e : {ApertureAField, ApertureBField, ApertureCField})
            e->setText(QStringLiteral("0"));
        ApertureQuantityBox->setValue(1);
        WeightField->clear();
        VolumeField->clear();
        // Only the captions and edits of rows b and c come back; the rest stays
        // as the last type left it.
        SetVisible({ObjectBLabel, ObjectBField, ObjectCLabel, ObjectCField, ApertureBLabel,
                    ApertureBField, ApertureCLabel, ApertureCField},
                   true);
        for (auto* box : SizeBoxes())
            box->setText(ChooseSize);
    });
}

// After a successful Add, from this window or another: the unit boxes back to
// kilogram and cubic metre, and both totals written in them.
void MainWindow::ShowAddOutcome(const calc::AddOutcome& outcome) {
    WeightUnitBox->setText(QStringLiteral("kilogram"));
    VolumeUnitBox->setText(QStringLiteral("meter"));
    if (outcome.VolumeField == calc::VolumeShown::Marker)
        VolumeField->setText(NoVolumeMarker);
    else if (outcome.VolumeField == calc::VolumeShown::Total)
        VolumeField->setText(Total(outcome.State.TotalVolume));
    WeightField->setText(Total(outcome.State.TotalWeight));
}

// Nothing at all while the type box reads "Choose Type".
void MainWindow::AddObject() {
    Guarded(this, [&] {
        if (ObjectTypeBox->text() == ChooseType) return;
        document_->AddObject(ReadPart(calc::Kind::Object, ObjectTypeBox, DensityField,
                                      ObjectQuantityBox, {ObjectAField, ObjectBField, ObjectCField},
                                      {ObjectAUnitBox, ObjectBUnitBox, ObjectCUnitBox}, false),
                             str(MaterialBox));
    });
}

// A hole is cut by weight while the totals hold rolled profiles, whose volume
// the Volume field does not show.
void MainWindow::AddAperture() {
    Guarded(this, [&] {
        document_->AddAperture(ReadPart(calc::Kind::Aperture, ApertureTypeBox, DensityField,
                                        ApertureQuantityBox,
                                        {ApertureAField, ApertureBField, ApertureCField},
                                        {ApertureAUnitBox, ApertureBUnitBox, ApertureCUnitBox},
                                        VolumeField->text() == NoVolumeMarker),
                               str(MaterialBox));
    });
}

// What an Add in another window reads, and the density the weights other
// windows show before the next Add are at.
void MainWindow::DensityTyped() {
    document_->SetDensityField(str(DensityField));
}

// The totals of a removal or an opened file, shown as an Add shows its totals.
void MainWindow::ShowTotals() {
    const bool marker = document_->Calculation().Shown() == partslist::TotalsShown::WeightAndMarker;
    ShowAddOutcome({State(), marker ? calc::VolumeShown::Marker : calc::VolumeShown::Total});
}

// The material and density an opened or pasted list brought, or an Undo of
// one took back: the next Add weighs as the list does.
void MainWindow::ShowMaterial() {
    MaterialBox->setText(FromCore(document_->Calculation().Material()));
    DensityField->setText(QString::number(State().Density));
}

} // namespace ui
