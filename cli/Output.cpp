#include "cli/Output.h"

#include "calc/Calculator.h"
#include "cli/Words.h"
#include "partslist/Describe.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <vector>

namespace cli {
namespace {

constexpr char Point = '.';

std::string WeightText(double kilograms, const Units& units) {
    return calc::WeightText(kilograms, units.Weight, Point);
}

std::string VolumeText(double cubicMetres, const Units& units) {
    return *calc::VolumeText("", cubicMetres, units.Volume, Point);
}

// What the Volume field shows: the marker once a profile made it so.
std::string TotalVolumeText(const partslist::Replay& replay, const Units& units) {
    if (replay.VolumeMarker) return std::string(calc::NoVolumeMarker);
    return VolumeText(replay.State.TotalVolume, units);
}

// A cell of the table, written "Text More": a type and its size, a
// dimension and its unit, or a number alone. Views, so a row costs no copies.
struct Cell {
    std::string_view Text, More;
    std::size_t Width() const { return Text.size() + (More.empty() ? 0 : 1 + More.size()); }
};

enum Column {
    KindColumn,
    TypeColumn,
    AColumn,
    BColumn,
    CColumn,
    QuantityColumn,
    DensityColumn,
    VolumeColumn,
    WeightColumn,
    CostColumn,
    ColumnCount
};
using Row = std::array<Cell, ColumnCount>;

// Text to the left, numbers to the right, two blanks between columns.
class Layout {
public:
    explicit Layout(std::size_t columns) : columns_(columns) {}

    void Measure(const Row& row) {
        for (std::size_t c = 0; c < columns_; ++c)
            widths_[c] = std::max(widths_[c], row[c].Width());
    }

    // Every row is as wide as the table, numbers being right-aligned: a row
    // is a stretch of blanks with the cells copied into their places.
    void Write(std::string& out, const Row& row) const {
        std::size_t at = out.size();
        out.resize(at + Width() + 1, ' ');
        for (std::size_t c = 0; c < columns_; ++c) {
            const Cell& cell = row[c];
            std::size_t to = at + (c >= QuantityColumn ? widths_[c] - cell.Width() : 0);
            to = Copy(out, to, cell.Text);
            if (!cell.More.empty()) Copy(out, to + 1, cell.More);
            at += widths_[c] + 2;
        }
        out.back() = '\n';
    }

private:
    std::size_t Width() const {
        std::size_t width = 2 * (columns_ - 1);
        for (std::size_t c = 0; c < columns_; ++c)
            width += widths_[c];
        return width;
    }

    static std::size_t Copy(std::string& out, std::size_t at, std::string_view text) {
        text.copy(out.data() + at, text.size());
        return at + text.size();
    }

    std::size_t columns_;
    std::array<std::size_t, ColumnCount> widths_{};
};

struct Numbers {
    std::array<char, 12> Quantity, Density;
};

std::string_view Whole(std::array<char, 12>& buffer, std::int32_t value) {
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    return {buffer.data(), std::size_t(end - buffer.data())};
}

Row LineRow(const partslist::Line& line, Numbers& numbers,
            std::span<const std::string_view> shown) {
    Row row{};
    row[KindColumn] = {partslist::KindName(line.Kind), {}};
    row[TypeColumn] = {line.Type, line.Size};
    for (std::size_t r = 0; r < 3; ++r)
        if (!line.Rows[r].Text.empty()) row[AColumn + r] = {line.Rows[r].Text, line.Rows[r].Unit};
    row[QuantityColumn] = {Whole(numbers.Quantity, line.Quantity), {}};
    row[DensityColumn] = {Whole(numbers.Density, line.Density), {}};
    for (std::size_t c = 0; c < shown.size(); ++c)
        row[VolumeColumn + c] = {shown[c], {}};
    return row;
}

// The volume, weight and cost of every line, formatted once into one string:
// they set the widths before the first row is written.
class Figures {
public:
    Figures(const partslist::Replay& replay, const Units& units, std::optional<double> price)
        : perLine_(price ? 3 : 2) {
        texts_.reserve(replay.Lines.size() * 32);
        ends_.reserve(replay.Lines.size() * perLine_);
        for (const partslist::LineResult& result : replay.Lines) {
            if (result.Volume) texts_ += VolumeText(*result.Volume, units);
            ends_.push_back(texts_.size());
            texts_ += WeightText(result.Weight, units);
            ends_.push_back(texts_.size());
            if (price) {
                texts_ += partslist::Cost(result.Weight, *price, Point);
                ends_.push_back(texts_.size());
            }
        }
    }

    // The figures of line i; valid until the next call.
    std::span<const std::string_view> Of(std::size_t i) {
        for (std::size_t c = 0; c < perLine_; ++c) {
            const std::size_t at = i * perLine_ + c, begin = at ? ends_[at - 1] : 0;
            shown_[c] = std::string_view(texts_).substr(begin, ends_[at] - begin);
        }
        return {shown_.data(), perLine_};
    }

private:
    std::size_t perLine_;
    std::string texts_;
    std::vector<std::size_t> ends_;
    std::array<std::string_view, 3> shown_;
};

} // namespace

void WriteTable(std::ostream& out, std::span<const partslist::Line> lines,
                const partslist::Replay& replay, const Units& units,
                std::optional<double> pricePerKg) {
    Figures figures(replay, units, pricePerKg);
    const std::string volume = "volume " + std::string(VolumeSymbol(units.Volume));
    const std::string weight = "weight " + std::string(WeightSymbol(units.Weight));
    const std::string_view headings[ColumnCount] = {
        "kind",     "type and size", "a",    "b",    "c",
        "quantity", "density kg/m3", volume, weight, "cost"};
    Row heading{};
    for (std::size_t c = 0; c < ColumnCount; ++c)
        heading[c] = {headings[c], {}};

    const std::string totalVolume = TotalVolumeText(replay, units);
    const std::string totalWeight = WeightText(replay.State.TotalWeight, units);
    const std::string totalCost =
        pricePerKg ? partslist::Cost(replay.State.TotalWeight, *pricePerKg, Point) : "";
    Row totals{};
    totals[KindColumn] = {"total", {}};
    totals[VolumeColumn] = {totalVolume, {}};
    totals[WeightColumn] = {totalWeight, {}};
    totals[CostColumn] = {totalCost, {}};

    Layout layout(pricePerKg ? ColumnCount : CostColumn);
    Numbers numbers;
    layout.Measure(heading);
    for (std::size_t i = 0; i < lines.size(); ++i)
        layout.Measure(LineRow(lines[i], numbers, figures.Of(i)));
    layout.Measure(totals);

    std::string buffer;
    buffer.reserve(1 << 17);
    layout.Write(buffer, heading);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        layout.Write(buffer, LineRow(lines[i], numbers, figures.Of(i)));
        if (buffer.size() >= 1 << 16) {
            out.write(buffer.data(), std::streamsize(buffer.size()));
            buffer.clear();
        }
    }
    layout.Write(buffer, totals);
    out.write(buffer.data(), std::streamsize(buffer.size()));
}

std::string TotalsText(const partslist::Replay& replay, const Units& units,
                       std::optional<double> pricePerKg) {
    std::string out =
        WeightText(replay.State.TotalWeight, units) + '\n' + TotalVolumeText(replay, units) + '\n';
    if (pricePerKg) out += partslist::Cost(replay.State.TotalWeight, *pricePerKg, Point) + '\n';
    return out;
}

std::string PartText(const partslist::Line& line, const partslist::Replay& replay,
                     const Units& units, std::optional<double> pricePerKg) {
    std::string out =
        std::string(partslist::KindName(line.Kind)) + ' ' + partslist::TypeAndSize(line);
    for (std::size_t r = 0; r < 3; ++r)
        if (!line.Rows[r].Text.empty())
            out += ", " + std::string(1, char('a' + r)) + ' ' + partslist::Dimension(line.Rows[r]);
    out += ", quantity " + std::to_string(line.Quantity) + ", density " +
           std::to_string(line.Density) + " kg/m3\n";

    // The figures under one another, right-aligned.
    const bool marker = replay.VolumeMarker;
    const std::array<std::string, 3> figures{
        WeightText(replay.State.TotalWeight, units), TotalVolumeText(replay, units),
        pricePerKg ? partslist::Cost(replay.State.TotalWeight, *pricePerKg, Point) : ""};
    const std::array<std::string_view, 3> labels{"weight", "volume", "cost"};
    const std::array<std::string, 3> symbols{std::string(WeightSymbol(units.Weight)),
                                             marker ? "" : std::string(VolumeSymbol(units.Volume)),
                                             ""};
    std::size_t width = 0;
    for (const std::string& f : figures)
        width = std::max(width, f.size());
    for (std::size_t i = 0; i < (pricePerKg ? 3 : 2); ++i) {
        out += labels[i];
        out.append(8 - labels[i].size() + width - figures[i].size(), ' ');
        out += figures[i];
        if (!symbols[i].empty()) out += ' ' + symbols[i];
        out += '\n';
    }
    return out;
}

} // namespace cli
