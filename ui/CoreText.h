#pragma once
// The core speaks std::string; the window speaks QString.
#include <QString>

#include <string_view>

namespace ui {

inline QString FromCore(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace ui
