#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace calc {

struct Material {
    std::string_view Name;
    std::optional<std::int32_t> Density; // kilograms per cubic metre; "Other" has none
};

// The material box's items, in its order, matched exactly with their blanks
// and parentheses.
inline constexpr std::array<Material, 21> Materials{{
    {"Iron ( Fe )", 7874},     {"Aluminium ( Al )", 2700}, {"Copper ( Cu )", 8940},
    {"Bronze", 8800},          {"Brass", 8500},            {"Silver ( Ag )", 10500},
    {"Gold ( Au )", 19320},    {"Lead ( Pb )", 11340},     {"Magnesium ( Mg )", 1740},
    {"Tin ( Sn )", 7300},      {"Zinc ( Zn )", 7133},      {"Mercury ( Hg )", 13546},
    {"Concrete", 2500},        {"Brick", 1800},            {"Ice", 900},
    {"Glass", 2500},           {"Benzine", 730},           {"Water", 1000},
    {"Oil", 920},              {"Spirit", 790},            {"Other", std::nullopt},
}};

} // namespace calc
