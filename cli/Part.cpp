#include "cli/Part.h"

#include "calc/Error.h"
#include "calc/ReadPart.h"
#include "calc/Spelling.h"
#include "catalogue/Text.h"
#include "cli/Words.h"

namespace cli {
namespace {

std::string TypeList(partslist::Kind kind) {
    std::string out;
    for (const calc::Shape& shape : calc::Shapes)
        if (kind == partslist::Kind::Aperture ? shape.Aperture : shape.Object)
            out += (out.empty() ? "" : ", ") + std::string(shape.Name);
    return out;
}

// The size label of the profile's table that the word spells, in any case.
void ReadSize(partslist::Line& line, catalogue::Profile profile, const std::string* word) {
    std::string labels;
    for (const catalogue::ProfileSize& size : catalogue::SizeTable(profile)) {
        if (word && calc::SameWord(*word, size.Label)) {
            partslist::SetSize(line, size.Label);
            return;
        }
        labels += (labels.empty() ? "" : ", ") + std::string(size.Label);
    }
    throw UsageError(
        (word ? "'" + catalogue::Printable(*word) + "' is no size of " : "give the size of ") +
        std::string(partslist::TypeName(line)) + ": " + labels);
}

// A standard section, named in any form the search reads, as one word ("IPE
// 200" in quotes) or as the words before its length ("IPE 200 6m", "HE 200 B
// 6 m"). Returns how many words it took. A name that names no one section is
// a fault of the part, as an impossible triangle is, and names the sections
// nearest to it.
std::size_t ReadSection(partslist::Line& line, std::span<const std::string> words) {
    // Named as the catalogue names it: "IPE 200 " and "ipe200" are IPE 200.
    if (const catalogue::Section* whole = catalogue::SectionNamed(Joined(words)))
        throw UsageError("give the length of " + whole->Designation + ", such as 6m");
    std::size_t length = words.size() > 1;
    if (const std::size_t n = words.size();
        n > 2 && calc::LengthUnitSpelled(words[n - 1]) && DimensionOf(words[n - 2]))
        length = 2;
    const std::string designation = Joined(words.first(words.size() - length));
    if (designation.empty())
        throw UsageError("give a standard section and its length, such as: section "
                         "\"IPE 200\" 6m (kubatrix-calc --sections lists them)");
    const catalogue::Section* section = catalogue::SectionNamed(designation);
    if (!section) {
        std::string near;
        for (const catalogue::Section* s : catalogue::NearSections(designation))
            near += (near.empty() ? "; near ones: " : ", ") + s->Designation;
        throw calc::Error("kubatrix-calc: no standard section \"" +
                          catalogue::Printable(designation) + '"' +
                          (near.empty() ? "; kubatrix-calc --sections lists them" : near));
    }
    partslist::SetSize(line, section->Designation);
    return words.size() - length;
}

} // namespace

bool StartsAPart(std::string_view word) {
    return calc::SameWord(word, "object") || calc::SameWord(word, "aperture") ||
           calc::ShapeSpelled(word, false) || calc::ShapeSpelled(word, true);
}

partslist::Line PartLine(std::span<const std::string> words, int quantity, std::int32_t density,
                         std::string material) {
    partslist::Line line;
    line.Quantity = quantity;
    line.Density = density;
    line.Material = std::move(material);
    std::size_t i = 0;
    if (calc::SameWord(words[0], "aperture")) line.Kind = partslist::Kind::Aperture;
    if (calc::SameWord(words[0], "aperture") || calc::SameWord(words[0], "object")) ++i;
    const bool aperture = line.Kind == partslist::Kind::Aperture;
    line.Type = i < words.size() ? calc::ShapeSpelled(words[i], aperture) : nullptr;
    if (!line.Type)
        throw UsageError((i < words.size()
                              ? "'" + catalogue::Printable(words[i]) + "' is no type of "
                              : "give a type of ") +
                         std::string(partslist::KindName(line.Kind)) + ": " + TypeList(line.Kind));
    ++i;

    // The rows a solid's dimensions go to, in order: the rows it reads; a
    // profile and a section take their length, in c.
    if (const auto profile = partslist::ProfileOf(line))
        ReadSize(line, *profile, i < words.size() ? &words[i++] : nullptr);
    else if (partslist::IsSection(line))
        i += ReadSection(line, words.subspan(i));
    std::vector<std::size_t> rows;
    for (std::size_t r = 0; r < 3; ++r)
        if (line.Type->Rows[r]) rows.push_back(r);
    std::vector<Dimension> given;
    for (; i < words.size(); ++i) {
        auto row = DimensionOf(words[i]);
        if (!row)
            throw UsageError("'" + catalogue::Printable(words[i]) +
                             "' is no dimension: write a number and its unit, such as 2cm or 1.5m");
        RefuseComma(row->Text);
        // "2 cm" as two words; a number alone is in millimetres, as the
        // window's unit boxes start.
        if (!row->Unit && i + 1 < words.size())
            if (const calc::LengthUnit* unit = calc::LengthUnitSpelled(words[i + 1]))
                row->Unit = unit, ++i;
        if (!row->Unit) row->Unit = &calc::LengthUnits[0];
        given.push_back(std::move(*row));
    }
    if (given.size() != rows.size()) {
        const bool length = rows.size() == 1 && rows[0] == 2;
        const std::string names = length             ? "its length"
                                  : rows.size() == 1 ? "a"
                                  : rows.size() == 2 ? "a, b"
                                                     : "a, b, c";
        throw UsageError(std::string(partslist::TypeName(line)) + " takes " +
                         std::to_string(rows.size()) + " dimension" +
                         (rows.size() == 1 ? "" : "s") + " (" + names + "), not " +
                         std::to_string(given.size()));
    }
    // Read as the window reads its rows, a to c; what fails is the part's
    // fault, as an impossible triangle is.
    try {
        for (std::size_t r = 0; r < rows.size(); ++r)
            line.Rows[rows[r]] = calc::ReadLength(given[r].Text, given[r].Unit);
        if (partslist::IsSection(line)) calc::RequireSectionLength(line.Rows[2]);
    } catch (const calc::Error& e) {
        throw calc::Error("kubatrix-calc: " + e.Message());
    }
    return line;
}

} // namespace cli
