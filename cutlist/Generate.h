#pragma once
// Column generation: solve the master, price a pattern per stock at its
// duals, add those that cost less than they are worth, again until none
// does. Every round also yields a lower bound (the Lagrangian one, Farley's
// argument with the counts of bars bounded), valid before the end, so a long
// generation can stop with an honest bound.
#include "cutlist/Deadline.h"
#include "cutlist/Master.h"
#include "cutlist/Pricing.h"

#include <chrono>
#include <limits>
#include <vector>

namespace cutlist::detail {

struct GenerateOptions {
    std::vector<int> Copies; // per piece type: copies in one pattern at most
    // Stop once the bound rounds to this: no plan here beats the one we have.
    double Cutoff = std::numeric_limits<double>::infinity();
    const detail::Deadline* Deadline = nullptr;
};

struct Generated {
    enum class Stop {
        Converged, // no pattern improves: the master's value is the relaxation's
        Pruned,    // the bound reached the cutoff
        Flat,      // the bound rounds to what the master's value rounds to
        Time,
        Failed,
    };
    Stop Why = Stop::Failed;
    double Objective = 0;
    double Bound = -std::numeric_limits<double>::infinity(); // -inf: none known
};

Generated Generate(Master& master, Pricer& pricer, const Instance& in,
                   const GenerateOptions& options);

} // namespace cutlist::detail
