#include "partslist/Cells.h"

#include "calc/Error.h"
#include "calc/ParseNumber.h"
#include "calc/ReadPart.h"
#include "calc/Spelling.h"
#include "catalogue/Text.h"

#include <algorithm>
#include <charconv>

namespace partslist::cells {
namespace {

using calc::Trimmed;

std::string Quoted(std::string_view text) {
    return "'" + catalogue::Printable(text) + "'";
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

// Which of two words a cell spells: as the window writes them first, then
// in any case, with blanks, hyphens or underscores. -1 for neither.
int Spelled(std::string_view cell, std::string_view first, std::string_view second) {
    if (cell == first) return 0;
    if (cell == second) return 1;
    if (calc::SameWord(cell, first)) return 0;
    if (calc::SameWord(cell, second)) return 1;
    return -1;
}

// What calc::ParseNumber refused in a cell, quoting the cell as a message may.
std::string NumberFault(std::string_view cell, const calc::Error& e) {
    return e.Message() == calc::Overflow ? Quoted(cell) + ": " + e.Message()
                                         : Quoted(cell) + " is not a valid floating point value";
}

// A whole decimal number, the whole field but for blanks around it, as a
// dimension may have them; or nothing.
std::optional<long long> WholeNumber(std::string_view s) {
    s = Trimmed(s);
    long long value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || error != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return value;
}

} // namespace

std::string ColumnName(int column) {
    return "column \"" + std::string(ColumnNames[std::size_t(column)]) + "\"";
}

std::optional<int> ColumnNamed(std::string_view name) {
    name = Trimmed(name);
    const auto column = std::ranges::find_if(
        ColumnNames, [&](std::string_view known) { return SameIgnoringCase(name, known); });
    if (column == ColumnNames.end()) return std::nullopt;
    return int(column - ColumnNames.begin());
}

Layout HeaderLayout(std::span<const std::string_view> fields, const Reading& reading) {
    Layout layout;
    layout.At.fill(Absent);
    layout.Width = fields.size();
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (!reading.KnownUtf8 && !catalogue::IsUtf8(fields[i]))
            throw Fault{"field " + std::to_string(i + 1) + " of the header",
                        "not " + std::string(reading.Encoding) + " text"};
        const std::string_view name = Trimmed(fields[i]);
        layout.Names.push_back(catalogue::Printable(name));
        layout.Header.emplace_back(fields[i]);
        const auto column = ColumnNamed(name);
        if (!column) {
            if (!name.empty()) layout.Ignored.push_back(layout.Names.back());
            layout.KeptAt.push_back(i);
            continue;
        }
        std::size_t& at = layout.At[std::size_t(*column)];
        if (at != Absent)
            throw Fault{"column \"" + layout.Names.back() + "\"", "named twice in the header"};
        at = i;
    }
    // Material, and cut_by_weight and the columns after it, may be left out.
    for (int c = 0; c < ColumnCount; ++c)
        if (c != MaterialColumn && c < CutColumn && layout.At[std::size_t(c)] == Absent)
            throw Fault{ColumnName(c), "missing from the header"};
    return layout;
}

Layout FileOrder() {
    Layout layout;
    for (std::size_t c = 0; c < ColumnCount; ++c) {
        layout.At[c] = c;
        layout.Names.emplace_back(ColumnNames[c]);
    }
    layout.Names.emplace_back(CostColumnName);
    layout.Width = layout.Names.size();
    layout.WidthName = "the columns";
    layout.ShortRowsPadded = true;
    return layout;
}

bool IsHeader(std::span<const std::string_view> fields) {
    return std::ranges::any_of(fields, [](std::string_view field) {
        return SameIgnoringCase(Trimmed(field), ColumnNames[KindColumn]);
    });
}

std::string FieldName(const Layout& layout, std::size_t index) {
    if (index < layout.Names.size() && !layout.Names[index].empty())
        return "column \"" + layout.Names[index] + "\"";
    return "field " + std::to_string(index + 1);
}

std::string_view LineReader::Field(std::span<const std::string_view> fields, int column) const {
    const std::size_t i = layout_.At[std::size_t(column)];
    return i < fields.size() ? fields[i] : std::string_view();
}

// More fields than the header are refused unless all of them are empty, as
// a spreadsheet leaves them; fewer are refused where a column is missing.
void LineReader::CheckWidth(std::span<const std::string_view> fields) const {
    const auto counts = [&] {
        return "the " + std::string(reading_.Noun) + " has " + std::to_string(fields.size()) +
               " fields, " + layout_.WidthName + " " + std::to_string(layout_.Width);
    };
    if (fields.size() > layout_.Width &&
        !std::all_of(fields.begin() + std::ptrdiff_t(layout_.Width), fields.end(),
                     [](std::string_view field) { return field.empty(); }))
        throw Fault{"", counts()};
    if (fields.size() < layout_.Width && !layout_.ShortRowsPadded)
        for (int c = 0; c < ColumnCount; ++c)
            if (layout_.At[std::size_t(c)] != Absent && layout_.At[std::size_t(c)] >= fields.size())
                throw Fault{ColumnName(c), "missing: " + counts()};
}

// A number cell as calc::ParseNumber reads it, with a point. Where the comma
// is the decimal mark, a point is refused, and the other way round: "1,000"
// and "1.000" are each a thousand somewhere, and neither may pass for 1.
std::string_view LineReader::Number(std::span<const std::string_view> fields, int column) {
    const std::string_view cell = Field(fields, column);
    const char other = reading_.Decimal == ',' ? '.' : ',';
    if (std::ranges::find(cell, other) != cell.end())
        throw Fault{ColumnName(column), "\"" + catalogue::Printable(cell) + "\": use " +
                                            (reading_.Decimal == ',' ? "a comma" : "a point") +
                                            " for decimals and no thousands separator"};
    if (reading_.Decimal != ',' || cell.find(',') == std::string_view::npos) return cell;
    number_ = cell;
    std::ranges::replace(number_, ',', '.');
    return number_;
}

bool LineReader::Read(std::span<const std::string_view> fields, Line& line) {
    if (std::ranges::all_of(fields, &std::string_view::empty)) return false;
    // Bytes that are no text first: they may be what made the fields too few.
    if (!reading_.KnownUtf8)
        for (std::size_t i = 0; i < fields.size(); ++i)
            if (!catalogue::IsUtf8(fields[i]))
                throw Fault{FieldName(layout_, i),
                            "not " + std::string(reading_.Encoding) + " text"};
    CheckWidth(fields);
    ReadKindAndType(fields, line);
    ReadSize(fields, line);
    ReadRows(fields, line);
    ReadCounts(fields, line);
    line.Material = catalogue::FormulaUnescaped(Field(fields, MaterialColumn));
    line.Kept.clear();
    for (const std::size_t at : layout_.KeptAt)
        line.Kept.emplace_back(at < fields.size() ? fields[at] : std::string_view());
    ReadCut(fields, line);
    ReadPrice(fields, line);
    return true;
}

void LineReader::ReadKindAndType(std::span<const std::string_view> fields, Line& line) const {
    const std::string_view kind = Field(fields, KindColumn);
    const int spelled = Spelled(kind, "object", "aperture");
    if (spelled < 0)
        throw Fault{ColumnName(KindColumn), Quoted(kind) + " is neither object nor aperture"};
    line.Kind = spelled == 0 ? Kind::Object : Kind::Aperture;

    const std::string_view type = catalogue::FormulaUnescaped(Field(fields, TypeColumn));
    line.Type = calc::ShapeSpelled(type, line.Kind == Kind::Aperture);
    if (!line.Type)
        throw Fault{ColumnName(TypeColumn), Quoted(type) + " is no type of " + KindName(line.Kind)};
}

void LineReader::ReadSize(std::span<const std::string_view> fields, Line& line) const {
    const std::string_view size = catalogue::FormulaUnescaped(Field(fields, SizeColumn));
    line.ProfileMass = 0.0;
    line.SectionArea = 0.0L;
    if (SetSize(line, size)) return;
    if (IsSection(line))
        throw Fault{ColumnName(SizeColumn), Quoted(size) + " is no standard section"};
    if (!ProfileOf(line))
        throw Fault{ColumnName(SizeColumn),
                    "only a rolled profile or a standard section has a size"};
    throw Fault{ColumnName(SizeColumn),
                Quoted(size) + " is no size of " + std::string(TypeName(line))};
}

// Each row's number is read here, as the click would read it, so that its
// fault names its column.
void LineReader::ReadRows(std::span<const std::string_view> fields, Line& line) {
    for (int row = 0; row < 3; ++row) {
        const int value = AColumn + 2 * row, unit = value + 1;
        const std::string_view text = Number(fields, value);
        const std::string_view unitCell = catalogue::FormulaUnescaped(Field(fields, unit));
        // An empty cell, as a profile's a and b have, spells no unit.
        const calc::LengthUnit* named =
            unitCell.empty() ? nullptr : calc::LengthUnitSpelled(unitCell);
        if (!named && !text.empty())
            throw Fault{ColumnName(unit), Quoted(unitCell) +
                                              " is no length unit: millimeter, centimeter, meter, "
                                              "inch, foot or yard (or mm, cm, m, in, ft, yd)"};
        try {
            line.Rows[std::size_t(row)] = calc::ReadLength(text, named);
        } catch (const calc::Error& e) {
            throw Fault{ColumnName(value), NumberFault(Field(fields, value), e)};
        }
    }
    if (!IsSection(line)) return;
    // A section has a length and nothing else, in c.
    for (int row = 0; row < 2; ++row)
        if (line.Rows[std::size_t(row)].Unit)
            throw Fault{ColumnName(AColumn + 2 * row),
                        "a standard section has only a length, in column \"c\""};
    try {
        calc::RequireSectionLength(line.Rows[2]);
    } catch (const calc::Error& e) {
        throw Fault{ColumnName(CColumn), e.Message()};
    }
}

void LineReader::ReadCounts(std::span<const std::string_view> fields, Line& line) {
    const auto quantity = WholeNumber(Number(fields, QuantityColumn));
    if (!quantity || *quantity < 1 || *quantity > 1000)
        throw Fault{ColumnName(QuantityColumn),
                    Quoted(Field(fields, QuantityColumn)) + " is no whole number from 1 to 1000"};
    line.Quantity = int(*quantity);

    const auto density = WholeNumber(Number(fields, DensityColumn));
    if (!density || *density < std::numeric_limits<std::int32_t>::min() ||
        *density > std::numeric_limits<std::int32_t>::max())
        throw Fault{ColumnName(DensityColumn), Quoted(Field(fields, DensityColumn)) +
                                                   " is no whole number of kilograms per cubic "
                                                   "metre from -2147483648 to 2147483647"};
    line.Density = std::int32_t(*density);
}

// Left empty, a hole is cut by weight as the window would cut it: while the
// Volume field shows the marker, from a profile to the next solid.
void LineReader::ReadCut(std::span<const std::string_view> fields, Line& line) {
    const std::string_view cut = Field(fields, CutColumn);
    const int spelled = cut.empty() ? 1 : Spelled(cut, "yes", "no");
    if (spelled < 0) throw Fault{ColumnName(CutColumn), Quoted(cut) + " is neither yes nor no"};
    if (line.Kind == Kind::Object && !cut.empty())
        throw Fault{ColumnName(CutColumn), "only an aperture is cut by weight"};
    line.CutByWeight = false;
    if (line.Kind == Kind::Aperture) {
        line.CutByWeight = cut.empty() ? volumeMarker_ : spelled == 0;
        if (!line.CutByWeight) volumeMarker_ = false;
    } else {
        volumeMarker_ = ProfileOf(line).has_value();
    }
}

// Each line's price, its material's. Where every line that names a price
// names the same, as a list of one price is written, that is the list's.
void LineReader::ReadPrice(std::span<const std::string_view> fields, Line& line) {
    line.PricePerKg.reset();
    const std::string_view text = Number(fields, PriceColumn);
    if (text.empty()) return;
    const std::string_view cell = Field(fields, PriceColumn);
    double value = 0.0;
    try {
        value = calc::ParseNumber(text);
    } catch (const calc::Error& e) {
        throw Fault{ColumnName(PriceColumn), NumberFault(cell, e)};
    }
    if (value < 0.0) throw Fault{ColumnName(PriceColumn), Quoted(cell) + " is below zero"};
    line.PricePerKg = value;
    if (mixed_) return;
    mixed_ = price_ && *price_ != value;
    price_ = mixed_ ? std::nullopt : std::optional(value);
}

} // namespace partslist::cells
