// The editable list's one "changed by the user" signal: on every keystroke
// and every pick, never when the program sets the text, and never again when
// the user only leaves the box or presses Enter.
#include "ui/EditCombo.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class EditComboTest : public testing::Test {
protected:
    void SetUp() override {
        window.resize(300, 100);
        box = new ui::EditCombo(&window);
        box->addItems({"Cylinder", "Cone", "Sphere"});
        box->setText("Choose Type");
        other = new QLineEdit(&window);
        other->move(0, 50);
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        box->setFocus();
    }

    QWidget window;
    ui::EditCombo* box = nullptr;
    QLineEdit* other = nullptr;
};

TEST_F(EditComboTest, EveryKeystrokeIsAChange) {
    QSignalSpy changes(box, &ui::EditCombo::userChanged);
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), "Cone");
    EXPECT_EQ(changes.count(), 4);
    EXPECT_EQ(box->text(), "Cone");
}

TEST_F(EditComboTest, TheProgramSettingTheTextIsNoChange) {
    QSignalSpy changes(box, &ui::EditCombo::userChanged);
    box->setText("Sphere");
    box->setText("anything");
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(EditComboTest, LeavingOrEnterAfterTypingANameChangesNothingMore) {
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), "Sphere");
    QSignalSpy changes(box, &ui::EditCombo::userChanged);
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    other->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(box->text(), "Sphere");
}

TEST_F(EditComboTest, EnterNeverMatchesAnotherCase) {
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), "cone");
    QSignalSpy changes(box, &ui::EditCombo::userChanged);
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    other->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(box->text(), "cone");
}

TEST_F(EditComboTest, ArrowsGoOnFromATextTheProgramSet) {
    box->setText("Sphere");
    box->setText("Cone");
    QSignalSpy changes(box, &ui::EditCombo::userChanged);
    QTest::keyClick(box, Qt::Key_Up);
    EXPECT_EQ(box->text(), "Cylinder");
    EXPECT_EQ(changes.count(), 1);
}

TEST_F(EditComboTest, AKeyboardPickIsAChange) {
    QSignalSpy changes(box, &ui::EditCombo::userChanged);
    QTest::keyClick(box, Qt::Key_Down);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(box->text(), "Cylinder"); // "Choose Type" is no item: Down starts at the first
}

} // namespace
