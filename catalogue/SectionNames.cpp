// The words a section is found by. People write a designation in many ways
// ("HEB 200", "HE 200 B", "heb200"), so a section has several names, each a
// list of terms, and the search splits what is typed into terms the same
// way: then "he200b" and "HE 200 B" are the same three terms.
#include "catalogue/SectionData.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>

namespace catalogue {
namespace {

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool Read(std::string_view text, double& value) {
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

// "200", "0.280", "1/4", "5-1/2"; 0 for what is not a whole number yet ("1/").
double ValueOf(std::string_view text) {
    const std::size_t slash = text.find('/');
    double whole = 0, numerator = 0, denominator = 0;
    if (slash == std::string_view::npos) return Read(text, whole) ? whole : 0;
    const std::size_t dash = text.find('-');
    if (dash != std::string_view::npos && !Read(text.substr(0, dash), whole)) return 0;
    const std::size_t from = dash == std::string_view::npos ? 0 : dash + 1;
    if (!Read(text.substr(from, slash - from), numerator) ||
        !Read(text.substr(slash + 1), denominator) || denominator <= 0)
        return 0;
    return whole + numerator / denominator;
}

Term Word(std::string text) {
    return {std::move(text), false, 0, false};
}
Term Number(std::string text) {
    const double value = ValueOf(text);
    return {std::move(text), true, value, false};
}

// The digits from `at` on.
std::size_t DigitsFrom(std::string_view text, std::size_t at) {
    while (at < text.size() && IsDigit(text[at]))
        ++at;
    return at;
}

// A number's text from `at`: digits with a point, a fraction, or a whole
// number, "-" and a fraction. Returns where it ends.
std::size_t NumberAt(std::string_view text, std::size_t at, std::string& number) {
    bool point = false;
    if (text[at] == '.') number = "0";
    for (; at < text.size(); ++at) {
        const char c = text[at];
        const bool digitNext = at + 1 < text.size() && IsDigit(text[at + 1]);
        if (IsDigit(c)) {
            number += c;
        } else if (c == '.' && !point) {
            point = true;
            number += c;
        } else if (c == ',' && !point && digitNext) { // a decimal comma
            point = true;
            number += '.';
        } else if (c == '/' && !point && number.find('/') == std::string::npos) {
            number += c; // "1/4", or "1/" on its way to it
        } else if (c == '-' && !point && number.find_first_of("-/") == std::string::npos &&
                   digitNext && text.substr(DigitsFrom(text, at + 1)).starts_with('/')) {
            number += c; // "5-1/2"
        } else {
            break;
        }
    }
    return at;
}

// A section's name without the standard a hollow section's carries ("shs
// 100x100x5 en 10210"), which is searched as a standard, so "shs 10" is not
// every SHS.
std::string OwnName(const Section& section) {
    std::string name = NormalName(section.Designation);
    if (section.Family == SectionFamily::SHS || section.Family == SectionFamily::RHS)
        name.resize(name.rfind(" en "));
    return name;
}

bool Numbered(const std::vector<Term>& name, std::size_t at) {
    return at < name.size() && name[at].Number;
}

// "nps 1-1/4 sch 40" as it is said, "nps 1 1/4 sch 40".
std::vector<Term> MixedNumbersApart(const std::vector<Term>& name) {
    std::vector<Term> apart;
    for (const Term& term : name) {
        const std::size_t dash = term.Text.find('-');
        if (!term.Number || dash == std::string::npos) {
            apart.push_back(term);
            continue;
        }
        apart.push_back(Number(term.Text.substr(0, dash)));
        apart.push_back(Number(term.Text.substr(dash + 1)));
    }
    return apart;
}

// DN of an NPS: 25 mm an inch from NPS 4 up; the smaller as ISO 6708 lists them.
double NominalDiameter(double nps) {
    constexpr std::array<std::pair<double, double>, 13> small{{{0.125, 6},
                                                               {0.25, 8},
                                                               {0.375, 10},
                                                               {0.5, 15},
                                                               {0.75, 20},
                                                               {1, 25},
                                                               {1.25, 32},
                                                               {1.5, 40},
                                                               {2, 50},
                                                               {2.5, 65},
                                                               {3, 80},
                                                               {3.5, 90},
                                                               {4, 100}}};
    for (const auto& [inches, dn] : small)
        if (nps == inches) return dn;
    return 25 * nps;
}

// The depth ASTM A6M names a W or HP shape of that nominal depth in inches
// by (W8 is W200, W14 is W360); 0 for none.
double MetricDepth(double inches) {
    constexpr std::array<std::pair<double, double>, 17> depths{{{4, 100},
                                                                {5, 130},
                                                                {6, 150},
                                                                {8, 200},
                                                                {10, 250},
                                                                {12, 310},
                                                                {14, 360},
                                                                {16, 410},
                                                                {18, 460},
                                                                {21, 530},
                                                                {24, 610},
                                                                {27, 690},
                                                                {30, 760},
                                                                {33, 840},
                                                                {36, 920},
                                                                {40, 1000},
                                                                {44, 1100}}};
    for (const auto& [nominal, mm] : depths)
        if (nominal == inches) return mm;
    return 0;
}

// The names beside a section's own.
void AddOtherNames(const Section& s, std::vector<std::vector<Term>>& names) {
    const std::vector<Term> own = names.front();
    using F = SectionFamily;
    switch (s.Family) {
    case F::HEA:
    case F::HEB:
    case F::HEM:
    case F::HEAA: // EN 10365 writes HE 200 B
        if (own.size() == 2) names.push_back({Word("he"), own[1], Word(own[0].Text.substr(2))});
        break;
    case F::IPEA:
    case F::IPEO: // "ipe a 200": IPEA 200, IPE 200 A
        if (own.size() == 3) {
            names.push_back({Word(own[0].Text + own[1].Text), own[2]});
            names.push_back({own[0], own[2], own[1]});
        }
        break;
    case F::Pipe: // "nps 4 sch 40": DN 100 SCH 40, 4" SCH 40
        if (Numbered(own, 1)) {
            std::vector<Term> dn = own, inches = own;
            char text[16];
            std::snprintf(text, sizeof text, "%g", NominalDiameter(own[1].Value));
            dn[0] = Word("dn");
            dn[1] = Number(text);
            inches[0] = own[1];
            inches[1] = Word("\"");
            names.push_back(std::move(dn));
            names.push_back(std::move(inches));
        }
        break;
    case F::W:
    case F::HP: // "w8x31" as W200x46.1, its kilograms a metre to three figures
        if (const double depth = MetricDepth(own.size() == 3 ? own[1].Value : 0); depth > 0) {
            char text[16];
            std::snprintf(text, sizeof text, s.MassKgPerM < 50 ? "%.1f" : "%.0f", s.MassKgPerM);
            Term mass = Number(text);
            mass.Value = s.MassKgPerM;
            mass.Approximate = true;
            std::snprintf(text, sizeof text, "%g", depth);
            names.push_back({own[0], Number(text), std::move(mass)});
        }
        break;
    default:
        break;
    }
    const std::vector<Term> apart = MixedNumbersApart(own);
    if (apart.size() != own.size()) names.push_back(apart);
    // A square size by its side once: SHS 100x5, L 100x10.
    const bool square = s.Family == F::SHS || s.Family == F::HssSquare ||
                        s.Family == F::EqualAngle || s.Family == F::AiscEqualAngle;
    if (square && own.size() == 4 && Numbered(own, 1) && own[1].Text == own[2].Text)
        names.push_back({own[0], own[1], own[3]});
}

// The codes of a standard outside any parentheses, lower case: "en",
// "10210" of "EN 10210-2"; "astm", "a6" of "ASTM A6 (AISC Shapes Database)".
// Only words with a digit or in capitals; a number only with four digits or
// more, so it names a standard and no size.
void AddCodes(std::string_view standard, std::vector<Term>& keywords) {
    std::string word;
    bool digit = false, capitals = true;
    int depth = 0;
    const auto flush = [&] {
        if (depth == 0 && !word.empty() && (digit || capitals)) {
            const bool number = std::ranges::all_of(word, IsDigit);
            if (!number || word.size() >= 4) keywords.push_back(number ? Number(word) : Word(word));
        }
        word.clear();
        digit = false;
        capitals = true;
    };
    for (const char c : standard) {
        if (IsLetter(c) || IsDigit(c) || c == '.') {
            digit = digit || IsDigit(c);
            capitals = capitals && !(c >= 'a' && c <= 'z');
            word += Lower(c);
            continue;
        }
        flush();
        if (c == '(') ++depth;
        if (c == ')') --depth;
    }
    flush();
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

std::vector<Term> TermsOf(std::string_view text) {
    std::vector<Term> terms;
    std::size_t at = 0;
    while (at < text.size()) {
        const char c = text[at];
        if (IsLetter(c)) {
            std::string word;
            for (; at < text.size() && IsLetter(text[at]); ++at)
                word += Lower(text[at]);
            // The "x" of "100x50" and of "W 8 x 31" only parts numbers.
            if (word != "x" || terms.empty() || !terms.back().Number) terms.push_back(Word(word));
        } else if (IsDigit(c) || (c == '.' && at + 1 < text.size() && IsDigit(text[at + 1]))) {
            std::string number;
            at = NumberAt(text, at, number);
            terms.push_back(Number(std::move(number)));
        } else if (c == '\xC3' && at + 1 < text.size() && text[at + 1] == '\x97') { // ×
            at += 2;
        } else {
            if (c == '"') terms.push_back(Word("\""));
            ++at;
        }
    }
    return terms;
}

SectionWords WordsOf(const Section& s, std::string_view kind) {
    SectionWords words;
    words.Names.push_back(TermsOf(OwnName(s)));
    AddOtherNames(s, words.Names);

    std::vector<Term> keywords = TermsOf(FamilyName(s.Family));
    for (Term& term : TermsOf(kind))
        keywords.push_back(std::move(term));
    AddCodes(s.Standard, keywords);
    for (const std::string_view naming : NamingWords(s.Family))
        keywords.push_back(Word(std::string(naming)));
    // Each once, and none a name holds: a word is better matched in a name.
    for (Term& keyword : keywords) {
        const bool named = std::ranges::any_of(words.Names, [&](const std::vector<Term>& name) {
            return std::ranges::any_of(name, [&](const Term& t) { return t.Text == keyword.Text; });
        });
        const bool again = std::ranges::any_of(
            words.Keywords, [&](const Term& t) { return t.Text == keyword.Text; });
        if (!named && !again) words.Keywords.push_back(std::move(keyword));
    }
    return words;
}

} // namespace catalogue
