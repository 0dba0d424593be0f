// Renders the windows as a person sees them, for review and for the README:
// the main window at start and after a typical calculation, the about dialog
// and the help window. Usage: screenshots <folder>
#include "ui/AboutDialog.h"
#include "ui/EditCombo.h"
#include "ui/HelpWindow.h"
#include "ui/MainWindow.h"
#include "ui/SpinEdit.h"

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

namespace {

void choose(ui::EditCombo* box, const QString& text) {
    box->setText(text);
    emit box->userChanged(); // as if picked from the list
}

bool save(QWidget* window, const QDir& folder, const QString& name) {
    QApplication::processEvents();
    const QString path = folder.filePath(name);
    const bool saved = window->grab().save(path);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
    return saved;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kubatrix 3.1"));
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(folder.path());

    ui::MainWindow form;
    form.show();
    bool ok = save(&form, folder, QStringLiteral("main-start.png"));

    // The cylinder of copper: 2 cm across, 1 m long; a 1 cm sphere cut out.
    choose(form.ObjectTypeBox, QStringLiteral("Cylinder"));
    choose(form.MaterialBox, QStringLiteral("Copper ( Cu )"));
    form.ObjectAField->setText(QStringLiteral("2"));
    form.ObjectAUnitBox->setText(QStringLiteral("centimeter"));
    form.ObjectBField->setText(QStringLiteral("1"));
    form.ObjectBUnitBox->setText(QStringLiteral("meter"));
    form.AddObjectButton->click();
    choose(form.ApertureTypeBox, QStringLiteral("Sphere"));
    form.ApertureAField->setText(QStringLiteral("10"));
    form.AddApertureButton->click();
    ok = save(&form, folder, QStringLiteral("main-cylinder.png")) && ok;

    choose(form.ObjectTypeBox, QStringLiteral("I-Beam"));
    choose(form.ApertureTypeBox, QStringLiteral("Truncated cone"));
    ok = save(&form, folder, QStringLiteral("main-profile.png")) && ok;

    ui::AboutDialog about(&form);
    about.show();
    ok = save(&about, folder, QStringLiteral("about.png")) && ok;
    about.hide();

    ui::HelpWindow::ShowContents(&form);
    ok = save(ui::HelpWindow::Instance(), folder, QStringLiteral("help.png")) && ok;
    return ok ? 0 : 1;
}
