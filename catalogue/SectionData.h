#pragma once
// Inside the sections catalogue: the compiled-in CSV files, their reader, the
// words sections are searched by, and the index that lookups and searches
// share. Not for callers outside catalogue/ (tests and benchmarks aside);
// they use Sections.h.
#include "catalogue/Sections.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace catalogue {

// One CSV file of catalogue/sections, as the build copied it in.
struct SectionFile {
    std::string_view Name; // "ipe.csv"
    std::string_view Text;
};

// The files in the order the families are listed (generated at build time).
std::span<const SectionFile> SectionFiles();

// A section as read, with the family text of its row ("SHS hot finished",
// "Flat bar (wide)"), which the search also matches.
struct SectionRow {
    Section Row;
    std::string Kind;
};

// Every row of the files, families in SectionFamilies() order, each family's
// rows in its files' order, an extra file's sizes (*_extra_*.csv) merged
// into its family's by size. Throws calc::Error naming the file and line of
// the first row it cannot read.
std::vector<SectionRow> ReadSections(std::span<const SectionFile> files);

// A designation as the lookups compare it: ASCII letters in lower case, "×"
// as "x", blanks around it dropped and each run of blanks inside as one.
std::string NormalName(std::string_view text);

// The family a row's family text names; an American table's angles are
// families of their own. Nothing for a text no table uses.
std::optional<SectionFamily> FamilyOfKind(std::string_view kind, bool american);

// The words that name a family on their own, lower case: its designations'
// letters and what else people call it ("upn", "u", "unp"; "nps", "pipe",
// "dn").
std::span<const std::string_view> NamingWords(SectionFamily family);

// A word or a number as the search compares them.
struct Term {
    std::string Text;         // lower case: "heb", "200", "1-1/4", "0.280", "\""
    bool Number = false;      // digits, with a point or a fraction
    double Value = 0;         // a number's value; 0 where it is not whole yet ("1/")
    bool Approximate = false; // matches a number within 1 %: a metric W's mass
};

// The terms of a designation or of what someone typed: lower case; letters
// and numbers apart ("heb200": heb, 200); "x" after a number, blanks and
// other marks only part them; a fraction "1/4" or a mixed number "5-1/2" one
// number, a leading point a "0." and a comma between digits a point; an inch
// mark (") a term of its own.
std::vector<Term> TermsOf(std::string_view text);

// The names a section is found by, each a list of terms, its own first
// ("heb 200"), then the others people use ("he 200 b"); and its keywords:
// the words of its family's name and text, of its standard's codes, and the
// family's naming words, none that a name already holds.
struct SectionWords {
    std::vector<std::vector<Term>> Names;
    std::vector<Term> Keywords;
};
SectionWords WordsOf(const Section& section, std::string_view kind);

// Everything the lookups need, built together on first use.
struct SectionIndex {
    std::vector<Section> All;
    std::unordered_map<std::string, std::size_t> ByName; // by NormalName of each designation

    // Each distinct term once; the sections' names and keywords refer to
    // them by their place here, so a search compares each term once.
    std::vector<Term> Terms;
    std::vector<std::uint32_t> TermIds;
    struct Span {
        std::uint32_t First, End; // into TermIds
    };
    std::vector<Span> NameSpans; // every section's names, one after another
    struct Entry {
        std::uint32_t FirstName, EndName; // into NameSpans
        Span Keywords;
    };
    std::vector<Entry> Entries; // one per section, as All
};

const SectionIndex& Index();

// How well a search's words fit one section, lower is better: words that
// only begin a term of it, numbers of its name left out or only begun, other
// words of its name left out, and its family's letters left out with no
// word naming the family. Compared as one number in that order.
struct Fit {
    std::uint32_t Begun = 0, NumbersLeft = 0, WordsLeft = 0, FamilyLeft = 0;
    std::uint32_t Rank() const {
        return Begun << 24 | NumbersLeft << 16 | WordsLeft << 8 | FamilyLeft;
    }
};

// The sections a search finds, with how well each fits, best first.
struct Found {
    std::size_t Index; // into SectionIndex::All
    Fit How;
};
std::vector<Found> SearchIndex(std::string_view words);

} // namespace catalogue
