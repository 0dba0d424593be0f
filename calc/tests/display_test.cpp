#include "calc/Display.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <string>

namespace {

struct Shown {
    const char* name;
    double value;
    const char* text;
};

const Shown Totals[] = {
    {"Zero", 0.0, "0.0000000000"},
    {"NegativeZero", -0.0, "0.0000000000"},
    {"Half", 0.5, "0.5000000000"},
    {"Pi", 3.14159265, "3.1416000000"},
    {"Grams", 47.244, "47.2440000000"},
    {"FiveDigitsRounded", 12345.678, "12346.0000000000"},
    {"CarryIntoScientific", 99999.7, "1E5"},
    {"Scientific", 123456.7, "1.2346E5"},
    {"ScientificMillions", 1234567.891, "1.2346E6"},
    {"SmallNegative", -0.00012345678, "-0.0001234600"},
    {"TenDecimalsOnly", 0.0000000123456, "0.0000000123"},
    {"RoundsToZero", 0.00000000004, "0.0000000000"},
    {"NegativeRoundsToZero", -0.00000000004, "0.0000000000"},
    {"RoundsUpToLastDecimal", 0.00000000005, "0.0000000001"},
    {"HalfAwayFromZero", 2.00005, "2.0001000000"},
    {"NegativeHalfAwayFromZero", -2.00005, "-2.0001000000"},
    {"ShortestDigitsNotBinary", 1.00005, "1.0001000000"}, // 1.00005 is 1.0000499999... in binary
    {"JustBelowScientific", 99999.4, "99999.0000000000"},
    {"ExactlyScientific", 100000.0, "1E5"},
    {"NegativeScientific", -6000000.0, "-6E6"},
    {"LargeExponent", 1.5e300, "1.5E300"},
    {"Millimetres", 6e6, "6E6"},
    {"Thousands", 6000.0, "6000.0000000000"},
    {"Inches", 366.1425, "366.1400000000"},
    {"Pounds", 104.15, "104.1500000000"},
    {"Carry", 0.999996, "1.0000000000"},
    {"Tiny", 4.9e-324, "0.0000000000"},
    {"SeventeenShortestDigits", 1.2345678901234567, "1.2346000000"},
    {"SeventeenDigitsCarry", 9.9999999999999982, "10.0000000000"},
    {"NegativeFiveWholeDigits", -12345.4, "-12345.0000000000"},
};

class FormatTotal : public testing::TestWithParam<Shown> {};

TEST_P(FormatTotal, WritesFiveSignificantDigits) {
    EXPECT_EQ(calc::FormatTotal(GetParam().value, '.'), GetParam().text);
}

TEST_P(FormatTotal, UsesTheRegionalSeparator) {
    std::string expected = GetParam().text;
    for (char& c : expected)
        if (c == '.') c = ',';
    EXPECT_EQ(calc::FormatTotal(GetParam().value, ','), expected);
}

INSTANTIATE_TEST_SUITE_P(Values, FormatTotal, testing::ValuesIn(Totals),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FormatTotalExtended, ShowsATotalBeyondTheRangeOfADouble) {
    EXPECT_EQ(calc::FormatTotal(static_cast<long double>(DBL_MAX) * 1000.0L, '.'), "1.7977E311");
    EXPECT_EQ(calc::FormatTotal(0.5L, ','), "0,5000000000");
    EXPECT_EQ(calc::FormatTotal(-1.5e4000L, ','), "-1,5E4000");
    EXPECT_EQ(calc::FormatTotal(9.99996e4000L, '.'), "1E4001");
}

} // namespace
