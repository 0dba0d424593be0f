#include "ui/ErrorBox.h"

namespace ui {

QString WithPeriod(const QString& message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.')) return message + QLatin1Char('.');
    return message;
}

void ShowError(QWidget* parent, const QString& message) noexcept {
    try {
        Ask(parent, QMessageBox::Critical, WithPeriod(message), QMessageBox::Ok);
    } catch (...) {
        // Nothing is left to report with; the window stays as it was.
    }
}

QMessageBox::StandardButton Ask(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                QMessageBox::StandardButtons buttons,
                                QMessageBox::StandardButton preferred) {
    QMessageBox box(icon, AppTitle, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    if (preferred != QMessageBox::NoButton) box.setDefaultButton(preferred);
    return QMessageBox::StandardButton(box.exec());
}

} // namespace ui
