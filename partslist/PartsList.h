#pragma once
// The parts list the window keeps beside its totals: a line for every Add
// that named a type, and what Undo takes back. The totals stay the window's;
// a removal replays the lines that are left.
#include "partslist/Line.h"
#include "partslist/Replay.h"

#include <optional>
#include <span>
#include <vector>

namespace partslist {

class PartsList {
public:
    const std::vector<Line>& Lines() const { return lines_; }

    // An Add that changed the totals, with its line; or one that named no
    // type and so adds none (Undo then takes no line away).
    void Added(std::optional<Line> line);

    // Takes out the lines at these places and returns the replay of the
    // rest. A replay that fails throws calc::Error, and then nothing changed.
    Replay Remove(std::span<const std::size_t> rows);

    // The lines of an opened file take the place of the list.
    void Replace(std::vector<Line> lines);

    // Takes back the last change: the line of the last Add, or the lines as
    // they were before the last removal or opening. Once only; false when
    // there was nothing to take back.
    bool Undo();

    void Clear();

private:
    std::vector<Line> Kept(std::span<const std::size_t> rows) const;

    enum class Change { None, Added, Replaced };
    std::vector<Line> lines_;
    Change last_ = Change::None;
    std::vector<Line> before_; // before the last removal or opening
};

} // namespace partslist
