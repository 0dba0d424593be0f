#include "partslist/Csv.h"

#include <csv.h>

#include <cstring>
#include <exception>
#include <memory>
#include <vector>

namespace partslist::csv {
namespace {

// Counts the lines of the text as the records go by. libcsv reports every
// line break (CSV_REPALL_NL), so a blank line is a record of no fields and
// CR LF is two breaks of which the second is empty.
struct Splitter {
    explicit Splitter(const std::function<void(const Record&)>& onRecord) : onRecord(onRecord) {}

    const std::function<void(const Record&)>& onRecord;
    std::vector<std::string> fields;
    std::size_t count = 0;      // fields of the record so far
    std::size_t line = 1;       // the line the next character is on
    std::size_t recordLine = 1; // the line the record started on
    bool afterCR = false;
    // What onRecord threw. No exception may cross libcsv, which is C: the
    // rest of the text is skipped and the exception thrown once it returns.
    std::exception_ptr failure;

    static void Field(void* data, std::size_t size, void* self) {
        auto& s = *static_cast<Splitter*>(self);
        if (s.failure) return;
        if (s.count == 0) s.recordLine = s.line;
        if (s.count == s.fields.size()) s.fields.emplace_back();
        const char* text = data ? static_cast<const char*>(data) : "";
        s.fields[s.count++].assign(text, size);
        // Line breaks inside a quoted field (CR LF counts once).
        if (std::memchr(text, '\n', size) || std::memchr(text, '\r', size))
            for (std::size_t i = 0; i < size; ++i)
                if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == size || text[i + 1] != '\n')))
                    ++s.line;
        s.afterCR = false;
    }

    static void End(int terminator, void* self) {
        auto& s = *static_cast<Splitter*>(self);
        if (s.failure) return;
        const bool secondHalfOfCRLF = terminator == '\n' && s.afterCR && s.count == 0;
        s.afterCR = terminator == '\r';
        if (secondHalfOfCRLF) return;
        if (s.count > 0) {
            try {
                s.onRecord(Record{s.recordLine, std::span(s.fields.data(), s.count)});
            } catch (...) {
                s.failure = std::current_exception();
            }
            s.count = 0;
        }
        if (terminator != -1) ++s.line;
    }

    std::size_t ErrorLine() const { return count > 0 ? recordLine : line; }
};

int NoBlanks(unsigned char) {
    return 0;
}

} // namespace

void Split(std::string_view text, const std::function<void(const Record&)>& onRecord) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    csv_parser parser;
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI | CSV_REPALL_NL) != 0)
        throw SyntaxError{1, 0, "out of memory"};
    const std::unique_ptr<csv_parser, void (*)(csv_parser*)> owner(&parser, csv_free);
    csv_set_space_func(&parser, NoBlanks);
    Splitter s(onRecord);
    // In pieces, so that a record the caller refused ends the work soon.
    constexpr std::size_t piece = 1 << 16;
    for (std::size_t at = 0; at < text.size() && !s.failure; at += piece) {
        const std::string_view part = text.substr(at, piece);
        if (csv_parse(&parser, part.data(), part.size(), Splitter::Field, Splitter::End, &s) ==
            part.size())
            continue;
        if (s.failure) break; // the caller's refusal came first
        if (csv_error(&parser) == CSV_EPARSE)
            throw SyntaxError{s.ErrorLine(), s.count,
                              "a quote inside a field that does not start with one, or a "
                              "closing quote followed by more than a comma or a line break"};
        throw SyntaxError{s.ErrorLine(), s.count, csv_strerror(csv_error(&parser))};
    }
    if (!s.failure && csv_fini(&parser, Splitter::Field, Splitter::End, &s) != 0)
        throw SyntaxError{s.ErrorLine(), s.count, "a quoted field is not closed"};
    if (s.failure) std::rethrow_exception(s.failure);
}

void AppendField(std::string& out, std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += field;
        return;
    }
    out += '"';
    for (char c : field) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

} // namespace partslist::csv
