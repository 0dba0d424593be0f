#pragma once
// The materials an estimator weighs and prices: steel grades, stainless,
// aluminium and copper alloys, cast irons, titanium, nickel alloys, zinc,
// lead, plastics and woods, each by its standard designation and the names
// the trade calls it, with its density. The material box's 21 items
// (calc/Materials.h) stay as they are; this library is data beside them.
//
// The figures live in catalogue/materials/materials.csv, compiled in as
// text and read the first time any function here is called, so a run that
// never asks for a material never pays for them. The data's README names
// where every density comes from. Every pointer and reference returned into
// the library lives for the rest of the run.
//
// A user's own materials and prices (catalogue/UserMaterials.h) join the
// library in lookups and searches: an entry of the user's whose name is a
// library material's is that material at the user's density and price.
//
// Plain C++ on purpose: no Qt here, so the data and the search are tested
// without a window.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace catalogue {

struct UserMaterial;

// One material of the library, as catalogue/materials/materials.csv has it.
struct LibraryMaterial {
    std::string Name;        // what a list shows and a line records: "S355", "1.4301", "6082"
    std::string Designation; // its designation by its standard: "S355JR", "X5CrNi18-10"
    std::string Standard;    // the standard that designation is from: "EN 10025-2"
    std::vector<std::string> CommonNames; // "1.0045", "304", "AlSi1MgMn", "V2A", ...
    std::string Group;                    // "Structural steel", "Aluminium alloy", "Wood"
    std::int32_t Density = 0;             // kilograms per cubic metre, at room temperature
    std::string Source;                   // the key of the density's source in the README
};

// Every material, groups in the order the library lists them, each group in
// the file's order.
const std::vector<LibraryMaterial>& LibraryMaterials();

// A material as the program weighs and prices it: a library material, one
// of the user's own, or a library material the user gave a price (and a
// density) of their own. Views into the library and the user's list, valid
// while that list is.
struct PricedMaterial {
    std::string_view Name;
    std::string_view Designation;
    std::string_view Group;
    std::int32_t Density = 0;
    std::optional<double> PricePerKg;         // the user's, where they gave one
    const LibraryMaterial* Library = nullptr; // nullptr for a material only the user has
    const UserMaterial* User = nullptr;       // nullptr for a library material alone
};

// The material a typed word names, for `kubatrix-calc --material` and a
// typed material name: the name, designation or a common name of a library
// material, or the name or designation of one of the user's, in any case,
// with blanks, hyphens and underscores left out or put in ("s355",
// "X5CrNi18 10", "EN AW 6082", "cw614n"). A name of the user's own comes
// first: the word they gave an entry is the one they mean. Throws
// calc::Error for a word no material has ("no material is called "S999"")
// and for a word that several have, naming them ("V4A" is 1.4401, 1.4404
// and 1.4571).
PricedMaterial FindMaterial(std::string_view word, std::span<const UserMaterial> user = {});

// The same for the library alone, without throwing: nullptr for a word no
// library material or several have.
const LibraryMaterial* LibraryMaterialNamed(std::string_view word);

// The materials matching a search as you type, best first. The text is
// split at blanks; each word must begin a word of the material's name,
// designation, standard, common names or group, or, as a number, its
// density or the user's price per kilogram ("78" finds 7850 and 7800). The
// best come first: a name, designation or common name the whole text
// spells, then one it begins, then the materials whose names hold every
// word, then those found only by group, density or price. Among equals
// the user's own come first, then the library's order. No words: every
// material, the user's first.
std::vector<PricedMaterial> SearchMaterials(std::string_view text,
                                            std::span<const UserMaterial> user = {});

} // namespace catalogue
