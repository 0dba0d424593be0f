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
#include "ui/SectionsWindow.h"
#include "ui/ShapePicture.h"
#include "ui/SpinEdit.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMimeData>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>

namespace ui {
namespace {

template <typename Control> std::string str(const Control* control) {
    return control->text().toStdString();
}

std::optional<QString> LastMaterial(const std::vector<partslist::Line>& lines) {
    if (lines.empty()) return std::nullopt;
    return FromCore(lines.back().Material);
}

// A window of ours shown, not minimised, in front and active.
void ShowInFront(QWidget* window) {
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
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
    setAcceptDrops(true);
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
    connect(PartsListButton, &QPushButton::clicked, this, &MainWindow::ShowPartsList);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this), &QShortcut::activated, this,
            &MainWindow::ShowPartsList);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_K), this), &QShortcut::activated, this,
            &MainWindow::ShowSections);
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
}

void MainWindow::Exit() {
    close();
}

// A parts list saved or opened and changed since is not thrown away unasked.
void MainWindow::closeEvent(QCloseEvent* event) {
    if (partsWindow_ && !partsWindow_->MayDiscardList()) return event->ignore();
    if (partsWindow_) partsWindow_->close(); // it remembers its place
    QWidget::closeEvent(event);
}

// A parts list dropped on the window opens in the list window, as Open does.
void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    const auto urls = event->mimeData()->urls();
    if (urls.size() == 1 && urls.front().isLocalFile() &&
        urls.front().toLocalFile().endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    const QString path = event->mimeData()->urls().front().toLocalFile();
    // After the drop is done, so that a question does not hold up the program
    // the file came from.
    QTimer::singleShot(0, this, [this, path] {
        ShowPartsList();
        if (partsWindow_) partsWindow_->OpenFile(path);
    });
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
        DensityField->setText(QString::number(calculation_.SelectMaterial(str(MaterialBox))));
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
        calculation_.SelectSize(profile, str(SizeBoxes()[static_cast<std::size_t>(profile)]));
    });
}

void MainWindow::WeightUnitChanged() {
    Guarded(this, [&] {
        WeightField->setText(FromCore(
            calc::WeightText(State().TotalWeight, str(WeightUnitBox), DecimalSeparator())));
    });
}

void MainWindow::VolumeUnitChanged() {
    Guarded(this, [&] {
        if (const auto text = calc::VolumeText(str(VolumeField), State().TotalVolume,
                                               str(VolumeUnitBox), DecimalSeparator()))
            VolumeField->setText(FromCore(*text));
    });
}

void MainWindow::Undo() {
    Guarded(this, [&] {
        calculation_.Undo();
        VolumeField->setText(Total(State().TotalVolume));
        WeightField->setText(Total(State().TotalWeight));
        emit calculationChanged();
    });
}

void MainWindow::Reset() {
    if (partsWindow_ && !partsWindow_->MayDiscardList()) return;
    Guarded(this, [&] {
        calculation_.Reset();
        emit calculationChanged();
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

// After a successful Add: the unit boxes back to kilogram and cubic metre,
// and both totals written in them.
void MainWindow::ShowAddOutcome(const calc::AddOutcome& outcome) {
    WeightUnitBox->setText(QStringLiteral("kilogram"));
    VolumeUnitBox->setText(QStringLiteral("meter"));
    if (outcome.VolumeField == calc::VolumeShown::Marker)
        VolumeField->setText(FromCore(calc::NoVolumeMarker));
    else if (outcome.VolumeField == calc::VolumeShown::Total)
        VolumeField->setText(Total(outcome.State.TotalVolume));
    WeightField->setText(Total(outcome.State.TotalWeight));
    emit calculationChanged();
}

void MainWindow::AddObject() {
    Guarded(this, [&] {
        if (const auto outcome = calculation_.AddObject(ObjectInput(), str(MaterialBox)))
            ShowAddOutcome(*outcome);
    });
}

void MainWindow::AddAperture() {
    Guarded(this,
            [&] { ShowAddOutcome(calculation_.AddAperture(ApertureInput(), str(MaterialBox))); });
}

void MainWindow::AddSection(const QString& designation, const QString& length, const QString& unit,
                            int quantity) {
    Guarded(this, [&] {
        calc::AddInput input;
        input.Density = str(DensityField);
        input.Quantity = quantity;
        input.Rows[2] = {length.toStdString(), unit.toStdString()};
        input.VolumeField = str(VolumeField);
        ShowAddOutcome(calculation_.AddSection(input, designation.toStdString(), str(MaterialBox)));
    });
}

void MainWindow::RemoveLines(std::span<const std::size_t> rows) {
    calculation_.Remove(rows);
    ShowTotals({});
}

// The material and density of the file's last line come with it.
void MainWindow::ReplaceLines(std::vector<partslist::Line> lines, partslist::Replay replay) {
    const std::optional<QString> material = LastMaterial(lines);
    calculation_.Replace(std::move(lines), std::move(replay));
    ShowTotals(material);
}

void MainWindow::PasteLines(std::vector<partslist::Line> lines) {
    const std::optional<QString> material = LastMaterial(lines);
    calculation_.Paste(std::move(lines));
    ShowTotals(material);
}

// The totals of a removal or an opened file, shown as an Add shows its totals;
// with lines that came in, the material and density in force after them.
void MainWindow::ShowTotals(const std::optional<QString>& material) {
    if (material) {
        MaterialBox->setText(*material);
        DensityField->setText(QString::number(State().Density));
    }
    WeightUnitBox->setText(QStringLiteral("kilogram"));
    VolumeUnitBox->setText(QStringLiteral("meter"));
    VolumeField->setText(calculation_.Shown() == partslist::TotalsShown::WeightAndMarker
                             ? FromCore(calc::NoVolumeMarker)
                             : Total(State().TotalVolume));
    WeightField->setText(Total(State().TotalWeight));
    emit calculationChanged();
}

// Built on first use, so that start-up does not pay for it.
void MainWindow::ShowPartsList() {
    Guarded(this, [&] {
        if (!partsWindow_) partsWindow_ = new PartsListWindow(this);
        ShowInFront(partsWindow_);
    });
}

// Built on first use: the sections are read then, never at start-up.
void MainWindow::ShowSections() {
    Guarded(this, [&] {
        if (!sectionsWindow_) sectionsWindow_ = new SectionsWindow(this);
        ShowInFront(sectionsWindow_);
    });
}

} // namespace ui
