// What we know of each family of sections, in one table: its name in a list,
// the words that name it, the shape it is drawn as, and the letters of the
// dimensions its table shows.
#include "catalogue/SectionData.h"
#include "catalogue/SectionDimensions.h"

#include <algorithm>
#include <array>

namespace catalogue {
namespace {

using F = SectionFamily;
using Letters = std::array<std::string_view, DimensionCount>;

// In Dimensions order: depth, width, web, flange, thickness, diameter, side,
// radius, second radius.
constexpr Letters Beam{"h", "b", "tw", "tf", "", "", "", "r", ""};
constexpr Letters Tapered{"h", "b", "tw", "tf", "", "", "", "r1", "r2"};
constexpr Letters Aisc{"d", "bf", "tw", "tf", "", "", "", "r", ""};
constexpr Letters AiscNoRadius{"d", "bf", "tw", "tf", "", "", "", "", ""};
constexpr Letters Angle{"h", "b", "", "", "t", "", "", "r1", "r2"};
constexpr Letters AiscAngle{"h", "b", "", "", "t", "", "", "r1", ""};
constexpr Letters Hollow{"h", "b", "", "", "t", "", "", "ro", "ri"};
constexpr Letters Hss{"H", "B", "", "", "t", "", "", "ro", "ri"};
constexpr Letters Ring{"", "", "", "", "t", "D", "", "", ""};
constexpr Letters Round{"", "", "", "", "", "D", "", "", ""};
constexpr Letters Square{"", "", "", "", "", "", "a", "", ""};
constexpr Letters Flat{"", "b", "", "", "t", "", "", "", ""};

struct Facts {
    SectionFamily Family;
    std::string_view Name;
    SectionShape Shape;
    Letters Lettered;
    std::array<std::string_view, 3> Naming; // lower case; empty ones unused
};

constexpr std::array<Facts, 34> Families{{
    {F::IPE, "IPE", SectionShape::I, Beam, {"ipe"}},
    {F::IPEA, "IPE A", SectionShape::I, Beam, {"ipea"}},
    {F::IPEO, "IPE O", SectionShape::I, Beam, {"ipeo"}},
    {F::HEA, "HEA", SectionShape::I, Beam, {"hea"}},
    {F::HEB, "HEB", SectionShape::I, Beam, {"heb"}},
    {F::HEM, "HEM", SectionShape::I, Beam, {"hem"}},
    {F::HEAA, "HEAA", SectionShape::I, Beam, {"heaa"}},
    {F::IPN, "IPN", SectionShape::I, Tapered, {"ipn", "inp", "i"}},
    {F::UPN, "UPN", SectionShape::Channel, Tapered, {"upn", "unp", "u"}},
    {F::UPE, "UPE", SectionShape::Channel, Beam, {"upe"}},
    {F::EqualAngle, "Equal angle", SectionShape::Angle, Angle, {"l", "angle"}},
    {F::UnequalAngle, "Unequal angle", SectionShape::Angle, Angle, {"l", "angle"}},
    {F::SHS, "SHS", SectionShape::Rectangular, Hollow, {"shs"}},
    {F::RHS, "RHS", SectionShape::Rectangular, Hollow, {"rhs"}},
    {F::CHS, "CHS", SectionShape::Circular, Ring, {"chs"}},
    {F::RoundBar, "Round bar", SectionShape::RoundBar, Round, {"rd", "round"}},
    {F::SquareBar, "Square bar", SectionShape::SquareBar, Square, {"sq", "square"}},
    {F::FlatBar, "Flat bar", SectionShape::FlatBar, Flat, {"fl", "flat"}},
    {F::UB, "UB", SectionShape::I, Beam, {"ub"}},
    {F::UC, "UC", SectionShape::I, Beam, {"uc"}},
    {F::PFC, "PFC", SectionShape::Channel, Beam, {"pfc"}},
    {F::W, "W shape", SectionShape::I, Aisc, {"w"}},
    {F::WT, "WT shape", SectionShape::Tee, Aisc, {"wt"}},
    {F::S, "S shape", SectionShape::I, AiscNoRadius, {"s"}},
    {F::M, "M shape", SectionShape::I, AiscNoRadius, {"m"}},
    {F::HP, "HP shape", SectionShape::I, Aisc, {"hp"}},
    {F::C, "C shape", SectionShape::Channel, AiscNoRadius, {"c"}},
    {F::MC, "MC shape", SectionShape::Channel, AiscNoRadius, {"mc"}},
    {F::AiscEqualAngle, "Equal angle (AISC)", SectionShape::Angle, AiscAngle, {"l", "angle"}},
    {F::AiscUnequalAngle, "Unequal angle (AISC)", SectionShape::Angle, AiscAngle, {"l", "angle"}},
    {F::HssSquare, "HSS square", SectionShape::Rectangular, Hss, {"hss"}},
    {F::HssRectangular, "HSS rectangular", SectionShape::Rectangular, Hss, {"hss"}},
    {F::HssRound, "HSS round", SectionShape::Circular, Ring, {"hss"}},
    {F::Pipe, "Pipe", SectionShape::Circular, Ring, {"nps", "pipe", "dn"}},
}};

constexpr bool InOrder() {
    for (std::size_t i = 0; i < Families.size(); ++i)
        if (Families[i].Family != SectionFamily(i)) return false;
    return true;
}
static_assert(InOrder(), "the table lists the families in their order");

constexpr std::array<SectionFamily, Families.size()> Order = [] {
    std::array<SectionFamily, Families.size()> order{};
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = Families[i].Family;
    return order;
}();

const Facts& FactsOf(SectionFamily family) {
    return Families[static_cast<std::size_t>(family)];
}

// The family texts of the files, each with the family it belongs to.
struct Kind {
    std::string_view Text;
    SectionFamily Family;
};
constexpr std::array<Kind, 35> Kinds{{
    {"IPE", F::IPE},
    {"IPE A", F::IPEA},
    {"IPE O", F::IPEO},
    {"HEA", F::HEA},
    {"HEB", F::HEB},
    {"HEM", F::HEM},
    {"HEAA", F::HEAA},
    {"IPN", F::IPN},
    {"UPN", F::UPN},
    {"UPE", F::UPE},
    {"L equal", F::EqualAngle},
    {"L unequal", F::UnequalAngle},
    {"SHS hot finished", F::SHS},
    {"SHS cold formed", F::SHS},
    {"RHS hot finished", F::RHS},
    {"RHS cold formed", F::RHS},
    {"CHS", F::CHS},
    {"Round bar", F::RoundBar},
    {"Square bar", F::SquareBar},
    {"Flat bar", F::FlatBar},
    {"Flat bar (wide)", F::FlatBar},
    {"UB", F::UB},
    {"UC", F::UC},
    {"PFC", F::PFC},
    {"W", F::W},
    {"WT", F::WT},
    {"S", F::S},
    {"M", F::M},
    {"HP", F::HP},
    {"C", F::C},
    {"MC", F::MC},
    {"HSS square", F::HssSquare},
    {"HSS rectangular", F::HssRectangular},
    {"HSS round", F::HssRound},
    {"Pipe", F::Pipe},
}};

bool Sloped(SectionFamily family) {
    return family == F::IPN || family == F::UPN || family == F::S || family == F::C ||
           family == F::MC;
}

} // namespace

std::span<const SectionFamily> SectionFamilies() {
    return Order;
}

std::string_view FamilyName(SectionFamily family) {
    return FactsOf(family).Name;
}

std::optional<SectionFamily> FamilyOfKind(std::string_view kind, bool american) {
    if (kind == "L equal" && american) return F::AiscEqualAngle;
    if (kind == "L unequal" && american) return F::AiscUnequalAngle;
    const auto known = std::ranges::find(Kinds, kind, &Kind::Text);
    if (known == Kinds.end()) return std::nullopt;
    return known->Family;
}

std::span<const std::string_view> NamingWords(SectionFamily family) {
    const auto& naming = FactsOf(family).Naming;
    const auto used = std::ranges::find(naming, std::string_view());
    return {naming.begin(), used};
}

std::string_view DimensionLetter(SectionFamily family, Dimension dimension) {
    return FactsOf(family).Lettered[static_cast<std::size_t>(dimension)];
}

std::string_view DimensionMeaning(SectionFamily family, Dimension dimension) {
    if (DimensionLetter(family, dimension).empty()) return {};
    const SectionShape shape = ShapeOf(family);
    const bool angle = shape == SectionShape::Angle;
    const bool hollow = shape == SectionShape::Rectangular;
    switch (dimension) {
    case Dimension::Depth:
        return angle ? "long leg" : hollow ? "height" : "depth";
    case Dimension::Width:
        return angle                                      ? "short leg"
               : hollow || shape == SectionShape::FlatBar ? "width"
                                                          : "flange width";
    case Dimension::Web:
        return shape == SectionShape::Tee ? "stem thickness" : "web thickness";
    case Dimension::Flange:
        return Sloped(family) ? "mean flange thickness" : "flange thickness";
    case Dimension::Thickness:
        return angle ? "leg thickness" : shape == SectionShape::FlatBar ? "thickness" : "wall";
    case Dimension::Diameter:
        return "outside diameter";
    case Dimension::Side:
        return "side";
    case Dimension::Radius:
        return hollow ? "outer corner radius" : "root radius";
    case Dimension::SecondRadius:
        return hollow ? "inner corner radius" : "toe radius";
    }
    return {};
}

std::optional<double> DimensionOf(const Section& s, Dimension dimension) {
    if (DimensionLetter(s.Family, dimension).empty()) return std::nullopt;
    switch (dimension) {
    case Dimension::Depth:
        return s.H;
    case Dimension::Width:
        return s.B;
    case Dimension::Web:
        return s.Tw;
    case Dimension::Flange:
        return s.Tf;
    case Dimension::Thickness:
        return s.T;
    case Dimension::Diameter:
        return s.D;
    case Dimension::Side:
        return s.H > 0 ? s.H : s.B;
    case Dimension::Radius:
        return s.R1;
    case Dimension::SecondRadius:
        return s.R2;
    }
    return std::nullopt;
}

double MassPerMetre(const Section& section, double kgPerM3) {
    // mm2 to m2, times a metre, times kg/m3.
    return static_cast<double>(CrossSectionMm2(section) * 1e-6L *
                               static_cast<long double>(kgPerM3));
}

SectionShape ShapeOf(SectionFamily family) {
    return FactsOf(family).Shape;
}

// IPN and UPN as DIN 1025-1 and 1026-1 measure them (IPN at b/4 from the toe;
// UPN at b/2 up to h 300, at (b - tw)/2 above); S, C and MC with AISC's 16⅔ %
// slope and its mean thickness halfway along the flange's outstand.
FlangeSlope FlangeSlopeOf(const Section& s) {
    switch (s.Family) {
    case F::IPN:
        return {0.14, s.B / 4};
    case F::UPN:
        return s.H <= 300 ? FlangeSlope{0.08, s.B / 2} : FlangeSlope{0.05, (s.B - s.Tw) / 2};
    case F::S:
        return {1.0 / 6, (s.B - s.Tw) / 4};
    case F::C:
    case F::MC:
        return {1.0 / 6, (s.B - s.Tw) / 2};
    default:
        return {};
    }
}

} // namespace catalogue
