#include "calc/Calculator.h"
#include "catalogue/Sections.h"
#include "cli/Input.h"
#include "cli/Run.h"
#include "partslist/Describe.h"
#include "partslist/PartsFile.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// Two bars of 100 x 50 x 20 mm (0.0002 m3) less four holes of 10 by 20 mm
// (0.7853975 * 10 * 10 * 20 * 4 mm3 = 6.28318e-6 m3), two I-beams of 36 kg/m
// by 6 m (432 kg), the same holes cut by weight from them (-0.04947375932 kg
// at 7874), and a copper rod of 2 cm by 1 m (0.000314159 m3). The volume,
// 0.00050787582 m3, is weighed at the last density, 8940: 4.5404098308 kg,
// and with the profiles' 431.95052624068 kg, 436.49093607148 kg.
const std::string Header = "kind,type,size,a,a_unit,b,b_unit,c,c_unit,quantity,density\n";
const std::string Profiled =
    Header + "object,Parallelepiped,,100,millimeter,50,millimeter,20,millimeter,2,7874\n"
             "aperture,Cylinder,,10,millimeter,20,millimeter,,,4,7874\n"
             "object,I-Beam,300x150x6.5x9,,,,,6,meter,2,7874\n"
             "aperture,Cylinder,,10,millimeter,20,millimeter,,,4,7874\n";
const std::string Workshop = Profiled + "object,Cylinder,,2,centimeter,1,meter,,,1,8940\n";
const std::string Bad = Header + "object,Cylinder,,2,centimeter,1,meter,,,1,8940\n"
                                 "object,Cylinder,,2,furlong,1,meter,,,1,8940\n";

// Sixty plates of 100 x 100 x 10 mm at 7850 kg/m3 (0.785 kg) and the file's
// own 0.01 a kilogram: each costs 0.785 cents, 0.01 rounded, and the sixty
// 0.60, where the total weight, 47.1 kg, would cost 0.47.
std::string Sixty() {
    std::string text = "kind,type,a,a_unit,b,b_unit,c,c_unit,quantity,density,price_per_kg,size\n";
    for (int i = 0; i < 60; ++i)
        text += "object,Parallelepiped,100,millimeter,100,millimeter,10,millimeter,1,7850,0.01,\n";
    return text;
}
// A spreadsheet's columns beside the bars and holes.
const std::string Noted =
    "kind,type,size,a,a_unit,b,b_unit,c,c_unit,quantity,notes,density,part no.\n"
    "object,Parallelepiped,,100,millimeter,50,millimeter,20,millimeter,2,bars,7874,P-1\n"
    "aperture,Cylinder,,10,millimeter,20,millimeter,,,4,holes,7874,P-2\n";
// Two plates of 0.785 kg, at 2 and 4 a kilogram: 1.57 and 3.14.
const std::string Priced =
    "kind,type,size,a,a_unit,b,b_unit,c,c_unit,quantity,density,price_per_kg\n"
    "object,Parallelepiped,,100,mm,100,mm,10,mm,1,7850,2\n"
    "object,Parallelepiped,,100,mm,100,mm,10,mm,1,7850,4\n";
const std::map<std::string, std::string> Files{{"workshop", Workshop},
                                               {"priced", Priced},
                                               {"profiled", Profiled},
                                               {"bad", Bad},
                                               {"sixty", Sixty()},
                                               {"noted", Noted}};

// The files PathOf wrote, removed as the process ends.
struct Written {
    std::set<std::string> Paths;
    ~Written() {
        for (const std::string& path : Paths)
            std::remove(path.c_str());
    }
} written;

// "@workshop" stands for the path of that file. CTest runs the cases in
// processes of their own at the same time: each writes files of its own.
std::string PathOf(const std::string& name) {
    const std::string path =
        testing::TempDir() + "kubatrix-calc-" + std::to_string(getpid()) + "-" + name + ".csv";
    std::ofstream(path) << Files.at(name);
    written.Paths.insert(path);
    return path;
}

struct Result {
    int Status;
    std::string Out, Err;
};

// Into `to` where given, else into a string.
Result Calc(std::vector<std::string> args, const std::string& input = "",
            std::ostream* to = nullptr) {
    std::vector<const char*> argv{"kubatrix-calc"};
    for (std::string& arg : args) {
        if (arg.starts_with('@')) arg = PathOf(arg.substr(1));
        argv.push_back(arg.c_str());
    }
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = cli::Run(int(argv.size()), argv.data(), in, to ? *to : out, err);
    return {status, out.str(), err.str()};
}

struct TotalsCase {
    const char* Name;
    std::vector<std::string> Args;
    std::string Out;
};

void PrintTo(const TotalsCase& c, std::ostream* os) {
    *os << c.Name;
}

// Figures worked by hand, as the window would show them.
const TotalsCase Totals[] = {
    {"EveryLineAtItsDensity", {"--totals", "@workshop"}, "436.4900000000\n0.0005078800\n"},
    {"ProfileLastShowsTheMarker", {"-t", "@profiled"}, "433.4800000000\nIs not calculate\n"},
    // 432 * 2700 / 7874 + 0.00050787582 * 2700 - 6.28318e-6 * 2700
    {"InAluminium",
     {"-t", "--material", "Aluminium", "@workshop"},
     "149.4900000000\n0.0005078800\n"},
    {"InPoundsAndCubicCentimetres",
     {"-t", "--weight-unit", "pound", "--volume-unit", "centimeter", "@workshop"},
     "962.2800000000\n507.8800000000\n"},
    // The lines' costs at 2.5, each rounded to cents: 4.47 - 0.14 + 1080.00
    // - 0.12 + 7.02 (a line's volume at the last density, 8940).
    {"CostAtAPrice", {"-t", "-p", "2.5", "@workshop"}, "436.4900000000\n0.0005078800\n1091.23\n"},
    {"CostAtTheFilesOwnPriceAddsUp", {"-t", "@sixty"}, "47.1000000000\n0.0060000000\n0.60\n"},
    // 28.48 cm2 * 600 cm = 0.017088 m3, at 7850 134.1408 kg
    {"SectionIpe200",
     {"-t", "section", "ipe 200", "6m", "-d", "7850"},
     "134.1400000000\n0.0170880000\n"},
    // An American shape weighs its nominal mass: 31 lb/ft is 46.133 kg/m, by
    // 6 m 276.798 kg; its volume 276.798 / 7850 m3.
    {"SectionW8x31ByItsNominalWeight",
     {"--density", "7850", "-t", "section", "W8x31", "6m"},
     "276.8000000000\n0.0352610000\n"},
    // 15.62 lb/ft, 23.245 kg/m: 139.47 kg, 0.017767 m3.
    {"SectionHssByItsNominalWall",
     {"-d", "7850", "-t", "section", "HSS6x4x1/4", "6", "m"},
     "139.4700000000\n0.0177670000\n"},
    {"SectionAsTyped",
     {"-d", "7850", "-t", "section", "IPE200", "6m"},
     "134.1400000000\n0.0170880000\n"},
    {"SectionInWordsOfAnotherTable",
     {"-d", "7850", "-t", "section", "HE", "200", "B", "1m"},
     "61.2930000000\n0.0078080000\n"}, // 78.08 cm2
    {"SectionInALibraryGrade",
     {"-t", "--material", "S355", "section", "IPE 200", "6m"},
     "134.1400000000\n0.0170880000\n"},
    // 0.7853975 * 50² * 1000 mm3 of EN AW-6082 at 2700: 5.30143 kg
    {"RodInAnAluminiumAlloy",
     {"-t", "--material", "6082", "cylinder", "50mm", "1m"},
     "5.3014000000\n0.0019635000\n"},
    {"EachLineAtItsOwnPrice", {"-t", "@priced"}, "1.5700000000\n0.0002000000\n4.71\n"},
    {"CopperRod",
     {"-t", "cylinder", "2cm", "1m", "--material", "copper"},
     "2.8086000000\n0.0003141600\n"},
    {"TwoIBeamsUnitApart",
     {"-t", "I-BEAM", "300x150x6.5x9", "6", "m", "-q", "2"},
     "432.0000000000\nIs not calculate\n"},
    {"HolesInMillimetresByDefault",
     {"-t", "aperture", "cylinder", "10", "20mm", "-q", "4"},
     "-0.0494740000\n-0.0000062832\n"},
    // (50.8² + 25.4² + 50.8 * 25.4) * 3.14159 * 304.8 / 12 mm3 of water
    {"ConeInInchesAndFeet",
     {"-t", "truncated_cone", "2in", "1 in", "1ft", "-d", "1000"},
     "0.3603700000\n0.0003603700\n"},
    // 3.14159 * 914.4³ / 6 mm3, 14.137155 ft3; at 7874, 6949.11 lb of 453.6 g
    {"SphereInPoundsAndCubicFeet",
     {"-t", "Sphere", "1yd", "--weight-unit", "lb", "--volume-unit", "ft3"},
     "6949.1000000000\n14.1370000000\n"},
};

class TotalsOf : public testing::TestWithParam<TotalsCase> {};

TEST_P(TotalsOf, FiguresWorkedByHand) {
    const Result r = Calc(GetParam().Args);
    EXPECT_EQ(r.Err, "");
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.Out, GetParam().Out);
}

INSTANTIATE_TEST_SUITE_P(Cases, TotalsOf, testing::ValuesIn(Totals),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(TotalsOf, StandardInputLikeAFile) {
    EXPECT_EQ(Calc({"-t", "-"}, Workshop).Out, Calc({"-t", "@workshop"}).Out);
}

// The CSV written reads back to the lines and totals to the last bit, also
// for a list weighed in another material.
TEST(Csv, ReadsBackToTheSameTotals) {
    for (const auto& [material, density] : {std::pair{"", 0}, {"aluminium", 2700}}) {
        const auto args = *material
                              ? std::vector<std::string>{"--csv", "-p", "2.5", "-m", material, "-"}
                              : std::vector<std::string>{"--csv", "-p", "2.5", "-"};
        const auto csv = partslist::ReadPartsList(Calc(args, Workshop).Out, "out.csv");
        const auto file = density ? partslist::ReadPartsList(Workshop, "in.csv", density)
                                  : partslist::ReadPartsList(Workshop, "in.csv");
        EXPECT_EQ(csv.Lines.size(), file.Lines.size()) << material;
        EXPECT_EQ(csv.Totals.State.TotalWeight, file.Totals.State.TotalWeight) << material;
        EXPECT_EQ(csv.Totals.State.TotalVolume, file.Totals.State.TotalVolume) << material;
        EXPECT_EQ(csv.PricePerKg, 2.5);
    }
}

// Numbers are right-aligned, so every row ends in the same column.
TEST(Table, RowsOfEqualLengthEndingInTheTotals) {
    std::istringstream table(Calc({"@workshop", "-p", "2"}).Out);
    std::vector<std::string> rows;
    for (std::string row; std::getline(table, row);)
        rows.push_back(row);
    ASSERT_EQ(rows.size(), 7u); // a heading, five lines, the totals
    for (const std::string& row : rows)
        EXPECT_EQ(row.size(), rows[0].size()) << row;
    EXPECT_TRUE(rows[3].starts_with("object    I-Beam 300x150x6.5x9")) << rows[3];
    // The costs at 2, each rounded: 3.58 - 0.11 + 864.00 - 0.10 + 5.62.
    EXPECT_TRUE(rows[6].ends_with("0.0005078800  436.4900000000  872.99")) << rows[6];
}

struct ErrorCase {
    const char* Name;
    std::vector<std::string> Args;
    int Status;
    std::string Err; // how the message starts
};

void PrintTo(const ErrorCase& c, std::ostream* os) {
    *os << c.Name;
}

const ErrorCase Errors[] = {
    {"FileFaultNamesLineAndColumn", {"@bad"}, 1, "@bad:3: column \"a_unit\": 'furlong'"},
    {"AnyFaultyFilePrintsNothing", {"@workshop", "@bad"}, 1, "@bad:3:"},
    {"MissingFile", {"no-such.csv"}, 1, "kubatrix-calc: no-such.csv: No such file"},
    {"ImpossibleTriangle", {"prism2", "10cm", "1cm", "1m"}, 1, "kubatrix-calc: Invalid floating"},
    {"UnknownOption", {"--frobnicate", "@workshop"}, 2, "kubatrix-calc: "},
    {"DimensionsMissing", {"cylinder", "2cm"}, 2, "kubatrix-calc: Cylinder takes 2 dimensions"},
    {"NotADimension", {"cone", "2cm", "2kg"}, 2, "kubatrix-calc: '2kg' is no dimension"},
    {"NoSuchSize", {"angle", "1x1", "1m"}, 2, "kubatrix-calc: '1x1' is no size of Angle"},
    {"NoSuchType", {"cube", "1m", "1m", "1m"}, 2, "kubatrix-calc: 'cube' is no file"},
    {"MaterialWithoutDensity", {"--material", "Other", "@workshop"}, 2, "kubatrix-calc: 'Other'"},
    {"CsvOfTwoFiles", {"--csv", "@workshop", "@workshop"}, 2, "kubatrix-calc: --csv"},
    {"QuantityOfAFile", {"-q", "2", "@workshop"}, 2, "kubatrix-calc: --quantity"},
    {"CommaInADimension", {"cylinder", "1,5m", "1m"}, 2, "kubatrix-calc: \"1,5\": use a point"},
    {"CommaInADensity", {"-d", "7,850", "@workshop"}, 2, "kubatrix-calc: --density: \"7,850\""},
    {"CommaInAPrice", {"-p", "1,000", "@workshop"}, 2, "kubatrix-calc: --price-per-kg: \"1,000\""},
    {"CostsPast15Digits",
     {"-p", "1e20", "cylinder", "1m", "1m"},
     1,
     "kubatrix-calc: a price of 1e20 a kilogram gives costs past 15 digits"},
    {"UnknownSectionNamesNearOnes",
     {"section", "IPE 210", "6m"},
     1,
     "kubatrix-calc: no standard section \"IPE 210\"; near ones: IPE 220, IPE 200, IPE 240, "
     "IPE 180, IPE 270\n"},
    {"EmptyPrice", {"-p", "", "cylinder", "1m", "1m"}, 2, "kubatrix-calc: --price-per-kg: give"},
    {"SectionWithoutItsLengthAsTheCatalogueNamesIt",
     {"section", "ipe 200 "},
     2,
     "kubatrix-calc: give the length of IPE 200, such as 6m"},
    {"SectionOfTwoNamesNamesBoth",
     {"section", "shs 100x5", "6m"},
     1,
     "kubatrix-calc: no standard section \"shs 100x5\"; near ones: SHS 100x100x5 EN 10210, "
     "SHS 100x100x5 EN 10219\n"},
};

class Failing : public testing::TestWithParam<ErrorCase> {};

TEST_P(Failing, OneLineOnStandardErrorNothingOnOutput) {
    std::string expected = GetParam().Err;
    if (expected.starts_with('@')) expected = PathOf(expected.substr(1, 3)) + expected.substr(4);
    const Result r = Calc(GetParam().Args);
    EXPECT_EQ(r.Status, GetParam().Status);
    EXPECT_EQ(r.Out, "");
    EXPECT_TRUE(r.Err.starts_with(expected)) << r.Err;
    EXPECT_EQ(r.Err.find('\n'), r.Err.size() - 1) << r.Err;
}

INSTANTIATE_TEST_SUITE_P(Cases, Failing, testing::ValuesIn(Errors),
                         [](const auto& info) { return std::string(info.param.Name); });

// What is no parts list is refused before a byte of it is read: a pipe no
// one writes to (it would block in open), a device without end, a file past
// a gigabyte (sparse: it takes no room), a directory.
TEST(Run, RefusesWhatIsNoFileOrTooLargeUnread) {
    const std::string folder = testing::TempDir() + "kubatrix-calc-" + std::to_string(getpid());
    const std::string pipe = folder + "-pipe.csv", large = folder + "-large.csv";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    written.Paths.insert(pipe);
    std::ofstream(large).close();
    ASSERT_EQ(truncate(large.c_str(), (1 << 30) + 1), 0);
    written.Paths.insert(large);
    const std::pair<std::string, std::string> cases[] = {
        {pipe, pipe + ": a pipe, not a file"},
        {"/dev/zero", "/dev/zero: a device, not a file"},
        {large, large + ": 1073741825 bytes, more than the 1 GiB"},
        {"/", "/: Is a directory"}};
    for (const auto& [name, message] : cases) {
        const Result r = Calc({"-t", name});
        EXPECT_EQ(r.Status, 1) << name;
        EXPECT_TRUE(r.Err.starts_with("kubatrix-calc: " + message)) << r.Err;
    }
}

// Standard input without end is read up to the bound, then refused.
TEST(Run, StandardInputIsReadUpToTheBound) {
    std::istringstream in(std::string(1000, 'x')), more(std::string(1001, 'x'));
    EXPECT_EQ(cli::Contents("-", in, 1000).size(), 1000u);
    EXPECT_THROW(cli::Contents("-", more, 1000), calc::Error);
}

// A file's name with an escape sequence, a line break and a right-to-left
// override, and a cell with one, reach the terminal escaped, in one line.
TEST(Run, NamesAndCellsArePrintedEscaped) {
    const std::string path =
        testing::TempDir() + "k\x1b[2Jc-" + std::to_string(getpid()) + "\n\u202Efdp.csv";
    std::ofstream(path) << Header << "object,Cyl\u202Einder,,1,millimeter,1,millimeter,,,1,7874\n";
    written.Paths.insert(path);
    const Result r = Calc({path});
    const std::string shown = testing::TempDir() + "k\\x1b[2Jc-" + std::to_string(getpid()) +
                              "\\x0a\\u202efdp.csv:2: column \"type\": 'Cyl\\u202einder'";
    EXPECT_TRUE(r.Err.starts_with(shown)) << r.Err;
    EXPECT_EQ(r.Err.find('\n'), r.Err.size() - 1) << r.Err;
}

// A full disk is told with the system's reason, whatever is written.
TEST(Run, FullDeviceExitsOneWithTheReason) {
    for (const std::vector<std::string>& args : {std::vector<std::string>{"@workshop"},
                                                 {"--csv", "@workshop"},
                                                 {"--json", "@workshop"},
                                                 {"-t", "cylinder", "1m", "1m"},
                                                 {"--help"}}) {
        std::ofstream full("/dev/full");
        const Result r = Calc(args, "", &full);
        EXPECT_EQ(r.Status, 1) << args[0];
        EXPECT_EQ(r.Err, "kubatrix-calc: writing the output: No space left on device\n") << args[0];
    }
}

// Columns a spreadsheet added are named once and change nothing printed.
TEST(Run, IgnoredColumnsNamedOnce) {
    const Result r = Calc({"-t", "@noted"});
    EXPECT_EQ(r.Err, "kubatrix-calc: " + PathOf("noted") + ": ignored columns: notes, part no.\n");
    EXPECT_EQ(r.Out, Calc({"-t", "-"}, Profiled.substr(0, Profiled.find("object,I"))).Out);
}

// --json gives the figures of --totals as numbers, the lines' costs adding up.
TEST(Json, ParsesToTheTotals) {
    for (std::vector<std::string> args : {std::vector<std::string>{"-p", "2", "@workshop"},
                                          {"@profiled"},
                                          {"@sixty"},
                                          {"section", "IPE 200", "6m", "-d", "7850"}}) {
        args.push_back("--json");
        const auto doc = nlohmann::json::parse(Calc(args).Out);
        const nlohmann::json& totals = doc["totals"];
        std::string text = calc::WeightText(totals["weight_kg"], "kilogram", '.') + '\n';
        text += totals["volume_m3"].is_null()
                    ? "Is not calculate\n"
                    : calc::VolumeText(totals["volume_m3"], "meter", '.') + '\n';
        long long cents = 0;
        for (const auto& line : doc["lines"])
            cents += line["cost"].is_null() ? 0 : std::llround(line["cost"].get<double>() * 100);
        if (!totals["cost"].is_null()) {
            text += partslist::CentsText(cents, '.') + '\n';
            EXPECT_EQ(cents, std::llround(totals["cost"].get<double>() * 100)) << args[0];
        }
        args.back() = "-t";
        EXPECT_EQ(text, Calc(args).Out) << args[0];
        if (args[0] == "section") {
            EXPECT_NEAR(totals["weight_kg"], 134.1408, 1e-9);
        }
    }
}

// A line of each family's first section, named in the file by its
// designation in any case, reads back under that designation and weighs
// what its table gives for a metre: the nominal mass, else the area at 7850.
TEST(Run, ASectionOfEveryFamilyReadsBackFromAFile) {
    std::string text = Header;
    double weight = 0;
    for (const catalogue::SectionFamily family : catalogue::SectionFamilies()) {
        const catalogue::Section& s = catalogue::SectionsOf(family).front();
        std::string size = s.Designation;
        for (char& c : size)
            c = char(std::tolower(static_cast<unsigned char>(c)));
        text += "object,Section," + size + ",,,,,1,meter,1,7850\n";
        weight += s.NominalLbFt > 0 ? s.MassKgPerM : s.AreaCm2 * 0.785;
    }
    const std::string path =
        testing::TempDir() + "kubatrix-calc-sections-" + std::to_string(getpid()) + ".csv";
    std::ofstream(path) << text;
    written.Paths.insert(path);
    const auto doc = nlohmann::json::parse(Calc({"--json", path}).Out);
    ASSERT_EQ(doc["lines"].size(), catalogue::SectionFamilies().size());
    for (std::size_t i = 0; i < doc["lines"].size(); ++i)
        EXPECT_EQ(doc["lines"][i]["size"],
                  catalogue::SectionsOf(catalogue::SectionFamilies()[i]).front().Designation);
    EXPECT_NEAR(doc["totals"]["weight_kg"].get<double>(), weight, 1e-6 * weight);
}

// --sections reads the words as the window's search does, best first, under
// a line of headings.
TEST(Run, SectionsListedBestFirst) {
    const std::pair<std::vector<std::string>, std::string> searches[] = {
        {{"--sections", "he", "200", "b"}, "HEB 200 "},
        {{"--sections", "W200x46.1"}, "W8x31 "},
        {{"--sections", "4\"", "sch", "40"}, "NPS 4 SCH 40 "},
        {{"--sections", "ipe", "2"}, "IPE 200 "}, // before IPE 220 and IPE A 200
    };
    for (const auto& [args, first] : searches) {
        const std::string out = Calc(args).Out;
        EXPECT_TRUE(out.substr(out.find('\n') + 1).starts_with(first)) << out.substr(0, 200);
    }
}

TEST(Run, HelpAndVersion) {
    EXPECT_TRUE(Calc({"--help"}).Out.starts_with("Usage: kubatrix-calc [OPTION]... FILE...\n"));
    EXPECT_EQ(Calc({"--version"}).Out, "kubatrix-calc " KUBATRIX_VERSION "\n");
}

} // namespace
