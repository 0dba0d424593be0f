// The main window's controls, their places and their first texts. The window
// is laid out in pixels at 96 dpi and cannot be resized, as the pictures and
// the size boxes share fixed spots.
#include "calc/Materials.h"
#include "calc/Shapes.h"
#include "calc/Units.h"
#include "catalogue/ProfileSizeTable.h"
#include "ui/CoreText.h"
#include "ui/EditCombo.h"
#include "ui/Fonts.h"
#include "ui/LinkLabel.h"
#include "ui/SpinEdit.h"
#include "ui/Unit1.h"
#include "ui/Addresses.h"

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
    {"GroupBox2", 5, 0, 452, 50},
    {"Label9", 22, 21, 0, 0},
    {"ComboBox1", 72, 18, 153, ComboHeight},
    {"Label10", 275, 21, 0, 0},
    {"Edit1", 328, 18, 53, 21},
    {"Label11", 393, 21, 0, 0},
    {"Label12", 418, 17, 0, 0},
    // object group
    {"GroupBox1", 5, 52, 452, 197},
    {"Image1", 8, 16, 260, 170},
    {"ComboBox2", 288, 16, 140, ComboHeight},
    {"Label7", 300, 48, 0, 0},
    {"SpinEdit2", 356, 43, 57, 22},
    {"Label34", 305, 70, 0, 0},
    {"Label1", 281, 82, 0, 0},
    {"Edit2", 306, 80, 50, 21},
    {"ComboBox4", 360, 80, 81, ComboHeight},
    {"ComboBox6", 304, 85, 137, ComboHeight},
    {"ComboBox7", 304, 85, 137, ComboHeight},
    {"ComboBox8", 304, 85, 137, ComboHeight},
    {"ComboBox9", 304, 85, 137, ComboHeight},
    {"ComboBox10", 304, 85, 137, ComboHeight},
    {"Label2", 281, 109, 0, 0},
    {"Edit3", 306, 107, 50, 21},
    {"ComboBox5", 360, 107, 81, ComboHeight},
    {"Label5", 304, 119, 0, 0},
    {"Label3", 281, 135, 0, 0},
    {"Edit4", 306, 133, 50, 21},
    {"ComboBox11", 360, 133, 81, ComboHeight},
    {"BitBtn5", 296, 160, 140, 25},
    // aperture group
    {"GroupBox3", 5, 252, 452, 197},
    {"Image2", 8, 16, 260, 170},
    {"ComboBox3", 288, 16, 140, ComboHeight},
    {"Label22", 300, 56, 0, 0},
    {"SpinEdit1", 356, 51, 57, 22},
    {"Label16", 281, 82, 0, 0},
    {"Edit8", 306, 80, 50, 21},
    {"ComboBox12", 360, 80, 81, ComboHeight},
    {"Label17", 281, 109, 0, 0},
    {"Edit9", 306, 107, 50, 21},
    {"ComboBox13", 360, 107, 81, ComboHeight},
    {"Label8", 281, 135, 0, 0},
    {"Edit5", 306, 133, 49, 21},
    {"ComboBox14", 360, 133, 81, ComboHeight},
    {"BitBtn7", 296, 160, 140, 25},
    // right-hand column
    {"Label36", 501, 5, 119, 21},
    {"Label38", 493, 30, 138, 13},
    {"GroupBox4", 464, 52, 193, 93},
    {"Edit7", 16, 22, 161, 28},
    {"ComboBox15", 16, 56, 161, ComboHeight},
    {"GroupBox5", 464, 152, 193, 97},
    {"Edit10", 16, 22, 161, 28},
    {"Label4", 28, 60, 0, 0},
    {"ComboBox16", 72, 56, 105, ComboHeight},
    {"BitBtn2", 464, 262, 193, 25},
    {"BitBtn3", 464, 294, 193, 25},
    {"BitBtn6", 464, 357, 193, 25},
    {"BitBtn1", 464, 389, 193, 25},
    {"BitBtn4", 464, 421, 193, 25},
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
    {"GroupBox2", "Material", ""},
    {"ComboBox1", "Material", "Pick a material to fill in its density"},
    {"Edit1", "Density, kilograms per cubic metre", "A whole number, read on every Add"},
    {"ComboBox2", "Object type", "The shape or rolled profile of the object"},
    {"SpinEdit2", "Quantity", "Number of equal objects, 1 to 1000"},
    {"Edit2", "Dimension a", "Dimension a of the object, as marked in the picture"},
    {"ComboBox4", "Unit of a", "Length unit of dimension a"},
    {"Edit3", "Dimension b", "Dimension b of the object, as marked in the picture"},
    {"ComboBox5", "Unit of b", "Length unit of dimension b"},
    {"Edit4", "Dimension c", "Dimension c of the object, or the length of a rolled profile"},
    {"ComboBox11", "Unit of c", "Length unit of dimension c or of the profile's length"},
    {"ComboBox6", "Size of hexagonal bar", "Standard size: width across flats"},
    {"ComboBox7", "Size of I-beam", "Standard size: height x flange width x web x flange"},
    {"ComboBox8", "Size of C channel", "Standard size: height x flange width x web x flange"},
    {"ComboBox9", "Size of lip channel", "Standard size: height x flange width x lip x thickness"},
    {"ComboBox10", "Size of angle", "Standard size: leg x leg x thickness"},
    {"BitBtn5", "", "Adds the object to the totals"},
    {"ComboBox3", "Aperture type", "The shape of the hole or cut-out"},
    {"SpinEdit1", "Aperture quantity", "Number of equal apertures, 1 to 1000"},
    {"Edit8", "Aperture dimension a", "Dimension a of the aperture, as marked in the picture"},
    {"ComboBox12", "Unit of aperture dimension a", "Length unit of aperture dimension a"},
    {"Edit9", "Aperture dimension b", "Dimension b of the aperture, as marked in the picture"},
    {"ComboBox13", "Unit of aperture dimension b", "Length unit of aperture dimension b"},
    {"Edit5", "Aperture dimension c", "Dimension c of the aperture, as marked in the picture"},
    {"ComboBox14", "Unit of aperture dimension c", "Length unit of aperture dimension c"},
    {"BitBtn7", "", "Subtracts the aperture from the totals"},
    {"Label38", "", "Opens the maker's home page in the web browser"},
    {"Edit7", "Weight", "Total weight, in the weight unit below"},
    {"ComboBox15", "Weight unit", "Shows the total weight in another unit"},
    {"Edit10", "Volume", "Total volume, in cubic units of the volume unit below"},
    {"ComboBox16", "Volume unit", "Shows the total volume in cubic units of another length"},
    {"BitBtn2", "", "Takes back the last Add"},
    {"BitBtn3", "", "Clears the totals and starts a new calculation"},
    {"BitBtn6", "", "Shows the version and the maker of Kubatrix"},
    {"BitBtn1", "", "Opens the help"},
    {"BitBtn4", "", "Closes Kubatrix"},
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
        {"Label9", "ComboBox1"},  {"Label10", "Edit1"},     {"Label7", "SpinEdit2"},
        {"Label1", "Edit2"},      {"Label2", "Edit3"},      {"Label3", "Edit4"},
        {"Label22", "SpinEdit1"}, {"Label16", "Edit8"},     {"Label17", "Edit9"},
        {"Label8", "Edit5"},      {"Label4", "ComboBox16"},
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

QStringList weightUnits() {
    QStringList out;
    for (auto unit : calc::WeightUnits) out << ui::FromCore(unit);
    return out;
}

QStringList sizeLabels(catalogue::Profile profile) {
    QStringList out;
    for (const auto& row : catalogue::SizeTable(profile)) out << ui::FromCore(row.Label);
    return out;
}

} // namespace

void TForm1::CreateControls() {
    const QFont bold = ui::SansFont(11, true);
    const QString millimeter = QStringLiteral("millimeter");
    const QString chooseType = QStringLiteral("Choose Type");
    const QStringList lengthUnits = names(calc::LengthUnits);

    GroupBox2 = named(new QGroupBox(this), "GroupBox2");
    Label9 = label(GroupBox2, "Label9", QStringLiteral("Material"));
    ComboBox1 = combo(GroupBox2, "ComboBox1", names(calc::Materials), QStringLiteral("Iron ( Fe )"), true);
    Label10 = label(GroupBox2, "Label10", QStringLiteral("Density"));
    Edit1 = edit(GroupBox2, "Edit1", QStringLiteral("7874"), bold);
    Label11 = label(GroupBox2, "Label11", QStringLiteral("kg/m"));
    Label12 = label(GroupBox2, "Label12", QStringLiteral("3"));

    GroupBox1 = named(new QGroupBox(QStringLiteral("Object"), this), "GroupBox1");
    Image1 = picture(GroupBox1, "Image1");
    ComboBox2 = combo(GroupBox1, "ComboBox2", names(calc::ObjectTypes), chooseType, true);
    Label7 = label(GroupBox1, "Label7", QStringLiteral("Quantity"));
    SpinEdit2 = named(new ui::SpinEdit(GroupBox1), "SpinEdit2");
    SpinEdit2->setFont(bold);
    Label34 = label(GroupBox1, "Label34", QStringLiteral("Size"));
    Label1 = label(GroupBox1, "Label1", QStringLiteral("a ="));
    Edit2 = edit(GroupBox1, "Edit2", QStringLiteral("0"), bold);
    ComboBox4 = combo(GroupBox1, "ComboBox4", lengthUnits, millimeter);
    const char* sizeNames[] = {"ComboBox6", "ComboBox7", "ComboBox8", "ComboBox9", "ComboBox10"};
    ui::EditCombo** sizeBoxes[] = {&ComboBox6, &ComboBox7, &ComboBox8, &ComboBox9, &ComboBox10};
    for (int p = 0; p < catalogue::ProfileCount; ++p) {
        *sizeBoxes[p] = combo(GroupBox1, sizeNames[p], sizeLabels(static_cast<catalogue::Profile>(p)),
                              QStringLiteral("Choose Size"), true);
    }
    Label2 = label(GroupBox1, "Label2", QStringLiteral("b ="));
    Edit3 = edit(GroupBox1, "Edit3", QStringLiteral("0"), bold);
    ComboBox5 = combo(GroupBox1, "ComboBox5", lengthUnits, millimeter);
    Label5 = label(GroupBox1, "Label5", QStringLiteral("Length"));
    Label5->hide();
    Label3 = label(GroupBox1, "Label3", QStringLiteral("c ="));
    Edit4 = edit(GroupBox1, "Edit4", QStringLiteral("0"), bold);
    ComboBox11 = combo(GroupBox1, "ComboBox11", lengthUnits, millimeter);
    BitBtn5 = button(GroupBox1, "BitBtn5", QStringLiteral("Add object"), false);

    GroupBox3 = named(new QGroupBox(QStringLiteral("Aperture "), this), "GroupBox3");
    Image2 = picture(GroupBox3, "Image2");
    ComboBox3 = combo(GroupBox3, "ComboBox3", names(calc::ApertureTypes), chooseType, true);
    Label22 = label(GroupBox3, "Label22", QStringLiteral("Quantity "));
    SpinEdit1 = named(new ui::SpinEdit(GroupBox3), "SpinEdit1");
    SpinEdit1->setFont(bold);
    Label16 = label(GroupBox3, "Label16", QStringLiteral("a ="));
    Edit8 = edit(GroupBox3, "Edit8", QStringLiteral("0"), bold);
    ComboBox12 = combo(GroupBox3, "ComboBox12", lengthUnits, millimeter);
    Label17 = label(GroupBox3, "Label17", QStringLiteral("b ="));
    Edit9 = edit(GroupBox3, "Edit9", QStringLiteral("0"), bold);
    ComboBox13 = combo(GroupBox3, "ComboBox13", lengthUnits, millimeter);
    Label8 = label(GroupBox3, "Label8", QStringLiteral("c ="));
    Edit5 = edit(GroupBox3, "Edit5", QStringLiteral("0"), bold);
    ComboBox14 = combo(GroupBox3, "ComboBox14", lengthUnits, millimeter);
    BitBtn7 = button(GroupBox3, "BitBtn7", QStringLiteral("Add aperture"), false);

    Label36 = label(this, "Label36", QStringLiteral("ORVEL Design"));
    // Liberation Serif sets the name a pixel wider than the label was drawn
    // for; a tenth of a pixel less between letters keeps it whole.
    QFont makerFont = ui::SerifFont(19);
    makerFont.setLetterSpacing(QFont::AbsoluteSpacing, -0.1);
    Label36->setFont(makerFont);
    QPalette red = Label36->palette();
    red.setColor(QPalette::WindowText, QColor(0xFF, 0x00, 0x00));
    Label36->setPalette(red);
    Label38 = named(new ui::LinkLabel(QString::fromLatin1(ui::HomePageAddress), this), "Label38");
    Label38->setHandCursor(true);

    GroupBox4 = named(new QGroupBox(QStringLiteral("Weight"), this), "GroupBox4");
    GroupBox4->setFont(bold);
    Edit7 = edit(GroupBox4, "Edit7", QString(), ui::SansFont(16, true));
    ComboBox15 = combo(GroupBox4, "ComboBox15", weightUnits(), QStringLiteral("kilogram"));

    GroupBox5 = named(new QGroupBox(QStringLiteral("Volume"), this), "GroupBox5");
    GroupBox5->setFont(bold);
    Edit10 = edit(GroupBox5, "Edit10", QString(), ui::SansFont(16, true));
    Label4 = label(GroupBox5, "Label4", QStringLiteral("cubic"));
    ComboBox16 = combo(GroupBox5, "ComboBox16", lengthUnits, QStringLiteral("meter"));

    BitBtn2 = button(this, "BitBtn2", QStringLiteral("Undo"), true);
    BitBtn3 = button(this, "BitBtn3", QStringLiteral("Reset"), true);
    BitBtn6 = button(this, "BitBtn6", QStringLiteral("About"), true);
    BitBtn1 = button(this, "BitBtn1", QStringLiteral("Help"), true);
    BitBtn4 = button(this, "BitBtn4", QStringLiteral("Exit"), true);

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
    const QWidget* order[] = {BitBtn4,    BitBtn1,    ComboBox2,  Edit2,      Edit3,     Edit4,
                              BitBtn5,    SpinEdit2,  ComboBox4,  ComboBox5,  ComboBox11, ComboBox10,
                              ComboBox9,  ComboBox8,  ComboBox7,  ComboBox6,  ComboBox3, Edit8,
                              Edit9,      SpinEdit1,  BitBtn7,    Edit5,      ComboBox12, ComboBox13,
                              ComboBox14, ComboBox1,  Edit1,      Edit7,      ComboBox15, Edit10,
                              ComboBox16, BitBtn2,    BitBtn3,    BitBtn6};
    for (std::size_t i = 1; i < std::size(order); ++i)
        QWidget::setTabOrder(const_cast<QWidget*>(order[i - 1]), const_cast<QWidget*>(order[i]));
}
