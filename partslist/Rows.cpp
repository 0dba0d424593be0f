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
        std::replace_if(
            out.begin() + std::ptrdiff_t(at), out.end(),
            [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
    }

    // Type, size, a unit, material: never a formula. In a copy the blank
    // that stands for a tab or line break is what the escape looks at.
    void Text(std::string_view text) {
        if (format_.Separator != '\t') return Cell(catalogue::FormulaEscaped(text));
        std::string blanked(text);
        std::replace_if(
            blanked.begin(), blanked.end(),
            [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
        Cell(catalogue::FormulaEscaped(blanked));
    }

    void Number(double value) { Cell(WithDecimal(ExactNumber(value))); }
    void Whole(long long value) { Cell(std::to_string(value)); }

    // A dimension as the shortest text of the number read, and its unit.
    void Dimension(const calc::Length& length) {
        if (length.Unit)
            Number(length.Value);
        else
            Cell({});
        Text(length.Unit ? length.Unit->Name : std::string_view());
    }

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

    std::string WithDecimal(std::string number) const {
        std::ranges::replace(number, '.', format_.Decimal);
        return number;
    }

    const RowFormat& format_;
    bool first_ = true;
};

} // namespace

std::string ExactNumber(double value) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, end);
}

std::string WriteRows(std::span<const Line> lines, std::optional<double> pricePerKg,
                      const Replay& replay, const RowFormat& format) {
    RowWriter w(format);
    w.out.reserve(80 * (lines.size() + 1));
    const bool cost = format.ForPeople && (pricePerKg || std::ranges::any_of(lines, [](const Line& l) {
                                               return l.PricePerKg.has_value();
                                           }));
    for (const std::string_view name : cells::ColumnNames)
        w.Cell(name);
    if (cost) w.Cell(cells::CostColumnName);
    w.EndRow();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line& line = lines[i];
        const LineResult* result = i < replay.Lines.size() ? &replay.Lines[i] : nullptr;
        w.Cell(KindName(line.Kind));
        w.Text(TypeName(line));
        w.Text(line.Size);
        for (const calc::Length& row : line.Rows)
            w.Dimension(row);
        w.Whole(line.Quantity);
        w.Text(line.Material);
        w.Whole(format.ForPeople && result ? WeighedAt(line, *result, replay.WeighedAt)
                                           : line.Density);
        w.Cell(line.Kind == Kind::Aperture ? (line.CutByWeight ? "yes" : "no") : "");
        // The price the line is costed at: its material's, else the list's.
        if (const auto price = line.PricePerKg ? line.PricePerKg : pricePerKg)
            w.Number(*price);
        else
            w.Cell({});
        if (result && result->Volume)
            w.Number(*result->Volume);
        else
            w.Cell({});
        if (result)
            w.Number(result->Weight);
        else
            w.Cell({});
        if (cost) {
            const auto price = line.PricePerKg ? line.PricePerKg : pricePerKg;
            if (result && price)
                w.Cents(CostCents(result->Weight, *price));
            else
                w.Cell({});
        }
        w.EndRow();
    }
    return std::move(w.out);
}

std::string WritePartsList(std::span<const Line> lines, std::optional<double> pricePerKg,
                           const Replay& replay) {
    return WriteRows(lines, pricePerKg, replay, RowFormat{});
}

} // namespace partslist
