// The quick ways to an integer plan from the relaxation: diving, and GLPK's
// branch and bound over the patterns found so far.
#include "cutlist/Search.h"

#include <algorithm>
#include <cmath>

namespace cutlist::detail {
namespace {

constexpr double Whole = 1e-6;         // a value this close to a whole number is one
constexpr double Half = 0.7;           // rounded up alongside from this share of a bar
constexpr long NodeCompletion = 60000; // steps of bin completion at each node of a dive

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

// A depth-first search over rounding: round every pattern down to its
// whole bars and solve the rest again; where no pattern has a whole bar
// more, round one up, the one nearest its next bar first, then the next
// nearest when that leads nowhere. A branch ends where the rest cannot be
// cut for less than the best plan.
class Diver {
public:
    Diver(SearchState& state, long budget) : state_(state), master_(state.Lp), budget_(budget) {}

    void Visit() {
        if (state_.Done() || ++nodes_ > budget_ || state_.Deadline->SecondsLeft() <= 0) return;
        GenerateOptions options = state_.Options();
        options.Copies = Residual(state_.In, master_);
        const Generated generated = Generate(master_, state_.Prices, state_.In, options);
        using Stop = Generated::Stop;
        if (generated.Why == Stop::Time || generated.Why == Stop::Failed ||
            generated.Why == Stop::Pruned || master_.ArtificialLevel() > Whole)
            return;
        const double target = RoundUpToPlanValue(state_.In, generated.Objective);
        if (Meets(state_.Best.Objective, target)) return;
        const std::vector<double> values = master_.Values();
        OfferRounded(state_, values, target, NodeCompletion);
        if (state_.Done()) return;
        if (AllWhole(values)) {
            state_.Offer(FromValues(master_, values));
            return;
        }
        bool down = false;
        for (std::size_t p = 0; p < values.size(); ++p)
            if (const double whole = std::floor(values[p] + Whole); whole > master_.Lower(p)) {
                Set(p, whole);
                down = true;
            }
        if (down) return Visit(); // rounding down keeps the relaxation's value
        std::vector<std::pair<double, std::size_t>> up;
        for (std::size_t p = 0; p < values.size(); ++p)
            if (const double part = values[p] - master_.Lower(p);
                part > Whole && Room(state_.In, master_, p))
                up.emplace_back(-part, p);
        std::sort(up.begin(), up.end());
        for (std::size_t i = 0; i < std::min<std::size_t>(up.size(), Tries); ++i) {
            const std::size_t mark = trail_.size();
            Set(up[i].second, master_.Lower(up[i].second) + 1);
            RoundUpAlongside(up, i);
            Visit();
            Undo(mark);
            if (state_.Done() || nodes_ > budget_) return;
        }
    }

    void Undo(std::size_t mark) {
        for (; trail_.size() > mark; trail_.pop_back())
            master_.SetLower(trail_.back().first, trail_.back().second);
    }

private:
    static constexpr std::size_t Tries = 3;

    // With the one chosen, rounds up the others that are most of the way to
    // their next bar, as long as the pieces they cut are still wanted: a dive
    // over a plan of many bars would otherwise take a round per bar.
    void RoundUpAlongside(const std::vector<std::pair<double, std::size_t>>& up,
                          std::size_t chosen) {
        std::vector<int> left = Residual(state_.In, master_);
        for (std::size_t j = 0; j < up.size() && -up[j].first >= Half; ++j) {
            const std::size_t p = up[j].second;
            if (j == chosen || !Room(state_.In, master_, p)) continue;
            const auto& counts = master_.Patterns()[p].Counts;
            if (std::any_of(counts.begin(), counts.end(),
                            [&](const auto& c) { return c.second > left[std::size_t(c.first)]; }))
                continue;
            for (const auto& [type, copies] : counts)
                left[std::size_t(type)] -= copies;
            Set(p, master_.Lower(p) + 1);
        }
    }

    void Set(std::size_t pattern, double lower) {
        trail_.emplace_back(pattern, master_.Lower(pattern));
        master_.SetLower(pattern, lower);
    }

    SearchState& state_;
    Master& master_;
    long budget_, nodes_ = 0;
    std::vector<std::pair<std::size_t, double>> trail_;
};

} // namespace

bool SearchState::Offer(Integral plan) {
    Normalize(In, plan);
    if (plan.Bars.empty() || Meets(Best.Objective, plan.Objective)) return false;
    Best = std::move(plan);
    return true;
}

GenerateOptions SearchState::Options() const {
    GenerateOptions options;
    options.Copies = In.Demand;
    options.Cutoff = Best.Objective;
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

void OfferRounded(SearchState& state, const std::vector<double>& values, double target,
                  long budget) {
    const Instance& in = state.In;
    std::vector<int> left = in.Demand;
    std::vector<int> limit = in.Limit;
    Integral plan;
    for (std::size_t p = 0; p < values.size(); ++p) {
        const int bars = int(std::floor(values[p] + Whole));
        if (bars <= 0) continue;
        const Column& pattern = state.Lp.Patterns()[p];
        plan.Bars.emplace_back(pattern, bars);
        for (const auto& [type, copies] : pattern.Counts)
            left[std::size_t(type)] -= copies * bars;
        if (int& count = limit[std::size_t(pattern.Stock)]; count >= 0)
            count = std::max(0, count - bars);
    }
    for (int& n : left)
        n = std::max(n, 0);
    double fixed = 0;
    for (const auto& [pattern, bars] : plan.Bars)
        fixed += bars * in.Cost[std::size_t(pattern.Stock)];
    auto rest = FillFullest(in, left, limit);
    if (rest && !Meets(fixed + rest->Objective, target))
        if (auto met = Complete(in, left, limit, target - fixed, budget)) rest = met;
    if (!rest) return;
    plan.Bars.insert(plan.Bars.end(), rest->Bars.begin(), rest->Bars.end());
    state.Offer(std::move(plan));
}

void Dive(SearchState& state, long budget) {
    Diver diver(state, budget);
    diver.Visit();
    diver.Undo(0);
}

void PriceAndBranch(SearchState& state, double seconds) {
    if (const auto bars = state.Lp.SolveInteger(seconds, state.Bound, state.Deadline))
        state.Offer(FromValues(state.Lp, std::vector<double>(bars->begin(), bars->end())));
}

} // namespace cutlist::detail
