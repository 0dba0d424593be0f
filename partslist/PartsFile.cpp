#include "partslist/PartsFile.h"

#include "calc/ParseNumber.h"
#include "calc/Units.h"
#include "partslist/Csv.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <limits>
#include <utility>

namespace partslist {
namespace {

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
    WeightColumn,
    ColumnCount
};

constexpr std::array<std::string_view, ColumnCount> ColumnNames{"kind",          "type",
                                                                "size",          "a",
                                                                "a_unit",        "b",
                                                                "b_unit",        "c",
                                                                "c_unit",        "quantity",
                                                                "material",      "density",
                                                                "cut_by_weight", "price_per_kg",
                                                                "volume_m3",     "weight_kg"};

constexpr bool Optional(int column) {
    return column == MaterialColumn || column >= CutColumn;
}

constexpr std::size_t Absent = std::numeric_limits<std::size_t>::max();

bool IsUtf8(std::string_view s) {
    std::size_t i = 0;
    // Most text is ASCII: eight bytes at a time while no high bit is set.
    for (std::uint64_t word; i + 8 <= s.size(); i += 8) {
        std::memcpy(&word, s.data() + i, 8);
        if (word & 0x8080808080808080u) break;
    }
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t more;
        unsigned long cp;
        if (c >= 0xC2 && c <= 0xDF)
            more = 1, cp = c & 0x1F;
        else if (c >= 0xE0 && c <= 0xEF)
            more = 2, cp = c & 0x0F;
        else if (c >= 0xF0 && c <= 0xF4)
            more = 3, cp = c & 0x07;
        else
            return false;
        if (i + more >= s.size()) return false;
        for (std::size_t k = 1; k <= more; ++k) {
            const auto d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0) != 0x80) return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        // No overlong forms, no surrogates, nothing past U+10FFFF.
        if ((more == 2 && cp < 0x800) || (more == 3 && cp < 0x10000) || cp > 0x10FFFF ||
            (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += more + 1;
    }
    return true;
}

// A whole decimal number, the whole field, or nothing.
std::optional<long long> WholeNumber(std::string_view s) {
    long long value = 0;
    const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (s.empty() || error != std::errc() || end != s.data() + s.size()) return std::nullopt;
    return value;
}

std::string Quoted(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 2);
    out += '\'';
    out += text;
    out += '\'';
    return out;
}

class Reader {
public:
    Reader(std::string_view fileName, std::optional<std::int32_t> density,
           std::function<void(const Line&)> onLine)
        : fileName_(fileName), replayer_(density), onLine_(std::move(onLine)) {}

    void Take(const csv::Record& record) {
        lineNumber_ = record.Line;
        if (!headerRead_) return ReadHeader(record.Fields);
        ReadLine(record.Fields);
    }

    [[noreturn]] void FailOnLine(std::size_t line, std::string_view what) const {
        throw calc::Error(std::string(fileName_) + ":" + std::to_string(line) + ": " +
                          std::string(what));
    }
    [[noreturn]] void Fail(int column, std::string_view what) const {
        FailIn(lineNumber_, column, what);
    }
    [[noreturn]] void FailIn(std::size_t line, int column, std::string_view what) const {
        FailOnLine(line, "column \"" + std::string(ColumnNames[std::size_t(column)]) +
                             "\": " + std::string(what));
    }

    // A line the replay refused: a dimension that is no number is named by
    // its column; anything else by the line alone.
    [[noreturn]] void FailReplay(const Line& refused, const std::string& message) const {
        for (int row = 0; row < 3; ++row) {
            const std::string& text = refused.Rows[std::size_t(row)].Text;
            try {
                if (!text.empty()) calc::ParseNumber(text);
            } catch (const calc::Error& e) {
                Fail(AColumn + 2 * row, e.Message());
            }
        }
        FailOnLine(lineNumber_, message);
    }

    // The name of field `index` of a record, for a quoting error.
    std::string FieldName(std::size_t index) const {
        if (!headerRead_) return "field " + std::to_string(index + 1) + " of the header";
        for (int c = 0; c < ColumnCount; ++c)
            if (at_[std::size_t(c)] == index)
                return "column \"" + std::string(ColumnNames[std::size_t(c)]) + "\"";
        return "field " + std::to_string(index + 1);
    }

    void Reserve(std::size_t rows) { replayer_.Reserve(rows); }

    Replay Finish() {
        if (!headerRead_)
            FailOnLine(1, "the file is empty: it needs a header row, such as "
                          "kind,type,size,a,a_unit,b,b_unit,c,c_unit,quantity,density");
        return std::move(replayer_).Finish();
    }

    bool utf8 = false; // the whole text is UTF-8: no field needs a look of its own
    std::optional<double> price;

private:
    void ReadHeader(std::span<const std::string_view> fields) {
        at_.fill(Absent);
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const std::string_view name = fields[i];
            if (!IsUtf8(name)) FailOnLine(lineNumber_, "the header is not UTF-8 text");
            int column = 0;
            while (column < ColumnCount && ColumnNames[std::size_t(column)] != name)
                ++column;
            if (column == ColumnCount)
                FailOnLine(
                    lineNumber_,
                    "column \"" + std::string(name) +
                        "\": no such column; the columns are "
                        "kind, type, size, a, a_unit, b, b_unit, c, c_unit, quantity, "
                        "material, density, cut_by_weight, price_per_kg, volume_m3, weight_kg");
            if (at_[std::size_t(column)] != Absent)
                FailOnLine(lineNumber_,
                           "column \"" + std::string(name) + "\": named twice in the header");
            at_[std::size_t(column)] = i;
        }
        for (int c = 0; c < ColumnCount; ++c)
            if (!Optional(c) && at_[std::size_t(c)] == Absent) Fail(c, "missing from the header");
        width_ = fields.size();
        headerRead_ = true;
    }

    std::string_view Field(std::span<const std::string_view> fields, int column) const {
        const std::size_t i = at_[std::size_t(column)];
        return i == Absent ? std::string_view() : fields[i];
    }

    void ReadLine(std::span<const std::string_view> fields) {
        if (fields.size() > width_)
            FailOnLine(lineNumber_, std::to_string(fields.size()) +
                                        " fields, where the header has " + std::to_string(width_));
        if (fields.size() < width_)
            for (int c = 0; c < ColumnCount; ++c)
                if (at_[std::size_t(c)] != Absent && at_[std::size_t(c)] >= fields.size())
                    Fail(c, "missing: the line has " + std::to_string(fields.size()) +
                                " fields, the header " + std::to_string(width_));
        if (!utf8)
            for (int c = 0; c < ColumnCount; ++c)
                if (!IsUtf8(Field(fields, c))) Fail(c, "not UTF-8 text");

        // One line for all, so that its texts keep their memory.
        Line& line = line_;
        line.CutByWeight = false;
        const std::string_view kind = Field(fields, KindColumn);
        if (kind == "object")
            line.Kind = Kind::Object;
        else if (kind == "aperture")
            line.Kind = Kind::Aperture;
        else
            Fail(KindColumn, Quoted(kind) + " is neither object nor aperture");

        line.Type = Field(fields, TypeColumn);
        if (!NamesAType(line))
            Fail(TypeColumn, Quoted(line.Type) + " is no type of " + KindName(line.Kind));

        line.Size = Field(fields, SizeColumn);
        const auto profile = ProfileOf(line);
        if (line.Kind == Kind::Object && line.Type == SectionType) {
            const catalogue::Section* section = catalogue::FindSection(line.Size);
            if (!section) Fail(SizeColumn, Quoted(line.Size) + " is no standard section");
            line.Size = section->Designation;
        } else if (!profile && !line.Size.empty())
            Fail(SizeColumn, "only a rolled profile or a standard section has a size");
        if (profile && !line.Size.empty() &&
            !catalogue::SelectSize(catalogue::SizeTable(*profile), line.Size))
            Fail(SizeColumn, Quoted(line.Size) + " is no size of " + line.Type);

        for (int row = 0; row < 3; ++row) {
            const int text = AColumn + 2 * row, unit = text + 1;
            calc::DimensionRow& r = line.Rows[std::size_t(row)];
            r.Text = Field(fields, text);
            r.Unit = Field(fields, unit);
            if (r.Text.empty()) continue;
            if (!calc::LengthFactor(r.Unit))
                Fail(unit, Quoted(r.Unit) +
                               " is no length unit: millimeter, centimeter, meter, inch, foot "
                               "or yard");
            // The number itself is read by the replay; FailReplay names it.
        }

        const auto quantity = WholeNumber(Field(fields, QuantityColumn));
        if (!quantity || *quantity < 1 || *quantity > 1000)
            Fail(QuantityColumn,
                 Quoted(Field(fields, QuantityColumn)) + " is no whole number from 1 to 1000");
        line.Quantity = int(*quantity);

        line.Material = Field(fields, MaterialColumn);

        const auto density = WholeNumber(Field(fields, DensityColumn));
        if (!density || *density < std::numeric_limits<std::int32_t>::min() ||
            *density > std::numeric_limits<std::int32_t>::max())
            Fail(DensityColumn, Quoted(Field(fields, DensityColumn)) +
                                    " is no whole number of kilograms per cubic metre from "
                                    "-2147483648 to 2147483647");
        line.Density = std::int32_t(*density);

        // Left empty, a hole is cut by weight as the window would cut it: while
        // the Volume field shows the marker, from a profile to the next solid.
        const std::string_view cut = Field(fields, CutColumn);
        if (cut != "yes" && cut != "no" && !cut.empty())
            Fail(CutColumn, Quoted(cut) + " is neither yes nor no");
        if (line.Kind == Kind::Object && !cut.empty())
            Fail(CutColumn, "only an aperture is cut by weight");
        if (line.Kind == Kind::Aperture) {
            line.CutByWeight = cut.empty() ? marker_ : cut == "yes";
            if (!line.CutByWeight) marker_ = false;
        } else {
            marker_ = profile.has_value();
        }

        ReadPrice(Field(fields, PriceColumn));
        // Replayed at once, so that the first fault of the file is the one told.
        try {
            replayer_.Add(line);
        } catch (const calc::Error& e) {
            FailReplay(line, e.Message());
        }
        onLine_(line);
    }

    // One price for the whole list.
    void ReadPrice(std::string_view text) {
        if (text.empty()) return;
        double value = 0.0;
        try {
            value = calc::ParseNumber(text);
        } catch (const calc::Error& e) {
            Fail(PriceColumn, e.Message());
        }
        if (value < 0.0) Fail(PriceColumn, Quoted(text) + " is below zero");
        if (price && *price != value)
            Fail(PriceColumn, Quoted(text) + " differs from the price of the lines above; a "
                                             "list has one price per kilogram");
        price = value;
    }

    std::string_view fileName_;
    Replayer replayer_;
    std::function<void(const Line&)> onLine_;
    Line line_;
    std::size_t lineNumber_ = 1;
    bool headerRead_ = false;
    std::size_t width_ = 0;
    std::array<std::size_t, ColumnCount> at_{};
    bool marker_ = false;
};

// About as many lines as the text has, to make room for them once.
std::size_t RowsOf(std::string_view text) {
    std::size_t rows = 0;
    for (std::size_t at = text.find('\n'); at != std::string_view::npos;
         at = text.find('\n', at + 1))
        ++rows;
    return rows;
}

void AppendNumber(std::string& out, double value) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, end);
}

} // namespace

std::string ExactNumber(double value) {
    std::string out;
    AppendNumber(out, value);
    return out;
}

OpenedList ReadPartsList(std::string_view text, std::string_view fileName,
                         std::optional<std::int32_t> density,
                         const std::function<void(const Line&)>& onLine) {
    const std::size_t rows = RowsOf(text);
    OpenedList out;
    if (!onLine) out.Lines.reserve(rows);
    Reader reader(
        fileName, density, onLine ? onLine : [&](const Line& line) { out.Lines.push_back(line); });
    reader.Reserve(rows);
    reader.utf8 = IsUtf8(text);
    try {
        csv::Split(text, [&](const csv::Record& record) { reader.Take(record); });
    } catch (const csv::SyntaxError& e) {
        reader.FailOnLine(e.Line, reader.FieldName(e.Field) + ": " + e.What);
    }
    out.Totals = reader.Finish();
    out.PricePerKg = reader.price;
    return out;
}

std::string WritePartsList(std::span<const Line> lines, std::optional<double> pricePerKg,
                           const Replay& replay) {
    std::string out;
    out.reserve(64 * (lines.size() + 1));
    for (std::size_t c = 0; c < ColumnNames.size(); ++c) {
        if (c) out += ',';
        out += ColumnNames[c];
    }
    out += "\r\n";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line& line = lines[i];
        out += KindName(line.Kind);
        out += ',';
        csv::AppendField(out, line.Type);
        out += ',';
        csv::AppendField(out, line.Size);
        for (const calc::DimensionRow& row : line.Rows) {
            out += ',';
            csv::AppendField(out, row.Text);
            out += ',';
            csv::AppendField(out, row.Unit);
        }
        out += ',';
        out += std::to_string(line.Quantity);
        out += ',';
        csv::AppendField(out, line.Material);
        out += ',';
        out += std::to_string(line.Density);
        out += ',';
        if (line.Kind == Kind::Aperture) out += line.CutByWeight ? "yes" : "no";
        out += ',';
        if (pricePerKg) AppendNumber(out, *pricePerKg);
        out += ',';
        if (i < replay.Lines.size()) {
            if (replay.Lines[i].Volume) AppendNumber(out, *replay.Lines[i].Volume);
            out += ',';
            AppendNumber(out, replay.Lines[i].Weight);
        } else {
            out += ',';
        }
        out += "\r\n";
    }
    return out;
}

} // namespace partslist
