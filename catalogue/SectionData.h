#pragma once
// Inside the sections catalogue: the compiled-in CSV files, their reader, and
// the index that lookups and searches share. Not for callers outside
// catalogue/ (tests and benchmarks aside); they use Sections.h.
#include "catalogue/Sections.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace catalogue {

// One CSV file of catalogue/sections, as the build copied it in.
struct SectionFile {
    std::string_view Name; // "ipe.csv"
    bool LgplExtra;        // a *_extra_lgpl.csv file: sizes only LGPL sources named
    std::string_view Text;
};

// The files in the order the families are listed (generated at build time).
std::span<const SectionFile> SectionFiles();

// A section as read, with the family text of its row ("SHS hot finished",
// "Flat bar (wide)"), which the search also matches.
struct SectionRow {
    Section Row;
    std::string_view Kind;
};

// Every row of the files, families in order, an extra file's sizes merged
// into its family's by size. Throws calc::Error naming the file and line of
// the first row it cannot read.
std::vector<SectionRow> ReadSections(std::span<const SectionFile> files);

// A designation as the lookups compare it: ASCII letters in lower case, "×"
// as "x", blanks around it dropped and each run of blanks inside as one.
std::string NormalName(std::string_view text);

// Everything the lookups need, built together on first use.
struct SectionIndex {
    std::vector<Section> All;
    std::vector<std::string> Names; // NormalName of each designation
    std::unordered_map<std::string_view, std::size_t> ByName;

    // The words each section is searched by, lower case: the designation's
    // from First, its family's and standard's from Keywords, up to End.
    struct Words {
        std::uint32_t First, Keywords, End;
    };
    std::vector<Words> WordsOf;
    std::vector<std::string_view> Tokens; // views into TokenText
    std::string TokenText;
};

const SectionIndex& Index();

} // namespace catalogue
