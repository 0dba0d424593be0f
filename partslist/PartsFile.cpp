#include "partslist/PartsFile.h"

#include "partslist/Cells.h"
#include "catalogue/Csv.h"
#include "catalogue/Text.h"

#include <algorithm>
#include <utility>

namespace partslist {
namespace csv = catalogue::csv;
namespace {

using cells::Fault;

// A first line "sep=;" (or "sep=,"), as spreadsheets write it, names the
// separator: its length with its line break, or 0.
std::size_t SeparatorLineOf(std::string_view text) {
    const std::size_t bom = text.starts_with("\xEF\xBB\xBF") ? 3 : 0;
    const std::string_view line = text.substr(bom, text.find_first_of("\r\n", bom) - bom);
    if (line != "sep=;" && line != "sep=," && line != "sep=\t") return 0;
    std::size_t end = bom + line.size();
    if (text.substr(end).starts_with("\r\n"))
        end += 2;
    else if (end < text.size())
        ++end;
    return end;
}

// A header with semicolons and no comma is a semicolon file, as spreadsheets
// write where the comma is the decimal mark. The header is the first line
// with more than separators on it.
char SeparatorOf(std::string_view text) {
    const bool named = SeparatorLineOf(text) > 0;
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    if (named) return text[4]; // "sep=;"
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t end = std::min(text.find_first_of("\r\n", at), text.size());
        const std::string_view line = text.substr(at, end - at);
        if (line.find_first_not_of(",;") != std::string_view::npos)
            return line.find(';') != std::string_view::npos &&
                           line.find(',') == std::string_view::npos
                       ? ';'
                       : ',';
        at = end + 1;
    }
    return ',';
}

// Where a line the replay refused goes wrong, once every cell read well: its
// dimensions alone (the part added by itself at density 0), with its
// density, or only the totals it adds to.
Fault ReplayFault(const Line& line, std::optional<std::int32_t> density, const std::string& what) {
    const auto replays = [&](std::int32_t at) {
        try {
            Replayer(at).Add(line);
            return true;
        } catch (const calc::Error&) {
            return false;
        }
    };
    std::string columns;
    int named = 0;
    for (int row = 0; row < 3; ++row)
        if (line.Rows[std::size_t(row)].Unit) {
            columns += (named++ ? ", \"" : "\"") +
                       std::string(cells::ColumnNames[std::size_t(cells::AColumn + 2 * row)]) +
                       "\"";
        }
    if (named && !replays(0)) return {(named > 1 ? "columns " : "column ") + columns, what};
    if (!replays(density.value_or(line.Density)))
        return {named ? "columns " + columns + ", \"density\""
                      : cells::ColumnName(cells::DensityColumn),
                what};
    return {"the totals with this line", what};
}

// About as many lines as the text has, to make room for them once: its line
// feeds, or its carriage returns where it has none (an old Mac's lines).
std::size_t RowsOf(std::string_view text) {
    const auto count = [&](char end) {
        std::size_t rows = 0;
        for (std::size_t at = text.find(end); at != std::string_view::npos;
             at = text.find(end, at + 1))
            ++rows;
        return rows;
    };
    const std::size_t feeds = count('\n');
    return feeds ? feeds : count('\r');
}

constexpr std::size_t ProgressEvery = 4096;

class Reader {
public:
    // Given about how many lines the text has, to make room for them once.
    Reader(std::string_view fileName, std::optional<std::int32_t> density,
           std::function<void(const Line&)> onLine, const Progress& progress, std::size_t lines)
        : fileName_(fileName), density_(density), replayer_(density), onLine_(std::move(onLine)),
          progress_(progress), lines_(lines) {
        replayer_.Reserve(lines);
    }

    void Take(const csv::Record& record) {
        lineNumber_ = record.Line + skipped;
        if (progress_ && ++records_ % ProgressEvery == 0 && !progress_(record.Line, lines_))
            throw Cancelled();
        try {
            if (!layout_) return ReadHeader(record.Fields);
            if (!lines_reader_->Read(record.Fields, line_)) return;
        } catch (const Fault& fault) {
            Fail(fault);
        }
        // Replayed at once, so that the first fault of the file is the one told.
        try {
            replayer_.Add(line_);
        } catch (const calc::Error& e) {
            Fail(ReplayFault(line_, density_, e.Message()));
        }
        onLine_(line_);
    }

    [[noreturn]] void FailOnLine(std::size_t line, std::string_view what) const {
        throw calc::Error(std::string(fileName_) + ":" + std::to_string(line) + ": " +
                          std::string(what));
    }
    [[noreturn]] void Fail(const Fault& fault) const {
        FailOnLine(lineNumber_, fault.Where.empty() ? fault.What : fault.Where + ": " + fault.What);
    }

    // The name of field `index` of a record, for a quoting error.
    std::string FieldName(std::size_t index) const {
        if (!layout_) return "field " + std::to_string(index + 1) + " of the header";
        return cells::FieldName(*layout_, index);
    }

    OpenedList Finish() && {
        if (!layout_)
            FailOnLine(1, "the file is empty: it needs a header row, such as "
                          "kind,type,size,a,a_unit,b,b_unit,c,c_unit,quantity,density");
        if (progress_ && !progress_(lines_, lines_)) throw Cancelled();
        OpenedList out;
        out.PricePerKg = lines_reader_->Price();
        out.IgnoredColumns = std::move(layout_->Ignored);
        out.Format.Separator = separator;
        out.Format.Decimal = reading.Decimal;
        out.Format.SeparatorLine = skipped > 0;
        // Columns of the file's own: written back in their places.
        if (!layout_->KeptAt.empty()) out.Format.Header = std::move(layout_->Header);
        out.Totals = std::move(replayer_).Finish();
        return out;
    }

    cells::Reading reading;
    char separator = ',';
    std::size_t skipped = 0; // lines before the text split: a "sep=" line

private:
    // Lines of only separators come before the header, whichever separator
    // they have: they did not decide it (SeparatorOf).
    void ReadHeader(std::span<const std::string_view> fields) {
        if (std::ranges::all_of(fields, [](std::string_view field) {
                return field.find_first_not_of(",;") == std::string_view::npos;
            }))
            return;
        layout_ = cells::HeaderLayout(fields, reading);
        lines_reader_.emplace(*layout_, reading);
    }

    std::string_view fileName_;
    std::optional<std::int32_t> density_;
    Replayer replayer_;
    std::function<void(const Line&)> onLine_;
    const Progress& progress_;
    std::optional<cells::Layout> layout_;
    std::optional<cells::LineReader> lines_reader_;
    Line line_; // one for all, so that its texts keep their memory
    std::size_t lineNumber_ = 1;
    std::size_t records_ = 0;
    std::size_t lines_ = 0;
};

} // namespace

OpenedList ReadPartsList(std::string_view text, std::string_view fileName,
                         std::optional<std::int32_t> density,
                         const std::function<void(const Line&)>& onLine, const Progress& progress) {
    const std::optional<std::string> converted = catalogue::Utf8FromUtf16(text);
    if (converted) text = *converted;
    const std::size_t rows = RowsOf(text);
    std::vector<Line> lines;
    if (!onLine) lines.reserve(rows);
    Reader reader(
        fileName, density, onLine ? onLine : [&](const Line& line) { lines.push_back(line); },
        progress, rows + (text.ends_with('\n') || text.ends_with('\r') ? 0 : 1));
    const char separator = SeparatorOf(text);
    reader.reading = {separator == ';' ? ',' : '.', catalogue::IsUtf8(text),
                      converted ? "UTF-16" : "UTF-8"};
    reader.separator = separator;
    if (const std::size_t line = SeparatorLineOf(text)) {
        text.remove_prefix(line);
        reader.skipped = 1;
    }
    try {
        csv::Split(
            text, [&](const csv::Record& record) { reader.Take(record); }, separator);
    } catch (const csv::SyntaxError& e) {
        reader.FailOnLine(e.Line + reader.skipped, reader.FieldName(e.Field) + ": " + e.What);
    }
    OpenedList out = std::move(reader).Finish();
    out.Lines = std::move(lines);
    // One price for every line is the list's, which the lines follow.
    if (out.PricePerKg) {
        for (Line& line : out.Lines)
            line.PricePerKg.reset();
        for (LineResult& result : out.Totals.Lines)
            result.PricePerKg.reset();
    }
    return out;
}

} // namespace partslist
