#pragma once
// Texts from a file or a clipboard: their encoding, how a message quotes
// them, and the escape that keeps a spreadsheet from running a cell as a
// formula.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace catalogue {

// Whether the bytes are UTF-8 (no overlong forms, no surrogates).
bool IsUtf8(std::string_view text);

// A text that starts with a UTF-16 byte-order mark (little or big endian) as
// UTF-8, without the mark; nothing for any other text. A unit that is no
// character (a lone surrogate, an odd last byte) becomes the byte 0xFF,
// which no UTF-8 has, so the reader refuses it on its line and in its column.
std::optional<std::string> Utf8FromUtf16(std::string_view text);

// A text quoted from a file, or a file's name, safe to print on a terminal
// or in a message box: control bytes, C1 controls and bytes that are no
// UTF-8 as "\x1b"; the characters that turn the direction of the text
// around it (U+202A to U+202E, U+2066 to U+2069, the marks U+200E, U+200F,
// U+061C) and the line and paragraph separators as "\u202e". A cell is cut
// after `most` characters with "…"; a file's name is given whole.
inline constexpr std::size_t QuotedCharacters = 40;
inline constexpr std::size_t Whole = std::string_view::npos;
std::string Printable(std::string_view text, std::size_t most = QuotedCharacters);

// A text quoted in a message: in double quotes, made printable.
std::string Quoted(std::string_view text);

// The cell as written, with one leading "'" where a spreadsheet would take
// it for a formula: where it begins with "=", "+", "-", "@", a tab or a
// carriage return, after any "'" the escape put there; and the cell as read,
// with that "'" taken off again.
std::string FormulaEscaped(std::string_view text);
std::string_view FormulaUnescaped(std::string_view cell);

} // namespace catalogue
