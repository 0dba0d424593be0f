#pragma once
// The standard sections a fabricator buys by name: European beams, channels,
// angles, hollow sections and bars, American pipes and W shapes. Each is a
// solid of known cross-section: its volume is its area times its length, and
// it is weighed at the density in force like any other solid.
//
// The figures live in catalogue/sections/*.csv, compiled in as text and read
// the first time any function here is called, so a run that never asks for a
// section never pays for them. Every pointer and reference returned lives for
// the rest of the run.
//
// Plain C++ on purpose: no Qt here, so the data and the search are tested
// without a window.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace catalogue {

// In the order the sections are listed.
enum class SectionFamily {
    IPE,
    HEA,
    HEB,
    HEM,
    IPN,
    UPN,
    UPE,
    EqualAngle,
    UnequalAngle,
    SHS, // square hollow: hot finished (EN 10210) and cold formed (EN 10219)
    RHS, // rectangular hollow, both routes as SHS
    CHS, // circular hollow: one table for both routes
    RoundBar,
    SquareBar,
    FlatBar,
    Pipe, // ASME B36.10M, by nominal size and schedule
    W,
};

// Every family, in that order.
std::span<const SectionFamily> SectionFamilies();

// "IPE", "Equal angle", "Round bar", "W shape": a family as a list shows it.
std::string_view FamilyName(SectionFamily family);

// One standard size. Lengths are in millimetres; a dimension the family does
// not have is 0. What each means by family:
//   I, H, W and channels: H depth, B flange width, Tw web, Tf flange (IPN, UPN:
//     the mean of the sloped flange), R1 root radius, R2 toe radius (IPN, UPN);
//   angles: H long leg, B short leg, T thickness, R1 root, R2 toe radius;
//   SHS, RHS: H, B, T, R1 outer and R2 inner corner radius;
//   CHS, pipes: D outside diameter, T wall; round bars: D;
//   square bars: H = B side; flat bars: B width, T thickness.
struct Section {
    SectionFamily Family;
    std::string Designation; // the name it is found by: "IPE 200", "SHS 100x100x5 EN 10210"
    std::string Standard;    // as the table gives it: "EN 10365", "EN 10210-2", "ASME B36.10M"
    double H = 0, B = 0, Tw = 0, Tf = 0, R1 = 0, R2 = 0, T = 0, D = 0;
    double AreaCm2 = 0;     // what volumes are computed from
    double MassKgPerM = 0;  // at 7850 kg/m3, for comparison with table books
    bool LgplExtra = false; // a size only an LGPL source named (see the data's README)
};

// Every section: the families in SectionFamilies() order, each in its
// standard's order (ascending size, then thickness).
const std::vector<Section>& Sections();

// One family's sections, in the same order.
std::span<const Section> SectionsOf(SectionFamily family);

// The section of that designation, whatever the case; blanks around it are
// trimmed, a run of blanks inside counts as one, and "×" stands for "x".
// nullptr for anything else, including a hollow section named without its
// standard (the two routes differ in area).
const Section* FindSection(std::string_view designation);

// The sections matching every word of a search, in Sections() order. Words
// are separated by blanks and taken in any order and case; each must begin a
// different word of the section: of its designation ("hea 200", "200 heb",
// "100x50", "4 sch 40"), of the designation without blanks ("heb200"), of
// its family's name ("angle", "pipe") or of its standard ("en 10219"; a
// number must have at least four digits to match a standard, so "shs 10" is
// not every SHS). No words: every section.
std::vector<const Section*> SearchSections(std::string_view words);

// Up to n known sections near an unknown designation, in Sections() order,
// for "did you mean": what a search by its words finds, else the sizes of
// its family nearest to the numbers it names ("IPE 210"), else the
// designations fewest edits away.
std::vector<const Section*> NearSections(std::string_view designation, std::size_t n = 5);

// The cross-section a length of the section is weighed by, in square
// millimetres: its area. A length's volume is this times the length.
long double CrossSectionMm2(const Section& section);

} // namespace catalogue
