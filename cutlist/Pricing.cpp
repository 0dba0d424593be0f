#include "cutlist/Pricing.h"

#include <algorithm>
#include <numeric>

namespace cutlist::detail {
namespace {

constexpr double Unreached = -1e300;
// The table of choices, two bytes a position and type: up to 40 MB.
constexpr std::size_t TableLimit = 20'000'000;
// Below this many steps the table is quicker than branching; above it, a
// 12 m bar in millimetres with forty lengths, branching wins by far.
constexpr double TableWork = 400'000;
constexpr long NodeLimit = 200'000;
// Patterns ending elsewhere that a round of the table offers besides the best.
constexpr std::size_t Alternatives = 8;

// Branch and bound over the copies of each type, the best value per unit of
// capacity first, cut off by the greedy fractional bound (Dantzig's).
class Knapsack {
public:
    struct Item {
        int Type;
        std::int64_t Weight;
        double Value;
        int Most;
    };

    Knapsack(std::vector<Item> items, std::int64_t capacity)
        : items_(std::move(items)), capacity_(capacity), copies_(items_.size()),
          best_(items_.size()) {
        std::sort(items_.begin(), items_.end(), [](const Item& a, const Item& b) {
            return a.Value * double(b.Weight) > b.Value * double(a.Weight);
        });
    }

    bool Solve() {
        Visit(0, capacity_, 0.0);
        return nodes_ <= NodeLimit;
    }

    double Value() const { return bestValue_; }

    Column Pattern(int stock) const {
        Column column{stock, {}};
        for (std::size_t j = 0; j < items_.size(); ++j)
            if (best_[j] > 0) column.Counts.emplace_back(items_[j].Type, best_[j]);
        std::sort(column.Counts.begin(), column.Counts.end());
        return column;
    }

private:
    double Fractional(std::size_t j, std::int64_t room) const {
        double value = 0;
        for (; j < items_.size() && room > 0; ++j) {
            const Item& item = items_[j];
            const std::int64_t whole = std::min<std::int64_t>(item.Most, room / item.Weight);
            value += double(whole) * item.Value;
            room -= whole * item.Weight;
            if (whole < item.Most) return value + double(room) * item.Value / double(item.Weight);
        }
        return value;
    }

    void Visit(std::size_t j, std::int64_t room, double value) {
        if (++nodes_ > NodeLimit) return;
        if (value > bestValue_) {
            bestValue_ = value;
            best_ = copies_;
        }
        if (j == items_.size() || value + Fractional(j, room) <= bestValue_ + 1e-12) return;
        const Item& item = items_[j];
        for (int n = int(std::min<std::int64_t>(item.Most, room / item.Weight)); n >= 0; --n) {
            copies_[j] = n;
            Visit(j + 1, room - n * item.Weight, value + n * item.Value);
            if (nodes_ > NodeLimit) break;
        }
        copies_[j] = 0;
    }

    std::vector<Item> items_;
    std::int64_t capacity_;
    std::vector<int> copies_, best_;
    double bestValue_ = 0;
    long nodes_ = 0;
};

} // namespace

std::vector<Arc> ArcsOf(const Instance& in, const Column& column) {
    std::vector<Arc> arcs;
    std::int64_t at = 0;
    for (const auto& [type, copies] : column.Counts)
        for (int n = 0; n < copies; ++n) {
            arcs.push_back({type, -1, at});
            at += in.Weight[std::size_t(type)];
        }
    arcs.push_back({Arc::End, column.Stock, at});
    arcs.push_back({Arc::Stock, column.Stock, 0});
    return arcs;
}

Pricer::Pricer(const Instance& in) : in_(in), longest_(std::ranges::max(in.Capacity)) {
    tableFits_ = double(in.Weight.size()) * double(longest_ + 1) <= double(TableLimit);
}

PricingResult Pricer::Price(const PricingInput& input) {
    // What branching on a stock's count adds is the same for every pattern of
    // that stock: it leaves the knapsack as it is.
    std::vector<double> shift(in_.Capacity.size(), 0.0);
    bool positional = false;
    for (const auto& [arc, value] : input.Extra) {
        if (arc.Type == Arc::Stock)
            shift[std::size_t(arc.Of)] += value;
        else
            positional = true;
    }
    PricingResult result = positional ? Walk(input) : Plain(input);
    for (std::size_t k = 0; k < result.Best.size(); ++k) {
        result.Best[k].Value += shift[k];
        for (auto& other : result.Best[k].Others)
            other.first += shift[k];
    }
    return result;
}

PricingResult Pricer::Plain(const PricingInput& input) {
    double work = 0;
    for (std::size_t t = 0; t < in_.Weight.size(); ++t)
        if (input.Value[t] > 0)
            work += double(std::min<std::int64_t>(input.Bound[t], longest_ / in_.Weight[t])) *
                    double(longest_ + 1);
    if (tableFits_ && work <= TableWork) return Walk(input);
    PricingResult result;
    result.Best.resize(in_.Capacity.size());
    for (std::size_t k = 0; k < in_.Capacity.size(); ++k) {
        if (!input.Wanted[k]) continue;
        const std::int64_t capacity = in_.Capacity[k];
        std::vector<Knapsack::Item> items;
        for (std::size_t t = 0; t < in_.Weight.size(); ++t) {
            const int most = int(std::min<std::int64_t>(input.Bound[t], capacity / in_.Weight[t]));
            if (input.Value[t] > 0 && most > 0)
                items.push_back({int(t), in_.Weight[t], input.Value[t], most});
        }
        Knapsack knapsack(std::move(items), capacity);
        if (knapsack.Solve())
            result.Best[k] = {knapsack.Value(), knapsack.Pattern(int(k)), {}};
        else
            result.Exact = false;
    }
    // Where branching gave up, the table prices exactly, if it fits.
    return result.Exact || !tableFits_ ? result : Walk(input);
}

// The table: best_[s] is the most a canonical pattern of the types so far
// can be worth ending exactly at position s; choice_ keeps how many copies
// of each type got there, to walk back.
PricingResult Pricer::Walk(const PricingInput& input) {
    if (!tableFits_) return {std::vector<Priced>(in_.Capacity.size()), false};
    std::int64_t reach = 0;
    for (std::size_t k = 0; k < in_.Capacity.size(); ++k)
        if (input.Wanted[k]) reach = std::max(reach, in_.Capacity[k]);
    const std::size_t width = std::size_t(reach) + 1;
    best_.assign(width, Unreached);
    best_[0] = 0;
    choice_.assign(in_.Weight.size() * width, 0);
    std::vector<double> extra(width, 0.0);

    for (std::size_t t = 0; t < in_.Weight.size(); ++t) {
        const std::int64_t weight = in_.Weight[t];
        const auto from = input.Extra.lower_bound({int(t), -1, 0});
        const auto to = input.Extra.lower_bound({int(t) + 1, -1, 0});
        bool worth = input.Value[t] > 0;
        for (auto it = from; it != to; ++it) {
            if (it->first.At < reach) extra[std::size_t(it->first.At)] = it->second;
            worth = worth || it->second > 0;
        }
        const int most = int(std::min<std::int64_t>({input.Bound[t], reach / weight, 65535}));
        if (worth && most > 0) {
            next_ = best_;
            std::uint16_t* choice = &choice_[t * width];
            for (std::int64_t start = 0; start + weight <= reach; ++start) {
                if (best_[std::size_t(start)] == Unreached) continue;
                double value = best_[std::size_t(start)];
                std::int64_t at = start;
                for (int n = 1; n <= most && at + weight <= reach; ++n) {
                    value += input.Value[t] + extra[std::size_t(at)];
                    at += weight;
                    if (value > next_[std::size_t(at)]) {
                        next_[std::size_t(at)] = value;
                        choice[at] = std::uint16_t(n);
                    }
                }
            }
            best_.swap(next_);
        }
        for (auto it = from; it != to; ++it)
            if (it->first.At < reach) extra[std::size_t(it->first.At)] = 0;
    }

    PricingResult result;
    result.Best.resize(in_.Capacity.size());
    for (std::size_t k = 0; k < in_.Capacity.size(); ++k) {
        if (!input.Wanted[k]) continue;
        const std::int64_t capacity = in_.Capacity[k];
        // Ends with a value of their own, from branching on where a pattern of
        // this stock ends.
        std::map<std::int64_t, double> ends;
        for (auto it = input.Extra.lower_bound({Arc::End, int(k), 0});
             it != input.Extra.end() && it->first.Type == Arc::End && it->first.Of == int(k); ++it)
            ends[it->first.At] = it->second;
        std::vector<std::pair<double, std::int64_t>> ranked;
        for (std::int64_t at = 0; at <= capacity; ++at) {
            double here = best_[std::size_t(at)];
            if (here == Unreached) continue;
            if (!ends.empty())
                if (const auto it = ends.find(at); it != ends.end()) here += it->second;
            ranked.emplace_back(-here, at);
        }
        const std::size_t keep = std::min(ranked.size(), Alternatives + 1);
        std::partial_sort(ranked.begin(), ranked.begin() + std::ptrdiff_t(keep), ranked.end());
        Priced& priced = result.Best[k];
        priced.Value = -ranked[0].first;
        priced.Pattern = WalkBack(int(k), ranked[0].second, width);
        for (std::size_t i = 1; i < keep; ++i)
            if (-ranked[i].first > 0)
                priced.Others.emplace_back(-ranked[i].first,
                                           WalkBack(int(k), ranked[i].second, width));
    }
    return result;
}

Column Pricer::WalkBack(int stock, std::int64_t end, std::size_t width) const {
    Column column{stock, {}};
    std::int64_t at = end;
    for (std::size_t t = in_.Weight.size(); t-- > 0;) {
        const int copies = choice_[t * width + std::size_t(at)];
        if (copies > 0) {
            column.Counts.emplace_back(int(t), copies);
            at -= copies * in_.Weight[t];
        }
    }
    std::reverse(column.Counts.begin(), column.Counts.end());
    return column;
}

} // namespace cutlist::detail
