#include "catalogue/Csv.h"

#include <csv.h>

#include <algorithm>
#include <exception>
#include <memory>
#include <vector>

namespace catalogue::csv {
namespace {

// The records libcsv reports, with the lines they start on. libcsv reports
// every line break (CSV_REPALL_NL), so a blank line is a record of no fields
// and CR LF is two breaks of which the second is empty; a line break inside
// a quoted field stays in the field, where it is counted.
struct Splitter {
    explicit Splitter(const std::function<void(const Record&)>& onRecord) : onRecord(onRecord) {}

    const std::function<void(const Record&)>& onRecord;
    // The record's fields copied one after another (libcsv reuses its
    // buffer), where each ends, and the fields as views of them.
    std::string bytes;
    std::vector<std::size_t> fieldEnds;
    std::vector<std::string_view> fields;
    std::size_t line = 1;       // the line the next character is on
    std::size_t recordLine = 1; // the line the record being read started on
    bool afterCR = false;       // the last thing reported was a CR ending a record
    // What onRecord threw. No exception may cross libcsv, which is C: the
    // rest of the text is skipped and the exception thrown once it returns.
    std::exception_ptr failure;

    static void Field(void* data, std::size_t size, void* self) {
        auto& s = *static_cast<Splitter*>(self);
        if (s.failure) return;
        s.bytes.append(static_cast<const char*>(data), size);
        s.fieldEnds.push_back(s.bytes.size());
        s.afterCR = false;
    }

    static void End(int terminator, void* self) {
        auto& s = *static_cast<Splitter*>(self);
        if (s.failure) return;
        const bool secondHalfOfCRLF = terminator == '\n' && s.afterCR && s.fieldEnds.empty();
        s.afterCR = terminator == '\r';
        if (secondHalfOfCRLF) return;
        if (!s.fieldEnds.empty()) {
            s.fields.clear();
            std::size_t start = 0;
            for (const std::size_t end : s.fieldEnds) {
                s.fields.push_back(std::string_view(s.bytes).substr(start, end - start));
                start = end;
            }
            // Only a quoted field holds line breaks: most records have none to count.
            if (s.bytes.find('\n') != std::string::npos || s.bytes.find('\r') != std::string::npos)
                for (const std::string_view field : s.fields)
                    for (std::size_t i = 0; i < field.size(); ++i)
                        if (field[i] == '\r' ||
                            (field[i] == '\n' && (i == 0 || field[i - 1] != '\r')))
                            ++s.line;
            try {
                s.onRecord(Record{s.recordLine, s.fields});
            } catch (...) {
                s.failure = std::current_exception();
            }
            s.bytes.clear();
            s.fieldEnds.clear();
        }
        if (terminator != -1) ++s.line;
        s.recordLine = s.line;
    }
};

int NoBlanks(unsigned char) {
    return 0;
}

} // namespace

void Split(std::string_view text, const std::function<void(const Record&)>& onRecord,
           char separator) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    csv_parser parser;
    const unsigned char strict = separator == '\t' ? 0 : CSV_STRICT;
    if (csv_init(&parser, strict | CSV_STRICT_FINI | CSV_REPALL_NL) != 0)
        throw SyntaxError{1, 0, "out of memory"};
    const std::unique_ptr<csv_parser, void (*)(csv_parser*)> owner(&parser, csv_free);
    csv_set_space_func(&parser, NoBlanks);
    csv_set_delim(&parser, static_cast<unsigned char>(separator));
    Splitter s(onRecord);
    // What libcsv found wrong, said as `what` where it is the quoting, in the
    // field after those of the record read so far.
    const auto fail = [&](const char* what) {
        const int error = csv_error(&parser);
        throw SyntaxError{s.recordLine, s.fieldEnds.size(),
                          error == CSV_EPARSE ? what : csv_strerror(error)};
    };
    // A record's fault is only found once libcsv is past every record before
    // it, so what onRecord refused comes first. In pieces, so that a fault
    // (or a cancel) early in a long text leaves the rest unread.
    constexpr std::size_t piece = 1 << 16;
    bool parsed = true;
    for (std::size_t at = 0; at < text.size() && parsed && !s.failure; at += piece) {
        const std::size_t size = std::min(piece, text.size() - at);
        parsed =
            csv_parse(&parser, text.data() + at, size, Splitter::Field, Splitter::End, &s) == size;
    }
    if (s.failure) std::rethrow_exception(s.failure);
    if (!parsed)
        fail("a quote inside a field that does not start with one, or a closing quote followed "
             "by more than a separator or a line break");
    const bool finished = csv_fini(&parser, Splitter::Field, Splitter::End, &s) == 0;
    if (s.failure) std::rethrow_exception(s.failure);
    if (!finished) fail("a quoted field is not closed");
}

void AppendField(std::string& out, std::string_view field, char separator) {
    const char special[] = {separator, '"', '\r', '\n', '\0'};
    if (field.find_first_of(special) == std::string_view::npos) {
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

} // namespace catalogue::csv
