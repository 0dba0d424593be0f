#pragma once
// What kubatrix-calc prints: the table of a parts list, the totals alone, and
// the answer for one part. Numbers are in the window's totals format with "."
// as the decimal point; weights and volumes in the units the window's unit
// boxes name.
#include "partslist/Line.h"
#include "partslist/Replay.h"

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

struct Units {
    std::string_view Weight = "kilogram";
    std::string_view Volume = "meter";
};

// Short texts one after another, each after its length, in blocks of about a
// megabyte; read back in the order they were put. One string would be
// copied again each time it grows.
class TextStore {
public:
    // The text, or the text and `more` after a blank.
    void Put(std::string_view text, std::string_view more = {});

    class Reader {
    public:
        explicit Reader(const TextStore& store) : store_(store) {}
        std::string_view Next();

    private:
        const TextStore& store_;
        std::size_t block_ = 0, at_ = 0;
    };

private:
    struct Block {
        std::unique_ptr<char[]> Data;
        std::size_t Size = 0, Capacity = 0;
    };
    std::vector<Block> blocks_;
};

// A row per line and one of totals, in columns; a cost column with a price.
// The rows are kept as the lines are read, as the few texts they show, so
// that a million lines take little memory; their figures come once the
// whole list is replayed.
class Table {
public:
    // The next line's row, showing the density it is weighed at.
    void Add(const partslist::Line& line, std::int32_t density);

    void Write(std::ostream& out, const partslist::Replay& replay, const Units& units,
               std::optional<double> pricePerKg) const;

private:
    TextStore cells_; // the texts of every row in turn
    std::array<std::size_t, 7> widths_{};
};

// The Weight field's text, then the Volume field's (the marker where the
// window shows it), a line each; then the cost when a price is given.
std::string TotalsText(const partslist::Replay& replay, const Units& units,
                       std::optional<double> pricePerKg);

// One part: what it is, then its weight, volume and cost with their units.
std::string PartText(const partslist::Line& line, const partslist::Replay& replay,
                     const Units& units, std::optional<double> pricePerKg);

} // namespace cli
