#pragma once
// Where the program keeps what it remembers between runs (QSettings): under
// the maker's name and the program's, without its version, so that a new
// version finds what the last one kept.

namespace ui {

// Names the application, its version and its desktop entry, then carries
// over once what a version before this naming kept under "Kubatrix 3.1":
// recent files, price and window places. Call it right after the
// QApplication is made.
void NameApplication();

// The carrying over alone: the old settings copied where nothing is kept yet.
void CarryOverSettings();

} // namespace ui
