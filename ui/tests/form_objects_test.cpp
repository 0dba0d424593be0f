// Choosing object and aperture types, adding and subtracting them, and the
// rolled profiles' size boxes, driven through the window.
#include "FormFixture.h"

#include <QLabel>
#include <QLocale>

namespace {

using FormObjects = FormTest;

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

TEST_F(FormObjects, EachObjectTypeShowsItsPictureAndInputs) {
    for (const Shown& t : ObjectTypes) {
        SCOPED_TRACE(t.Type);
        Pick(form->ComboBox2, t.Type);
        const auto shown = [&](QWidget* w) { return w->isVisibleTo(form.get()); };
        EXPECT_EQ(form->Image1->property("picture").toString(), t.Picture);
        EXPECT_EQ(shown(form->Label1), t.A);
        EXPECT_EQ(shown(form->Edit2), t.A);
        EXPECT_EQ(shown(form->ComboBox4), t.A);
        EXPECT_EQ(shown(form->Label2), t.B);
        EXPECT_EQ(shown(form->Edit3), t.B);
        EXPECT_EQ(shown(form->ComboBox5), t.B);
        EXPECT_EQ(shown(form->Label3), t.C);
        const bool profile = t.SizeBox >= 0;
        EXPECT_EQ(shown(form->Edit4), t.C || profile);
        EXPECT_EQ(shown(form->ComboBox11), t.C || profile);
        EXPECT_EQ(shown(form->Label34), profile);
        EXPECT_EQ(shown(form->Label5), profile);
        for (int p = 0; p < 5; ++p) EXPECT_EQ(shown(form->SizeBoxes()[std::size_t(p)]), p == t.SizeBox) << p;
        EXPECT_EQ(form->Label1->text(), "a =");
    }
}

// The road of one typical calculation: a copper cylinder 2 cm across and 1 m
// long is 0.7853975 x 20 x 20 x 1000 mm3 = 0.000314159 m3, 2.8085814 kg.
TEST_F(FormObjects, ACopperCylinderFromPickToGrams) {
    Pick(form->ComboBox2, "Cylinder");
    Pick(form->ComboBox1, "Copper ( Cu )");
    QTest::keyClicks(form->Edit2, "2");
    Pick(form->ComboBox4, "centimeter");
    QTest::keyClicks(form->Edit3, "1");
    Pick(form->ComboBox5, "meter");
    Click(form->BitBtn5);
    EXPECT_EQ(form->Edit10->text(), Localised("0.0003141600"));
    EXPECT_EQ(form->Edit7->text(), Localised("2.8086000000"));
    Pick(form->ComboBox15, "gram");
    EXPECT_EQ(form->Edit7->text(), Localised("2808.6000000000"));
    Click(form->BitBtn2);
    EXPECT_EQ(form->Edit7->text(), Localised("0.0000000000"));
    EXPECT_EQ(form->Edit10->text(), Localised("0.0000000000"));
}

TEST_F(FormObjects, EachApertureTypeShowsItsPictureAndRows) {
    const Shown apertures[] = {
        {"Parallelepiped", "P101", true, true, true, -1}, {"Cylinder", "P102", true, true, false, -1},
        {"Prism1", "P103", true, true, true, -1},         {"Prism2", "P104", true, true, true, -1},
        {"Sphere", "P105", true, false, false, -1},       {"Part of sphere", "P106", true, true, false, -1},
        {"Cone", "P107", true, true, false, -1},          {"Truncated cone", "P108", true, true, true, -1},
        {"Pyramid", "P109", true, true, true, -1},
    };
    for (const Shown& t : apertures) {
        SCOPED_TRACE(t.Type);
        Pick(form->ComboBox3, t.Type);
        EXPECT_EQ(form->Image2->property("picture").toString(), t.Picture);
        for (QWidget* w : {static_cast<QWidget*>(form->Label16), static_cast<QWidget*>(form->Edit8)})
            EXPECT_TRUE(w->isVisibleTo(form.get()));
        EXPECT_EQ(form->Edit9->isVisibleTo(form.get()), t.B);
        EXPECT_EQ(form->ComboBox13->isVisibleTo(form.get()), t.B);
        EXPECT_EQ(form->Edit5->isVisibleTo(form.get()), t.C);
        EXPECT_EQ(form->Label8->isVisibleTo(form.get()), t.C);
    }
}

TEST_F(FormObjects, ATypeChangeEmptiesTheDimensionsAndResetsQuantityAndSizes) {
    Pick(form->ComboBox2, "Angle");
    Pick(form->ComboBox10, "50x50x5");
    form->SpinEdit2->setValue(7);
    QTest::keyClicks(form->Edit4, "2");
    QTest::keyClicks(form->ComboBox2->lineEdit(), "x"); // one typed character is a change too
    EXPECT_TRUE(form->Edit4->text().isEmpty());
    EXPECT_TRUE(form->Edit2->text().isEmpty());
    EXPECT_EQ(form->SpinEdit2->text(), "1");
    EXPECT_EQ(form->ComboBox10->text(), "Choose Size");
    EXPECT_EQ(form->Image1->property("picture").toString(), "P208"); // no match: the picture stays
    EXPECT_DOUBLE_EQ(form->State().ProfileMass[4], 3.77);
}

TEST_F(FormObjects, TypedOnlyPipeKeepsTheLayoutAndAddsItsVolume) {
    Pick(form->ComboBox2, "Parallelepiped");
    Type(form->ComboBox2, "Pipe");
    EXPECT_EQ(form->Image1->property("picture").toString(), "P001");
    EXPECT_TRUE(form->Edit4->isVisibleTo(form.get()));
    QTest::keyClicks(form->Edit2, "50");
    QTest::keyClicks(form->Edit3, "40");
    QTest::keyClicks(form->Edit4, "1000");
    Click(form->BitBtn5);
    EXPECT_EQ(form->Edit10->text(), Localised("0.0007068600")); // 0.00070685775
}

TEST_F(FormObjects, ChooseTypeGuardsAddObjectButNotAddAperture) {
    Click(form->BitBtn5);
    EXPECT_TRUE(form->Edit7->text().isEmpty());
    Pick(form->ComboBox15, "gram");
    Click(form->BitBtn7);
    EXPECT_EQ(form->Edit7->text(), Localised("0.0000000000"));
    EXPECT_EQ(form->Edit10->text(), Localised("0.0000000000"));
    EXPECT_EQ(form->ComboBox15->text(), "kilogram");
}

TEST_F(FormObjects, AnUnknownTypeResetsTheUnitsAndKeepsTheVolumeField) {
    Type(form->ComboBox2, "Box");
    Pick(form->ComboBox16, "inch");
    Type(form->Edit10, "untouched");
    Click(form->BitBtn5);
    EXPECT_EQ(form->ComboBox16->text(), "meter");
    EXPECT_EQ(form->Edit10->text(), "untouched");
    EXPECT_EQ(form->Edit7->text(), Localised("0.0000000000"));
}

TEST_F(FormObjects, Prism2WithAShortSideIsAnInvalidOperation) {
    Pick(form->ComboBox2, "Prism2");
    QTest::keyClicks(form->Edit2, "60");
    QTest::keyClicks(form->Edit3, "29");
    QTest::keyClicks(form->Edit4, "200");
    Click(form->BitBtn5);
    const auto boxes = TakeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Text, "Invalid floating point operation.");
    EXPECT_TRUE(form->Edit7->text().isEmpty());
}

// A hexagonal bar of size 10, 2 m long, three of them: 4.08 kg of steel.
void AddHexagonalBars(TForm1& form) {
    FormTest::Pick(form.ComboBox2, "Hexahedral Bar");
    FormTest::Pick(form.ComboBox6, "10");
    QTest::keyClicks(form.Edit4, "2");
    FormTest::Pick(form.ComboBox11, "meter");
    form.SpinEdit2->setValue(3);
    QTest::mouseClick(form.BitBtn5, Qt::LeftButton);
}

TEST_F(FormObjects, AHexagonalBarAddsItsWeightAndMarksTheVolume) {
    AddHexagonalBars(*form);
    EXPECT_EQ(form->Edit7->text(), Localised("4.0800000000"));
    EXPECT_EQ(form->Edit10->text(), "Is not calculate");
    Type(form->Edit1, "2700");
    Click(form->BitBtn5);
    EXPECT_EQ(form->Edit7->text(), Localised("5.4790000000")); // 4.08 + 1.3990348
}

TEST_F(FormObjects, AnApertureBehindTheMarkerCutsWeight) {
    AddHexagonalBars(*form);
    Pick(form->ComboBox3, "Cylinder");
    QTest::keyClicks(form->Edit8, "10");
    QTest::keyClicks(form->Edit9, "100");
    Click(form->BitBtn7);
    // 7874 x 0.7853975 x 10 x 10 x 100 / 1e9 = 0.0618422 kg less
    EXPECT_EQ(form->Edit7->text(), Localised("4.0182000000"));
    EXPECT_EQ(form->Edit10->text(), "Is not calculate");
}

TEST_F(FormObjects, ASolidAfterAProfileKeepsTheProfilesWeight) {
    AddHexagonalBars(*form);
    Pick(form->ComboBox2, "Parallelepiped");
    Pick(form->ComboBox11, "millimeter"); // the bars' length was in metres
    for (QLineEdit* e : {form->Edit2, form->Edit3, form->Edit4}) QTest::keyClicks(e, "100");
    Click(form->BitBtn5);
    EXPECT_EQ(form->Edit7->text(), Localised("11.9540000000"));
    EXPECT_EQ(form->Edit10->text(), Localised("0.0010000000"));
    Click(form->BitBtn2);
    EXPECT_EQ(form->Edit7->text(), Localised("4.0800000000"));
}

struct SizeTyping {
    const char* Name;
    const char* Typed;
    double Mass;
};

TEST_F(FormObjects, TypingIntoTheHexagonalBarBoxMatchesWholeLabelsOnly) {
    Pick(form->ComboBox2, "Hexahedral Bar");
    const SizeTyping steps[] = {{"One", "1", 0.0},     {"Ten", "10", 0.68},   {"Hundred", "100", 0.68},
                                {"Comma", "5,5", 0.68}, {"Point", "5.5", 0.206}, {"LeadingBlank", " 5.5", 0.206},
                                {"Seven", "7", 0.333}};
    for (const auto& s : steps) {
        Type(form->ComboBox6, s.Typed);
        EXPECT_DOUBLE_EQ(form->State().ProfileMass[0], s.Mass) << s.Name;
    }
    Type(form->ComboBox6, "1");
    QTest::keyClicks(form->ComboBox6->lineEdit(), "00");
    EXPECT_DOUBLE_EQ(form->State().ProfileMass[0], 0.68); // "10" matched on the way
}

TEST_F(FormObjects, SizeBoxesMatchOnlyTheirOwnLabelsExactly) {
    Pick(form->ComboBox2, "Angle");
    Type(form->ComboBox10, "20X20X3");
    EXPECT_EQ(form->State().ProfileMass[4], 0.0);
    Type(form->ComboBox10, "20x20x3");
    EXPECT_DOUBLE_EQ(form->State().ProfileMass[4], 0.89);
    Pick(form->ComboBox2, "I-Beam");
    Type(form->ComboBox7, "120x52x5x8"); // a C channel size
    EXPECT_EQ(form->State().ProfileMass[1], 0.0);
    Pick(form->ComboBox2, "Lip channel");
    Pick(form->ComboBox9, "200x75x20x4.0");
    EXPECT_DOUBLE_EQ(form->State().ProfileMass[3], 11.4);
    Type(form->ComboBox9, "200x75x20x4");
    EXPECT_DOUBLE_EQ(form->State().ProfileMass[3], 11.4);
    EXPECT_DOUBLE_EQ(form->State().ProfileMass[4], 0.89);
}

TEST_F(FormObjects, ResetAfterAProfileZeroesTheSizesAndKeepsTheBoxShown) {
    Pick(form->ComboBox2, "C channel");
    Pick(form->ComboBox8, "400x115x8x13.5");
    EXPECT_DOUBLE_EQ(form->State().ProfileMass[2], 48.3);
    Click(form->BitBtn3);
    EXPECT_EQ(form->State().ProfileMass[2], 0.0);
    EXPECT_TRUE(form->ComboBox8->isVisibleTo(form.get()));
    EXPECT_TRUE(form->Label34->isVisibleTo(form.get()));
    EXPECT_EQ(form->ComboBox8->text(), "Choose Size");
    EXPECT_EQ(form->ComboBox2->text(), "Choose Type");
}

TEST_F(FormObjects, EverySizeBoxListsItsTable) {
    const int rows[] = {19, 37, 36, 11, 60};
    for (int p = 0; p < 5; ++p) EXPECT_EQ(form->SizeBoxes()[std::size_t(p)]->count(), rows[p]);
    EXPECT_EQ(form->ComboBox10->itemText(4), "32x20x3");
}

} // namespace
