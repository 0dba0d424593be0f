#include "ui/MainWindow.h"

#include "calc/Calculator.h"
#include "calc/Display.h"
#include "calc/Shapes.h"
#include "calc/Units.h"
#include "catalogue/ProfileSizeTable.h"
#include "ui/AboutDialog.h"
#include "ui/Addresses.h"
#include "ui/CoreText.h"
#include "ui/EditCombo.h"
#include "ui/ErrorBox.h"
#include "ui/Fonts.h"
#include "ui/HelpWindow.h"
#include "ui/LinkLabel.h"
#include "ui/PartsListWindow.h"
#include "ui/PictureText.h"
#include "ui/ShapePicture.h"
#include "ui/SpinEdit.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
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
    connect(PartsListButton, &QPushButton::clicked, this, &MainWindow::ShowPartsList);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this), &QShortcut::activated, this,
            &MainWindow::ShowPartsList);
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
        const std::string label = str(SizeBoxes()[p]);
        if (const auto mass = catalogue::SelectSize(catalogue::SizeTable(profile), label)) {
            State_.ProfileMass[p] = *mass;
            SizeLabels_[p] = label;
        }
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
        if (Parts_.Undo()) emit partsListChanged();
    });
}

void MainWindow::Reset() {
    Guarded(this, [&] {
        State_ = calc::CalcState{};
        SizeLabels_ = {};
        Parts_.Clear();
        emit partsListChanged();
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
    const QString volume = outcome.VolumeField == calc::VolumeShown::Marker
                               ? FromCore(calc::NoVolumeMarker)
                               : Total(outcome.State.TotalVolume);
    State_ = outcome.State;
    WeightUnitBox->setText(QStringLiteral("kilogram"));
    VolumeUnitBox->setText(QStringLiteral("meter"));
    if (outcome.VolumeField != calc::VolumeShown::Unchanged) VolumeField->setText(volume);
    WeightField->setText(weight);
}

void MainWindow::AddObject() {
    Guarded(this, [&] {
        const calc::AddInput input = ObjectInput();
        if (const auto outcome = calc::AddObject(State_, input)) {
            ShowAddOutcome(*outcome);
            ListAdd(partslist::Kind::Object, input, *outcome);
        }
    });
}

void MainWindow::AddAperture() {
    Guarded(this, [&] {
        const calc::AddInput input = ApertureInput();
        const calc::AddOutcome outcome = calc::AddAperture(State_, input);
        ShowAddOutcome(outcome);
        ListAdd(partslist::Kind::Aperture, input, outcome);
    });
}

// The line of an Add: what the click read, and the size whose mass it used.
// A click on a text that names no type adds none.
void MainWindow::ListAdd(partslist::Kind kind, const calc::AddInput& input,
                         const calc::AddOutcome& outcome) {
    partslist::Line line;
    line.Kind = kind;
    line.Type = input.Type;
    if (const auto profile = partslist::ProfileOf(line))
        line.Size = SizeLabels_[static_cast<std::size_t>(*profile)];
    line.Rows = input.Rows;
    // A row whose unit box names no unit was not read: it counts as empty.
    for (calc::DimensionRow& row : line.Rows)
        if (!calc::LengthFactor(row.Unit)) row.Text.clear();
    line.Quantity = input.Quantity;
    line.Material = str(MaterialBox);
    line.Density = outcome.State.Density;
    line.CutByWeight =
        kind == partslist::Kind::Aperture && input.VolumeField == calc::NoVolumeMarker;
    if (partslist::NamesAType(line))
        Parts_.Added(std::move(line));
    else
        Parts_.Added(std::nullopt);
    emit partsListChanged();
}

void MainWindow::RemoveLines(std::span<const std::size_t> rows) {
    ShowReplay(Parts_.Remove(rows));
}

void MainWindow::ReplaceLines(std::vector<partslist::Line> lines, const partslist::Replay& replay) {
    Parts_.Replace(std::move(lines));
    ShowReplay(replay);
}

// The totals of the list's lines, shown as an Add shows its totals. Undo
// brings back those from before.
void MainWindow::ShowReplay(const partslist::Replay& replay) {
    State_.UndoWeight = State_.TotalWeight;
    State_.UndoVolume = State_.TotalVolume;
    State_.UndoProfileWeight = State_.ProfileWeight;
    State_.TotalWeight = replay.State.TotalWeight;
    State_.TotalVolume = replay.State.TotalVolume;
    State_.ProfileWeight = replay.State.ProfileWeight;
    WeightUnitBox->setText(QStringLiteral("kilogram"));
    VolumeUnitBox->setText(QStringLiteral("meter"));
    VolumeField->setText(replay.VolumeMarker ? FromCore(calc::NoVolumeMarker)
                                             : Total(State_.TotalVolume));
    WeightField->setText(Total(State_.TotalWeight));
    emit partsListChanged();
}

// Built on first use, so that start-up does not pay for it.
void MainWindow::ShowPartsList() {
    Guarded(this, [&] {
        if (!PartsWindow_) PartsWindow_ = new PartsListWindow(this);
        PartsWindow_->setWindowState(PartsWindow_->windowState() & ~Qt::WindowMinimized);
        PartsWindow_->show();
        PartsWindow_->raise();
        PartsWindow_->activateWindow();
    });
}

} // namespace ui
