// Branch-and-price on arc flows (Valerio de Carvalho; Vance). Write every
// pattern in its canonical order and add up the bars over each arc: a piece
// of a type starting at a position, or a pattern ending at a position on a
// stock. When every arc's flow is whole, the flow splits into whole bars
// that cost what the relaxation costs; while one is not, branch on it: at
// least the next whole number of bars use it, or at most the one below. The
// pricing walks positions, so it prices what a branching row adds to an arc.
#include "cutlist/Search.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace cutlist::detail {
namespace {

constexpr double Whole = 1e-6;

using Flows = std::map<Arc, double>;

Flows FlowsOf(const Master& master, const std::vector<double>& values) {
    Flows flows;
    for (std::size_t p = 0; p < values.size(); ++p)
        if (values[p] > 1e-9)
            for (const Arc& arc : master.ArcsOfPattern(p))
                flows[arc] += values[p];
    return flows;
}

// The arc whose flow is furthest from whole: pieces' arcs first, then ends.
const Flows::value_type* Fractional(const Flows& flows) {
    const Flows::value_type* chosen = nullptr;
    double furthest = Whole;
    for (bool pieces : {true, false}) {
        for (const auto& entry : flows) {
            if ((entry.first.Type >= 0) != pieces) continue;
            const double part = entry.second - std::floor(entry.second);
            if (const double distance = std::min(part, 1 - part); distance > furthest) {
                furthest = distance;
                chosen = &entry;
            }
        }
        if (chosen) return chosen;
    }
    return nullptr;
}

// Whole flows split into bars: from position 0 follow any arc with flow
// left, one bar at a time, until an end. Conservation at every position
// (what comes in goes on or ends) means the walk never sticks.
std::optional<Integral> Decompose(const Instance& in, const Flows& flows) {
    std::map<std::int64_t, std::vector<std::pair<Arc, long>>> leaving;
    long bars = 0;
    for (const auto& [arc, flow] : flows) {
        const long whole = std::lround(flow);
        if (whole <= 0) continue;
        leaving[arc.At].emplace_back(arc, whole);
        if (arc.Type < 0) bars += whole;
    }
    Integral plan;
    for (; bars > 0; --bars) {
        std::map<int, int> counts;
        std::int64_t at = 0;
        for (;;) {
            auto& out = leaving[at];
            auto it =
                std::find_if(out.begin(), out.end(), [](const auto& a) { return a.second > 0; });
            if (it == out.end()) return std::nullopt;
            --it->second;
            if (it->first.Type < 0) {
                Column column{it->first.Stock, {counts.begin(), counts.end()}, at};
                plan.Bars.emplace_back(std::move(column), 1);
                break;
            }
            ++counts[it->first.Type];
            at += in.Weight[std::size_t(it->first.Type)];
        }
    }
    return plan;
}

class Tree {
public:
    explicit Tree(SearchState& state) : state_(state) {}

    bool Search() {
        Node();
        return complete_;
    }

private:
    void Node() {
        if (state_.Done()) return;
        if (SecondsLeft(state_.Deadline) <= 0) {
            complete_ = false;
            return;
        }
        Master& master = state_.Lp;
        const Generated generated =
            Generate(master, state_.Prices, state_.In, state_.Options(true));
        using Stop = Generated::Stop;
        if (generated.Why == Stop::Time || generated.Why == Stop::Failed) {
            complete_ = false;
            return;
        }
        if (generated.Why == Stop::Pruned) return;
        if (std::isfinite(generated.Bound) &&
            Meets(state_.Best.Objective, RoundUpToPlanValue(state_.In, generated.Bound)))
            return;
        const std::vector<double> values = master.Values();
        const bool artificial = master.ArtificialLevel() > Whole;
        if (!artificial && AllWhole(values)) {
            state_.Offer(FromValues(master, values));
            return;
        }
        const Flows flows = FlowsOf(master, values);
        const auto* branch = Fractional(flows);
        if (!branch) {
            // Whole flows: the relaxation's value in whole bars, unless an
            // artificial column is still in use, which no branching here
            // removes; then this node stays open and nothing is proven.
            if (const auto plan = Decompose(state_.In, flows); plan && !artificial)
                state_.Offer(*plan);
            else
                complete_ = false;
            return;
        }
        const Arc arc = branch->first;
        const double flow = branch->second;
        master.Push(arc, true, std::ceil(flow));
        Node();
        master.Pop();
        master.Push(arc, false, std::floor(flow));
        Node();
        master.Pop();
    }

    SearchState& state_;
    bool complete_ = true;
};

} // namespace

bool BranchAndPrice(SearchState& state) {
    return Tree(state).Search();
}

} // namespace cutlist::detail
