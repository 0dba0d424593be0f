// Rows pasted from a spreadsheet, read cell by cell as a file's lines are.
#include "calc/Error.h"
#include "partslist/Cells.h"
#include "catalogue/Csv.h"
#include "partslist/PartsFile.h"
#include "catalogue/Text.h"

#include <algorithm>

namespace partslist {
namespace csv = catalogue::csv;

std::vector<Line> ReadPastedRows(std::string_view text, char decimal, bool volumeMarker,
                                 std::vector<std::string>* ignored) {
    std::vector<Line> lines;
    std::optional<cells::Layout> layout;
    std::optional<cells::LineReader> reader;
    const cells::Reading reading{decimal, catalogue::IsUtf8(text), "UTF-8", "row"};
    std::size_t firstLine = 0; // the line of row 1
    std::string where;         // the row being read, for a fault
    const auto take = [&](const csv::Record& record) {
        if (!layout) {
            if (std::ranges::all_of(record.Fields, &std::string_view::empty)) return;
            if (cells::IsHeader(record.Fields)) {
                where = "the header row";
                layout = cells::HeaderLayout(record.Fields, reading);
                if (ignored) *ignored = layout->Ignored;
                layout->KeptAt.clear(); // a list's own columns are the window's
                firstLine = record.Line + 1;
                reader.emplace(*layout, reading, volumeMarker);
                return;
            }
            layout = cells::FileOrder();
            firstLine = record.Line;
            reader.emplace(*layout, reading, volumeMarker);
        }
        where = "row " + std::to_string(record.Line - firstLine + 1);
        Line line;
        if (reader->Read(record.Fields, line)) lines.push_back(std::move(line));
    };
    const auto fail = [&](const std::string& column, const std::string& what) {
        throw calc::Error(where + (column.empty() ? ": " : ", " + column + ": ") + what);
    };
    try {
        csv::Split(text, take, '\t');
    } catch (const cells::Fault& fault) {
        fail(fault.Where, fault.What);
    } catch (const csv::SyntaxError& e) {
        // The first row, while it is not known whether it is a header.
        where = "row " + std::to_string(layout ? e.Line - std::min(e.Line, firstLine) + 1 : 1);
        fail(layout ? cells::FieldName(*layout, e.Field) : "field " + std::to_string(e.Field + 1),
             e.What);
    }
    return lines;
}

} // namespace partslist
