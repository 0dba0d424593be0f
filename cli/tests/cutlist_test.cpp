// kubatrix-calc cutlist as a script uses it: plans held to the rule by a
// checker of their own, at costs known by hand or published; every bad
// input refused with its message and nothing printed.
#include "cli/Run.h"
#include "cutlist/tests/BinPacking.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <random>
#include <sstream>
#include <unistd.h>

namespace {

struct Result {
    int Status;
    std::string Out, Err;
};

// The list is written to a file of this process's own, named last.
Result Calc(std::vector<std::string> args, const std::string& list) {
    const std::string path = testing::TempDir() + "cutlist-" + std::to_string(getpid()) + ".csv";
    std::ofstream(path) << list;
    args.push_back(path);
    std::vector<const char*> argv{"kubatrix-calc"};
    for (const std::string& arg : args)
        argv.push_back(arg.c_str());
    std::istringstream in;
    std::ostringstream out, err;
    const int status = cli::Run(int(argv.size()), argv.data(), in, out, err);
    std::remove(path.c_str());
    return {status, out.str(), err.str()};
}

const std::string Header = "kind,type,size,a,a_unit,b,b_unit,c,c_unit,quantity,material,density\n";

std::string SectionLine(const std::string& designation, int mm, int quantity) {
    return "object,Section," + designation + ",,,,," + std::to_string(mm) + ",mm," +
           std::to_string(quantity) + ",Steel,7850\n";
}

long Tenths(const nlohmann::json& mm) {
    return std::lround(mm.get<double>() * 10);
}

// Every bar holds its cuts by the rule, the cuts are the list's pieces, one
// for one, and the bars bought add up to the cost.
void ExpectSound(const nlohmann::json& group, std::map<std::pair<int, long>, int> pieces, long kerf,
                 long trim, const std::map<long, double>& prices) {
    std::map<long, int> bars;
    for (const auto& plan : group["plans"]) {
        const long stock = Tenths(plan["stock_mm"]);
        long used = 0;
        const auto& cuts = plan["cuts_mm"];
        ASSERT_EQ(cuts.size(), plan["lines"].size());
        for (std::size_t i = 0; i < cuts.size(); ++i) {
            used += Tenths(cuts[i]);
            pieces[{plan["lines"][i].get<int>(), Tenths(cuts[i])}] -= plan["count"].get<int>();
        }
        EXPECT_LE(used + long(cuts.size() - 1) * kerf, stock - 2 * trim) << plan.dump();
        bars[stock] += plan["count"].get<int>();
    }
    for (const auto& [piece, left] : pieces)
        EXPECT_EQ(left, 0) << "line " << piece.first << ", " << piece.second << " tenths";
    double cost = 0;
    for (const auto& bought : group["bought"]) {
        const long stock = Tenths(bought["stock_mm"]);
        EXPECT_EQ(bought["bars"].get<int>(), bars[stock]);
        if (prices.empty()) continue;
        EXPECT_EQ(bought["price"].get<double>(), prices.at(stock));
        cost += bought["bars"].get<int>() * prices.at(stock);
    }
    if (prices.empty())
        EXPECT_TRUE(group["cost"].is_null());
    else
        EXPECT_DOUBLE_EQ(group["cost"].get<double>(), cost);
}

// Five random triples of whole millimetres from 3500 to 4400 whose three
// pieces and two kerfs of 3 mm fill a 12 m bar less two trims of 10 mm
// exactly (11974 + 6 = 11980), each line twice: 30 pieces of IPE 200. No
// 12 m bar holds four (4 x 3500 > 11980), no 6 m bar two (7003 > 5980), so
// a piece costs at least 114 / 3 = 38 and the 30 at least 1140, which the
// triples cost. The same pieces of HEA 100 with one of 5000 mm, which shares
// a 12 m bar with one piece at most: alone on a 6 m bar it adds 60; beside
// one it leaves 29 pieces, which need 10 bars more: 1254. So 1200.
TEST(CutlistCommand, PlansASteelJobThatFitsAtItsProvenLeastCost) {
    std::mt19937 random(2024);
    std::string ipe, hea;
    std::map<std::pair<int, long>, int> ipePieces, heaPieces;
    int line = 1;
    for (int t = 0; t < 5; ++t) {
        int a, b, c;
        do {
            a = 3500 + int(random() % 901);
            b = 3500 + int(random() % 901);
            c = 11974 - a - b;
        } while (c < 3500 || c > 4400);
        for (const int mm : {a, b, c}) {
            ipe += SectionLine("IPE 200", mm, 2), ipePieces[{line++, mm * 10L}] += 2;
            hea += SectionLine("HEA 100", mm, 2), heaPieces[{line++, mm * 10L}] += 2;
        }
    }
    hea += SectionLine("HEA 100", 5000, 1), heaPieces[{line++, 50000}] += 1;
    const std::string others = "aperture,Cylinder,,10,mm,20,mm,,,4,Steel,7850\n"
                               "object,Parallelepiped,,100,mm,200,mm,50,mm,1,Steel,7850\n";
    // Their lines alternate: IPE on odd lines, HEA on even ones.
    std::string list = Header;
    std::istringstream ipeLines(ipe), heaLines(hea);
    for (std::string i, h; std::getline(ipeLines, i), std::getline(heaLines, h);)
        list += (i.empty() ? "" : i + "\n") + (h.empty() ? "" : h + "\n");
    list += others;

    const Result r = Calc(
        {"cutlist", "--stock", "6000:60,12000:114", "--kerf", "3", "--trim", "10", "--json"}, list);
    ASSERT_EQ(r.Status, 0) << r.Err;
    const auto json = nlohmann::json::parse(r.Out);
    ASSERT_EQ(json["groups"].size(), 2u);
    const std::map<long, double> prices{{60000, 60}, {120000, 114}};
    const struct {
        const char* Item;
        std::map<std::pair<int, long>, int> Pieces;
        double Cost;
    } groups[] = {{"IPE 200", ipePieces, 1140}, {"HEA 100", heaPieces, 1200}};
    for (std::size_t g = 0; g < 2; ++g) {
        const auto& group = json["groups"][g];
        SCOPED_TRACE(groups[g].Item);
        EXPECT_EQ(group["item"], groups[g].Item);
        EXPECT_EQ(group["material"], "Steel");
        ExpectSound(group, groups[g].Pieces, 30, 100, prices);
        EXPECT_EQ(group["cost"].get<double>(), groups[g].Cost);
        EXPECT_EQ(group["lower_bound"].get<double>(), groups[g].Cost);
        EXPECT_TRUE(group["proven_optimal"].get<bool>());
    }
    EXPECT_EQ(json["cost"].get<double>(), 2340);
}

// Published instances with one stock length and no kerf: their optimal bar
// counts (see cutlist/tests/data/README.md), read as round bars in mm.
TEST(CutlistCommand, CutsBenchmarkInstancesIntoTheirOptimalBarCounts) {
    const std::string dir = CUTLIST_TEST_DATA;
    for (const char* name : {"Falkenauer_u120_00", "Falkenauer_t60_00"}) {
        SCOPED_TRACE(name);
        const auto job = cutlist::testing::ReadBinPacking(dir + "/" + name + ".txt");
        ASSERT_TRUE(job);
        std::string list = Header;
        std::map<std::pair<int, long>, int> pieces;
        for (const cutlist::Piece& p : job->Pieces) {
            list += "object,Cylinder,,20,mm," + std::to_string(p.Length) + ",mm,,,";
            list += std::to_string(p.Count) + ",Steel,7850\n";
            pieces[{p.Line, p.Length * 10}] = p.Count;
        }
        const std::string capacity = std::to_string(job->Stocks[0].Length);
        const Result r = Calc({"cutlist", "--stock", capacity, "--kerf", "0", "--json"}, list);
        ASSERT_EQ(r.Status, 0) << r.Err;
        const auto group = nlohmann::json::parse(r.Out)["groups"][0];
        ExpectSound(group, pieces, 0, 0, {});
        EXPECT_EQ(group["bars"].get<int>(),
                  cutlist::testing::ReadOptima(dir + "/optima.txt").at(name));
        EXPECT_TRUE(group["proven_optimal"].get<bool>());
    }
}

TEST(CutlistCommand, RefusesBadInputWithAMessageAndPlansNothing) {
    const std::string list = Header + SectionLine("IPE 200", 3000, 2) +
                             SectionLine("IPE 200", 12500, 1) + SectionLine("HEA 100", 2000, 1);
    const std::string fits = Header + SectionLine("IPE 200", 3000, 2);
    const struct {
        const char* Name;
        std::vector<std::string> Args;
        std::string List;
        int Status;
        std::string Message;
    } cases[] = {
        {"a piece longer than the stock",
         {"--stock", "6000,12000", "--trim", "10"},
         list,
         1,
         "kubatrix-calc: IPE 200, Steel: line 2: the piece of 12500 mm is longer than the "
         "longest stock length to buy (12000 mm) less two trims of 10 mm\n"},
        {"a negative kerf",
         {"--kerf", "-3"},
         fits,
         1,
         "kubatrix-calc: The saw kerf must not be negative\n"},
        {"a negative trim",
         {"--trim", "-1"},
         fits,
         1,
         "kubatrix-calc: The trim must not be negative\n"},
        {"a stock no longer than two trims",
         {"--stock", "20,6000", "--trim", "10"},
         fits,
         1,
         "kubatrix-calc: Stock length 20 mm is not longer than two trims of 10 mm\n"},
        {"a count of 0",
         {"--stock", "6000:60x0,12000:114"},
         fits,
         1,
         "kubatrix-calc: Stock length 6000 mm: the count on hand must be at least 1\n"},
        {"a price that is no number",
         {"--stock", "6000:sixty"},
         fits,
         2,
         "kubatrix-calc: --stock: Stock \"6000:sixty\": the price \"sixty\" is no number (w "
         "prices a bar by its weight) (see kubatrix-calc --help)\n"},
        {"by weight without a price per kg",
         {"--stock", "6000:w"},
         fits,
         1,
         "kubatrix-calc: IPE 200, Steel: a stock length priced by weight needs a price per kg "
         "on every line\n"},
        {"nothing cut from stock",
         {},
         Header + "object,Sphere,,10,mm,,,,,1,Steel,7850\n"
                  "aperture,Cylinder,,10,mm,20,mm,,,1,Steel,7850\n",
         1,
         "kubatrix-calc: @: No line of the list is cut from stock: a take-off lists standard "
         "sections, rolled profiles, round bars (cylinders), tubes (pipes) and hexagonal bars\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        std::vector<std::string> args{"cutlist"};
        args.insert(args.end(), c.Args.begin(), c.Args.end());
        const Result r = Calc(args, c.List);
        EXPECT_EQ(r.Status, c.Status);
        EXPECT_EQ(r.Out, "");
        std::string message = c.Message;
        if (const auto at = message.find("@:"); at != std::string::npos)
            message.replace(at, 1,
                            testing::TempDir() + "cutlist-" + std::to_string(getpid()) + ".csv");
        EXPECT_EQ(r.Err, message);
    }
}

} // namespace
