#include "calc/Calculator.h"
#include "calc/ReadPart.h"
#include "calc/Error.h"
#include "calc/Materials.h"
#include "calc/Units.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(MaterialDensity, NamedMaterialSetsItsDensity) {
    EXPECT_EQ(calc::MaterialDensity("Copper ( Cu )", 0), 8940);
    EXPECT_EQ(calc::MaterialDensity("Spirit", 7874), 790);
}

TEST(MaterialDensity, OtherTextsKeepTheDensityInForce) {
    for (const char* text : {"Other", "", "Copper", "copper ( cu )", "Copper (Cu)", "Iron ( Fe ) "})
        EXPECT_EQ(calc::MaterialDensity(text, 8940), 8940) << text;
}

TEST(MaterialDensity, EveryMaterialButOtherHasAPositiveDensity) {
    int withDensity = 0;
    for (const auto& m : calc::Materials)
        if (m.Density) {
            EXPECT_GT(*m.Density, 0) << m.Name;
            ++withDensity;
        }
    EXPECT_EQ(withDensity, 20);
    EXPECT_EQ(calc::Materials.back().Name, "Other");
}

struct DensityCase {
    const char* name;
    const char* text;
    int density;
};

const DensityCase Densities[] = {
    {"Iron", "7874", 7874},        {"Fraction", "7874.9", 7874}, {"FractionComma", "7874,9", 7874},
    {"Negative", "-3", -3},        {"NegativeHalf", "-0.5", 0},  {"Zero", "0", 0},
    {"Empty", "", 0},              {"Exponent", "2.7e3", 2700},
    {"Highest", "2147483647.9", 2147483647}, {"Lowest", "-2147483648", -2147483647 - 1},
};

class ReadDensity : public testing::TestWithParam<DensityCase> {};

TEST_P(ReadDensity, TruncatesTowardZero) {
    EXPECT_EQ(calc::ReadDensity(GetParam().text), GetParam().density);
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadDensity, testing::ValuesIn(Densities),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReadDensity, OutsideTheIntegerRangeIsAnErrorThatNamesTheText) {
    for (const char* text : {"1e10", "2147483648", "-2147483649"}) {
        try {
            calc::ReadDensity(text);
            FAIL() << text;
        } catch (const calc::Error& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find(std::string("'") + text + "'"), std::string::npos) << message;
            EXPECT_NE(message.find("out of range"), std::string::npos) << message;
        }
    }
}

TEST(ReadDensity, ATextThatIsNoNumberFails) {
    EXPECT_THROW(calc::ReadDensity("78x4"), calc::Error);
}

TEST(Undo, RestoresTheSnapshotAndRepeatsHarmlessly) {
    calc::CalcState s;
    s.TotalWeight = 15.748;
    s.TotalVolume = 0.002;
    s.ProfileWeight = 4.0;
    s.UndoWeight = 7.874;
    s.UndoVolume = 0.001;
    s.UndoProfileWeight = 1.0;
    const calc::CalcState once = calc::Undo(s);
    EXPECT_EQ(once.TotalWeight, 7.874);
    EXPECT_EQ(once.TotalVolume, 0.001);
    EXPECT_EQ(once.ProfileWeight, 1.0);
    const calc::CalcState twice = calc::Undo(once);
    EXPECT_EQ(twice.TotalWeight, 7.874);
    EXPECT_EQ(twice.TotalVolume, 0.001);
    EXPECT_EQ(twice.UndoWeight, 7.874);
}

TEST(Undo, RightAfterStartGivesZero) {
    const calc::CalcState s = calc::Undo(calc::CalcState{});
    EXPECT_EQ(s.TotalWeight, 0.0);
    EXPECT_EQ(s.TotalVolume, 0.0);
}

struct UnitCase {
    const char* unit;
    const char* text;
};

TEST(WeightText, ConvertsKilogramsForDisplay) {
    const UnitCase cases[] = {
        {"gram", "47244.0000000000"},     {"kilogram", "47.2440000000"},
        {"centner", "0.4724400000"},      {"metric ton", "0.0472440000"},
        {"pound", "104.1500000000"},      {"Pound", "0.0000000000"},
        {"gra", "0.0000000000"},          {"", "0.0000000000"},
    };
    for (const auto& c : cases) EXPECT_EQ(calc::WeightText(47.244, c.unit, '.'), c.text) << c.unit;
}

TEST(VolumeText, ConvertsCubicMetresForDisplay) {
    const UnitCase cases[] = {
        {"millimeter", "6E6"},          {"centimeter", "6000.0000000000"},
        {"meter", "0.0060000000"},      {"inch", "366.1400000000"},
        {"foot", "0.2118900000"},       {"yard", "0.0078477000"},
        {"metre", "0.0000000000"},      {"", "0.0000000000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(calc::VolumeText(0.006, c.unit, '.'), c.text) << c.unit;
    EXPECT_EQ(calc::VolumeText(0.006, "meter", ','), "0,0060000000");
}

TEST(WeightText, AHugeTotalInGramsIsShownNotOverflowed) {
    EXPECT_EQ(calc::WeightText(1e306, "gram", '.'), "1E309");
}

TEST(LengthUnits, TheBoxesNamesExactlyAndTheirSpellings) {
    EXPECT_EQ(calc::FindLengthUnit("centimeter")->Factor, 10.0L);
    EXPECT_EQ(calc::FindLengthUnit("yard")->Factor, 914.4L);
    EXPECT_FALSE(calc::FindLengthUnit("mm"));
    EXPECT_FALSE(calc::FindLengthUnit("Meter"));
    EXPECT_EQ(calc::LengthUnitSpelled("Millimetres")->Name, "millimeter");
    EXPECT_EQ(calc::LengthUnitSpelled("IN")->Name, "inch");
    EXPECT_EQ(calc::WeightUnitSpelled("metric-tons")->Name, "metric ton");
    EXPECT_FALSE(calc::LengthUnitSpelled("furlong"));
}

} // namespace
