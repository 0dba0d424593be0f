// Minimum bin slack (Gupta and Ho 1999, with the longest piece left always
// in the bar as in Fleszar and Hindi's MBS', 2002): bar after bar, the
// longest piece left and, of the others, those that fill the rest of the bar
// fullest, on the stock that costs least for what it holds. Greedy, but
// where lengths vary a bar filled to the last unit is the rule, and what
// first-fit decreasing leaves in its last bars is spread over the first.
// The search runs it on what rounding the relaxation down leaves.
#include "cutlist/Instance.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

namespace cutlist::detail {
namespace {

// The most cells of the fill's table (a piece type by a sum, two bytes
// each), and the most cells filled in all (a table for each bar, the bars
// about the pieces' length over the widest): past either, the greedy fill
// is left out and first-fit stands.
constexpr double TableLimit = 20'000'000;
constexpr double WorkLimit = 200'000'000;

// The fullest fill of a room from pieces left: which sums the types reach,
// type after type, and with how many copies of each, to walk back.
class Filler {
public:
    Filler(const Instance& in, std::int64_t room) : in_(in), room_(room) {
        reach_.resize(std::size_t(room) + 1);
    }

    // Which sums the pieces left reach, up to the longest room; done once
    // every room in rooms is filled to the last unit.
    void Fill(const std::vector<int>& left, const std::vector<std::int64_t>& rooms) {
        std::fill(reach_.begin(), reach_.end(), char(0));
        reach_[0] = 1;
        types_.clear();
        const std::size_t width = std::size_t(room_) + 1;
        const auto full = [&] {
            return std::all_of(rooms.begin(), rooms.end(),
                               [&](std::int64_t r) { return r < 0 || reach_[std::size_t(r)]; });
        };
        for (std::size_t t = 0; t < left.size() && !full(); ++t) {
            const std::int64_t weight = in_.Weight[t];
            if (left[t] <= 0 || weight > room_) continue;
            types_.push_back(int(t));
            copies_.resize(types_.size() * width);
            std::uint16_t* copies = &copies_[(types_.size() - 1) * width];
            const int most = std::min(left[t], 65535);
            // Bounded copies in one pass: a sum reached before takes none of
            // this type; one more copy on a sum that took fewer than most.
            for (std::size_t s = 0; s < width; ++s) {
                if (reach_[s]) {
                    copies[s] = 0;
                } else if (std::int64_t(s) >= weight && reach_[s - std::size_t(weight)] &&
                           copies[s - std::size_t(weight)] < most) {
                    reach_[s] = 1;
                    copies[s] = std::uint16_t(copies[s - std::size_t(weight)] + 1);
                } else {
                    copies[s] = 0;
                }
            }
        }
    }

    std::int64_t Fullest(std::int64_t room) const {
        for (std::int64_t s = std::min(room, room_); s > 0; --s)
            if (reach_[std::size_t(s)]) return s;
        return 0;
    }

    // The copies of each type that make up sum, added to counts.
    void WalkBack(std::int64_t sum, std::vector<int>& counts) const {
        const std::size_t width = std::size_t(room_) + 1;
        for (std::size_t i = types_.size(); i-- > 0 && sum > 0;) {
            const int t = types_[i];
            const int n = copies_[i * width + std::size_t(sum)];
            counts[std::size_t(t)] += n;
            sum -= n * in_.Weight[std::size_t(t)];
        }
    }

private:
    const Instance& in_;
    std::int64_t room_;
    std::vector<char> reach_;
    std::vector<int> types_;
    std::vector<std::uint16_t> copies_;
};

} // namespace

std::optional<Integral> FillFullest(const Instance& in, std::vector<int> left,
                                    std::vector<int> limit) {
    Integral plan;
    const std::int64_t widest = std::ranges::max(in.Capacity);
    double length = 0;
    for (std::size_t t = 0; t < left.size(); ++t)
        length += double(left[t]) * double(in.Weight[t]);
    if (double(left.size()) * double(widest + 1) > TableLimit ||
        double(left.size()) * (length + double(widest)) > WorkLimit)
        return std::nullopt;
    Filler filler(in, widest);
    std::vector<int> counts(left.size());
    std::vector<std::int64_t> rooms(in.Capacity.size()); // per stock, -1 for none
    for (std::size_t longest = 0;;) {
        while (longest < left.size() && left[longest] <= 0)
            ++longest;
        if (longest == left.size()) break;
        const std::int64_t first = in.Weight[longest];
        --left[longest];
        for (std::size_t k = 0; k < rooms.size(); ++k)
            rooms[k] = limit[k] == 0 ? -1 : in.Capacity[k] - first;
        filler.Fill(left, rooms);
        int chosen = -1;
        std::int64_t filled = 0;
        double least = std::numeric_limits<double>::infinity();
        for (std::size_t k = 0; k < in.Capacity.size(); ++k) {
            if (limit[k] == 0 || in.Capacity[k] < first) continue;
            const std::int64_t fill = first + filler.Fullest(in.Capacity[k] - first);
            if (const double perUnit = in.Cost[k] / double(fill); perUnit < least) {
                least = perUnit;
                chosen = int(k);
                filled = fill;
            }
        }
        if (chosen < 0) return std::nullopt; // no stock left holds the piece
        if (limit[std::size_t(chosen)] > 0) --limit[std::size_t(chosen)];
        std::fill(counts.begin(), counts.end(), 0);
        counts[longest] = 1;
        filler.WalkBack(filled - first, counts);
        Column column{chosen, {}};
        for (std::size_t t = 0; t < counts.size(); ++t)
            if (counts[t] > 0) {
                column.Counts.emplace_back(int(t), counts[t]);
                left[t] -= counts[t] - (t == longest ? 1 : 0); // the longest is off already
            }
        plan.Bars.emplace_back(std::move(column), 1);
    }
    Normalize(in, plan);
    return plan;
}

} // namespace cutlist::detail
