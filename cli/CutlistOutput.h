#pragma once
// What kubatrix-calc takeoff and cutlist print: a table for people, CSV for
// a spreadsheet, JSON for scripts. Lengths in millimetres, weights in
// kilograms, money with a point and two decimals; null in JSON where there
// is no figure (a cost without prices).
#include "cutlist/Cutlist.h"
#include "cutlist/Stock.h"
#include "cutlist/Takeoff.h"

#include <span>
#include <string>

namespace cli {

// A group of the take-off with the job made of it and its plan.
struct Planned {
    const cutlist::Group* Group = nullptr;
    cutlist::Job Job;
    cutlist::Plan Plan;
};

std::string TakeoffTable(std::span<const cutlist::Group> groups);
std::string TakeoffCsv(std::span<const cutlist::Group> groups);
std::string TakeoffJson(std::span<const cutlist::Group> groups);

std::string CutlistTable(std::span<const Planned> plans);
// A row per bar pattern: item, material, stock_mm, count, cuts_mm and
// lines (blank-separated), offcut_mm, remnant, price.
std::string CutlistCsv(std::span<const Planned> plans);
// {"groups": [{"item", "material", "plans": [...], "bought": [...], "bars",
// "cost", "lower_bound", "proven_optimal", "waste_pct", ...}], "bars", "cost"}
std::string CutlistJson(std::span<const Planned> plans);

} // namespace cli
