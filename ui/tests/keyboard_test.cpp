// The window worked from the keyboard alone: Tab from control to control,
// lists picked with the arrows or typed, Space on a button. Every key goes to
// the widget that has the focus, as it would on a desktop, and no mouse event
// reaches the application.
#include "WindowFixture.h"

#include <QAbstractItemView>

namespace {

// Counts the mouse events that reach any widget while it lives.
class MouseCounter : public QObject {
public:
    MouseCounter() { qApp->installEventFilter(this); }
    ~MouseCounter() override { qApp->removeEventFilter(this); }
    int Events = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
            ++Events;
            break;
        default:
            break;
        }
        return false;
    }
};

class KeyboardTest : public WindowTest {
protected:
    static QWidget* focused() { return QApplication::focusWidget(); }

    // A key pressed and let go where the focus is: in the open list when one
    // is open, else in the focused control.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        ASSERT_NE(focused(), nullptr) << "nothing has the focus";
        QTest::keyClick(focused(), key, modifiers);
    }
    static void typeText(const QString& text) {
        ASSERT_NE(focused(), nullptr);
        QTest::keyClicks(focused(), text);
    }

    // Presses Tab (or Shift+Tab) until the target has the focus; how many
    // presses that took, or -1 when a whole round of the window missed it.
    int tabTo(QWidget* target, bool forward = true) {
        for (int presses = 1; presses <= 60; ++presses) {
            QTest::keyClick(focused(), forward ? Qt::Key_Tab : Qt::Key_Backtab);
            if (focused() == target) return presses;
        }
        return -1;
    }

    // Hidden before it goes: a list box left with a typed item's text takes
    // it as picked when it loses the focus, and that must reach a live window.
    void TearDown() override {
        form->hide();
        WindowTest::TearDown();
    }

    // A new window, as at start, so that a table's rows do not share a state.
    void restart() {
        form->hide();
        form = std::make_unique<ui::MainWindow>();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    static std::string focusName() {
        return focused() ? focused()->objectName().toStdString() : "nothing";
    }
};

TEST_F(KeyboardTest, OneWholeCalculationWithoutTheMouse) {
    MouseCounter mouse;

    // The window opens with the focus on one of the controls Tab visits.
    QWidget* start = focused();
    ASSERT_NE(start, nullptr);
    EXPECT_TRUE(form->isAncestorOf(start));
    EXPECT_TRUE(start->focusPolicy() & Qt::TabFocus) << focusName();

    // To the object type box; its text is selected, so typing replaces it.
    ASSERT_GT(tabTo(form->ObjectTypeBox), 0) << "Tab never reached the object type box";
    typeText(QStringLiteral("Cylinder"));
    EXPECT_EQ(form->ObjectPicture->property("picture").toString().toStdString(), "P002");
    EXPECT_FALSE(form->ObjectCField->isVisible());

    // The dimensions: a = 20, b = 1000, then the unit of a from millimeter
    // one down to centimeter.
    press(Qt::Key_Tab);
    ASSERT_EQ(focused(), form->ObjectAField) << focusName();
    typeText(QStringLiteral("20"));
    press(Qt::Key_Tab);
    ASSERT_EQ(focused(), form->ObjectBField) << focusName();
    typeText(QStringLiteral("1000"));
    ASSERT_GT(tabTo(form->ObjectAUnitBox), 0);
    press(Qt::Key_Down);
    EXPECT_EQ(form->ObjectAUnitBox->text().toStdString(), "centimeter");

    // Back to "Add object" and Space on it.
    ASSERT_GT(tabTo(form->AddObjectButton, /*forward=*/false), 0);
    press(Qt::Key_Space);

    // 0.7853975 x 200 x 200 x 1000 mm3 = 0.0314159 m3; x 7874 = 247.3687966 kg.
    EXPECT_EQ(form->VolumeField->text().toStdString(), "0.0314160000");
    EXPECT_EQ(form->WeightField->text().toStdString(), "247.3700000000");

    // The weight unit box: open its list, go to "gram" and pick it.
    ASSERT_GT(tabTo(form->WeightUnitBox), 0);
    press(Qt::Key_Down, Qt::AltModifier);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr) << "Alt+Down opened no list";
    press(Qt::Key_Home);
    press(Qt::Key_Return);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(form->WeightUnitBox->text().toStdString(), "gram");
    EXPECT_EQ(form->WeightField->text().toStdString(), "2.4737E5"); // 247368.7966 g
    EXPECT_EQ(focused(), form->WeightUnitBox) << "the focus goes back to the box";

    EXPECT_EQ(mouse.Events, 0);
}

// The steps of "One calculation by keyboard" in the help, as written there.
TEST_F(KeyboardTest, TheHelpPagesWalkThroughWorksAsWritten) {
    MouseCounter mouse;
    ASSERT_GT(tabTo(form->ObjectTypeBox), 0);
    typeText(QStringLiteral("Cylinder"));
    press(Qt::Key_Tab);
    typeText(QStringLiteral("2"));
    press(Qt::Key_Tab);
    typeText(QStringLiteral("1"));
    ASSERT_EQ(tabTo(form->ObjectAUnitBox), 3) << "past Add object and the quantity";
    press(Qt::Key_Down);
    press(Qt::Key_Tab);
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    EXPECT_EQ(form->ObjectAUnitBox->text().toStdString(), "centimeter");
    EXPECT_EQ(form->ObjectBUnitBox->text().toStdString(), "meter");
    ASSERT_GT(tabTo(form->AddObjectButton, /*forward=*/false), 0);
    press(Qt::Key_Space);
    // 0.7853975 x 20 x 20 x 1000 mm3 = 0.000314159 m3, x 7874 = 2.47368797 kg
    EXPECT_EQ(form->WeightField->text().toStdString(), "2.4737000000");
    EXPECT_EQ(form->VolumeField->text().toStdString(), "0.0003141600");
    ASSERT_GT(tabTo(form->WeightUnitBox), 0);
    press(Qt::Key_Down, Qt::AltModifier);
    press(Qt::Key_Home);
    press(Qt::Key_Return);
    EXPECT_EQ(form->WeightField->text().toStdString(), "2473.7000000000");
    EXPECT_EQ(mouse.Events, 0);
}

// The ways to pick from a list by keyboard, tried on the material box, whose
// handler shows at once in the density field.
TEST_F(KeyboardTest, AListIsPickedWithTheArrowsTheOpenListOrByTyping) {
    struct Case {
        const char* name;
        std::vector<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys;
        const char* typed; // typed after the keys, or nullptr
        const char* material;
        const char* density;
    };
    const Qt::KeyboardModifiers none = Qt::NoModifier;
    const Case cases[] = {
        {"Down picks the next item", {{Qt::Key_Down, none}}, nullptr, "Aluminium ( Al )", "2700"},
        {"Down twice, Up once",
         {{Qt::Key_Down, none}, {Qt::Key_Down, none}, {Qt::Key_Up, none}},
         nullptr,
         "Aluminium ( Al )",
         "2700"},
        {"Up on the first item stays", {{Qt::Key_Up, none}}, nullptr, "Iron ( Fe )", "7874"},
        {"Page Down picks the next item too",
         {{Qt::Key_PageDown, none}},
         nullptr,
         "Aluminium ( Al )",
         "2700"},
        {"Alt+Down opens, Down, Enter picks",
         {{Qt::Key_Down, Qt::AltModifier}, {Qt::Key_Down, none}, {Qt::Key_Return, none}},
         nullptr,
         "Aluminium ( Al )",
         "2700"},
        {"F4 opens, End, Enter picks the last",
         {{Qt::Key_F4, none}, {Qt::Key_End, none}, {Qt::Key_Return, none}},
         nullptr,
         "Other",
         "0"},
        {"Escape closes the list without picking",
         {{Qt::Key_Down, Qt::AltModifier}, {Qt::Key_Down, none}, {Qt::Key_Escape, none}},
         nullptr,
         "Iron ( Fe )",
         "7874"},
        {"a name typed exactly", {}, "Copper ( Cu )", "Copper ( Cu )", "8940"},
        {"a name in other letters matches nothing", {}, "copper ( cu )", "copper ( cu )", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        restart();
        form->MaterialBox->setFocus(Qt::TabFocusReason); // selects the box's text
        ASSERT_EQ(focused(), form->MaterialBox);
        for (const auto& [key, modifiers] : c.keys)
            press(key, modifiers);
        if (c.typed) typeText(QString::fromUtf8(c.typed));
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        EXPECT_EQ(form->MaterialBox->text().toStdString(), c.material);
        EXPECT_EQ(form->DensityField->text().toStdString(), c.density);
    }
}

TEST_F(KeyboardTest, TheQuantityBoxCountsWithItsArrowAndPageKeysWithinItsBounds) {
    struct Case {
        const char* name;
        const char* typed; // replaces the text first, or nullptr to start from 1
        std::vector<Qt::Key> keys;
        const char* shown;
    };
    const Case cases[] = {
        {"Up counts up", nullptr, {Qt::Key_Up, Qt::Key_Up}, "3"},
        {"Down stops at 1", nullptr, {Qt::Key_Down}, "1"},
        {"Page Up counts ten", nullptr, {Qt::Key_PageUp}, "11"},
        {"Page Down counts ten down", "15", {Qt::Key_PageDown}, "5"},
        {"Up stops at 1000", "999", {Qt::Key_Up, Qt::Key_Up}, "1000"},
        {"Up from a number typed past 1000 gives 1000", "5000", {Qt::Key_Up}, "1000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        restart();
        form->ObjectQuantityBox->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(focused(), form->ObjectQuantityBox);
        if (c.typed) {
            QTest::keyClick(focused(), Qt::Key_A, Qt::ControlModifier);
            typeText(QString::fromLatin1(c.typed));
        }
        for (Qt::Key key : c.keys)
            press(key);
        EXPECT_EQ(form->ObjectQuantityBox->text().toStdString(), c.shown);
    }
}

TEST_F(KeyboardTest, SpacePressesAFocusedButtonAndEnterDoesNot) {
    Pick(form->ObjectTypeBox, QStringLiteral("Sphere"));
    Type(form->ObjectAField, QStringLiteral("100"));
    form->AddObjectButton->setFocus(Qt::TabFocusReason);

    press(Qt::Key_Return);
    EXPECT_TRUE(form->VolumeField->text().isEmpty()) << "Enter added the object";

    press(Qt::Key_Space);
    // 3.14159 x 100^3 / 6000000000 m3
    EXPECT_EQ(form->VolumeField->text().toStdString(), "0.0005236000");

    ASSERT_GT(tabTo(form->ResetButton), 0); // Reset
    press(Qt::Key_Space);
    EXPECT_TRUE(form->VolumeField->text().isEmpty());
    EXPECT_EQ(form->ObjectTypeBox->text().toStdString(), "Choose Type");
}

} // namespace
