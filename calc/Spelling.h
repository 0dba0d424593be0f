#pragma once
// How a typed word is compared with a name, where people type names
// (kubatrix-calc's command line, a parts-list file written by hand): any case,
// and a blank, hyphen or underscore may stand for another or be left out
// ("I-Beam", "i beam" and "ibeam" are one word). The window's own boxes
// compare their texts exactly.
#include <string>
#include <string_view>

namespace calc {

// Lower case without blanks, hyphens and underscores.
std::string Folded(std::string_view word);

// Whether a typed word spells a name, as Folded compares them.
bool SameWord(std::string_view typed, std::string_view name);

// A typed cell or entry without the blanks and tabs around it.
inline std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

} // namespace calc
