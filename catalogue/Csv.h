#pragma once
// CSV as RFC 4180 has it, split by libcsv: fields separated by commas (or
// semicolons, or tabs), a field with a separator, quote or line break in
// double quotes, a quote inside doubled. Blanks belong to the field (a
// dimension "1.5 " is not "1.5").
#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace catalogue::csv {

// One record and the line of the text it starts on (from 1). The fields are
// valid while the record is handled.
struct Record {
    std::size_t Line;
    std::span<const std::string_view> Fields;
};

// Malformed quoting: the line of the record, and the field (from 0) where
// the text stops making sense.
struct SyntaxError {
    std::size_t Line;
    std::size_t Field;
    std::string What;
};

// Calls onRecord for each record in order; blank lines are no records, and a
// byte-order mark at the start is skipped. A line break inside a quoted field
// counts as a line (CR LF as one). Throws SyntaxError, or what onRecord
// threw, at the first fault: nothing after it is handed on, nor split.
// Tab-separated text, as spreadsheets copy it, quotes only a cell with a
// tab or line break, so there a quote inside an unquoted field is kept as
// it stands.
void Split(std::string_view text, const std::function<void(const Record&)>& onRecord,
           char separator = ',');

// Appends a field, quoted where RFC 4180 needs it.
void AppendField(std::string& out, std::string_view field, char separator = ',');

} // namespace catalogue::csv
