#pragma once
// Texts from a file or a clipboard: their encoding, how a message quotes
// them, and the escape that keeps a spreadsheet from running a cell as a
// formula.
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

// A text quoted from a file, safe to print: control bytes, C1 controls and
// bytes that are no UTF-8 as "\x1b", and cut after 40 characters with "…".
std::string Printable(std::string_view text);

// Whether a text cell would start a formula in a spreadsheet: it begins
// with "=", "+", "-", "@", a tab or a carriage return, after any "'" the
// escape put there.
bool NeedsFormulaEscape(std::string_view text);

// The cell as written, with one leading "'" where NeedsFormulaEscape says;
// and the cell as read, with that "'" taken off again.
std::string FormulaEscaped(std::string_view text);
std::string_view FormulaUnescaped(std::string_view cell);

} // namespace catalogue
