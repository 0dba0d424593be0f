#pragma once
// A parts list's file as bytes, read and written so that what is no list
// never holds up the window and a failed write never leaves half a file.
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <string>

namespace ui {

// Past a gigabyte a file is no parts list (a million lines are some 60 MB).
inline constexpr std::int64_t LargestPartsList = std::int64_t(1) << 30;

// The whole file. One that is no regular file (a pipe, which would hold the
// window in open() until someone writes to it; a device) or is larger than
// LargestPartsList is refused before a byte of it is read. Throws
// calc::Error with the reason, the name in it made printable.
QByteArray PartsListBytes(const QString& path);

// Writes the text to a temporary file and renames it over `path`. Returns
// the system's reason where that failed, and then the old file is whole;
// empty once written.
QString WriteWhole(const QString& path, const std::string& text);

} // namespace ui
