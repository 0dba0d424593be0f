// What a plan's objective can be: a sum of whole bars' costs. A bound from
// the linear relaxation rises to the least such sum at or above it, which is
// what lets "48.2 bars" prove that 49 bars are the least.
#include "cutlist/Instance.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <optional>

namespace cutlist::detail {
namespace {

// The relaxation's value comes out of floating-point sums; a hair less keeps
// "48.000000000001 bars" from becoming a bound of 49.
double Slack(double z) {
    return 1e-9 * std::max(1.0, std::fabs(z));
}

struct Bar {
    double Cost;
    long Limit; // -1: no limit
};

// The least sum of bars' costs at or above target, searched depth first over
// the count of each stock; gives up (returns none) past a budget of nodes,
// since a job with many stock lengths has too many sums to list.
class LeastSum {
public:
    LeastSum(std::vector<Bar> bars, double target) : bars_(std::move(bars)), target_(target) {}

    std::optional<double> Find() {
        Visit(0, 0.0);
        if (nodes_ > Budget || !std::isfinite(best_)) return std::nullopt;
        return best_;
    }

private:
    static constexpr long Budget = 200000;

    void Visit(std::size_t j, double partial) {
        if (partial >= target_) {
            best_ = std::min(best_, partial);
            return;
        }
        if (++nodes_ > Budget || j == bars_.size()) return;
        const Bar& bar = bars_[j];
        double most = std::ceil((target_ - partial) / bar.Cost);
        if (j + 1 == bars_.size() && bar.Limit < 0) { // the rest in the last, cheapest bars
            double value = partial + most * bar.Cost;
            if (value < target_) value += bar.Cost;
            best_ = std::min(best_, value);
            return;
        }
        if (bar.Limit >= 0) most = std::min(most, double(bar.Limit));
        for (double n = 0; n <= most && nodes_ <= Budget; ++n) {
            const double value = partial + n * bar.Cost;
            if (value >= best_) break;
            Visit(j + 1, value);
        }
    }

    std::vector<Bar> bars_;
    double target_;
    double best_ = std::numeric_limits<double>::infinity();
    long nodes_ = 0;
};

} // namespace

double RoundUpToPlanValue(const Instance& in, double z) {
    const double target = z - Slack(z);
    if (target <= 0) return std::max(target, 0.0);
    // Stock with limits first, their loops are short; then the others, dearest
    // first, so the cheapest, which is never limited, comes last.
    std::vector<Bar> bars;
    bool whole = true;
    std::int64_t divisor = 0;
    for (std::size_t k = 0; k < in.Cost.size(); ++k) {
        if (in.Cost[k] <= 0) continue;
        bars.push_back({in.Cost[k], long(in.Limit[k])});
        whole = whole && in.Cost[k] == std::floor(in.Cost[k]) && in.Cost[k] < 0x1p52;
        if (whole) divisor = std::gcd(divisor, std::int64_t(in.Cost[k]));
    }
    std::sort(bars.begin(), bars.end(), [](const Bar& a, const Bar& b) {
        return std::pair(a.Limit < 0, -a.Cost) < std::pair(b.Limit < 0, -b.Cost);
    });
    if (const auto sum = LeastSum(bars, target).Find()) return *sum;
    if (whole && divisor > 0) return std::ceil(target / double(divisor)) * double(divisor);
    return target;
}

bool Meets(double objective, double bound) {
    return objective <= bound + Slack(bound);
}

double MaterialBound(const Instance& in) {
    // The cheapest capacity first, as much of it as there is.
    std::vector<std::size_t> order(in.Cost.size());
    std::iota(order.begin(), order.end(), std::size_t(0));
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return in.Cost[a] / double(in.Capacity[a]) < in.Cost[b] / double(in.Capacity[b]);
    });
    double need = 0;
    for (std::size_t i = 0; i < in.Weight.size(); ++i)
        need += double(in.Weight[i]) * in.Demand[i];
    double cost = 0;
    for (std::size_t k : order) {
        if (need <= 0) break;
        const double capacity = double(in.Capacity[k]);
        const double take = in.Limit[k] < 0 ? need : std::min(need, capacity * double(in.Limit[k]));
        cost += take * in.Cost[k] / capacity;
        need -= take;
    }
    return cost - Slack(cost);
}

} // namespace cutlist::detail
