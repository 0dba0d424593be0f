#include "cli/Output.h"

#include "calc/Calculator.h"
#include "partslist/Describe.h"
#include "partslist/PartsFile.h"

#include <algorithm>
#include <array>
#include <cerrno>

namespace cli {
namespace {

constexpr char Point = '.';

std::string WeightText(double kilograms, const Units& units) {
    return calc::WeightText(kilograms, units.Weight->Name, Point);
}

std::string VolumeText(double cubicMetres, const Units& units) {
    return calc::VolumeText(cubicMetres, units.Volume->Name, Point);
}

// What the Volume field shows: the marker once a profile made it so.
std::string TotalVolumeText(const partslist::Replay& replay, const Units& units) {
    if (replay.VolumeMarker) return std::string(NoVolumeMarker);
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
using Cells = std::array<std::string_view, ColumnCount>;

// Text to the left, numbers (from the quantity on) to the right, two blanks
// between columns.
class Layout {
public:
    explicit Layout(std::size_t columns) : columns_(columns) {}

    void Measure(const Cells& row) {
        for (std::size_t c = 0; c < columns_; ++c)
            widths_[c] = std::max(widths_[c], row[c].size());
    }

    // Every row is as wide as the table, numbers being right-aligned: a row
    // is a stretch of blanks with the cells copied into their places.
    void Write(std::string& out, const Cells& row) const {
        std::size_t width = 2 * (columns_ - 1);
        for (std::size_t c = 0; c < columns_; ++c)
            width += widths_[c];
        std::size_t at = out.size();
        out.resize(at + width + 1, ' ');
        for (std::size_t c = 0; c < columns_; ++c) {
            const std::string_view cell = row[c];
            const std::size_t to = at + (c >= QuantityColumn ? widths_[c] - cell.size() : 0);
            cell.copy(out.data() + to, cell.size());
            at += widths_[c] + 2;
        }
        out.back() = '\n';
    }

private:
    std::size_t columns_;
    std::array<std::size_t, ColumnCount> widths_{};
};

// A line's volume (empty for a profile), weight and cost.
struct Figures {
    Figures(const partslist::LineResult& result, const Units& units, std::optional<double> price)
        : Volume(result.Volume ? VolumeText(*result.Volume, units) : ""),
          Weight(WeightText(result.Weight, units)), Cost(partslist::Cost(result, price, Point)) {}

    std::string Volume, Weight, Cost;
};

// A kept row's cells with its figures; a line with a volume is weighed at the
// density the whole volume is, so density × volume = weight on every row.
Cells CellsOf(std::string_view row, const Figures& figures, std::string_view volumeDensity) {
    Cells cells{};
    for (std::size_t c = 0; c < VolumeColumn; ++c) {
        const std::size_t tab = row.find('\t');
        cells[c] = row.substr(0, tab);
        row.remove_prefix(tab + 1);
    }
    if (!figures.Volume.empty()) cells[DensityColumn] = volumeDensity;
    cells[VolumeColumn] = figures.Volume;
    cells[WeightColumn] = figures.Weight;
    cells[CostColumn] = figures.Cost;
    return cells;
}

// The characters of UTF-8 text ("Ø" is two bytes, one column).
std::size_t Glyphs(const std::string& text) {
    return std::size_t(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

// What the lines cost together: the sum of their costs in cents.
std::string TotalCost(const partslist::Replay& replay, std::optional<double> pricePerKg) {
    return partslist::CentsText(partslist::TotalCostCents(replay.Lines, pricePerKg), Point);
}

} // namespace

void Writer::Write(std::string_view text) {
    errno = 0;
    out_.write(text.data(), std::streamsize(text.size()));
    Check();
}

void Writer::Flush() {
    errno = 0;
    out_.flush();
    Check();
}

// Read at once, before anything else can change errno.
void Writer::Check() const {
    if (!out_) throw WriteFailed{errno};
}

std::string Columns(const std::vector<Row>& rows, std::size_t firstNumber,
                    std::size_t afterNumbers) {
    std::vector<std::size_t> widths;
    for (const Row& row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (std::size_t c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], Glyphs(row[c]));
    }
    std::string out;
    for (const Row& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            const std::string pad(widths[c] - Glyphs(row[c]), ' ');
            const bool number = c >= firstNumber && c < afterNumbers;
            line += c ? "  " : "";
            line += number ? pad + row[c] : row[c] + pad;
        }
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
        out += line + '\n';
    }
    return out;
}

void Table::Add(const partslist::Line& line, std::int32_t density) {
    std::string row;
    for (const std::string& cell :
         {std::string(partslist::KindName(line.Kind)), partslist::TypeAndSize(line),
          partslist::Dimension(line.Rows[0]), partslist::Dimension(line.Rows[1]),
          partslist::Dimension(line.Rows[2]), std::to_string(line.Quantity),
          std::to_string(density)}) {
        row += cell;
        row += '\t';
    }
    rows_.push_back(row); // a copy holds no more than it needs, where `row` grew in steps
}

// The figures are formatted twice, to measure and to write, rather than kept:
// kept, they would take more memory than the rows.
void Table::Write(Writer& out, const partslist::Replay& replay, const Units& units,
                  std::optional<double> pricePerKg) const {
    const std::string volume = "volume " + std::string(units.Volume->CubicSymbol);
    const std::string weight = "weight " + std::string(units.Weight->Symbol);
    const Cells heading = {"kind",     "type and size", "a",    "b",    "c",
                           "quantity", "density kg/m3", volume, weight, "cost"};

    const std::string totalVolume = TotalVolumeText(replay, units);
    const std::string totalWeight = WeightText(replay.State.TotalWeight, units);
    const bool costed = partslist::Costed(replay.Lines, pricePerKg);
    const std::string totalCost = costed ? TotalCost(replay, pricePerKg) : "";
    const Cells totals = {"total", "", "", "", "", "", "", totalVolume, totalWeight, totalCost};

    const std::string volumeDensity = std::to_string(replay.WeighedAt);
    Layout layout(costed ? ColumnCount : CostColumn);
    layout.Measure(heading);
    layout.Measure(totals);
    for (std::size_t i = 0; i < rows_.size(); ++i)
        layout.Measure(
            CellsOf(rows_[i], Figures(replay.Lines[i], units, pricePerKg), volumeDensity));

    std::string buffer;
    layout.Write(buffer, heading);
    for (std::size_t i = 0; i < rows_.size(); ++i) {
        layout.Write(buffer,
                     CellsOf(rows_[i], Figures(replay.Lines[i], units, pricePerKg), volumeDensity));
        if (buffer.size() >= 1 << 16) {
            out.Write(buffer);
            buffer.clear();
        }
    }
    layout.Write(buffer, totals);
    out.Write(buffer);
}

std::string TotalsText(const partslist::Replay& replay, const Units& units,
                       std::optional<double> pricePerKg) {
    std::string out =
        WeightText(replay.State.TotalWeight, units) + '\n' + TotalVolumeText(replay, units) + '\n';
    if (partslist::Costed(replay.Lines, pricePerKg)) out += TotalCost(replay, pricePerKg) + '\n';
    return out;
}

std::string PartText(const partslist::Line& line, const partslist::Replay& replay,
                     const Units& units, std::optional<double> pricePerKg) {
    std::string out =
        std::string(partslist::KindName(line.Kind)) + ' ' + partslist::TypeAndSize(line);
    for (std::size_t r = 0; r < 3; ++r)
        if (line.Rows[r].Unit)
            out += ", " + std::string(1, char('a' + r)) + ' ' + partslist::Dimension(line.Rows[r]);
    out += ", quantity " + std::to_string(line.Quantity) + ", density " +
           std::to_string(line.Density) + " kg/m3\n";

    // The figures under one another, right-aligned.
    const bool marker = replay.VolumeMarker;
    const bool costed = partslist::Costed(replay.Lines, pricePerKg);
    const std::array<std::string, 3> figures{WeightText(replay.State.TotalWeight, units),
                                             TotalVolumeText(replay, units),
                                             costed ? TotalCost(replay, pricePerKg) : ""};
    const std::array<std::string_view, 3> labels{"weight", "volume", "cost"};
    const std::array<std::string, 3> symbols{std::string(units.Weight->Symbol),
                                             marker ? "" : std::string(units.Volume->CubicSymbol),
                                             ""};
    std::size_t width = 0;
    for (const std::string& f : figures)
        width = std::max(width, f.size());
    for (std::size_t i = 0; i < (costed ? 3 : 2); ++i) {
        out += labels[i];
        out.append(8 - labels[i].size() + width - figures[i].size(), ' ');
        out += figures[i];
        if (!symbols[i].empty()) out += ' ' + symbols[i];
        out += '\n';
    }
    return out;
}

std::string SectionsText(std::span<const catalogue::Section* const> sections) {
    std::vector<Row> rows{{"designation", "standard", "area cm2", "mass kg/m"}};
    for (const catalogue::Section* s : sections)
        rows.push_back({s->Designation, s->Standard, partslist::ExactNumber(s->AreaCm2),
                        partslist::ExactNumber(s->MassKgPerM)});
    return Columns(rows, 2, 4);
}

std::string MaterialsText(std::span<const catalogue::PricedMaterial> materials) {
    std::vector<Row> rows{{"name", "designation", "group", "density kg/m3"}};
    for (const catalogue::PricedMaterial& m : materials)
        rows.push_back({std::string(m.Name), std::string(m.Designation), std::string(m.Group),
                        std::to_string(m.Density)});
    return Columns(rows, 3, 4);
}

} // namespace cli
