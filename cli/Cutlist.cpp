#include "cli/Cutlist.h"

#include "calc/Error.h"
#include "cli/CutlistOutput.h"
#include "cli/Help.h"
#include "cli/Input.h"
#include "cli/Words.h"
#include "partslist/PartsFile.h"

#include <CLI/CLI.hpp>

namespace cli {
namespace {

constexpr const char* Name = "kubatrix-calc";

struct Options {
    std::string File, Price, Stock = "6000,12000", Kerf = "3", Trim = "0", MinOffcut = "500",
                             TimeLimit = "10";
    bool Csv = false, Json = false, Help = false;
};

// A number of an option, with a point for decimals.
double NumberOf(const std::string& option, const std::string& text) {
    const auto value = cutlist::ReadNumber(text);
    if (!value) throw UsageError(option + ": \"" + text + "\" is no number");
    return *value;
}

cutlist::Settings SettingsOf(const Options& o) {
    cutlist::Settings settings;
    try {
        settings.Stocks = cutlist::ReadStocks(o.Stock);
    } catch (const calc::Error& e) {
        throw UsageError("--stock: " + e.Message());
    }
    settings.KerfMm = NumberOf("--kerf", o.Kerf);
    settings.TrimMm = NumberOf("--trim", o.Trim);
    settings.MinOffcutMm = NumberOf("--min-offcut", o.MinOffcut);
    return settings;
}

// The file's groups, costed at its own prices, or every line at the
// command line's price per kg.
std::vector<cutlist::Group> GroupsOf(const Options& o, std::istream& in) {
    const std::string where = o.File == "-" ? "<stdin>" : o.File;
    partslist::OpenedList list = partslist::ReadPartsList(Contents(o.File, in), where);
    std::optional<double> price = list.PricePerKg;
    if (!o.Price.empty()) {
        price = PriceOf(o.Price);
        for (partslist::LineResult& result : list.Totals.Lines)
            result.PricePerKg.reset();
    }
    std::vector<cutlist::Group> groups = cutlist::TakeOff(list.Lines, list.Totals.Lines, price);
    if (groups.empty())
        throw calc::Error(std::string(Name) + ": " + where + ": " + cutlist::NothingCutFromStock);
    return groups;
}

// Every group's job is checked before any is solved, so that a fault in the
// last leaves nothing planned and no time spent. A fault of a piece names
// its group before its line.
std::vector<Planned> Plan(const std::vector<cutlist::Group>& groups, const Options& o) {
    const cutlist::Settings settings = SettingsOf(o);
    const double limit = NumberOf("--time-limit", o.TimeLimit);
    std::vector<Planned> planned;
    for (const cutlist::Group& group : groups) {
        try {
            Planned p{&group, cutlist::JobOf(group, settings, limit), {}};
            cutlist::FirstFitDecreasing(p.Job);
            planned.push_back(std::move(p));
        } catch (const calc::Error& e) {
            const bool ofALine = e.Message().starts_with("line ");
            throw calc::Error(std::string(Name) + ": " +
                              (ofALine ? group.Item + ", " + group.Material + ": " : "") +
                              e.Message());
        }
    }
    for (Planned& p : planned)
        p.Plan = cutlist::Solve(p.Job);
    return planned;
}

} // namespace

void RunCutlist(int argc, const char* const* argv, std::istream& in, Writer& out) {
    const bool takeoff = std::string_view(argv[1]) == "takeoff";
    Options o;
    CLI::App app("", std::string(Name) + " " + argv[1]);
    app.set_help_flag();
    app.add_option("file", o.File);
    app.add_flag("-c,--csv", o.Csv);
    app.add_flag("-j,--json", o.Json)->excludes("--csv");
    app.add_option("-p,--price-per-kg", o.Price);
    if (!takeoff) {
        app.add_option("--stock", o.Stock);
        app.add_option("--kerf", o.Kerf);
        app.add_option("--trim", o.Trim);
        app.add_option("--min-offcut", o.MinOffcut);
        app.add_option("--time-limit", o.TimeLimit);
    }
    app.add_flag("-h,--help", o.Help);
    app.parse(argc - 1, argv + 1);
    if (o.Help) {
        out.Write(HelpText);
        return;
    }
    if (o.File.empty()) throw UsageError(std::string(argv[1]) + " needs a parts-list file");
    const std::vector<cutlist::Group> groups = GroupsOf(o, in);
    if (takeoff) {
        out.Write(o.Json ? TakeoffJson(groups) : o.Csv ? TakeoffCsv(groups) : TakeoffTable(groups));
        return;
    }
    const std::vector<Planned> planned = Plan(groups, o);
    out.Write(o.Json ? CutlistJson(planned) : o.Csv ? CutlistCsv(planned) : CutlistTable(planned));
}

} // namespace cli
