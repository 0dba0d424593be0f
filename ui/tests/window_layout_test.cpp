// The main window at start: every control in its place with its text, font
// and visibility, the tab order, and texts that fit their controls.
#include "WindowFixture.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QStyleOptionComboBox>

namespace {

struct Control {
    const char* Name;
    const char* Parent;
    int Left, Top, Width, Height; // 0: sized by its text
    const char* Text;
    bool Visible;
};

// Places as the window was designed, in pixels at 96 dpi.
const Control Controls[] = {
    {"MaterialGroup", "MainWindow", 5, 0, 452, 50, "", true},
    {"MaterialLabel", "MaterialGroup", 22, 21, 0, 0, "Material", true},
    {"MaterialBox", "MaterialGroup", 72, 18, 153, 0, "Iron ( Fe )", true},
    {"DensityLabel", "MaterialGroup", 275, 21, 0, 0, "Density", true},
    {"DensityField", "MaterialGroup", 328, 18, 53, 21, "7874", true},
    {"DensityUnitLabel", "MaterialGroup", 393, 21, 0, 0, "kg/m", true},
    {"DensityPowerLabel", "MaterialGroup", 418, 17, 0, 0, "3", true},
    {"ObjectGroup", "MainWindow", 5, 52, 452, 197, "Object", true},
    {"ObjectPicture", "ObjectGroup", 8, 16, 260, 170, "", true},
    {"ObjectTypeBox", "ObjectGroup", 288, 16, 140, 0, "Choose Type", true},
    {"ObjectQuantityLabel", "ObjectGroup", 300, 48, 0, 0, "Quantity", true},
    {"ObjectQuantityBox", "ObjectGroup", 356, 43, 57, 22, "1", true},
    {"SizeLabel", "ObjectGroup", 305, 70, 0, 0, "Size", false},
    {"ObjectALabel", "ObjectGroup", 281, 82, 0, 0, "a =", true},
    {"ObjectAField", "ObjectGroup", 306, 80, 50, 21, "0", true},
    {"ObjectAUnitBox", "ObjectGroup", 360, 80, 81, 0, "millimeter", true},
    {"HexagonalBarSizeBox", "ObjectGroup", 304, 85, 137, 0, "Choose Size", false},
    {"IBeamSizeBox", "ObjectGroup", 304, 85, 137, 0, "Choose Size", false},
    {"CChannelSizeBox", "ObjectGroup", 304, 85, 137, 0, "Choose Size", false},
    {"LipChannelSizeBox", "ObjectGroup", 304, 85, 137, 0, "Choose Size", false},
    {"AngleSizeBox", "ObjectGroup", 304, 85, 137, 0, "Choose Size", false},
    {"ObjectBLabel", "ObjectGroup", 281, 109, 0, 0, "b =", true},
    {"ObjectBField", "ObjectGroup", 306, 107, 50, 21, "0", true},
    {"ObjectBUnitBox", "ObjectGroup", 360, 107, 81, 0, "millimeter", true},
    {"LengthLabel", "ObjectGroup", 304, 119, 0, 0, "Length", false},
    {"ObjectCLabel", "ObjectGroup", 281, 135, 0, 0, "c =", true},
    {"ObjectCField", "ObjectGroup", 306, 133, 50, 21, "0", true},
    {"ObjectCUnitBox", "ObjectGroup", 360, 133, 81, 0, "millimeter", true},
    {"AddObjectButton", "ObjectGroup", 296, 160, 140, 25, "Add object", true},
    {"ApertureGroup", "MainWindow", 5, 252, 452, 197, "Aperture ", true},
    {"AperturePicture", "ApertureGroup", 8, 16, 260, 170, "", true},
    {"ApertureTypeBox", "ApertureGroup", 288, 16, 140, 0, "Choose Type", true},
    {"ApertureQuantityLabel", "ApertureGroup", 300, 56, 0, 0, "Quantity ", true},
    {"ApertureQuantityBox", "ApertureGroup", 356, 51, 57, 22, "1", true},
    {"ApertureALabel", "ApertureGroup", 281, 82, 0, 0, "a =", true},
    {"ApertureAField", "ApertureGroup", 306, 80, 50, 21, "0", true},
    {"ApertureAUnitBox", "ApertureGroup", 360, 80, 81, 0, "millimeter", true},
    {"ApertureBLabel", "ApertureGroup", 281, 109, 0, 0, "b =", true},
    {"ApertureBField", "ApertureGroup", 306, 107, 50, 21, "0", true},
    {"ApertureBUnitBox", "ApertureGroup", 360, 107, 81, 0, "millimeter", true},
    {"ApertureCLabel", "ApertureGroup", 281, 135, 0, 0, "c =", true},
    {"ApertureCField", "ApertureGroup", 306, 133, 49, 21, "0", true},
    {"ApertureCUnitBox", "ApertureGroup", 360, 133, 81, 0, "millimeter", true},
    {"AddApertureButton", "ApertureGroup", 296, 160, 140, 25, "Add aperture", true},
    {"MakerName", "MainWindow", 501, 5, 119, 21, "ORVEL Design", true},
    {"HomePageLink", "MainWindow", 493, 30, 138, 13, "", true},
    {"WeightGroup", "MainWindow", 464, 52, 193, 93, "Weight", true},
    {"WeightField", "WeightGroup", 16, 22, 161, 28, "", true},
    {"WeightUnitBox", "WeightGroup", 16, 56, 161, 0, "kilogram", true},
    {"VolumeGroup", "MainWindow", 464, 152, 193, 97, "Volume", true},
    {"VolumeField", "VolumeGroup", 16, 22, 161, 28, "", true},
    {"CubicLabel", "VolumeGroup", 28, 60, 0, 0, "cubic", true},
    {"VolumeUnitBox", "VolumeGroup", 72, 56, 105, 0, "meter", true},
    {"UndoButton", "MainWindow", 464, 262, 193, 25, "Undo", true},
    {"ResetButton", "MainWindow", 464, 294, 193, 25, "Reset", true},
    {"PartsListButton", "MainWindow", 464, 326, 193, 25, "Parts list", true},
    {"AboutButton", "MainWindow", 464, 357, 193, 25, "About", true},
    {"HelpButton", "MainWindow", 464, 389, 193, 25, "Help", true},
    {"ExitButton", "MainWindow", 464, 421, 193, 25, "Exit", true},
};

QString textOf(const QWidget* w) {
    if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
    if (auto* e = qobject_cast<const QLineEdit*>(w)) return e->text();
    if (auto* c = qobject_cast<const QComboBox*>(w)) return c->currentText();
    if (auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
    if (auto* g = qobject_cast<const QGroupBox*>(w)) return g->title();
    if (auto* s = qobject_cast<const QAbstractSpinBox*>(w)) return s->text();
    return {};
}

using WindowLayout = WindowTest;

TEST_F(WindowLayout, EveryControlStartsInItsPlaceWithItsText) {
    for (const Control& c : Controls) {
        SCOPED_TRACE(c.Name);
        auto* w = form->findChild<QWidget*>(QLatin1String(c.Name));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget()->objectName(), QLatin1String(c.Parent));
        EXPECT_EQ(w->pos(), QPoint(c.Left, c.Top));
        if (c.Width) {
            EXPECT_EQ(w->width(), c.Width);
        }
        if (c.Height) {
            EXPECT_EQ(w->height(), c.Height);
        }
        if (c.Name != std::string("HomePageLink")) {
            EXPECT_EQ(textOf(w), QLatin1String(c.Text));
        }
        EXPECT_EQ(w->isVisibleTo(form.get()), c.Visible);
    }
}

TEST_F(WindowLayout, WindowIsFixedAndCaptioned) {
    EXPECT_EQ(form->windowTitle(), "Kubatrix 3.1");
    EXPECT_EQ(form->size(), QSize(662, 453));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
}

TEST_F(WindowLayout, PicturesStartBlankAndResultsEmpty) {
    EXPECT_EQ(form->ObjectPicture->property("picture").toString(), "ZERO");
    EXPECT_EQ(form->AperturePicture->property("picture").toString(), "ZERO");
    EXPECT_FALSE(form->ObjectPicture->pixmap().isNull());
    EXPECT_TRUE(form->WeightField->text().isEmpty());
    EXPECT_TRUE(form->VolumeField->text().isEmpty());
    EXPECT_FALSE(form->WeightField->isReadOnly());
    EXPECT_FALSE(form->VolumeField->isReadOnly());
}

TEST_F(WindowLayout, ListsHoldTheirItemsInOrder) {
    const auto items = [](const QComboBox* box) {
        QStringList out;
        for (int i = 0; i < box->count(); ++i) out << box->itemText(i);
        return out;
    };
    const QStringList units{"millimeter", "centimeter", "meter", "inch", "foot", "yard"};
    for (auto* box :
         {form->ObjectAUnitBox, form->ObjectBUnitBox, form->ObjectCUnitBox, form->ApertureAUnitBox,
          form->ApertureBUnitBox, form->ApertureCUnitBox, form->VolumeUnitBox})
        EXPECT_EQ(items(box), units) << box->objectName().toStdString();
    EXPECT_EQ(items(form->WeightUnitBox),
              QStringList({"gram", "kilogram", "centner", "metric ton", "pound"}));
    EXPECT_EQ(form->MaterialBox->count(), 21);
    EXPECT_EQ(form->MaterialBox->itemText(0), "Iron ( Fe )");
    EXPECT_EQ(form->MaterialBox->itemText(20), "Other");
    EXPECT_EQ(items(form->ObjectTypeBox),
              QStringList({"Parallelepiped", "Hexahedral Bar", "I-Beam", "C channel", "Lip channel",
                           "Angle", "Cylinder", "Prism1", "Prism2", "Sphere", "Part of sphere",
                           "Cone", "Truncated cone", "Pyramid"}));
    EXPECT_EQ(items(form->ApertureTypeBox),
              QStringList({"Parallelepiped", "Cylinder", "Prism1", "Prism2", "Sphere",
                           "Part of sphere", "Cone", "Truncated cone", "Pyramid"}));
}

TEST_F(WindowLayout, FontsAreSetByNameAndPixels) {
    struct Font {
        QWidget* Control;
        const char* Family;
        int Pixels;
        bool Bold;
    };
    const Font fonts[] = {
        {form->MaterialLabel, "Liberation Sans", 11, false},
        {form->MaterialBox, "Liberation Sans", 11, true},
        {form->ObjectAField, "Liberation Sans", 11, true},
        {form->ObjectAUnitBox, "Liberation Sans", 11, false},
        {form->AddObjectButton, "Liberation Sans", 11, false},
        {form->UndoButton, "Liberation Sans", 11, true},
        {form->WeightField, "Liberation Sans", 16, true},
        {form->VolumeField, "Liberation Sans", 16, true},
        {form->WeightUnitBox, "Liberation Sans", 11, true},
        {form->CubicLabel, "Liberation Sans", 11, true},
        {form->VolumeUnitBox, "Liberation Sans", 11, true},
        {form->ApertureQuantityBox, "Liberation Sans", 11, true},
        {form->MakerName, "Liberation Serif", 19, false},
    };
    for (const Font& f : fonts) {
        SCOPED_TRACE(f.Control->objectName().toStdString());
        EXPECT_EQ(f.Control->font().family(), QLatin1String(f.Family));
        EXPECT_EQ(f.Control->font().pixelSize(), f.Pixels);
        EXPECT_EQ(f.Control->font().bold(), f.Bold);
        EXPECT_TRUE(QFontInfo(f.Control->font()).exactMatch() ||
                    QFontInfo(f.Control->font()).family() == QLatin1String(f.Family));
    }
    EXPECT_EQ(form->HomePageLink->font().underline(), true);
    EXPECT_EQ(form->HomePageLink->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(WindowLayout, TheMakersNameIsDrawnInRed) {
    const QImage drawn = form->MakerName->grab().toImage().convertToFormat(QImage::Format_RGB32);
    int red = 0, black = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x) {
            red += drawn.pixel(x, y) == qRgb(0xFF, 0, 0);
            black += drawn.pixel(x, y) == qRgb(0, 0, 0);
        }
    EXPECT_GT(red, 50);
    EXPECT_EQ(black, 0);
}

// Room for text inside a combo box: its edit field, without frame and arrow.
int textRoom(QComboBox* box) {
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = true;
    option.rect = box->rect();
    return box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box).width();
}

TEST_F(WindowLayout, EveryTextFitsItsControl) {
    for (auto* box : form->findChildren<ui::EditCombo*>()) {
        const QFontMetrics metrics(box->font());
        const int room = textRoom(box);
        QStringList texts{box->currentText()};
        for (int i = 0; i < box->count(); ++i) texts << box->itemText(i);
        for (const QString& t : texts)
            EXPECT_LE(metrics.horizontalAdvance(t), room)
                << box->objectName().toStdString() << ": " << t.toStdString();
    }
    for (auto* button : form->findChildren<QPushButton*>())
        EXPECT_LT(QFontMetrics(button->font()).horizontalAdvance(button->text()) + 8, button->width())
            << button->objectName().toStdString();
    for (auto* label : form->findChildren<QLabel*>()) {
        if (label->text().isEmpty()) continue;
        // The ink must fit; the blank bearing after the last letter may not.
        const QRect ink = QFontMetrics(label->font()).tightBoundingRect(label->text());
        EXPECT_LE(ink.right(), label->width())
            << label->objectName().toStdString();
    }
    for (auto* group : form->findChildren<QGroupBox*>())
        EXPECT_LT(QFontMetrics(group->font()).horizontalAdvance(group->title()), group->width());
}

TEST_F(WindowLayout, FocusStartsInTheObjectTypeBox) {
    EXPECT_TRUE(form->ObjectTypeBox->hasFocus() || form->ObjectTypeBox->lineEdit()->hasFocus());
    QTest::keyClicks(form->ObjectTypeBox->lineEdit(), "Cone");
    EXPECT_EQ(form->ObjectPicture->property("picture").toString(), "P007");
}

TEST_F(WindowLayout, TabVisitsTheControlsInTheirOrder) {
    const QStringList expected{
        "ExitButton",     "HelpButton",       "ObjectTypeBox",       "ObjectAField",
        "ObjectBField",   "ObjectCField",     "AddObjectButton",     "ObjectQuantityBox",
        "ObjectAUnitBox", "ObjectBUnitBox",   "ObjectCUnitBox",      "ApertureTypeBox",
        "ApertureAField", "ApertureBField",   "ApertureQuantityBox", "AddApertureButton",
        "ApertureCField", "ApertureAUnitBox", "ApertureBUnitBox",    "ApertureCUnitBox",
        "MaterialBox",    "DensityField",     "WeightField",         "WeightUnitBox",
        "VolumeField",    "VolumeUnitBox",    "UndoButton",          "ResetButton",
        "PartsListButton", "AboutButton"};
    form->ExitButton->setFocus();
    QApplication::processEvents();
    QStringList visited;
    for (int i = 0; i < expected.size(); ++i) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        // An editable list takes the focus in its line edit.
        QWidget* control = qobject_cast<QComboBox*>(focus->parentWidget()) ? focus->parentWidget() : focus;
        if (qobject_cast<QAbstractSpinBox*>(focus->parentWidget())) control = focus->parentWidget();
        visited << control->objectName();
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    EXPECT_EQ(visited, expected);
}

} // namespace
