// The search as you type, and the near names offered for an unknown one. A
// plain scan over every section's words: a few thousand sections answer a
// keystroke in well under a millisecond, so no cleverer index is needed.
#include "catalogue/SectionData.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <span>

namespace catalogue {
namespace {

constexpr std::size_t MaxWords = 64; // one bit each in a mask
constexpr const char* Letters = "abcdefghijklmnopqrstuvwxyz";

std::vector<std::string_view> SplitWords(std::string_view normal) {
    std::vector<std::string_view> words;
    while (!normal.empty()) {
        const std::size_t end = std::min(normal.find(' '), normal.size());
        words.push_back(normal.substr(0, end));
        normal.remove_prefix(std::min(end + 1, normal.size()));
    }
    return words;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Every word must begin a different token of the section, so in "4 sch 40"
// the "4" cannot lean on the "40" that the last word already took; that
// keeps NPS 10 SCH 40 out. A bipartite matching, one augmenting path per
// word, over bit masks of the tokens each word begins.
class Matcher {
public:
    explicit Matcher(std::span<const std::string_view> words) : words_(words) {
        for (std::size_t w = 0; w < words.size(); ++w)
            shortNumber_[w] = words[w].size() < 4 && std::ranges::all_of(words[w], IsDigit);
    }

    bool Matches(std::span<const std::string_view> tokens, std::size_t keywords) {
        if (tokens.size() > MaxWords || words_.size() > tokens.size()) return false;
        for (std::size_t w = 0; w < words_.size(); ++w) {
            // A short number would begin half the standards' numbers ("10"
            // of "10210"), so it matches only the designation's words.
            const std::size_t end = shortNumber_[w] ? keywords : tokens.size();
            std::uint64_t mask = 0;
            for (std::size_t t = 0; t < end; ++t)
                if (tokens[t].starts_with(words_[w])) mask |= std::uint64_t{1} << t;
            if (mask == 0) return false;
            begins_[w] = mask;
        }
        owner_.fill(-1);
        for (std::size_t w = 0; w < words_.size(); ++w) {
            std::uint64_t visited = 0;
            if (!Augment(static_cast<int>(w), visited)) return false;
        }
        return true;
    }

private:
    bool Augment(int word, std::uint64_t& visited) {
        for (std::uint64_t left = begins_[word] & ~visited; left != 0; left &= left - 1) {
            const int t = std::countr_zero(left);
            visited |= std::uint64_t{1} << t;
            if (owner_[t] < 0 || Augment(owner_[t], visited)) {
                owner_[t] = word;
                return true;
            }
        }
        return false;
    }

    std::span<const std::string_view> words_;
    std::array<bool, MaxWords> shortNumber_{};
    std::array<std::uint64_t, MaxWords> begins_{};
    std::array<int, MaxWords> owner_{};
};

// The numbers of a name in order: "nps 1-1/4 sch 40" gives 1.25 and 40.
std::vector<double> NumbersIn(std::string_view name) {
    std::vector<double> numbers;
    const char* p = name.data();
    const char* const end = p + name.size();
    const auto read = [&](double& value) {
        const auto result = std::from_chars(p, end, value, std::chars_format::fixed);
        p = result.ptr;
        return result.ec == std::errc();
    };
    while (p < end) {
        double value = 0, numerator = 0, denominator = 0;
        if (!IsDigit(*p) || !read(value)) {
            ++p;
            continue;
        }
        const char* const after = p;
        if (p < end && *p == '-' && ++p < end && IsDigit(*p) && read(numerator) && p < end &&
            *p == '/' && ++p < end && read(denominator) && denominator > 0)
            value += numerator / denominator;
        else if ((p = after) < end && *p == '/' && ++p < end && read(denominator) &&
                 denominator > 0)
            value /= denominator;
        else
            p = after;
        numbers.push_back(value);
    }
    return numbers;
}

// How far two sizes are apart: the ratios of their numbers in turn, and a
// whole step for a number that only one of them has.
double SizeDistance(const std::vector<double>& a, const std::vector<double>& b) {
    double distance = 0;
    for (std::size_t i = 0; i < std::max(a.size(), b.size()); ++i)
        distance += i < a.size() && i < b.size() && a[i] > 0 && b[i] > 0
                        ? std::abs(std::log(a[i] / b[i]))
                        : 1.0;
    return distance;
}

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

std::string WithoutBlanks(std::string_view name) {
    std::string compact;
    std::ranges::copy_if(name, std::back_inserter(compact), [](char c) { return c != ' '; });
    return compact;
}

// The n sections of least cost, in catalogue order.
template <typename Cost>
std::vector<const Section*> Cheapest(std::vector<std::pair<Cost, std::size_t>> costs,
                                     std::size_t n) {
    n = std::min(n, costs.size());
    std::partial_sort(costs.begin(), costs.begin() + static_cast<std::ptrdiff_t>(n), costs.end());
    costs.resize(n);
    std::ranges::sort(costs, {}, &std::pair<Cost, std::size_t>::second);
    std::vector<const Section*> near;
    for (const auto& cost : costs)
        near.push_back(&Index().All[cost.second]);
    return near;
}

} // namespace

std::vector<const Section*> SearchSections(std::string_view text) {
    const SectionIndex& index = Index();
    const std::string normal = NormalName(text);
    const auto words = SplitWords(normal);
    std::vector<const Section*> found;
    if (words.size() > MaxWords) return found;
    Matcher matcher(words);
    const std::span<const std::string_view> tokens(index.Tokens);
    for (std::size_t i = 0; i < index.All.size(); ++i) {
        const SectionIndex::Words& range = index.WordsOf[i];
        if (matcher.Matches(tokens.subspan(range.First, range.End - range.First),
                            range.Keywords - range.First))
            found.push_back(&index.All[i]);
    }
    return found;
}

std::vector<const Section*> NearSections(std::string_view designation, std::size_t n) {
    const std::string name = NormalName(designation);
    if (name.empty() || n == 0) return {};
    auto found = SearchSections(name);
    if (!found.empty()) {
        found.resize(std::min(n, found.size()));
        return found;
    }

    // The family its letters name ("ipe" of "IPE 210"), nearest in size.
    const SectionIndex& index = Index();
    const std::string compact = WithoutBlanks(name);
    const std::string letters = compact.substr(0, compact.find_first_not_of(Letters));
    const auto numbers = NumbersIn(name.substr(letters.size()));
    std::vector<std::pair<double, std::size_t>> bySize;
    for (std::size_t i = 0; !letters.empty() && i < index.All.size(); ++i) {
        const std::string& other = index.Names[i];
        const std::size_t after = other.find_first_not_of(Letters);
        if (after == letters.size() && other.starts_with(letters))
            bySize.emplace_back(SizeDistance(numbers, NumbersIn(other.substr(after))), i);
    }
    if (!bySize.empty()) return Cheapest(std::move(bySize), n);

    std::vector<std::pair<std::size_t, std::size_t>> byEdits;
    for (std::size_t i = 0; i < index.All.size(); ++i)
        byEdits.emplace_back(EditDistance(compact, WithoutBlanks(index.Names[i])), i);
    return Cheapest(std::move(byEdits), n);
}

} // namespace catalogue
