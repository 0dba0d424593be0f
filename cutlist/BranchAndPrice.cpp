// Branch-and-price on arc flows (Valerio de Carvalho; Vance). Add up the
// bars over each arc: all bars of a stock; bars of a stock ending at a
// position; bars cutting a piece of a type starting at a position, each
// pattern written in its canonical order. Branch on an arc whose flow is not
// whole: at least the next whole number of bars use it, or at most the one
// below. Stock counts first, since they decide the cost; once they are whole
// a dive looks for a plan with that mix of stock. When every arc's flow is
// whole, the flow splits into whole bars that cost what the relaxation
// costs. The pricing walks positions to price what a row adds to an arc; a
// stock's count only shifts its patterns' value.
#include "cutlist/Search.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace cutlist::detail {
namespace {

constexpr double Whole = 1e-6;
constexpr long NodeDive = 200; // nodes of a dive under a new mix of stock

using Flows = std::map<Arc, double>;

Flows FlowsOf(const Master& master, const std::vector<double>& values) {
    Flows flows;
    for (std::size_t p = 0; p < values.size(); ++p)
        if (values[p] > 1e-9)
            for (const Arc& arc : master.ArcsOfPattern(p))
                flows[arc] += values[p];
    return flows;
}

// The arc of this kind whose flow is furthest from whole, if any.
const Flows::value_type* Fractional(const Flows& flows, bool counts) {
    const Flows::value_type* chosen = nullptr;
    double furthest = Whole;
    for (const auto& entry : flows) {
        if ((entry.first.Type == Arc::Stock) != counts) continue;
        const double part = entry.second - std::floor(entry.second);
        if (const double distance = std::min(part, 1 - part); distance > furthest) {
            furthest = distance;
            chosen = &entry;
        }
    }
    return chosen;
}

// Whole flows split into bars: from position 0 follow any arc with flow
// left, one bar at a time, until an end. Conservation at every position
// (what comes in goes on or ends) means the walk never sticks.
std::optional<Integral> Decompose(const Instance& in, const Flows& flows) {
    std::map<std::int64_t, std::vector<std::pair<Arc, long>>> leaving;
    long bars = 0;
    for (const auto& [arc, flow] : flows) {
        const long whole = std::lround(flow);
        if (whole <= 0 || arc.Type == Arc::Stock) continue;
        leaving[arc.At].emplace_back(arc, whole);
        if (arc.Type == Arc::End) bars += whole;
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
            if (it->first.Type == Arc::End) {
                plan.Bars.emplace_back(Column{it->first.Of, {counts.begin(), counts.end()}}, 1);
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
        Node(false);
        return complete_;
    }

private:
    // newMix: the last branch was on a stock's count.
    void Node(bool newMix) {
        if (state_.Done()) return;
        if (state_.Deadline->SecondsLeft() <= 0) {
            complete_ = false;
            return;
        }
        Master& master = state_.Lp;
        const Generated generated = Generate(master, state_.Prices, state_.In, state_.Options());
        using Stop = Generated::Stop;
        if (generated.Why == Stop::Time || generated.Why == Stop::Failed) {
            complete_ = false;
            return;
        }
        if (generated.Why == Stop::Pruned ||
            (std::isfinite(generated.Bound) &&
             Meets(state_.Best.Objective, RoundUpToPlanValue(state_.In, generated.Bound))))
            return;
        const std::vector<double> values = master.Values();
        const bool artificial = master.ArtificialLevel() > Whole;
        if (!artificial && AllWhole(values)) {
            state_.Offer(FromValues(master, values));
            return;
        }
        const Flows flows = FlowsOf(master, values);
        if (const auto* count = Fractional(flows, true)) {
            const auto [arc, flow] = *count;
            Children(arc, flow, flow - std::floor(flow) < 0.5, true);
            return;
        }
        // With one stock length its count only restates the bound, and the
        // first dive has been there.
        if (newMix && state_.In.Cost.size() > 1) {
            Dive(state_, NodeDive);
            if (Meets(state_.Best.Objective, RoundUpToPlanValue(state_.In, generated.Objective)))
                return; // the dive met this node's own relaxation
        }
        if (!state_.Prices.CanWalkPositions()) {
            complete_ = false; // no finer branching: this node stays open
            return;
        }
        if (const auto* branch = Fractional(flows, false)) {
            Children(branch->first, branch->second, false, false);
            return;
        }
        // Whole flows: the relaxation's value in whole bars, unless an
        // artificial column is still in use, which no branching here removes;
        // then this node stays open and nothing is proven.
        if (const auto plan = Decompose(state_.In, flows); plan && !artificial)
            state_.Offer(*plan);
        else
            complete_ = false;
    }

    void Children(const Arc& arc, double flow, bool downFirst, bool mix) {
        for (bool down : {downFirst, !downFirst}) {
            state_.Lp.Push(arc, !down, down ? std::floor(flow) : std::ceil(flow));
            Node(mix);
            state_.Lp.Pop();
            if (state_.Done()) return;
        }
    }

    SearchState& state_;
    bool complete_ = true;
};

} // namespace

bool BranchAndPrice(SearchState& state) {
    return Tree(state).Search();
}

} // namespace cutlist::detail
