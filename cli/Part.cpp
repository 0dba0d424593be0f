#include "cli/Part.h"

#include "calc/Error.h"
#include "calc/Shapes.h"
#include "cli/Words.h"

namespace cli {
namespace {

std::string TypeList(partslist::Kind kind) {
    std::string out;
    const auto add = [&](std::string_view name) {
        out += (out.empty() ? "" : ", ") + std::string(name);
    };
    if (kind == partslist::Kind::Aperture)
        for (const auto& type : calc::ApertureTypes)
            add(type.Name);
    else
        for (const auto& type : calc::ObjectTypes)
            add(type.Name);
    if (kind == partslist::Kind::Object) add("Pipe");
    add("Hexahedron");
    if (kind == partslist::Kind::Object) add(partslist::SectionType);
    return out;
}

// The rows a solid's dimensions go to, in order: the rows its picture shows.
// "Pipe" and "Hexahedron" have no picture; they read a, b, c and a, b.
std::size_t RowCount(const partslist::Line& line) {
    if (line.Type == "Pipe") return 3;
    if (line.Type == "Hexahedron") return 2;
    if (line.Kind == partslist::Kind::Aperture) {
        const calc::ApertureType* type = calc::FindApertureType(line.Type);
        return 1 + type->RowB + type->RowC;
    }
    const calc::ObjectType* type = calc::FindObjectType(line.Type);
    return std::size_t(type->RowA) + type->RowB + type->RowC;
}

// The size label of the profile's table that the word spells, in any case.
void ReadSize(partslist::Line& line, catalogue::Profile profile, const std::string* word) {
    std::string labels;
    for (const catalogue::ProfileSize& size : catalogue::SizeTable(profile)) {
        if (word && SameWord(*word, size.Label)) {
            line.Size = size.Label;
            return;
        }
        labels += (labels.empty() ? "" : ", ") + std::string(size.Label);
    }
    throw UsageError((word ? "'" + *word + "' is no size of " : "give the size of ") + line.Type +
                     ": " + labels);
}

std::string Joined(std::span<const std::string> words) {
    std::string out;
    for (const std::string& word : words)
        out += (out.empty() ? "" : " ") + word;
    return out;
}

// A standard section, named in any form the search reads, as one word ("IPE
// 200" in quotes) or as the words before its length ("IPE 200 6m", "HE 200 B
// 6 m"). Returns how many words it took. A name that names no one section is
// a fault of the part, as an impossible triangle is, and names the sections
// nearest to it.
std::size_t ReadSection(partslist::Line& line, std::span<const std::string> words) {
    if (catalogue::SectionNamed(Joined(words)))
        throw UsageError("give the length of " + Joined(words) + ", such as 6m");
    std::size_t length = words.size() > 1;
    if (const std::size_t n = words.size();
        n > 2 && LengthUnitNamed(words[n - 1]) && DimensionOf(words[n - 2]))
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
        throw calc::Error("kubatrix-calc: no standard section \"" + designation + '"' +
                          (near.empty() ? "; kubatrix-calc --sections lists them" : near));
    }
    line.Size = section->Designation;
    return words.size() - length;
}

} // namespace

bool StartsAPart(std::string_view word) {
    return SameWord(word, "object") || SameWord(word, "aperture") ||
           TypeNamed(word, partslist::Kind::Object) || TypeNamed(word, partslist::Kind::Aperture);
}

partslist::Line PartLine(std::span<const std::string> words, int quantity, std::int32_t density,
                         std::string material) {
    partslist::Line line;
    line.Quantity = quantity;
    line.Density = density;
    line.Material = std::move(material);
    std::size_t i = 0;
    if (SameWord(words[0], "aperture")) line.Kind = partslist::Kind::Aperture;
    if (SameWord(words[0], "aperture") || SameWord(words[0], "object")) ++i;
    const auto type = i < words.size() ? TypeNamed(words[i], line.Kind) : std::nullopt;
    if (!type)
        throw UsageError(
            (i < words.size() ? "'" + words[i] + "' is no type of " : "give a type of ") +
            std::string(partslist::KindName(line.Kind)) + ": " + TypeList(line.Kind));
    line.Type = *type;
    ++i;

    std::size_t rows = 0, first = 0;
    if (const auto profile = partslist::ProfileOf(line)) {
        ReadSize(line, *profile, i < words.size() ? &words[i++] : nullptr);
        rows = 1, first = 2; // the length
    } else if (line.Type == partslist::SectionType) {
        i += ReadSection(line, words.subspan(i));
        rows = 1, first = 2;
    } else {
        rows = RowCount(line);
    }
    std::size_t given = 0;
    for (; i < words.size(); ++i, ++given) {
        auto row = DimensionOf(words[i]);
        if (!row)
            throw UsageError("'" + words[i] +
                             "' is no dimension: write a number and its unit, such as 2cm or 1.5m");
        RefuseComma(row->Text);
        // "2 cm" as two words; a number alone is in millimetres, as the
        // window's unit boxes start.
        if (row->Unit.empty() && i + 1 < words.size())
            if (const auto unit = LengthUnitNamed(words[i + 1])) row->Unit = *unit, ++i;
        if (row->Unit.empty()) row->Unit = "millimeter";
        if (given < rows) line.Rows[first + given] = std::move(*row);
    }
    if (given != rows) {
        const std::string names = first == 2  ? "its length"
                                  : rows == 1 ? "a"
                                  : rows == 2 ? "a, b"
                                              : "a, b, c";
        throw UsageError(line.Type + " takes " + std::to_string(rows) + " dimension" +
                         (rows == 1 ? "" : "s") + " (" + names + "), not " + std::to_string(given));
    }
    return line;
}

} // namespace cli
