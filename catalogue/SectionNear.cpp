// The near names offered for a name that names no section. By family, then
// by size: "IPE 210" is between IPE 200 and IPE 220, whatever the spelling
// of other names; a spelling alone once answered "W200x46.1", the metric
// name of W8x31, with W18x46, half as heavy again.
#include "catalogue/SectionData.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <tuple>

namespace catalogue {
namespace {

std::size_t EditDistance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    std::iota(row.begin(), row.end(), std::size_t{0});
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

// How far a name of a section is in size from the numbers typed: the
// ratios of their numbers in turn, and a whole step for a number that only
// one of them has.
double SizeDistance(const std::vector<double>& numbers, const SectionIndex& index,
                    SectionIndex::Span name) {
    double distance = 0;
    std::size_t i = 0;
    for (std::uint32_t t = name.First; t < name.End; ++t) {
        const Term& term = index.Terms[index.TermIds[t]];
        if (!term.Number) continue;
        distance += i < numbers.size() && numbers[i] > 0 && term.Value > 0
                        ? std::abs(std::log(numbers[i] / term.Value))
                        : 1.0;
        ++i;
    }
    return distance + static_cast<double>(numbers.size() - std::min(i, numbers.size()));
}

// The nearest in size of a section's names to the numbers typed.
double NearestSize(const SectionIndex& index, std::size_t section,
                   const std::vector<double>& numbers) {
    const SectionIndex::Entry& entry = index.Entries[section];
    double nearest = std::numeric_limits<double>::infinity();
    for (std::uint32_t n = entry.FirstName; n < entry.EndName; ++n)
        nearest = std::min(nearest, SizeDistance(numbers, index, index.NameSpans[n]));
    return nearest;
}

} // namespace

std::vector<const Section*> NearSections(std::string_view designation, std::size_t n) {
    if (NormalName(designation).empty() || n == 0) return {};
    auto found = SearchSections(designation);
    if (!found.empty()) {
        found.resize(std::min(n, found.size()));
        return found;
    }
    const std::vector<Term> typed = TermsOf(designation);
    std::vector<std::string_view> words;
    std::vector<double> numbers;
    for (const Term& term : typed) {
        if (term.Number)
            numbers.push_back(term.Value);
        else
            words.push_back(term.Text);
    }
    if (typed.empty()) return {};

    const SectionIndex& index = Index();
    // How far each family is from the words typed: 0 where one names it, else
    // the fewest edits from a word to one of its naming words. With no words,
    // every family is as near.
    std::vector<std::size_t> familyDistance;
    for (const SectionFamily family : SectionFamilies()) {
        std::size_t nearest = words.empty() ? 0 : std::numeric_limits<std::size_t>::max();
        for (const std::string_view word : words)
            for (const std::string_view naming : NamingWords(family))
                nearest = std::min(nearest, EditDistance(word, naming));
        familyDistance.push_back(nearest);
    }
    // The nearest families first; a family further off only where those
    // nearer hold fewer than n sections.
    std::vector<std::size_t> levels = familyDistance;
    std::ranges::sort(levels);
    levels.erase(std::unique(levels.begin(), levels.end()), levels.end());
    using Cost = std::tuple<std::size_t, double, std::size_t>; // family, size, catalogue order
    std::vector<Cost> costs;
    for (const std::size_t level : levels) {
        if (costs.size() >= n) break;
        for (std::size_t i = 0; i < index.All.size(); ++i)
            if (familyDistance[static_cast<std::size_t>(index.All[i].Family)] == level)
                costs.emplace_back(level, NearestSize(index, i, numbers), i);
    }
    n = std::min(n, costs.size());
    std::partial_sort(costs.begin(), costs.begin() + static_cast<std::ptrdiff_t>(n), costs.end());
    std::vector<const Section*> near;
    for (std::size_t i = 0; i < n; ++i)
        near.push_back(&index.All[std::get<2>(costs[i])]);
    return near;
}

} // namespace catalogue
