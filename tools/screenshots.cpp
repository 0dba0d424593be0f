// Renders the windows as a person sees them, for review and for the README:
// the main window at start and after a typical calculation, the about dialog,
// the help window, the parts list of a dozen lines, the Sections window and
// the Cut list window with its cut sheet.
// Usage: screenshots <folder>
#include "ui/AboutDialog.h"
#include "ui/CutListWindow.h"
#include "ui/Document.h"
#include "ui/EditCombo.h"
#include "ui/HelpWindow.h"
#include "ui/MainWindow.h"
#include "ui/MaterialsWindow.h"
#include "ui/PartsListWindow.h"
#include "ui/SectionsWindow.h"
#include "ui/SpinEdit.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

void choose(ui::EditCombo* box, const QString& text) {
    box->setText(text);
    emit box->userChanged(); // as if picked from the list
}

// One line of the list: a type, its size for a profile, and the rows a, b, c
// in millimetres ("" leaves a row empty).
void add(ui::MainWindow& form, bool object, const QString& type, const QString& size,
         std::initializer_list<const char*> rows, int quantity = 1) {
    choose(object ? form.ObjectTypeBox : form.ApertureTypeBox, type);
    if (!size.isEmpty()) {
        for (ui::EditCombo* box : form.SizeBoxes())
            if (box->isVisibleTo(&form)) choose(box, size);
    }
    QLineEdit* const objectRows[] = {form.ObjectAField, form.ObjectBField, form.ObjectCField};
    QLineEdit* const apertureRows[] = {form.ApertureAField, form.ApertureBField,
                                       form.ApertureCField};
    ui::EditCombo* const objectUnits[] = {form.ObjectAUnitBox, form.ObjectBUnitBox,
                                          form.ObjectCUnitBox};
    ui::EditCombo* const apertureUnits[] = {form.ApertureAUnitBox, form.ApertureBUnitBox,
                                            form.ApertureCUnitBox};
    int i = 0;
    for (const char* text : rows) {
        (object ? objectUnits : apertureUnits)[i]->setText(QStringLiteral("millimeter"));
        (object ? objectRows : apertureRows)[i++]->setText(QString::fromLatin1(text));
    }
    (object ? form.ObjectQuantityBox : form.ApertureQuantityBox)->setValue(quantity);
    (object ? form.AddObjectButton : form.AddApertureButton)->click();
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
    QApplication::setApplicationName(QStringLiteral("Kubatrix"));
    // What the windows remember stays in a folder of this run's own, never
    // the user's (and a first run's windows look the same every time).
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    qputenv("XDG_DATA_HOME", settings.path().toUtf8()); // the user's materials and lists kept too
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

    // A dozen lines: plates and bars, profiles, holes in both, one cut by weight.
    form.ResetButton->click();
    choose(form.MaterialBox, QStringLiteral("Iron ( Fe )"));
    add(form, true, QStringLiteral("Parallelepiped"), {}, {"500", "300", "20"}, 2);
    add(form, false, QStringLiteral("Cylinder"), {}, {"22", "20"}, 8);
    add(form, true, QStringLiteral("Cylinder"), {}, {"60", "1200"}, 4);
    add(form, true, QStringLiteral("Pipe"), {}, {"114.3", "102.3", "6000"});
    add(form, true, QStringLiteral("Truncated cone"), {}, {"300", "150", "400"});
    add(form, false, QStringLiteral("Cone"), {}, {"100", "120"});
    add(form, true, QStringLiteral("I-Beam"), QStringLiteral("300x150x6.5x9"), {"", "", "6000"}, 2);
    add(form, true, QStringLiteral("C channel"), QStringLiteral("100x50x5x7.5"), {"", "", "2400"},
        6);
    add(form, false, QStringLiteral("Cylinder"), {}, {"18", "9"}, 24);
    add(form, true, QStringLiteral("Angle"), QStringLiteral("50x50x6"), {"", "", "1500"}, 12);
    add(form, false, QStringLiteral("Parallelepiped"), {}, {"40", "6", "80"}, 12);
    add(form, true, QStringLiteral("Hexahedral Bar"), QStringLiteral("27"), {"", "", "3000"}, 3);
    form.PartsListButton->click();
    auto* list = form.findChild<ui::PartsListWindow*>();
    ok = list && save(list, folder, QStringLiteral("parts-list.png")) && ok;
    if (list) {
        // The list as a file, with the totals it must give again elsewhere.
        list->SaveTo(folder.filePath(QStringLiteral("parts-list.csv")));
        std::printf("wrote %s: weight %s kg, volume %s\n",
                    qPrintable(folder.filePath(QStringLiteral("parts-list.csv"))),
                    qPrintable(form.WeightField->text()), qPrintable(form.VolumeField->text()));
        list->PriceField->setText(QStringLiteral("1.85"));
        emit list->PriceField->textEdited(list->PriceField->text());
        list->Table->selectRow(6);
        list->RemoveAction->trigger();
        ok = save(list, folder, QStringLiteral("parts-list-removed.png")) && ok;
        list->hide();
    }
    ok = save(&form, folder, QStringLiteral("main-parts-list.png")) && ok;

    // The Sections window: IPE 200 found by typing, 6 m of it added.
    form.Document().ShowSections();
    if (auto* sections = form.findChild<ui::SectionsWindow*>()) {
        sections->SearchField->setText(QStringLiteral("ipe 2"));
        sections->LengthField->setText(QStringLiteral("6"));
        sections->AddButton->click();
        ok = save(sections, folder, QStringLiteral("sections.png")) && ok;
        sections->hide();
    }

    // The Materials window: stainless found by typing, a price of one's own.
    form.Document().ShowMaterials();
    if (auto* materials = form.findChild<ui::MaterialsWindow*>()) {
        materials->SearchField->setText(QStringLiteral("1.4301"));
        materials->PriceField->setText(QStringLiteral("4.50"));
        materials->SaveButton->click();
        materials->SearchField->setText(QStringLiteral("stainless"));
        ok = save(materials, folder, QStringLiteral("materials.png")) && ok;
        materials->hide();
    }

    // The Cut list window: the take-off of the list, solved on the stock
    // offered by default, and its cut sheet.
    form.Document().ShowCutList();
    if (auto* cutList = form.findChild<ui::CutListWindow*>()) {
        // The angles' bars priced by weight, at the list's price per kg.
        cutList->TakeoffTable->selectRow(3);
        QAbstractItemModel* stock = cutList->StockTable->model();
        for (int row = 0; row < stock->rowCount(); ++row)
            stock->setData(stock->index(row, 1), QStringLiteral("by weight"));
        cutList->SolveAction->trigger();
        ok = save(cutList, folder, QStringLiteral("cut-list.png")) && ok;
        cutList->SaveCutSheetTo(folder.filePath(QStringLiteral("cut-sheet.pdf")));
        std::printf("wrote %s\n", qPrintable(folder.filePath(QStringLiteral("cut-sheet.pdf"))));
        cutList->hide();
    }

    ui::AboutDialog about(&form);
    about.show();
    ok = save(&about, folder, QStringLiteral("about.png")) && ok;
    about.hide();

    ui::HelpWindow::ShowContents(&form);
    ok = save(ui::HelpWindow::Instance(), folder, QStringLiteral("help.png")) && ok;
    return ok ? 0 : 1;
}
