// The materials library: every density held against a second source, and
// the lookups and the search as an estimator types into them.
#include "catalogue/MaterialLibrary.h"
#include "catalogue/UserMaterials.h"

#include "calc/Error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace catalogue;

// Each density from a source other than the one the CSV names (the data's
// README), in kg/m³. Typed in from the documents, never from the library.
const std::map<std::string, double> SecondSource{
    // prozesstechnik.industrie.de, Lexikon der Pharmatechnologie, "Dichte": Baustahl 7.85
    {"S235", 7850},
    {"S275", 7850},
    {"S355", 7850},
    {"S460", 7850},
    {"S690", 7850},
    // puran-water/corrosion-engineering-mcp materials_compositions.csv: A36 7850
    {"A36", 7850},
    {"DC01", 7850},    // mfgrobots.com, DIN 5512-2 grade DC01: 7.8-7.9 g/cm³, the middle
    {"DX51D", 7850},   // chinagalvanizedsteel.com, DX51D mechanical properties: 7.85 g/cm³
    {"42CrMo4", 7850}, // AZoM, AISI 4140 alloy steel (UNS G41400): 7.85 g/cm³
    // ninesteel-cs.com, Mat. No. 1.0503: 7.85
    {"C45", 7850},
    {"1.2379", 7700}, // makeitfrom.com, SAE-AISI D2 (T30402): 7.7 g/cm³
    {"1.2344", 7833}, // steelforge.com, tool steel H13: 0.283 lb/in³
    {"1.2842", 7800}, // makeitfrom.com, SAE-AISI O2 (T31502): 7.8 g/cm³ (two figures)
    // agst.de datasheets 1.4301 (7.9) and 1.4571 (8.0); assemblean.com AISI 430: 7.7
    {"1.4301", 7900},
    {"1.4571", 8000},
    {"1.4016", 7700},
    {"1.4307", 8000}, // ESA ESMAT preferred materials A.6.2, AISI 304L: relative density 8.0
    // puran-water materials_compositions.csv (ASTM A240): 316, 316L 8000; 2205 7800
    {"1.4401", 8000},
    {"1.4404", 8000},
    {"1.4462", 7800},
    {"1050A", 2710}, // Durbin Metals datasheet, aluminium alloy 1050A H14 sheet: 2.71 g/cm³
    // worthwillaluminium.com density table: 2017 2790
    {"2017A", 2790},
    // aluminium-sheet-plate.com density chart
    {"2011", 2830},
    {"2014", 2800},
    {"2024", 2780},
    {"3003", 2730},
    {"5005", 2700},
    {"5052", 2680},
    {"5083", 2660},
    {"5754", 2690},
    // aluminium-guide.com 6060: 2.70; reference.com 6061: 2.7; Cosmos Aluminium 6063, 6082: 2.70
    {"6060", 2700},
    {"6061", 2700},
    {"6063", 2700},
    {"6082", 2700},
    // tigersalu.com: 7075 2.81
    {"7075", 2810},
    // periodic-table.org: copper 8.92; makeitfrom.com C52100 (CuSn8): 8.8
    {"Cu-ETP", 8920},
    {"CuSn8", 8800},
    {"CuZn37", 8440},       // Rajhans Metals, CZ108: relative density 8.44
    {"CuZn39Pb3", 8470},    // brass-copper-castings.com, C38500: 0.306 lb/in³
    {"CuAl10Ni5Fe4", 7584}, // randallbearings.com, C63000: 0.274 lb/in³
    {"EN-GJL-250", 7200}, // FreeCAD material card Steel-EN-GJL-250 (EN 1561): 7200 kg/m³
    // iron-foundry.com (Dandong Foundry), EN 1563 grades with density: 400-18, 500-7 7.1;
    // 600-3, 700-2 7.2. The table leaves 400-15 blank; its ferritic neighbours there
    // (400-18, 450-10) read 7.1.
    {"EN-GJS-400-15", 7100},
    {"EN-GJS-400-18", 7100},
    {"EN-GJS-500-7", 7100},
    {"EN-GJS-600-3", 7200},
    {"EN-GJS-700-2", 7200},
    // periodic-table.org: titanium 4.507; chinasuperstainless.com grade 5: 4.42
    {"Titanium grade 2", 4507},
    {"Titanium grade 5", 4420},
    // aeether.com: Inconel 625 8.44; super-metals.com alloy 718: 0.296 lb/in³ = 8193
    {"Alloy 625", 8440},
    {"Alloy 718", 8193},
    // metal-knowledge.com: zinc 7.14; aegidius.ca: lead 11.34
    {"Zinc", 7140},
    {"Lead", 11340},
    // matmake.com polymers: PA6 1130, PA66 1140, PC 1200, PEEK 1320
    {"PA6", 1130},
    {"PA66", 1140},
    {"PC", 1200},
    {"PEEK", 1320},
    {"PTFE", 2150}, // hindustan-nylons.com data sheet, virgin PTFE: 2.1-2.2 g/cc, the middle
    // 24kjx.com.cn plastic density table, middle of each range
    {"POM-H", 1420},
    {"PE-HD", 952.5},
    {"PE-UHMW", 935},
    {"PP", 907.5},
    {"PVC-U", 1375},
    {"PMMA", 1180},
    // Lexikon der Pharmatechnologie "Dichte": POM 1.4, ABS 1.06, PVdF 1.77
    {"POM-C", 1400},
    {"ABS", 1060},
    {"PVDF", 1770},
    // tipp-zum-bau.de "Fichte Rohdichte": 470; anzugsmoment.de, dry oak: 0.69
    {"Spruce", 470},
    {"Oak", 690},
    {"Pine", 520},  // DETAIL "Holzhäuser", Tab. 3: Kiefer, Rohdichte 0.52 g/cm³ (normal climate)
    {"Beech", 690}, // DETAIL "Holzhäuser", Tab. 3: Buche, Rohdichte 0.69 g/cm³ (normal climate)
    {"Birch", 650}, // holz-henkel.com after Lohmann, Holz-Lexikon (2003): Birke, Rohdichte 0.65
    {"Larch", 590}, // hausjournal.net, "Dichte von Lärchenholz": 590 kg/m³ at 15 % moisture
};

TEST(MaterialLibrary, EveryDensityAgreesWithASecondSourceWithinOnePercent) {
    ASSERT_GE(LibraryMaterials().size(), 60u);
    for (const LibraryMaterial& m : LibraryMaterials()) {
        const auto second = SecondSource.find(m.Name);
        ASSERT_NE(second, SecondSource.end()) << m.Name << " has no second source";
        EXPECT_LE(std::abs(m.Density - second->second) / second->second, 0.01) << m.Name;
    }
    for (const auto& [name, density] : SecondSource)
        EXPECT_NE(LibraryMaterialNamed(name), nullptr) << name << " is not in the library";
}

TEST(MaterialLibrary, FindsAMaterialByNameDesignationOrCommonName) {
    const struct {
        const char* Typed;
        const char* Name;
    } cases[] = {
        {"S355JR", "S355"},      {"s 355", "S355"},         {"1.0045", "S355"},
        {"304", "1.4301"},       {"X5CrNi18-10", "1.4301"}, {"x5crni18 10", "1.4301"},
        {"AlSi1MgMn", "6082"},   {"6082", "6082"},          {"EN AW 6082", "6082"},
        {"CW614N", "CuZn39Pb3"}, {"cw-614-n", "CuZn39Pb3"}, {"Ti-6Al-4V", "Titanium grade 5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindMaterial(c.Typed).Name, c.Name) << c.Typed;
    EXPECT_EQ(FindMaterial("S355").Density, 7850);
}

TEST(MaterialLibrary, RefusesAnUnknownOrAmbiguousWord) {
    const struct {
        const char* Typed;
        const char* Message;
    } cases[] = {
        {"S999", "no material is called \"S999\": give a name or designation of the library or "
                 "of your own materials"},
        {"V4A", "\"V4A\" names several materials: 1.4401, 1.4404, 1.4571; give the one you mean "
                "by its name"},
        {"", "no material is called \"\": give a name or designation of the library or of your "
             "own materials"},
    };
    for (const auto& c : cases) {
        try {
            FindMaterial(c.Typed);
            ADD_FAILURE() << c.Typed << " was found";
        } catch (const calc::Error& e) {
            EXPECT_EQ(e.Message(), c.Message);
        }
    }
}

TEST(MaterialLibrary, SearchRanksWhatTheTextSpellsFirst) {
    const auto names = [](std::string_view text, std::size_t n) {
        std::vector<std::string> out;
        for (const PricedMaterial& m : SearchMaterials(text))
            if (out.size() < n) out.emplace_back(m.Name);
        return out;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(names("s35", 1), V{"S355"});
    EXPECT_EQ(names("304", 1), V{"1.4301"});
    EXPECT_EQ(names("aw 6082", 1), V{"6082"});
    // A whole common name before materials that only hold the words.
    EXPECT_EQ(names("316", 3), (V{"1.4401", "1.4404", "1.4571"}));
    // Names before groups: "alloy 625" is a name; the other nickel alloy is found by its group.
    EXPECT_EQ(names("alloy 6", 1), V{"Alloy 625"});
    EXPECT_EQ(SearchMaterials("stainless 316").size(), 3u);
    // A density: the 7850 steels, then nothing that is not 7850.
    for (const PricedMaterial& m : SearchMaterials("7850"))
        EXPECT_EQ(m.Density, 7850) << m.Name;
    EXPECT_EQ(SearchMaterials("").size(), LibraryMaterials().size());
    EXPECT_TRUE(SearchMaterials("zzz").empty());
}

TEST(MaterialLibrary, TheUsersEntriesJoinLookupAndSearch) {
    const std::vector<UserMaterial> user{{"304", "", "", 7930, 4.5},
                                         {"Hardox 450", "", "Wear plate", 7850, 3.1}};
    // Their entry for 304 is 1.4301 at their density and price, by any of its names.
    const PricedMaterial stainless = FindMaterial("X5CrNi18-10", user);
    EXPECT_EQ(stainless.Density, 7930);
    EXPECT_EQ(stainless.PricePerKg, 4.5);
    EXPECT_EQ(stainless.Library, LibraryMaterialNamed("1.4301"));
    EXPECT_EQ(stainless.Group, "Stainless steel");
    EXPECT_EQ(FindMaterial("hardox 450", user).User, &user[1]);
    // Each material once, the user's first; a price is searched too.
    const auto all = SearchMaterials("", user);
    EXPECT_EQ(all.size(), LibraryMaterials().size() + 1);
    EXPECT_EQ(all[0].User, &user[0]);
    // "3.1" begins DIN numbers (3.1655), which rank before a price.
    const auto byPrice = SearchMaterials("3.1", user);
    EXPECT_EQ(byPrice.back().Name, "Hardox 450");
    EXPECT_EQ(SearchMaterials("wear", user).size(), 1u);
}

} // namespace
