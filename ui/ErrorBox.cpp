#include "ui/ErrorBox.h"

#include <QMessageBox>

namespace ui {

QString WithPeriod(const QString& message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.')) return message + QLatin1Char('.');
    return message;
}

void ShowError(QWidget* parent, const QString& message) noexcept {
    try {
        QMessageBox box(QMessageBox::Critical, AppTitle, WithPeriod(message), QMessageBox::Ok, parent);
        box.exec();
    } catch (...) {
        // Nothing is left to report with; the window stays as it was.
    }
}

} // namespace ui
