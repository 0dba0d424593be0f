#include "cli/CutlistOutput.h"

#include "calc/Calculator.h"
#include "catalogue/Csv.h"
#include "cli/Output.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>
#include <vector>

namespace cli {
namespace {

using Json = nlohmann::ordered_json;

std::string Mm(cutlist::Tenths t) {
    return cutlist::MmText(double(t) / 10);
}

std::string Money(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

std::string Money(std::optional<long long> cents) {
    return cents ? Money(double(*cents) / 100) : "";
}

std::string Percent(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

// A whole number as one, so that JSON reads 12000 rather than 12000.0.
Json Number(double value) {
    if (std::fabs(value) < 1e15 && value == std::trunc(value)) return Json(std::int64_t(value));
    return Json(value);
}

Json MoneyJson(std::optional<double> value) {
    return value ? Number(std::round(*value * 100) / 100) : Json();
}

std::string Dumped(const Json& value) {
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// text += separator + more, without making the sum first: GCC 12 at -O3
// takes `(c ? "," : "") + std::string` for an overlapping copy (-Wrestrict).
void Append(std::string& text, const char* separator, const std::string& more) {
    text += separator;
    text += more;
}

std::string LinesText(const std::vector<int>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size();) {
        std::size_t j = i;
        while (j + 1 < lines.size() && lines[j + 1] == lines[j] + 1)
            ++j;
        Append(text, text.empty() ? "" : ",", std::to_string(lines[i]));
        if (j > i) Append(text, j == i + 1 ? "," : "-", std::to_string(lines[j]));
        i = j + 1;
    }
    return text;
}

std::string CsvRow(const Row& row) {
    std::string line;
    for (std::size_t c = 0; c < row.size(); ++c) {
        if (c) line += ',';
        catalogue::csv::AppendField(line, row[c]);
    }
    return line + "\r\n";
}

std::string Weight(double kg) {
    return calc::WeightText(kg, "kilogram", '.');
}

// "170 scrap", "1200 remnant"; nothing where a bar is cut to its end.
std::string OffcutText(const cutlist::Pattern& p) {
    if (p.Offcut == 0) return "";
    return Mm(p.Offcut) + (p.Remnant ? " remnant" : " scrap");
}

std::string PlanLine(const Planned& p) {
    const cutlist::Plan& plan = p.Plan;
    std::string text = p.Group->Item + ", " + p.Group->Material + ": " + std::to_string(plan.Bars) +
                       (plan.Bars == 1 ? " bar" : " bars");
    if (plan.Cost)
        text += ", cost " + Money(*plan.Cost);
    else
        text += ", " + Mm(plan.StockBought) + " mm bought";
    if (plan.ProvenOptimal)
        text += ", proven optimal";
    else
        text +=
            ", not proven optimal: bound " +
            (plan.Cost ? Money(plan.LowerBound) : cutlist::MmText(plan.LowerBound / 10) + " mm") +
            ", gap " + Percent(cutlist::GapPercent(plan)) + " %";
    return text + ", waste " + Percent(plan.WastePercent) + " %\n";
}

std::string BoughtText(const Planned& p) {
    std::string text;
    for (const cutlist::Purchase& b : p.Plan.Bought) {
        text += text.empty() ? "buy " : ", ";
        text += std::to_string(b.Bars) + " x " + Mm(p.Job.Stocks[b.Stock].Length) + " mm";
        if (b.Price) text += " at " + Money(*b.Price);
    }
    return text.empty() ? "" : text + '\n';
}

} // namespace

std::string TakeoffTable(std::span<const cutlist::Group> groups) {
    std::vector<Row> rows{
        {"item", "material", "pieces", "length mm", "weight kg", "cost", "lines"}};
    double weight = 0;
    int pieces = 0;
    std::optional<long long> cost; // only where a group has one
    for (const cutlist::Group& g : groups) {
        rows.push_back({g.Item, g.Material, std::to_string(g.Pieces), cutlist::MmText(g.LengthMm),
                        Weight(g.Weight), Money(g.CostCents), LinesText(g.Lines)});
        weight += g.Weight;
        pieces += g.Pieces;
        if (g.CostCents) cost = cost.value_or(0) + *g.CostCents;
    }
    rows.push_back({"total", "", std::to_string(pieces), "", Weight(weight), Money(cost), ""});
    return Columns(rows, 2, 6);
}

std::string TakeoffCsv(std::span<const cutlist::Group> groups) {
    std::string text =
        CsvRow({"item", "material", "pieces", "length_mm", "weight_kg", "cost", "lines"});
    for (const cutlist::Group& g : groups) {
        std::string lines;
        for (int line : g.Lines)
            Append(lines, lines.empty() ? "" : " ", std::to_string(line));
        text += CsvRow({g.Item, g.Material, std::to_string(g.Pieces), cutlist::MmText(g.LengthMm),
                        Dumped(Json(g.Weight)), Money(g.CostCents), lines});
    }
    return text;
}

std::string TakeoffJson(std::span<const cutlist::Group> groups) {
    std::string text = "{\"groups\": [";
    for (const cutlist::Group& g : groups) {
        Json j;
        j["item"] = g.Item;
        j["material"] = g.Material;
        j["pieces"] = g.Pieces;
        j["length_mm"] = Number(std::round(g.LengthMm * 100) / 100);
        j["weight_kg"] = g.Weight;
        j["cost"] = g.CostCents ? Number(double(*g.CostCents) / 100) : Json();
        j["lines"] = g.Lines;
        Json cuts = Json::array();
        for (const cutlist::Piece& piece : g.Cuts)
            cuts.push_back({{"line", piece.Line},
                            {"length_mm", Number(double(piece.Length) / 10)},
                            {"count", piece.Count}});
        j["cuts"] = cuts;
        Append(text, &g == &groups.front() ? "\n  " : ",\n  ", Dumped(j));
    }
    return text + "\n]}\n";
}

std::string CutlistTable(std::span<const Planned> plans) {
    std::string text;
    int bars = 0;
    double cost = 0;
    bool costed = true;
    for (const Planned& p : plans) {
        if (!text.empty()) text += '\n';
        text += PlanLine(p);
        std::vector<Row> rows{{"bars", "stock mm", "cuts mm (line)", "offcut mm"}};
        for (const cutlist::Pattern& pattern : p.Plan.Patterns) {
            std::string cuts;
            for (std::size_t i = 0; i < pattern.Cuts.size(); ++i)
                Append(cuts, i ? "  " : "",
                       Mm(pattern.Cuts[i]) + " (" + std::to_string(pattern.Lines[i]) + ")");
            rows.push_back({std::to_string(pattern.Count), Mm(p.Job.Stocks[pattern.Stock].Length),
                            cuts, OffcutText(pattern)});
        }
        text += Columns(rows, 0, 2) + BoughtText(p);
        bars += p.Plan.Bars;
        costed = costed && p.Plan.Cost;
        cost += p.Plan.Cost.value_or(0);
    }
    if (plans.size() > 1)
        text += "\ntotal: " + std::to_string(bars) + " bars" +
                (costed ? ", cost " + Money(cost) : "") + '\n';
    return text;
}

std::string CutlistCsv(std::span<const Planned> plans) {
    std::string text = CsvRow({"item", "material", "stock_mm", "count", "cuts_mm", "lines",
                               "offcut_mm", "remnant", "price"});
    for (const Planned& p : plans)
        for (const cutlist::Pattern& pattern : p.Plan.Patterns) {
            std::string cuts, lines;
            for (std::size_t i = 0; i < pattern.Cuts.size(); ++i) {
                Append(cuts, i ? " " : "", Mm(pattern.Cuts[i]));
                Append(lines, i ? " " : "", std::to_string(pattern.Lines[i]));
            }
            const cutlist::Stock& stock = p.Job.Stocks[pattern.Stock];
            text +=
                CsvRow({p.Group->Item, p.Group->Material, Mm(stock.Length),
                        std::to_string(pattern.Count), cuts, lines, Mm(pattern.Offcut),
                        pattern.Remnant ? "yes" : "no", stock.Price ? Money(*stock.Price) : ""});
        }
    return text;
}

std::string CutlistJson(std::span<const Planned> plans) {
    std::string text = "{\"groups\": [";
    int bars = 0;
    double cost = 0;
    bool costed = !plans.empty();
    for (std::size_t g = 0; g < plans.size(); ++g) {
        const Planned& p = plans[g];
        const cutlist::Plan& plan = p.Plan;
        Json j;
        j["item"] = p.Group->Item;
        j["material"] = p.Group->Material;
        Json patterns = Json::array();
        for (const cutlist::Pattern& pattern : plan.Patterns) {
            Json cuts = Json::array();
            for (cutlist::Tenths cut : pattern.Cuts)
                cuts.push_back(Number(double(cut) / 10));
            patterns.push_back(
                {{"stock_mm", Number(double(p.Job.Stocks[pattern.Stock].Length) / 10)},
                 {"count", pattern.Count},
                 {"cuts_mm", cuts},
                 {"lines", pattern.Lines},
                 {"offcut_mm", Number(double(pattern.Offcut) / 10)},
                 {"remnant", pattern.Remnant}});
        }
        j["plans"] = patterns;
        Json bought = Json::array();
        for (const cutlist::Purchase& b : plan.Bought)
            bought.push_back({{"stock_mm", Number(double(p.Job.Stocks[b.Stock].Length) / 10)},
                              {"bars", b.Bars},
                              {"price", MoneyJson(b.Price)}});
        j["bought"] = bought;
        j["bars"] = plan.Bars;
        j["cost"] = MoneyJson(plan.Cost);
        // A bound on cost rounds up to the cent, one on length to the tenth
        // of a millimetre it is counted in: still no plan is below it.
        j["lower_bound"] = plan.Cost ? Number(std::ceil(plan.LowerBound * 100 - 1e-6) / 100)
                                     : Number(plan.LowerBound / 10);
        j["proven_optimal"] = plan.ProvenOptimal;
        j["waste_pct"] = Number(std::round(plan.WastePercent * 10) / 10);
        j["gap_pct"] = Number(std::round(cutlist::GapPercent(plan) * 10) / 10);
        j["stock_bought_mm"] = Number(double(plan.StockBought) / 10);
        j["kerf_mm"] = Number(double(p.Job.Saw.Kerf) / 10);
        j["trim_mm"] = Number(double(p.Job.Saw.Trim) / 10);
        Append(text, g ? ",\n  " : "\n  ", Dumped(j));
        bars += plan.Bars;
        costed = costed && plan.Cost;
        cost += plan.Cost.value_or(0);
    }
    Json totals;
    totals["bars"] = bars;
    totals["cost"] = costed ? MoneyJson(cost) : Json();
    const std::string rest = Dumped(totals); // {"bars":...,"cost":...}
    return text + "\n], " + rest.substr(1) + "\n";
}

} // namespace cli
