// First-fit decreasing: the greedy plan that cut-list tools make. The solver
// starts from it (its patterns seed the master, its cost is the first plan
// to beat), and the benchmarks compare against it.
#include "calc/Error.h"
#include "cutlist/Instance.h"

#include <algorithm>
#include <limits>

namespace cutlist::detail {
namespace {

struct OpenBar {
    int Stock;
    std::int64_t Used;
    std::vector<std::pair<int, int>> Counts;
};

// The stock a new bar for a piece of this weight comes from: stock on hand
// while there is any that holds it (the longest first), else the stock to
// buy with the least cost per unit of capacity.
int NewBar(const Instance& in, std::int64_t weight, std::vector<int>& onHand) {
    int chosen = -1;
    for (std::size_t k = 0; k < in.Cost.size(); ++k)
        if (in.Limit[k] >= 0 && onHand[k] > 0 && in.Capacity[k] >= weight &&
            (chosen < 0 || in.Capacity[k] > in.Capacity[std::size_t(chosen)]))
            chosen = int(k);
    if (chosen >= 0) {
        --onHand[std::size_t(chosen)];
        return chosen;
    }
    double least = std::numeric_limits<double>::infinity();
    for (std::size_t k = 0; k < in.Cost.size(); ++k)
        if (in.Limit[k] < 0 && in.Capacity[k] >= weight &&
            in.Cost[k] / double(in.Capacity[k]) < least) {
            least = in.Cost[k] / double(in.Capacity[k]);
            chosen = int(k);
        }
    return chosen;
}

// Each bar moves to the cheapest stock that holds what is cut from it.
void Downsize(const Instance& in, std::vector<OpenBar>& bars, std::vector<int>& onHand) {
    for (OpenBar& bar : bars) {
        int chosen = bar.Stock;
        for (std::size_t k = 0; k < in.Cost.size(); ++k)
            if (in.Capacity[k] >= bar.Used && (in.Limit[k] < 0 || onHand[k] > 0) &&
                in.Cost[k] < in.Cost[std::size_t(chosen)])
                chosen = int(k);
        if (chosen == bar.Stock) continue;
        if (in.Limit[std::size_t(bar.Stock)] >= 0) ++onHand[std::size_t(bar.Stock)];
        if (in.Limit[std::size_t(chosen)] >= 0) --onHand[std::size_t(chosen)];
        bar.Stock = chosen;
    }
}

} // namespace

Integral FirstFit(const Instance& in) {
    std::vector<int> onHand = in.Limit;
    std::vector<OpenBar> bars;
    for (std::size_t t = 0; t < in.Demand.size(); ++t) // longest first
        for (int n = 0; n < in.Demand[t]; ++n) {
            const std::int64_t weight = in.Weight[t];
            auto into = std::ranges::find_if(bars, [&](const OpenBar& bar) {
                return bar.Used + weight <= in.Capacity[std::size_t(bar.Stock)];
            });
            if (into == bars.end()) {
                const int stock = NewBar(in, weight, onHand);
                if (stock < 0)
                    throw calc::Error("No stock length holds a piece"); // Prepare refuses it first
                into = bars.insert(bars.end(), OpenBar{stock, 0, {}});
            }
            into->Used += weight;
            if (!into->Counts.empty() && into->Counts.back().first == int(t))
                ++into->Counts.back().second;
            else
                into->Counts.emplace_back(int(t), 1);
        }
    Downsize(in, bars, onHand);
    Integral plan;
    for (OpenBar& bar : bars)
        plan.Bars.emplace_back(Column{bar.Stock, std::move(bar.Counts)}, 1);
    Normalize(in, plan);
    return plan;
}

} // namespace cutlist::detail
