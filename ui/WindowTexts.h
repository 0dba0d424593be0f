#pragma once
// The window's own words that its handlers compare with or write: what a type
// box or a size box reads while nothing is chosen, and what the Volume field
// reads once rolled profiles, whose volume is not computed, were added.
#include <QString>

namespace ui {

inline const QString ChooseType = QStringLiteral("Choose Type");
inline const QString ChooseSize = QStringLiteral("Choose Size");
inline const QString NoVolumeMarker = QStringLiteral("Is not calculate");

} // namespace ui
