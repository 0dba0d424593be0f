// The size selection rule on every table: a mass comes back only for a text
// equal to a label of that table, and it is that row's mass. The text is
// either any bytes or a label of some table, slightly changed, so that the
// near misses (a dropped or extra character, a comma for a point, another
// case) are tried as often as the exact labels.
#include "Check.h"

#include "catalogue/ProfileSizeTable.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>
#include <vector>

namespace {

using catalogue::Profile;

const std::vector<std::string>& AllLabels() {
    static const std::vector<std::string> labels = [] {
        std::vector<std::string> out;
        for (int p = 0; p < catalogue::ProfileCount; ++p)
            for (const auto& row : catalogue::SizeTable(static_cast<Profile>(p)))
                out.emplace_back(row.Label);
        return out;
    }();
    return labels;
}

std::string Text(FuzzedDataProvider& in) {
    if (in.ConsumeBool()) return in.ConsumeRemainingBytesAsString();
    const auto& labels = AllLabels();
    std::string text = labels[in.ConsumeIntegralInRange<std::size_t>(0, labels.size() - 1)];
    const auto at = [&] { return in.ConsumeIntegralInRange<std::size_t>(0, text.size()); };
    switch (in.ConsumeIntegralInRange(0, 6)) {
    case 0:
        break; // exact
    case 1:
        if (!text.empty()) text.erase(std::min(at(), text.size() - 1), 1);
        break;
    case 2:
        text.insert(at(), 1, in.ConsumeIntegral<char>());
        break;
    case 3:
        for (char& c : text)
            if (c == '.') c = ',';
        break;
    case 4:
        for (char& c : text)
            c = char(std::toupper(static_cast<unsigned char>(c)));
        break;
    case 5:
        text = (in.ConsumeBool() ? " " : "") + text + (in.ConsumeBool() ? " " : "");
        break;
    case 6:
        text += in.ConsumeRemainingBytesAsString();
        break;
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const std::string text = Text(in);
    for (int p = 0; p < catalogue::ProfileCount; ++p) {
        const auto table = catalogue::SizeTable(static_cast<Profile>(p));
        const auto mass = catalogue::SelectSize(table, text);
        const catalogue::ProfileSize* equal = nullptr;
        for (const auto& row : table)
            if (row.Label.size() == text.size() &&
                std::equal(text.begin(), text.end(), row.Label.begin())) {
                equal = &row;
                break;
            }
        const std::string context = "table " + std::to_string(p) + ", text " + fuzz::Shown(text);
        fuzz::Require(mass.has_value() == (equal != nullptr),
                      context + (mass ? ": a mass for no label" : ": no mass for a label"));
        if (mass) {
            fuzz::Require(*mass == equal->Mass, context + ": another row's mass");
            fuzz::Require(std::isfinite(*mass) && *mass > 0, context + ": a mass that is no mass");
        }
    }
    return 0;
}
