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

PricingInput InputAt(const Master& master, const Master::Duals& duals,
                     const std::vector<int>& copies) {
    PricingInput input;
    input.Value = duals.Demand;
    input.Bound = copies;
    for (std::size_t r = 0; r < duals.Branch.size(); ++r)
        if (duals.Branch[r] != 0) input.Extra[master.Branches()[r].On] += duals.Branch[r];
    input.Wanted.assign(duals.Stock.size(), true);
    return input;
}

// The Lagrangian bound at these duals: their value on the right-hand sides,
// plus, for each kind of column, the most it could still take off: its least
// reduced cost times the most bars of it a least plan needs. A least plan
// cuts no more bars than pieces (drop the surplus pieces; a bar left empty
// goes), and no more of a stock on hand than its count.
double LagrangianBound(const Master& master, const Instance& in, const Master::Duals& duals,
                       const PricingResult& priced) {
    double bound = 0;
    const double artificial = master.ArtificialCost();
    for (std::size_t t = 0; t < in.Demand.size(); ++t)
        bound += in.Demand[t] * (duals.Demand[t] + std::min(0.0, artificial - duals.Demand[t]));
    for (std::size_t r = 0; r < duals.Branch.size(); ++r) {
        const Master::Branch& branch = master.Branches()[r];
        bound += branch.Bound * duals.Branch[r];
        if (branch.AtLeast) bound += branch.Bound * std::min(0.0, artificial - duals.Branch[r]);
    }
    for (std::size_t k = 0; k < in.Cost.size(); ++k) {
        const double most = in.Limit[k] < 0
                                ? double(in.Pieces)
                                : double(std::min<std::int64_t>(in.Limit[k], in.Pieces));
        if (in.Limit[k] >= 0) bound += in.Limit[k] * duals.Stock[k];
        const double reduced = in.Cost[k] - duals.Stock[k] - priced.Best[k].Value;
        bound += most * std::min(0.0, reduced);
    }
    return bound;
}

} // namespace

double SecondsLeft(Clock::time_point deadline) {
    return std::chrono::duration<double>(deadline - Clock::now()).count();
}

Generated Generate(Master& master, Pricer& pricer, const Instance& in,
                   const GenerateOptions& options) {
    Generated out;
    for (;;) {
        const double left = SecondsLeft(options.Deadline);
        if (left <= 0) {
            out.Why = Generated::Stop::Time;
            return out;
        }
        if (master.Solve(left) != Master::Outcome::Optimal) {
            out.Why = SecondsLeft(options.Deadline) <= 0 ? Generated::Stop::Time
                                                         : Generated::Stop::Failed;
            return out;
        }
        out.Objective = master.Objective();
        const Master::Duals duals = master.GetDuals();
        const PricingResult priced = pricer.Price(InputAt(master, duals, options.Copies));
        if (options.WithBound && priced.Exact)
            out.Bound = std::max(out.Bound, LagrangianBound(master, in, duals, priced));

        bool added = false;
        for (std::size_t k = 0; k < in.Cost.size(); ++k) {
            const Priced& best = priced.Best[k];
            const double reduced = in.Cost[k] - duals.Stock[k] - best.Value;
            if (!best.Pattern.Counts.empty() && reduced < -Tolerance(in.Cost[k]))
                added = master.Add(best.Pattern) || added;
        }
        if (!added) {
            out.Why = Generated::Stop::Converged;
            return out;
        }
        if (options.WithBound && std::isfinite(out.Bound)) {
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
