#pragma once
// The core speaks std::string; the window speaks QString.
#include <QLocale>
#include <QString>

#include <string_view>

namespace ui {

inline QString FromCore(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// Numbers are written with the user's decimal separator (a point where the
// regional one is no single ASCII character).
inline char DecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    return point.size() == 1 && point.at(0).unicode() < 128 ? char(point.at(0).unicode()) : '.';
}

} // namespace ui
