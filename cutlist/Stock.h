#pragma once
// The stock and the saw as a person gives them, for one group of the
// take-off: stock lengths in millimetres, each with a price per bar, or "by
// weight", or none, and a count on hand; kerf, trims and the shortest
// usable offcut. Written as text the way kubatrix-calc's --stock reads it
// ("6000:60,12000:114x2,6000:w"), which is also how the window remembers it.
#include "cutlist/Cutlist.h"
#include "cutlist/Takeoff.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cutlist {

struct StockOffer {
    double LengthMm = 0;
    std::optional<double> Price; // per bar
    bool ByWeight = false;       // priced at the bar's weight, at the material's price per kg
    std::optional<int> OnHand;   // bars already in stock: used first, at most this many

    bool operator==(const StockOffer&) const = default;
};

struct Settings {
    std::vector<StockOffer> Stocks{{6000, {}, false, {}}, {12000, {}, false, {}}};
    double KerfMm = 3, TrimMm = 0, MinOffcutMm = 500;

    bool operator==(const Settings&) const = default;
};

// LENGTH[:PRICE][xCOUNT], comma-separated: a length in mm, a price per bar
// or "w" for by weight, a count on hand; numbers with a point for decimals.
// Throws calc::Error naming the entry and what is wrong with it. An empty
// text is no stock length at all.
std::vector<StockOffer> ReadStocks(std::string_view text);
std::string StocksText(std::span<const StockOffer> stocks);

// A number as kubatrix-calc and the stock text write it: the digits of the
// double, a point for decimals, nothing else. Nothing for anything else.
std::optional<double> ReadNumber(std::string_view text);

// The job of a group: its pieces on the stock offered, a price by weight
// worked out as the bar's length at the group's price of a metre, in whole
// cents. Throws calc::Error for by weight where a line has no price.
Job JobOf(const Group& group, const Settings& settings, double timeLimitSeconds);

// A line's part of what its group's bars cost: the plan's cost in cents
// shared over the lines by the length of their pieces, the largest
// remainders taking the odd cents, so that the lines add up to the plan's
// cost. (line, cents) for each line of the group; none without prices.
struct LineCost {
    int Line = 0;
    long long Cents = 0;
};
std::vector<LineCost> CostByLine(const Group& group, const Plan& plan);

// Where a plan meets its bound, how far above it is: (plan - bound) / plan
// in per cent; 0 for a plan proven optimal.
double GapPercent(const Plan& plan);

} // namespace cutlist
