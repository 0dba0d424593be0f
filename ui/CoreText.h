#pragma once
// The core speaks std::string; the window speaks QString.
#include "catalogue/Text.h"

#include <QLocale>
#include <QString>

#include <charconv>
#include <string_view>

namespace ui {

inline QString FromCore(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// A file's name, or any text from outside, as a message shows it: escape
// sequences, line breaks and direction overrides escaped (catalogue::Printable).
inline QString PrintableName(const QString& name) {
    return FromCore(catalogue::Printable(name.toStdString(), catalogue::Whole));
}

// Numbers are written with the user's decimal separator (a point where the
// regional one is no single ASCII character).
inline char DecimalSeparator() {
    const QString point = QLocale::system().decimalPoint();
    return point.size() == 1 && point.at(0).unicode() < 128 ? char(point.at(0).unicode()) : '.';
}

// A number as a person types it: the shortest digits that read back as the
// same number, with no exponent ("200000", not "2e+05"; "2.5", not "2.50"),
// with `separator` as the decimal mark.
inline QString NumberAsTyped(double value, char separator) {
    char digits[400]; // room for every digit of any double in fixed notation
    const char* end =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed).ptr;
    return QString::fromLatin1(digits, end - digits).replace(u'.', QChar::fromLatin1(separator));
}

} // namespace ui
