// Start-up: the application and its title, the main window, the about
// dialog, and the event loop until the main window closes. Only the parts
// list window remembers anything (QSettings, under the organisation's name).
#include "ui/AboutDialog.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("ORVEL"));
    QApplication::setApplicationName(QStringLiteral("Kubatrix 3.1"));
    QApplication::setDesktopFileName(QStringLiteral("io.example.orvel.kubatrix"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/kubatrix.svg")));

    ui::MainWindow form;
    ui::AboutDialog about(&form);
    form.SetAboutDialog(&about);
    // First shown in the middle of the screen.
    if (const QScreen* screen = form.screen())
        form.move(screen->availableGeometry().center() - form.rect().center());
    form.show();
    return QApplication::exec();
}
