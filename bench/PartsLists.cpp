#include "PartsLists.h"

#include "calc/ReadPart.h"
#include "catalogue/ProfileSizeTable.h"
#include "partslist/PartsFile.h"
#include "partslist/Replay.h"

#include <array>
#include <random>

namespace bench {
namespace {

struct Material {
    const char* Name;
    std::int32_t Density;
};

constexpr std::array<Material, 5> Materials{{{"Steel", 7850},
                                             {"Copper ( Cu )", 8940},
                                             {"Aluminium, cast", 2700},
                                             {"Brass \"CuZn37\"", 8500},
                                             {"", 7874}}};

constexpr std::array<const char*, 7> Solids{
    "Parallelepiped", "Truncated cone", "Cylinder", "Sphere", "Cone", "Pipe", "Pyramid"};
constexpr std::array<const char*, 5> Holes{"Cylinder", "Parallelepiped", "Cone", "Sphere",
                                           "Pyramid"};
constexpr std::array<const char*, 5> Profiles{"Hexahedral Bar", "I-Beam", "C channel",
                                              "Lip channel", "Angle"};
struct Unit {
    const char* Name;
    unsigned Millimetres; // about
};

constexpr std::array<Unit, 4> Units{
    {{"millimeter", 1}, {"millimeter", 1}, {"centimeter", 10}, {"inch", 25}}};

class Maker {
public:
    explicit Maker(unsigned seed) : random_(seed) {}

    partslist::Line Next() {
        const unsigned roll = Pick(10);
        partslist::Line line;
        if (roll < 5)
            Solid(line);
        else if (roll < 7)
            Profile(line);
        else
            Hole(line);
        const Material& m = Materials[Pick(Materials.size())];
        line.Material = m.Name;
        line.Density = m.Density;
        line.Quantity = int(1 + Pick(20));
        return line;
    }

private:
    unsigned Pick(std::size_t n) { return unsigned(random_() % n); }

    // A length of low to high millimetres as typed in a unit: whole or with
    // decimals, now and then with a comma.
    calc::Length Length(unsigned low, unsigned high, const Unit& unit) {
        const unsigned hundredths = (low + Pick(high - low)) * 100 / unit.Millimetres;
        std::string text = std::to_string(hundredths / 100);
        if (hundredths < 100 || Pick(3) == 0) {
            text += Pick(4) == 0 ? ',' : '.';
            text += std::to_string(hundredths % 100);
        }
        return calc::ReadLength(text, calc::FindLengthUnit(unit.Name));
    }

    void Solid(partslist::Line& line) {
        line.Type = calc::FindShape(Solids[Pick(Solids.size())], false);
        const Unit& unit = Units[Pick(Units.size())];
        line.Rows = {Length(60, 120, unit), Length(10, 50, unit), Length(100, 900, unit)};
        cutByWeight_ = false;
    }

    void Hole(partslist::Line& line) {
        line.Kind = partslist::Kind::Aperture;
        line.Type = calc::FindShape(Holes[Pick(Holes.size())], true);
        const Unit& unit = Units[Pick(Units.size())];
        line.Rows = {Length(3, 20, unit), Length(3, 20, unit), Length(3, 20, unit)};
        line.CutByWeight = cutByWeight_;
    }

    void Profile(partslist::Line& line) {
        const unsigned p = Pick(Profiles.size());
        line.Type = calc::FindShape(Profiles[p], false);
        const auto sizes = catalogue::SizeTable(static_cast<catalogue::Profile>(p));
        partslist::SetSize(line, sizes[Pick(sizes.size())].Label);
        line.Rows[2] = calc::ReadLength(std::to_string(1 + Pick(12)), calc::FindLengthUnit("meter"));
        cutByWeight_ = true;
    }

    std::mt19937 random_;
    bool cutByWeight_ = false; // the Volume field shows the marker
};

} // namespace

std::vector<partslist::Line> PartsLines(std::size_t count, unsigned seed) {
    Maker maker(seed);
    std::vector<partslist::Line> lines;
    lines.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        lines.push_back(maker.Next());
    return lines;
}

std::string PartsText(std::size_t count) {
    constexpr std::size_t piece = 1000;
    std::string text;
    for (std::size_t done = 0; done < count; done += piece) {
        const auto lines = PartsLines(std::min(piece, count - done), unsigned(7874 + done));
        std::string part = partslist::WritePartsList(lines, 1.25, partslist::ReplayLines(lines));
        if (done > 0) part.erase(0, part.find('\n') + 1); // one header
        text += part;
    }
    return text;
}

} // namespace bench
