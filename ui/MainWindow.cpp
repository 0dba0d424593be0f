#include "ui/MainWindow.h"

#include "calc/Calculator.h"
#include "calc/Display.h"
#include "calc/Shapes.h"
#include "catalogue/ProfileSizeTable.h"
#include "ui/AboutDialog.h"
#include "ui/Addresses.h"
#include "ui/CoreText.h"
#include "ui/EditCombo.h"
#include "ui/ErrorBox.h"
#include "ui/Fonts.h"
#include "ui/HelpWindow.h"
#include "ui/LinkLabel.h"
#include "ui/PictureText.h"
#include "ui/ShapePicture.h"
#include "ui/SpinEdit.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTimer>

namespace ui {
namespace {

template <typename Control> std::string str(const Control* control) {
    return control->text().toStdString();
}

// Totals are written with the user's decimal separator (a point where the
// regional one is no single ASCII character).
char DecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    return point.size() == 1 && point.at(0).unicode() < 128 ? char(point.at(0).unicode()) : '.';
}

QString Total(double value) {
    return FromCore(calc::FormatTotal(value, DecimalSeparator()));
}

void SetVisible(std::initializer_list<QWidget*> widgets, bool visible) {
    for (QWidget* w : widgets)
        w->setVisible(visible);
}

calc::DimensionRow Row(const QLineEdit* edit, const EditCombo* unit) {
    return {str(edit), str(unit)};
}

} // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(AppTitle);
    setFont(SansFont());
    CreateControls();
    setFixedSize(662, 453);
    ConnectHandlers();
    SetStartState();
    // Every calculation starts with the type of the object; typing replaces
    // "Choose Type".
    ObjectTypeBox->setFocus();
    ObjectTypeBox->lineEdit()->selectAll();
}

// Once the window is on screen, and not before, the pictures get ready.
void MainWindow::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (Painted_) return;
    Painted_ = true;
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
    connect(AddObjectButton, &QPushButton::clicked, this, &MainWindow::AddObject);
    connect(AddApertureButton, &QPushButton::clicked, this, &MainWindow::AddAperture);
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
    State_ = calc::CalcState{};
}

void MainWindow::Exit() {
    close();
}

void MainWindow::ShowHelp() {
    Guarded(this, [&] { HelpWindow::ShowContents(this); });
}

void MainWindow::ShowAbout() {
    Guarded(this, [&] {
        if (About_) About_->exec();
    });
}

void MainWindow::OpenHomePage() {
    Guarded(this, [&] { OpenAddress(HomePageUrl()); });
}

void MainWindow::MaterialChanged() {
    Guarded(this, [&] {
        State_.Density = calc::MaterialDensity(str(MaterialBox), State_.Density);
        DensityField->setText(QString::number(State_.Density));
    });
}

void MainWindow::ObjectTypeChanged() {
    Guarded(this, [&] {
        if (const calc::ObjectType* type = calc::FindObjectType(str(ObjectTypeBox))) {
            ShowPicture(ObjectPicture, FromCore(type->Picture));
            const bool profile = type->Profile != calc::NoProfile;
            SetVisible({ObjectALabel, ObjectAField, ObjectAUnitBox}, type->RowA);
            SetVisible({ObjectBLabel, ObjectBField, ObjectBUnitBox}, type->RowB);
            ObjectCLabel->setVisible(type->RowC);
            SetVisible({ObjectCField, ObjectCUnitBox}, type->RowC || profile); // a profile's length
            SetVisible({SizeLabel, LengthLabel}, profile);
            const auto sizeBoxes = SizeBoxes();
            for (int p = 0; p < int(sizeBoxes.size()); ++p)
                sizeBoxes[std::size_t(p)]->setVisible(p == type->Profile);
        }
        for (QLineEdit* e : {ObjectAField, ObjectBField, ObjectCField})
            e->clear();
        ObjectQuantityBox->setValue(1);
        for (auto* box : SizeBoxes())
            box->setText(QStringLiteral("Choose Size"));
    });
}

void MainWindow::ApertureTypeChanged() {
    Guarded(this, [&] {
        if (const calc::ApertureType* type = calc::FindApertureType(str(ApertureTypeBox))) {
            ShowPicture(AperturePicture, FromCore(type->Picture));
            SetVisible({ApertureBLabel, ApertureBField, ApertureBUnitBox}, type->RowB);
            SetVisible({ApertureCLabel, ApertureCField, ApertureCUnitBox}, type->RowC);
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
        const auto p = static_cast<std::size_t>(profile);
        if (const auto mass =
                catalogue::SelectSize(catalogue::SizeTable(profile), str(SizeBoxes()[p])))
            State_.ProfileMass[p] = *mass;
    });
}

void MainWindow::WeightUnitChanged() {
    Guarded(this, [&] {
        WeightField->setText(
            FromCore(calc::WeightText(State_.TotalWeight, str(WeightUnitBox), DecimalSeparator())));
    });
}

void MainWindow::VolumeUnitChanged() {
    Guarded(this, [&] {
        if (const auto text = calc::VolumeText(str(VolumeField), State_.TotalVolume,
                                               str(VolumeUnitBox), DecimalSeparator()))
            VolumeField->setText(FromCore(*text));
    });
}

void MainWindow::Undo() {
    Guarded(this, [&] {
        const calc::CalcState next = calc::Undo(State_);
        const QString volume = Total(next.TotalVolume);
        const QString weight = Total(next.TotalWeight);
        State_ = next;
        VolumeField->setText(volume);
        WeightField->setText(weight);
    });
}

void MainWindow::Reset() {
    Guarded(this, [&] {
        State_ = calc::CalcState{};
        ShowPicture(ObjectPicture, QStringLiteral("ZERO"));
        ShowPicture(AperturePicture, QStringLiteral("ZERO"));
        ObjectTypeBox->setText(QStringLiteral("Choose Type"));
        for (QLineEdit* e : {ObjectAField, ObjectBField, ObjectCField})
            e->setText(QStringLiteral("0"));
        ObjectQuantityBox->setValue(1);
        ApertureTypeBox->setText(QStringLiteral("Choose Type"));
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
            box->setText(QStringLiteral("Choose Size"));
    });
}

calc::AddInput MainWindow::ObjectInput() const {
    return {str(ObjectTypeBox),
            str(DensityField),
            ObjectQuantityBox->value(),
            {Row(ObjectAField, ObjectAUnitBox), Row(ObjectBField, ObjectBUnitBox),
             Row(ObjectCField, ObjectCUnitBox)},
            str(VolumeField)};
}

calc::AddInput MainWindow::ApertureInput() const {
    return {str(ApertureTypeBox),
            str(DensityField),
            ApertureQuantityBox->value(),
            {Row(ApertureAField, ApertureAUnitBox), Row(ApertureBField, ApertureBUnitBox),
             Row(ApertureCField, ApertureCUnitBox)},
            str(VolumeField)};
}

// Commits a successful Add: the state, the unit boxes back to kilogram and
// cubic metre, and both totals written in them.
void MainWindow::ShowAddOutcome(const calc::AddOutcome& outcome) {
    const QString weight = Total(outcome.State.TotalWeight);
    const QString volume = outcome.Volume == calc::VolumeShown::Marker
                               ? FromCore(calc::NoVolumeMarker)
                               : Total(outcome.State.TotalVolume);
    State_ = outcome.State;
    WeightUnitBox->setText(QStringLiteral("kilogram"));
    VolumeUnitBox->setText(QStringLiteral("meter"));
    if (outcome.Volume != calc::VolumeShown::Unchanged) VolumeField->setText(volume);
    WeightField->setText(weight);
}

void MainWindow::AddObject() {
    Guarded(this, [&] {
        if (const auto outcome = calc::AddObject(State_, ObjectInput())) ShowAddOutcome(*outcome);
    });
}

void MainWindow::AddAperture() {
    Guarded(this, [&] { ShowAddOutcome(calc::AddAperture(State_, ApertureInput())); });
}

} // namespace ui
