#pragma once
// What kubatrix-calc prints: the table of a parts list, the totals alone, and
// the answer for one part. Numbers are in the window's totals format with "."
// as the decimal point; weights and volumes in the units the window's unit
// boxes name.
#include "partslist/Line.h"
#include "partslist/Replay.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace cli {

struct Units {
    std::string_view Weight = "kilogram";
    std::string_view Volume = "meter";
};

// A row per line and one of totals, in columns; a cost column with a price.
// A line's row is kept as the texts it shows while the lines are read, so
// that a million lines take little memory; its figures come once the whole
// list is replayed.
class Table {
public:
    // The next line's row, showing the density it is weighed at.
    void Add(const partslist::Line& line, std::int32_t density);

    void Write(std::ostream& out, const partslist::Replay& replay, const Units& units,
               std::optional<double> pricePerKg) const;

private:
    // A row's cells, kind to density, each ended by a tab: no cell holds
    // one, since a line read holds only names, units and numbers the window
    // knows. One string a row takes less than half the memory of a string a
    // cell, which keeps a long table within 2.5 times its file's size; a
    // deque grows without moving them.
    std::deque<std::string> rows_;
};

// The Weight field's text, then the Volume field's (the marker where the
// window shows it), a line each; then the cost when a price is given.
std::string TotalsText(const partslist::Replay& replay, const Units& units,
                       std::optional<double> pricePerKg);

// One part: what it is, then its weight, volume and cost with their units.
std::string PartText(const partslist::Line& line, const partslist::Replay& replay,
                     const Units& units, std::optional<double> pricePerKg);

} // namespace cli
