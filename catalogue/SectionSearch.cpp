// The search as you type. A plain scan over every section's names: each
// distinct term of the catalogue is compared with what was typed once, and a
// section then only looks up how its terms fared, so a few thousand sections
// answer a keystroke in well under a millisecond.
#include "catalogue/SectionData.h"

#include <algorithm>
#include <array>
#include <bit>
#include <bitset>
#include <cmath>

namespace catalogue {
namespace {

constexpr std::size_t MaxTerms = 64; // of a name and its keywords: one bit each in a mask

enum Meeting : std::uint8_t { Apart, Begins, Equal };

// How a typed term meets a term of the catalogue: numbers by value (a metric
// W's mass within 1 %) or by their text, words by their text; either begins
// one while it is being typed.
Meeting MeetingOf(const Term& typed, const Term& term) {
    if (typed.Number != term.Number) return Apart;
    if (typed.Number && typed.Value > 0 && term.Value > 0) {
        const double tolerance = term.Approximate ? 0.01 * term.Value : 1e-9 * term.Value;
        if (std::abs(typed.Value - term.Value) <= tolerance) return Equal;
    }
    if (typed.Text == term.Text) return Equal;
    return std::string_view(term.Text).starts_with(typed.Text) ? Begins : Apart;
}

// Every typed term must take a different term of the section, so in "4 sch
// 40" the "4" cannot lean on the "40" that the last word already took; that
// keeps NPS 10 SCH 40 out. A bipartite matching over bit masks, one
// augmenting path per typed term: first by equal terms only, then the rest
// by any they begin, so a term is matched equal wherever it can be.
class Matcher {
public:
    // The typed terms against each term of the index.
    Matcher(const std::vector<Term>& typed, const std::vector<Term>& terms) : typed_(typed) {
        meetings_.resize(typed.size() * terms.size());
        for (std::size_t w = 0; w < typed.size(); ++w) {
            // A short number would begin half the standards' numbers ("10"
            // of "10210"), so it meets only the names' terms.
            shortNumber_[w] = typed[w].Number && typed[w].Text.size() < 4;
            for (std::size_t t = 0; t < terms.size(); ++t)
                meetings_[w * terms.size() + t] = MeetingOf(typed[w], terms[t]);
        }
        termCount_ = terms.size();
        const auto count = SectionFamilies().size();
        for (std::size_t f = 0; f < count; ++f)
            for (const std::string_view naming : NamingWords(SectionFamily(f)))
                for (const Term& term : typed)
                    named_[f] = named_[f] || (!term.Number && term.Text == naming);
    }

    // How the typed terms fit the best of a section's names; nothing if none.
    std::optional<Fit> Fits(const SectionIndex& index, std::size_t section) {
        const SectionIndex::Entry& entry = index.Entries[section];
        const bool named = named_[static_cast<std::size_t>(index.All[section].Family)];
        std::optional<Fit> best;
        for (std::uint32_t n = entry.FirstName; n < entry.EndName; ++n) {
            const auto fit = FitOf(index, index.NameSpans[n], entry.Keywords, named);
            if (fit && (!best || fit->Rank() < best->Rank())) best = fit;
        }
        return best;
    }

private:
    std::optional<Fit> FitOf(const SectionIndex& index, SectionIndex::Span name,
                             SectionIndex::Span keywords, bool named) {
        const std::size_t inName = name.End - name.First;
        const std::size_t count =
            std::min<std::size_t>(inName + keywords.End - keywords.First, MaxTerms);
        if (typed_.size() > count) return std::nullopt;
        for (std::size_t w = 0; w < typed_.size(); ++w) {
            std::uint64_t equal = 0, any = 0;
            const std::uint8_t* meets = &meetings_[w * termCount_];
            for (std::size_t t = 0; t < (shortNumber_[w] ? inName : count); ++t) {
                const std::uint32_t id =
                    index.TermIds[t < inName ? name.First + t : keywords.First + t - inName];
                const std::uint64_t bit = std::uint64_t{1} << t;
                if (meets[id] == Equal) equal |= bit;
                if (meets[id] != Apart) any |= bit;
            }
            if (any == 0) return std::nullopt;
            equal_[w] = equal;
            any_[w] = any;
        }
        owner_.fill(-1);
        for (std::size_t w = 0; w < typed_.size(); ++w) {
            std::uint64_t visited = 0;
            Augment(static_cast<int>(w), visited, equal_);
        }
        for (std::size_t w = 0; w < typed_.size(); ++w) {
            if (std::ranges::find(owner_, static_cast<int>(w)) != owner_.end()) continue;
            std::uint64_t visited = 0;
            if (!Augment(static_cast<int>(w), visited, any_)) return std::nullopt;
        }
        Fit fit;
        for (std::size_t t = 0; t < count; ++t) {
            const int w = owner_[t];
            const bool equal = w >= 0 && (equal_[std::size_t(w)] >> t & 1);
            fit.Begun += w >= 0 && !equal;
            if (t >= inName || equal) continue;
            const Term& term = index.Terms[index.TermIds[name.First + t]];
            if (term.Number)
                ++fit.NumbersLeft;
            else if (t > 0)
                ++fit.WordsLeft;
            else if (!named)
                ++fit.FamilyLeft;
        }
        return fit;
    }

    bool Augment(int word, std::uint64_t& visited,
                 const std::array<std::uint64_t, MaxTerms>& masks) {
        for (std::uint64_t left = masks[std::size_t(word)] & ~visited; left != 0;
             left &= left - 1) {
            const int t = std::countr_zero(left);
            visited |= std::uint64_t{1} << t;
            if (owner_[std::size_t(t)] < 0 || Augment(owner_[std::size_t(t)], visited, masks)) {
                owner_[std::size_t(t)] = word;
                return true;
            }
        }
        return false;
    }

    const std::vector<Term>& typed_;
    std::vector<std::uint8_t> meetings_;
    std::size_t termCount_ = 0;
    std::array<bool, MaxTerms> shortNumber_{};
    std::bitset<64> named_;
    std::array<std::uint64_t, MaxTerms> equal_{}, any_{};
    std::array<int, MaxTerms> owner_{};
};

} // namespace

std::vector<Found> SearchIndex(std::string_view words) {
    const SectionIndex& index = Index();
    const std::vector<Term> typed = TermsOf(words);
    std::vector<Found> found;
    if (typed.empty()) {
        // No words: every section. Marks that are no words: none.
        if (NormalName(words).empty())
            for (std::size_t i = 0; i < index.All.size(); ++i)
                found.push_back({i, {}});
        return found;
    }
    if (typed.size() > MaxTerms) return found;
    Matcher matcher(typed, index.Terms);
    for (std::size_t i = 0; i < index.All.size(); ++i)
        if (const auto fit = matcher.Fits(index, i)) found.push_back({i, *fit});
    std::ranges::stable_sort(found, {}, [](const Found& f) { return f.How.Rank(); });
    return found;
}

std::vector<const Section*> SearchSections(std::string_view words) {
    const SectionIndex& index = Index();
    std::vector<const Section*> sections;
    for (const Found& f : SearchIndex(words))
        sections.push_back(&index.All[f.Index]);
    return sections;
}

const Section* SectionNamed(std::string_view text) {
    if (const Section* exact = FindSection(text)) return exact;
    const SectionIndex& index = Index();
    const Section* only = nullptr;
    for (const Found& f : SearchIndex(text)) {
        if (f.How.Begun > 0 || f.How.NumbersLeft > 0 || f.How.WordsLeft > 0) break; // sorted
        if (only) return nullptr;
        only = &index.All[f.Index];
    }
    return only;
}

} // namespace catalogue
