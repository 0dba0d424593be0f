#include "calc/ReadPart.h"
#include "partslist/Describe.h"
#include "partslist/PartsFile.h"

#include <gtest/gtest.h>

#include <vector>

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

std::string Utf16Le(std::u16string_view text) {
    std::string out = "\xFF\xFE";
    for (const char16_t unit : text) {
        out += char(unit & 0xFF);
        out += char(unit >> 8);
    }
    return out;
}

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
    // 10^106 * 10^106 * 10^105 mm3 is 10^308 m3, at density 0; twice is past a double.
    const std::string big = "object,Parallelepiped,,1e106,mm,1e106,mm,1e105,mm,1,0\n";
    const struct {
        const char* name;
        std::string text;
        std::string starts;
    } cases[] = {
        {"empty", "", "f.csv:1: the file is empty"},
        {"missing column", "kind,type,size,a,a_unit,b,b_unit,c,c_unit,quantity\n",
         "f.csv:1: column \"density\": missing"},
        {"named twice", "kind,type,Kind\n", "f.csv:1: column \"Kind\": named twice"},
        {"unknown kind", h + "hole,Cone,,1,millimeter,,,,,1,7874\n", "f.csv:2: column \"kind\""},
        {"no type", h + "object,kone,,1,millimeter,,,,,1,7874\n", "f.csv:2: column \"type\""},
        {"quantity 0", h + "object,Cone,,1,millimeter,,,,,0,7874\n",
         "f.csv:2: column \"quantity\""},
        {"quantity 1001", h + ok + "object,Cone,,1,millimeter,,,,,1001,7874\n",
         "f.csv:3: column \"quantity\""},
        {"quantity 2.5", h + "object,Cone,,1,millimeter,,,,,2.5,7874\n",
         "f.csv:2: column \"quantity\""},
        {"not a number", h + "object,Cone,,1.2x,millimeter,,,,,1,7874\n",
         "f.csv:2: column \"a\": '1.2x' is not a valid floating point value"},
        {"unit", h + "object,Cone,,1,furlong,,,,,1,7874\n", "f.csv:2: column \"a_unit\""},
        {"no unit", h + "object,Cone,,1,,,,,,1,7874\n", "f.csv:2: column \"a_unit\""},
        {"density past 32 bits", h + "object,Cone,,1,millimeter,,,,,1,2147483648\n",
         "f.csv:2: column \"density\""},
        {"not UTF-8", hm + ok.substr(0, ok.size() - 1) + ",Fe\xff\n",
         "f.csv:2: column \"material\": not UTF-8"},
        {"line after CR LF and a blank line",
         h + "\r\n" + ok + "\r\n\r\nobject,Prism2,,60,millimeter,29,millimeter,1,meter,1,1\r\n",
         "f.csv:6: columns \"a\", \"b\", \"c\": Invalid floating point operation"},
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
        {"CR, LF split by quotes", "\"m\r\",\"\nn\"," + h + "x\n", "f.csv:4:"},
        {"stray quote on a quoted line", h + ok + "object,\"Cone\nx\"y,,1\n",
         "f.csv:3: column \"type\": a quote inside"},
        {"thousands separator", h + "object,Cone,,\"1,000\",millimeter,,,,,1,7874\n",
         "f.csv:2: column \"a\": \"1,000\": use a point for decimals and no thousands separator"},
        {"point in a semicolon file",
         "kind;type;size;a;a_unit;b;b_unit;c;c_unit;quantity;density\nobject;Cone;;1.000;mm;;;;;1;"
         "1\n",
         "f.csv:2: column \"a\": \"1.000\": use a comma for decimals"},
        {"fields more", h + "object,Cone,,1,millimeter,,,,,1,7874,x\n",
         "f.csv:2: the line has 12 fields, the header 11"},
        {"control byte and a long field",
         h + "object,\x1b[2J" + std::string(100, 'x') + ",,1,millimeter,,,,,1,7874\n",
         "f.csv:2: column \"type\": '\\x1b[2J" + std::string(36, 'x') + "\u2026' is no type"},
        {"lone surrogate in UTF-16",
         Utf16Le(u"kind,type,size,a,a_unit,b,b_unit,c,c_unit,quantity,density,material\n"
                 u"object,Cone,,1,mm,,,,,1,7874,\xD800x\n"),
         "f.csv:2: column \"material\": not UTF-16 text"},
        {"overflow of the dimensions",
         h + "object,Parallelepiped,,1e200,millimeter,1e200,millimeter,1,millimeter,1,7874\n",
         "f.csv:2: columns \"a\", \"b\", \"c\": Floating point overflow"},
        {"overflow of the totals", h + big + big,
         "f.csv:3: the totals with this line: Floating point overflow"},
        {"a line weighed past a double", // the totals stay finite: 0
         h + "object,Cylinder,,1e103,mm,1e103,mm,,,1,1\n" +
             "aperture,Cylinder,,1e103,mm,1e103,mm,,,1,2000000000\n",
         "f.csv:3: columns \"a\", \"b\", \"density\": Floating point overflow"},
        {"a section without its length", h + "object,Section,IPE 200,,,,,,,1,7850\n",
         "f.csv:2: column \"c\": Type the length of the section"},
        {"a section's length in a", h + "object,Section,IPE 200,6,m,,,,,1,7850\n",
         "f.csv:2: column \"a\": a standard section has only a length, in column \"c\""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Fault(c.text).rfind(c.starts, 0), 0u) << c.name << ": " << Fault(c.text);
}

TEST(PartsFile, QuotedFieldsAndAHeaderAloneReadBack) {
    const std::string text =
        "material,kind,type,size,a,a_unit,b,b_unit,c,c_unit,quantity,density\n"
        "\"Steel, \"\"S235\"\"\nrolled\",object,Sphere,,\"1.5\",meter,,,,,1,7874\n";
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
    EXPECT_EQ(list.Lines[4998].Rows[0].Value, 4999);
    EXPECT_EQ(list.Lines[4999].Rows[0].Value, 5000);
    EXPECT_EQ(partslist::ReplayLines(list.Lines).State.TotalWeight, list.Totals.State.TotalWeight);

    std::string bad = text(4000, "object,Cone,,1,millimeter,,,,,0,7874\n");
    EXPECT_EQ(Fault(bad, "l.csv").rfind("l.csv:4001: column \"quantity\"", 0), 0u);
    bad.replace(bad.rfind("object"), 6, "object\"");
    EXPECT_EQ(Fault(bad, "l.csv").rfind("l.csv:4001: column \"quantity\"", 0), 0u);
    EXPECT_EQ(Fault(text(4500, "object\",\n"), "l.csv").rfind("l.csv:4501: column \"kind\"", 0),
              0u);
    std::size_t total = 0;
    EXPECT_THROW(partslist::ReadPartsList(text(0, ""), "l.csv", {}, {},
                                          [&](std::size_t done, std::size_t lines) {
                                              total = lines;
                                              return done < 4000;
                                          }),
                 partslist::Cancelled);
    EXPECT_EQ(total, 5001u);
}

const std::string ExportHeader =
    "kind,type,size,a,a_unit,b,b_unit,c,c_unit,quantity,material,density\n";
const std::string ExportBody = "object,Cylinder,,2.5,centimeter,1,meter,,,1,Kupfer \u00d8,8940\n"
                               "object,I-Beam,300x150x6.5x9,,,,,6,meter,2,Steel,7850\n"
                               "aperture,Cylinder,,10,millimeter,20,millimeter,,,4,,7850\n"
                               "object,Part of sphere,,100,millimeter,20,millimeter,,,3,,7850\n";

// What spreadsheets export of one comma file reads to its lines and totals.
TEST(PartsFile, SpreadsheetExportsReadAsTheCommaFile) {
    const auto comma = partslist::ReadPartsList(ExportHeader + ExportBody, "comma.csv");
    const std::string separators = ",,,,,,,,,,,\r\n";
    std::string extra = "kind,type,size,a,a_unit,b,b_unit,c,c_unit,quantity,material,density,notes,"
                        "Part No.,,\n";
    for (std::size_t at = 0, end; (end = ExportBody.find('\n', at)) != std::string::npos;
         at = end + 1)
        extra += ExportBody.substr(at, end - at) + ",see drawing,A-17,,\n";
    const struct {
        const char* name;
        std::string text;
    } cases[] = {
        {"semicolons, decimal commas",
         "kind;type;size;a;a_unit;b;b_unit;c;c_unit;quantity;material;density\n"
         "object;Cylinder;;2,5;centimeter;1;meter;;;1;Kupfer \u00d8;8940\n"
         "object;I-Beam;300x150x6.5x9;;;;;6;meter;2;Steel;7850\n"
         "aperture;Cylinder;;10;millimeter;20;millimeter;;;4;;7850\n"
         "object;Part of sphere;;100;millimeter;20;millimeter;;;3;;7850\n;;;;\n"},
        {"header in capitals with blanks",
         " KIND,Type ,SIZE,A,A_Unit,B,B_UNIT,C,C_UNIT,Quantity,MATERIAL, Density \n" + ExportBody},
        {"extra and empty columns", extra},
        {"rows of only separators",
         separators + ExportHeader + separators + ExportBody + separators},
        {"kubatrix-calc's spellings", ExportHeader +
                                          "object,cylinder,,2.5,cm,1,M,,,1,Kupfer \u00d8,8940\n"
                                          "Object,i-beam,300x150x6.5x9,,,,,6,m,2,Steel,7850\n"
                                          "APERTURE,CYLINDER,,10,mm,20,Millimetre,,,4,,7850\n"
                                          "object,part_of_sphere,,100,mm,20,mm,,,3,,7850\n"},
        {"UTF-16 with its byte-order mark",
         Utf16Le(u"kind,type,size,a,a_unit,b,b_unit,c,c_unit,quantity,material,density\r\n"
                 u"object,Cylinder,,2.5,centimeter,1,meter,,,1,Kupfer \u00d8,8940\r\n"
                 u"object,I-Beam,300x150x6.5x9,,,,,6,meter,2,Steel,7850\r\n"
                 u"aperture,Cylinder,,10,millimeter,20,millimeter,,,4,,7850\r\n"
                 u"object,Part of sphere,,100,millimeter,20,millimeter,,,3,,7850\r\n")},
    };
    for (const auto& c : cases) {
        try {
            auto list = partslist::ReadPartsList(c.text, "export.csv");
            for (partslist::Line& line : list.Lines)
                line.Kept.clear(); // the spreadsheet's own columns, kept to write back
            EXPECT_EQ(list.Lines, comma.Lines) << c.name;
            EXPECT_EQ(list.Totals.State.TotalWeight, comma.Totals.State.TotalWeight) << c.name;
        } catch (const calc::Error& e) {
            ADD_FAILURE() << c.name << ": " << e.Message();
        }
    }
    EXPECT_EQ(partslist::ReadPartsList(extra, "x.csv").IgnoredColumns,
              (std::vector<std::string>{"notes", "Part No."}));
}

// A typed "0,5" is saved as 0.5, and a formula as text; both read back.
TEST(PartsFile, SavedNumbersHaveAPointAndFormulasStayText) {
    partslist::Line line;
    line.Type = calc::FindShape("Sphere", false);
    line.Density = 7874;
    line.Material = "=HYPERLINK(\"http://x\",\"Click\")";
    line.Rows[0] = calc::ReadLength("0,5", calc::FindLengthUnit("meter"));
    partslist::Line quoted = line;
    quoted.Material = "'-1";
    const std::vector lines{line, quoted};
    const std::string text = partslist::WritePartsList(lines, {}, partslist::ReplayLines(lines));
    EXPECT_NE(text.find(",0.5,meter,"), std::string::npos) << text;
    EXPECT_NE(text.find(",\"'=HYPERLINK(\"\"http://x\"\",\"\"Click\"\")\","), std::string::npos)
        << text;
    EXPECT_NE(text.find(",''-1,"), std::string::npos) << text;
    const auto again = partslist::ReadPartsList(text, "w.csv");
    EXPECT_EQ(again.Lines[0].Material, line.Material);
    EXPECT_EQ(again.Lines[1].Material, quoted.Material);
    EXPECT_EQ(again.Lines[0].Rows[0].Value, 0.5);
}

// A copy pastes back to the same lines, with or without its header; a copy
// for people gives each row the density it is weighed at, which replays to
// the same weights.
TEST(PartsFile, ACopyPastesBackToTheSameLines) {
    const auto list = partslist::ReadPartsList(ExportHeader + ExportBody, "c.csv");
    const std::string copy = partslist::WritePartsList(list.Lines, 2.5, list.Totals,
                                                       partslist::RowFormat::Copy(',', false));
    // Each row priced as it was: at the list's price, which the copy names.
    const auto atListPrice = [](std::vector<partslist::Line> lines) {
        for (partslist::Line& line : lines) {
            EXPECT_EQ(line.PricePerKg, 2.5);
            line.PricePerKg.reset();
        }
        return lines;
    };
    EXPECT_EQ(atListPrice(partslist::ReadPastedRows(copy, ',')), list.Lines);
    EXPECT_EQ(atListPrice(partslist::ReadPastedRows(copy.substr(copy.find('\n') + 1), ',')),
              list.Lines);
    EXPECT_NE(copy.find("object\tCylinder\t\t2,5\tcentimeter\t1\tmeter\t\t\t1\tKupfer"),
              std::string::npos)
        << copy;

    const std::string forPeople = partslist::WritePartsList(list.Lines, 2.5, list.Totals,
                                                            partslist::RowFormat::Copy(',', true));
    // The density the click used, and the one the line is weighed at now:
    // weighed_at_kg_m3 × volume_m3 = weight_kg on every row.
    EXPECT_NE(forPeople.find("\tKupfer \u00d8\t8940\t"), std::string::npos) << forPeople;
    EXPECT_NE(forPeople.find("\t0,0004908734375\t7850\t3,8533564843749994\t"), std::string::npos)
        << forPeople;
    EXPECT_NE(forPeople.find("\tweight_kg\tcost\n"), std::string::npos) << forPeople;
    const auto replay = partslist::ReplayLines(partslist::ReadPastedRows(forPeople, ','));
    ASSERT_EQ(replay.Lines.size(), list.Totals.Lines.size());
    for (std::size_t i = 0; i < replay.Lines.size(); ++i)
        EXPECT_EQ(replay.Lines[i].Weight, list.Totals.Lines[i].Weight) << i;
}

TEST(PartsFile, ABadPastedRowNamesItsRowAndColumn) {
    const std::string rows = "object\tCone\t\t1,5\tmm\t\t\t\t\t1\t\t7874\n"
                             "object\tCone\t\t1\tmm\t\t\t\t\t0\t\t7874\n";
    for (const std::string& text : {rows, "Kind\tType\tsize\ta\ta_unit\tb\tb_unit\tc\tc_unit\t"
                                          "quantity\tmaterial\tdensity\n" +
                                              rows}) {
        try {
            partslist::ReadPastedRows(text, ',');
            ADD_FAILURE() << "pasted";
        } catch (const calc::Error& e) {
            EXPECT_EQ(e.Message(),
                      "row 2, column \"quantity\": '0' is no whole number from 1 to 1000");
        }
    }
}

// Half away from zero to cents, up to 15 digits.
TEST(PartsFile, CostsAreRoundedToCents) {
    const struct {
        double kilograms, price;
        const char* shown;
    } cases[] = {{2.8086, 12.5, "35,11"},
                 {0.0004, 1, "0,00"},
                 {-0.004, 1, "0,00"},
                 {-0.05, 1, "-0,05"},
                 {0.125, 1, "0,13"},
                 {1e20, 1, "\u2014"},
                 {9999999999999.99, 1, "9999999999999,99"}};
    for (const auto& c : cases)
        EXPECT_EQ(partslist::CentsText(partslist::CostCents(c.kilograms, c.price), ','), c.shown)
            << c.kilograms;
}

} // namespace

namespace {

// A spreadsheet's file saved again keeps its ways: the "sep=" line Excel
// writes, semicolons and decimal commas, and its own column with its text,
// in its place.
TEST(PartsFile, ASpreadsheetsFileIsWrittenBackInItsOwnWays) {
    const std::string text = "sep=;\r\n"
                             "kind;type;size;a;a_unit;b;b_unit;c;c_unit;quantity;Notes;density\r\n"
                             "object;Cylinder;;2,5;centimeter;1;meter;;;1;\"rod \"\"A\"\"\";8940\r\n";
    const auto list = partslist::ReadPartsList(text, "s.csv");
    ASSERT_EQ(list.Lines.size(), 1u);
    EXPECT_EQ(list.Lines[0].Kept, std::vector<std::string>{"rod \"A\""});
    const std::string written =
        partslist::WritePartsList(list.Lines, {}, list.Totals, list.Format);
    EXPECT_TRUE(written.starts_with("sep=;\r\nkind;type;size;a;a_unit;b;b_unit;c;c_unit;"
                                    "quantity;Notes;density;material;"))
        << written;
    EXPECT_NE(written.find("\r\nobject;Cylinder;;2,5;centimeter;1;meter;;;1;\"rod \"\"A\"\"\";8940;"),
              std::string::npos)
        << written;
    const auto again = partslist::ReadPartsList(written, "s.csv");
    EXPECT_EQ(again.Lines, list.Lines);
    EXPECT_EQ(partslist::WritePartsList(again.Lines, {}, again.Totals, again.Format), written);
}

} // namespace
