#pragma once
// Every failure reaches the user one way: a modal box with the message, the
// program's title, an OK button and the stop icon. No exception ever gets
// past a handler into the event loop.
#include "calc/Error.h"

#include <QMessageBox>
#include <QString>
#include <QWidget>

#include <exception>

namespace ui {

inline const QString AppTitle = QStringLiteral("Kubatrix " KUBATRIX_VERSION);

// The message as the box shows it: a "." is added when the last character
// sorts after "." (a letter or a digit), so sentences end with a full stop.
QString WithPeriod(const QString& message);

void ShowError(QWidget* parent, const QString& message) noexcept;

// A question or a note in a box of the same kind, its text never taken as
// markup: it may quote a file's name. Returns the button clicked.
QMessageBox::StandardButton Ask(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton preferred = QMessageBox::NoButton);

// Runs a handler; whatever it throws is shown in the error box.
template <typename Handler> void Guarded(QWidget* parent, Handler&& handler) noexcept {
    try {
        handler();
    } catch (const calc::Error& e) {
        ShowError(parent, QString::fromStdString(e.Message()));
    } catch (const std::exception& e) {
        ShowError(parent, QString::fromStdString(e.what()));
    } catch (...) {
        ShowError(parent, QStringLiteral("Unexpected error"));
    }
}

} // namespace ui
