#include "catalogue/ProfileSizeTable.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace {

using catalogue::Profile;
using catalogue::SelectSize;
using catalogue::SizeTable;

struct SelectCase {
    const char* Name;
    Profile Table;
    std::string_view Text;
    std::optional<double> Mass; // nullopt: the text must match no row
};

void PrintTo(const SelectCase& c, std::ostream* os) {
    *os << c.Name;
}

class SelectSizeTest : public testing::TestWithParam<SelectCase> {};

TEST_P(SelectSizeTest, MatchesWholeTextExactly) {
    const auto& c = GetParam();
    const auto got = SelectSize(SizeTable(c.Table), c.Text);
    ASSERT_EQ(got.has_value(), c.Mass.has_value()) << "text \"" << c.Text << "\"";
    if (c.Mass) {
        EXPECT_EQ(*got, *c.Mass) << "text \"" << c.Text << "\"";
    }
}

using namespace std::string_view_literals;

// The masses below are the published figures, typed in again by hand; they
// must come back as exactly the same doubles.
const SelectCase selectCases[] = {
    // Hexagonal bar: a typed number is text, not a value.
    {"HexWholeLabel", Profile::HexagonalBar, "10", 0.68},
    {"HexPrefixOfLabel", Profile::HexagonalBar, "1", std::nullopt},
    {"HexLabelWithDigitAppended", Profile::HexagonalBar, "100", std::nullopt},
    {"HexFirstRow", Profile::HexagonalBar, "5.5", 0.206},
    {"HexLastRow", Profile::HexagonalBar, "55", 20.6},
    {"HexCommaForPoint", Profile::HexagonalBar, "5,5", std::nullopt},
    {"HexLeadingSpace", Profile::HexagonalBar, " 5.5", std::nullopt},
    {"HexTrailingSpace", Profile::HexagonalBar, "5.5 ", std::nullopt},
    {"HexTrailingZero", Profile::HexagonalBar, "5.50", std::nullopt},
    {"HexLeadingZero", Profile::HexagonalBar, "05.5", std::nullopt},
    {"HexEmbeddedNul", Profile::HexagonalBar, "10\0"sv, std::nullopt},
    {"HexEmpty", Profile::HexagonalBar, "", std::nullopt},
    {"HexInitialText", Profile::HexagonalBar, "Choose Size", std::nullopt},

    // Angle: lowercase "x", no spaces.
    {"AngleFirstRow", Profile::Angle, "20x20x3", 0.89},
    {"AngleCapitalX", Profile::Angle, "20X20X3", std::nullopt},
    {"AngleSpacedX", Profile::Angle, "20 x 20 x 3", std::nullopt},
    {"AngleUnequalLegs", Profile::Angle, "32x20x3", 1.17},
    {"AngleLastRow", Profile::Angle, "250x250x35", 129.2},

    // I-beam.
    {"IBeamFirstRow", Profile::IBeam, "100x55x4.5x7", 9.46},
    {"IBeamSharedMassFirst", Profile::IBeam, "140x73x5x7.5", 13.7},
    {"IBeamSharedMassSecond", Profile::IBeam, "150x75x5x7", 13.7},
    {"IBeamMiddleRow", Profile::IBeam, "150x100x6x9", 20.6},
    {"IBeamHeightAlone", Profile::IBeam, "150", std::nullopt},
    {"IBeamLastRow", Profile::IBeam, "800x300x14x26", 207},
    {"IBeamGivenChannelLabel", Profile::IBeam, "120x52x5x8", std::nullopt},

    // C channel.
    {"ChannelFirstRow", Profile::CChannel, "40x20x2x2", 1.14},
    {"ChannelOwnLabel", Profile::CChannel, "120x52x5x8", 10.4},
    {"ChannelLastRow", Profile::CChannel, "400x115x8x13.5", 48.3},

    // Lip channel: the thickness keeps its decimal.
    {"LipFirstRow", Profile::LipChannel, "100x50x20x2.3", 4.06},
    {"LipSharedMassFirst", Profile::LipChannel, "100x50x20x3.2", 5.5},
    {"LipSharedMassSecond", Profile::LipChannel, "150x65x20x2.3", 5.5},
    {"LipLastRow", Profile::LipChannel, "200x75x20x4.0", 11.4},
    {"LipDecimalLeftOff", Profile::LipChannel, "200x75x20x4", std::nullopt},
};

INSTANTIATE_TEST_SUITE_P(Catalogue, SelectSizeTest, testing::ValuesIn(selectCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(SelectSize, EveryLabelSelectsItsOwnRow) {
    for (int p = 0; p < catalogue::ProfileCount; ++p) {
        const auto table = SizeTable(static_cast<Profile>(p));
        for (const auto& row : table) {
            // A copy, so a match cannot come from comparing pointers.
            const std::string text(row.Label);
            const auto got = SelectSize(table, text);
            ASSERT_TRUE(got.has_value()) << "profile " << p << ", \"" << text << "\"";
            EXPECT_EQ(*got, row.Mass) << "profile " << p << ", \"" << text << "\"";
        }
    }
}

TEST(SelectSize, EmptyTableMatchesNothing) {
    EXPECT_FALSE(SelectSize({}, "10").has_value());
    EXPECT_FALSE(SelectSize({}, "").has_value());
}

} // namespace
