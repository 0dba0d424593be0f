// Reads the compiled-in section tables with the same CSV splitter as the
// parts lists (Csv.h). They are our own files, checked by the tests, so the
// reader is strict rather than forgiving: a header other than the two it
// knows, a row it cannot read or a family no table uses stops it, naming the
// file and line, instead of quietly losing a size.
#include "catalogue/Csv.h"
#include "catalogue/SectionData.h"
#include "catalogue/Text.h"

#include "calc/Error.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <tuple>

namespace catalogue {
namespace {

constexpr std::string_view Header = "family,designation,standard,h,b,tw,tf,r1,r2,t,d,area_cm2,"
                                    "mass_kg_m,area_source,mass_source,source";
enum Column {
    Kind,
    Name,
    Standard,
    H,
    B,
    Tw,
    Tf,
    R1,
    R2,
    T,
    D,
    Area,
    Mass,
    AreaSource,
    Nominal = 16
};

class FileReader {
public:
    explicit FileReader(const SectionFile& file) : file_(file) {}

    std::vector<SectionRow> Read() {
        std::vector<SectionRow> rows;
        try {
            csv::Split(file_.Text, [&](const csv::Record& record) {
                line_ = record.Line;
                if (line_ == 1)
                    ReadHeader(record.Fields);
                else
                    rows.push_back(Read(record.Fields));
            });
        } catch (const csv::SyntaxError& e) {
            line_ = e.Line;
            Fail(e.What);
        }
        if (rows.empty()) Fail("no sections");
        return rows;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw calc::Error("sections/" + std::string(file_.Name) + ":" + std::to_string(line_) +
                          ": " + what);
    }

    void ReadHeader(std::span<const std::string_view> fields) {
        std::string header;
        for (const std::string_view field : fields)
            header.append(header.empty() ? "" : ",").append(field);
        // The American tables' last column: the weight in lb/ft that AISC names.
        american_ = header == std::string(Header) + ",nominal_lb_ft";
        if (header != Header && !american_) Fail("not the header of a section table");
        columns_ = fields.size();
    }

    double Number(std::string_view text, bool required) const {
        if (text.empty() && !required) return 0.0;
        double value = 0.0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (error != std::errc() || end != text.data() + text.size() || !(value > 0.0))
            Fail(Quoted(text) + " is no positive number");
        return value;
    }

    SectionRow Read(std::span<const std::string_view> f) const {
        if (f.size() != columns_) Fail("not " + std::to_string(columns_) + " fields");
        SectionRow out;
        out.Kind = f[Kind];
        const auto family = FamilyOfKind(f[Kind], american_);
        if (!family) Fail("unknown family " + Quoted(out.Kind));
        Section& s = out.Row;
        s.Family = *family;
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
        if (american_) s.NominalLbFt = Number(f[Nominal], true);
        if (f[AreaSource] != "published" && f[AreaSource] != "computed")
            Fail("area source " + Quoted(f[AreaSource]));
        s.LgplExtra = file_.Name.ends_with("_lgpl.csv");
        s.GplData = file_.Name.ends_with("_gpl.csv");
        return out;
    }

    const SectionFile& file_;
    std::size_t line_ = 0, columns_ = 0;
    bool american_ = false;
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
    const std::size_t count = SectionFamilies().size();
    std::vector<std::vector<SectionRow>> families(count);
    // Where each family's rows of the last main file begin: an extra file's
    // sizes join those, which are in size order. A table of hot-finished
    // sizes and one of cold-formed ones stay one after the other.
    std::vector<std::size_t> mainStart(count);
    for (const SectionFile& file : files) {
        const bool extra = file.Name.find("_extra_") != std::string_view::npos;
        std::vector<bool> seen(count);
        for (SectionRow& row : FileReader(file).Read()) {
            const auto f = static_cast<std::size_t>(row.Row.Family);
            std::vector<SectionRow>& rows = families[f];
            if (!extra) {
                if (!seen[f]) mainStart[f] = rows.size();
                seen[f] = true;
                rows.push_back(std::move(row));
                continue;
            }
            // After any of the same size, so the main file's row comes first.
            const auto at = std::upper_bound(rows.begin() + std::ptrdiff_t(mainStart[f]),
                                             rows.end(), row, SmallerSize);
            rows.insert(at, std::move(row));
        }
    }
    std::vector<SectionRow> all;
    for (std::vector<SectionRow>& rows : families)
        std::ranges::move(rows, std::back_inserter(all));
    return all;
}

} // namespace catalogue
