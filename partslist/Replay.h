#pragma once
// The totals of a parts list: its lines replayed in order through the same
// "Add object" and "Add aperture" as the window's clicks, from a fresh
// calculation. Nothing else computes them, so a list and the window agree to
// the last bit.
#include "calc/CalcState.h"
#include "calc/Error.h"
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
};

struct Replay {
    calc::CalcState State;     // the totals after the last line
    bool VolumeMarker = false; // the Volume field shows the no-volume marker
    std::vector<LineResult> Lines;
};

// A line the calculation refuses (a number past the range of a double, a
// triangle that cannot be): which line, and the message the window would show.
class ReplayError : public calc::Error {
public:
    ReplayError(std::size_t index, const std::string& message)
        : calc::Error(message), Index(index) {}
    std::size_t Index;
};

// Every line at its own density, or all of them at `density` when given (what
// the same parts weigh in another material). Throws ReplayError.
Replay ReplayLines(std::span<const Line> lines, std::optional<std::int32_t> density = {});

} // namespace partslist
