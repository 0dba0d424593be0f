#include "cutlist/Takeoff.h"

#include "partslist/Describe.h"

#include <cmath>
#include <cstdio>
#include <map>

namespace cutlist {
namespace {

// What a line is cut from and how long each piece is; no item for a line
// not cut from stock.
struct Cut {
    std::string Item;
    double LengthMm = 0;
};

std::optional<Cut> CutOf(const partslist::Line& line) {
    if (line.Kind != calc::Kind::Object || !line.Type) return std::nullopt;
    const auto mm = [&](std::size_t row) { return line.Rows[row].Millimetres(); };
    const std::string_view type = line.Type->Name;
    if (partslist::IsSection(line)) return Cut{line.Size, mm(2)};
    if (const auto profile = partslist::ProfileOf(line)) {
        if (line.Size.empty()) return std::nullopt;
        if (*profile == catalogue::Profile::HexagonalBar)
            return Cut{"Hexagon " + line.Size + " mm", mm(2)};
        return Cut{partslist::TypeAndSize(line), mm(2)};
    }
    if (type == "Cylinder") return Cut{"Round bar \u00D8 " + MmText(mm(0)) + " mm", mm(1)};
    if (type == "Pipe")
        return Cut{"Tube " + MmText(mm(0)) + " \u00D7 " + MmText(mm(1)) + " mm", mm(2)};
    if (type == "Hexahedron") return Cut{"Hexagon " + MmText(mm(0)) + " mm", mm(1)};
    return std::nullopt;
}

} // namespace

std::string MmText(double mm) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", std::round(mm * 100) / 100);
    std::string out = text;
    while (out.back() == '0')
        out.pop_back();
    if (out.back() == '.') out.pop_back();
    return out == "-0" ? "0" : out;
}

std::vector<Group> TakeOff(std::span<const partslist::Line> lines,
                           std::span<const partslist::LineResult> results,
                           std::optional<double> listPrice) {
    std::vector<Group> groups;
    std::map<std::pair<std::string, std::string>, std::size_t> index;
    // Per group: its lines' results, costed as the list costs them; the cost
    // at full precision, for a metre by weight; whether every line had a price.
    std::vector<std::vector<partslist::LineResult>> costed;
    std::vector<long double> priced;
    std::vector<bool> everyLine;
    for (std::size_t i = 0; i < lines.size() && i < results.size(); ++i) {
        const auto cut = CutOf(lines[i]);
        if (!cut) continue;
        const std::string material = lines[i].Material.empty()
                                         ? std::to_string(lines[i].Density) + " kg/m3"
                                         : lines[i].Material;
        const auto [at, added] = index.try_emplace({cut->Item, material}, groups.size());
        if (added) {
            groups.push_back({cut->Item, at->first.second, {}, 0, 0, 0, {}, {}, {}});
            costed.emplace_back();
            priced.push_back(0);
            everyLine.push_back(true);
        }
        Group& g = groups[at->second];
        const int line = int(i) + 1;
        const int quantity = lines[i].Quantity;
        const partslist::LineResult& result = results[i];
        g.Lines.push_back(line);
        g.Pieces += quantity;
        g.LengthMm += cut->LengthMm * quantity;
        g.Weight += result.Weight;
        // A piece past what a cut list takes (a kilometre) stays in the take-off,
        // a hair longer, so that planning it names its line as too long.
        constexpr double Kilometre = 1e6;
        g.Cuts.push_back(
            {cut->LengthMm > Kilometre ? PieceTenths(Kilometre) + 1 : PieceTenths(cut->LengthMm),
             quantity, line});
        costed[at->second].push_back(result);
        if (const auto price = partslist::PriceOf(result, listPrice))
            priced[at->second] += static_cast<long double>(result.Weight) * *price;
        else
            everyLine[at->second] = false;
    }
    for (std::size_t k = 0; k < groups.size(); ++k) {
        Group& g = groups[k];
        if (partslist::Costed(costed[k], listPrice))
            g.CostCents = partslist::TotalCostCents(costed[k], listPrice);
        if (everyLine[k] && g.LengthMm > 0)
            g.PricePerMetre = double(priced[k] / (static_cast<long double>(g.LengthMm) / 1000));
    }
    return groups;
}

} // namespace cutlist
