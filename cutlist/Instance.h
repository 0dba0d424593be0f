#pragma once
// The job as the search sees it, and the integer plans it passes around.
//
// Adding the kerf to every piece and to a bar's usable length turns the rule
// into a plain knapsack: n pieces fit when sum(length + kerf) <= L - 2 x trim
// + kerf. Every weight is then divided by their greatest common divisor (a
// "unit", usually a millimetre or more), which keeps the knapsack tables
// short and changes no answer: a sum of weights is a multiple of the unit.
#include "cutlist/Cutlist.h"

#include <cstdint>
#include <optional>
#include <tuple>
#include <utility>
#include <vector>

namespace cutlist::detail {

inline constexpr Tenths MaxTenths = 10'000'000; // a kilometre
inline constexpr std::int64_t MaxPieces = 1'000'000;

struct Instance {
    const Job* Source = nullptr;
    // Piece types, one per length, longest first.
    std::vector<Tenths> Lengths;
    std::vector<int> Demand;
    std::vector<std::vector<std::pair<int, int>>> Lines; // (line, count), lines ascending
    std::vector<std::int64_t> Weight;                    // (length + kerf) in units
    // Per stock of the job, in its order.
    std::vector<std::int64_t> Capacity; // (L - 2 x trim + kerf) in units, rounded down
    std::vector<double> Cost;           // what a bar adds to the objective
    std::vector<int> Limit;             // bars at most, or -1 for as many as are bought
    std::vector<bool> IsBought;         // counts towards the cost or the stock length bought
    Tenths Unit = 1;
    bool Priced = false;
    // Without prices a bar costs its length times BarsWeight plus 1, so the
    // least objective is the least length and, among those, the fewest bars
    // (there are never BarsWeight bars or more).
    double BarsWeight = 1;
    std::int64_t Pieces = 0; // pieces in all
};

// Checks the job, refusing what the header lists, and builds the instance.
Instance Prepare(const Job& job);

// A pattern: the copies of each piece type cut from one bar of a stock.
struct Column {
    int Stock = 0;
    std::vector<std::pair<int, int>> Counts; // (type, copies), types ascending

    bool operator<(const Column& other) const {
        return std::tie(Stock, Counts) < std::tie(other.Stock, other.Counts);
    }
    bool operator==(const Column& other) const {
        return Stock == other.Stock && Counts == other.Counts;
    }
};

// An integer plan: patterns and how many bars are cut by each.
struct Integral {
    std::vector<std::pair<Column, int>> Bars;
    double Objective = 0;
};

// Cuts no more pieces than demanded (surplus pieces become offcut), drops
// empty bars, merges equal patterns and sets the objective.
void Normalize(const Instance& in, Integral& plan);

// The least value a plan's objective can take at or above z: an objective is
// a sum of bar costs, so a bound between two such sums rises to the next.
// Never above the true least value of a sum >= z (up to rounding error, which
// it allows for by taking a hair off z first).
double RoundUpToPlanValue(const Instance& in, double z);

// A weak bound that needs no linear program: every piece needs its weight of
// some bar's capacity, at the least cost per unit any stock offers.
double MaterialBound(const Instance& in);

// Whether a plan's objective meets a bound (up to rounding error).
bool Meets(double objective, double bound);

// First-fit decreasing, as FirstFitDecreasing describes it.
Integral FirstFit(const Instance& in);

// Bar after bar, the longest piece left with the pieces that fill the rest
// of the bar fullest, on the stock that costs least for what it holds: the
// pieces left of each type, and the bars left of each stock (-1: any).
// None where the stock on hand runs out and nothing to buy holds a piece,
// or where its tables (piece types by the widest bar, one a bar) would not
// fit or take too long.
std::optional<Integral> FillFullest(const Instance& in, std::vector<int> left,
                                    std::vector<int> limit);

// Bin completion: a plan for the pieces left, on the bars left, that costs
// at most target, searched depth first for at most budget steps; none if
// none was found.
std::optional<Integral> Complete(const Instance& in, std::vector<int> left, std::vector<int> limit,
                                 double target, long budget);

// The plan as the caller sees it; LowerBound and ProvenOptimal are left to
// the caller.
Plan Assemble(const Instance& in, const Integral& plan);

} // namespace cutlist::detail
