#include "catalogue/Sections.h"

#include "catalogue/SectionData.h"

#include "calc/Error.h"

#include <algorithm>
#include <memory>

namespace catalogue {
namespace {

// On the heap and never moved, since the index holds views of its own texts.
std::unique_ptr<const SectionIndex> BuildIndex() {
    auto built = std::make_unique<SectionIndex>();
    SectionIndex& index = *built;
    std::vector<SectionRow> rows = ReadSections(SectionFiles());
    index.All.reserve(rows.size());
    index.Names.reserve(rows.size());
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
        index.Names.push_back(NormalName(row.Row.Designation));
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
    index.ByName.reserve(index.Names.size());
    for (std::size_t i = 0; i < index.Names.size(); ++i)
        if (!index.ByName.emplace(index.Names[i], i).second)
            throw calc::Error("sections: \"" + index.All[i].Designation + "\" twice");
    return built;
}

} // namespace

const SectionIndex& Index() {
    static const std::unique_ptr<const SectionIndex> index = BuildIndex();
    return *index;
}

const std::vector<Section>& Sections() {
    return Index().All;
}

std::span<const Section> SectionsOf(SectionFamily family) {
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
