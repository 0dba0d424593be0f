// The search as you type over the library and the user's own materials. A
// plain scan: a few hundred materials, each with a dozen words, answer a
// keystroke in well under a millisecond; the library's words are gathered
// once, the user's entries' at each search.
#include "catalogue/MaterialData.h"

#include <algorithm>
#include <charconv>

namespace catalogue {
namespace {

// How well a material answers the text; lower is better.
enum Rank {
    SpelledWhole, // the whole text is a name, designation or common name
    BegunWhole,   // the whole text begins one
    ByNames,      // every word begins a word of its names
    ByAnything,   // some word only begins its group, density or price
    NoMatch,
};

bool IsSeparator(char c) {
    return std::string_view(" -_/.,+()").find(c) != std::string_view::npos;
}

// A word as searches compare it: folded, and parentheses dropped too.
std::string SearchFolded(std::string_view word) {
    std::string out = Folded(word);
    std::erase_if(out, [](char c) { return c == '(' || c == ')'; });
    return out;
}

// The words a text can be found by: from each word start of it to its end,
// folded, so "EN AW-6082" is found by "en", "aw 6082" and "6082", and
// "1.4301" by "4301".
void AddWordsOf(std::string_view text, std::vector<std::string>& words) {
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!IsSeparator(text[i]) && (i == 0 || IsSeparator(text[i - 1])))
            words.push_back(SearchFolded(text.substr(i)));
}

// One material as a search sees it.
struct Candidate {
    PricedMaterial Material;
    std::vector<std::string> Keys;  // folded names, designation and common names
    std::vector<std::string> Names; // words of those and the standard
    std::vector<std::string> Other; // words of the group, the density, the price
};

Candidate Describe(const PricedMaterial& material) {
    Candidate c{material, {}, {}, {}};
    const auto addName = [&](std::string_view name) {
        if (name.empty()) return;
        c.Keys.push_back(Folded(name));
        AddWordsOf(name, c.Names);
    };
    addName(material.Name);
    addName(material.Designation);
    if (material.User) {
        addName(material.User->Name);
        addName(material.User->Designation);
    }
    if (const LibraryMaterial* library = material.Library) {
        addName(library->Name);
        addName(library->Designation);
        for (const std::string& name : library->CommonNames)
            addName(name);
        AddWordsOf(library->Standard, c.Names);
    }
    AddWordsOf(material.Group, c.Other);
    c.Other.push_back(std::to_string(material.Density));
    if (material.PricePerKg) c.Other.push_back(NumberText(*material.PricePerKg));
    return c;
}

bool Begins(const std::vector<std::string>& words, std::string_view word) {
    return std::ranges::any_of(words, [&](const std::string& w) { return w.starts_with(word); });
}

Rank RankOf(const Candidate& c, const std::string& whole, const std::vector<std::string>& words) {
    if (std::ranges::find(c.Keys, whole) != c.Keys.end()) return SpelledWhole;
    if (Begins(c.Keys, whole)) return BegunWhole;
    bool byNames = true;
    for (const std::string& word : words) {
        if (Begins(c.Names, word)) continue;
        if (!Begins(c.Other, word)) return NoMatch;
        byNames = false;
    }
    return byNames ? ByNames : ByAnything;
}

std::vector<std::string> SplitWords(std::string_view text) {
    std::vector<std::string> words;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find_first_of(" \t"), text.size());
        if (const std::string word = SearchFolded(text.substr(0, end)); !word.empty())
            words.push_back(word);
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return words;
}

// The library's materials as a search sees them, described once: only the
// user's entries change between keystrokes.
const std::vector<Candidate>& LibraryCandidates() {
    static const std::vector<Candidate> candidates = [] {
        std::vector<Candidate> out;
        for (const LibraryMaterial& material : LibraryMaterials())
            out.push_back(Describe(Priced(material, {})));
        return out;
    }();
    return candidates;
}

} // namespace

std::string NumberText(double value) {
    char buffer[32];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, error == std::errc() ? end : buffer);
}

std::vector<PricedMaterial> SearchMaterials(std::string_view text,
                                            std::span<const UserMaterial> user) {
    // The user's entries first, then the library's materials none of them
    // stands for: each material once.
    std::vector<Candidate> own;
    std::vector<const LibraryMaterial*> taken;
    for (const UserMaterial& entry : user) {
        own.push_back(Describe(Priced(entry)));
        if (own.back().Material.Library) taken.push_back(own.back().Material.Library);
    }
    std::vector<const Candidate*> all;
    all.reserve(own.size() + LibraryCandidates().size());
    for (const Candidate& c : own)
        all.push_back(&c);
    for (const Candidate& c : LibraryCandidates())
        if (std::ranges::find(taken, c.Material.Library) == taken.end()) all.push_back(&c);

    const std::vector<std::string> words = SplitWords(text);
    const std::string whole = Folded(text);
    std::vector<std::pair<Rank, std::size_t>> ranked;
    for (std::size_t i = 0; i < all.size(); ++i)
        if (const Rank rank = words.empty() ? SpelledWhole : RankOf(*all[i], whole, words);
            rank != NoMatch)
            ranked.emplace_back(rank, i);
    std::ranges::sort(ranked); // by rank, then the order above
    std::vector<PricedMaterial> found;
    found.reserve(ranked.size());
    for (const auto& [rank, i] : ranked)
        found.push_back(all[i]->Material);
    return found;
}

} // namespace catalogue
