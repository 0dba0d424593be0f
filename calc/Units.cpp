#include "calc/Units.h"

#include "calc/Spelling.h"

#include <algorithm>

namespace calc {
namespace {

template <typename Unit, std::size_t N>
const Unit* Named(const std::array<Unit, N>& units, std::string_view name) {
    const auto found = std::ranges::find(units, name, &Unit::Name);
    return found == units.end() ? nullptr : &*found;
}

template <typename Unit, std::size_t N>
const Unit* Spelled(const std::array<Unit, N>& units, std::string_view word) {
    const std::string folded = Folded(word);
    for (const Unit& unit : units) {
        if (Folded(unit.Name) == folded) return &unit;
        for (const std::string_view spelling : unit.Spellings)
            if (!spelling.empty() && Folded(spelling) == folded) return &unit;
    }
    return nullptr;
}

} // namespace

std::string Folded(std::string_view word) {
    std::string out;
    out.reserve(word.size());
    for (const char c : word)
        if (c != ' ' && c != '-' && c != '_') out += c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
    return out;
}

bool SameWord(std::string_view typed, std::string_view name) {
    return Folded(typed) == Folded(name);
}

const LengthUnit* FindLengthUnit(std::string_view name) {
    return Named(LengthUnits, name);
}

const WeightUnit* FindWeightUnit(std::string_view name) {
    return Named(WeightUnits, name);
}

const LengthUnit* LengthUnitSpelled(std::string_view word) {
    return Spelled(LengthUnits, word);
}

const WeightUnit* WeightUnitSpelled(std::string_view word) {
    return Spelled(WeightUnits, word);
}

long double WeightInUnit(double kilograms, std::string_view unit) {
    const WeightUnit* u = FindWeightUnit(unit);
    return u ? kilograms * u->Multiplier / u->Divisor : 0.0L;
}

long double VolumeInUnit(double cubicMetres, std::string_view unit) {
    const LengthUnit* u = FindLengthUnit(unit);
    return u ? cubicMetres * u->CubicMultiplier / u->CubicDivisor : 0.0L;
}

} // namespace calc
