#include "partslist/Describe.h"
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
    const auto again =
        partslist::ReadPartsList(partslist::WritePartsList(list.Lines, 2.5, list.Totals), "w.csv");
    EXPECT_EQ(again.Lines, list.Lines);
    EXPECT_EQ(again.PricePerKg, 2.5);
    EXPECT_EQ(again.Totals.State.TotalWeight, list.Totals.State.TotalWeight);
    double sum = 0;
    for (const auto& line : list.Totals.Lines)
        sum += line.Weight;
    EXPECT_NEAR(sum, list.Totals.State.TotalWeight, 1e-9);
}

} // namespace

namespace {

std::string Fault(const std::string& body, const char* name = "f.csv") {
    try {
        partslist::ReadPartsList(body, name);
    } catch (const calc::Error& e) {
        return e.Message();
    }
    return "read without a fault";
}

TEST(PartsFile, ABadFileNamesItsLineAndColumn) {
    const std::string h = Header;
    const std::string ok = "object,Cone,,1,millimeter,1,millimeter,,,1,7874\n";
    const std::string hm = "kind,type,size,a,a_unit,b,b_unit,c,c_unit,quantity,density,material\n";
    const struct {
        const char* name;
        std::string text;
        const char* starts;
    } cases[] = {
        {"empty", "", "f.csv:1: the file is empty"},
        {"missing column", "kind,type,size,a,a_unit,b,b_unit,c,c_unit,quantity\n",
         "f.csv:1: column \"density\": missing"},
        {"unknown column", "kind,tipe\n", "f.csv:1: column \"tipe\": no such column"},
        {"unknown kind", h + "hole,Cone,,1,millimeter,,,,,1,7874\n", "f.csv:2: column \"kind\""},
        {"no type", h + "object,cone,,1,millimeter,,,,,1,7874\n", "f.csv:2: column \"type\""},
        {"quantity 0", h + "object,Cone,,1,millimeter,,,,,0,7874\n",
         "f.csv:2: column \"quantity\""},
        {"quantity 1001", h + ok + "object,Cone,,1,millimeter,,,,,1001,7874\n",
         "f.csv:3: column \"quantity\""},
        {"quantity 2.5", h + "object,Cone,,1,millimeter,,,,,2.5,7874\n",
         "f.csv:2: column \"quantity\""},
        {"not a number", h + "object,Cone,,1.2x,millimeter,,,,,1,7874\n",
         "f.csv:2: column \"a\": '1.2x' is not a valid floating point value"},
        {"unit", h + "object,Cone,,1,mm,,,,,1,7874\n", "f.csv:2: column \"a_unit\""},
        {"density past 32 bits", h + "object,Cone,,1,millimeter,,,,,1,2147483648\n",
         "f.csv:2: column \"density\""},
        {"not UTF-8", hm + ok.substr(0, ok.size() - 1) + ",Fe\xff\n",
         "f.csv:2: column \"material\": not UTF-8"},
        {"line after CR LF and a blank line",
         h + "\r\n" + ok + "\r\n\r\nobject,Prism2,,60,millimeter,29,millimeter,1,meter,1,1\r\n",
         "f.csv:6: Invalid floating point operation"},
        {"quote left open", h + ok + "object,\"Cone,,1\n",
         "f.csv:3: column \"type\": a quoted field is not closed"},
        {"the first fault first", h + "object,Sphere,,1.2.3,meter,,,,,1,7874\nhole,Cone\n",
         "f.csv:2: column \"a\": '1.2.3'"},
        {"fields short", h + "object,Cone,,1,millimeter,,,,,1\n",
         "f.csv:2: column \"density\": missing"},
        {"line after line breaks in quotes",
         hm + "object,Cone,,1,millimeter,,,,,1,7874,\"Steel\r\nrolled\rbar\"\n" +
             "object,Cone,,1,millimeter,,,,,0,7874,x\n",
         "f.csv:5: column \"quantity\""},
        {"quoted line after line breaks in quotes",
         hm + "object,Cone,,1,millimeter,,,,,1,7874,\"Steel\r\nrolled\rbar\"\n" +
             "object,\"Cone\",,1,millimeter,,,,,0,7874,x\n",
         "f.csv:5: column \"quantity\""},
        {"stray quote on a quoted line", h + ok + "object,\"Cone\nx\"y,,1\n",
         "f.csv:3: column \"type\": a quote inside"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Fault(c.text).rfind(c.starts, 0), 0u) << c.name << ": " << Fault(c.text);
}

TEST(PartsFile, QuotedFieldsAndAHeaderAloneReadBack) {
    const std::string text =
        "material,kind,type,size,a,a_unit,b,b_unit,c,c_unit,quantity,density\n"
        "\"Steel, \"\"S235\"\"\nrolled\",object,Sphere,,\"1,5\",meter,,,,,1,7874\n";
    const auto list = partslist::ReadPartsList(text, "q.csv");
    ASSERT_EQ(list.Lines.size(), 1u);
    EXPECT_EQ(list.Lines[0].Material, "Steel, \"S235\"\nrolled");
    EXPECT_DOUBLE_EQ(list.Totals.State.TotalVolume, 3.14159 * 1500 * 1500 * 1500 / 6e9);
    const auto again =
        partslist::ReadPartsList(partslist::WritePartsList(list.Lines, {}, list.Totals), "w.csv");
    EXPECT_EQ(again.Lines, list.Lines);
    EXPECT_TRUE(partslist::ReadPartsList(Header, "h.csv").Lines.empty());
}

// Plain and quoted lines taking turns: the lines come in order, a fault
// stops the reading, and the first one is told even when a later line is
// malformed too.
TEST(PartsFile, ALongFileReadsInOrderUpToItsFirstFault) {
    const auto text = [](int bad, const std::string& with) {
        std::string out = Header;
        for (int i = 1; i <= 5000; ++i) {
            const std::string quote = i % 2 ? "\"" : "", number = std::to_string(i);
            out += i == bad ? with
                            : "object,Cylinder,," + quote + number + quote +
                                  ",millimeter,1,meter,,,1,7874\n";
        }
        return out;
    };
    const auto list = partslist::ReadPartsList(text(0, ""), "l.csv");
    ASSERT_EQ(list.Lines.size(), 5000u);
    EXPECT_EQ(list.Lines[4998].Rows[0].Text, "4999");
    EXPECT_EQ(list.Lines[4999].Rows[0].Text, "5000");
    EXPECT_EQ(partslist::ReplayLines(list.Lines).State.TotalWeight, list.Totals.State.TotalWeight);

    std::string bad = text(4000, "object,Cone,,1,millimeter,,,,,0,7874\n");
    EXPECT_EQ(Fault(bad, "l.csv").rfind("l.csv:4001: column \"quantity\"", 0), 0u);
    bad.replace(bad.rfind("object"), 6, "object\"");
    EXPECT_EQ(Fault(bad, "l.csv").rfind("l.csv:4001: column \"quantity\"", 0), 0u);
    EXPECT_EQ(Fault(text(4500, "object\",\n"), "l.csv").rfind("l.csv:4501: column \"kind\"", 0),
              0u);
}

// Half away from zero to cents, up to 15 digits.
TEST(PartsFile, CostsAreRoundedToCents) {
    const struct {
        double kilograms, price;
        const char* shown;
    } cases[] = {{2.8086, 12.5, "35,11"}, {0.0004, 1, "0,00"},
                 {-0.004, 1, "0,00"},     {-0.05, 1, "-0,05"},
                 {0.125, 1, "0,13"},      {1e20, 1, "\u2014"},
                 {9999999999999.99, 1, "9999999999999,99"}};
    for (const auto& c : cases)
        EXPECT_EQ(partslist::Cost(c.kilograms, c.price, ','), c.shown) << c.kilograms;
}

} // namespace
