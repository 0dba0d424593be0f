#include "Summary.h"

#include "Benchmarks.h"
#include "Windows.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace bench {

// Colours only on a terminal, so a saved log reads cleanly.
Collector::Collector() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}

void Collector::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs)
        if (!run.error_occurred && run.run_type == Run::RT_Iteration && run.iterations > 0) {
            Nanoseconds[run.run_name.function_name] =
                run.real_accumulated_time * 1e9 / double(run.iterations);
            CpuNanoseconds[run.run_name.function_name] =
                run.cpu_accumulated_time * 1e9 / double(run.iterations);
        }
    ConsoleReporter::ReportRuns(runs);
}

int RunChild(const std::string& mode) {
#ifdef KUBATRIX_BENCH_CLI
    if (mode.rfind("cli:", 0) == 0) return RunCliChild(mode.substr(4));
#endif
    if (mode == "sections") {
        const double ms = SectionsWindowFirstOpenMs();
        std::printf("first_frame_ms=%.3f peak_kb=%ld\n", ms, PeakResidentKilobytes());
        return 0;
    }
    QElapsedTimer timer;
    timer.start();
    std::unique_ptr<QWidget> window;
    if (mode.rfind("bare:", 0) == 0)
        window = BareWindow(std::stoi(mode.substr(5)));
    else if (mode.rfind("plain:", 0) == 0)
        window = PlainControlsWindow(Read(mode.substr(6)));
    else
        window = MainWindow();
    ShowAndPaint(*window);
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    Settle(); // what the window does once idle counts towards its memory
    std::printf("first_frame_ms=%.3f peak_kb=%ld\n", ms, PeakResidentKilobytes());
    return 0;
}

namespace {

template <typename T> T Median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::string CpuModel() {
    QFile info(QStringLiteral("/proc/cpuinfo"));
    if (info.open(QIODevice::ReadOnly))
        for (const QByteArray& line : info.readAll().split('\n'))
            if (line.startsWith("model name"))
                return line.mid(line.indexOf(':') + 1).trimmed().toStdString();
    return "unknown CPU";
}

double Get(const Collector& c, const std::string& name) {
    const auto it = c.Nanoseconds.find(name);
    return it == c.Nanoseconds.end() ? 0.0 : it->second;
}

const char* Verdict(bool met) {
    return met ? "met" : "MISSED";
}

void Ratio(const char* what, double ours, double theirs, const char* unit, double target) {
    if (ours <= 0 || theirs <= 0) {
        std::printf("  %-34s not measured (filtered out)\n", what);
        return;
    }
    const double ratio = ours / theirs;
    std::printf("  %-34s %10.3f vs %10.3f %-3s  ratio %5.2f  (target <= %.1f: %s)\n", what, ours,
                theirs, unit, ratio, target, Verdict(ratio <= target));
}

} // namespace

ColdStart MeasureInChild(const std::string& mode) {
    std::vector<double> frames;
    std::vector<long> peaks;
    for (int run = 0; run < 5; ++run) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--child=%1").arg(QString::fromStdString(mode))});
        if (!child.waitForFinished(60000) || child.exitCode() != 0) continue;
        const QString out = QString::fromLocal8Bit(child.readAllStandardOutput());
        const auto m =
            QRegularExpression(QStringLiteral("first_frame_ms=([0-9.]+) peak_kb=([0-9]+)"))
                .match(out);
        if (!m.hasMatch()) continue;
        frames.push_back(m.captured(1).toDouble());
        peaks.push_back(m.captured(2).toLong());
    }
    if (frames.empty()) return {};
    return {Median(frames), Median(peaks)};
}

namespace {

// For comparison, under a ratio: the same controls as plain Qt builds them.
void Beside(double ours, double plain, const char* unit) {
    if (ours > 0 && plain > 0)
        std::printf("    the same controls as plain Qt builds them: %.3f %s, ratio %.2f\n", plain,
                    unit, ours / plain);
}

} // namespace

void PrintSummary(const Collector& c, const MainWindowShape& shape) {
    std::printf("\nSummary on %ld logical CPUs, %s\n", sysconf(_SC_NPROCESSORS_ONLN),
                CpuModel().c_str());
    std::printf("  bare window: %d plain widgets, as many as the main window has\n", shape.Widgets);
    const double warm = Get(c, StartupMain) / 1e6;
    Ratio("start-up to first frame (warm)", warm, Get(c, StartupBare) / 1e6, "ms", 1.2);
    Beside(warm, Get(c, StartupPlain) / 1e6, "ms");

    const ColdStart main = MeasureInChild("main");
    const ColdStart bare = MeasureInChild("bare:" + std::to_string(shape.Widgets));
    const ColdStart plain = MeasureInChild("plain:" + Written(shape.Plan));
    Ratio("start-up to first frame (cold)", main.FirstFrameMs, bare.FirstFrameMs, "ms", 1.2);
    Beside(main.FirstFrameMs, plain.FirstFrameMs, "ms");
    Ratio("peak resident memory", double(main.PeakKilobytes) / 1024,
          double(bare.PeakKilobytes) / 1024, "MB", 1.2);
    Beside(double(main.PeakKilobytes) / 1024, double(plain.PeakKilobytes) / 1024, "MB");

    const double removal = Get(c, ListRemove) / 1e6;
    if (removal > 0)
        std::printf("  %-34s %10.3f ms  (target < 2 ms: %s)\n", "remove a line of 1000, replayed",
                    removal, Verdict(removal < 2.0));
    if (const double read = Get(c, ListRead) / 1e6; read > 0)
        std::printf("  %-34s %10.3f ms\n", "read a file of 10000 lines", read);
    if (const double open = Get(c, ListOpenWindow) / 1e6; open > 0)
        std::printf("  %-34s %10.3f ms  (target < 50 ms: %s)\n", "open 10000 lines in the window",
                    open, Verdict(open < 50));
    if (const double add = Get(c, ListAddWindow) / 1e6; add > 0)
        std::printf("  %-34s %10.3f ms  (target < 2 ms: %s)\n", "Add with 1000 lines listed", add,
                    Verdict(add < 2));
    // On one core: the program's CPU time.
    const auto cli = [&](const char* what, const char* name, double target) {
        const auto it = c.CpuNanoseconds.find(name);
        if (it == c.CpuNanoseconds.end()) return;
        const double perSecond = double(CliLines) / (it->second / 1e9);
        std::printf("  %-34s %10.0f lines/s  (target >= %.0f: %s)\n", what, perSecond, target,
                    Verdict(perSecond >= target));
    };
    cli("kubatrix-calc --totals", CliTotals, 1500000);
    cli("kubatrix-calc table", CliTable, 400000);
#ifdef KUBATRIX_BENCH_CLI
    if (const double peak = CliTablePeakOverFileSize(); peak > 0)
        std::printf("  %-34s %10.2f x the file  (target <= 2.5: %s)\n",
                    "kubatrix-calc table, peak memory", peak, Verdict(peak <= 2.5));
#endif

    // The Sections window: its first opening in a fresh process, and a
    // keystroke of its search over all the sections.
    if (const ColdStart sections = MeasureInChild("sections"); sections.FirstFrameMs > 0)
        std::printf("  %-34s %10.3f ms  (target < 100 ms: %s)\n", "Sections window, first open",
                    sections.FirstFrameMs, Verdict(sections.FirstFrameMs < 100));
    if (const double key = Get(c, "sections/window, a keystroke of the search") / 1e6; key > 0)
        std::printf("  %-34s %10.3f ms  (target < 5 ms: %s)\n", "Sections search, a keystroke", key,
                    Verdict(key < 5));

    PrintCutlistSummary();

    std::printf("  handlers, keystroke or click until repainted (target < 1 ms each):\n");
    for (const auto& [name, ns] : c.Nanoseconds)
        if (name.rfind("handler/", 0) == 0)
            std::printf("    %-40s %8.1f us  %s\n", name.c_str() + 8, ns / 1e3, Verdict(ns < 1e6));
}

} // namespace bench
