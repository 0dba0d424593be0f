// kubatrix_bench: the benchmarks, then a summary of every figure against its
// target. With --child=main, --child=bare:<widgets> or --child=plain:<plan>
// it is instead one of the child processes that measure a window's cold
// start and peak memory, each in a fresh process.
#include "Benchmarks.h"
#include "Summary.h"
#include "Windows.h"

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <cstring>
#include <string>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    std::string child;
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--child=", 8) == 0) child = argv[i] + 8;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kubatrix"));
    // What the windows remember stays in a folder of this run's own, never
    // the user's (and a first run's windows look the same every time).
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    qputenv("XDG_DATA_HOME", settings.path().toUtf8()); // the lists kept unsaved, the materials
    if (!child.empty()) return bench::RunChild(child);

    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    bench::MainWindowShape shape;
    {
        const auto probe = bench::MainWindow();
        shape = {bench::WidgetCount(*probe), bench::PlanOf(*probe)};
    }
    bench::RegisterWindowBenchmarks(shape);
    bench::RegisterListBenchmarks();
#ifdef KUBATRIX_BENCH_CLI
    bench::RegisterCliBenchmarks();
#endif
    bench::Collector collector;
    benchmark::RunSpecifiedBenchmarks(&collector);
    bench::PrintSummary(collector, shape);
    benchmark::Shutdown();
    return 0;
}
