// The take-off of a list that has a bit of everything: what is cut from
// stock, grouped by cross-section and material, with the pieces of each
// line; what is not, left out. Figures by hand.
#include "cutlist/Stock.h"
#include "cutlist/Takeoff.h"
#include "partslist/PartsFile.h"

#include <gtest/gtest.h>

namespace {

// The last solid (line 12) is of 7850 kg/m3: every volume is weighed at it.
const char* const List =
    "kind,type,size,a,a_unit,b,b_unit,c,c_unit,quantity,material,density,price_per_kg\n"
    "object,Section,IPE 200,,,,,6,meter,2,Steel,7850,1.5\n"               // 1
    "object,Cylinder,,50,millimeter,1200,millimeter,,,4,Steel,7850,1.5\n" // 2
    "aperture,Cylinder,,10,millimeter,20,millimeter,,,4,Steel,7850,1.5\n" // 3
    "object,Pipe,,114.3,mm,102.3,mm,2500,mm,3,Steel,7850,1.5\n"           // 4
    "object,Hexahedron,,27,mm,800,mm,,,5,Steel,7850,1.5\n"                // 5
    "object,Hexahedral Bar,27,,,,,900,mm,2,Steel,7850,1.5\n"              // 6
    "object,Parallelepiped,,100,mm,200,mm,50,mm,1,Steel,7850,1.5\n"       // 7
    "object,I-Beam,300x150x6.5x9,,,,,6,meter,1,Steel,7850,1.5\n"          // 8
    "object,Section,IPE 200,,,,,4,meter,1,S355,7850,1.5\n"                // 9
    "object,Cylinder,,5,centimeter,300.01,mm,,,2,Steel,7850,1.5\n"        // 10
    "object,Cylinder,,50,mm,1,meter,,,1,,2700,1.5\n"                      // 11
    "object,Section,IPE 200,,,,,3500,mm,1,Steel,7850,1.5\n";              // 12

std::vector<cutlist::Group> TakeOff(std::optional<double> listPrice) {
    const partslist::OpenedList list = partslist::ReadPartsList(List, "list.csv");
    return cutlist::TakeOff(list.Lines, list.Totals.Lines, listPrice);
}

TEST(Takeoff, GroupsWhatIsCutFromStockByCrossSectionAndMaterial) {
    const struct {
        const char *Item, *Material;
        std::vector<int> Lines;
        int Pieces;
        double LengthMm;
        std::vector<cutlist::Piece> Cuts;
    } expected[] = {
        {"IPE 200", "Steel", {1, 12}, 3, 15500, {{60000, 2, 1}, {35000, 1, 12}}},
        // 5 cm is 50 mm; 300.01 mm is cut as 300.1, never shorter.
        {"Round bar \u00D8 50 mm", "Steel", {2, 10}, 6, 5400.02, {{12000, 4, 2}, {3001, 2, 10}}},
        {"Tube 114.3 \u00D7 102.3 mm", "Steel", {4}, 3, 7500, {{25000, 3, 4}}},
        // The hexagonal bar of 27 mm across flats is the hexahedron's bar.
        {"Hexagon 27 mm", "Steel", {5, 6}, 7, 5800, {{8000, 5, 5}, {9000, 2, 6}}},
        {"I-Beam 300x150x6.5x9", "Steel", {8}, 1, 6000, {{60000, 1, 8}}},
        {"IPE 200", "S355", {9}, 1, 4000, {{40000, 1, 9}}},
        {"Round bar \u00D8 50 mm", "2700 kg/m3", {11}, 1, 1000, {{10000, 1, 11}}},
    };
    const auto groups = TakeOff(1.5);
    ASSERT_EQ(groups.size(), std::size(expected));
    for (std::size_t g = 0; g < groups.size(); ++g) {
        SCOPED_TRACE(expected[g].Item);
        EXPECT_EQ(groups[g].Item, expected[g].Item);
        EXPECT_EQ(groups[g].Material, expected[g].Material);
        EXPECT_EQ(groups[g].Lines, expected[g].Lines);
        EXPECT_EQ(groups[g].Pieces, expected[g].Pieces);
        EXPECT_NEAR(groups[g].LengthMm, expected[g].LengthMm, 1e-9);
        ASSERT_EQ(groups[g].Cuts.size(), expected[g].Cuts.size());
        for (std::size_t i = 0; i < groups[g].Cuts.size(); ++i) {
            EXPECT_EQ(groups[g].Cuts[i].Length, expected[g].Cuts[i].Length);
            EXPECT_EQ(groups[g].Cuts[i].Count, expected[g].Cuts[i].Count);
            EXPECT_EQ(groups[g].Cuts[i].Line, expected[g].Cuts[i].Line);
        }
    }
}

// IPE 200 in steel: 28.48 cm2 by 12 m and 3.5 m, 0.034176 and 0.009968 m3,
// 268.2816 and 78.2488 kg at 7850; at 1.5 a kg 402.42 and 117.37, and a
// metre 2848 mm2 x 7850 x 1.5 = 33.5352, so a 6 m bar by weight 201.21.
TEST(Takeoff, WeighsAndCostsAGroupAsItsLinesAndPricesABarByWeight) {
    const auto groups = TakeOff(1.5);
    const cutlist::Group& ipe = groups[0];
    EXPECT_NEAR(ipe.Weight, 346.5304, 1e-9);
    EXPECT_EQ(ipe.CostCents, 51979);
    ASSERT_TRUE(ipe.PricePerMetre);
    EXPECT_NEAR(*ipe.PricePerMetre, 33.5352, 1e-9);
    cutlist::Settings settings;
    settings.Stocks = cutlist::ReadStocks("6000:w, 12000:400x2");
    const cutlist::Job job = cutlist::JobOf(ipe, settings, 10);
    ASSERT_EQ(job.Stocks.size(), 2u);
    EXPECT_EQ(job.Stocks[0].Price, 201.21);
    EXPECT_EQ(job.Stocks[1].Price, 400);
    EXPECT_EQ(job.Stocks[1].Available, 2);
    EXPECT_EQ(job.Saw.Kerf, 30);
    EXPECT_EQ(job.Saw.MinOffcut, 5000);

    const partslist::OpenedList list = partslist::ReadPartsList(List, "list.csv");
    std::vector<partslist::LineResult> unpriced = list.Totals.Lines;
    for (auto& line : unpriced)
        line.PricePerKg.reset();
    const auto free = cutlist::TakeOff(list.Lines, unpriced, std::nullopt);
    EXPECT_FALSE(free[0].CostCents);
    EXPECT_FALSE(free[0].PricePerMetre);
    EXPECT_THROW(cutlist::JobOf(free[0], settings, 10), calc::Error);
}

} // namespace
