#pragma once
// The totals of a parts list: its lines' parts added again in order through
// the same "Add object" and "Add aperture" as the window's clicks, from a
// fresh calculation. Nothing else computes them, so a list and the window
// agree to the last bit.
#include "calc/CalcState.h"
#include "calc/Error.h"
#include "calc/StoreDouble.h"
#include "partslist/Line.h"

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace partslist {

// What one line adds to the totals.
struct LineResult {
    std::optional<double> Volume; // cubic metres; none for a profile or a hole cut by weight
    double Weight = 0.0;          // kilograms
    std::optional<double> PricePerKg; // the line's own, its material's; none: the list's
};

struct Replay {
    calc::CalcState State;     // the totals after the last line
    bool VolumeMarker = false; // the Volume field shows the no-volume marker
    std::vector<LineResult> Lines;
    std::int32_t WeighedAt = 0; // the density the lines with a volume are weighed at
};

// The weight of a line's volume at the density the totals are weighed at.
// The totals may be finite where a line's weight is not (a solid and a hole
// of nearly the same huge volume): such a weight is an overflow.
inline double WeightOfVolume(double volume, std::int32_t density) {
    return calc::StoreDouble(volume * static_cast<long double>(density));
}

// The density a line is weighed at: the one in force for what has a volume,
// its own click's for a profile or a hole cut by weight. Density × volume is
// then the line's weight.
inline std::int32_t WeighedAt(const Line& line, const LineResult& result,
                              std::int32_t volumeDensity) {
    return result.Volume ? volumeDensity : line.Density;
}

// Replays lines one at a time, as a file is read: a line the calculation
// refuses is found before the lines after it are read.
class Replayer {
public:
    // Every line at its own density, or all of them at `density` when given
    // (what the same parts weigh in another material).
    explicit Replayer(std::optional<std::int32_t> density = {}) : density_(density) {}

    // Room for this many lines, when it is known beforehand.
    void Reserve(std::size_t lines) { out_.Lines.reserve(lines); }

    // Throws calc::Error with the message the window would show, and then
    // the line counts for nothing.
    void Add(const Line& line);

    // The totals and what each line added.
    Replay Finish() &&;

private:
    std::optional<std::int32_t> density_;
    Replay out_;
    // The density the volume was last weighed at: every Add that changes the
    // volume weighs all of it again; a profile or a hole cut by weight does not.
    std::int32_t volumeDensity_ = 0;
    double largestVolume_ = 0.0; // of a line, without its sign
};

// All the lines through a Replayer. Throws calc::Error.
Replay ReplayLines(std::span<const Line> lines, std::optional<std::int32_t> density = {});

} // namespace partslist
