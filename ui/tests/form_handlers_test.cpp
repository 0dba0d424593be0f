// The window's handlers driven as a person would: material, units, undo,
// reset, the quantity boxes, the error box, help, about and the link.
#include "CapturedUrls.h"
#include "FormFixture.h"

#include "ui/ErrorBox.h"
#include "ui/HelpWindow.h"
#include "ui/about.h"

#include <QDesktopServices>
#include <QLabel>
#include <QLocale>
#include <QUrl>

namespace {

using FormHandlers = FormTest;

// A 100 mm steel cube: 0.001 m3 and 7.874 kg.
void AddSteelCube(TForm1& form) {
    FormTest::Pick(form.ComboBox2, "Parallelepiped");
    for (QLineEdit* e : {form.Edit2, form.Edit3, form.Edit4}) QTest::keyClicks(e, "100");
    QTest::mouseClick(form.BitBtn5, Qt::LeftButton);
}

TEST_F(FormHandlers, MaterialWritesItsDensityAndOtherKeepsIt) {
    Pick(form->ComboBox1, "Other");
    EXPECT_EQ(form->Edit1->text(), "0"); // nothing chosen or added yet
    Pick(form->ComboBox1, "Copper ( Cu )");
    EXPECT_EQ(form->Edit1->text(), "8940");
    Pick(form->ComboBox1, "Other");
    EXPECT_EQ(form->Edit1->text(), "8940");
}

TEST_F(FormHandlers, TypingIntoTheMaterialBoxRewritesTheDensityEachKeystroke) {
    Pick(form->ComboBox1, "Aluminium ( Al )");
    Type(form->Edit1, "1234");
    QTest::keyClicks(form->ComboBox1->lineEdit(), "x");
    EXPECT_EQ(form->Edit1->text(), "2700");
    Type(form->ComboBox1, "Water");
    EXPECT_EQ(form->Edit1->text(), "1000");
}

TEST_F(FormHandlers, SettingATextFromTheProgramRunsNoHandler) {
    form->ComboBox1->setText("Gold ( Au )");
    EXPECT_EQ(form->Edit1->text(), "7874");
}

TEST_F(FormHandlers, EnterNeverCompletesATypedName) {
    Type(form->ComboBox2, "cylinder");
    QTest::keyClick(form->ComboBox2->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(form->ComboBox2->text(), "cylinder");
    EXPECT_EQ(form->Image1->property("picture").toString(), "ZERO");
}

TEST_F(FormHandlers, WeightUnitConvertsTheTotalForDisplay) {
    AddSteelCube(*form);
    EXPECT_EQ(form->Edit7->text(), Localised("7.8740000000"));
    const struct {
        const char* Unit;
        const char* Shown;
    } cases[] = {{"gram", "7874.0000000000"},
                 {"centner", "0.0787400000"},
                 {"metric ton", "0.0078740000"},
                 {"pound", "17.3590000000"},
                 {"kilogram", "7.8740000000"}};
    for (const auto& c : cases) {
        Pick(form->ComboBox15, c.Unit);
        EXPECT_EQ(form->Edit7->text(), Localised(c.Shown)) << c.Unit;
    }
    EXPECT_DOUBLE_EQ(form->State().TotalWeight, 7.874);
}

TEST_F(FormHandlers, TypingAUnitWritesZeroUntilTheNameIsComplete) {
    AddSteelCube(*form);
    Type(form->ComboBox16, "centimete");
    EXPECT_EQ(form->Edit10->text(), Localised("0.0000000000"));
    QTest::keyClicks(form->ComboBox16->lineEdit(), "r");
    EXPECT_EQ(form->Edit10->text(), Localised("1000.0000000000"));
    Pick(form->ComboBox16, "millimeter");
    EXPECT_EQ(form->Edit10->text(), "1E6");
}

TEST_F(FormHandlers, AUnitChangeAtStartWritesZero) {
    Pick(form->ComboBox15, "gram");
    Pick(form->ComboBox16, "inch");
    EXPECT_EQ(form->Edit7->text(), Localised("0.0000000000"));
    EXPECT_EQ(form->Edit10->text(), Localised("0.0000000000"));
}

TEST_F(FormHandlers, TheVolumeUnitLeavesTheMarker) {
    Type(form->Edit10, "Is not calculate");
    Pick(form->ComboBox16, "centimeter");
    EXPECT_EQ(form->Edit10->text(), "Is not calculate");
    Pick(form->ComboBox15, "gram");
    EXPECT_EQ(form->Edit7->text(), Localised("0.0000000000"));
}

TEST_F(FormHandlers, UndoRightAfterStartWritesZero) {
    Click(form->BitBtn2);
    EXPECT_EQ(form->Edit7->text(), Localised("0.0000000000"));
    EXPECT_EQ(form->Edit10->text(), Localised("0.0000000000"));
}

TEST_F(FormHandlers, AddAddUndoKeepsTheFirstAndShowsKilograms) {
    AddSteelCube(*form);
    Click(form->BitBtn5);
    EXPECT_EQ(form->Edit7->text(), Localised("15.7480000000"));
    Pick(form->ComboBox15, "gram");
    Click(form->BitBtn2);
    EXPECT_EQ(form->Edit7->text(), Localised("7.8740000000"));
    EXPECT_EQ(form->Edit10->text(), Localised("0.0010000000"));
    EXPECT_EQ(form->ComboBox15->text(), "gram");
    Click(form->BitBtn2);
    EXPECT_EQ(form->Edit7->text(), Localised("7.8740000000"));
}

TEST_F(FormHandlers, ResetClearsTheTotalsAndKeepsMaterialAndUnits) {
    Pick(form->ComboBox1, "Brass");
    Pick(form->ComboBox4, "inch");
    AddSteelCube(*form);
    Pick(form->ComboBox3, "Sphere");
    Pick(form->ComboBox16, "foot");
    Click(form->BitBtn3);

    EXPECT_EQ(form->State().TotalWeight, 0.0);
    EXPECT_EQ(form->State().Density, 0);
    EXPECT_TRUE(form->Edit7->text().isEmpty());
    EXPECT_TRUE(form->Edit10->text().isEmpty());
    EXPECT_EQ(form->ComboBox2->text(), "Choose Type");
    EXPECT_EQ(form->ComboBox3->text(), "Choose Type");
    for (QLineEdit* e : {form->Edit2, form->Edit3, form->Edit4, form->Edit8, form->Edit9, form->Edit5})
        EXPECT_EQ(e->text(), "0");
    EXPECT_EQ(form->Image1->property("picture").toString(), "ZERO");
    EXPECT_EQ(form->Image2->property("picture").toString(), "ZERO");
    // The rows' captions and edits come back; the unit boxes stay as the type left them.
    EXPECT_TRUE(form->Edit9->isVisibleTo(form.get()));
    EXPECT_TRUE(form->Label8->isVisibleTo(form.get()));
    EXPECT_FALSE(form->ComboBox13->isVisibleTo(form.get()));
    // Untouched: material, density field, units.
    EXPECT_EQ(form->ComboBox1->text(), "Brass");
    EXPECT_EQ(form->Edit1->text(), "8500");
    EXPECT_EQ(form->ComboBox4->text(), "inch");
    EXPECT_EQ(form->ComboBox16->text(), "foot");
}

TEST_F(FormHandlers, AQuantityAboveTheBoundIsRewrittenAndUsed) {
    Pick(form->ComboBox2, "Parallelepiped");
    for (QLineEdit* e : {form->Edit2, form->Edit3, form->Edit4}) QTest::keyClicks(e, "10");
    form->SpinEdit2->setFocus();
    form->SpinEdit2->selectAll();
    QTest::keyClicks(form->SpinEdit2, "5000");
    EXPECT_EQ(form->SpinEdit2->text(), "5000"); // not cut while typing
    Click(form->BitBtn5);

    EXPECT_EQ(form->SpinEdit2->text(), "1000");
    EXPECT_DOUBLE_EQ(form->State().TotalVolume, 0.001);
}

TEST_F(FormHandlers, AQuantityThatIsNoWholeNumberCountsAsOneAndShowsIt) {
    for (const char* typed : {"2.5", "-", ""}) {
        form->SpinEdit1->setFocus();
        form->SpinEdit1->selectAll();
        QTest::keyClick(form->SpinEdit1, Qt::Key_Backspace);
        QTest::keyClicks(form->SpinEdit1, QString::fromLatin1(typed).replace('.', QLocale::system().decimalPoint()));
        EXPECT_EQ(form->SpinEdit1->value(), 1) << typed;
        form->Edit8->setFocus();
        QApplication::processEvents();
        EXPECT_EQ(form->SpinEdit1->text(), "1") << typed;
    }
}

TEST_F(FormHandlers, TheQuantityBoxRefusesLettersAndEnter) {
    form->SpinEdit2->setFocus();
    QTest::keyClicks(form->SpinEdit2, "2a");
    QTest::keyClick(form->SpinEdit2, Qt::Key_Return);
    QTest::keyClicks(form->SpinEdit2, "+");
    EXPECT_EQ(form->SpinEdit2->text(), "12+");
}

TEST_F(FormHandlers, TheQuantityArrowsStepAndClamp) {
    form->SpinEdit2->stepBy(-1);
    EXPECT_EQ(form->SpinEdit2->text(), "1");
    form->SpinEdit2->setValue(999);
    form->SpinEdit2->stepBy(1);
    form->SpinEdit2->stepBy(1);
    EXPECT_EQ(form->SpinEdit2->text(), "1000");
    form->SpinEdit2->setFocus();
    QTest::keyClick(form->SpinEdit2, Qt::Key_Down);
    EXPECT_EQ(form->SpinEdit2->text(), "999");
}

TEST_F(FormHandlers, AFailedAddShowsTheErrorAndChangesNothing) {
    AddSteelCube(*form);
    Pick(form->ComboBox15, "gram");
    const QString weight = form->Edit7->text();
    Type(form->Edit3, "1.2x");
    Click(form->BitBtn5);

    const auto boxes = TakeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Text, "'1.2x' is not a valid floating point value.");
    EXPECT_EQ(boxes[0].Title, "Kubatrix 3.1");
    EXPECT_EQ(boxes[0].Icon, QMessageBox::Critical);
    EXPECT_EQ(boxes[0].Buttons, 1);
    EXPECT_EQ(form->ComboBox15->text(), "gram");
    EXPECT_EQ(form->Edit7->text(), weight);
    EXPECT_DOUBLE_EQ(form->State().UndoWeight, 0.0); // the last good Add can still be undone
    Click(form->BitBtn2);
    EXPECT_EQ(form->Edit7->text(), Localised("0.0000000000"));
}

TEST_F(FormHandlers, ADensityOutOfRangeIsReported) {
    Type(form->Edit1, "1e10");
    AddSteelCube(*form);
    const auto boxes = TakeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].Text.contains("'1e10'"));
    EXPECT_TRUE(boxes[0].Text.contains("out of range"));
    EXPECT_TRUE(form->Edit7->text().isEmpty());
}

TEST(ErrorBox, AddsAFullStopAfterALetterOrDigitOnly) {
    const struct {
        const char* Message;
        const char* Shown;
    } cases[] = {{"Floating point overflow", "Floating point overflow."},
                 {"'x' is not a valid floating point value", "'x' is not a valid floating point value."},
                 {"Ends with a period.", "Ends with a period."},
                 {"Ends in a quote'", "Ends in a quote'"},
                 {"Ends in 7", "Ends in 7."},
                 {"Ends in a bracket)", "Ends in a bracket)"},
                 {"", ""}};
    for (const auto& c : cases) EXPECT_EQ(ui::WithPeriod(c.Message), c.Shown) << c.Message;
}

TEST_F(FormHandlers, HelpOpensTheContentsAndChangesNothingElse) {
    Click(form->BitBtn1);
    ASSERT_NE(HelpWindow::Instance(), nullptr);
    EXPECT_TRUE(HelpWindow::Instance()->isVisible());
    EXPECT_FALSE(HelpWindow::Instance()->isModal());
    EXPECT_EQ(form->Edit1->text(), "7874");
    HelpWindow::Instance()->close();
}

TEST_F(FormHandlers, AboutIsModalAndLeavesTheWindowAsItWas) {
    TAboutBox about(form.get());
    form->SetAboutBox(&about);
    AddSteelCube(*form);
    const QString weight = form->Edit7->text();
    Click(form->BitBtn6);
    EXPECT_EQ(watch.OtherDialogs, 1);
    EXPECT_EQ(form->Edit7->text(), weight);
    EXPECT_DOUBLE_EQ(form->State().TotalWeight, 7.874);
}

TEST_F(FormHandlers, TheLinkOpensTheHomePage) {
    CapturedUrls captured;
    QTest::mouseClick(form->Label38, Qt::LeftButton);
    ASSERT_EQ(captured.urls().size(), 1);
    EXPECT_EQ(captured.urls()[0].host(), "orvel.example.com");
    EXPECT_EQ(form->Label38->text(), captured.urls()[0].toString());
}

TEST_F(FormHandlers, ExitClosesTheWindow) {
    Click(form->BitBtn4);
    EXPECT_FALSE(form->isVisible());
}

// Run once more with a comma locale by CTest: the totals follow the user's
// separator, typed numbers are read either way.
TEST_F(FormHandlers, TotalsUseTheRegionalSeparator) {
    Pick(form->ComboBox2, "Cylinder");
    QTest::keyClicks(form->Edit2, "0,5");
    QTest::keyClicks(form->Edit3, "0.5");
    Pick(form->ComboBox4, "centimeter");
    Pick(form->ComboBox5, "meter");
    Click(form->BitBtn5);
    // 0.7853975 x 5 x 5 x 500 mm3 = 0.0000098174... m3
    EXPECT_EQ(form->Edit10->text(), Localised("0.0000098175"));
    if (qEnvironmentVariable("LC_ALL").startsWith("de")) {
        EXPECT_EQ(form->Edit10->text(), "0,0000098175");
    }
}

} // namespace

