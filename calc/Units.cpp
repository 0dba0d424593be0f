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

// The window's own name first, as most files write it.
template <typename Unit, std::size_t N>
const Unit* Spelled(const std::array<Unit, N>& units, std::string_view word) {
    if (const Unit* unit = Named(units, word)) return unit;
    for (const Unit& unit : units) {
        if (SameWord(word, unit.Name)) return &unit;
        for (const std::string_view spelling : unit.Spellings)
            if (!spelling.empty() && SameWord(word, spelling)) return &unit;
    }
    return nullptr;
}

bool Blank(char c) {
    return c == ' ' || c == '-' || c == '_';
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

} // namespace

std::string Folded(std::string_view word) {
    std::string out;
    out.reserve(word.size());
    for (const char c : word)
        if (!Blank(c)) out += Lower(c);
    return out;
}

// Folded(typed) == Folded(name), compared in place: a file's every cell of
// a type or a unit is compared so.
bool SameWord(std::string_view typed, std::string_view name) {
    std::size_t i = 0, j = 0;
    for (;; ++i, ++j) {
        while (i < typed.size() && Blank(typed[i]))
            ++i;
        while (j < name.size() && Blank(name[j]))
            ++j;
        if (i == typed.size() || j == name.size()) return i == typed.size() && j == name.size();
        if (Lower(typed[i]) != Lower(name[j])) return false;
    }
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
