#pragma once
// A command of a window: an action whose shortcut works anywhere in the
// window and is named in its tooltip, and a text button in a row beside the
// others that does it too.
#include <QString>

class QBoxLayout;
class QKeySequence;
class QToolButton;
class QWidget;

namespace ui {

// The action is named `name` ("…Action"), the button after it ("…Button")
// and spoken by its caption without a closing "…"; the button's default
// action is the command, for the caller to connect.
QToolButton* CommandButton(QWidget* window, QBoxLayout* row, const char* name,
                           const QString& caption, const QString& description,
                           const QKeySequence& keys);

} // namespace ui
