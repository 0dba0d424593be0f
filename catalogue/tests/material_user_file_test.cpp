// The user's own materials and prices: the file read and written back, what
// spreadsheets write, and every refusal with its words.
#include "catalogue/UserMaterials.h"

#include "calc/Error.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace catalogue;

std::string Refusal(const std::function<void()>& run) {
    try {
        run();
    } catch (const calc::Error& e) {
        return e.Message();
    }
    return "(accepted)";
}

TEST(MaterialUserFile, WritesAndReadsBackTheSameEntries) {
    const std::vector<UserMaterial> entries{
        {"S355", "", "", 7850, 1.2},
        {"=SUM(A1)", "-40 \"grade\"", "Steel, wear", 7850, std::nullopt},
        {"Hardox 450", "HB 450", "@plate", 7850, 0.0},
    };
    const std::string text = WriteUserMaterials(entries);
    EXPECT_EQ(text, "name,designation,group,density,price_per_kg\r\n"
                    "S355,,,7850,1.2\r\n"
                    "'=SUM(A1),\"'-40 \"\"grade\"\"\",\"Steel, wear\",7850,\r\n"
                    "Hardox 450,HB 450,'@plate,7850,0\r\n");
    EXPECT_EQ(ReadUserMaterials(text, "materials.csv"), entries);
}

TEST(MaterialUserFile, ReadsWhatASpreadsheetWrites) {
    const auto entries =
        ReadUserMaterials("\xEF\xBB\xBFsep=;\r\n Name ;Colour;DENSITY;Price_Per_KG\r\n"
                          "S355;blue;7850;1,20\r\n;;;\r\n1.4301;;7900;\r\n",
                          "m.csv");
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0], (UserMaterial{"S355", "", "", 7850, 1.2}));
    EXPECT_EQ(entries[1], (UserMaterial{"1.4301", "", "", 7900, std::nullopt}));
}

TEST(MaterialUserFile, RefusesABadLineNamingItsLineAndColumn) {
    const std::string header = "name,density,price_per_kg\n";
    const struct {
        const char* Lines;
        const char* Message;
    } cases[] = {
        {"A,0,1\n", "m.csv:2: column \"density\": \"0\": a density must be more than 0 and at most "
                    "100000 kg/m³"},
        {"A,-5,1\n", "m.csv:2: column \"density\": \"-5\": a density must be more than 0 and at "
                     "most 100000 kg/m³"},
        {"A,100001,1\n", "m.csv:2: column \"density\": \"100001\": a density must be more than 0 "
                         "and at most 100000 kg/m³"},
        {"A,,1\n", "m.csv:2: column \"density\": empty: a density in kg/m³ is needed, more than 0 "
                   "and at most 100000"},
        {"A,heavy,1\n", "m.csv:2: column \"density\": \"heavy\" is not a number"},
        {"A,7850.5,1\n", "m.csv:2: column \"density\": \"7850.5\": a density is a whole number of "
                         "kg/m³"},
        {"A,7850,\"1,5\"\n", "m.csv:2: column \"price_per_kg\": \"1,5\": use a point for decimals "
                             "and no thousands separator"},
        {"A,7850,-1\n", "m.csv:2: column \"price_per_kg\": \"-1\": a price per kilogram must not "
                        "be below 0"},
        {"A,7850,cheap\n", "m.csv:2: column \"price_per_kg\": \"cheap\" is not a number"},
        {",7850,1\n", "m.csv:2: column \"name\": empty: every material needs a name"},
        {"304,7900,4\n1.4301,7900,5\n", "m.csv:3: column \"name\": \"1.4301\" is one material "
                                        "with \"304\", which is 1.4301 too on line 2"},
        {"S 355,7850,1\n\ns355,7850,2\n", "m.csv:4: column \"name\": \"s355\" is one material "
                                          "with the name \"S 355\" on line 2"},
        {"A,7850,1,x\n", "m.csv:2: the line has 4 fields, the header 3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Refusal([&] { ReadUserMaterials(header + c.Lines, "m.csv"); }), c.Message)
            << c.Lines;
    EXPECT_EQ(Refusal([] { ReadUserMaterials("name,price_per_kg\nA,1\n", "m.csv"); }),
              "m.csv:1: column \"density\": missing from the header");
    EXPECT_EQ(Refusal([] { ReadUserMaterials("", "m.csv"); }),
              "m.csv:1: the file is empty: it needs a header row, such as "
              "name,designation,group,density,price_per_kg");
}

TEST(MaterialUserFile, TheWindowsEntryIsCheckedByTheFilesRules) {
    EXPECT_EQ(CheckUserMaterial({" Hardox 450 ", "", "Wear plate", "7850", "3,10"}, ','),
              (UserMaterial{"Hardox 450", "", "Wear plate", 7850, 3.1}));
    EXPECT_EQ(Refusal([] {
                  CheckUserMaterial({"A", "", "", "0", ""});
              }),
              "column \"density\": \"0\": a density must be more than 0 and at most 100000 kg/m³");
    EXPECT_EQ(Refusal([] {
                  CheckUserMaterial({"A", "", "", "7850", "-2"});
              }),
              "column \"price_per_kg\": \"-2\": a price per kilogram must not be below 0");

    const std::vector<UserMaterial> list{{"S355", "", "", 7850, 1.2}, {"Oak", "", "", 690, 2.0}};
    EXPECT_EQ(Refusal([&] {
                  WithUserMaterial(list, {"s-355", "", "", 7850, 1.3});
              }),
              "column \"name\": \"s-355\" is one material with the name \"S355\", which your "
              "materials already have");
    // Editing an entry in place may keep its own name.
    const auto edited = WithUserMaterial(list, {"S355", "", "", 7850, 1.3}, 0);
    EXPECT_EQ(edited[0].PricePerKg, 1.3);
    EXPECT_EQ(WithUserMaterial(list, {"C45", "", "", 7850, {}}).size(), 3u);
}

} // namespace
