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
using Row = std::array<std::string_view, ColumnCount>;

// Text to the left, numbers to the right, two blanks between columns.
class Layout {
public:
    Layout(std::size_t columns, std::span<const std::size_t> widths) : columns_(columns) {
        std::copy(widths.begin(), widths.end(), widths_.begin());
    }

    void Widen(std::size_t column, std::size_t width) {
        widths_[column] = std::max(widths_[column], width);
    }

    void Measure(const Row& row) {
        for (std::size_t c = 0; c < columns_; ++c)
            Widen(c, row[c].size());
    }

    // Every row is as wide as the table, numbers being right-aligned: a row
    // is a stretch of blanks with the cells copied into their places.
    void Write(std::string& out, const Row& row) const {
        std::size_t at = out.size();
        out.resize(at + Width() + 1, ' ');
        for (std::size_t c = 0; c < columns_; ++c) {
            const std::string_view cell = row[c];
            const std::size_t to = at + (c >= QuantityColumn ? widths_[c] - cell.size() : 0);
            cell.copy(out.data() + to, cell.size());
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

    std::size_t columns_;
    std::array<std::size_t, ColumnCount> widths_{};
};

std::string_view Whole(std::array<char, 12>& buffer, std::int32_t value) {
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    return {buffer.data(), std::size_t(end - buffer.data())};
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

    std::size_t PerLine() const { return perLine_; }

    // Figure c of line i.
    std::string_view Of(std::size_t i, std::size_t c) const {
        const std::size_t at = i * perLine_ + c, begin = at ? ends_[at - 1] : 0;
        return std::string_view(texts_).substr(begin, ends_[at] - begin);
    }

private:
    std::size_t perLine_;
    std::string texts_;
    std::vector<std::size_t> ends_;
};

} // namespace

void Table::Add(const partslist::Line& line, std::int32_t density) {
    constexpr std::size_t blockSize = 1 << 20;
    if (blocks_.empty() || blocks_.back().size() >= blockSize) {
        blocks_.emplace_back();
        blocks_.back().reserve(blockSize + 256);
    }
    std::string& cells = blocks_.back();
    std::size_t column = 0;
    const auto cell = [&](std::string_view text, std::string_view more) {
        const std::size_t start = cells.size();
        cells += text;
        if (!more.empty()) {
            cells += ' ';
            cells += more;
        }
        widths_[column] = std::max(widths_[column], cells.size() - start);
        cells += '\0'; // in no cell: each is a name, a unit or a number
        ++column;
    };
    cell(partslist::KindName(line.Kind), {});
    cell(line.Type, line.Size);
    for (const calc::DimensionRow& row : line.Rows)
        cell(row.Text, row.Text.empty() ? std::string_view() : row.Unit);
    std::array<char, 12> number;
    cell(Whole(number, line.Quantity), {});
    cell(Whole(number, density), {});
}

void Table::Write(std::ostream& out, const partslist::Replay& replay, const Units& units,
                  std::optional<double> pricePerKg) const {
    const Figures figures(replay, units, pricePerKg);
    const std::string volume = "volume " + std::string(VolumeSymbol(units.Volume));
    const std::string weight = "weight " + std::string(WeightSymbol(units.Weight));
    const Row heading = {"kind",     "type and size", "a",    "b",    "c",
                         "quantity", "density kg/m3", volume, weight, "cost"};

    const std::string totalVolume = TotalVolumeText(replay, units);
    const std::string totalWeight = WeightText(replay.State.TotalWeight, units);
    const std::string totalCost =
        pricePerKg ? partslist::Cost(replay.State.TotalWeight, *pricePerKg, Point) : "";
    Row totals{};
    totals[KindColumn] = "total";
    totals[VolumeColumn] = totalVolume;
    totals[WeightColumn] = totalWeight;
    totals[CostColumn] = totalCost;

    Layout layout(pricePerKg ? ColumnCount : CostColumn, widths_);
    layout.Measure(heading);
    layout.Measure(totals);
    for (std::size_t i = 0; i < replay.Lines.size(); ++i)
        for (std::size_t c = 0; c < figures.PerLine(); ++c)
            layout.Widen(VolumeColumn + c, figures.Of(i, c).size());

    std::string buffer;
    buffer.reserve(1 << 17);
    layout.Write(buffer, heading);
    std::size_t i = 0;
    for (const std::string& block : blocks_)
        for (std::size_t at = 0; at < block.size(); ++i) {
            Row row{};
            for (std::size_t c = 0; c < widths_.size(); ++c) {
                std::size_t end = at;
                while (block[end] != '\0')
                    ++end;
                row[c] = std::string_view(block).substr(at, end - at);
                at = end + 1;
            }
            for (std::size_t c = 0; c < figures.PerLine(); ++c)
                row[VolumeColumn + c] = figures.Of(i, c);
            layout.Write(buffer, row);
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
