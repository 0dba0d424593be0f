#include "calc/Add.h"
#include "calc/Calculator.h"
#include "calc/Error.h"
#include "calc/ReadPart.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using calc::CalcState;
using calc::VolumeShown;

// The texts of one click, read as the window reads them and added.
struct AddInput {
    std::string Type, Density;
    int Quantity = 1;
    std::array<std::pair<std::string, std::string>, 3> Rows;
    bool CutByWeight = false; // the Volume field shows its marker
};

calc::Part Read(const AddInput& in, calc::Kind kind) {
    calc::PartTexts texts{in.Type, in.Density, in.Quantity, {}, {}, in.CutByWeight};
    for (std::size_t r = 0; r < 3; ++r)
        texts.Rows[r] = in.Rows[r].first, texts.Units[r] = in.Rows[r].second;
    return calc::ReadPart(kind, texts);
}

// A rolled profile weighs the size chosen last, as the window's Add takes it.
calc::AddOutcome AddObject(const CalcState& state, const AddInput& input) {
    calc::Part part = Read(input, calc::Kind::Object);
    if (part.Type && part.Type->Profile != calc::NoProfile)
        part.ProfileMass = state.ProfileMass[std::size_t(part.Type->Profile)];
    return calc::AddObject(state, part);
}

calc::AddOutcome AddAperture(const CalcState& state, const AddInput& input) {
    return calc::AddAperture(state, Read(input, calc::Kind::Aperture));
}

AddInput Input(const char* type, const char* a, const char* b = "", const char* c = "",
               int quantity = 1, const char* density = "7874") {
    return AddInput{type, density, quantity, {{{a, "millimeter"}, {b, "millimeter"}, {c, "millimeter"}}}};
}

// Volumes worked out by hand from each formula.
struct Solid {
    const char* name;
    AddInput input;
    double volume;
};

const Solid Solids[] = {
    {"Parallelepiped", Input("Parallelepiped", "100", "100", "100"), 0.001},
    {"CylinderInCentimetresAndMetres",
     {"Cylinder", "7874", 1, {{{"2", "centimeter"}, {"1", "meter"}, {"", "millimeter"}}}}, 0.000314159},
    {"Sphere", Input("Sphere", "100"), 0.00052359833333333333},
    {"Hemisphere", Input("Part of sphere", "50", "50"), 0.00026179916666666667},
    {"TruncatedConeAsCylinder", Input("Truncated cone", "100", "100", "100"), 0.0007853975},
    {"Cylinder", Input("Cylinder", "100", "100"), 0.0007853975},
    {"ConeThreeTimesAsHigh", Input("Cone", "100", "300"), 0.0007853975},
    {"Prism2", Input("Prism2", "60", "50", "200"), 0.00024},
    {"Prism2Flat", Input("Prism2", "60", "30", "200"), 0.0},
    {"Prism1", Input("Prism1", "30", "40", "1000"), 0.0006},
    {"Pyramid", Input("Pyramid", "30", "40", "100"), 0.00004},
    {"Pipe", Input("Pipe", "50", "40", "1000"), 0.00070685775},
    {"PipeInsideOut", Input("Pipe", "40", "50", "1000"), -0.00070685775},
    {"Hexahedron", Input("Hexahedron", "10", "1000"), 0.0000866},
    {"QuantityThree", Input("Parallelepiped", "10", "10", "10", 3), 0.000003},
    {"Inches", {"Parallelepiped", "7874", 1, {{{"1", "inch"}, {"1", "foot"}, {"1", "yard"}}}},
     0.007079211648},
    {"CommaAndPoint", {"Cylinder", "7874", 1, {{{"0,5", "centimeter"}, {"0.5", "meter"}, {"", ""}}}},
     0.0000098174687500},
    {"UnknownUnitLeavesZero",
     {"Parallelepiped", "7874", 1, {{{"100", "millimeter"}, {"100", "mm"}, {"100", "millimeter"}}}}, 0.0},
    {"UnknownUnitDoesNotReadTheText",
     {"Cylinder", "7874", 1, {{{"10", "millimeter"}, {"10", "millimeter"}, {"x!", "mm"}}}}, 0.0000007853975},
    {"EmptyIsZero", Input("Parallelepiped", "100", "", "100"), 0.0},
};

class AddSolid : public testing::TestWithParam<Solid> {};

TEST_P(AddSolid, AddsItsVolumeAndWeighsTheWhole) {
    const auto out = AddObject(CalcState{}, GetParam().input);
    EXPECT_NEAR(out.State.TotalVolume, GetParam().volume, 1e-15);
    EXPECT_NEAR(out.State.TotalWeight, 7874 * GetParam().volume, 1e-12);
    EXPECT_EQ(out.VolumeField, VolumeShown::Total);
}

TEST_P(AddSolid, SubtractsTheSameVolumeAsAnAperture) {
    const auto out = AddAperture(CalcState{}, GetParam().input);
    const bool isAperture = GetParam().input.Type != "Pipe";
    EXPECT_NEAR(out.State.TotalVolume, isAperture ? -GetParam().volume : 0.0, 1e-15);
}

INSTANTIATE_TEST_SUITE_P(Shapes, AddSolid, testing::ValuesIn(Solids),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AddObject, TheSecondClickDoublesBothTotals) {
    const auto first = AddObject(CalcState{}, Input("Parallelepiped", "100", "100", "100"));
    const auto second = AddObject(first.State, Input("Parallelepiped", "100", "100", "100"));
    EXPECT_DOUBLE_EQ(second.State.TotalVolume, 0.002);
    EXPECT_DOUBLE_EQ(second.State.TotalWeight, 15.748);
    EXPECT_DOUBLE_EQ(second.State.UndoVolume, 0.001);
    EXPECT_DOUBLE_EQ(second.State.UndoWeight, 7.874);
}

TEST(AddObject, AnUnknownTypeTakesTheSnapshotAndChangesNoTotal) {
    CalcState s;
    s.TotalVolume = 0.5;
    s.TotalWeight = 3937;
    const auto out = AddObject(s, Input("Box", "100", "100", "100", 1, "1000"));
    EXPECT_EQ(out.VolumeField, VolumeShown::Unchanged);
    EXPECT_EQ(out.State.TotalVolume, 0.5);
    EXPECT_EQ(out.State.TotalWeight, 3937);
    EXPECT_EQ(out.State.UndoWeight, 3937);
    EXPECT_EQ(out.State.Density, 1000);
}

TEST(AddObject, ChangingTheMaterialReweighsTheWholeVolume) {
    const auto steel = AddObject(CalcState{}, Input("Parallelepiped", "100", "100", "100"));
    const auto aluminium =
        AddObject(steel.State, Input("Parallelepiped", "100", "100", "100", 1, "2700"));
    EXPECT_DOUBLE_EQ(aluminium.State.TotalWeight, 5.4);
}

CalcState WithHexagonalBar10() {
    CalcState s;
    s.ProfileMass[0] = 0.68;
    return s;
}

AddInput HexagonalBar(const char* density) {
    return {"Hexahedral Bar", density, 3, {{{"", "millimeter"}, {"", "millimeter"}, {"2", "meter"}}}};
}

TEST(AddObject, ARolledProfileAddsWeightOnlyAndShowsTheMarker) {
    const auto steel = AddObject(WithHexagonalBar10(), HexagonalBar("7874"));
    EXPECT_NEAR(steel.State.TotalWeight, 4.08, 1e-12);
    EXPECT_EQ(steel.State.TotalVolume, 0.0);
    EXPECT_EQ(steel.VolumeField, VolumeShown::Marker);
    const auto aluminium = AddObject(WithHexagonalBar10(), HexagonalBar("2700"));
    EXPECT_NEAR(aluminium.State.TotalWeight, 1.3990348, 1e-7);
}

TEST(AddObject, AProfileWithoutAChosenSizeWeighsNothing) {
    const auto out = AddObject(CalcState{}, HexagonalBar("7874"));
    EXPECT_EQ(out.State.TotalWeight, 0.0);
    EXPECT_EQ(out.VolumeField, VolumeShown::Marker);
}

// A solid added after a profile keeps the profile's weight: 4.08 + 7.874.
TEST(AddObject, ASolidAfterAProfileKeepsTheProfilesWeight) {
    const auto bar = AddObject(WithHexagonalBar10(), HexagonalBar("7874"));
    const auto cube = AddObject(bar.State, Input("Parallelepiped", "100", "100", "100"));
    EXPECT_DOUBLE_EQ(cube.State.TotalVolume, 0.001);
    EXPECT_NEAR(cube.State.TotalWeight, 11.954, 1e-12);
    EXPECT_EQ(cube.VolumeField, VolumeShown::Total);
    const CalcState undone = calc::Undo(cube.State);
    EXPECT_NEAR(undone.TotalWeight, 4.08, 1e-12);
    EXPECT_NEAR(undone.ProfileWeight, 4.08, 1e-12);
    EXPECT_EQ(undone.TotalVolume, 0.0);
}

struct Failure {
    const char* name;
    AddInput input;
    const char* message;
};

const Failure Failures[] = {
    {"DensityNoNumber", Input("Parallelepiped", "1", "1", "1", 1, "78x4"),
     "'78x4' is not a valid floating point value"},
    {"DimensionNoNumber", Input("Parallelepiped", "1", "1,2,3", "1"),
     "'1,2,3' is not a valid floating point value"},
    {"Prism2SideTooShort", Input("Prism2", "60", "29", "200"), "Invalid floating point operation"},
    {"DimensionBeyondDouble", {"Sphere", "7874", 1, {{{"1e308", "yard"}, {"", ""}, {"", ""}}}},
     "Floating point overflow"},
    {"VolumeBeyondDouble", Input("Parallelepiped", "1e200", "1e200", "1e200"), "Floating point overflow"},
    {"WeightBeyondDouble", Input("Parallelepiped", "1e160", "1e160", "1e0", 1000, "2000000000"),
     "Floating point overflow"},
    {"DensityOutOfRange", Input("Parallelepiped", "1", "1", "1", 1, "1e10"),
     "The density '1e10' is out of range: type a whole number of kilograms per cubic metre between "
     "-2147483648 and 2147483647"},
};

class AddFailure : public testing::TestWithParam<Failure> {};

// The state is taken by value and a new one returned only on success, so a
// failure cannot touch the totals or the undo snapshot.
TEST_P(AddFailure, ReportsTheErrorAndReturnsNoState) {
    for (bool aperture : {false, true}) {
        try {
            if (aperture)
                AddAperture(CalcState{}, GetParam().input);
            else
                AddObject(CalcState{}, GetParam().input);
            ADD_FAILURE() << "no error, aperture " << aperture;
        } catch (const calc::Error& e) {
            EXPECT_STREQ(e.what(), GetParam().message);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Inputs, AddFailure, testing::ValuesIn(Failures),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AddAperture, WithoutTheMarkerSubtractsVolumeAndReweighs) {
    const auto cube = AddObject(CalcState{}, Input("Parallelepiped", "200", "100", "100"));
    const auto out = AddAperture(cube.State, Input("Parallelepiped", "100", "100", "100"));
    EXPECT_DOUBLE_EQ(out.State.TotalVolume, 0.001);
    EXPECT_DOUBLE_EQ(out.State.TotalWeight, 7.874);
    EXPECT_EQ(out.VolumeField, VolumeShown::Total);
}

TEST(AddAperture, BehindTheMarkerSubtractsWeightOnly) {
    CalcState s;
    s.TotalWeight = 10.0;
    s.ProfileWeight = 10.0;
    s.TotalVolume = 0.25;
    AddInput hole = Input("Parallelepiped", "100", "100", "100");
    hole.CutByWeight = true;
    const auto out = AddAperture(s, hole);
    EXPECT_DOUBLE_EQ(out.State.TotalWeight, 2.126);
    EXPECT_DOUBLE_EQ(out.State.ProfileWeight, 2.126);
    EXPECT_EQ(out.State.TotalVolume, 0.25);
    EXPECT_EQ(out.VolumeField, VolumeShown::Unchanged);
}

// A name the type box holds that is no type, such as its prompt.
TEST(AddAperture, ANameOfNoTypeSubtractsNothingButRewritesTheTotals) {
    CalcState s;
    s.TotalVolume = 0.001;
    s.TotalWeight = 7.874;
    const auto out = AddAperture(s, Input("Box", "100", "100", "100", 1, "2700"));
    EXPECT_EQ(out.State.TotalVolume, 0.001);
    EXPECT_DOUBLE_EQ(out.State.TotalWeight, 2.7);
    EXPECT_EQ(out.State.UndoWeight, 7.874);
    EXPECT_EQ(out.VolumeField, VolumeShown::Total);
}

TEST(AddAperture, ACapTallerThanThreeRadiiMakesTheTotalsGrow) {
    const auto out = AddAperture(CalcState{}, Input("Part of sphere", "10", "40"));
    EXPECT_NEAR(out.State.TotalVolume, 0.0000167551466666, 1e-15);
}

TEST(AddAperture, TwoClicksThenUndoKeepsTheFirst) {
    const auto cube = AddObject(CalcState{}, Input("Parallelepiped", "100", "100", "300"));
    const auto once = AddAperture(cube.State, Input("Parallelepiped", "100", "100", "100"));
    const auto twice = AddAperture(once.State, Input("Parallelepiped", "100", "100", "100"));
    EXPECT_NEAR(twice.State.TotalVolume, 0.001, 1e-15);
    const CalcState undone = calc::Undo(twice.State);
    EXPECT_NEAR(undone.TotalVolume, 0.002, 1e-15);
    EXPECT_NEAR(calc::Undo(undone).TotalVolume, 0.002, 1e-15);
}

TEST(Shapes, FindsOnlyExactNames) {
    EXPECT_NE(calc::FindShape("Cylinder", false), nullptr);
    EXPECT_EQ(calc::FindShape("cylinder", false), nullptr);
    EXPECT_EQ(calc::FindShape("Cylinder ", false), nullptr);
    EXPECT_NE(calc::FindShape("Pipe", false), nullptr); // typed only: a volume, no item
    EXPECT_EQ(calc::FindShape("Pipe", true), nullptr);
    EXPECT_NE(calc::FindShape("Hexahedron", true), nullptr);
    EXPECT_EQ(calc::FindShape("Section", false), nullptr); // it comes with its designation
    EXPECT_EQ(calc::ShapeSpelled("part_of-sphere", true)->Name, "Part of sphere");
}

} // namespace
