// The order of the search: the greedy plan, the relaxation and its bound,
// then the integer steps from the cheapest, each only while the best plan
// misses the bound and time is left.
#include "cutlist/Search.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace cutlist {
namespace detail {
namespace {

// A first pattern per piece type, as many copies as the bar holds, on the
// stock to buy that holds it cheapest per copy: with the greedy plan's
// patterns, the master can cover every demand from the start.
void Seed(const Instance& in, Master& master, const Integral& greedy) {
    for (const auto& bars : greedy.Bars)
        master.Add(bars.first);
    for (std::size_t t = 0; t < in.Demand.size(); ++t) {
        int chosen = -1, copies = 0;
        double least = std::numeric_limits<double>::infinity();
        for (std::size_t k = 0; k < in.Cost.size(); ++k) {
            const auto fit = std::min<std::int64_t>(in.Demand[t], in.Capacity[k] / in.Weight[t]);
            if (in.Limit[k] >= 0 || fit < 1 || in.Cost[k] / double(fit) >= least) continue;
            least = in.Cost[k] / double(fit);
            chosen = int(k);
            copies = int(fit);
        }
        master.Add({chosen, {{int(t), copies}}});
    }
}

constexpr long RootDive = 40;           // nodes of the first dive
constexpr long RootCompletion = 400000; // steps of bin completion on the root's rounding

} // namespace
} // namespace detail

Plan Solve(const Job& job) {
    using namespace detail;
    const Deadline deadline(
        Clock::now() + std::chrono::duration_cast<Clock::duration>(
                           std::chrono::duration<double>(std::max(job.TimeLimitSeconds, 0.0))),
        job.KeepGoing);
    const Instance in = Prepare(job);
    if (in.Pieces == 0) {
        Plan empty = Assemble(in, {});
        empty.ProvenOptimal = true;
        return empty;
    }
    Integral greedy = FirstFit(in);
    const auto fullest = FillFullest(in, in.Demand, in.Limit);
    if (fullest && fullest->Objective < greedy.Objective) greedy = *fullest;
    Master master(in, greedy.Objective + 1);
    Seed(in, master, greedy);
    Pricer pricer(in);
    SearchState state{in,        master, pricer,
                      &deadline, greedy, RoundUpToPlanValue(in, MaterialBound(in))};

    const Generated root = Generate(master, pricer, in, state.Options());
    if (std::isfinite(root.Bound))
        state.Bound = std::max(state.Bound, RoundUpToPlanValue(in, root.Bound));
    const bool relaxed = root.Why != Generated::Stop::Time && root.Why != Generated::Stop::Failed;
    bool searched = false;
    if (relaxed && !state.Done()) OfferRounded(state, master.Values(), state.Bound, RootCompletion);
    if (relaxed && !state.Done()) Dive(state, RootDive);
    // GLPK's branch and bound over the patterns found, where branching on
    // arcs is out of reach (the pricing table would not fit): a plan from it
    // beats stopping with the greedy one.
    if (relaxed && !state.Done() && !pricer.CanWalkPositions())
        PriceAndBranch(state, 0.5 * deadline.SecondsLeft());
    if (relaxed && !state.Done()) searched = BranchAndPrice(state);

    Plan plan = Assemble(in, state.Best);
    plan.ProvenOptimal = searched || state.Done();
    // The bound as the plan reports it: a cost with prices; without, the stock
    // length bought, which is the objective's whole multiples of BarsWeight.
    const double bound = searched ? state.Best.Objective : state.Bound;
    plan.LowerBound = std::max(0.0, in.Priced ? bound : std::floor(bound / in.BarsWeight));
    return plan;
}

Plan FirstFitDecreasing(const Job& job) {
    const detail::Instance in = detail::Prepare(job);
    return detail::Assemble(in, detail::FirstFit(in));
}

} // namespace cutlist
