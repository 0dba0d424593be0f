#include "catalogue/Sections.h"

#include "catalogue/SectionData.h"

#include "calc/Error.h"

#include <algorithm>
#include <array>
#include <memory>

namespace catalogue {
namespace {

constexpr std::array<SectionFamily, 17> Families{
    SectionFamily::IPE,      SectionFamily::HEA,        SectionFamily::HEB,
    SectionFamily::HEM,      SectionFamily::IPN,        SectionFamily::UPN,
    SectionFamily::UPE,      SectionFamily::EqualAngle, SectionFamily::UnequalAngle,
    SectionFamily::SHS,      SectionFamily::RHS,        SectionFamily::CHS,
    SectionFamily::RoundBar, SectionFamily::SquareBar,  SectionFamily::FlatBar,
    SectionFamily::Pipe,     SectionFamily::W,
};

constexpr std::array<std::string_view, 17> FamilyNames{
    "IPE",       "HEA",         "HEB",           "HEM",  "IPN",     "UPN",
    "UPE",       "Equal angle", "Unequal angle", "SHS",  "RHS",     "CHS",
    "Round bar", "Square bar",  "Flat bar",      "Pipe", "W shape",
};

constexpr const char* Letters = "abcdefghijklmnopqrstuvwxyz";

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Collects the search words of one section into the index.
class WordCollector {
public:
    explicit WordCollector(SectionIndex& index) : index_(index) {}

    void Add(std::string_view word) {
        if (word.empty()) return;
        offsets_.emplace_back(index_.TokenText.size(), word.size());
        index_.TokenText += word;
    }
    std::uint32_t Count() const { return static_cast<std::uint32_t>(offsets_.size()); }

    // Each word of a text, lower case, split at anything but a letter, a
    // digit, a point or a hyphen. With onlyCodes, only what names a
    // standard: words with a digit and upper-case abbreviations ("EN",
    // "ASME"), outside any parentheses.
    void AddWordsOf(std::string_view text, bool onlyCodes) {
        std::string word;
        bool hasDigit = false, allUpper = true;
        int depth = 0;
        const auto flush = [&] {
            if (!onlyCodes || (depth == 0 && (hasDigit || allUpper))) Add(word);
            word.clear();
            hasDigit = false;
            allUpper = true;
        };
        for (char c : text) {
            if (IsLetter(c) || IsDigit(c) || c == '.' || c == '-') {
                hasDigit = hasDigit || IsDigit(c);
                allUpper = allUpper && !(c >= 'a' && c <= 'z');
                word += Lower(c);
                continue;
            }
            flush();
            if (c == '(') ++depth;
            if (c == ')') --depth;
        }
        flush();
    }

    void Finish() {
        index_.Tokens.reserve(offsets_.size());
        for (const auto& [offset, size] : offsets_)
            index_.Tokens.emplace_back(index_.TokenText.data() + offset, size);
    }

private:
    SectionIndex& index_;
    std::vector<std::pair<std::size_t, std::size_t>> offsets_;
};

// A designation's words ("nps", "1-1/4", "sch", "40"), the parts of a word
// with a hyphen ("1", "1/4": "nps 1 1/4" is how it is said), the part of a
// word after its letters ("8x31" of "w8x31"), and the whole without blanks
// ("nps1-1/4sch40").
void AddDesignationWords(WordCollector& words, std::string_view name) {
    std::string compact;
    const std::size_t length = name.size();
    while (!name.empty()) {
        const std::size_t end = std::min(name.find(' '), name.size());
        const std::string_view word = name.substr(0, end);
        words.Add(word);
        if (const std::size_t hyphen = word.find('-'); hyphen != std::string_view::npos) {
            words.Add(word.substr(0, hyphen));
            words.Add(word.substr(hyphen + 1));
        }
        const std::size_t letters = word.find_first_not_of(Letters);
        if (letters != 0 && letters != std::string_view::npos && IsDigit(word[letters]))
            words.Add(word.substr(letters));
        compact += word;
        name.remove_prefix(std::min(end + 1, name.size()));
    }
    if (compact.size() != length) words.Add(compact);
}

// A hollow section's name ends in its standard ("... en 10210"), which is
// searched as a standard, so "shs 10" is not every SHS.
std::string_view OwnName(const Section& section, std::string_view name) {
    if (section.Family != SectionFamily::SHS && section.Family != SectionFamily::RHS) return name;
    return name.substr(0, name.rfind(" en "));
}

// On the heap and never moved, since the index holds views of its own texts.
std::unique_ptr<const SectionIndex> BuildIndex() {
    auto built = std::make_unique<SectionIndex>();
    SectionIndex& index = *built;
    std::vector<SectionRow> rows = ReadSections(SectionFiles());
    index.All.reserve(rows.size());
    index.Names.reserve(rows.size());
    index.WordsOf.reserve(rows.size());
    WordCollector words(index);
    for (SectionRow& row : rows) {
        index.Names.push_back(NormalName(row.Row.Designation));
        SectionIndex::Words range{};
        range.First = words.Count();
        AddDesignationWords(words, OwnName(row.Row, index.Names.back()));
        range.Keywords = words.Count();
        words.AddWordsOf(FamilyName(row.Row.Family), false);
        words.AddWordsOf(row.Kind, false);
        words.AddWordsOf(row.Row.Standard, true);
        range.End = words.Count();
        index.WordsOf.push_back(range);
        index.All.push_back(std::move(row.Row));
    }
    words.Finish();
    index.ByName.reserve(index.Names.size());
    for (std::size_t i = 0; i < index.Names.size(); ++i)
        if (!index.ByName.emplace(index.Names[i], i).second)
            throw calc::Error("sections: \"" + index.All[i].Designation + "\" twice");
    return built;
}

} // namespace

std::string NormalName(std::string_view text) {
    std::string name;
    name.reserve(text.size());
    bool blank = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\xC3' && i + 1 < text.size() && text[i + 1] == '\x97') { // U+00D7 ×
            c = 'x';
            ++i;
        }
        if (c == ' ' || c == '\t') {
            blank = !name.empty();
            continue;
        }
        if (blank) name += ' ';
        blank = false;
        name += Lower(c);
    }
    return name;
}

const SectionIndex& Index() {
    static const std::unique_ptr<const SectionIndex> index = BuildIndex();
    return *index;
}

std::span<const SectionFamily> SectionFamilies() {
    return Families;
}

std::string_view FamilyName(SectionFamily family) {
    return FamilyNames[static_cast<std::size_t>(family)];
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
    return static_cast<long double>(section.AreaCm2) * 100.0L;
}

} // namespace catalogue
