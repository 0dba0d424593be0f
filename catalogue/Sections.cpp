#include "catalogue/Sections.h"

#include "catalogue/SectionData.h"

#include "calc/Error.h"

#include <algorithm>

namespace catalogue {
namespace {

SectionIndex BuildIndex() {
    SectionIndex index;
    std::vector<SectionRow> rows = ReadSections(SectionFiles());
    index.All.reserve(rows.size());
    index.ByName.reserve(rows.size());
    index.Entries.reserve(rows.size());
    // Each distinct term gets one place in the index's list.
    std::unordered_map<std::string, std::uint32_t> termIds;
    const auto addTerm = [&](const Term& term) {
        std::string key = term.Text;
        key += term.Number ? (term.Approximate ? '~' : '#') : ' ';
        const auto [at, added] = termIds.try_emplace(std::move(key), index.Terms.size());
        if (added) index.Terms.push_back(term);
        index.TermIds.push_back(at->second);
    };
    const auto termCount = [&] { return static_cast<std::uint32_t>(index.TermIds.size()); };
    for (SectionRow& row : rows) {
        if (!index.ByName.emplace(NormalName(row.Row.Designation), index.All.size()).second)
            throw calc::Error("sections: \"" + row.Row.Designation + "\" twice");
        const SectionWords words = WordsOf(row.Row, row.Kind);
        SectionIndex::Entry entry{};
        entry.FirstName = static_cast<std::uint32_t>(index.NameSpans.size());
        for (const std::vector<Term>& name : words.Names) {
            const std::uint32_t first = termCount();
            for (const Term& term : name)
                addTerm(term);
            index.NameSpans.push_back({first, termCount()});
        }
        entry.EndName = static_cast<std::uint32_t>(index.NameSpans.size());
        entry.Keywords.First = termCount();
        for (const Term& term : words.Keywords)
            addTerm(term);
        entry.Keywords.End = termCount();
        index.Entries.push_back(entry);
        index.All.push_back(std::move(row.Row));
    }
    return index;
}

} // namespace

const SectionIndex& Index() {
    static const SectionIndex index = BuildIndex();
    return index;
}

const std::vector<Section>& Sections() {
    return Index().All;
}

std::span<const Section> SectionsOf(SectionFamily family) {
    // Sections() lists the families in their order.
    const auto& all = Sections();
    const auto first = std::ranges::find(all, family, &Section::Family);
    const auto last =
        std::find_if(first, all.end(), [&](const Section& s) { return s.Family != family; });
    return {first, last};
}

const Section* FindSection(std::string_view designation) {
    const SectionIndex& index = Index();
    const auto found = index.ByName.find(NormalName(designation));
    return found == index.ByName.end() ? nullptr : &index.All[found->second];
}

long double CrossSectionMm2(const Section& section) {
    // A metre of an American shape is its nominal mass at 7850 kg/m3: m2 to mm2.
    if (section.NominalLbFt > 0)
        return static_cast<long double>(section.MassKgPerM) / 7850.0L * 1e6L;
    return static_cast<long double>(section.AreaCm2) * 100.0L;
}

} // namespace catalogue
