// Writing a list's rows: the file, and the copy a spreadsheet takes.
#include "partslist/Cells.h"
#include "catalogue/Csv.h"
#include "partslist/Describe.h"
#include "partslist/PartsFile.h"
#include "catalogue/Text.h"

#include <algorithm>
#include <charconv>

namespace partslist {
namespace csv = catalogue::csv;
namespace {

// What splits a cell of a spreadsheet's copy, which quotes none.
constexpr auto Breaks = [](char c) { return c == '\t' || c == '\r' || c == '\n'; };

// The cells of one row after another, separated and quoted as the format has
// them.
class RowWriter {
public:
    explicit RowWriter(const RowFormat& format) : format_(format) {}

    std::string out;

    void Cell(std::string_view text) {
        Separate();
        if (format_.Separator != '\t') return csv::AppendField(out, text, format_.Separator);
        // A spreadsheet's copy quotes no cell, so a tab or line break would
        // split one; a quote at the start would begin a quoted cell, so
        // that one is quoted.
        if (text.starts_with('"')) return csv::AppendField(out, text, '\t');
        const std::size_t at = out.size();
        out += text;
        std::replace_if(out.begin() + std::ptrdiff_t(at), out.end(), Breaks, ' ');
    }

    // Type, size, a unit, material: never a formula. In a copy the blank
    // that stands for a tab or line break is what the escape looks at.
    void Text(std::string_view text) {
        if (format_.Separator != '\t') return Cell(catalogue::FormulaEscaped(text));
        std::string blanked(text);
        std::ranges::replace_if(blanked, Breaks, ' ');
        Cell(catalogue::FormulaEscaped(blanked));
    }

    void Number(double value) { Cell(ExactNumber(value, format_.Decimal)); }
    void Whole(long long value) { Cell(std::to_string(value)); }

    void Cents(std::optional<long long> cents) {
        Cell(cents ? CentsText(cents, format_.Decimal) : std::string());
    }

    void EndRow() {
        out += format_.Separator == '\t' ? "\n" : "\r\n";
        first_ = true;
    }

private:
    void Separate() {
        if (!first_) out += format_.Separator;
        first_ = false;
    }

    const RowFormat& format_;
    bool first_ = true;
};

} // namespace

std::string ExactNumber(double value, char decimal) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::replace(buffer, end, '.', decimal);
    return std::string(buffer, end);
}

namespace {

constexpr int CostColumn = cells::ColumnCount;  // a copy's for people, after weight_kg
constexpr int KeptColumn = -1;                  // a column of the file's that no line uses

// The columns in the order written: ours, or the file's own (its names as it
// gave them) followed by ours it lacked.
std::vector<std::pair<int, std::string_view>> ColumnsOf(const RowFormat& format, bool cost) {
    std::vector<std::pair<int, std::string_view>> columns;
    std::vector<bool> present(cells::ColumnCount);
    for (const std::string& name : format.Header) {
        const auto column = cells::ColumnNamed(name);
        columns.emplace_back(column.value_or(KeptColumn), name);
        if (column) present[std::size_t(*column)] = true;
    }
    for (int c = 0; c < cells::ColumnCount; ++c)
        if (!present[std::size_t(c)]) columns.emplace_back(c, cells::ColumnNames[std::size_t(c)]);
    if (cost) columns.emplace_back(CostColumn, cells::CostColumnName);
    return columns;
}

// One cell of a line's row.
void WriteCell(RowWriter& w, int column, const Line& line, const LineResult* result,
               const Replay& replay, std::optional<double> listPrice) {
    using namespace cells;
    // The price the line is costed at: its material's, else the list's.
    const auto price = line.PricePerKg ? line.PricePerKg : listPrice;
    switch (column) {
    case KindColumn:
        return w.Cell(KindName(line.Kind));
    case TypeColumn:
        return w.Text(TypeName(line));
    case SizeColumn:
        return w.Text(line.Size);
    case AColumn:
    case BColumn:
    case CColumn: {
        const calc::Length& row = line.Rows[std::size_t(column - AColumn) / 2];
        return row.Unit ? w.Number(row.Value) : w.Cell({});
    }
    case AUnitColumn:
    case BUnitColumn:
    case CUnitColumn: {
        const calc::Length& row = line.Rows[std::size_t(column - AUnitColumn) / 2];
        return w.Text(row.Unit ? row.Unit->Name : std::string_view());
    }
    case QuantityColumn:
        return w.Whole(line.Quantity);
    case MaterialColumn:
        return w.Text(line.Material);
    case DensityColumn:
        return w.Whole(line.Density);
    case CutColumn:
        return w.Cell(line.Kind == Kind::Aperture ? (line.CutByWeight ? "yes" : "no") : "");
    case PriceColumn:
        return price ? w.Number(*price) : w.Cell({});
    case VolumeColumn:
        return result && result->Volume ? w.Number(*result->Volume) : w.Cell({});
    case WeighedAtColumn:
        return result ? w.Whole(WeighedAt(line, *result, replay.WeighedAt)) : w.Cell({});
    case WeightColumn:
        return result ? w.Number(result->Weight) : w.Cell({});
    case CostColumn:
        return result && price ? w.Cents(CostCents(result->Weight, *price)) : w.Cell({});
    default:
        return w.Cell({});
    }
}

} // namespace

std::string WritePartsList(std::span<const Line> lines, std::optional<double> pricePerKg,
                           const Replay& replay, const RowFormat& format) {
    RowWriter w(format);
    w.out.reserve(80 * (lines.size() + 1));
    if (format.SeparatorLine) w.out.append("sep=").append(1, format.Separator).append("\r\n");
    const bool cost = format.ForPeople && (pricePerKg || std::ranges::any_of(lines, [](const Line& l) {
                                               return l.PricePerKg.has_value();
                                           }));
    const auto columns = ColumnsOf(format, cost);
    for (const auto& column : columns)
        w.Cell(column.second);
    w.EndRow();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line& line = lines[i];
        const LineResult* result = i < replay.Lines.size() ? &replay.Lines[i] : nullptr;
        std::size_t kept = 0;
        for (const auto& column : columns) {
            if (column.first != KeptColumn)
                WriteCell(w, column.first, line, result, replay, pricePerKg);
            else
                w.Cell(kept < line.Kept.size() ? std::string_view(line.Kept[kept++])
                                               : std::string_view());
        }
        w.EndRow();
    }
    return std::move(w.out);
}

} // namespace partslist
