#include "cutlist/Generate.h"

#include <algorithm>
#include <cmath>

namespace cutlist::detail {
namespace {

// A pattern enters when it is worth more than it costs by more than rounding
// error in the duals.
double Tolerance(double cost) {
    return 1e-9 * std::max(1.0, std::fabs(cost));
}

// The Lagrangian bound at these duals. With the bars that lower bounds fix
// taken out (their cost counted, the demands and counts they meet taken off
// the right-hand sides), it is the duals' value on what is left, plus, for
// each kind of column, the most it could still take off: its least reduced
// cost times the most bars of it a least plan needs. A least plan cuts no
// more bars than pieces left (drop surplus pieces; a bar left empty goes),
// and no more of a stock on hand than its count left.
double LagrangianBound(const Master& master, const Instance& in, const Master::Duals& duals,
                       const PricingResult& priced) {
    double bound = 0;
    std::vector<double> demand(in.Demand.begin(), in.Demand.end());
    std::vector<double> count(in.Limit.begin(), in.Limit.end());
    std::vector<double> branchBound;
    for (const Master::Branch& branch : master.Branches())
        branchBound.push_back(branch.Bound);
    for (std::size_t p = 0; p < master.Patterns().size(); ++p) {
        const double lower = master.Lower(p);
        if (lower <= 0) continue;
        const Column& pattern = master.Patterns()[p];
        bound += lower * in.Cost[std::size_t(pattern.Stock)];
        for (const auto& [type, copies] : pattern.Counts)
            demand[std::size_t(type)] -= lower * copies;
        count[std::size_t(pattern.Stock)] -= lower;
        for (std::size_t r = 0; r < branchBound.size(); ++r)
            if (master.Uses(p, master.Branches()[r].On)) branchBound[r] -= lower;
    }
    const double artificial = master.ArtificialCost();
    double pieces = 0;
    for (std::size_t t = 0; t < demand.size(); ++t) {
        const double left = std::max(0.0, demand[t]);
        bound += demand[t] * duals.Demand[t] + left * std::min(0.0, artificial - duals.Demand[t]);
        pieces += left;
    }
    for (std::size_t r = 0; r < duals.Branch.size(); ++r) {
        bound += branchBound[r] * duals.Branch[r];
        if (master.Branches()[r].AtLeast)
            bound += std::max(0.0, branchBound[r]) * std::min(0.0, artificial - duals.Branch[r]);
    }
    for (std::size_t k = 0; k < in.Cost.size(); ++k) {
        double most = pieces;
        if (in.Limit[k] >= 0) {
            bound += count[k] * duals.Stock[k];
            most = std::min(most, std::max(0.0, count[k]));
        }
        const double reduced = in.Cost[k] - duals.Stock[k] - priced.Best[k].Value;
        bound += most * std::min(0.0, reduced);
    }
    return bound;
}

} // namespace

Generated Generate(Master& master, Pricer& pricer, const Instance& in,
                   const GenerateOptions& options) {
    Generated out;
    for (;;) {
        const double left = options.Deadline->SecondsLeft();
        if (left <= 0) {
            out.Why = Generated::Stop::Time;
            return out;
        }
        if (master.Solve(left) != Master::Outcome::Optimal) {
            out.Why = options.Deadline->SecondsLeft() <= 0 ? Generated::Stop::Time
                                                           : Generated::Stop::Failed;
            return out;
        }
        out.Objective = master.Objective();
        const Master::Duals duals = master.GetDuals();
        PricingInput input{
            duals.Demand, options.Copies, {}, std::vector<bool>(duals.Stock.size(), true)};
        for (std::size_t r = 0; r < duals.Branch.size(); ++r)
            if (duals.Branch[r] != 0) input.Extra[master.Branches()[r].On] += duals.Branch[r];
        const PricingResult priced = pricer.Price(input);
        if (priced.Exact)
            out.Bound = std::max(out.Bound, LagrangianBound(master, in, duals, priced));

        bool added = false;
        for (std::size_t k = 0; k < in.Cost.size(); ++k) {
            const Priced& best = priced.Best[k];
            const double reduced = in.Cost[k] - duals.Stock[k] - best.Value;
            if (!best.Pattern.Counts.empty() && reduced < -Tolerance(in.Cost[k]))
                added = master.Add(best.Pattern) || added;
            for (const auto& [value, pattern] : best.Others)
                if (in.Cost[k] - duals.Stock[k] - value < -Tolerance(in.Cost[k]))
                    added = master.Add(pattern) || added;
        }
        if (!added) {
            out.Why = Generated::Stop::Converged;
            return out;
        }
        if (std::isfinite(out.Bound)) {
            const double rounded = RoundUpToPlanValue(in, out.Bound);
            if (Meets(options.Cutoff, rounded)) {
                out.Why = Generated::Stop::Pruned;
                return out;
            }
            if (Meets(RoundUpToPlanValue(in, out.Objective), rounded)) {
                out.Why = Generated::Stop::Flat;
                return out;
            }
        }
    }
}

} // namespace cutlist::detail
