#pragma once
// The standard sections a fabricator buys by name: European, British and
// American beams, channels, tees and angles, hollow sections, bars and pipes.
// Each is a solid of known cross-section: its volume is that cross-section
// times its length, and it is weighed at the density in force like any other
// solid.
//
// The figures live in catalogue/sections/*.csv, compiled in as text and read
// the first time any function here is called, so a run that never asks for a
// section never pays for them. Every pointer and reference returned lives for
// the rest of the run.
//
// Plain C++ on purpose: no Qt here, so the data and the search are tested
// without a window. What a table shows of each family (its columns and their
// letters) is in SectionDimensions.h.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace catalogue {

// In the order the sections are listed: EN, then UK, then American.
enum class SectionFamily {
    IPE,
    IPEA, // the lighter IPE of the same depth
    IPEO, // the heavier
    HEA,
    HEB,
    HEM,
    HEAA, // lighter than HEA
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
    UB,  // UK universal beam
    UC,  // UK universal column
    PFC, // UK parallel flange channel
    W,   // AISC wide flange
    WT,  // tees cut from W shapes
    S,   // AISC standard beam, sloped flanges
    M,
    HP, // bearing piles
    C,  // AISC standard channel
    MC, // AISC miscellaneous channel
    AiscEqualAngle,
    AiscUnequalAngle,
    HssSquare,
    HssRectangular,
    HssRound,
    Pipe, // ASME B36.10M, by nominal size and schedule
};

// Every family, in that order.
std::span<const SectionFamily> SectionFamilies();

// "IPE A", "Equal angle (AISC)", "HSS round", "W shape": a family as a list
// shows it.
std::string_view FamilyName(SectionFamily family);

// One standard size. Lengths are in millimetres; a dimension the family does
// not have is 0. What each means by family:
//   I, H, W, S, M, HP, UB, UC and channels: H depth, B flange width, Tw web,
//     Tf flange (IPN, UPN, S, C, MC: the mean of the sloped flange), R1 root
//     radius, R2 toe radius (IPN, UPN);
//   WT: H depth of the tee, B flange width, Tw stem, Tf flange, R1 root;
//   angles: H long leg, B short leg, T thickness, R1 root, R2 toe radius;
//   SHS, RHS, HSS: H, B, T, R1 outer and R2 inner corner radius (HSS: the
//     nominal wall and radii);
//   CHS, HSS round, pipes: D outside diameter, T wall; round bars: D;
//   square bars: H = B side; flat bars: B width, T thickness.
struct Section {
    SectionFamily Family;
    std::string Designation; // the name it is found by: "IPE 200", "SHS 100x100x5 EN 10210"
    std::string Standard;    // as the table gives it: "EN 10365", "EN 10210-2", "ASME B36.10M"
    double H = 0, B = 0, Tw = 0, Tf = 0, R1 = 0, R2 = 0, T = 0, D = 0;
    double AreaCm2 = 0;     // the table's area (of an HSS: on the design wall)
    double MassKgPerM = 0;  // at 7850 kg/m3; of an American shape its nominal weight
    double NominalLbFt = 0; // American shapes: the weight in lb/ft their table names; else 0
    bool LgplExtra = false; // a size only an LGPL source named (see the data's README)
    bool GplData = false;   // from a *_gpl.csv file: figures only GPL-3.0 sources had
};

// Every section: the families in SectionFamilies() order, each in its
// standard's order (ascending size, then thickness).
const std::vector<Section>& Sections();

// One family's sections, in the same order.
std::span<const Section> SectionsOf(SectionFamily family);

// The section of that designation, whatever the case; blanks around it are
// trimmed, a run of blanks inside counts as one, and "×" stands for "x".
// nullptr for anything else, including a hollow section named without its
// standard (the two routes differ in area). A parts list's file names its
// sections this way.
const Section* FindSection(std::string_view designation);

// The sections a search finds, best first. The words are read the way people
// type designations: letters and numbers apart or together, with or without
// blanks and "x" ("HEB200", "he 200 b", "W 8 x 31", "l 100 100 10"), a
// square size by its side once ("shs 100x5"), a fraction as AISC writes it
// or as a decimal ("HSS6x4x1/4", "hss 6x4x.25"), and the names of other
// tables: HE 200 A for HEA 200, U and UNP for UPN, DN 100 and 4" for NPS 4,
// "pipe" for NPS, the metric name of a W or HP shape ("W200x46.1" for W8x31).
// Each word must begin a different word of the section, of its family's name
// or of its standard ("en 10219"; a number names a standard only with four
// digits or more, so "shs 10" is not every SHS).
//
// Best first: a section whose every word and number the search names
// exactly, then those where a number only begins one ("ipe 2"), then those
// with numbers the search left out; within each, catalogue order. No words:
// every section; marks that are no words ("-"): none.
std::vector<const Section*> SearchSections(std::string_view words);

// The one section a text names in any form the search reads: its exact
// designation, or a search whose every word and number matched one section
// exactly, with nothing of its designation left out but the family's own
// letters ("IPE200", "HE 200 B", "w8 31", "168.3 7.1"). nullptr when no
// section or several fit ("shs 100x100x5": hot finished or cold formed?).
const Section* SectionNamed(std::string_view text);

// Up to n known sections near a name that names none, best first, for "did
// you mean": the first a search by its words finds, else those of the family
// its letters name (or spell nearest), nearest in size to the numbers it
// names: "IPE 210" gives IPE 220, IPE 200, ...; "W200x47", a metric name,
// the W8 shapes near 47 kg/m.
std::vector<const Section*> NearSections(std::string_view designation, std::size_t n = 5);

// The cross-section a length of the section is weighed by, in square
// millimetres. A length's volume is this times the length. An American shape
// is weighed as its table weighs it: by its nominal mass, a metre of it being
// MassKgPerM / 7850 cubic metres (so at 7850 kg/m3 it weighs its nominal
// weight; an HSS, its weight on the nominal wall); every other section by its
// area.
long double CrossSectionMm2(const Section& section);

} // namespace catalogue
