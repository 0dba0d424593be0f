#include "calc/ReadPart.h"
#include "partslist/Calculation.h"
#include "partslist/PartsFile.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

calc::Part Cube(const char* type, const char* side, const char* density,
                calc::Kind kind = calc::Kind::Object) {
    return calc::ReadPart(kind, {type, density, 1, {side, side, side},
                                 {"millimeter", "millimeter", "millimeter"}});
}

calc::Part Hole(const char* type, const char* side, const char* density) {
    return Cube(type, side, density, calc::Kind::Aperture);
}

// What a view of the lines is told, in order: "+first-last", "-first-last",
// "reset", "weights".
struct Recorder : partslist::LinesWatcher {
    std::vector<std::string> Told;
    std::pair<std::size_t, std::size_t> Range;
    void Inserting(std::size_t first, std::size_t last) override { Range = {first, last}; }
    void Inserted() override { Told.push_back(Said('+')); }
    void Removing(std::size_t first, std::size_t last) override { Range = {first, last}; }
    void Removed() override { Told.push_back(Said('-')); }
    void Resetting() override {}
    void WasReset() override { Told.push_back("reset"); }
    void Reweighed() override { Told.push_back("weights"); }
    std::string Said(char what) const {
        return what + std::to_string(Range.first) + "-" + std::to_string(Range.second);
    }
    std::vector<std::string> Take() { return std::exchange(Told, {}); }
};

double LinesWeight(const partslist::Calculation& c) {
    return std::accumulate(
        c.Results().begin(), c.Results().end(), 0.0,
        [](double sum, const partslist::LineResult& r) { return sum + r.Weight; });
}

// Cubes of 100 and 200 mm of water (1000 kg/m3): 1 and 8 kg.
TEST(Calculation, UndoTakesBackOneAddOrOneRemovalWithItsTotalsOnce) {
    partslist::Calculation c;
    Recorder view;
    c.Watch(&view);
    c.AddObject(Cube("Parallelepiped", "100", "1000"), "Water");
    c.AddObject(Cube("Parallelepiped", "200", "1000"), "Water");
    EXPECT_EQ(view.Take(), (std::vector<std::string>{"+0-0", "weights", "+1-1"}));
    const std::size_t first[] = {0};
    c.Remove(first);
    EXPECT_EQ(view.Take(), (std::vector<std::string>{"-0-0", "weights"}));
    EXPECT_DOUBLE_EQ(c.State().TotalWeight, 8.0);
    ASSERT_EQ(c.Lines().size(), 1u);
    c.Undo();
    EXPECT_EQ(view.Take(), (std::vector<std::string>{"+0-0", "weights"}));
    EXPECT_EQ(c.Lines().size(), 2u);
    EXPECT_DOUBLE_EQ(c.State().TotalWeight, 9.0);
    c.Undo();
    EXPECT_TRUE(view.Take().empty());
    EXPECT_EQ(c.Lines().size(), 2u);

    c.AddAperture(Hole("Box", "1", "1000"), "Water"); // no type: subtracts nothing, adds no line
    c.Undo();
    EXPECT_EQ(c.Lines().size(), 2u);
    c.AddObject(Cube("Parallelepiped", "300", "1000"), "Water");
    view.Take();
    c.Undo();
    EXPECT_EQ(view.Take(), (std::vector<std::string>{"-2-2"}));
    EXPECT_EQ(c.Lines().back().Rows[0].Value, 200);
    EXPECT_DOUBLE_EQ(c.State().TotalWeight, 9.0);

    // Rows 0 and 2 of five pasted ones removed, then brought back.
    c.Paste(std::vector<partslist::Line>(3, c.Lines()[0]));
    const std::size_t some[] = {0, 2, 3};
    c.Remove(some);
    view.Take();
    c.Undo();
    EXPECT_EQ(view.Take(), (std::vector<std::string>{"+0-0", "+2-3", "weights"}));
    EXPECT_EQ(c.Lines().size(), 5u);
}

// Every Add weighs the whole volume at its density, even one that adds no
// line: the lines' weights always add up to the total.
TEST(Calculation, LinesAddUpToTheTotalAfterEveryChangeOfDensity) {
    partslist::Calculation c;
    c.AddObject(Cube("Parallelepiped", "100", "1000"), "Water");
    c.AddObject(Cube("Parallelepiped", "100", "7850"), "Steel");
    EXPECT_DOUBLE_EQ(LinesWeight(c), 15.7);
    c.AddAperture(Hole("Box", "1", "2000"), ""); // no type: only reweighs
    EXPECT_DOUBLE_EQ(c.State().TotalWeight, 4.0);
    EXPECT_DOUBLE_EQ(LinesWeight(c), 4.0);
    c.Undo();
    EXPECT_DOUBLE_EQ(LinesWeight(c), 15.7);
    EXPECT_DOUBLE_EQ(c.State().TotalWeight, 15.7);
}

} // namespace

// IPE 200 is 28.48 cm2: 6 m of it 0.017088 m3, 134.1408 kg of steel. A hole of
// 20 mm through its 5.6 mm web takes 0.7853975 * 20^2 * 5.6 mm3 = 1.7592904e-6 m3.
TEST(Calculation, ASectionIsASolidThatHolesCutAndAFileKeeps) {
    partslist::Calculation c;
    calc::Part length = Cube("", "", "7850");
    length.Rows[2] = calc::ReadLength("6", calc::FindLengthUnit("meter"));
    c.AddSection(length, "ipe 200", "Steel");
    EXPECT_DOUBLE_EQ(c.State().TotalVolume, 0.017088);
    EXPECT_NEAR(c.State().TotalWeight, 134.1408, 1e-9);
    calc::Part hole = Hole("Cylinder", "20", "7850");
    hole.Rows[1].Value = 5.6;
    c.AddAperture(hole, "Steel");
    c.AddAperture(hole, "Steel");
    c.Undo();
    EXPECT_NEAR(c.State().TotalVolume, 0.017088 - 1.7592904e-6, 1e-15);

    const auto read =
        partslist::ReadPartsList(partslist::WritePartsList(c.Lines(), {}, c.Totals()), "s.csv");
    EXPECT_EQ(read.Lines, c.Lines());
    EXPECT_EQ(read.Lines[0].Size, "IPE 200");
    EXPECT_EQ(read.Totals.State.TotalWeight, c.State().TotalWeight);
    EXPECT_THROW(c.AddSection(length, "IPE 210", "Steel"), calc::Error);
    for (const char* none : {"", "0", "-6"}) {
        length.Rows[2] = calc::ReadLength(none, calc::FindLengthUnit("meter"));
        EXPECT_THROW(c.AddSection(length, "IPE 200", "Steel"), calc::Error) << none;
    }
    c.AddObject(Cube("Section", "1", "7850"), "Steel"); // typed into the type box: no type there
    EXPECT_EQ(c.Lines().size(), 2u);
}

// An opened list brings its density: the next Add weighs the list as the
// file did, not at the density typed before it was opened.
TEST(Calculation, AnOpenedListKeepsItsDensityForTheNextAdd) {
    partslist::Calculation c;
    c.AddObject(Cube("Parallelepiped", "100", "7850"), "Steel");
    const std::vector<partslist::Line> steel = c.Lines();
    c.Reset();
    c.AddObject(Cube("Parallelepiped", "100", "7874"), "Iron");
    c.Replace(steel, partslist::ReplayLines(steel), {});
    EXPECT_EQ(c.State().Density, 7850);
    EXPECT_DOUBLE_EQ(c.State().TotalWeight, 7.85);
}

// The totals can stay finite where a line's weight cannot: a solid and a hole
// of the same huge volume, the hole at a density that weighs the solid past
// a double's range. The Add is refused whole.
TEST(Calculation, AnAddThatWouldWeighALinePastADoubleChangesNothing) {
    partslist::Calculation c;
    c.AddObject(Cube("Cylinder", "1e103", "1"), "");
    EXPECT_THROW(c.AddAperture(Hole("Cylinder", "1e103", "2000000000"), ""), calc::Error);
    EXPECT_EQ(c.Lines().size(), 1u);
    EXPECT_EQ(c.VolumeDensity(), 1);
}

// Undo of an Open brings back the list before it with its own file, as
// saved as it was.
TEST(Calculation, UndoOfAnOpenBringsBackTheFileBeforeIt) {
    partslist::Calculation c;
    c.AddObject(Cube("Parallelepiped", "100", "7850"), "Steel");
    c.Saved("a.csv");
    c.Replace({}, partslist::ReplayLines({}), {});
    c.Saved("b.csv");
    c.Undo();
    EXPECT_EQ(c.FilePath(), "a.csv");
    EXPECT_FALSE(c.Modified());
    EXPECT_EQ(c.Lines().size(), 1u);
}

// Undo of an Open brings back the whole list before it: its material,
// density and price with its lines, so the next Add weighs as it did.
TEST(Calculation, UndoOfAnOpenBringsBackTheMaterialDensityAndPriceBeforeIt) {
    partslist::Calculation c;
    c.AddObject(Cube("Cylinder", "20", "8940"), "Copper ( Cu )");
    const std::vector<partslist::Line> copper = c.Lines();
    c.Replace(copper, partslist::ReplayLines(copper), {});
    std::vector<partslist::Line> steel = copper;
    steel[0].Material = "Steel";
    steel[0].Density = 7850;
    c.Replace(steel, partslist::ReplayLines(steel), 2.5);
    ASSERT_EQ(c.State().Density, 7850);
    EXPECT_TRUE(c.Undo());
    EXPECT_EQ(c.Material(), "Copper ( Cu )");
    EXPECT_EQ(c.State().Density, 8940);
    EXPECT_EQ(c.PricePerKg(), std::nullopt);
    EXPECT_EQ(c.Lines()[0].Density, 8940);
}
