#pragma once
// The words of a line as the list window, kubatrix-calc and the quote sheet
// show it, and the cost of a weight.
#include "partslist/Line.h"
#include "partslist/Replay.h"

#include <optional>
#include <span>

#include <string>

namespace partslist {

// "I-Beam 100x55x4.1x5.7" for a profile, the type alone for a solid.
std::string TypeAndSize(const Line& line);

// A dimension as it was read, the shortest text of its number with this
// decimal mark, and its unit: "2.5 centimeter"; empty for a row left empty.
std::string Dimension(const calc::Length& row, char separator = '.');

// The same with the unit's symbol, "2.5 cm".
std::string ShortDimension(const calc::Length& row, char separator = '.');

// weight × price in whole cents, rounded half away from zero; nothing past
// 15 significant digits, where a double no longer holds every cent.
std::optional<long long> CostCents(double kilograms, double pricePerKg);

// The price a line is costed at: its material's own, else the list's one
// price; none for a line that has no cost.
std::optional<double> PriceOf(const LineResult& line, std::optional<double> listPrice);

// Whether the lines have costs: the list has a price, or a line's material has.
bool Costed(std::span<const LineResult> lines, std::optional<double> listPrice);

// A line's cost in cents at PriceOf; none without a price, or past 15 digits.
std::optional<long long> CostCents(const LineResult& line, std::optional<double> listPrice);

// The total cost of lines: the sum of their costs, each rounded to cents, so
// that the lines add up to it; a line without a price adds nothing. Nothing
// where a cost or the sum is past 15 significant digits.
std::optional<long long> TotalCostCents(std::span<const LineResult> lines,
                                        std::optional<double> listPrice);

// Cents as money: "1234.50", with the given decimal separator and no
// currency; a dash for no figure.
std::string CentsText(std::optional<long long> cents, char separator);

// A line's cost as text: CentsText(CostCents(...)); a line without a price
// has none to show.
std::string Cost(const LineResult& line, std::optional<double> listPrice, char separator);

} // namespace partslist
