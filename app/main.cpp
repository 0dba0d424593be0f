// Start-up: the application and its name, the main window, the about
// dialog, and the event loop until the main window closes. What the windows
// remember between runs is kept under the application's name (ui/Settings.h).
#include "ui/AboutDialog.h"
#include "ui/MainWindow.h"
#include "ui/Settings.h"

#include <QApplication>
#include <QIcon>
#include <QScreen>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ui::NameApplication();
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
