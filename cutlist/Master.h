#pragma once
// The restricted master: the linear program over the patterns found so far,
// solved by GLPK's simplex and re-solved warm as patterns and rows come.
//
// Rows: one per piece type (at least its demand), one per stock on hand (at
// most its count), and the rows branch-and-price adds on single arcs.
// Besides the patterns, an artificial column covers each piece type and each
// "at least" branching row, at a cost above the first greedy plan: the
// program never runs out of a feasible solution, and a solution that needs
// one costs more than a plan we already have.
#include "cutlist/Deadline.h"
#include "cutlist/Instance.h"
#include "cutlist/Pricing.h"

#include <optional>
#include <set>
#include <vector>

struct glp_prob;

namespace cutlist::detail {

class Master {
public:
    Master(const Instance& in, double artificialCost);
    ~Master();
    Master(const Master&) = delete;
    Master& operator=(const Master&) = delete;

    // Adds the pattern unless it is there already; whether it was added.
    bool Add(const Column& column);
    const std::vector<Column>& Patterns() const { return patterns_; }
    const std::vector<Arc>& ArcsOfPattern(std::size_t p) const { return arcs_[p]; }
    bool Uses(std::size_t p, const Arc& arc) const;

    enum class Outcome { Optimal, Infeasible, Failed };
    Outcome Solve(double seconds);
    double Objective() const;
    std::vector<double> Values() const; // per pattern
    double ArtificialLevel() const;
    double ArtificialCost() const { return artificialCost_; }

    struct Duals {
        std::vector<double> Demand; // per piece type, >= 0
        std::vector<double> Stock;  // per stock, <= 0 (0 without a count)
        std::vector<double> Branch; // per branching row, of its row's sign
    };
    Duals GetDuals() const;

    struct Branch {
        Arc On;
        bool AtLeast = false;
        double Bound = 0;
        int Row = 0;
        int Artificial = 0; // its GLPK column, for an "at least" row
    };
    // Branching rows, last in first out. A popped row stays in the program,
    // free and empty, and the next push takes it: GLPK's basis keeps one
    // variable per row, and a warm start needs it to.
    void Push(const Arc& arc, bool atLeast, double bound);
    void Pop();
    const std::vector<Branch>& Branches() const { return branches_; }

    // A lower bound on a pattern's bars, for diving.
    void SetLower(std::size_t pattern, double lower);
    double Lower(std::size_t pattern) const { return lower_[pattern]; }

    // An integer program over the patterns found (price-and-branch): bars
    // per pattern, stopping once a plan meets target, after `seconds`, or
    // when the deadline stops the search.
    std::optional<std::vector<int>> SolveInteger(double seconds, double target,
                                                 const Deadline* deadline);

private:
    const Instance& in_;
    double artificialCost_;
    glp_prob* lp_;
    std::vector<Column> patterns_;
    std::vector<std::vector<Arc>> arcs_;
    std::vector<int> columnOf_; // GLPK column per pattern
    std::set<Column> known_;
    std::vector<int> stockRow_; // GLPK row per stock with a count, 0 otherwise
    std::vector<Branch> branches_;
    std::vector<int> spareRows_, spareArtificials_;
    std::vector<double> lower_;
    bool rowsChanged_ = false;
};

} // namespace cutlist::detail
