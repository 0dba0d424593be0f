// Reading a parts-list file from any bytes. Either the reader refuses it with
// calc::Error, whose message starts "FILE:LINE: " with the name it was given
// and a line of the text (from 1, no further than its last line; of the text
// made UTF-8 where it was UTF-16) and holds no control byte; or it returns
// lines that, written back and read again, are the same lines (each
// dimension the same number, written as the shortest text of it) with the
// same price and bit for bit the same totals, and that written again are the
// same text. Copied as tab-separated rows with decimal commas, they paste
// back as the same lines. Nothing else is thrown.
#include "Check.h"

#include "calc/Error.h"
#include "calc/ParseNumber.h"
#include "catalogue/Text.h"
#include "partslist/PartsFile.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view FileName = "fuzzed.csv";

// The lines of the text as the reader counts them: LF, CR LF and a lone CR
// each end one.
std::size_t LinesOf(std::string_view text) {
    std::size_t lines = 1;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            ++lines;
    return lines;
}

// Where line `line` starts in the text.
std::size_t StartOf(std::size_t line, std::string_view text) {
    std::size_t at = 0;
    for (std::size_t l = 1; l < line && at < text.size(); ++at)
        if (text[at] == '\n' ||
            (text[at] == '\r' && (at + 1 == text.size() || text[at + 1] != '\n')))
            ++l;
    return at;
}

// "FILE:LINE: " at the start of the message, and the line.
void RequireWhere(const std::string& message, std::string_view text) {
    const std::string context = "refused with " + fuzz::Shown(message);
    fuzz::Require(std::ranges::none_of(message, [](char c) { return c >= 0 && c < 0x20; }),
                  context + ": a control byte in the message");
    const std::string prefix = std::string(FileName) + ":";
    fuzz::Require(message.rfind(prefix, 0) == 0, context + ": not the file's name first");
    std::size_t at = prefix.size();
    std::size_t line = 0;
    while (at < message.size() && fuzz::IsDigit(message[at]) && line < (std::size_t(1) << 40))
        line = line * 10 + std::size_t(message[at++] - '0');
    fuzz::Require(at > prefix.size() && message[prefix.size()] != '0',
                  context + ": no line number from 1");
    fuzz::Require(message.compare(at, 2, ": ") == 0, context + ": no \": \" after the line");
    fuzz::Require(line <= LinesOf(text),
                  context + ": the text has only " + std::to_string(LinesOf(text)) + " lines");
    // The first fault: the lines above read cleanly.
    if (line > 1) {
        const std::string_view above = text.substr(0, StartOf(line, text));
        try {
            partslist::ReadPartsList(above, FileName);
        } catch (const calc::Error& e) {
            fuzz::Require(e.Message().find("the file is empty") != std::string::npos,
                          context +
                              " but the lines above are refused: " + fuzz::Shown(e.Message()));
        }
    }
}

bool SameTotals(const partslist::Replay& a, const partslist::Replay& b) {
    return fuzz::SameBits(a.State.TotalVolume, b.State.TotalVolume) &&
           fuzz::SameBits(a.State.TotalWeight, b.State.TotalWeight) &&
           a.VolumeMarker == b.VolumeMarker;
}

// The same lines, each dimension the same number to the bit.
bool SameLines(std::span<const partslist::Line> a, std::span<const partslist::Line> b) {
    return std::ranges::equal(a, b, [](const partslist::Line& x, const partslist::Line& y) {
        return x == y &&
               std::ranges::equal(x.Rows, y.Rows, [](const calc::Length& p, const calc::Length& q) {
                   return fuzz::SameBits(p.Value, q.Value);
               });
    });
}

// A copy pastes back, unless a text cell holds a tab or a line break, which
// the copy makes a blank. A copy has the program's columns only: the file's
// other columns (each line's kept cells) stay behind, and each row carries
// its price, the list's where the line has none of its own.
void RequirePastesBack(const partslist::OpenedList& list) {
    for (const partslist::Line& line : list.Lines)
        for (const std::string* text : {&line.Size, &line.Material})
            if (text->find_first_of("\t\r\n") != std::string::npos) return;
    const std::string copy = partslist::WritePartsList(list.Lines, list.PricePerKg, list.Totals,
                                                       partslist::RowFormat::Copy(',', false));
    const std::string context = "copied as " + fuzz::Shown(copy);
    std::vector<partslist::Line> pasted = list.Lines;
    for (partslist::Line& line : pasted) {
        line.Kept.clear();
        if (!line.PricePerKg) line.PricePerKg = list.PricePerKg;
    }
    try {
        fuzz::Require(partslist::ReadPastedRows(copy, ',') == pasted, context + ": other lines");
    } catch (const calc::Error& e) {
        fuzz::Fail(context + ": refused with " + fuzz::Shown(e.Message()));
    }
}

// Saved in the file's own ways (its separator, decimal mark and other
// columns), the file reads back as the same lines and is written alike again.
void RequireReadsBack(const partslist::OpenedList& list) {
    const std::string written =
        partslist::WritePartsList(list.Lines, list.PricePerKg, list.Totals, list.Format);
    const std::string context = "written as " + fuzz::Shown(written);
    partslist::OpenedList again;
    try {
        again = partslist::ReadPartsList(written, FileName);
    } catch (const calc::Error& e) {
        fuzz::Fail(context + ": refused with " + fuzz::Shown(e.Message()));
    }
    fuzz::Require(SameLines(again.Lines, list.Lines), context + ": other lines");
    fuzz::Require(partslist::WritePartsList(again.Lines, again.PricePerKg, again.Totals,
                                            again.Format) == written,
                  context + ": written again otherwise");
    RequirePastesBack(again);
    fuzz::Require(again.PricePerKg.has_value() == list.PricePerKg.has_value() &&
                      (!list.PricePerKg || fuzz::SameBits(*again.PricePerKg, *list.PricePerKg)),
                  context + ": another price");
    fuzz::Require(SameTotals(again.Totals, list.Totals), context + ": other totals");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    partslist::OpenedList list;
    try {
        list = partslist::ReadPartsList(text, FileName);
    } catch (const calc::Error& e) {
        const auto utf8 = catalogue::Utf8FromUtf16(text);
        RequireWhere(e.Message(), utf8 ? std::string_view(*utf8) : text);
        return 0;
    }
    RequireReadsBack(list);
    return 0;
}
