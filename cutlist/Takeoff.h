#pragma once
// The take-off: which lines of a parts list are cut from stock bars, grouped
// by cross-section and material, what each group weighs and costs, and the
// pieces its cut list plans.
//
// Cut from stock are the objects with a cross-section and a length: standard
// sections (their designation, length c), rolled profiles (their size,
// length c; the hexagonal bar joins the hexahedron of the same width), round
// bars (Cylinder: diameter a, length b), tubes (Pipe: a, b, length c) and
// hexagonal bars (Hexahedron: width a, length b). Apertures and the other
// solids are not, nor a profile whose size was never chosen: it has no
// cross-section to buy.
#include "cutlist/Cutlist.h"
#include "partslist/Line.h"
#include "partslist/Replay.h"

#include <optional>
#include <span>
#include <string>
#include <vector>

namespace cutlist {

struct Group {
    std::string Item;       // "IPE 200", "I-Beam 300x150x6.5x9", "Round bar Ø 50 mm"
    std::string Material;   // the lines' material; one without a name, its density: "7850 kg/m3"
    std::vector<int> Lines; // the parts-list lines, from 1, ascending
    int Pieces = 0;         // the lines' quantities
    double LengthMm = 0;    // every piece's length
    double Weight = 0;      // the lines' weights, kg
    // By weight, as the list costs its lines: each line at its price, in
    // cents; none where no line has a price.
    std::optional<long long> CostCents;
    // A metre of the bar at the lines' prices per kg, what a stock length
    // "by weight" costs a metre; none unless every line has a price.
    std::optional<double> PricePerMetre;
    // What the cut list cuts: a piece per line, its length rounded up to
    // tenths of a millimetre, its count the line's quantity.
    std::vector<Piece> Cuts;
};

// The groups in the order of their first line. `results` is the replay of
// `lines` (Replay::Lines), `listPrice` the list's one price per kg.
std::vector<Group> TakeOff(std::span<const partslist::Line> lines,
                           std::span<const partslist::LineResult> results,
                           std::optional<double> listPrice);

// What is said of a list without lines cut from stock.
inline constexpr const char* NothingCutFromStock =
    "No line of the list is cut from stock: a take-off lists standard sections, rolled "
    "profiles, round bars (cylinders), tubes (pipes) and hexagonal bars";

// A length in millimetres as labels and tables write it: at most two
// decimals, no trailing zeros ("114.3", "50", "0.25").
std::string MmText(double mm);

} // namespace cutlist
