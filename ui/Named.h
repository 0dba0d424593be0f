#pragma once
// A control made with the name tests and the style sheet find it by, and the
// name a screen reader speaks (with a longer description where one helps).
#include <QLatin1String>
#include <QString>

namespace ui {

template <typename Control>
Control* Named(Control* control, const char* name, const QString& spoken,
               const QString& description = {}) {
    control->setObjectName(QLatin1String(name));
    control->setAccessibleName(spoken);
    if (!description.isEmpty()) control->setAccessibleDescription(description);
    return control;
}

} // namespace ui
