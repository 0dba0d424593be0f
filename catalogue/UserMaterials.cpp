#include "catalogue/UserMaterials.h"
#include "catalogue/Text.h"

#include "catalogue/Csv.h"
#include "catalogue/MaterialData.h"

#include "calc/Error.h"
#include "calc/Spelling.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace catalogue {
namespace {

using calc::Trimmed;

enum Column { NameColumn, DesignationColumn, GroupColumn, DensityColumn, PriceColumn, Columns };
constexpr std::array<std::string_view, Columns> ColumnNames{"name", "designation", "group",
                                                            "density", "price_per_kg"};
constexpr std::size_t Absent = std::numeric_limits<std::size_t>::max();
constexpr double MaxDensity = 100000;

// What is wrong with a cell: its column, and what.
struct Fault {
    Column Where;
    std::string What;
};

std::string ColumnName(Column column) {
    return "column \"" + std::string(ColumnNames[column]) + "\"";
}

// A number cell with `decimal` as its mark. Where the comma is the mark a
// point is refused, and the other way round: "1,000" and "1.000" are each a
// thousand somewhere, and neither may pass for 1.
std::optional<double> Number(std::string_view cell, char decimal, Column column) {
    const std::string_view text = Trimmed(cell);
    if (text.empty()) return std::nullopt;
    const char other = decimal == ',' ? '.' : ',';
    if (text.find(other) != std::string_view::npos)
        throw Fault{column, Quoted(cell) + ": use " + (decimal == ',' ? "a comma" : "a point") +
                                " for decimals and no thousands separator"};
    std::string number(text);
    std::ranges::replace(number, ',', '.');
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc() || end != number.data() + number.size() || !std::isfinite(value))
        throw Fault{column, Quoted(cell) + " is not a number"};
    return value;
}

std::int32_t Density(std::string_view cell, char decimal) {
    const std::optional<double> value = Number(cell, decimal, DensityColumn);
    if (!value)
        throw Fault{DensityColumn,
                    "empty: a density in kg/m³ is needed, more than 0 and at most 100000"};
    if (!(*value > 0 && *value <= MaxDensity))
        throw Fault{DensityColumn,
                    Quoted(cell) + ": a density must be more than 0 and at most 100000 kg/m³"};
    if (*value != std::floor(*value))
        throw Fault{DensityColumn, Quoted(cell) + ": a density is a whole number of kg/m³"};
    return static_cast<std::int32_t>(*value);
}

std::optional<double> Price(std::string_view cell, char decimal) {
    const std::optional<double> value = Number(cell, decimal, PriceColumn);
    if (value && *value < 0)
        throw Fault{PriceColumn, Quoted(cell) + ": a price per kilogram must not be below 0"};
    return value ? std::optional<double>(*value + 0.0) : std::nullopt; // no "-0" in the file
}

UserMaterial Entry(const std::array<std::string_view, Columns>& cells, char decimal) {
    UserMaterial entry;
    entry.Name = Trimmed(FormulaUnescaped(cells[NameColumn]));
    if (entry.Name.empty()) throw Fault{NameColumn, "empty: every material needs a name"};
    entry.Designation = Trimmed(FormulaUnescaped(cells[DesignationColumn]));
    entry.Group = Trimmed(FormulaUnescaped(cells[GroupColumn]));
    entry.Density = Density(cells[DensityColumn], decimal);
    entry.PricePerKg = Price(cells[PriceColumn], decimal);
    return entry;
}

// Whether two entries are one material: the same name as lookups compare
// names, or names of the same library material ("304" and "1.4301").
std::optional<std::string> Clash(const UserMaterial& entry, const UserMaterial& other) {
    if (Folded(entry.Name) == Folded(other.Name)) return "the name " + Quoted(other.Name);
    const LibraryMaterial* library = LibraryMaterialNamed(entry.Name);
    if (library && library == LibraryMaterialNamed(other.Name))
        return Quoted(other.Name) + ", which is " + library->Name + " too";
    return std::nullopt;
}

// A header with semicolons and no comma is a semicolon file, as spreadsheets
// write where the comma is the decimal mark; a first line "sep=;" says so
// outright.
char SeparatorOf(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    const std::string_view line = text.substr(0, text.find_first_of("\r\n"));
    if (line.starts_with("sep=") && line.size() > 4) return line[4];
    return line.find(';') != std::string_view::npos && line.find(',') == std::string_view::npos
               ? ';'
               : ',';
}

class FileReader {
public:
    explicit FileReader(char separator) : decimal_(separator == ';' ? ',' : '.') {}

    void Take(const csv::Record& record) {
        const auto& fields = record.Fields;
        if (!header_) {
            if (!fields.empty() && fields[0].starts_with("sep=")) return;
            return ReadHeader(fields);
        }
        if (std::ranges::all_of(fields, &std::string_view::empty)) return;
        if (fields.size() > width_ &&
            !std::ranges::all_of(fields.subspan(width_), &std::string_view::empty))
            throw calc::Error("the line has " + std::to_string(fields.size()) +
                              " fields, the header " + std::to_string(width_));
        std::array<std::string_view, Columns> cells{};
        for (std::size_t c = 0; c < Columns; ++c)
            if (at_[c] < fields.size()) cells[c] = fields[at_[c]];
        UserMaterial entry = Entry(cells, decimal_);
        for (std::size_t i = 0; i < entries_.size(); ++i)
            if (const auto clash = Clash(entry, entries_[i]))
                throw Fault{NameColumn, Quoted(entry.Name) + " is one material with " + *clash +
                                            " on line " + std::to_string(lines_[i])};
        entries_.push_back(std::move(entry));
        lines_.push_back(record.Line);
    }

    std::vector<UserMaterial> Finish() && {
        if (!header_)
            throw calc::Error("the file is empty: it needs a header row, such as "
                              "name,designation,group,density,price_per_kg");
        return std::move(entries_);
    }

private:
    void ReadHeader(std::span<const std::string_view> fields) {
        at_.fill(Absent);
        width_ = fields.size();
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const std::string folded = Folded(Trimmed(fields[i]));
            for (std::size_t c = 0; c < Columns; ++c) {
                if (folded != Folded(ColumnNames[c])) continue;
                if (at_[c] != Absent) throw Fault{Column(c), "named twice in the header"};
                at_[c] = i;
            }
        }
        for (const Column c : {NameColumn, DensityColumn})
            if (at_[c] == Absent) throw Fault{c, "missing from the header"};
        header_ = true;
    }

    char decimal_;
    bool header_ = false;
    std::array<std::size_t, Columns> at_{};
    std::size_t width_ = 0;
    std::vector<UserMaterial> entries_;
    std::vector<std::size_t> lines_;
};

} // namespace

std::vector<UserMaterial> ReadUserMaterials(std::string_view text, std::string_view fileName) {
    const char separator = SeparatorOf(text);
    FileReader reader(separator);
    std::size_t line = 1;
    const auto onLine = [&](const std::string& what) {
        return calc::Error(std::string(fileName) + ":" + std::to_string(line) + ": " + what);
    };
    try {
        csv::Split(
            text,
            [&](const csv::Record& record) {
                line = record.Line;
                reader.Take(record);
            },
            separator);
        return std::move(reader).Finish();
    } catch (const Fault& fault) {
        throw onLine(ColumnName(fault.Where) + ": " + fault.What);
    } catch (const csv::SyntaxError& e) {
        line = e.Line;
        throw onLine(e.What);
    } catch (const calc::Error& e) {
        throw onLine(e.Message());
    }
}

std::string WriteUserMaterials(std::span<const UserMaterial> entries) {
    std::string out;
    for (std::size_t c = 0; c < Columns; ++c)
        out.append(c ? "," : "").append(ColumnNames[c]);
    out += "\r\n";
    for (const UserMaterial& entry : entries) {
        for (const std::string* text : {&entry.Name, &entry.Designation, &entry.Group}) {
            csv::AppendField(out, FormulaEscaped(*text));
            out += ',';
        }
        out += std::to_string(entry.Density) + ',';
        if (entry.PricePerKg) out += NumberText(*entry.PricePerKg);
        out += "\r\n";
    }
    return out;
}

UserMaterial CheckUserMaterial(const TypedMaterial& typed, char decimal) {
    try {
        return Entry({typed.Name, typed.Designation, typed.Group, typed.Density, typed.PricePerKg},
                     decimal);
    } catch (const Fault& fault) {
        throw calc::Error(ColumnName(fault.Where) + ": " + fault.What);
    }
}

std::vector<UserMaterial> WithUserMaterial(std::span<const UserMaterial> entries,
                                           UserMaterial entry,
                                           std::optional<std::size_t> replacing) {
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (i != replacing)
            if (const auto clash = Clash(entry, entries[i]))
                throw calc::Error(ColumnName(NameColumn) + ": " + Quoted(entry.Name) +
                                  " is one material with " + *clash +
                                  ", which your materials already have");
    std::vector<UserMaterial> out(entries.begin(), entries.end());
    if (replacing && *replacing < out.size())
        out[*replacing] = std::move(entry);
    else
        out.push_back(std::move(entry));
    return out;
}

} // namespace catalogue
