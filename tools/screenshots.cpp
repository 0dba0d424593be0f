// Renders the windows as a person sees them, for review and for the README:
// the main window at start and after a typical calculation, the about dialog
// and the help window. Usage: screenshots <folder>
#include "ui/EditCombo.h"
#include "ui/HelpWindow.h"
#include "ui/SpinEdit.h"
#include "ui/Unit1.h"
#include "ui/about.h"

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

    TForm1 form;
    form.show();
    bool ok = save(&form, folder, QStringLiteral("main-start.png"));

    // The cylinder of copper: 2 cm across, 1 m long; a 1 cm sphere cut out.
    choose(form.ComboBox2, QStringLiteral("Cylinder"));
    choose(form.ComboBox1, QStringLiteral("Copper ( Cu )"));
    form.Edit2->setText(QStringLiteral("2"));
    form.ComboBox4->setText(QStringLiteral("centimeter"));
    form.Edit3->setText(QStringLiteral("1"));
    form.ComboBox5->setText(QStringLiteral("meter"));
    form.BitBtn5->click();
    choose(form.ComboBox3, QStringLiteral("Sphere"));
    form.Edit8->setText(QStringLiteral("10"));
    form.BitBtn7->click();
    ok = save(&form, folder, QStringLiteral("main-cylinder.png")) && ok;

    choose(form.ComboBox2, QStringLiteral("I-Beam"));
    choose(form.ComboBox3, QStringLiteral("Truncated cone"));
    ok = save(&form, folder, QStringLiteral("main-profile.png")) && ok;

    TAboutBox about(&form);
    about.show();
    ok = save(&about, folder, QStringLiteral("about.png")) && ok;
    about.hide();

    HelpWindow::ShowContents(&form);
    ok = save(HelpWindow::Instance(), folder, QStringLiteral("help.png")) && ok;
    return ok ? 0 : 1;
}
