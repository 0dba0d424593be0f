#include "calc/Error.h"
#include "calc/ParseNumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

struct Parsed {
    const char* name;
    const char* text;
    double value;
};

const Parsed Numbers[] = {
    {"Empty", "", 0.0},
    {"Integer", "12", 12.0},
    {"Point", "12.5", 12.5},
    {"Comma", "12,5", 12.5},
    {"NegativeComma", "-0,25", -0.25},
    {"LeadingPoint", ".5", 0.5},
    {"TrailingPoint", "5.", 5.0},
    {"PlusSign", "+7", 7.0},
    {"TrailingBlankAfterPoint", "1.5 ", 1.5},
    {"SurroundingBlanks", "  3,25  ", 3.25},
    {"Exponent", "2.5e3", 2500.0},
    {"CapitalExponentWithSign", "25E-1", 2.5},
    {"NineDecimals", "0.123456789", 0.123456789},
    {"ManyDecimals", "0.1234567890123", 0.1234567890123},
    {"CommaCentimetre", "0,5", 0.5},
    {"NegativeZero", "-0", 0.0},
    {"Underflow", "1e-400", 0.0},
    {"Subnormal", "5e-324", 4.9406564584124654e-324},
    {"LargestDouble", "1.7976931348623157e308", 1.7976931348623157e308},
};

class ParseNumberValue : public testing::TestWithParam<Parsed> {};

TEST_P(ParseNumberValue, ReadsTheNumberTheTextStandsFor) {
    EXPECT_EQ(calc::ParseNumber(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseNumberValue, testing::ValuesIn(Numbers),
                         [](const auto& info) { return std::string(info.param.name); });

// Correct rounding: the value is the double nearest to the decimal typed,
// however many places it has.
TEST(ParseNumber, IsCorrectlyRounded) {
    EXPECT_EQ(calc::ParseNumber("0.1"), 0.1);
    EXPECT_EQ(calc::ParseNumber("0,3"), 0.3);
    EXPECT_EQ(calc::ParseNumber("123456789.123456789"), 123456789.123456789);
    EXPECT_EQ(calc::ParseNumber("9007199254740993"), 9007199254740992.0); // ties to even
}

struct Rejected {
    const char* name;
    const char* text;
    const char* message;
};

const Rejected Errors[] = {
    {"TwoPoints", "1.2.3", "'1.2.3' is not a valid floating point value"},
    {"PointAndComma", "1.000,5", "'1.000,5' is not a valid floating point value"},
    {"Letter", "1.2x", "'1.2x' is not a valid floating point value"},
    {"LonePoint", ".", "'.' is not a valid floating point value"},
    {"LoneSign", "-", "'-' is not a valid floating point value"},
    {"OnlyBlanks", "   ", "'   ' is not a valid floating point value"},
    {"InnerBlank", "1 5", "'1 5' is not a valid floating point value"},
    {"Tab", "1\t", "'1\t' is not a valid floating point value"},
    {"ExponentWithoutDigits", "1e", "'1e' is not a valid floating point value"},
    {"ExponentWithPoint", "1e2.5", "'1e2.5' is not a valid floating point value"},
    {"Hex", "0x10", "'0x10' is not a valid floating point value"},
    {"Infinity", "inf", "'inf' is not a valid floating point value"},
    {"NotANumber", "nan", "'nan' is not a valid floating point value"},
    {"TwoSigns", "+-1", "'+-1' is not a valid floating point value"},
    {"BeyondDouble", "1.8e308", "Floating point overflow"},
    {"BeyondDoubleNegative", "-2e308", "Floating point overflow"},
    {"BeyondDoubleByDigits", "1000000000000000000000000000000000000000000000000000000000000"
                             "0000000000000000000000000000000000000000000000000000000000000"
                             "0000000000000000000000000000000000000000000000000000000000000"
                             "0000000000000000000000000000000000000000000000000000000000000"
                             "0000000000000000000000000000000000000000000000000000000000000"
                             "000000000000000",
     "Floating point overflow"},
    {"BeyondExtended", "2e4932", "'2e4932' is not a valid floating point value"},
    {"HugeExponent", "1e99999999999999999999", "'1e99999999999999999999' is not a valid floating point value"},
};

class ParseNumberError : public testing::TestWithParam<Rejected> {};

TEST_P(ParseNumberError, NamesTheTextAsTyped) {
    try {
        calc::ParseNumber(GetParam().text);
        FAIL() << "no error for " << GetParam().text;
    } catch (const calc::Error& e) {
        EXPECT_STREQ(e.what(), GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseNumberError, testing::ValuesIn(Errors),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ParseNumber, TinyValuesNeverError) {
    EXPECT_EQ(calc::ParseNumber("-1e-99999999999"), 0.0);
    EXPECT_EQ(calc::ParseNumber("0.0000000000000000000000000000000000000000000000000000000000"
                                "00000000000000000000000000000000000000000000000000000000000"
                                "00000000000000000000000000000000000000000000000000000000000"
                                "00000000000000000000000000000000000000000000000000000000000"
                                "00000000000000000000000000000000000000000000000000000000000"
                                "000000000000000000000000000000000000000000000000000000001"),
              0.0);
}

TEST(ParseNumber, TheMessageNamesTheWholeTextEvenPastANul) {
    const std::string text("1\0x", 3);
    try {
        calc::ParseNumber(text);
        FAIL();
    } catch (const calc::Error& e) {
        EXPECT_EQ(e.Message(), "'" + text + "' is not a valid floating point value");
    }
}

struct Quantity {
    const char* name;
    const char* text;
    int value;
};

const Quantity Quantities[] = {
    {"One", "1", 1},          {"Typical", "25", 25},    {"Upper", "1000", 1000},
    {"AboveUpper", "5000", 1000}, {"Zero", "0", 1},     {"Negative", "-4", 1},
    {"LoneMinus", "-", 1},    {"Decimal", "2.5", 1},    {"DecimalComma", "2,5", 1},
    {"Empty", "", 1},         {"Plus", "+7", 7},        {"Huge", "99999999999999999999", 1000},
    {"Letters", "12a", 1},
};

class ReadQuantity : public testing::TestWithParam<Quantity> {};

TEST_P(ReadQuantity, ClampsAndReadsOtherTextsAsOne) {
    EXPECT_EQ(calc::ReadQuantity(GetParam().text, 1, 1000), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadQuantity, testing::ValuesIn(Quantities),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
