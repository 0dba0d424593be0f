// The main window's controls, their places and their first texts. The window
// is laid out in pixels at 96 dpi and cannot be resized, as the pictures and
// the size boxes share fixed spots.
#include "calc/Materials.h"
#include "calc/Shapes.h"
#include "calc/Units.h"
#include "catalogue/ProfileSizeTable.h"
#include "ui/Addresses.h"
#include "ui/CoreText.h"
#include "ui/EditCombo.h"
#include "ui/Fonts.h"
#include "ui/LinkLabel.h"
#include "ui/MainWindow.h"
#include "ui/SpinEdit.h"
#include "ui/WindowTexts.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>

namespace {

// Where each control sits: left, top, width, height in its parent. A width or
// height of 0 means the control takes the size of its text (labels), and
// combo boxes take the standard height.
struct Place {
    const char* Name;
    int Left, Top, Width, Height;
};

constexpr int ComboHeight = 21;

constexpr Place Places[] = {
    // material group
    {"MaterialGroup", 5, 0, 452, 50},
    {"MaterialLabel", 22, 21, 0, 0},
    {"MaterialBox", 72, 18, 153, ComboHeight},
    {"DensityLabel", 275, 21, 0, 0},
    {"DensityField", 328, 18, 53, 21},
    {"DensityUnitLabel", 393, 21, 0, 0},
    {"DensityPowerLabel", 418, 17, 0, 0},
    // object group
    {"ObjectGroup", 5, 52, 452, 197},
    {"ObjectPicture", 8, 16, 260, 170},
    {"ObjectTypeBox", 288, 16, 140, ComboHeight},
    {"ObjectQuantityLabel", 300, 48, 0, 0},
    {"ObjectQuantityBox", 356, 43, 57, 22},
    {"SizeLabel", 305, 70, 0, 0},
    {"ObjectALabel", 281, 82, 0, 0},
    {"ObjectAField", 306, 80, 50, 21},
    {"ObjectAUnitBox", 360, 80, 81, ComboHeight},
    {"HexagonalBarSizeBox", 304, 85, 137, ComboHeight},
    {"IBeamSizeBox", 304, 85, 137, ComboHeight},
    {"CChannelSizeBox", 304, 85, 137, ComboHeight},
    {"LipChannelSizeBox", 304, 85, 137, ComboHeight},
    {"AngleSizeBox", 304, 85, 137, ComboHeight},
    {"ObjectBLabel", 281, 109, 0, 0},
    {"ObjectBField", 306, 107, 50, 21},
    {"ObjectBUnitBox", 360, 107, 81, ComboHeight},
    {"LengthLabel", 304, 119, 0, 0},
    {"ObjectCLabel", 281, 135, 0, 0},
    {"ObjectCField", 306, 133, 50, 21},
    {"ObjectCUnitBox", 360, 133, 81, ComboHeight},
    {"AddObjectButton", 296, 160, 140, 25},
    // aperture group
    {"ApertureGroup", 5, 252, 452, 197},
    {"AperturePicture", 8, 16, 260, 170},
    {"ApertureTypeBox", 288, 16, 140, ComboHeight},
    {"ApertureQuantityLabel", 300, 56, 0, 0},
    {"ApertureQuantityBox", 356, 51, 57, 22},
    {"ApertureALabel", 281, 82, 0, 0},
    {"ApertureAField", 306, 80, 50, 21},
    {"ApertureAUnitBox", 360, 80, 81, ComboHeight},
    {"ApertureBLabel", 281, 109, 0, 0},
    {"ApertureBField", 306, 107, 50, 21},
    {"ApertureBUnitBox", 360, 107, 81, ComboHeight},
    {"ApertureCLabel", 281, 135, 0, 0},
    {"ApertureCField", 306, 133, 49, 21},
    {"ApertureCUnitBox", 360, 133, 81, ComboHeight},
    {"AddApertureButton", 296, 160, 140, 25},
    // right-hand column
    {"MakerName", 501, 5, 119, 21},
    {"HomePageLink", 493, 30, 138, 13},
    {"WeightGroup", 464, 52, 193, 93},
    {"WeightField", 16, 22, 161, 28},
    {"WeightUnitBox", 16, 56, 161, ComboHeight},
    {"VolumeGroup", 464, 152, 193, 97},
    {"VolumeField", 16, 22, 161, 28},
    {"CubicLabel", 28, 60, 0, 0},
    {"VolumeUnitBox", 72, 56, 105, ComboHeight},
    {"UndoButton", 464, 262, 193, 25},
    {"ResetButton", 464, 294, 193, 25},
    {"PartsListButton", 464, 326, 193, 25},
    {"AboutButton", 464, 357, 193, 25},
    {"HelpButton", 464, 389, 193, 25},
    {"ExitButton", 464, 421, 193, 25},
};

// What assistive tools (screen readers, voice control) call each control the
// user works with, and a word on what it does. Buttons are named by their
// captions; the rest have no caption of their own beside them that a tool
// could tie to them.
struct Spoken {
    const char* Control;
    const char* Name;        // empty: the control's own text names it
    const char* Description; // empty: the name says enough
};

constexpr Spoken SpokenTexts[] = {
    {"MaterialGroup", "Material", ""},
    {"MaterialBox", "Material", "Pick a material to fill in its density"},
    {"DensityField", "Density, kilograms per cubic metre", "A whole number, read on every Add"},
    {"ObjectTypeBox", "Object type", "The shape or rolled profile of the object"},
    {"ObjectQuantityBox", "Quantity", "Number of equal objects, 1 to 1000"},
    {"ObjectAField", "Dimension a", "Dimension a of the object, as marked in the picture"},
    {"ObjectAUnitBox", "Unit of a", "Length unit of dimension a"},
    {"ObjectBField", "Dimension b", "Dimension b of the object, as marked in the picture"},
    {"ObjectBUnitBox", "Unit of b", "Length unit of dimension b"},
    {"ObjectCField", "Dimension c", "Dimension c of the object, or the length of a rolled profile"},
    {"ObjectCUnitBox", "Unit of c", "Length unit of dimension c or of the profile's length"},
    {"HexagonalBarSizeBox", "Size of hexagonal bar", "Standard size: width across flats"},
    {"IBeamSizeBox", "Size of I-beam", "Standard size: height x flange width x web x flange"},
    {"CChannelSizeBox", "Size of C channel", "Standard size: height x flange width x web x flange"},
    {"LipChannelSizeBox", "Size of lip channel",
     "Standard size: height x flange width x lip x thickness"},
    {"AngleSizeBox", "Size of angle", "Standard size: leg x leg x thickness"},
    {"AddObjectButton", "", "Adds the object to the totals"},
    {"ApertureTypeBox", "Aperture type", "The shape of the hole or cut-out"},
    {"ApertureQuantityBox", "Aperture quantity", "Number of equal apertures, 1 to 1000"},
    {"ApertureAField", "Aperture dimension a",
     "Dimension a of the aperture, as marked in the picture"},
    {"ApertureAUnitBox", "Unit of aperture dimension a", "Length unit of aperture dimension a"},
    {"ApertureBField", "Aperture dimension b",
     "Dimension b of the aperture, as marked in the picture"},
    {"ApertureBUnitBox", "Unit of aperture dimension b", "Length unit of aperture dimension b"},
    {"ApertureCField", "Aperture dimension c",
     "Dimension c of the aperture, as marked in the picture"},
    {"ApertureCUnitBox", "Unit of aperture dimension c", "Length unit of aperture dimension c"},
    {"AddApertureButton", "", "Subtracts the aperture from the totals"},
    {"HomePageLink", "", "Opens the maker's home page in the web browser"},
    {"WeightField", "Weight", "Total weight, in the weight unit below"},
    {"WeightUnitBox", "Weight unit", "Shows the total weight in another unit"},
    {"VolumeField", "Volume", "Total volume, in cubic units of the volume unit below"},
    {"VolumeUnitBox", "Volume unit", "Shows the total volume in cubic units of another length"},
    {"UndoButton", "", "Takes back the last Add"},
    {"ResetButton", "", "Clears the totals and starts a new calculation"},
    {"PartsListButton", "", "Shows every line of the calculation in a list (Ctrl+L)"},
    {"AboutButton", "", "Shows the version and the maker of Kubatrix"},
    {"HelpButton", "", "Opens the help"},
    {"ExitButton", "", "Closes Kubatrix"},
};

// The window's controls by name, found in one pass over all its widgets.
using Controls = QHash<QString, QWidget*>;
Controls byName(QWidget* form) {
    Controls controls;
    for (QWidget* w : form->findChildren<QWidget*>())
        if (!w->objectName().isEmpty()) controls.insert(w->objectName(), w);
    return controls;
}

// Invisible to the eye: nothing here changes how a control looks or acts.
void NameForAssistiveTools(const Controls& controls) {
    for (const Spoken& s : SpokenTexts) {
        QWidget* control = controls.value(QLatin1String(s.Control));
        const QString name = QString::fromUtf8(s.Name);
        const QString description = QString::fromUtf8(s.Description);
        // A list box or the quantity box takes its typing in an edit of its
        // own; that edit is called the same, whichever of the two a tool asks.
        QList<QWidget*> parts{control};
        for (QWidget* inner : control->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly))
            parts << inner;
        if (auto* list = qobject_cast<QComboBox*>(control)) parts << list->view();
        for (QWidget* part : parts) {
            if (!name.isEmpty()) part->setAccessibleName(name);
            if (!description.isEmpty()) part->setAccessibleDescription(description);
        }
    }
    // A caption in front of a control is its label for a tool too (on Linux a
    // list box is called by its text, and by the label tied to it). Without a
    // mnemonic in the caption a buddy changes nothing else.
    const std::pair<const char*, const char*> captions[] = {
        {"MaterialLabel", "MaterialBox"},
        {"DensityLabel", "DensityField"},
        {"ObjectQuantityLabel", "ObjectQuantityBox"},
        {"ObjectALabel", "ObjectAField"},
        {"ObjectBLabel", "ObjectBField"},
        {"ObjectCLabel", "ObjectCField"},
        {"ApertureQuantityLabel", "ApertureQuantityBox"},
        {"ApertureALabel", "ApertureAField"},
        {"ApertureBLabel", "ApertureBField"},
        {"ApertureCLabel", "ApertureCField"},
        {"CubicLabel", "VolumeUnitBox"},
    };
    for (const auto& [caption, control] : captions)
        qobject_cast<QLabel*>(controls.value(QLatin1String(caption)))
            ->setBuddy(controls.value(QLatin1String(control)));
}

template <typename W> W* named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel* label(QWidget* parent, const char* name, const QString& text) {
    return named(new QLabel(text, parent), name);
}

QLineEdit* edit(QWidget* parent, const char* name, const QString& text, const QFont& font) {
    auto* e = named(new QLineEdit(text, parent), name);
    e->setFont(font);
    return e;
}

QPushButton* button(QWidget* parent, const char* name, const QString& text, bool bold) {
    auto* b = named(new QPushButton(text, parent), name);
    if (bold) b->setFont(ui::SansFont(11, true));
    return b;
}

// An editable list with its items and first text; bold where the window
// gives the list a font of its own.
ui::EditCombo* combo(QWidget* parent, const char* name, const QStringList& items,
                     const QString& text, bool bold = false) {
    auto* c = named(new ui::EditCombo(parent), name);
    // The font first: a list lays its items out again for a new font.
    if (bold) c->setFont(ui::SansFont(11, true));
    c->addItems(items);
    c->setText(text);
    return c;
}

QLabel* picture(QWidget* parent, const char* name) {
    // The pixmap is drawn at the label's size and covers all of it, so
    // nothing behind it needs painting when the picture changes.
    auto* p = named(new QLabel(parent), name);
    p->setAttribute(Qt::WA_OpaquePaintEvent);
    return p;
}

// The names of a table's rows (materials, types, units), in its order.
template <typename Rows> QStringList names(const Rows& rows) {
    QStringList out;
    for (const auto& row : rows) out << ui::FromCore(row.Name);
    return out;
}

// The items of a type box: the shapes with a picture there.
QStringList typeItems(bool aperture) {
    QStringList out;
    for (const calc::Shape& shape : calc::Shapes)
        if (!(aperture ? shape.AperturePicture : shape.ObjectPicture).empty())
            out << ui::FromCore(shape.Name);
    return out;
}

} // namespace

void ui::MainWindow::CreateControls() {
    const QFont bold = ui::SansFont(11, true);
    const QString millimeter = QStringLiteral("millimeter");
    const QStringList lengthUnits = names(calc::LengthUnits);

    MaterialGroup = named(new QGroupBox(this), "MaterialGroup");
    MaterialLabel = label(MaterialGroup, "MaterialLabel", QStringLiteral("Material"));
    MaterialBox = combo(MaterialGroup, "MaterialBox", names(calc::Materials),
                        QStringLiteral("Iron ( Fe )"), true);
    DensityLabel = label(MaterialGroup, "DensityLabel", QStringLiteral("Density"));
    DensityField = edit(MaterialGroup, "DensityField", QStringLiteral("7874"), bold);
    DensityUnitLabel = label(MaterialGroup, "DensityUnitLabel", QStringLiteral("kg/m"));
    DensityPowerLabel = label(MaterialGroup, "DensityPowerLabel", QStringLiteral("3"));

    ObjectGroup = named(new QGroupBox(QStringLiteral("Object"), this), "ObjectGroup");
    ObjectPicture = picture(ObjectGroup, "ObjectPicture");
    ObjectTypeBox = combo(ObjectGroup, "ObjectTypeBox", typeItems(false), ui::ChooseType, true);
    ObjectQuantityLabel = label(ObjectGroup, "ObjectQuantityLabel", QStringLiteral("Quantity"));
    ObjectQuantityBox = named(new ui::SpinEdit(ObjectGroup), "ObjectQuantityBox");
    ObjectQuantityBox->setFont(bold);
    SizeLabel = label(ObjectGroup, "SizeLabel", QStringLiteral("Size"));
    ObjectALabel = label(ObjectGroup, "ObjectALabel", QStringLiteral("a ="));
    ObjectAField = edit(ObjectGroup, "ObjectAField", QStringLiteral("0"), bold);
    ObjectAUnitBox = combo(ObjectGroup, "ObjectAUnitBox", lengthUnits, millimeter);
    const char* sizeNames[] = {"HexagonalBarSizeBox", "IBeamSizeBox", "CChannelSizeBox",
                               "LipChannelSizeBox", "AngleSizeBox"};
    ui::EditCombo** sizeBoxes[] = {&HexagonalBarSizeBox, &IBeamSizeBox, &CChannelSizeBox,
                                   &LipChannelSizeBox, &AngleSizeBox};
    for (int p = 0; p < catalogue::ProfileCount; ++p) {
        QStringList labels;
        for (const auto& row : catalogue::SizeTable(static_cast<catalogue::Profile>(p)))
            labels << ui::FromCore(row.Label);
        *sizeBoxes[p] = combo(ObjectGroup, sizeNames[p], labels, ui::ChooseSize, true);
    }
    ObjectBLabel = label(ObjectGroup, "ObjectBLabel", QStringLiteral("b ="));
    ObjectBField = edit(ObjectGroup, "ObjectBField", QStringLiteral("0"), bold);
    ObjectBUnitBox = combo(ObjectGroup, "ObjectBUnitBox", lengthUnits, millimeter);
    LengthLabel = label(ObjectGroup, "LengthLabel", QStringLiteral("Length"));
    LengthLabel->hide();
    ObjectCLabel = label(ObjectGroup, "ObjectCLabel", QStringLiteral("c ="));
    ObjectCField = edit(ObjectGroup, "ObjectCField", QStringLiteral("0"), bold);
    ObjectCUnitBox = combo(ObjectGroup, "ObjectCUnitBox", lengthUnits, millimeter);
    AddObjectButton = button(ObjectGroup, "AddObjectButton", QStringLiteral("Add object"), false);

    ApertureGroup = named(new QGroupBox(QStringLiteral("Aperture "), this), "ApertureGroup");
    AperturePicture = picture(ApertureGroup, "AperturePicture");
    ApertureTypeBox =
        combo(ApertureGroup, "ApertureTypeBox", typeItems(true), ui::ChooseType, true);
    ApertureQuantityLabel =
        label(ApertureGroup, "ApertureQuantityLabel", QStringLiteral("Quantity "));
    ApertureQuantityBox = named(new ui::SpinEdit(ApertureGroup), "ApertureQuantityBox");
    ApertureQuantityBox->setFont(bold);
    ApertureALabel = label(ApertureGroup, "ApertureALabel", QStringLiteral("a ="));
    ApertureAField = edit(ApertureGroup, "ApertureAField", QStringLiteral("0"), bold);
    ApertureAUnitBox = combo(ApertureGroup, "ApertureAUnitBox", lengthUnits, millimeter);
    ApertureBLabel = label(ApertureGroup, "ApertureBLabel", QStringLiteral("b ="));
    ApertureBField = edit(ApertureGroup, "ApertureBField", QStringLiteral("0"), bold);
    ApertureBUnitBox = combo(ApertureGroup, "ApertureBUnitBox", lengthUnits, millimeter);
    ApertureCLabel = label(ApertureGroup, "ApertureCLabel", QStringLiteral("c ="));
    ApertureCField = edit(ApertureGroup, "ApertureCField", QStringLiteral("0"), bold);
    ApertureCUnitBox = combo(ApertureGroup, "ApertureCUnitBox", lengthUnits, millimeter);
    AddApertureButton =
        button(ApertureGroup, "AddApertureButton", QStringLiteral("Add aperture"), false);

    MakerName = label(this, "MakerName", QStringLiteral("ORVEL Design"));
    // Liberation Serif sets the name a pixel wider than the label was drawn
    // for; a tenth of a pixel less between letters keeps it whole.
    QFont makerFont = ui::SerifFont(19);
    makerFont.setLetterSpacing(QFont::AbsoluteSpacing, -0.1);
    MakerName->setFont(makerFont);
    QPalette red = MakerName->palette();
    red.setColor(QPalette::WindowText, QColor(0xFF, 0x00, 0x00));
    MakerName->setPalette(red);
    HomePageLink =
        named(new ui::LinkLabel(QString::fromLatin1(ui::HomePageAddress), this), "HomePageLink");
    HomePageLink->setCursor(Qt::PointingHandCursor);

    WeightGroup = named(new QGroupBox(QStringLiteral("Weight"), this), "WeightGroup");
    WeightGroup->setFont(bold);
    WeightField = edit(WeightGroup, "WeightField", QString(), ui::SansFont(16, true));
    WeightUnitBox = combo(WeightGroup, "WeightUnitBox", names(calc::WeightUnits), QStringLiteral("kilogram"));

    VolumeGroup = named(new QGroupBox(QStringLiteral("Volume"), this), "VolumeGroup");
    VolumeGroup->setFont(bold);
    VolumeField = edit(VolumeGroup, "VolumeField", QString(), ui::SansFont(16, true));
    CubicLabel = label(VolumeGroup, "CubicLabel", QStringLiteral("cubic"));
    VolumeUnitBox = combo(VolumeGroup, "VolumeUnitBox", lengthUnits, QStringLiteral("meter"));

    UndoButton = button(this, "UndoButton", QStringLiteral("Undo"), true);
    ResetButton = button(this, "ResetButton", QStringLiteral("Reset"), true);
    PartsListButton = button(this, "PartsListButton", QStringLiteral("Parts list"), true);
    AboutButton = button(this, "AboutButton", QStringLiteral("About"), true);
    HelpButton = button(this, "HelpButton", QStringLiteral("Help"), true);
    ExitButton = button(this, "ExitButton", QStringLiteral("Exit"), true);

    const Controls controls = byName(this);
    for (const Place& p : Places) {
        QWidget* w = controls.value(QLatin1String(p.Name));
        if (p.Width == 0) {
            w->adjustSize();
            w->move(p.Left, p.Top);
        } else {
            w->setGeometry(p.Left, p.Top, p.Width, p.Height);
        }
    }

    NameForAssistiveTools(controls);

    // The Tab key visits the controls in this order; hidden ones are skipped.
    const QWidget* order[] = {
        ExitButton,        HelpButton,      ObjectTypeBox,    ObjectAField,
        ObjectBField,      ObjectCField,    AddObjectButton,  ObjectQuantityBox,
        ObjectAUnitBox,    ObjectBUnitBox,  ObjectCUnitBox,   AngleSizeBox,
        LipChannelSizeBox, CChannelSizeBox, IBeamSizeBox,     HexagonalBarSizeBox,
        ApertureTypeBox,   ApertureAField,  ApertureBField,   ApertureQuantityBox,
        AddApertureButton, ApertureCField,  ApertureAUnitBox, ApertureBUnitBox,
        ApertureCUnitBox,  MaterialBox,     DensityField,     WeightField,
        WeightUnitBox,     VolumeField,     VolumeUnitBox,    UndoButton,
        ResetButton,       PartsListButton, AboutButton};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(const_cast<QWidget*>(order[i - 1]), const_cast<QWidget*>(order[i]));
}
