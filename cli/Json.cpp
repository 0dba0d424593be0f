#include "cli/Json.h"

#include "partslist/Describe.h"

#include <nlohmann/json.hpp>

namespace cli {
namespace {

// In the order the keys are set, which is the file's order of columns.
using Json = nlohmann::ordered_json;

// Compact, a number as the shortest text that reads back as the same double.
// A file name from the command line need not be UTF-8: a byte that is not
// becomes U+FFFD rather than an exception.
std::string Dumped(const Json& value) {
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

template <class T> Json OrNull(const std::optional<T>& value) {
    return value ? Json(*value) : Json();
}

Json Money(std::optional<long long> cents) {
    return cents ? Json(double(*cents) / 100.0) : Json();
}

Json LineJson(const partslist::Line& line, const partslist::LineResult& result,
              std::int32_t weighedAt, std::optional<double> pricePerKg) {
    static constexpr const char* RowKeys[3][2] = {
        {"a", "a_unit"}, {"b", "b_unit"}, {"c", "c_unit"}};
    Json j;
    j["kind"] = partslist::KindName(line.Kind);
    j["type"] = partslist::TypeName(line);
    j["size"] = line.Size.empty() ? Json() : Json(line.Size);
    for (std::size_t r = 0; r < 3; ++r) {
        const calc::Length& row = line.Rows[r];
        j[RowKeys[r][0]] = row.Unit ? Json(row.Value) : Json();
        j[RowKeys[r][1]] = row.Unit ? Json(row.Unit->Name) : Json();
    }
    j["quantity"] = line.Quantity;
    j["material"] = line.Material;
    j["density_kg_m3"] = weighedAt;
    j["cut_by_weight"] = line.Kind == partslist::Kind::Aperture ? Json(line.CutByWeight) : Json();
    j["volume_m3"] = OrNull(result.Volume);
    j["weight_kg"] = result.Weight;
    j["cost"] = Money(partslist::CostCents(result, pricePerKg)); // null without a price
    return j;
}

} // namespace

void WriteJson(Writer& out, const std::string* fileName, std::span<const partslist::Line> lines,
               const partslist::Replay& replay, std::optional<double> pricePerKg) {
    std::string text = "{\n";
    if (fileName) text += "  \"file\": " + Dumped(*fileName) + ",\n";
    text += "  \"price_per_kg\": " + Dumped(OrNull(pricePerKg)) + ",\n  \"lines\": [";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const partslist::LineResult& result = replay.Lines[i];
        text += i ? ",\n    " : "\n    ";
        text +=
            Dumped(LineJson(lines[i], result,
                            partslist::WeighedAt(lines[i], result, replay.WeighedAt), pricePerKg));
        if (text.size() >= 1 << 16) {
            out.Write(text);
            text.clear();
        }
    }
    Json totals;
    totals["weight_kg"] = replay.State.TotalWeight;
    totals["volume_m3"] = replay.VolumeMarker ? Json() : Json(replay.State.TotalVolume);
    totals["cost"] = partslist::Costed(replay.Lines, pricePerKg)
                         ? Money(partslist::TotalCostCents(replay.Lines, pricePerKg))
                         : Json();
    text += lines.empty() ? "],\n" : "\n  ],\n";
    text += "  \"totals\": " + Dumped(totals) + "\n}";
    out.Write(text);
}

} // namespace cli
