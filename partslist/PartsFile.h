#pragma once
// The parts-list file: CSV (RFC 4180), UTF-8, a header row, "." as the
// decimal point whatever the locale. The columns, in the order written:
//   kind, type, size, a, a_unit, b, b_unit, c, c_unit, quantity, material,
//   density, cut_by_weight, price_per_kg, volume_m3, weight_kg
// A file a person wrote may list them in any order and leave out material,
// cut_by_weight, price_per_kg, volume_m3 and weight_kg; volume_m3 and
// weight_kg are written for people and spreadsheets and never read.
#include "partslist/Line.h"
#include "partslist/Replay.h"

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace partslist {

// A list read from a file, and its totals.
struct OpenedList {
    std::vector<Line> Lines;
    std::optional<double> PricePerKg; // per kilogram; none when the file names none
    Replay Totals;
    std::vector<std::string> IgnoredColumns; // header names the file has and no line uses
};

// Reads and replays a file, every line at its own density or all at
// `density`. Nothing of a bad file is used: the first fault throws
// calc::Error with "FILE:LINE: column "NAME": what is wrong". Given onLine,
// each line is handed to it as soon as it is read and replayed instead of
// being kept (the list returned has no lines): a million lines need not be
// held at once.
OpenedList ReadPartsList(std::string_view text, std::string_view fileName,
                         std::optional<std::int32_t> density = {},
                         const std::function<void(const Line&)>& onLine = {});

// The file's text for the lines and what each adds (their replay).
std::string WritePartsList(std::span<const Line> lines, std::optional<double> pricePerKg,
                           const Replay& replay);

// The shortest text that reads back as the same double, "." as the point.
std::string ExactNumber(double value);

} // namespace partslist
