#include "catalogue/ProfileSizeTable.h"

#include <algorithm>

namespace catalogue {

std::optional<double> SelectSize(ProfileSizeTable table, std::string_view text) {
    // Labels within a table are distinct, so the first equal row is the only one.
    const auto row = std::ranges::find(table, text, &ProfileSize::Label);
    if (row == table.end()) return std::nullopt;
    return row->Mass;
}

} // namespace catalogue
