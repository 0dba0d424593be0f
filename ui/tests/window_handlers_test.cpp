// The window's handlers driven as a person would: material, units, undo,
// reset, the quantity boxes, the error box, help, about and the link.
#include "CapturedUrls.h"
#include "WindowFixture.h"

#include "ui/AboutDialog.h"
#include "ui/ErrorBox.h"
#include "ui/HelpWindow.h"

#include <QDesktopServices>
#include <QLabel>
#include <QLocale>
#include <QUrl>

namespace {

using WindowHandlers = WindowTest;

// A 100 mm steel cube: 0.001 m3 and 7.874 kg.
void AddSteelCube(ui::MainWindow& form) {
    WindowTest::Pick(form.ObjectTypeBox, "Parallelepiped");
    for (QLineEdit* e : {form.ObjectAField, form.ObjectBField, form.ObjectCField})
        QTest::keyClicks(e, "100");
    QTest::mouseClick(form.AddObjectButton, Qt::LeftButton);
}

TEST_F(WindowHandlers, MaterialWritesItsDensityAndOtherKeepsIt) {
    Pick(form->MaterialBox, "Other");
    EXPECT_EQ(form->DensityField->text(), "0"); // nothing chosen or added yet
    Pick(form->MaterialBox, "Copper ( Cu )");
    EXPECT_EQ(form->DensityField->text(), "8940");
    Pick(form->MaterialBox, "Other");
    EXPECT_EQ(form->DensityField->text(), "8940");
}

TEST_F(WindowHandlers, TypingIntoTheMaterialBoxRewritesTheDensityEachKeystroke) {
    Pick(form->MaterialBox, "Aluminium ( Al )");
    Type(form->DensityField, "1234");
    QTest::keyClicks(form->MaterialBox->lineEdit(), "x");
    EXPECT_EQ(form->DensityField->text(), "2700");
    Type(form->MaterialBox, "Water");
    EXPECT_EQ(form->DensityField->text(), "1000");
}

TEST_F(WindowHandlers, SettingATextFromTheProgramRunsNoHandler) {
    form->MaterialBox->setText("Gold ( Au )");
    EXPECT_EQ(form->DensityField->text(), "7874");
}

TEST_F(WindowHandlers, EnterNeverCompletesATypedName) {
    Type(form->ObjectTypeBox, "cylinder");
    QTest::keyClick(form->ObjectTypeBox->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(form->ObjectTypeBox->text(), "cylinder");
    EXPECT_EQ(form->ObjectPicture->property("picture").toString(), "ZERO");
}

TEST_F(WindowHandlers, WeightUnitConvertsTheTotalForDisplay) {
    AddSteelCube(*form);
    EXPECT_EQ(form->WeightField->text(), Localised("7.8740000000"));
    const struct {
        const char* Unit;
        const char* Shown;
    } cases[] = {{"gram", "7874.0000000000"},
                 {"centner", "0.0787400000"},
                 {"metric ton", "0.0078740000"},
                 {"pound", "17.3590000000"},
                 {"kilogram", "7.8740000000"}};
    for (const auto& c : cases) {
        Pick(form->WeightUnitBox, c.Unit);
        EXPECT_EQ(form->WeightField->text(), Localised(c.Shown)) << c.Unit;
    }
    EXPECT_DOUBLE_EQ(form->State().TotalWeight, 7.874);
}

TEST_F(WindowHandlers, TypingAUnitWritesZeroUntilTheNameIsComplete) {
    AddSteelCube(*form);
    Type(form->VolumeUnitBox, "centimete");
    EXPECT_EQ(form->VolumeField->text(), Localised("0.0000000000"));
    QTest::keyClicks(form->VolumeUnitBox->lineEdit(), "r");
    EXPECT_EQ(form->VolumeField->text(), Localised("1000.0000000000"));
    Pick(form->VolumeUnitBox, "millimeter");
    EXPECT_EQ(form->VolumeField->text(), "1E6");
}

TEST_F(WindowHandlers, AUnitChangeAtStartWritesZero) {
    Pick(form->WeightUnitBox, "gram");
    Pick(form->VolumeUnitBox, "inch");
    EXPECT_EQ(form->WeightField->text(), Localised("0.0000000000"));
    EXPECT_EQ(form->VolumeField->text(), Localised("0.0000000000"));
}

TEST_F(WindowHandlers, TheVolumeUnitLeavesTheMarker) {
    Type(form->VolumeField, "Is not calculate");
    Pick(form->VolumeUnitBox, "centimeter");
    EXPECT_EQ(form->VolumeField->text(), "Is not calculate");
    Pick(form->WeightUnitBox, "gram");
    EXPECT_EQ(form->WeightField->text(), Localised("0.0000000000"));
}

TEST_F(WindowHandlers, UndoRightAfterStartWritesZero) {
    Click(form->UndoButton);
    EXPECT_EQ(form->WeightField->text(), Localised("0.0000000000"));
    EXPECT_EQ(form->VolumeField->text(), Localised("0.0000000000"));
}

TEST_F(WindowHandlers, AddAddUndoKeepsTheFirstAndShowsKilograms) {
    AddSteelCube(*form);
    Click(form->AddObjectButton);
    EXPECT_EQ(form->WeightField->text(), Localised("15.7480000000"));
    Pick(form->WeightUnitBox, "gram");
    Click(form->UndoButton);
    EXPECT_EQ(form->WeightField->text(), Localised("7.8740000000"));
    EXPECT_EQ(form->VolumeField->text(), Localised("0.0010000000"));
    EXPECT_EQ(form->WeightUnitBox->text(), "gram");
    Click(form->UndoButton);
    EXPECT_EQ(form->WeightField->text(), Localised("7.8740000000"));
}

TEST_F(WindowHandlers, ResetClearsTheTotalsAndKeepsMaterialAndUnits) {
    Pick(form->MaterialBox, "Brass");
    Pick(form->ObjectAUnitBox, "inch");
    AddSteelCube(*form);
    Pick(form->ApertureTypeBox, "Sphere");
    Pick(form->VolumeUnitBox, "foot");
    Click(form->ResetButton);

    EXPECT_EQ(form->State().TotalWeight, 0.0);
    EXPECT_EQ(form->State().Density, 0);
    EXPECT_TRUE(form->WeightField->text().isEmpty());
    EXPECT_TRUE(form->VolumeField->text().isEmpty());
    EXPECT_EQ(form->ObjectTypeBox->text(), "Choose Type");
    EXPECT_EQ(form->ApertureTypeBox->text(), "Choose Type");
    for (QLineEdit* e : {form->ObjectAField, form->ObjectBField, form->ObjectCField,
                         form->ApertureAField, form->ApertureBField, form->ApertureCField})
        EXPECT_EQ(e->text(), "0");
    EXPECT_EQ(form->ObjectPicture->property("picture").toString(), "ZERO");
    EXPECT_EQ(form->AperturePicture->property("picture").toString(), "ZERO");
    // The rows' captions and edits come back; the unit boxes stay as the type left them.
    EXPECT_TRUE(form->ApertureBField->isVisibleTo(form.get()));
    EXPECT_TRUE(form->ApertureCLabel->isVisibleTo(form.get()));
    EXPECT_FALSE(form->ApertureBUnitBox->isVisibleTo(form.get()));
    // Untouched: material, density field, units.
    EXPECT_EQ(form->MaterialBox->text(), "Brass");
    EXPECT_EQ(form->DensityField->text(), "8500");
    EXPECT_EQ(form->ObjectAUnitBox->text(), "inch");
    EXPECT_EQ(form->VolumeUnitBox->text(), "foot");
}

TEST_F(WindowHandlers, AQuantityAboveTheBoundIsRewrittenAndUsed) {
    Pick(form->ObjectTypeBox, "Parallelepiped");
    for (QLineEdit* e : {form->ObjectAField, form->ObjectBField, form->ObjectCField})
        QTest::keyClicks(e, "10");
    form->ObjectQuantityBox->setFocus();
    form->ObjectQuantityBox->selectAll();
    QTest::keyClicks(form->ObjectQuantityBox, "5000");
    EXPECT_EQ(form->ObjectQuantityBox->text(), "5000"); // not cut while typing
    Click(form->AddObjectButton);

    EXPECT_EQ(form->ObjectQuantityBox->text(), "1000");
    EXPECT_DOUBLE_EQ(form->State().TotalVolume, 0.001);
}

TEST_F(WindowHandlers, AQuantityThatIsNoWholeNumberCountsAsOneAndShowsIt) {
    for (const char* typed : {"2.5", "-", ""}) {
        form->ApertureQuantityBox->setFocus();
        form->ApertureQuantityBox->selectAll();
        QTest::keyClick(form->ApertureQuantityBox, Qt::Key_Backspace);
        QTest::keyClicks(form->ApertureQuantityBox,
                         QString::fromLatin1(typed).replace('.', QLocale::system().decimalPoint()));
        EXPECT_EQ(form->ApertureQuantityBox->value(), 1) << typed;
        form->ApertureAField->setFocus();
        QApplication::processEvents();
        EXPECT_EQ(form->ApertureQuantityBox->text(), "1") << typed;
    }
}

TEST_F(WindowHandlers, TheQuantityBoxRefusesLettersAndEnter) {
    form->ObjectQuantityBox->setFocus();
    QTest::keyClicks(form->ObjectQuantityBox, "2a");
    QTest::keyClick(form->ObjectQuantityBox, Qt::Key_Return);
    QTest::keyClicks(form->ObjectQuantityBox, "+");
    EXPECT_EQ(form->ObjectQuantityBox->text(), "12+");
}

TEST_F(WindowHandlers, TheQuantityArrowsStepAndClamp) {
    form->ObjectQuantityBox->stepBy(-1);
    EXPECT_EQ(form->ObjectQuantityBox->text(), "1");
    form->ObjectQuantityBox->setValue(999);
    form->ObjectQuantityBox->stepBy(1);
    form->ObjectQuantityBox->stepBy(1);
    EXPECT_EQ(form->ObjectQuantityBox->text(), "1000");
    form->ObjectQuantityBox->setFocus();
    QTest::keyClick(form->ObjectQuantityBox, Qt::Key_Down);
    EXPECT_EQ(form->ObjectQuantityBox->text(), "999");
}

TEST_F(WindowHandlers, AFailedAddShowsTheErrorAndChangesNothing) {
    AddSteelCube(*form);
    Pick(form->WeightUnitBox, "gram");
    const QString weight = form->WeightField->text();
    Type(form->ObjectBField, "1.2x");
    Click(form->AddObjectButton);

    const auto boxes = TakeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Text, "'1.2x' is not a valid floating point value.");
    EXPECT_EQ(boxes[0].Title, "Kubatrix 3.1");
    EXPECT_EQ(boxes[0].Icon, QMessageBox::Critical);
    EXPECT_EQ(boxes[0].Buttons, 1);
    EXPECT_EQ(form->WeightUnitBox->text(), "gram");
    EXPECT_EQ(form->WeightField->text(), weight);
    EXPECT_DOUBLE_EQ(form->State().UndoWeight, 0.0); // the last good Add can still be undone
    Click(form->UndoButton);
    EXPECT_EQ(form->WeightField->text(), Localised("0.0000000000"));
}

TEST_F(WindowHandlers, ADensityOutOfRangeIsReported) {
    Type(form->DensityField, "1e10");
    AddSteelCube(*form);
    const auto boxes = TakeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].Text.contains("'1e10'"));
    EXPECT_TRUE(boxes[0].Text.contains("out of range"));
    EXPECT_TRUE(form->WeightField->text().isEmpty());
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

TEST_F(WindowHandlers, HelpOpensTheContentsAndChangesNothingElse) {
    Click(form->HelpButton);
    ASSERT_NE(ui::HelpWindow::Instance(), nullptr);
    EXPECT_TRUE(ui::HelpWindow::Instance()->isVisible());
    EXPECT_FALSE(ui::HelpWindow::Instance()->isModal());
    EXPECT_EQ(form->DensityField->text(), "7874");
    ui::HelpWindow::Instance()->close();
}

TEST_F(WindowHandlers, AboutIsModalAndLeavesTheWindowAsItWas) {
    ui::AboutDialog about(form.get());
    form->SetAboutDialog(&about);
    AddSteelCube(*form);
    const QString weight = form->WeightField->text();
    Click(form->AboutButton);
    EXPECT_EQ(watch.OtherDialogs, 1);
    EXPECT_EQ(form->WeightField->text(), weight);
    EXPECT_DOUBLE_EQ(form->State().TotalWeight, 7.874);
}

TEST_F(WindowHandlers, TheLinkOpensTheHomePage) {
    CapturedUrls captured;
    QTest::mouseClick(form->HomePageLink, Qt::LeftButton);
    ASSERT_EQ(captured.urls().size(), 1);
    EXPECT_EQ(captured.urls()[0].host(), "orvel.example.com");
    EXPECT_EQ(form->HomePageLink->text(), captured.urls()[0].toString());
}

TEST_F(WindowHandlers, ExitClosesTheWindow) {
    Click(form->ExitButton);
    EXPECT_FALSE(form->isVisible());
}

// Run once more with a comma locale by CTest: the totals follow the user's
// separator, typed numbers are read either way.
TEST_F(WindowHandlers, TotalsUseTheRegionalSeparator) {
    Pick(form->ObjectTypeBox, "Cylinder");
    QTest::keyClicks(form->ObjectAField, "0,5");
    QTest::keyClicks(form->ObjectBField, "0.5");
    Pick(form->ObjectAUnitBox, "centimeter");
    Pick(form->ObjectBUnitBox, "meter");
    Click(form->AddObjectButton);
    // 0.7853975 x 5 x 5 x 500 mm3 = 0.0000098174... m3
    EXPECT_EQ(form->VolumeField->text(), Localised("0.0000098175"));
    if (qEnvironmentVariable("LC_ALL").startsWith("de")) {
        EXPECT_EQ(form->VolumeField->text(), "0,0000098175");
    }
}

} // namespace

