// The main window at start: every control in its place with its text, font
// and visibility, the tab order, and texts that fit their controls.
#include "FormFixture.h"

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
    {"GroupBox2", "Form1", 5, 0, 452, 50, "", true},
    {"Label9", "GroupBox2", 22, 21, 0, 0, "Material", true},
    {"ComboBox1", "GroupBox2", 72, 18, 153, 0, "Iron ( Fe )", true},
    {"Label10", "GroupBox2", 275, 21, 0, 0, "Density", true},
    {"Edit1", "GroupBox2", 328, 18, 53, 21, "7874", true},
    {"Label11", "GroupBox2", 393, 21, 0, 0, "kg/m", true},
    {"Label12", "GroupBox2", 418, 17, 0, 0, "3", true},
    {"GroupBox1", "Form1", 5, 52, 452, 197, "Object", true},
    {"Image1", "GroupBox1", 8, 16, 260, 170, "", true},
    {"ComboBox2", "GroupBox1", 288, 16, 140, 0, "Choose Type", true},
    {"Label7", "GroupBox1", 300, 48, 0, 0, "Quantity", true},
    {"SpinEdit2", "GroupBox1", 356, 43, 57, 22, "1", true},
    {"Label34", "GroupBox1", 305, 70, 0, 0, "Size", false},
    {"Label1", "GroupBox1", 281, 82, 0, 0, "a =", true},
    {"Edit2", "GroupBox1", 306, 80, 50, 21, "0", true},
    {"ComboBox4", "GroupBox1", 360, 80, 81, 0, "millimeter", true},
    {"ComboBox6", "GroupBox1", 304, 85, 137, 0, "Choose Size", false},
    {"ComboBox7", "GroupBox1", 304, 85, 137, 0, "Choose Size", false},
    {"ComboBox8", "GroupBox1", 304, 85, 137, 0, "Choose Size", false},
    {"ComboBox9", "GroupBox1", 304, 85, 137, 0, "Choose Size", false},
    {"ComboBox10", "GroupBox1", 304, 85, 137, 0, "Choose Size", false},
    {"Label2", "GroupBox1", 281, 109, 0, 0, "b =", true},
    {"Edit3", "GroupBox1", 306, 107, 50, 21, "0", true},
    {"ComboBox5", "GroupBox1", 360, 107, 81, 0, "millimeter", true},
    {"Label5", "GroupBox1", 304, 119, 0, 0, "Length", false},
    {"Label3", "GroupBox1", 281, 135, 0, 0, "c =", true},
    {"Edit4", "GroupBox1", 306, 133, 50, 21, "0", true},
    {"ComboBox11", "GroupBox1", 360, 133, 81, 0, "millimeter", true},
    {"BitBtn5", "GroupBox1", 296, 160, 140, 25, "Add object", true},
    {"GroupBox3", "Form1", 5, 252, 452, 197, "Aperture ", true},
    {"Image2", "GroupBox3", 8, 16, 260, 170, "", true},
    {"ComboBox3", "GroupBox3", 288, 16, 140, 0, "Choose Type", true},
    {"Label22", "GroupBox3", 300, 56, 0, 0, "Quantity ", true},
    {"SpinEdit1", "GroupBox3", 356, 51, 57, 22, "1", true},
    {"Label16", "GroupBox3", 281, 82, 0, 0, "a =", true},
    {"Edit8", "GroupBox3", 306, 80, 50, 21, "0", true},
    {"ComboBox12", "GroupBox3", 360, 80, 81, 0, "millimeter", true},
    {"Label17", "GroupBox3", 281, 109, 0, 0, "b =", true},
    {"Edit9", "GroupBox3", 306, 107, 50, 21, "0", true},
    {"ComboBox13", "GroupBox3", 360, 107, 81, 0, "millimeter", true},
    {"Label8", "GroupBox3", 281, 135, 0, 0, "c =", true},
    {"Edit5", "GroupBox3", 306, 133, 49, 21, "0", true},
    {"ComboBox14", "GroupBox3", 360, 133, 81, 0, "millimeter", true},
    {"BitBtn7", "GroupBox3", 296, 160, 140, 25, "Add aperture", true},
    {"Label36", "Form1", 501, 5, 119, 21, "ORVEL Design", true},
    {"Label38", "Form1", 493, 30, 138, 13, "", true},
    {"GroupBox4", "Form1", 464, 52, 193, 93, "Weight", true},
    {"Edit7", "GroupBox4", 16, 22, 161, 28, "", true},
    {"ComboBox15", "GroupBox4", 16, 56, 161, 0, "kilogram", true},
    {"GroupBox5", "Form1", 464, 152, 193, 97, "Volume", true},
    {"Edit10", "GroupBox5", 16, 22, 161, 28, "", true},
    {"Label4", "GroupBox5", 28, 60, 0, 0, "cubic", true},
    {"ComboBox16", "GroupBox5", 72, 56, 105, 0, "meter", true},
    {"BitBtn2", "Form1", 464, 262, 193, 25, "Undo", true},
    {"BitBtn3", "Form1", 464, 294, 193, 25, "Reset", true},
    {"BitBtn6", "Form1", 464, 357, 193, 25, "About", true},
    {"BitBtn1", "Form1", 464, 389, 193, 25, "Help", true},
    {"BitBtn4", "Form1", 464, 421, 193, 25, "Exit", true},
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

using FormLayout = FormTest;

TEST_F(FormLayout, EveryControlStartsInItsPlaceWithItsText) {
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
        if (c.Name != std::string("Label38")) {
            EXPECT_EQ(textOf(w), QLatin1String(c.Text));
        }
        EXPECT_EQ(w->isVisibleTo(form.get()), c.Visible);
    }
}

TEST_F(FormLayout, WindowIsFixedAndCaptioned) {
    EXPECT_EQ(form->windowTitle(), "Kubatrix 3.1");
    EXPECT_EQ(form->size(), QSize(662, 453));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
}

TEST_F(FormLayout, PicturesStartBlankAndResultsEmpty) {
    EXPECT_EQ(form->Image1->property("picture").toString(), "ZERO");
    EXPECT_EQ(form->Image2->property("picture").toString(), "ZERO");
    EXPECT_FALSE(form->Image1->pixmap().isNull());
    EXPECT_TRUE(form->Edit7->text().isEmpty());
    EXPECT_TRUE(form->Edit10->text().isEmpty());
    EXPECT_FALSE(form->Edit7->isReadOnly());
    EXPECT_FALSE(form->Edit10->isReadOnly());
}

TEST_F(FormLayout, ListsHoldTheirItemsInOrder) {
    const auto items = [](const QComboBox* box) {
        QStringList out;
        for (int i = 0; i < box->count(); ++i) out << box->itemText(i);
        return out;
    };
    const QStringList units{"millimeter", "centimeter", "meter", "inch", "foot", "yard"};
    for (auto* box : {form->ComboBox4, form->ComboBox5, form->ComboBox11, form->ComboBox12,
                      form->ComboBox13, form->ComboBox14, form->ComboBox16})
        EXPECT_EQ(items(box), units) << box->objectName().toStdString();
    EXPECT_EQ(items(form->ComboBox15),
              QStringList({"gram", "kilogram", "centner", "metric ton", "pound"}));
    EXPECT_EQ(form->ComboBox1->count(), 21);
    EXPECT_EQ(form->ComboBox1->itemText(0), "Iron ( Fe )");
    EXPECT_EQ(form->ComboBox1->itemText(20), "Other");
    EXPECT_EQ(items(form->ComboBox2),
              QStringList({"Parallelepiped", "Hexahedral Bar", "I-Beam", "C channel", "Lip channel",
                           "Angle", "Cylinder", "Prism1", "Prism2", "Sphere", "Part of sphere",
                           "Cone", "Truncated cone", "Pyramid"}));
    EXPECT_EQ(items(form->ComboBox3),
              QStringList({"Parallelepiped", "Cylinder", "Prism1", "Prism2", "Sphere",
                           "Part of sphere", "Cone", "Truncated cone", "Pyramid"}));
}

TEST_F(FormLayout, FontsAreSetByNameAndPixels) {
    struct Font {
        QWidget* Control;
        const char* Family;
        int Pixels;
        bool Bold;
    };
    const Font fonts[] = {
        {form->Label9, "Liberation Sans", 11, false},  {form->ComboBox1, "Liberation Sans", 11, true},
        {form->Edit2, "Liberation Sans", 11, true},    {form->ComboBox4, "Liberation Sans", 11, false},
        {form->BitBtn5, "Liberation Sans", 11, false}, {form->BitBtn2, "Liberation Sans", 11, true},
        {form->Edit7, "Liberation Sans", 16, true},    {form->Edit10, "Liberation Sans", 16, true},
        {form->ComboBox15, "Liberation Sans", 11, true}, {form->Label4, "Liberation Sans", 11, true},
        {form->ComboBox16, "Liberation Sans", 11, true}, {form->SpinEdit1, "Liberation Sans", 11, true},
        {form->Label36, "Liberation Serif", 19, false},
    };
    for (const Font& f : fonts) {
        SCOPED_TRACE(f.Control->objectName().toStdString());
        EXPECT_EQ(f.Control->font().family(), QLatin1String(f.Family));
        EXPECT_EQ(f.Control->font().pixelSize(), f.Pixels);
        EXPECT_EQ(f.Control->font().bold(), f.Bold);
        EXPECT_TRUE(QFontInfo(f.Control->font()).exactMatch() ||
                    QFontInfo(f.Control->font()).family() == QLatin1String(f.Family));
    }
    EXPECT_EQ(form->Label38->font().underline(), true);
    EXPECT_EQ(form->Label38->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(FormLayout, TheMakersNameIsDrawnInRed) {
    const QImage drawn = form->Label36->grab().toImage().convertToFormat(QImage::Format_RGB32);
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

TEST_F(FormLayout, EveryTextFitsItsControl) {
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

TEST_F(FormLayout, FocusStartsInTheObjectTypeBox) {
    EXPECT_TRUE(form->ComboBox2->hasFocus() || form->ComboBox2->lineEdit()->hasFocus());
    QTest::keyClicks(form->ComboBox2->lineEdit(), "Cone");
    EXPECT_EQ(form->Image1->property("picture").toString(), "P007");
}

TEST_F(FormLayout, TabVisitsTheControlsInTheirOrder) {
    const QStringList expected{"BitBtn4",    "BitBtn1",    "ComboBox2", "Edit2",      "Edit3",
                               "Edit4",      "BitBtn5",    "SpinEdit2", "ComboBox4",  "ComboBox5",
                               "ComboBox11", "ComboBox3",  "Edit8",     "Edit9",      "SpinEdit1",
                               "BitBtn7",    "Edit5",      "ComboBox12", "ComboBox13", "ComboBox14",
                               "ComboBox1",  "Edit1",      "Edit7",     "ComboBox15", "Edit10",
                               "ComboBox16", "BitBtn2",    "BitBtn3",   "BitBtn6"};
    form->BitBtn4->setFocus();
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
