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
#include <optional>
#include <vector>

namespace cutlist::detail {

// Type >= 0: a piece of that type starting at At. Type < 0: the end of a
// pattern of Stock at At.
struct Arc {
    int Type = -1;
    int Stock = -1;
    std::int64_t At = 0;

    bool operator<(const Arc& other) const {
        return std::tie(Type, Stock, At) < std::tie(other.Type, other.Stock, other.At);
    }
};

// The arcs of a pattern, in its canonical order, its end last.
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
};

struct PricingResult {
    std::vector<Priced> Best; // per stock; empty patterns where not wanted
    bool Exact = true;        // false: branch and bound gave up and no table fits in memory
};

class Pricer {
public:
    explicit Pricer(const Instance& in);

    PricingResult Price(const PricingInput& input);

    // Whether the dynamic program's table fits, which branch-and-price needs.
    bool CanWalkPositions() const { return tableFits_; }

private:
    PricingResult Walk(const PricingInput& input);
    std::optional<Priced> Branch(const PricingInput& input, int stock);

    const Instance& in_;
    std::int64_t longest_ = 0;
    bool tableFits_ = false;
    std::vector<double> best_, next_;
    std::vector<std::uint16_t> choice_;
};

} // namespace cutlist::detail
