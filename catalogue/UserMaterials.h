#pragma once
// The user's own materials and prices, kept between runs as a CSV file in
// the user's data folder (UserMaterialsFileName) and imported or exported
// as the same file:
//
//   name,designation,group,density,price_per_kg
//   S355,,,7850,1.20
//   1.4301,,,7900,4.50
//   Hardox 450,,Wear plate,7850,3.10
//
// A line names a material, its density in kilograms per cubic metre (a
// whole number above 0 and at most 100000) and optionally its price per
// kilogram (0 or more; empty for none).
//
// A line whose name is a library material's, by its name, designation or a
// common name as catalogue::FindMaterial reads them ("S355", "304",
// "CW614N"), is that material: its price is that material's price, and its
// density is the one the material is weighed at from then on. An estimator
// keeps a price list by the names the trade uses, and where the density
// they give differs from the table's, it is their supplier's figure for
// what they buy, which the weight they quote must follow. Every other line
// is a material of the user's own, beside the library.
//
// The reader takes what spreadsheets write, as the parts-list reader does:
// header names in any case and order, blanks around them trimmed, columns
// of other names ignored; a header with semicolons and no comma (or a first
// line "sep=;") makes a semicolon file, whose number cells take a comma as
// the decimal mark; rows of only empty cells skipped; a byte-order mark
// skipped. The writer writes RFC 4180 with "." as the decimal point, and a
// text cell that a spreadsheet would run as a formula (one beginning with
// "=", "+", "-", "@", a tab or a carriage return) with a leading "'", which
// the reader takes off again.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace catalogue {

inline constexpr std::string_view UserMaterialsFileName = "materials.csv";

// One line of the user's file.
struct UserMaterial {
    std::string Name;
    std::string Designation; // may be empty
    std::string Group;       // may be empty
    std::int32_t Density = 0;
    std::optional<double> PricePerKg;

    bool operator==(const UserMaterial&) const = default;
};

// Reads the file's text. Nothing of a bad file is used: the first fault
// throws calc::Error as `FILE:LINE: column "NAME": what is wrong`: a
// density or price refused as CheckUserMaterial refuses it, a name missing
// or given twice (as FindMaterial compares names), a column the reader
// needs missing from the header, a field outside the header's columns.
std::vector<UserMaterial> ReadUserMaterials(std::string_view text, std::string_view fileName);

// The file's text for the entries, in their order.
std::string WriteUserMaterials(std::span<const UserMaterial> entries);

// The texts of an entry as a person types them into the window.
struct TypedMaterial {
    std::string_view Name;
    std::string_view Designation;
    std::string_view Group;
    std::string_view Density;
    std::string_view PricePerKg;
};

// The entry the texts make, checked by the file's rules with the file's
// words: throws calc::Error as `column "NAME": what is wrong`. `decimal` is
// the decimal mark the texts use ('.' or ',').
UserMaterial CheckUserMaterial(const TypedMaterial& typed, char decimal = '.');

// The list with the entry added (at the end) or put in place of the entry
// at `replacing`. Throws calc::Error, and the list stays as it was, when
// another entry already has that name.
std::vector<UserMaterial> WithUserMaterial(std::span<const UserMaterial> entries,
                                           UserMaterial entry,
                                           std::optional<std::size_t> replacing = {});

} // namespace catalogue
