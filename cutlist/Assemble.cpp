// From bars per pattern to what the estimator and the saw read: pieces in
// cutting order with their lines, offcuts, bars bought, cost and waste.
#include "cutlist/Instance.h"

#include <algorithm>
#include <deque>
#include <map>

namespace cutlist::detail {

void Normalize(const Instance& in, Integral& plan) {
    std::vector<Column> bars;
    std::vector<long> surplus(in.Demand.size());
    for (std::size_t t = 0; t < surplus.size(); ++t)
        surplus[t] = -in.Demand[t];
    for (const auto& [column, count] : plan.Bars)
        for (int n = 0; n < count; ++n) {
            bars.push_back(column);
            for (const auto& [type, copies] : column.Counts)
                surplus[std::size_t(type)] += copies;
        }
    // Surplus pieces come off the last bars: they stay in the bar as offcut.
    for (auto bar = bars.rbegin(); bar != bars.rend(); ++bar)
        for (auto& [type, copies] : bar->Counts) {
            const int off = int(std::min<long>(copies, std::max(0L, surplus[std::size_t(type)])));
            copies -= off;
            surplus[std::size_t(type)] -= off;
        }
    std::map<Column, int> alike;
    for (Column& bar : bars) {
        std::erase_if(bar.Counts, [](const auto& c) { return c.second == 0; });
        if (!bar.Counts.empty()) ++alike[bar];
    }
    plan.Bars.clear();
    plan.Objective = 0;
    for (const auto& [column, count] : alike) {
        plan.Bars.emplace_back(column, count);
        plan.Objective += count * in.Cost[std::size_t(column.Stock)];
    }
}

Plan Assemble(const Instance& in, const Integral& integral) {
    const Job& job = *in.Source;
    const Cutting& saw = job.Saw;
    auto order = integral.Bars;
    // Longest stock first, then the patterns cut most often.
    std::stable_sort(order.begin(), order.end(), [&](const auto& a, const auto& b) {
        const Tenths la = job.Stocks[std::size_t(a.first.Stock)].Length;
        const Tenths lb = job.Stocks[std::size_t(b.first.Stock)].Length;
        return std::tie(lb, a.first.Stock, b.second) < std::tie(la, b.first.Stock, a.second);
    });

    Plan plan;
    // Line numbers, handed out in ascending order to the cuts of each length as
    // the plan lists them: the same plan always names the same lines.
    std::vector<std::deque<std::pair<int, int>>> lines;
    for (const auto& ofLength : in.Lines)
        lines.emplace_back(ofLength.begin(), ofLength.end());
    std::vector<int> barsOf(job.Stocks.size(), 0);
    double length = 0, waste = 0;
    for (const auto& [column, count] : order) {
        const Tenths stock = job.Stocks[std::size_t(column.Stock)].Length;
        Pattern pattern{std::size_t(column.Stock), 1, {}, {}, 0, false};
        Tenths pieces = 0;
        for (const auto& [type, copies] : column.Counts)
            for (int n = 0; n < copies; ++n) {
                pattern.Cuts.push_back(in.Lengths[std::size_t(type)]);
                pieces += in.Lengths[std::size_t(type)];
            }
        const Tenths cuts = Tenths(pattern.Cuts.size());
        pattern.Offcut = std::max<Tenths>(0, stock - 2 * saw.Trim - pieces - cuts * saw.Kerf);
        pattern.Remnant = pattern.Offcut > 0 && pattern.Offcut >= saw.MinOffcut;
        const Tenths kept = pattern.Remnant ? pattern.Offcut : 0;
        for (int n = 0; n < count; ++n) {
            pattern.Lines.clear();
            for (const auto& [type, copies] : column.Counts)
                for (int c = 0; c < copies; ++c) {
                    auto& queue = lines[std::size_t(type)];
                    pattern.Lines.push_back(queue.front().first);
                    if (--queue.front().second == 0) queue.pop_front();
                }
            if (!plan.Patterns.empty() && plan.Patterns.back().Stock == pattern.Stock &&
                plan.Patterns.back().Cuts == pattern.Cuts &&
                plan.Patterns.back().Lines == pattern.Lines)
                ++plan.Patterns.back().Count;
            else
                plan.Patterns.push_back(pattern);
        }
        barsOf[std::size_t(column.Stock)] += count;
        plan.Bars += count;
        length += double(stock) * count;
        waste += double(stock - pieces - kept) * count;
    }

    if (in.Priced) plan.Cost = 0.0;
    for (std::size_t k = 0; k < job.Stocks.size(); ++k) {
        if (!in.IsBought[k] || barsOf[k] == 0) continue;
        plan.Bought.push_back({k, barsOf[k], job.Stocks[k].Price});
        plan.StockBought += job.Stocks[k].Length * barsOf[k];
        if (in.Priced) *plan.Cost += barsOf[k] * job.Stocks[k].Price.value_or(0);
    }
    plan.WastePercent = length > 0 ? 100 * waste / length : 0;
    return plan;
}

} // namespace cutlist::detail
