// Bin completion (Korf, "An improved algorithm for optimal bin packing",
// IJCAI 2003), as a search for a plan of the pieces left that costs no more
// than a target: bar after bar, the longest piece left goes in first, with
// one of the fullest ways of filling the rest of the bar from the other
// pieces, and the search backs up when the bars so far waste more than the
// target allows. Where rounding the relaxation down leaves a few dozen
// pieces, this finds the bars that meet the bound that greedy filling
// misses (triplets that fill a bar exactly, or nearly full bars).
//
// What a bar wastes is priced: its cost less what its pieces would cost at
// the least price per unit of capacity of any stock. No plan costs less
// than the pieces at that price, so the plan meets the target only while
// the bars' waste stays within the target less that.
#include "cutlist/Instance.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace cutlist::detail {
namespace {

using Bits = std::vector<std::uint64_t>;

// dst |= src << shift, over dst's words.
void ShiftOr(Bits& dst, const Bits& src, std::int64_t shift) {
    const std::size_t words = dst.size(), skip = std::size_t(shift / 64);
    const unsigned bits = unsigned(shift % 64);
    for (std::size_t w = words; w-- > skip;) {
        std::uint64_t value = src[w - skip] << bits;
        if (bits > 0 && w > skip) value |= src[w - skip - 1] >> (64 - bits);
        dst[w] |= value;
    }
}

bool Has(const Bits& bits, std::int64_t at) {
    return (bits[std::size_t(at / 64)] >> (at % 64)) & 1;
}

// Whether any bit from low to high is set.
bool AnyIn(const Bits& bits, std::int64_t low, std::int64_t high) {
    for (std::int64_t at = high; at >= low; --at) {
        if (at % 64 == 63 && at - 63 >= low) {
            if (bits[std::size_t(at / 64)] != 0) return true;
            at -= 63;
            continue;
        }
        if (Has(bits, at)) return true;
    }
    return false;
}

struct Candidate {
    int Stock;
    double Waste;
    std::vector<std::pair<int, int>> Counts; // (type, copies), the longest piece included
};

class Completion {
public:
    Completion(const Instance& in, std::vector<int> left, std::vector<int> limit, long budget)
        : in_(in), left_(std::move(left)), limit_(std::move(limit)), budget_(budget) {
        unit_ = std::numeric_limits<double>::infinity();
        for (std::size_t k = 0; k < in.Cost.size(); ++k) {
            widest_ = std::max(widest_, in.Capacity[k]);
            unit_ = std::min(unit_, in.Cost[k] / double(in.Capacity[k]));
        }
        // A step's work grows with the bar's length in units: the budget is
        // steps on bars of up to StepWords words of sums, fewer on longer.
        if (const double words = double(widest_ / 64 + 1); words > StepWords)
            budget_ = long(double(budget_) * StepWords / words);
    }

    std::optional<Integral> Find(double target) {
        double slack = target;
        for (std::size_t t = 0; t < left_.size(); ++t)
            slack -= double(left_[t]) * double(in_.Weight[t]) * unit_;
        if (slack < -1e-9 * std::max(1.0, target) || !Search(slack)) return std::nullopt;
        Integral plan;
        for (auto& bar : bars_)
            plan.Bars.emplace_back(std::move(bar), 1);
        Normalize(in_, plan);
        return plan;
    }

private:
    static constexpr std::size_t Choices = 6; // ways of filling a bar tried, per stock
    static constexpr double StepWords = 200;  // a 12 m bar in whole millimetres

    bool Search(double slack) {
        std::size_t first = 0;
        while (first < left_.size() && left_[first] == 0)
            ++first;
        if (first == left_.size()) return true;
        if (--budget_ < 0 || !Matchable(slack)) return false;
        --left_[first];
        std::vector<Candidate> candidates = Fillings(int(first), slack);
        ++left_[first];
        for (const Candidate& c : candidates) {
            for (const auto& [type, copies] : c.Counts)
                left_[std::size_t(type)] -= copies;
            int& limit = limit_[std::size_t(c.Stock)];
            const bool counted = limit > 0;
            limit -= counted;
            bars_.push_back({c.Stock, c.Counts});
            if (Search(slack - c.Waste)) return true;
            bars_.pop_back();
            limit += counted;
            for (const auto& [type, copies] : c.Counts)
                left_[std::size_t(type)] += copies;
            if (budget_ < 0) return false;
        }
        return false;
    }

    // Whether every piece left could still go in a bar that wastes no more
    // than slack, beside some of the others: the search backs up as soon as
    // one could not, not when it comes to be the longest. (Sums of all the
    // pieces left, the piece itself among them: it can only miss a dead end.)
    bool Matchable(double slack) {
        Bits& reach = scratch_;
        reach.assign(std::size_t(widest_ / 64 + 1), 0);
        reach[0] = 1;
        Bits before;
        for (std::size_t t = 0; t < left_.size(); ++t) {
            if (left_[t] == 0) continue;
            const std::int64_t weight = in_.Weight[t];
            const int most = int(std::min<std::int64_t>(left_[t], widest_ / weight));
            before = reach;
            for (int c = 1; c <= most; ++c)
                ShiftOr(reach, before, c * weight);
        }
        budget_ -= long(left_.size() / 8);
        for (std::size_t t = 0; t < left_.size(); ++t) {
            if (left_[t] == 0) continue;
            const std::int64_t weight = in_.Weight[t];
            bool fits = false;
            for (std::size_t k = 0; k < in_.Capacity.size() && !fits; ++k) {
                if (limit_[k] == 0 || in_.Capacity[k] < weight) continue;
                const std::int64_t high = in_.Capacity[k] - weight;
                std::int64_t low = 0;
                if (in_.Cost[k] > slack)
                    low =
                        unit_ > 0
                            ? std::int64_t(std::ceil((in_.Cost[k] - slack) / unit_ - 1e-9)) - weight
                            : high + 1;
                fits = AnyIn(reach, std::max<std::int64_t>(low, 0), high);
            }
            if (!fits) return false;
        }
        return true;
    }

    // The fullest ways of filling each stock's bar around the longest piece
    // (already taken from left_) that waste no more than slack, least waste
    // first. Sums are walked down from the bar's room; the sums the types
    // from each one on can make (suffix_) keep the walk off dead ends.
    std::vector<Candidate> Fillings(int first, double slack) {
        const std::int64_t head = in_.Weight[std::size_t(first)];
        const std::int64_t room = widest_ - head;
        types_.clear();
        for (std::size_t t = std::size_t(first); t < left_.size(); ++t)
            if (left_[t] > 0 && in_.Weight[t] <= room) types_.push_back(int(t));
        const std::size_t words = std::size_t(room / 64 + 1);
        suffix_.assign(types_.size() + 1, Bits(words, 0));
        suffix_.back()[0] = 1;
        for (std::size_t a = types_.size(); a-- > 0;) {
            const std::int64_t weight = in_.Weight[std::size_t(types_[a])];
            const int most =
                int(std::min<std::int64_t>(left_[std::size_t(types_[a])], room / weight));
            suffix_[a] = suffix_[a + 1];
            for (int c = 1; c <= most; ++c)
                ShiftOr(suffix_[a], suffix_[a + 1], c * weight);
            --budget_;
        }
        std::vector<Candidate> out;
        for (std::size_t k = 0; k < in_.Capacity.size(); ++k) {
            if (limit_[k] == 0 || in_.Capacity[k] < head) continue;
            const std::int64_t barRoom = in_.Capacity[k] - head;
            // The least fill whose waste stays within slack.
            double least = in_.Cost[k] <= slack ? 0 : std::numeric_limits<double>::infinity();
            if (unit_ > 0) least = (in_.Cost[k] - slack) / unit_ - double(head);
            const std::size_t before = out.size();
            for (std::int64_t sum = barRoom; sum >= 0 && double(sum) >= least - 1e-9; --sum) {
                if (!Has(suffix_[0], sum)) continue;
                stock_ = int(k);
                gap_ = barRoom - sum;
                copies_.assign(types_.size(), 0);
                Walk(0, sum, out, first, head, before);
                if (out.size() - before >= Choices || budget_ < 0) break;
            }
        }
        std::stable_sort(out.begin(), out.end(),
                         [](const Candidate& a, const Candidate& b) { return a.Waste < b.Waste; });
        return out;
    }

    // Each way of making sum from the types from a on.
    void Walk(std::size_t a, std::int64_t sum, std::vector<Candidate>& out, int first,
              std::int64_t head, std::size_t before) {
        if (out.size() - before >= Choices || --budget_ < 0) return;
        if (sum == 0) {
            if (!Dominated()) out.push_back(Make(first, head));
            return;
        }
        if (a == types_.size()) return;
        const int t = types_[a];
        const std::int64_t weight = in_.Weight[std::size_t(t)];
        const int most = int(std::min<std::int64_t>(left_[std::size_t(t)], sum / weight));
        for (int c = most; c >= 0; --c) {
            const std::int64_t rest = sum - c * weight;
            if (!Has(suffix_[a + 1], rest)) continue;
            copies_[a] = c;
            Walk(a + 1, rest, out, first, head, before);
            copies_[a] = 0;
        }
    }

    // A filling is dominated (some plan at least as good does without it)
    // where a piece left over fits the gap, or a piece in it could swap for
    // a longer one left over and still fit.
    bool Dominated() const {
        std::int64_t shortestIn = -1; // types go longest first
        for (std::size_t a = 0; a < types_.size(); ++a)
            if (copies_[a] > 0) shortestIn = in_.Weight[std::size_t(types_[a])];
        for (std::size_t a = 0; a < types_.size(); ++a) {
            if (left_[std::size_t(types_[a])] - copies_[a] <= 0) continue;
            const std::int64_t weight = in_.Weight[std::size_t(types_[a])];
            if (weight <= gap_) return true;
            if (shortestIn >= 0 && weight > shortestIn && weight - shortestIn <= gap_) return true;
        }
        return false;
    }

    Candidate Make(int first, std::int64_t head) const {
        Candidate c{stock_, 0, {}};
        std::int64_t used = head;
        bool placed = false;
        for (std::size_t a = 0; a < types_.size(); ++a) {
            const int t = types_[a];
            const int n = copies_[a] + (t == first ? 1 : 0);
            placed = placed || t == first;
            if (n > 0) c.Counts.emplace_back(t, n);
            used += copies_[a] * in_.Weight[std::size_t(t)];
        }
        if (!placed) c.Counts.insert(c.Counts.begin(), {first, 1});
        c.Waste = in_.Cost[std::size_t(stock_)] - double(used) * unit_;
        return c;
    }

    const Instance& in_;
    std::vector<int> left_, limit_;
    long budget_;
    std::int64_t widest_ = 0;
    double unit_;
    std::vector<Column> bars_;
    // The filling being walked.
    std::vector<int> types_, copies_;
    std::vector<Bits> suffix_;
    Bits scratch_;
    int stock_ = 0;
    std::int64_t gap_ = 0;
};

} // namespace

std::optional<Integral> Complete(const Instance& in, std::vector<int> left, std::vector<int> limit,
                                 double target, long budget) {
    return Completion(in, std::move(left), std::move(limit), budget).Find(target);
}

} // namespace cutlist::detail
