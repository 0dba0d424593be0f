#pragma once
// The cut list's solver: which stock bars to buy for one job (the pieces of
// one cross-section and material) and how to cut them, at the least cost.
//
// The rule a plan never breaks: n pieces fit a bar of length L when the
// pieces' lengths + (n - 1) x kerf <= L - 2 x trim. Lengths are whole tenths
// of a millimetre, rounded away from fitting: a piece's length up, a stock
// length down, kerf and trims up (PieceTenths, StockTenths, SawTenths).
//
// What is least:
// - With prices, the total cost of the bars bought.
// - Without prices, the total stock length bought, then the fewest bars.
// Prices go on every stock length or on none ("give every stock length a
// price, or none"); the one exception is stock on hand, which may go without
// a price in a priced job.
//
// Stock on hand is a stock entry with a count available: at most that many
// bars of it are cut. Without a price it costs nothing and is not bought, so
// it is used before anything is bought wherever it saves a bar; with a price
// it is bought like the rest, up to its count. A job needs at least one
// stock length to buy (without a count), and every piece must fit one.
//
// How: the linear relaxation over all cutting patterns (Gilmore-Gomory,
// column generation; GLPK's simplex solves the master, our knapsack prices
// new patterns) gives a lower bound. Rounding with a dive, an integer program
// over the patterns found, and then branch-and-price on arc flows look for a
// plan that meets it. A plan that meets the bound, or whose branch-and-price
// tree was searched to the end, is ProvenOptimal; a plan found when the time
// limit ran out is returned with the bound, never called optimal. One thread.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace cutlist {

using Tenths = std::int64_t; // a length in tenths of a millimetre

// Millimetres to tenths, rounded away from fitting. A value that is a whole
// number of tenths up to the last digits of a double is that number ("3961.1"
// is 39611, not 39612). Throws calc::Error for NaN, infinity or a length past
// 1 000 000 mm (a kilometre: no bar is longer, and the search's tables stay
// small).
Tenths PieceTenths(double mm); // up
Tenths StockTenths(double mm); // down
Tenths SawTenths(double mm);   // up: kerf, trim and the shortest usable offcut

struct Piece {
    Tenths Length = 0;
    int Count = 0;
    int Line = 0; // the parts-list line it comes from, named in messages and on each cut
};

struct Stock {
    Tenths Length = 0;
    std::optional<double> Price;  // per bar
    std::optional<int> Available; // stock on hand: at most this many bars
};

struct Cutting {
    Tenths Kerf = 30;        // the saw's cut
    Tenths Trim = 0;         // cut off at each end of a bar
    Tenths MinOffcut = 5000; // the shortest offcut kept as a remnant
};

struct Job {
    std::vector<Piece> Pieces;
    std::vector<Stock> Stocks;
    Cutting Saw;
    double TimeLimitSeconds = 10;
    // Asked every 50 ms or so while the search runs (a window's progress
    // box); false stops it as the time limit does: the best plan found is
    // returned with its bound, not proven optimal. None: only the time limit.
    std::function<bool()> KeepGoing;
};

// Bars cut alike: the same stock, the same cuts from the same lines.
struct Pattern {
    std::size_t Stock = 0;    // index into Job::Stocks
    int Count = 0;            // bars cut like this
    std::vector<Tenths> Cuts; // in cutting order, longest first
    std::vector<int> Lines;   // the parts-list line of each cut
    Tenths Offcut = 0;        // what is left after the last piece and its cut, trims not counted
    bool Remnant = false;     // Offcut is at least the shortest usable offcut: kept, not scrap
};

struct Purchase {
    std::size_t Stock = 0; // index into Job::Stocks
    int Bars = 0;
    std::optional<double> Price; // per bar
};

struct Plan {
    std::vector<Pattern> Patterns;
    std::vector<Purchase> Bought; // per stock length bought, in the order of Job::Stocks
    int Bars = 0;                 // every bar cut, stock on hand included
    std::optional<double> Cost;   // with prices: the bars bought at their prices
    Tenths StockBought = 0;       // the length of the bars bought
    // No plan can do better: with prices a cost, without them the stock
    // length bought, in tenths of a millimetre.
    double LowerBound = 0;
    bool ProvenOptimal = false;
    // Waste: the bars' length less the pieces and the remnants kept, that is
    // kerf, trims and scrap offcuts, in per cent of the length of every bar
    // cut (stock on hand included).
    double WastePercent = 0;
};

// Throws calc::Error, and plans nothing, for: no stock lengths; a negative
// kerf, trim or shortest offcut; a stock length not longer than two trims; a
// count (of pieces or of stock on hand) below 1; a price that is negative or
// no number; prices on some stock lengths to buy but not all; no stock length
// to buy; a piece no stock length to buy holds ("line 4: ..."); a time limit
// that is no positive number. An empty list of pieces gives an empty plan.
Plan Solve(const Job& job);

// For comparison: first-fit decreasing, as greedy cut-list tools plan. Each
// piece, longest first, goes into the first bar it fits; a new bar is taken
// from stock on hand first, else the stock length to buy with the least price
// (without prices: the least length) per usable length; at the end each bar
// moves to the cheapest stock that holds it. Validates as Solve does; its
// LowerBound is 0 and it is never proven optimal.
Plan FirstFitDecreasing(const Job& job);

} // namespace cutlist
