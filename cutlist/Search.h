#pragma once
// The integer steps, each tried only while the best plan misses the bound:
// a dive (round the relaxation down, solve what is left again, round up one
// pattern when nothing rounds down), an integer program over the patterns
// found (price-and-branch), and branch-and-price on arc flows, which can
// also prove that no plan meets the bound.
#include "cutlist/Generate.h"
#include "cutlist/Instance.h"
#include "cutlist/Master.h"
#include "cutlist/Pricing.h"

namespace cutlist::detail {

struct SearchState {
    const Instance& In;
    Master& Lp;
    Pricer& Prices;
    const detail::Deadline* Deadline;
    Integral Best;    // normalised
    double Bound = 0; // no plan's objective is below it

    // Keeps the plan if it is better than the best; whether it was.
    bool Offer(Integral plan);
    bool Done() const { return Meets(Best.Objective, Bound); }
    GenerateOptions Options() const;
};

// The bars of each pattern at the master's solution, rounded to the nearest.
Integral FromValues(const Master& master, const std::vector<double>& values);
bool AllWhole(const std::vector<double>& values);

// The master's solution rounded down, and for what is left FillFullest,
// then, where that misses target, Complete for at most budget steps.
void OfferRounded(SearchState& state, const std::vector<double>& values, double target,
                  long budget);

// Visits at most budget nodes of its search.
void Dive(SearchState& state, long budget);
void PriceAndBranch(SearchState& state, double seconds);

// Whether the search tree was searched to its end, which proves the best
// plan optimal.
bool BranchAndPrice(SearchState& state);

} // namespace cutlist::detail
