#include "ui/Unit1.h"

#include "calc/Calculator.h"
#include "calc/Display.h"
#include "calc/Shapes.h"
#include "catalogue/ProfileSizeTable.h"
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
#include "ui/about.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTimer>

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
    return ui::FromCore(calc::FormatTotal(value, DecimalSeparator()));
}

void SetVisible(std::initializer_list<QWidget*> widgets, bool visible) {
    for (QWidget* w : widgets) w->setVisible(visible);
}

calc::DimensionRow Row(const QLineEdit* edit, const ui::EditCombo* unit) {
    return {str(edit), str(unit)};
}

} // namespace

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(ui::AppTitle);
    setFont(ui::SansFont());
    CreateControls();
    setFixedSize(662, 453);
    ConnectHandlers();
    FormCreate();
    // Every calculation starts with the type of the object; typing replaces
    // "Choose Type".
    ComboBox2->setFocus();
    ComboBox2->lineEdit()->selectAll();
}

// Once the window is on screen, and not before, the pictures get ready.
void TForm1::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    if (Painted_) return;
    Painted_ = true;
    QTimer::singleShot(0, this, [] { ui::PrepareShapePictures(); });
}

std::array<ui::EditCombo*, 5> TForm1::SizeBoxes() const {
    return {ComboBox6, ComboBox7, ComboBox8, ComboBox9, ComboBox10};
}

void TForm1::ConnectHandlers() {
    connect(BitBtn4, &QPushButton::clicked, this, &TForm1::BitBtn4Click);
    connect(BitBtn1, &QPushButton::clicked, this, &TForm1::BitBtn1Click);
    connect(BitBtn6, &QPushButton::clicked, this, &TForm1::BitBtn6Click);
    connect(Label38, &ui::LinkLabel::clicked, this, &TForm1::Label38Click);
    connect(ComboBox1, &ui::EditCombo::userChanged, this, &TForm1::ComboBox1Change);
    connect(ComboBox2, &ui::EditCombo::userChanged, this, &TForm1::ComboBox2Change);
    connect(ComboBox3, &ui::EditCombo::userChanged, this, &TForm1::ComboBox3Change);
    connect(ComboBox6, &ui::EditCombo::userChanged, this, &TForm1::ComboBox6Change);
    connect(ComboBox7, &ui::EditCombo::userChanged, this, &TForm1::ComboBox7Change);
    connect(ComboBox8, &ui::EditCombo::userChanged, this, &TForm1::ComboBox8Change);
    connect(ComboBox9, &ui::EditCombo::userChanged, this, &TForm1::ComboBox9Change);
    connect(ComboBox10, &ui::EditCombo::userChanged, this, &TForm1::ComboBox10Change);
    connect(ComboBox15, &ui::EditCombo::userChanged, this, &TForm1::ComboBox15Change);
    connect(ComboBox16, &ui::EditCombo::userChanged, this, &TForm1::ComboBox16Change);
    connect(BitBtn2, &QPushButton::clicked, this, &TForm1::BitBtn2Click);
    connect(BitBtn3, &QPushButton::clicked, this, &TForm1::BitBtn3Click);
    connect(BitBtn5, &QPushButton::clicked, this, &TForm1::BitBtn5Click);
    connect(BitBtn7, &QPushButton::clicked, this, &TForm1::BitBtn7Click);
}

void TForm1::ShowPicture(QLabel* image, const QString& name) {
    image->setPixmap(ui::ShapePicture(name, devicePixelRatioF()));
    image->setProperty("picture", name);
    // A screen reader tells which shape is shown and what a, b and c mean.
    const ui::PictureText text = ui::DescribePicture(name);
    const QString place =
        image == Image2 ? QStringLiteral("Aperture picture") : QStringLiteral("Object picture");
    image->setAccessibleName(ui::PictureName(place, text));
    image->setAccessibleDescription(ui::PictureDescription(text));
}

void TForm1::FormCreate() {
    ShowPicture(Image1, QStringLiteral("ZERO"));
    ShowPicture(Image2, QStringLiteral("ZERO"));
    Label34->hide();
    for (auto* box : SizeBoxes()) box->hide();
    State_ = calc::CalcState{};
}

void TForm1::BitBtn4Click() {
    close();
}

void TForm1::BitBtn1Click() {
    ui::Guarded(this, [&] { HelpWindow::ShowContents(this); });
}

void TForm1::BitBtn6Click() {
    ui::Guarded(this, [&] {
        if (AboutBox) AboutBox->exec();
    });
}

void TForm1::Label38Click() {
    ui::Guarded(this, [&] { ui::OpenAddress(ui::HomePageUrl()); });
}

void TForm1::ComboBox1Change() {
    ui::Guarded(this, [&] {
        State_.Density = calc::MaterialDensity(str(ComboBox1), State_.Density);
        Edit1->setText(QString::number(State_.Density));
    });
}

void TForm1::ComboBox2Change() {
    ui::Guarded(this, [&] {
        if (const calc::ObjectType* type = calc::FindObjectType(str(ComboBox2))) {
            ShowPicture(Image1, ui::FromCore(type->Picture));
            const bool profile = type->Profile != calc::NoProfile;
            SetVisible({Label1, Edit2, ComboBox4}, type->RowA);
            SetVisible({Label2, Edit3, ComboBox5}, type->RowB);
            Label3->setVisible(type->RowC);
            SetVisible({Edit4, ComboBox11}, type->RowC || profile); // a profile's length
            SetVisible({Label34, Label5}, profile);
            const auto sizeBoxes = SizeBoxes();
            for (int p = 0; p < int(sizeBoxes.size()); ++p)
                sizeBoxes[std::size_t(p)]->setVisible(p == type->Profile);
        }
        for (QLineEdit* e : {Edit2, Edit3, Edit4}) e->clear();
        SpinEdit2->setValue(1);
        for (auto* box : SizeBoxes()) box->setText(QStringLiteral("Choose Size"));
    });
}

void TForm1::ComboBox3Change() {
    ui::Guarded(this, [&] {
        if (const calc::ApertureType* type = calc::FindApertureType(str(ComboBox3))) {
            ShowPicture(Image2, ui::FromCore(type->Picture));
            SetVisible({Label17, Edit9, ComboBox13}, type->RowB);
            SetVisible({Label8, Edit5, ComboBox14}, type->RowC);
        }
        for (QLineEdit* e : {Edit8, Edit9, Edit5}) e->clear();
        SpinEdit1->setValue(1);
    });
}

void TForm1::ComboBox6Change() { SizeBoxChange(int(catalogue::Profile::HexagonalBar)); }
void TForm1::ComboBox7Change() { SizeBoxChange(int(catalogue::Profile::IBeam)); }
void TForm1::ComboBox8Change() { SizeBoxChange(int(catalogue::Profile::CChannel)); }
void TForm1::ComboBox9Change() { SizeBoxChange(int(catalogue::Profile::LipChannel)); }
void TForm1::ComboBox10Change() { SizeBoxChange(int(catalogue::Profile::Angle)); }

// Each size box writes only its own profile's linear mass, and only on an
// exact match of a label; any other text leaves it as it was.
void TForm1::SizeBoxChange(int profile) {
    ui::Guarded(this, [&] {
        const auto table = catalogue::SizeTable(static_cast<catalogue::Profile>(profile));
        if (const auto mass = catalogue::SelectSize(table, str(SizeBoxes()[std::size_t(profile)])))
            State_.ProfileMass[std::size_t(profile)] = *mass;
    });
}

void TForm1::ComboBox15Change() {
    ui::Guarded(this, [&] {
        Edit7->setText(ui::FromCore(calc::WeightText(State_.TotalWeight, str(ComboBox15), DecimalSeparator())));
    });
}

void TForm1::ComboBox16Change() {
    ui::Guarded(this, [&] {
        if (const auto text = calc::VolumeText(str(Edit10), State_.TotalVolume,
                                               str(ComboBox16), DecimalSeparator()))
            Edit10->setText(ui::FromCore(*text));
    });
}

void TForm1::BitBtn2Click() {
    ui::Guarded(this, [&] {
        const calc::CalcState next = calc::Undo(State_);
        const QString volume = Total(next.TotalVolume);
        const QString weight = Total(next.TotalWeight);
        State_ = next;
        Edit10->setText(volume);
        Edit7->setText(weight);
    });
}

void TForm1::BitBtn3Click() {
    ui::Guarded(this, [&] { Reset(); });
}

void TForm1::Reset() {
    State_ = calc::CalcState{};
    ShowPicture(Image1, QStringLiteral("ZERO"));
    ShowPicture(Image2, QStringLiteral("ZERO"));
    ComboBox2->setText(QStringLiteral("Choose Type"));
    for (QLineEdit* e : {Edit2, Edit3, Edit4}) e->setText(QStringLiteral("0"));
    SpinEdit2->setValue(1);
    ComboBox3->setText(QStringLiteral("Choose Type"));
    for (QLineEdit* e : {Edit8, Edit9, Edit5}) e->setText(QStringLiteral("0"));
    SpinEdit1->setValue(1);
    Edit7->clear();
    Edit10->clear();
    // Only the captions and edits of rows b and c come back; the rest stays
    // as the last type left it.
    SetVisible({Label2, Edit3, Label3, Edit4, Label17, Edit9, Label8, Edit5}, true);
    for (auto* box : SizeBoxes()) box->setText(QStringLiteral("Choose Size"));
}

calc::AddInput TForm1::ObjectInput() const {
    return {str(ComboBox2), str(Edit1), SpinEdit2->value(),
            {Row(Edit2, ComboBox4), Row(Edit3, ComboBox5), Row(Edit4, ComboBox11)},
            str(Edit10)};
}

calc::AddInput TForm1::ApertureInput() const {
    return {str(ComboBox3), str(Edit1), SpinEdit1->value(),
            {Row(Edit8, ComboBox12), Row(Edit9, ComboBox13), Row(Edit5, ComboBox14)},
            str(Edit10)};
}

// Commits a successful Add: the state, the unit boxes back to kilogram and
// cubic metre, and both totals written in them.
void TForm1::ShowAddOutcome(const calc::AddOutcome& outcome) {
    const QString weight = Total(outcome.State.TotalWeight);
    const QString volume = outcome.Volume == calc::VolumeShown::Marker ? ui::FromCore(calc::NoVolumeMarker)
                                                                        : Total(outcome.State.TotalVolume);
    State_ = outcome.State;
    ComboBox15->setText(QStringLiteral("kilogram"));
    ComboBox16->setText(QStringLiteral("meter"));
    if (outcome.Volume != calc::VolumeShown::Unchanged) Edit10->setText(volume);
    Edit7->setText(weight);
}

void TForm1::BitBtn5Click() {
    ui::Guarded(this, [&] {
        if (const auto outcome = calc::AddObject(State_, ObjectInput())) ShowAddOutcome(*outcome);
    });
}

void TForm1::BitBtn7Click() {
    ui::Guarded(this, [&] { ShowAddOutcome(calc::AddAperture(State_, ApertureInput())); });
}
