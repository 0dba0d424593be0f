// Checks of the size data itself. The tables are not repeated here; instead
// every row is held against its own label: the label must be well formed, and
// the cross-section it describes, in steel, must weigh about what the row says.
// A typo in a dimension or a mass shows up as a row far off its neighbours.
#include "catalogue/ProfileSizeTable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <regex>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

using catalogue::Profile;
using catalogue::SizeTable;

// Dimensions of a label in millimetres, in the order written.
std::vector<double> Dimensions(std::string_view label) {
    std::vector<double> dims;
    std::string rest(label);
    for (std::size_t x; (x = rest.find('x')) != std::string::npos; rest.erase(0, x + 1))
        dims.push_back(std::stod(rest.substr(0, x)));
    dims.push_back(std::stod(rest));
    return dims;
}

// Cross-section areas in mm2 from the dimensions of a label.
double HexagonArea(const std::vector<double>& d) {
    return 0.866 * d[0] * d[0];
}
double AngleArea(const std::vector<double>& d) { // a x b x t
    return (d[0] + d[1] - d[2]) * d[2];
}
double BeamArea(const std::vector<double>& d) { // h x b x tw x tf: two flanges and the web
    return 2 * d[1] * d[3] + (d[0] - 2 * d[3]) * d[2];
}
double LipChannelArea(const std::vector<double>& d) { // h x b x lip x t: the strip unfolded
    return d[3] * (d[0] + 2 * d[1] + 2 * d[2] - 4 * d[3]);
}

struct TableCase {
    const char* Name;
    Profile Table;
    std::size_t Rows;
    int DimensionCount;
    double (*Area)(const std::vector<double>&);
};

void PrintTo(const TableCase& c, std::ostream* os) {
    *os << c.Name;
}

class SizeTableTest : public testing::TestWithParam<TableCase> {};

TEST_P(SizeTableTest, HasItsRowCount) {
    EXPECT_EQ(SizeTable(GetParam().Table).size(), GetParam().Rows);
}

TEST_P(SizeTableTest, LabelsAreDistinct) {
    std::set<std::string_view> seen;
    for (const auto& row : SizeTable(GetParam().Table))
        EXPECT_TRUE(seen.insert(row.Label).second) << "\"" << row.Label << "\" repeated";
}

TEST_P(SizeTableTest, LabelsAreNumbersJoinedByLowercaseX) {
    const std::string number = R"((?:0|[1-9][0-9]*)(?:\.[0-9]+)?)";
    std::string pattern = number;
    for (int i = 1; i < GetParam().DimensionCount; ++i)
        pattern += "x" + number;
    const std::regex grammar(pattern);
    for (const auto& row : SizeTable(GetParam().Table))
        EXPECT_TRUE(std::regex_match(std::string(row.Label), grammar)) << "\"" << row.Label << "\"";
}

// Published masses use their own section tables (root radii, rounded corners),
// so they differ from the simple sum of rectangles by a few percent; 15% is
// far beyond that and well inside what a slipped digit does.
TEST_P(SizeTableTest, MassIsPlausibleForTheCrossSection) {
    constexpr double steelDensity = 7874; // kg/m3
    constexpr double tolerance = 0.15;
    for (const auto& row : SizeTable(GetParam().Table)) {
        const auto dims = Dimensions(row.Label);
        ASSERT_EQ(dims.size(), static_cast<std::size_t>(GetParam().DimensionCount)) << row.Label;
        const double expected = GetParam().Area(dims) * steelDensity * 1e-6; // mm2 -> kg/m
        EXPECT_NEAR(row.Mass / expected, 1.0, tolerance)
            << "\"" << row.Label << "\" lists " << row.Mass << " kg/m, section gives " << expected;
    }
}

const TableCase tableCases[] = {
    {"HexagonalBar", Profile::HexagonalBar, 19, 1, HexagonArea},
    {"IBeam", Profile::IBeam, 37, 4, BeamArea},
    {"CChannel", Profile::CChannel, 36, 4, BeamArea},
    {"LipChannel", Profile::LipChannel, 11, 4, LipChannelArea},
    {"Angle", Profile::Angle, 60, 3, AngleArea},
};

INSTANTIATE_TEST_SUITE_P(Catalogue, SizeTableTest, testing::ValuesIn(tableCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(SizeTable, AngleLongerLegComesFirst) {
    for (const auto& row : SizeTable(Profile::Angle)) {
        const auto d = Dimensions(row.Label);
        EXPECT_GE(d[0], d[1]) << "\"" << row.Label << "\"";
    }
}

TEST(SizeTable, LipChannelLipIsTwentyAndThicknessKeepsItsDecimal) {
    const std::regex thickness(R"(.*x[0-9]+\.[0-9])");
    for (const auto& row : SizeTable(Profile::LipChannel)) {
        EXPECT_EQ(Dimensions(row.Label)[2], 20.0) << "\"" << row.Label << "\"";
        EXPECT_TRUE(std::regex_match(std::string(row.Label), thickness))
            << "\"" << row.Label << "\"";
    }
}

// The size box lists the rows as they are, not sorted: the unequal angle
// 32x20 sits right after the equal 32x32.
TEST(SizeTable, AngleRowsKeepTheirListedOrder) {
    const auto angles = SizeTable(Profile::Angle);
    ASSERT_GE(angles.size(), 5u);
    EXPECT_EQ(angles[3].Label, "32x32x3");
    EXPECT_EQ(angles[4].Label, "32x20x3");
    EXPECT_EQ(angles[5].Label, "40x40x3");
}

} // namespace
