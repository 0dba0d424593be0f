#pragma once
// The parts-list file: CSV (RFC 4180), UTF-8, a header row, "." as the
// decimal point whatever the locale. The columns, in the order written:
//   kind, type, size, a, a_unit, b, b_unit, c, c_unit, quantity, material,
//   density, cut_by_weight, price_per_kg, volume_m3, weighed_at_kg_m3,
//   weight_kg
// A file a person wrote may list them in any order and leave out material,
// cut_by_weight, price_per_kg and the last three, which are written for
// people and spreadsheets and never read.
//
// What spreadsheets write reads too: a header with semicolons and no comma
// makes a semicolon file, whose number cells take a comma as the decimal
// mark (and then no point); header names in any case, blanks around them
// trimmed; columns of other names ignored; rows of only empty cells skipped;
// types and units also as kubatrix-calc spells them (calc/Spelling.h);
// UTF-8 with or without a byte-order mark, or UTF-16 with one. A text cell
// (type, size, a unit, material) that would start a formula is written with
// a leading "'", which the reader takes off again (catalogue/Text.h).
#include "partslist/Line.h"
#include "partslist/Replay.h"

#include <exception>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace partslist {

// How rows are written: the file's way by default.
struct RowFormat {
    char Separator = ','; // '\t' for a copy: then no cell is quoted (but one
                          // that starts with a quote), and a tab or line
                          // break in a text cell becomes a blank
    char Decimal = '.';   // the decimal mark of every number
    // For people (a copy): with a price, a cost column follows weight_kg:
    // each line's cost in cents, as the totals add them up.
    bool ForPeople = false;
    // A file's own ways, kept to write it again: a first line "sep=;", and
    // its columns in its order as it named them, those of other names
    // filled from each line's kept cells; the file's columns missing from
    // them follow. Empty: the file's columns in their order.
    bool SeparatorLine = false;
    std::vector<std::string> Header;

    // Tab-separated for a spreadsheet to paste, numbers with this decimal mark.
    static RowFormat Copy(char decimal, bool forPeople) {
        RowFormat format;
        format.Separator = '\t';
        format.Decimal = decimal;
        format.ForPeople = forPeople;
        return format;
    }

    bool operator==(const RowFormat&) const = default;
};

// A list read from a file, and its totals.
struct OpenedList {
    std::vector<Line> Lines;
    // The list's one price per kilogram, where every line that names a price
    // names the same (and then no line has its own); otherwise each line has
    // the price it names.
    std::optional<double> PricePerKg;
    Replay Totals;
    // Header names the file has and no line uses, in the file's order, blanks
    // around them trimmed; printable as they stand (see Printable in catalogue/Text.h).
    std::vector<std::string> IgnoredColumns;
    // The file's ways, to save it again as it was.
    RowFormat Format;
};

// Reading was cancelled by its progress callback: nothing of it is used.
class Cancelled : public std::exception {
public:
    const char* what() const noexcept override { return "cancelled"; }
};

// How far a long read has come: lines of the text read, of all its lines.
// Returning false cancels the read.
using Progress = std::function<bool(std::size_t done, std::size_t total)>;

// Reads and replays a file, every line at its own density or all at
// `density`. Nothing of a bad file is used: the first fault throws
// calc::Error with "FILE:LINE: column "NAME": what is wrong" (or, for a
// line as a whole, what it is: its count of fields, the totals it overflows),
// any text quoted from the file made printable. Given onLine, each line is
// handed to it as soon as it is read and replayed instead of being kept (the
// list returned has no lines): a million lines need not be held at once.
// Given progress, it is called every few thousand lines; when it returns
// false, Cancelled is thrown.
OpenedList ReadPartsList(std::string_view text, std::string_view fileName,
                         std::optional<std::int32_t> density = {},
                         const std::function<void(const Line&)>& onLine = {},
                         const Progress& progress = {});

// The file's text, or a copy's: the header row and a row for each line, the
// file's columns with what each line adds (replay.Lines parallel to lines; it
// may hold the results of these lines alone, with replay.WeighedAt that of
// the whole list), in the file's format or the one given. Every dimension is
// written as the shortest text of the number read: a typed "0,5" as 0.5, or
// 0,5 with a decimal comma.
std::string WritePartsList(std::span<const Line> lines, std::optional<double> pricePerKg,
                           const Replay& replay, const RowFormat& format = {});

// Rows pasted from a spreadsheet: tab-separated, with a header row of the
// file's column names (read as a file's header is) or without one, in the
// file's column order (kind, type, size, a, a_unit, ...; columns at the end
// may be left out). Numbers take `decimal` as their mark, as a copy writes
// them. Each cell is read as a file's is; the lines are not replayed.
// `volumeMarker` is whether the list they join ends with the Volume field
// showing the marker (Replay::VolumeMarker), for a hole whose cut_by_weight
// is left empty. All or none: the first bad row throws calc::Error with
// "row N, column "NAME": what is wrong" (row 1 is the first after the
// header). Rows of only empty cells are skipped.
// The names of header columns no line uses go to `ignored` where given.
std::vector<Line> ReadPastedRows(std::string_view text, char decimal, bool volumeMarker = false,
                                 std::vector<std::string>* ignored = nullptr);

// The shortest text that reads back as the same double, with this decimal mark.
std::string ExactNumber(double value, char decimal = '.');

} // namespace partslist
