#pragma once
// The cells of a parts list's lines, as a file or a copy from a spreadsheet
// holds them: which column stands where, and the line a record's cells make.
// The file's reader and Paste share this, so both take the same spellings
// and refuse the same cells with the same words.
#include "partslist/Line.h"

#include <array>
#include <cstddef>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace partslist::cells {

enum Column {
    KindColumn,
    TypeColumn,
    SizeColumn,
    AColumn,
    AUnitColumn,
    BColumn,
    BUnitColumn,
    CColumn,
    CUnitColumn,
    QuantityColumn,
    MaterialColumn,
    DensityColumn,
    CutColumn,
    PriceColumn,
    VolumeColumn,
    WeighedAtColumn,
    WeightColumn,
    ColumnCount
};

// The file's column names, in the order it writes them.
inline constexpr std::array<std::string_view, ColumnCount> ColumnNames{
    "kind",          "type",
    "size",          "a",
    "a_unit",        "b",
    "b_unit",        "c",
    "c_unit",        "quantity",
    "material",      "density",
    "cut_by_weight", "price_per_kg",
    "volume_m3",     "weighed_at_kg_m3",
    "weight_kg"};

// The column a copy for people adds after weight_kg when there is a price.
inline constexpr std::string_view CostColumnName = "cost";

// `column "a"`, as a fault names it.
std::string ColumnName(int column);

// The column a header cell names: in any case, blanks around it trimmed.
std::optional<int> ColumnNamed(std::string_view name);

// What is wrong with a header or a line: where (`column "a"`, or empty for
// the line as a whole) and what.
struct Fault {
    std::string Where;
    std::string What;
};

inline constexpr std::size_t Absent = std::numeric_limits<std::size_t>::max();

// Where each column stands in a record.
struct Layout {
    std::array<std::size_t, ColumnCount> At; // Absent for a column the records leave out
    std::size_t Width = 0;                   // fields of the header
    std::string WidthName = "the header";    // what Width is, for a fault
    std::vector<std::string> Names;          // each field's name, printable
    std::vector<std::string> Ignored;        // the names no column has, printable
    std::vector<std::size_t> KeptAt;         // where the columns of other names stand
    std::vector<std::string> Header;         // the header's cells as they were
    bool ShortRowsPadded = false;            // a record may leave out columns at its end
};

struct Reading {
    char Decimal = '.';     // the decimal mark of number cells; the other one is refused
    bool KnownUtf8 = false; // the whole text is UTF-8: no cell needs a look of its own
    std::string_view Encoding = "UTF-8"; // what the text was, for a fault
    std::string_view Noun = "line";      // what a record is called, for a fault
};

// The layout a header row names: names in any case, blanks around them
// trimmed; a name no column has is ignored (and listed), an empty one too.
// Throws Fault for a name given twice, a column missing that a line needs,
// or a name not in the reading's encoding (when the text is not known to be).
Layout HeaderLayout(std::span<const std::string_view> fields, const Reading& reading);

// Rows copied without their header: the file's columns in its order, and the
// cost of a copy for people; a row may leave out columns at its end.
Layout FileOrder();

// Whether a row is a header: one of its cells names the column kind.
bool IsHeader(std::span<const std::string_view> fields);

// The name of field `index` of a record, for a fault.
std::string FieldName(const Layout& layout, std::size_t index);

// Reads records into lines, one after another, as the window would have made
// them: types and units by the window's names, numbers with a point, and
// what earlier lines decide (a hole left to be cut by weight, the price).
class LineReader {
public:
    LineReader(const Layout& layout, const Reading& reading, bool volumeMarker = false)
        : layout_(layout), reading_(reading), volumeMarker_(volumeMarker) {}

    // Fills `line` from a record and returns true; false for a record of only
    // empty cells, which is no line. Throws Fault at the first cell that is
    // wrong. Only what the cells say is checked: the line is not replayed.
    bool Read(std::span<const std::string_view> fields, Line& line);

    // The list's one price per kilogram: the price every line that names one
    // names; none where no line names one or they differ.
    const std::optional<double>& Price() const { return price_; }

private:
    std::string_view Field(std::span<const std::string_view> fields, int column) const;
    void CheckWidth(std::span<const std::string_view> fields) const;
    std::string_view Number(std::span<const std::string_view> fields, int column);
    void ReadKindAndType(std::span<const std::string_view> fields, Line& line) const;
    void ReadSize(std::span<const std::string_view> fields, Line& line) const;
    void ReadRows(std::span<const std::string_view> fields, Line& line);
    void ReadCounts(std::span<const std::string_view> fields, Line& line);
    void ReadCut(std::span<const std::string_view> fields, Line& line);
    void ReadPrice(std::span<const std::string_view> fields, Line& line);

    const Layout& layout_;
    Reading reading_;
    bool volumeMarker_;
    std::optional<double> price_;
    bool mixed_ = false; // lines named different prices
    std::string number_; // a number cell with its decimal comma made a point
};

} // namespace partslist::cells
