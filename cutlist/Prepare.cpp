// Millimetres to tenths, and the checks a job passes before anything is
// planned: every message names what to change, and a piece names its line.
#include "calc/Error.h"
#include "cutlist/Instance.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <numeric>
#include <string>

namespace cutlist {
namespace {

Tenths ToTenths(double mm, bool up) {
    if (std::isnan(mm)) throw calc::Error(calc::InvalidOperation);
    if (std::isinf(mm)) throw calc::Error(calc::Overflow);
    if (std::fabs(mm) > double(detail::MaxTenths) / 10)
        throw calc::Error("A cut list takes lengths up to 1000000 mm");
    const double tenths = mm * 10;
    // A typed 3961.1 is 39611.000000000004 tenths as a double: that is 39611,
    // not a hair more that would round up to 39612.
    const double nearest = std::nearbyint(tenths);
    if (std::fabs(tenths - nearest) <= 1e-12 * std::max(1.0, std::fabs(tenths)))
        return Tenths(nearest);
    return Tenths(up ? std::ceil(tenths) : std::floor(tenths));
}

// Appended piece by piece: GCC 12 at -O3 takes "." + text for an
// overlapping copy.
std::string Mm(Tenths t) {
    std::string text = t < 0 ? "-" : "";
    text.append(std::to_string(std::llabs(t) / 10));
    if (t % 10 != 0) text.append(1, '.').append(std::to_string(std::llabs(t) % 10));
    return text.append(" mm");
}

[[noreturn]] void Refuse(const std::string& message) {
    throw calc::Error(message);
}

void CheckSettings(const Job& job) {
    if (!std::isfinite(job.TimeLimitSeconds) || job.TimeLimitSeconds <= 0)
        Refuse("The time limit must be a number of seconds above 0");
    const Cutting& saw = job.Saw;
    if (saw.Kerf < 0) Refuse("The saw kerf must not be negative");
    if (saw.Trim < 0) Refuse("The trim must not be negative");
    if (saw.MinOffcut < 0) Refuse("The shortest usable offcut must not be negative");
    if (std::max({saw.Kerf, saw.Trim, saw.MinOffcut}) > detail::MaxTenths)
        Refuse("A cut list takes lengths up to 1000000 mm");
}

// Prices on every stock length to buy or on none: a cost and a length cannot
// be weighed against each other. Stock on hand may go without a price in a
// priced job (it costs nothing), but not carry one in a job without prices.
bool CheckStocks(const Job& job) {
    if (job.Stocks.empty()) Refuse("Give at least one stock length");
    const Tenths trims = 2 * job.Saw.Trim;
    bool priced = false, toBuy = false;
    for (const Stock& stock : job.Stocks) {
        const std::string name = "Stock length " + Mm(stock.Length);
        if (stock.Length > detail::MaxTenths) Refuse("A cut list takes lengths up to 1000000 mm");
        if (stock.Length <= trims)
            Refuse(trims == 0 ? name + " must be longer than 0 mm"
                              : name + " is not longer than two trims of " + Mm(job.Saw.Trim));
        if (stock.Available && *stock.Available < 1)
            Refuse(name + ": the count on hand must be at least 1");
        if (stock.Price && !(std::isfinite(*stock.Price) && *stock.Price >= 0))
            Refuse(name + ": the price must be a number, 0 or more");
        priced = priced || stock.Price.has_value();
        toBuy = toBuy || !stock.Available;
    }
    for (const Stock& stock : job.Stocks)
        if (priced && !stock.Price && !stock.Available)
            Refuse("Give every stock length a price, or none (stock on hand may go without)");
    if (!toBuy) Refuse("Give at least one stock length to buy, without a count on hand");
    return priced;
}

void CheckPieces(const Job& job) {
    Tenths longest = 0;
    for (const Stock& stock : job.Stocks)
        if (!stock.Available) longest = std::max(longest, stock.Length);
    const Tenths room = longest - 2 * job.Saw.Trim;
    std::int64_t pieces = 0;
    for (const Piece& piece : job.Pieces) {
        const std::string line = "line " + std::to_string(piece.Line) + ": ";
        if (piece.Count < 1) Refuse(line + "the count must be at least 1");
        if (piece.Length <= 0) Refuse(line + "the length must be more than 0 mm");
        if (piece.Length > room)
            Refuse(line + "the piece of " + Mm(piece.Length) +
                   " is longer than the longest stock length to buy (" + Mm(longest) + ")" +
                   (job.Saw.Trim > 0 ? " less two trims of " + Mm(job.Saw.Trim) : ""));
        pieces += piece.Count;
        if (pieces > detail::MaxPieces) Refuse("A cut list takes up to 1000000 pieces");
    }
}

} // namespace

Tenths PieceTenths(double mm) {
    return ToTenths(mm, true);
}
Tenths StockTenths(double mm) {
    return ToTenths(mm, false);
}
Tenths SawTenths(double mm) {
    return ToTenths(mm, true);
}

namespace detail {

Instance Prepare(const Job& job) {
    CheckSettings(job);
    Instance in;
    in.Source = &job;
    in.Priced = CheckStocks(job);
    CheckPieces(job);

    // One type per length, longest first; its lines in ascending order.
    std::map<Tenths, std::map<int, int>, std::greater<>> byLength;
    for (const Piece& piece : job.Pieces) {
        byLength[piece.Length][piece.Line] += piece.Count;
        in.Pieces += piece.Count;
    }
    const Tenths kerf = job.Saw.Kerf;
    in.Unit = 0;
    for (const auto& [length, lines] : byLength) {
        in.Lengths.push_back(length);
        in.Lines.emplace_back(lines.begin(), lines.end());
        int demand = 0;
        for (const auto& line : lines)
            demand += line.second;
        in.Demand.push_back(demand);
        in.Unit = std::gcd(in.Unit, length + kerf);
        in.Weight.push_back(length + kerf);
    }
    if (in.Unit < 1) in.Unit = 1;
    for (auto& weight : in.Weight)
        weight /= in.Unit;

    in.BarsWeight = double(in.Pieces + 1);
    for (const Stock& stock : job.Stocks) {
        in.Capacity.push_back((stock.Length - 2 * job.Saw.Trim + kerf) / in.Unit);
        in.Limit.push_back(stock.Available.value_or(-1));
        const bool bought = stock.Price || !stock.Available;
        in.IsBought.push_back(bought);
        if (in.Priced)
            in.Cost.push_back(stock.Price.value_or(0.0));
        else
            in.Cost.push_back(bought ? double(stock.Length) * in.BarsWeight + 1 : 1.0);
    }
    return in;
}

} // namespace detail
} // namespace cutlist
