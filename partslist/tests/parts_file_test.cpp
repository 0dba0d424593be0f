#include "partslist/PartsFile.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* Header = "kind,type,size,a,a_unit,b,b_unit,c,c_unit,quantity,density\n";

// A copper cylinder of 2 cm by 1 m, an I-beam of 36 kg/m, 6 m, twice, and
// four holes of 10 by 20 mm cut by weight from it: 0.7853975 * 20 * 20 * 1000
// mm3 at 8940 (a profile does not weigh the volume again), 36 * 6 * 2 kg,
// 0.7853975 * 10 * 10 * 20 * 4 mm3 at 7874.
TEST(PartsFile, WrittenFileReadsBackToTheSameLinesAndTotals) {
    const std::string text = std::string(Header) +
                             "object,Cylinder,,2,centimeter,1,meter,,,1,8940\n"
                             "object,I-Beam,300x150x6.5x9,,,,,6,meter,2,7874\n"
                             "aperture,Cylinder,,10,millimeter,20,millimeter,,,4,7874\n";
    const auto list = partslist::ReadPartsList(text, "t.csv");
    ASSERT_EQ(list.Lines.size(), 3u);
    EXPECT_TRUE(list.Lines[2].CutByWeight);
    EXPECT_DOUBLE_EQ(list.Totals.State.TotalVolume, 0.000314159);
    EXPECT_NEAR(list.Totals.State.TotalWeight, 0.000314159 * 8940 + 432 - 0.00000628318 * 7874,
                1e-9);
    const auto again = partslist::ReadPartsList(
        partslist::WritePartsList(list.Lines, 2.5, list.Totals), "w.csv");
    EXPECT_EQ(again.Lines, list.Lines);
    EXPECT_EQ(again.PricePerKg, 2.5);
    EXPECT_EQ(again.Totals.State.TotalWeight, list.Totals.State.TotalWeight);
    double sum = 0;
    for (const auto& line : list.Totals.Lines) sum += line.Weight;
    EXPECT_NEAR(sum, list.Totals.State.TotalWeight, 1e-9);
}

} // namespace
