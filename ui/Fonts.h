#pragma once
// The window's two faces. The layout is in pixels, so the fonts are set in
// pixels and by name, never left to what fontconfig substitutes.
#include <QFont>

namespace ui {

inline QFont SansFont(int pixels = 11, bool bold = false) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferMatch);
    return f;
}

inline QFont SerifFont(int pixels, bool bold = false) {
    QFont f(QStringLiteral("Liberation Serif"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferMatch);
    return f;
}

} // namespace ui
