#include "catalogue/Text.h"

#include <cstdint>
#include <cstring>

namespace catalogue {
namespace {

// The length of the UTF-8 character at s[i], or 0 where the bytes are none;
// cp is its code point.
std::size_t CharacterAt(std::string_view s, std::size_t i, unsigned long& cp) {
    const auto c = static_cast<unsigned char>(s[i]);
    cp = c;
    if (c < 0x80) return 1;
    std::size_t more;
    if (c >= 0xC2 && c <= 0xDF)
        more = 1, cp = c & 0x1F;
    else if (c >= 0xE0 && c <= 0xEF)
        more = 2, cp = c & 0x0F;
    else if (c >= 0xF0 && c <= 0xF4)
        more = 3, cp = c & 0x07;
    else
        return 0;
    if (i + more >= s.size()) return 0;
    for (std::size_t k = 1; k <= more; ++k) {
        const auto d = static_cast<unsigned char>(s[i + k]);
        if ((d & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (d & 0x3F);
    }
    // No overlong forms, no surrogates, nothing past U+10FFFF.
    if ((more == 2 && cp < 0x800) || (more == 3 && cp < 0x10000) || cp > 0x10FFFF ||
        (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return more + 1;
}

void AppendUtf8(std::string& out, unsigned long cp) {
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | cp >> 6);
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | cp >> 12);
        out += char(0x80 | (cp >> 6 & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | cp >> 18);
        out += char(0x80 | (cp >> 12 & 0x3F));
        out += char(0x80 | (cp >> 6 & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

// A byte as "\x1b" (two digits) or a character as "\u202e" (four).
void AppendHex(std::string& out, std::string_view prefix, unsigned long value, int digitCount) {
    constexpr char digits[] = "0123456789abcdef";
    out += prefix;
    for (int shift = 4 * (digitCount - 1); shift >= 0; shift -= 4)
        out += digits[value >> shift & 0xF];
}

// Characters that are text, yet reorder or break what is printed around
// them: a file named "invoice\u202Efdp.csv" shows as "invoicecsv.pdf", and a
// line separator splits a FILE:LINE: message in two.
bool Unprintable(unsigned long cp) {
    return cp == 0x061C || cp == 0x200E || cp == 0x200F || (cp >= 0x2028 && cp <= 0x202E) ||
           (cp >= 0x2066 && cp <= 0x2069);
}

// Whether a text cell would start a formula in a spreadsheet, after any "'"
// the escape put there.
bool NeedsFormulaEscape(std::string_view text) {
    const std::size_t first = text.find_first_not_of('\'');
    return first != std::string_view::npos &&
           std::string_view("=+-@\t\r").find(text[first]) != std::string_view::npos;
}

} // namespace

bool IsUtf8(std::string_view s) {
    std::size_t i = 0;
    // Most text is ASCII: eight bytes at a time while no high bit is set.
    for (std::uint64_t word; i + 8 <= s.size(); i += 8) {
        std::memcpy(&word, s.data() + i, 8);
        if (word & 0x8080808080808080u) break;
    }
    unsigned long cp;
    while (i < s.size()) {
        const std::size_t n = CharacterAt(s, i, cp);
        if (n == 0) return false;
        i += n;
    }
    return true;
}

std::optional<std::string> Utf8FromUtf16(std::string_view text) {
    const bool big = text.starts_with("\xFE\xFF");
    if (!big && !text.starts_with("\xFF\xFE")) return std::nullopt;
    const auto unit = [&](std::size_t i) -> unsigned long {
        const auto hi = static_cast<unsigned char>(text[big ? i : i + 1]);
        const auto lo = static_cast<unsigned char>(text[big ? i + 1 : i]);
        return static_cast<unsigned long>(hi) << 8 | lo;
    };
    std::string out;
    out.reserve(text.size() / 2 * 3 / 2);
    std::size_t i = 2;
    for (; i + 2 <= text.size(); i += 2) {
        const unsigned long u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 4 <= text.size()) {
            const unsigned long low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                AppendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        if (u >= 0xD800 && u <= 0xDFFF)
            out += '\xFF';
        else
            AppendUtf8(out, u);
    }
    if (i < text.size()) out += '\xFF';
    return out;
}

std::string Printable(std::string_view text, std::size_t most) {
    std::string out;
    std::size_t characters = 0, i = 0;
    for (; i < text.size() && characters < most; ++characters) {
        const auto c = static_cast<unsigned char>(text[i]);
        unsigned long cp;
        const std::size_t n = CharacterAt(text, i, cp);
        const bool c1 = n == 2 && c == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0;
        if (n > 1 && Unprintable(cp)) {
            AppendHex(out, "\\u", cp, 4);
            i += n;
        } else if (n == 0 || c < 0x20 || c == 0x7F || c1) {
            for (std::size_t k = 0; k < (n ? n : 1); ++k)
                AppendHex(out, "\\x", static_cast<unsigned char>(text[i + k]), 2);
            i += n ? n : 1;
        } else {
            out.append(text, i, n);
            i += n;
        }
    }
    if (i < text.size()) out += "…";
    return out;
}

std::string Quoted(std::string_view text) {
    // Appended, not "\"" + ..., which GCC 12 at -O3 takes for an overlapping copy.
    std::string quoted(1, '"');
    quoted.append(Printable(text)).append(1, '"');
    return quoted;
}

std::string FormulaEscaped(std::string_view text) {
    // Appended rather than "'" + text, which GCC 12 at -O3 mistakes for an
    // overlapping copy.
    std::string out;
    if (NeedsFormulaEscape(text)) out += '\'';
    out += text;
    return out;
}

std::string_view FormulaUnescaped(std::string_view cell) {
    return cell.starts_with('\'') && NeedsFormulaEscape(cell) ? cell.substr(1) : cell;
}

} // namespace catalogue
