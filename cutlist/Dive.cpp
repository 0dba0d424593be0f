// The quick ways to an integer plan from the relaxation: diving, and GLPK's
// branch and bound over the patterns found so far.
#include "cutlist/Search.h"

#include <cmath>

namespace cutlist::detail {
namespace {

constexpr double Whole = 1e-6; // a value this close to a whole number is one

// What the lower bounds on patterns leave of each piece type's demand.
std::vector<int> Residual(const Instance& in, const Master& master) {
    std::vector<int> left = in.Demand;
    for (std::size_t p = 0; p < master.Patterns().size(); ++p)
        if (const double lower = master.Lower(p); lower > 0)
            for (const auto& [type, copies] : master.Patterns()[p].Counts)
                left[std::size_t(type)] =
                    std::max(0, left[std::size_t(type)] - copies * int(lower));
    return left;
}

// Whether one more bar of the pattern's stock stays within its count.
bool Room(const Instance& in, const Master& master, std::size_t pattern) {
    const int stock = master.Patterns()[pattern].Stock;
    if (in.Limit[std::size_t(stock)] < 0) return true;
    double used = 0;
    for (std::size_t p = 0; p < master.Patterns().size(); ++p)
        if (master.Patterns()[p].Stock == stock) used += master.Lower(p);
    return used + 1 <= in.Limit[std::size_t(stock)];
}

// Rounds every pattern down to its whole bars; where none has a whole bar
// more, rounds up the one nearest to its next bar. False: nothing to fix.
bool Fix(const Instance& in, Master& master, const std::vector<double>& values) {
    bool fixed = false;
    for (std::size_t p = 0; p < values.size(); ++p)
        if (const double down = std::floor(values[p] + Whole); down > master.Lower(p)) {
            master.SetLower(p, down);
            fixed = true;
        }
    if (fixed) return true;
    std::size_t chosen = values.size();
    double nearest = Whole;
    for (std::size_t p = 0; p < values.size(); ++p)
        if (const double part = values[p] - master.Lower(p);
            part > nearest && Room(in, master, p)) {
            nearest = part;
            chosen = p;
        }
    if (chosen == values.size()) return false;
    master.SetLower(chosen, master.Lower(chosen) + 1);
    return true;
}

} // namespace

bool SearchState::Offer(Integral plan) {
    Normalize(In, plan);
    if (plan.Bars.empty() || Meets(Best.Objective, plan.Objective)) return false;
    Best = std::move(plan);
    return true;
}

GenerateOptions SearchState::Options(bool withBound) const {
    GenerateOptions options;
    options.Copies = In.Demand;
    options.Cutoff = Best.Objective;
    options.WithBound = withBound;
    options.Deadline = Deadline;
    return options;
}

Integral FromValues(const Master& master, const std::vector<double>& values) {
    Integral plan;
    for (std::size_t p = 0; p < values.size(); ++p)
        if (const long bars = std::lround(values[p]); bars > 0)
            plan.Bars.emplace_back(master.Patterns()[p], int(bars));
    return plan;
}

bool AllWhole(const std::vector<double>& values) {
    for (double value : values)
        if (std::fabs(value - std::round(value)) > Whole) return false;
    return true;
}

void Dive(SearchState& state) {
    Master& master = state.Lp;
    for (;;) {
        GenerateOptions options = state.Options(false);
        options.Copies = Residual(state.In, master);
        const Generated generated = Generate(master, state.Prices, state.In, options);
        if (generated.Why != Generated::Stop::Converged || master.ArtificialLevel() > Whole) break;
        // The rest cannot be cut for less than this: no better plan below.
        if (Meets(state.Best.Objective, RoundUpToPlanValue(state.In, generated.Objective))) break;
        const std::vector<double> values = master.Values();
        if (AllWhole(values)) {
            state.Offer(FromValues(master, values));
            break;
        }
        if (!Fix(state.In, master, values)) break;
    }
    master.ClearLowers();
}

void PriceAndBranch(SearchState& state, double seconds) {
    const auto bars = state.Lp.SolveInteger(seconds, state.Bound);
    if (!bars) return;
    Integral plan;
    for (std::size_t p = 0; p < bars->size(); ++p)
        if ((*bars)[p] > 0) plan.Bars.emplace_back(state.Lp.Patterns()[p], (*bars)[p]);
    state.Offer(std::move(plan));
}

} // namespace cutlist::detail
