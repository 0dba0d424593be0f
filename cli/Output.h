#pragma once
// What kubatrix-calc prints: the table of a parts list, the totals alone, and
// the answer for one part. Numbers are in the window's totals format with "."
// as the decimal point; weights and volumes in the units the window's unit
// boxes name.
#include "calc/Units.h"
#include "catalogue/MaterialLibrary.h"
#include "partslist/Line.h"
#include "partslist/Replay.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

// Standard output, checked at every write and at the end: a full disk is
// told where it happens, rather than leaving a cut-off file behind an exit
// status of 0.
class Writer {
public:
    explicit Writer(std::ostream& out) : out_(out) {}

    // Both throw WriteFailed.
    void Write(std::string_view text);
    void Flush();

private:
    void Check() const;
    std::ostream& out_;
};

// A write that failed, with the system's error number (0 when the stream
// gave none).
struct WriteFailed {
    int Errno = 0;
};

// What the window's Volume field shows once a rolled profile was added: its
// volume is not computed.
inline constexpr std::string_view NoVolumeMarker = "Is not calculate";

struct Units {
    const calc::WeightUnit* Weight = calc::FindWeightUnit("kilogram");
    const calc::LengthUnit* Volume = calc::FindLengthUnit("meter");
};

// A row per line and one of totals, in columns; a cost column with a price.
// A line's row is kept as the texts it shows while the lines are read, so
// that a million lines take little memory; its figures come once the whole
// list is replayed.
class Table {
public:
    // The next line's row, showing the density it is weighed at.
    void Add(const partslist::Line& line, std::int32_t density);

    // With a price, a cost column whose total is the sum of the lines' costs.
    void Write(Writer& out, const partslist::Replay& replay, const Units& units,
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
// window shows it), a line each; then the cost when a price is given: the
// sum of the lines' costs, each rounded to cents, as the table's total.
std::string TotalsText(const partslist::Replay& replay, const Units& units,
                       std::optional<double> pricePerKg);

// One part: what it is, then its weight, volume and cost with their units.
std::string PartText(const partslist::Line& line, const partslist::Replay& replay,
                     const Units& units, std::optional<double> pricePerKg);

// Rows in columns two blanks apart, text to the left and numbers (from
// `firstNumber` on, before `afterNumbers`) to the right, a row ending in its
// last cell; columns as wide as their widest text in characters of UTF-8.
using Row = std::vector<std::string>;
std::string Columns(const std::vector<Row>& rows, std::size_t firstNumber,
                    std::size_t afterNumbers);

// Standard sections, a row each: designation, standard, area in cm2 and mass
// per metre at 7850 kg/m3, the figures as the catalogue has them.
std::string SectionsText(std::span<const catalogue::Section* const> sections);

// Materials of the library, a row each: name, designation, group, density.
std::string MaterialsText(std::span<const catalogue::PricedMaterial> materials);

} // namespace cli
