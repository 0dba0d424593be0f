// Splitting CSV text: the records and fields the splitter hands on, lines
// without quotes split in place included, are exactly those libcsv finds in
// the whole text alone, and one refuses the text when the other does.
#include "Check.h"

#include "partslist/Csv.h"

#include <csv.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using Records = std::vector<std::vector<std::string>>;

struct Reference {
    Records records;
    std::vector<std::string> fields;

    static void Field(void* data, std::size_t size, void* self) {
        static_cast<Reference*>(self)->fields.emplace_back(data ? static_cast<char*>(data) : "",
                                                           size);
    }
    static void End(int, void* self) {
        auto& r = *static_cast<Reference*>(self);
        if (!r.fields.empty()) r.records.push_back(std::move(r.fields));
        r.fields.clear();
    }
};

int NoBlanks(unsigned char) {
    return 0;
}

// libcsv's records, or nothing when it refuses the text.
bool LibcsvSplit(std::string_view text, Records& out) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    csv_parser parser;
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI | CSV_REPALL_NL) != 0) std::abort();
    csv_set_space_func(&parser, NoBlanks);
    Reference r;
    const bool ok = csv_parse(&parser, text.data(), text.size(), Reference::Field, Reference::End,
                              &r) == text.size() &&
                    csv_fini(&parser, Reference::Field, Reference::End, &r) == 0;
    csv_free(&parser);
    out = std::move(r.records);
    return ok;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Records split;
    bool refused = false;
    try {
        partslist::csv::Split(text, [&](const partslist::csv::Record& record) {
            split.emplace_back(record.Fields.begin(), record.Fields.end());
        });
    } catch (const partslist::csv::SyntaxError&) {
        refused = true;
    }
    Records reference;
    const bool ok = LibcsvSplit(text, reference);
    fuzz::Require(refused != ok, fuzz::Shown(text) + (refused ? ": refused" : ": not refused") +
                                     ", unlike libcsv");
    if (ok) fuzz::Require(split == reference, fuzz::Shown(text) + ": records unlike libcsv's");
    return 0;
}
