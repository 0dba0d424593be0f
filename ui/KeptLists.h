#pragma once
// Lists that were never saved, kept in the user's data folder when they are
// thrown away (by Reset, by Exit, by opening another list), so that a list
// typed for an hour is never lost to a click that asks nothing. The list
// window offers them above its recent files. A few are kept, the newest;
// keeping one is never in the way: where it cannot be written, nothing
// happens.
#include <QDateTime>
#include <QString>

#include <string>
#include <vector>

namespace ui {

inline constexpr int MostKeptLists = 5;

struct KeptList {
    QString Path;
    int Lines = 0;
    QDateTime When; // local time
};

// The lists kept, the newest first.
std::vector<KeptList> KeptLists();

// Keeps a list's file text of `lines` lines, and returns its path; empty
// where it could not be written, and then nothing changed. A list kept
// before with the same text is kept once, under the newer time; past
// MostKeptLists the oldest go.
QString KeepList(const std::string& text, int lines);

// One kept list no longer needed: saved, or kept again as it now is.
void ForgetKeptList(const QString& path);

// "Unsaved list of 12 lines, 8 Dec 14:05", as the Open menu shows it.
QString KeptListCaption(const KeptList& list);

} // namespace ui
