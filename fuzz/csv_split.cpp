// Splitting CSV text: the records and fields the splitter hands on, in place
// or from another thread, lines without quotes split by our own code
// included, are exactly those libcsv finds in the whole text alone, and one
// refuses the text when the other does.
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

// The records of one way of splitting, or nothing when it refuses the text.
template <typename Splitting> bool SplitBy(Splitting split, std::string_view text, Records& out) {
    try {
        split(text, [&](const partslist::csv::Record& record) {
            out.emplace_back(record.Fields.begin(), record.Fields.end());
        });
    } catch (const partslist::csv::SyntaxError&) {
        return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Records reference, split, aside;
    const bool ok = LibcsvSplit(text, reference);
    const bool splitOk = SplitBy(partslist::csv::Split, text, split);
    const bool asideOk = SplitBy(partslist::csv::SplitInBackground, text, aside);
    fuzz::Require(splitOk == ok && asideOk == ok,
                  fuzz::Shown(text) + ": refused or not unlike libcsv");
    if (ok)
        fuzz::Require(split == reference && aside == reference,
                      fuzz::Shown(text) + ": records unlike libcsv's");
    return 0;
}
