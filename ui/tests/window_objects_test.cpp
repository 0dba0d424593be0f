// Choosing object and aperture types, adding and subtracting them, and the
// rolled profiles' size boxes, driven through the window.
#include "WindowFixture.h"

#include <QLabel>
#include <QLocale>

namespace {

using WindowObjects = WindowTest;

// Which inputs a type shows: rows a, b, c as caption+edit+unit; for a profile
// the length (row c's edit and unit) under "Length", "Size" and one size box.
struct Shown {
    const char* Type;
    const char* Picture;
    bool A, B, C;
    int SizeBox; // -1: none
};

const Shown ObjectTypes[] = {
    {"Parallelepiped", "P001", true, true, true, -1}, {"Hexahedral Bar", "P203", false, false, false, 0},
    {"I-Beam", "P205", false, false, false, 1},       {"C channel", "P206", false, false, false, 2},
    {"Lip channel", "P207", false, false, false, 3},  {"Angle", "P208", false, false, false, 4},
    {"Cylinder", "P002", true, true, false, -1},      {"Prism1", "P003", true, true, true, -1},
    {"Prism2", "P004", true, true, true, -1},         {"Sphere", "P005", true, false, false, -1},
    {"Part of sphere", "P006", true, true, false, -1}, {"Cone", "P007", true, true, false, -1},
    {"Truncated cone", "P008", true, true, true, -1}, {"Pyramid", "P009", true, true, true, -1},
};

TEST_F(WindowObjects, EachObjectTypeShowsItsPictureAndInputs) {
    for (const Shown& t : ObjectTypes) {
        SCOPED_TRACE(t.Type);
        Pick(form->ObjectTypeBox, t.Type);
        const auto shown = [&](QWidget* w) { return w->isVisibleTo(form.get()); };
        EXPECT_EQ(form->ObjectPicture->property("picture").toString(), t.Picture);
        EXPECT_EQ(shown(form->ObjectALabel), t.A);
        EXPECT_EQ(shown(form->ObjectAField), t.A);
        EXPECT_EQ(shown(form->ObjectAUnitBox), t.A);
        EXPECT_EQ(shown(form->ObjectBLabel), t.B);
        EXPECT_EQ(shown(form->ObjectBField), t.B);
        EXPECT_EQ(shown(form->ObjectBUnitBox), t.B);
        EXPECT_EQ(shown(form->ObjectCLabel), t.C);
        const bool profile = t.SizeBox >= 0;
        EXPECT_EQ(shown(form->ObjectCField), t.C || profile);
        EXPECT_EQ(shown(form->ObjectCUnitBox), t.C || profile);
        EXPECT_EQ(shown(form->SizeLabel), profile);
        EXPECT_EQ(shown(form->LengthLabel), profile);
        for (int p = 0; p < 5; ++p) EXPECT_EQ(shown(form->SizeBoxes()[std::size_t(p)]), p == t.SizeBox) << p;
        EXPECT_EQ(form->ObjectALabel->text(), "a =");
    }
}

// The road of one typical calculation: a copper cylinder 2 cm across and 1 m
// long is 0.7853975 x 20 x 20 x 1000 mm3 = 0.000314159 m3, 2.8085814 kg.
TEST_F(WindowObjects, ACopperCylinderFromPickToGrams) {
    Pick(form->ObjectTypeBox, "Cylinder");
    Pick(form->MaterialBox, "Copper ( Cu )");
    QTest::keyClicks(form->ObjectAField, "2");
    Pick(form->ObjectAUnitBox, "centimeter");
    QTest::keyClicks(form->ObjectBField, "1");
    Pick(form->ObjectBUnitBox, "meter");
    Click(form->AddObjectButton);
    EXPECT_EQ(form->VolumeField->text(), Localised("0.0003141600"));
    EXPECT_EQ(form->WeightField->text(), Localised("2.8086000000"));
    Pick(form->WeightUnitBox, "gram");
    EXPECT_EQ(form->WeightField->text(), Localised("2808.6000000000"));
    Click(form->UndoButton);
    EXPECT_EQ(form->WeightField->text(), Localised("0.0000000000"));
    EXPECT_EQ(form->VolumeField->text(), Localised("0.0000000000"));
}

TEST_F(WindowObjects, EachApertureTypeShowsItsPictureAndRows) {
    const Shown apertures[] = {
        {"Parallelepiped", "P101", true, true, true, -1}, {"Cylinder", "P102", true, true, false, -1},
        {"Prism1", "P103", true, true, true, -1},         {"Prism2", "P104", true, true, true, -1},
        {"Sphere", "P105", true, false, false, -1},       {"Part of sphere", "P106", true, true, false, -1},
        {"Cone", "P107", true, true, false, -1},          {"Truncated cone", "P108", true, true, true, -1},
        {"Pyramid", "P109", true, true, true, -1},
    };
    for (const Shown& t : apertures) {
        SCOPED_TRACE(t.Type);
        Pick(form->ApertureTypeBox, t.Type);
        EXPECT_EQ(form->AperturePicture->property("picture").toString(), t.Picture);
        for (QWidget* w : {static_cast<QWidget*>(form->ApertureALabel),
                           static_cast<QWidget*>(form->ApertureAField)})
            EXPECT_TRUE(w->isVisibleTo(form.get()));
        EXPECT_EQ(form->ApertureBField->isVisibleTo(form.get()), t.B);
        EXPECT_EQ(form->ApertureBUnitBox->isVisibleTo(form.get()), t.B);
        EXPECT_EQ(form->ApertureCField->isVisibleTo(form.get()), t.C);
        EXPECT_EQ(form->ApertureCLabel->isVisibleTo(form.get()), t.C);
    }
}

TEST_F(WindowObjects, ATypeChangeEmptiesTheDimensionsAndResetsQuantityAndSizes) {
    Pick(form->ObjectTypeBox, "Angle");
    Pick(form->AngleSizeBox, "50x50x5");
    form->ObjectQuantityBox->setValue(7);
    QTest::keyClicks(form->ObjectCField, "2");
    QTest::keyClicks(form->ObjectTypeBox->lineEdit(), "x"); // one typed character is a change too
    EXPECT_TRUE(form->ObjectCField->text().isEmpty());
    EXPECT_TRUE(form->ObjectAField->text().isEmpty());
    EXPECT_EQ(form->ObjectQuantityBox->text(), "1");
    EXPECT_EQ(form->AngleSizeBox->text(), "Choose Size");
    EXPECT_EQ(form->ObjectPicture->property("picture").toString(),
              "P208"); // no match: the picture stays
    EXPECT_DOUBLE_EQ(form->State().ProfileMass[4], 3.77);
}

TEST_F(WindowObjects, TypedOnlyPipeKeepsTheLayoutAndAddsItsVolume) {
    Pick(form->ObjectTypeBox, "Parallelepiped");
    Type(form->ObjectTypeBox, "Pipe");
    EXPECT_EQ(form->ObjectPicture->property("picture").toString(), "P001");
    EXPECT_TRUE(form->ObjectCField->isVisibleTo(form.get()));
    QTest::keyClicks(form->ObjectAField, "50");
    QTest::keyClicks(form->ObjectBField, "40");
    QTest::keyClicks(form->ObjectCField, "1000");
    Click(form->AddObjectButton);
    EXPECT_EQ(form->VolumeField->text(), Localised("0.0007068600")); // 0.00070685775
}

TEST_F(WindowObjects, ChooseTypeGuardsAddObjectButNotAddAperture) {
    Click(form->AddObjectButton);
    EXPECT_TRUE(form->WeightField->text().isEmpty());
    Pick(form->WeightUnitBox, "gram");
    Click(form->AddApertureButton);
    EXPECT_EQ(form->WeightField->text(), Localised("0.0000000000"));
    EXPECT_EQ(form->VolumeField->text(), Localised("0.0000000000"));
    EXPECT_EQ(form->WeightUnitBox->text(), "kilogram");
}

TEST_F(WindowObjects, AnUnknownTypeResetsTheUnitsAndKeepsTheVolumeField) {
    Type(form->ObjectTypeBox, "Box");
    Pick(form->VolumeUnitBox, "inch");
    Type(form->VolumeField, "untouched");
    Click(form->AddObjectButton);
    EXPECT_EQ(form->VolumeUnitBox->text(), "meter");
    EXPECT_EQ(form->VolumeField->text(), "untouched");
    EXPECT_EQ(form->WeightField->text(), Localised("0.0000000000"));
}

TEST_F(WindowObjects, Prism2WithAShortSideIsAnInvalidOperation) {
    Pick(form->ObjectTypeBox, "Prism2");
    QTest::keyClicks(form->ObjectAField, "60");
    QTest::keyClicks(form->ObjectBField, "29");
    QTest::keyClicks(form->ObjectCField, "200");
    Click(form->AddObjectButton);
    const auto boxes = TakeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Text, "Invalid floating point operation.");
    EXPECT_TRUE(form->WeightField->text().isEmpty());
}

// A hexagonal bar of size 10, 2 m long, three of them: 4.08 kg of steel.
void AddHexagonalBars(ui::MainWindow& form) {
    WindowTest::Pick(form.ObjectTypeBox, "Hexahedral Bar");
    WindowTest::Pick(form.HexagonalBarSizeBox, "10");
    QTest::keyClicks(form.ObjectCField, "2");
    WindowTest::Pick(form.ObjectCUnitBox, "meter");
    form.ObjectQuantityBox->setValue(3);
    QTest::mouseClick(form.AddObjectButton, Qt::LeftButton);
}

TEST_F(WindowObjects, AHexagonalBarAddsItsWeightAndMarksTheVolume) {
    AddHexagonalBars(*form);
    EXPECT_EQ(form->WeightField->text(), Localised("4.0800000000"));
    EXPECT_EQ(form->VolumeField->text(), "Is not calculate");
    Type(form->DensityField, "2700");
    Click(form->AddObjectButton);
    EXPECT_EQ(form->WeightField->text(), Localised("5.4790000000")); // 4.08 + 1.3990348
}

TEST_F(WindowObjects, AnApertureBehindTheMarkerCutsWeight) {
    AddHexagonalBars(*form);
    Pick(form->ApertureTypeBox, "Cylinder");
    QTest::keyClicks(form->ApertureAField, "10");
    QTest::keyClicks(form->ApertureBField, "100");
    Click(form->AddApertureButton);
    // 7874 x 0.7853975 x 10 x 10 x 100 / 1e9 = 0.0618422 kg less
    EXPECT_EQ(form->WeightField->text(), Localised("4.0182000000"));
    EXPECT_EQ(form->VolumeField->text(), "Is not calculate");
}

TEST_F(WindowObjects, ASolidAfterAProfileKeepsTheProfilesWeight) {
    AddHexagonalBars(*form);
    Pick(form->ObjectTypeBox, "Parallelepiped");
    Pick(form->ObjectCUnitBox, "millimeter"); // the bars' length was in metres
    for (QLineEdit* e : {form->ObjectAField, form->ObjectBField, form->ObjectCField})
        QTest::keyClicks(e, "100");
    Click(form->AddObjectButton);
    EXPECT_EQ(form->WeightField->text(), Localised("11.9540000000"));
    EXPECT_EQ(form->VolumeField->text(), Localised("0.0010000000"));
    Click(form->UndoButton);
    EXPECT_EQ(form->WeightField->text(), Localised("4.0800000000"));
}

struct SizeTyping {
    const char* Name;
    const char* Typed;
    double Mass;
};

TEST_F(WindowObjects, TypingIntoTheHexagonalBarBoxMatchesWholeLabelsOnly) {
    Pick(form->ObjectTypeBox, "Hexahedral Bar");
    const SizeTyping steps[] = {{"One", "1", 0.0},     {"Ten", "10", 0.68},   {"Hundred", "100", 0.68},
                                {"Comma", "5,5", 0.68}, {"Point", "5.5", 0.206}, {"LeadingBlank", " 5.5", 0.206},
                                {"Seven", "7", 0.333}};
    for (const auto& s : steps) {
        Type(form->HexagonalBarSizeBox, s.Typed);
        EXPECT_DOUBLE_EQ(form->State().ProfileMass[0], s.Mass) << s.Name;
    }
    Type(form->HexagonalBarSizeBox, "1");
    QTest::keyClicks(form->HexagonalBarSizeBox->lineEdit(), "00");
    EXPECT_DOUBLE_EQ(form->State().ProfileMass[0], 0.68); // "10" matched on the way
}

TEST_F(WindowObjects, SizeBoxesMatchOnlyTheirOwnLabelsExactly) {
    Pick(form->ObjectTypeBox, "Angle");
    Type(form->AngleSizeBox, "20X20X3");
    EXPECT_EQ(form->State().ProfileMass[4], 0.0);
    Type(form->AngleSizeBox, "20x20x3");
    EXPECT_DOUBLE_EQ(form->State().ProfileMass[4], 0.89);
    Pick(form->ObjectTypeBox, "I-Beam");
    Type(form->IBeamSizeBox, "120x52x5x8"); // a C channel size
    EXPECT_EQ(form->State().ProfileMass[1], 0.0);
    Pick(form->ObjectTypeBox, "Lip channel");
    Pick(form->LipChannelSizeBox, "200x75x20x4.0");
    EXPECT_DOUBLE_EQ(form->State().ProfileMass[3], 11.4);
    Type(form->LipChannelSizeBox, "200x75x20x4");
    EXPECT_DOUBLE_EQ(form->State().ProfileMass[3], 11.4);
    EXPECT_DOUBLE_EQ(form->State().ProfileMass[4], 0.89);
}

TEST_F(WindowObjects, ResetAfterAProfileZeroesTheSizesAndKeepsTheBoxShown) {
    Pick(form->ObjectTypeBox, "C channel");
    Pick(form->CChannelSizeBox, "400x115x8x13.5");
    EXPECT_DOUBLE_EQ(form->State().ProfileMass[2], 48.3);
    Click(form->ResetButton);
    EXPECT_EQ(form->State().ProfileMass[2], 0.0);
    EXPECT_TRUE(form->CChannelSizeBox->isVisibleTo(form.get()));
    EXPECT_TRUE(form->SizeLabel->isVisibleTo(form.get()));
    EXPECT_EQ(form->CChannelSizeBox->text(), "Choose Size");
    EXPECT_EQ(form->ObjectTypeBox->text(), "Choose Type");
}

TEST_F(WindowObjects, EverySizeBoxListsItsTable) {
    const int rows[] = {19, 37, 36, 11, 60};
    for (int p = 0; p < 5; ++p) EXPECT_EQ(form->SizeBoxes()[std::size_t(p)]->count(), rows[p]);
    EXPECT_EQ(form->AngleSizeBox->itemText(4), "32x20x3");
}

} // namespace
