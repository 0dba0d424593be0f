// Reads the compiled-in section tables. They are our own files, checked by the
// tests, so the reader is strict rather than forgiving: a header other than
// the one it knows, a row it cannot read or a family out of place stops it,
// naming the file and line, instead of quietly losing a size.
#include "catalogue/SectionData.h"

#include "calc/Error.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <tuple>
#include <utility>

namespace catalogue {
namespace {

constexpr std::string_view Header = "family,designation,standard,h,b,tw,tf,r1,r2,t,d,area_cm2,"
                                    "mass_kg_m,area_source,mass_source,source";
enum Column { Kind, Name, Standard, H, B, Tw, Tf, R1, R2, T, D, Area, Mass, AreaSource };
constexpr std::size_t ColumnCount = 16;

// The family texts of the files, each with the family it belongs to.
constexpr std::array<std::pair<std::string_view, SectionFamily>, 20> Kinds{{
    {"IPE", SectionFamily::IPE},
    {"HEA", SectionFamily::HEA},
    {"HEB", SectionFamily::HEB},
    {"HEM", SectionFamily::HEM},
    {"IPN", SectionFamily::IPN},
    {"UPN", SectionFamily::UPN},
    {"UPE", SectionFamily::UPE},
    {"L equal", SectionFamily::EqualAngle},
    {"L unequal", SectionFamily::UnequalAngle},
    {"SHS hot finished", SectionFamily::SHS},
    {"SHS cold formed", SectionFamily::SHS},
    {"RHS hot finished", SectionFamily::RHS},
    {"RHS cold formed", SectionFamily::RHS},
    {"CHS", SectionFamily::CHS},
    {"Round bar", SectionFamily::RoundBar},
    {"Square bar", SectionFamily::SquareBar},
    {"Flat bar", SectionFamily::FlatBar},
    {"Flat bar (wide)", SectionFamily::FlatBar},
    {"Pipe", SectionFamily::Pipe},
    {"W", SectionFamily::W},
}};

class FileReader {
public:
    explicit FileReader(const SectionFile& file) : file_(file) {}

    void ReadInto(std::vector<SectionRow>& rows) {
        std::string_view rest = file_.Text;
        for (line_ = 1; !rest.empty(); ++line_) {
            const auto end = rest.find('\n');
            const std::string_view record = rest.substr(0, end);
            rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
            if (line_ == 1) {
                if (record != Header) Fail("not the header of a section table");
            } else {
                rows.push_back(Read(Split(record)));
            }
        }
    }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw calc::Error("sections/" + std::string(file_.Name) + ":" + std::to_string(line_) +
                          ": " + what);
    }

    // RFC 4180 fields of one line; a quoted field holds no line break here.
    std::vector<std::string> Split(std::string_view record) const {
        std::vector<std::string> fields(1);
        bool quoted = false;
        for (std::size_t i = 0; i < record.size(); ++i) {
            const char c = record[i];
            if (quoted && c == '"' && i + 1 < record.size() && record[i + 1] == '"') {
                fields.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = !quoted;
            } else if (c == ',' && !quoted) {
                fields.emplace_back();
            } else {
                fields.back() += c;
            }
        }
        if (quoted) Fail("a quote is not closed");
        if (fields.size() != ColumnCount) Fail("not " + std::to_string(ColumnCount) + " fields");
        return fields;
    }

    double Number(const std::string& text, bool required) const {
        if (text.empty() && !required) return 0.0;
        double value = 0.0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || end != text.data() + text.size() || !(value > 0.0))
            Fail("\"" + text + "\" is no positive number");
        return value;
    }

    SectionRow Read(const std::vector<std::string>& f) const {
        SectionRow out;
        const std::string_view kind = f[Kind];
        const auto known = std::ranges::find(Kinds, kind, &decltype(Kinds)::value_type::first);
        if (known == Kinds.end()) Fail("unknown family \"" + f[Kind] + "\"");
        out.Kind = known->first; // the table's text, which lives for the whole run
        Section& s = out.Row;
        s.Family = known->second;
        s.Designation = f[Name];
        s.Standard = f[Standard];
        if (s.Designation.empty()) Fail("no designation");
        if (s.Family == SectionFamily::SHS || s.Family == SectionFamily::RHS) {
            // Hot-finished and cold-formed tubes share names but not corner
            // radii, so the name carries the standard.
            if (s.Standard != "EN 10210-2" && s.Standard != "EN 10219-2")
                Fail("a hollow section of neither EN 10210-2 nor EN 10219-2");
            s.Designation.append(" ").append(s.Standard, 0, s.Standard.size() - 2);
        }
        const std::array<double*, 8> dimensions{&s.H, &s.B, &s.Tw, &s.Tf, &s.R1, &s.R2, &s.T, &s.D};
        for (std::size_t i = 0; i < dimensions.size(); ++i)
            *dimensions[i] = Number(f[H + i], false);
        s.AreaCm2 = Number(f[Area], true);
        s.MassKgPerM = Number(f[Mass], true);
        if (f[AreaSource] != "published" && f[AreaSource] != "computed")
            Fail("area source \"" + f[AreaSource] + "\"");
        s.LgplExtra = file_.LgplExtra;
        return out;
    }

    const SectionFile& file_;
    int line_ = 0;
};

// The order of the tables: ascending size, then thickness. Each family keys
// on the dimensions it has; the others are 0.
bool SmallerSize(const SectionRow& a, const SectionRow& b) {
    const Section& x = a.Row;
    const Section& y = b.Row;
    return std::tie(x.H, x.B, x.D, x.T) < std::tie(y.H, y.B, y.D, y.T);
}

} // namespace

std::vector<SectionRow> ReadSections(std::span<const SectionFile> files) {
    std::vector<SectionRow> rows;
    std::size_t familyStart = 0;
    for (const SectionFile& file : files) {
        const std::size_t fileStart = rows.size();
        FileReader(file).ReadInto(rows);
        const auto fail = [&](const char* what) {
            throw calc::Error("sections/" + std::string(file.Name) + ": " + what);
        };
        if (rows.size() == fileStart) fail("no sections");
        const SectionFamily family = rows[fileStart].Row.Family;
        if (std::ranges::any_of(rows.begin() + fileStart, rows.end(),
                                [&](const SectionRow& r) { return r.Row.Family != family; }))
            fail("more than one family");
        if (fileStart > 0 && family != rows[fileStart - 1].Row.Family) {
            if (family < rows[fileStart - 1].Row.Family) fail("a family out of order");
            familyStart = fileStart;
        }
        // Both lists are in size order, and the merge keeps the main file's
        // row first where two are the same size.
        if (file.LgplExtra)
            std::inplace_merge(rows.begin() + familyStart, rows.begin() + fileStart, rows.end(),
                               SmallerSize);
    }
    return rows;
}

} // namespace catalogue
