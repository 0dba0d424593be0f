#include "ui/Settings.h"

#include <QApplication>
#include <QSettings>

namespace ui {

void NameApplication() {
    QApplication::setOrganizationName(QStringLiteral("ORVEL"));
    QApplication::setApplicationName(QStringLiteral("Kubatrix"));
    QApplication::setApplicationVersion(QStringLiteral(KUBATRIX_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("io.example.orvel.kubatrix"));
    CarryOverSettings();
}

void CarryOverSettings() {
    QSettings now;
    if (!now.allKeys().isEmpty()) return;
    const QSettings before(QApplication::organizationName(), QStringLiteral("Kubatrix 3.1"));
    for (const QString& key : before.allKeys())
        now.setValue(key, before.value(key));
}

} // namespace ui
