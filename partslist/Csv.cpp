#include "partslist/Csv.h"

#include <csv.h>

#include <condition_variable>
#include <deque>
#include <exception>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace partslist::csv {
namespace {

// The fields of a line without quotes, into `views`; how many.
std::size_t SplitAtCommas(std::string_view line, std::vector<std::string_view>& views) {
    std::size_t count = 0;
    for (std::size_t start = 0, at = 0;; ++at) {
        if (at == line.size() || line[at] == ',') {
            if (count == views.size()) views.emplace_back();
            views[count++] = line.substr(start, at - start);
            if (at == line.size()) return count;
            start = at + 1;
        }
    }
}

// Counts the lines of the text as the records go by. libcsv reports every
// line break (CSV_REPALL_NL), so a blank line is a record of no fields and
// CR LF is two breaks of which the second is empty.
struct Splitter {
    Splitter(const std::function<void(const Record&)>& onRecord, bool splitPlain)
        : onRecord(onRecord), splitPlain(splitPlain) {}

    const std::function<void(const Record&)>& onRecord;
    // Whether a line without quotes is split at its commas here, or handed on
    // whole as the one field of a record in the text, for the reader to split.
    bool splitPlain;
    // What libcsv hands over, copied one after another (its buffer is
    // reused), and where each field ends.
    std::string bytes;
    std::vector<std::size_t> fieldEnds;
    std::vector<std::string_view> views; // the record's fields
    std::size_t count = 0;               // fields of the record so far
    std::size_t line = 1;                // the line the next character is on
    std::size_t recordLine = 1;          // the line the record started on
    std::size_t ends = 0;                // line breaks and ends of text seen
    bool afterCR = false;
    // What onRecord threw. No exception may cross libcsv, which is C: the
    // rest of the text is skipped and the exception thrown once it returns.
    std::exception_ptr failure;

    static void Field(void* data, std::size_t size, void* self) {
        auto& s = *static_cast<Splitter*>(self);
        if (s.failure) return;
        if (data) s.bytes.append(static_cast<const char*>(data), size);
        if (s.count == s.fieldEnds.size()) s.fieldEnds.emplace_back();
        s.fieldEnds[s.count++] = s.bytes.size();
        s.afterCR = false;
    }

    static void End(int terminator, void* self) {
        auto& s = *static_cast<Splitter*>(self);
        if (s.failure) return;
        if (s.views.size() < s.count) s.views.resize(s.count);
        for (std::size_t i = 0, start = 0; i < s.count; start = s.fieldEnds[i++])
            s.views[i] = std::string_view(s.bytes).substr(start, s.fieldEnds[i] - start);
        s.EndRecord(terminator);
        s.bytes.clear();
    }

    // The record's fields are in `views`, in the text or in `fields`.
    void EndRecord(int terminator, bool inText = false) {
        ++ends;
        const bool secondHalfOfCRLF = terminator == '\n' && afterCR && count == 0;
        afterCR = terminator == '\r';
        if (secondHalfOfCRLF) return;
        if (count > 0) {
            try {
                onRecord(Record{recordLine, std::span(views.data(), count), inText});
            } catch (...) {
                failure = std::current_exception();
            }
            count = 0;
        }
        if (terminator != -1) ++line;
    }

    // A line without quotes, split in place at its commas (or not), and what
    // ended it: its line break, or -1 at the end of the text.
    void Plain(std::string_view text, int terminator) {
        recordLine = line;
        count = 0;
        if (!text.empty()) { // a blank line is no record
            afterCR = false;
            if (splitPlain) {
                count = SplitAtCommas(text, views);
            } else {
                if (views.empty()) views.emplace_back();
                views[0] = text;
                count = 1;
            }
        }
        EndRecord(terminator, true);
    }

    // A fault is in the record libcsv is reading.
    std::size_t ErrorLine() const { return recordLine; }
};

// Where the line that starts at `at` ends: its first CR or LF, or the end of
// the text.
std::size_t LineEnd(std::string_view text, std::size_t at) {
    std::size_t end = text.find('\n', at);
    if (end == std::string_view::npos) end = text.size();
    const std::size_t cr = text.substr(0, end).find('\r', at);
    return cr == std::string_view::npos ? end : cr;
}

int NoBlanks(unsigned char) {
    return 0;
}

void SplitText(std::string_view text, const std::function<void(const Record&)>& onRecord,
               bool splitPlain) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    csv_parser parser;
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI | CSV_REPALL_NL) != 0)
        throw SyntaxError{1, 0, "out of memory"};
    const std::unique_ptr<csv_parser, void (*)(csv_parser*)> owner(&parser, csv_free);
    csv_set_space_func(&parser, NoBlanks);
    Splitter s(onRecord, splitPlain);
    const auto fail = [&] {
        if (csv_error(&parser) == CSV_EPARSE)
            throw SyntaxError{s.ErrorLine(), s.count,
                              "a quote inside a field that does not start with one, or a "
                              "closing quote followed by more than a comma or a line break"};
        throw SyntaxError{s.ErrorLine(), s.count, csv_strerror(csv_error(&parser))};
    };
    std::size_t at = 0;
    bool inRecord = false; // libcsv holds part of a record
    while (at < text.size() && !s.failure) {
        const std::size_t end = LineEnd(text, at);
        const std::string_view line = text.substr(at, end - at);
        if (!inRecord && line.find('"') == std::string_view::npos) {
            s.Plain(line, end == text.size() ? -1 : text[end]);
            at = end + 1;
            continue;
        }
        // libcsv takes the line with its line break, and the lines after it
        // while a quoted field goes on.
        if (!inRecord) s.recordLine = s.line;
        const std::size_t endsBefore = s.ends;
        const std::string_view part = text.substr(at, end + 1 - at);
        if (csv_parse(&parser, part.data(), part.size(), Splitter::Field, Splitter::End, &s) !=
            part.size()) {
            if (s.failure) break; // the caller's refusal came first
            fail();
        }
        inRecord = s.ends == endsBefore;
        // A line break inside a quoted field (CR LF counts once).
        if (inRecord && end < text.size() &&
            !(text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n'))
            ++s.line;
        at = end + 1;
    }
    if (!s.failure && csv_fini(&parser, Splitter::Field, Splitter::End, &s) != 0) {
        if (csv_error(&parser) == CSV_EPARSE)
            throw SyntaxError{s.ErrorLine(), s.count, "a quoted field is not closed"};
        fail();
    }
    if (s.failure) std::rethrow_exception(s.failure);
}

// Records handed over a thousand at a time. A field is a view of the text
// where it can be: only what libcsv unquoted is copied. A line without
// quotes comes whole, as one field counted 0, for the reader to split: the
// splitting thread has the harder part already.
struct Batch {
    // A record's copied fields: the first, where they start in copies, how many.
    struct Copied {
        std::size_t Field, At, Count;
    };

    std::vector<std::string_view> fields;
    std::vector<std::size_t> lines;  // each record's line
    std::vector<std::size_t> counts; // each record's number of fields
    std::string copies;              // the fields that are not in the text
    std::vector<Copied> copied;

    void Add(const Record& record) {
        lines.push_back(record.Line);
        if (record.InText) {
            counts.push_back(0);
            fields.push_back(record.Fields[0]);
            return;
        }
        // Copies, one after another: copied at once, placed once the copies
        // stop moving.
        counts.push_back(record.Fields.size());
        const char* const first = record.Fields.front().data();
        const std::string_view last = record.Fields.back();
        copied.push_back({fields.size(), copies.size(), record.Fields.size()});
        copies.append(first, std::size_t(last.data() + last.size() - first));
        for (const std::string_view field : record.Fields)
            fields.emplace_back(nullptr, field.size());
    }

    void PlaceCopies() {
        for (const Copied& c : copied)
            for (std::size_t f = c.Field, at = c.At; f < c.Field + c.Count;
                 at += fields[f++].size())
                fields[f] = std::string_view(copies).substr(at, fields[f].size());
    }

    void Clear() {
        fields.clear();
        lines.clear();
        counts.clear();
        copies.clear();
        copied.clear();
    }
};

constexpr std::size_t BatchRecords = 1024;
constexpr std::size_t Batches = 4; // in all, full, empty or in hand

// Batches on their way from the splitting thread to the reading one, and
// back empty.
class Handover {
public:
    Handover() { empty_.reserve(Batches); }

    // An empty batch to fill; none once the reader has stopped.
    std::unique_ptr<Batch> Empty() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return stopped_ || !empty_.empty() || made_ < Batches; });
        if (stopped_) return nullptr;
        if (empty_.empty()) {
            ++made_;
            return std::make_unique<Batch>();
        }
        std::unique_ptr<Batch> batch = std::move(empty_.back());
        empty_.pop_back();
        return batch;
    }

    void Full(std::unique_ptr<Batch> batch) {
        const std::lock_guard lock(mutex_);
        full_.push_back(std::move(batch));
        changed_.notify_all();
    }

    // The splitting is over, for this reason if any.
    void Finish(std::exception_ptr failure) noexcept {
        const std::lock_guard lock(mutex_);
        finished_ = true;
        failure_ = failure;
        changed_.notify_all();
    }

    // The next full batch; none once the splitting is over and all are taken.
    std::unique_ptr<Batch> Next() {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return finished_ || !full_.empty(); });
        if (full_.empty()) return nullptr;
        std::unique_ptr<Batch> batch = std::move(full_.front());
        full_.pop_front();
        return batch;
    }

    void GiveBack(std::unique_ptr<Batch> batch) {
        batch->Clear();
        const std::lock_guard lock(mutex_);
        empty_.push_back(std::move(batch)); // no more than were made: room reserved
        changed_.notify_all();
    }

    void Stop() noexcept {
        const std::lock_guard lock(mutex_);
        stopped_ = true;
        changed_.notify_all();
    }

    std::exception_ptr Failure() {
        const std::lock_guard lock(mutex_);
        return failure_;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::unique_ptr<Batch>> full_;
    std::vector<std::unique_ptr<Batch>> empty_;
    std::size_t made_ = 0;
    bool stopped_ = false, finished_ = false;
    std::exception_ptr failure_;
};

// What ends the splitting once the reader has stopped.
struct Stopped {};

void SplitInto(std::string_view text, Handover& handover) noexcept {
    std::exception_ptr failure;
    std::unique_ptr<Batch> batch;
    try {
        batch = handover.Empty();
        if (!batch) throw Stopped{};
        SplitText(
            text,
            [&](const Record& record) {
                batch->Add(record);
                if (batch->lines.size() < BatchRecords) return;
                batch->PlaceCopies();
                handover.Full(std::move(batch));
                batch = handover.Empty();
                if (!batch) throw Stopped{};
            },
            false);
        batch->PlaceCopies();
        handover.Full(std::move(batch));
    } catch (const Stopped&) {
    } catch (...) {
        failure = std::current_exception();
        try {
            if (batch) { // the records before the fault first
                batch->PlaceCopies();
                handover.Full(std::move(batch));
            }
        } catch (...) {
            failure = std::current_exception();
        }
    }
    handover.Finish(failure);
}

} // namespace

void Split(std::string_view text, const std::function<void(const Record&)>& onRecord) {
    SplitText(text, onRecord, true);
}

void SplitInBackground(std::string_view text, const std::function<void(const Record&)>& onRecord) {
    Handover handover;
    std::thread splitter;
    try {
        splitter = std::thread(SplitInto, text, std::ref(handover));
    } catch (const std::system_error&) {
        return Split(text, onRecord);
    }
    try {
        std::vector<std::string_view> views;
        while (std::unique_ptr<Batch> batch = handover.Next()) {
            const std::string_view* fields = batch->fields.data();
            for (std::size_t r = 0; r < batch->lines.size(); ++r) {
                if (const std::size_t count = batch->counts[r]) {
                    onRecord(Record{batch->lines[r], std::span(fields, count)});
                    fields += count;
                } else {
                    const std::size_t split = SplitAtCommas(*fields++, views);
                    onRecord(Record{batch->lines[r], std::span(views.data(), split), true});
                }
            }
            handover.GiveBack(std::move(batch));
        }
    } catch (...) {
        handover.Stop();
        splitter.join();
        throw;
    }
    splitter.join();
    if (const std::exception_ptr failure = handover.Failure()) std::rethrow_exception(failure);
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
