#pragma once
// Pricing: the pattern of each stock whose pieces are worth the most at the
// master's duals, a bounded knapsack. Ours, not GLPK's: a dynamic program
// over the capacity in units, or branch and bound where the capacity is too
// long for a table.
//
// Branch-and-price adds value to single arcs of a pattern written in its one
// canonical order (piece types longest first, each piece starting where the
// one before ended): a piece of a type starting at a position, and the
// pattern's end at a position on a stock. Only the dynamic program, which
// walks those positions, prices such arcs.
#include "cutlist/Instance.h"

#include <cstdint>
#include <map>
#include <vector>

namespace cutlist::detail {

// What a branching row counts the bars of: those cutting a piece of a type
// starting at a position, those of a stock ending at a position, or all
// those of a stock.
struct Arc {
    static constexpr int End = -1, Stock = -2;
    int Type = End; // a piece type, or End, or Stock
    int Of = -1;    // the stock, for End and Stock
    std::int64_t At = 0;

    bool operator<(const Arc& other) const {
        return std::tie(Type, Of, At) < std::tie(other.Type, other.Of, other.At);
    }
    bool operator==(const Arc& other) const {
        return Type == other.Type && Of == other.Of && At == other.At;
    }
};

// The arcs of a pattern: its pieces in canonical order, its end, its stock.
std::vector<Arc> ArcsOf(const Instance& in, const Column& column);

struct PricingInput {
    std::vector<double> Value; // per piece type
    std::vector<int> Bound;    // per piece type: copies at most
    std::map<Arc, double> Extra;
    std::vector<bool> Wanted; // per stock
};

struct Priced {
    double Value = 0; // of the best pattern; 0 for an empty one
    Column Pattern;
    // The best patterns ending elsewhere, worth adding in the same round:
    // fewer rounds, and each round re-solves the master.
    std::vector<std::pair<double, Column>> Others;
};

struct PricingResult {
    std::vector<Priced> Best; // per stock; empty patterns where not wanted
    bool Exact = true;        // false: branch and bound gave up and no table fits in memory
};

class Pricer {
public:
    explicit Pricer(const Instance& in);

    PricingResult Price(const PricingInput& input);

    // Whether the dynamic program's table fits, which branching on pieces'
    // and ends' arcs needs (branching on a stock's count does not).
    bool CanWalkPositions() const { return tableFits_; }

private:
    PricingResult Plain(const PricingInput& input);
    PricingResult Walk(const PricingInput& input);
    Column WalkBack(int stock, std::int64_t end, std::size_t width) const;

    const Instance& in_;
    std::int64_t longest_;
    bool tableFits_ = false;
    std::vector<double> best_, next_;
    std::vector<std::uint16_t> choice_;
};

} // namespace cutlist::detail
