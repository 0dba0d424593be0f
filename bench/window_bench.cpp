// The window: start-up against a bare window of as many widgets, and each
// handler from the user's keystroke or click until the window is repainted.
#include "Benchmarks.h"
#include "Windows.h"

#include "PartsLists.h"
#include "calc/Shapes.h"
#include "ui/EditCombo.h"
#include "ui/Document.h"
#include "ui/MainWindow.h"
#include "ui/PartsListWindow.h"
#include "ui/SectionsWindow.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <stdexcept>
#include <vector>

namespace bench {
namespace {

template <typename Build> void Startup(benchmark::State& state, Build build) {
    for (auto _ : state) {
        auto window = build();
        ShowAndPaint(*window);
        state.PauseTiming();
        window.reset();
        Settle();
        state.ResumeTiming();
    }
}

// A painted main window to work on, done with what it does while idle.
std::unique_ptr<ui::MainWindow> Form() {
    auto form = std::make_unique<ui::MainWindow>();
    ShowAndPaint(*form);
    Settle();
    return form;
}

// The box holds all of the text but its last character, set by the program
// (which runs no handler); the benchmark types that character.
void TypeLast(benchmark::State& state, ui::EditCombo* box, const QString& text) {
    state.PauseTiming();
    box->setText(text.chopped(1));
    Settle();
    state.ResumeTiming();
    QTest::keyClick(box->lineEdit(), text.back().toLatin1());
    Settle();
}

std::vector<QString> ObjectTypes(const ui::MainWindow& form) {
    std::vector<QString> names;
    for (int i = 0; i < form.ObjectTypeBox->count(); ++i)
        names.push_back(form.ObjectTypeBox->itemText(i));
    return names;
}

// Each type once, its picture drawn for the first time. Runs before the
// cached case, and only once per process.
void TypeBoxPictureFirst(benchmark::State& state) {
    auto form = Form();
    const auto names = ObjectTypes(*form);
    std::size_t next = 0;
    for (auto _ : state)
        TypeLast(state, form->ObjectTypeBox, names[next++ % names.size()]);
}

void TypeBoxPictureCached(benchmark::State& state) {
    auto form = Form();
    const auto names = ObjectTypes(*form);
    for (const QString& name : names) { // fills the cache
        form->ObjectTypeBox->setText(name.chopped(1));
        QTest::keyClick(form->ObjectTypeBox->lineEdit(), name.back().toLatin1());
    }
    Settle();
    std::size_t next = 0;
    for (auto _ : state)
        TypeLast(state, form->ObjectTypeBox, names[next++ % names.size()]);
}

void TypeBoxNoMatch(benchmark::State& state) {
    auto form = Form();
    for (auto _ : state)
        TypeLast(state, form->ObjectTypeBox, QStringLiteral("Cylindex"));
}

// A 100 mm steel cube, ready to add.
void ReadyCube(ui::MainWindow& form) {
    form.ObjectTypeBox->setText(QStringLiteral("Parallelepipe"));
    QTest::keyClick(form.ObjectTypeBox->lineEdit(), 'd');
    for (QLineEdit* e : {form.ObjectAField, form.ObjectBField, form.ObjectCField,
                         form.ApertureAField, form.ApertureBField, form.ApertureCField})
        e->setText(QStringLiteral("100"));
    form.ApertureTypeBox->setText(QStringLiteral("Parallelepipe"));
    QTest::keyClick(form.ApertureTypeBox->lineEdit(), 'd');
    for (QLineEdit* e : {form.ApertureAField, form.ApertureBField, form.ApertureCField})
        e->setText(QStringLiteral("10"));
    Settle();
}

void Click(benchmark::State& state, QPushButton* ui::MainWindow::*button) {
    auto form = Form();
    ReadyCube(*form);
    for (auto _ : state) {
        ((*form).*button)->click();
        Settle();
    }
}

void AddObjectClick(benchmark::State& state) {
    Click(state, &ui::MainWindow::AddObjectButton);
}
void AddApertureClick(benchmark::State& state) {
    Click(state, &ui::MainWindow::AddApertureButton);
}
void UndoClick(benchmark::State& state) {
    Click(state, &ui::MainWindow::UndoButton);
}

void UnitChange(benchmark::State& state, ui::EditCombo* ui::MainWindow::*box, QString a,
                QString b) {
    auto form = Form();
    ReadyCube(*form);
    form->AddObjectButton->click();
    bool flip = false;
    for (auto _ : state)
        TypeLast(state, (*form).*box, (flip = !flip) ? a : b);
}

void WeightUnitChange(benchmark::State& state) {
    UnitChange(state, &ui::MainWindow::WeightUnitBox, QStringLiteral("gram"),
               QStringLiteral("pound"));
}
void VolumeUnitChange(benchmark::State& state) {
    UnitChange(state, &ui::MainWindow::VolumeUnitBox, QStringLiteral("inch"),
               QStringLiteral("yard"));
}
void MaterialChange(benchmark::State& state) {
    UnitChange(state, &ui::MainWindow::MaterialBox, QStringLiteral("Copper ( Cu )"),
               QStringLiteral("Brass"));
}

// The Sections window's search: each keystroke of a few searches typed in
// full, over all the sections, until the window is repainted.
void SectionsSearchKeystroke(benchmark::State& state) {
    auto form = Form();
    form->Document().ShowSections();
    auto* window = form->findChild<ui::SectionsWindow*>();
    Settle();
    std::vector<QString> typed;
    for (const char* words :
         {"heb 200", "he 200 b", "shs 100x5", "nps 4 sch 40", "100x50", "w8x31", "ipe 210"}) {
        const QString all = QString::fromLatin1(words);
        for (qsizetype n = 1; n <= all.size(); ++n)
            typed.push_back(all.left(n));
    }
    std::size_t next = 0;
    for (auto _ : state) {
        const QString& text = typed[next++ % typed.size()];
        state.PauseTiming();
        window->SearchField->setText(text.chopped(1));
        Settle();
        state.ResumeTiming();
        QTest::keyClick(window->SearchField, text.back().toLatin1());
        Settle();
    }
}

// The parts list window in sight, beside a main window, and a parts-list file
// of `lines` lines to open in it.
struct ListWindow {
    std::unique_ptr<ui::MainWindow> Form = bench::Form();
    ui::PartsListWindow* List = nullptr;
    QTemporaryDir Folder;
    QString File;

    explicit ListWindow(std::size_t lines) : File(Folder.filePath(QStringLiteral("list.csv"))) {
        QFile out(File);
        const std::string text = PartsText(lines);
        if (!out.open(QIODevice::WriteOnly) || out.write(text.data(), qint64(text.size())) < 0)
            throw std::runtime_error("cannot write the list's file");
        out.close();
        Form->PartsListButton->click();
        List = Form->findChild<ui::PartsListWindow*>();
        Settle();
    }
};

// Open of a long list: read, replayed, its table shown and painted.
void OpenList(benchmark::State& state) {
    ListWindow w(ListFileLines);
    for (auto _ : state) {
        w.List->OpenFrom(w.File);
        Settle();
        state.PauseTiming();
        w.Form->ResetButton->click();
        Settle();
        state.ResumeTiming();
    }
}

// An Add with a thousand lines in the list: the totals, the new row and the
// weights of all, until both windows are painted. Undone untimed.
void AddToList(benchmark::State& state) {
    ListWindow w(ListLines);
    w.List->OpenFrom(w.File);
    ReadyCube(*w.Form);
    Settle();
    for (auto _ : state) {
        w.Form->AddObjectButton->click();
        Settle();
        state.PauseTiming();
        w.Form->UndoButton->click();
        Settle();
        state.ResumeTiming();
    }
}

} // namespace

void RegisterWindowBenchmarks(const MainWindowShape& shape) {
    const auto micro = benchmark::kMicrosecond;
    const auto milli = benchmark::kMillisecond;
    benchmark::RegisterBenchmark(StartupMain, Startup<decltype(&bench::MainWindow)>,
                                 &bench::MainWindow)
        ->Unit(milli);
    benchmark::RegisterBenchmark(StartupBare, [widgets = shape.Widgets](benchmark::State& state) {
        Startup(state, [widgets] { return BareWindow(widgets); });
    })->Unit(milli);
    benchmark::RegisterBenchmark(StartupPlain, [plan = shape.Plan](benchmark::State& state) {
        Startup(state, [&plan] { return PlainControlsWindow(plan); });
    })->Unit(milli);
    benchmark::RegisterBenchmark(HandlerPictureFirst, TypeBoxPictureFirst)
        ->Iterations(14) // the items of the type box
        ->Unit(micro);
    benchmark::RegisterBenchmark(HandlerPictureCached, TypeBoxPictureCached)->Unit(micro);
    benchmark::RegisterBenchmark("handler/type box, no match", TypeBoxNoMatch)->Unit(micro);
    benchmark::RegisterBenchmark("handler/material box", MaterialChange)->Unit(micro);
    benchmark::RegisterBenchmark(HandlerAddObject, AddObjectClick)->Unit(micro);
    benchmark::RegisterBenchmark("handler/Add aperture click", AddApertureClick)->Unit(micro);
    benchmark::RegisterBenchmark("handler/Undo click", UndoClick)->Unit(micro);
    benchmark::RegisterBenchmark(HandlerWeightUnit, WeightUnitChange)->Unit(micro);
    benchmark::RegisterBenchmark("handler/volume unit", VolumeUnitChange)->Unit(micro);
    benchmark::RegisterBenchmark("sections/window, a keystroke of the search",
                                 SectionsSearchKeystroke)
        ->Unit(micro);
    benchmark::RegisterBenchmark(ListOpenWindow, OpenList)->Unit(milli);
    benchmark::RegisterBenchmark(ListAddWindow, AddToList)->Unit(micro);
}

} // namespace bench
