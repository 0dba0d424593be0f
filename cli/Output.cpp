#include "cli/Output.h"

#include "calc/Calculator.h"
#include "cli/Words.h"
#include "partslist/Describe.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <future>
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
    void Write(std::string& out, const Row& row) {
        if (width_ == 0) width_ = Width(); // once every width is known
        std::size_t at = out.size();
        out.resize(at + width_ + 1, ' ');
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
    std::size_t width_ = 0;
};

std::string_view Whole(std::array<char, 12>& buffer, std::int32_t value) {
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    return {buffer.data(), std::size_t(end - buffer.data())};
}

// The volume, weight and cost of every line, formatted once: they set the
// widths before the first row is written. Formatting is most of the table's
// work, so the second half of the lines is formatted on another core
// meanwhile (or after the first, where no thread can be had).
class Figures {
public:
    Figures(std::span<const partslist::LineResult> lines, const Units& units,
            std::optional<double> price)
        : perLine_(price ? 3 : 2), early_(lines.size() / 2 * perLine_) {
        const std::size_t half = lines.size() / 2;
        auto later = std::async(std::launch::async | std::launch::deferred,
                                [&] { Format(lines.subspan(half), units, price, halves_[1]); });
        Format(lines.first(half), units, price, halves_[0]);
        later.get();
    }

    std::size_t PerLine() const { return perLine_; }

    // Every figure in turn.
    class Reader {
    public:
        explicit Reader(const Figures& f)
            : early_(f.halves_[0]), late_(f.halves_[1]), left_(f.early_) {}
        std::string_view Next() { return left_ > 0 ? (--left_, early_.Next()) : late_.Next(); }

    private:
        TextStore::Reader early_, late_;
        std::size_t left_; // in the first half
    };

private:
    static void Format(std::span<const partslist::LineResult> lines, const Units& units,
                       std::optional<double> price, TextStore& texts) {
        for (const partslist::LineResult& result : lines) {
            texts.Put(result.Volume ? VolumeText(*result.Volume, units) : std::string());
            texts.Put(WeightText(result.Weight, units));
            if (price) texts.Put(partslist::Cost(result.Weight, *price, Point));
        }
    }

    std::size_t perLine_;
    std::size_t early_; // figures in the first half
    std::array<TextStore, 2> halves_;
};

} // namespace

// Each text after its length, seven bits to a byte, the last byte's top bit clear.
void TextStore::Put(std::string_view text, std::string_view more) {
    const std::size_t size = text.size() + (more.empty() ? 0 : 1 + more.size());
    const std::size_t room = size + 10;
    if (blocks_.empty() || blocks_.back().Size + room > blocks_.back().Capacity) {
        const std::size_t capacity = std::max<std::size_t>(1 << 20, room);
        blocks_.push_back({std::make_unique_for_overwrite<char[]>(capacity), 0, capacity});
    }
    Block& block = blocks_.back();
    char* at = block.Data.get() + block.Size;
    std::size_t length = size;
    for (; length >= 0x80; length >>= 7)
        *at++ = char(0x80 | (length & 0x7F));
    *at++ = char(length);
    at = std::copy(text.begin(), text.end(), at);
    if (!more.empty()) {
        *at++ = ' ';
        at = std::copy(more.begin(), more.end(), at);
    }
    block.Size = std::size_t(at - block.Data.get());
}

std::string_view TextStore::Reader::Next() {
    if (at_ == store_.blocks_[block_].Size) ++block_, at_ = 0;
    const char* data = store_.blocks_[block_].Data.get();
    std::size_t size = 0;
    for (int shift = 0;; shift += 7) {
        const auto byte = static_cast<unsigned char>(data[at_++]);
        size |= std::size_t(byte & 0x7F) << shift;
        if (byte < 0x80) break;
    }
    const std::string_view text(data + at_, size);
    at_ += size;
    return text;
}

void Table::Add(const partslist::Line& line, std::int32_t density) {
    std::array<char, 12> quantity, shownDensity;
    const std::array<std::pair<std::string_view, std::string_view>, 7> cells{{
        {partslist::KindName(line.Kind), {}},
        {line.Type, line.Size},
        {line.Rows[0].Text, line.Rows[0].Text.empty() ? std::string_view() : line.Rows[0].Unit},
        {line.Rows[1].Text, line.Rows[1].Text.empty() ? std::string_view() : line.Rows[1].Unit},
        {line.Rows[2].Text, line.Rows[2].Text.empty() ? std::string_view() : line.Rows[2].Unit},
        {Whole(quantity, line.Quantity), {}},
        {Whole(shownDensity, density), {}},
    }};
    for (std::size_t c = 0; c < cells.size(); ++c) {
        const auto& [text, more] = cells[c];
        cells_.Put(text, more);
        widths_[c] = std::max(widths_[c], text.size() + (more.empty() ? 0 : 1 + more.size()));
    }
}

void Table::Write(std::ostream& out, const partslist::Replay& replay, const Units& units,
                  std::optional<double> pricePerKg) const {
    const Figures figures(replay.Lines, units, pricePerKg);
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
    Figures::Reader measured(figures);
    for (std::size_t i = 0; i < replay.Lines.size(); ++i)
        for (std::size_t c = 0; c < figures.PerLine(); ++c)
            layout.Widen(VolumeColumn + c, measured.Next().size());

    std::string buffer;
    buffer.reserve(1 << 17);
    layout.Write(buffer, heading);
    TextStore::Reader cells(cells_);
    Figures::Reader shown(figures);
    for (std::size_t i = 0; i < replay.Lines.size(); ++i) {
        Row row{};
        for (std::size_t c = 0; c < widths_.size(); ++c)
            row[c] = cells.Next();
        for (std::size_t c = 0; c < figures.PerLine(); ++c)
            row[VolumeColumn + c] = shown.Next();
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
