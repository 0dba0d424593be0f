// kubatrix-calc on a file of a million lines, read from standard input ("-")
// and held in memory: the totals alone, and the table. What it prints is
// thrown away. Then, in a process of its own, the peak memory of the table
// of that file against the file's size.
#include "Benchmarks.h"
#include "PartsLists.h"

#include "cli/Run.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

namespace bench {
namespace {

const std::string& CliText() {
    static const std::string text = PartsText(CliLines);
    return text;
}

// Takes every character and keeps none.
class Discard : public std::streambuf {
protected:
    int overflow(int c) override { return traits_type::not_eof(c); }
    std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// A figure of /proc/self/status, such as "VmHWM:".
long StatusKilobytes(std::string_view field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with(field)) return std::stol(line.substr(field.size()));
    return 0;
}

void RunCli(benchmark::State& state, std::vector<const char*> argv) {
    Discard discard;
    std::ostream out(&discard);
    for (auto _ : state) {
        state.PauseTiming();
        std::istringstream in(CliText());
        std::ostringstream err;
        state.ResumeTiming();
        const int status = cli::Run(int(argv.size()), argv.data(), in, out, err);
        if (status != 0) state.SkipWithError(("kubatrix-calc failed: " + err.str()).c_str());
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(CliLines));
}

} // namespace

// A few seconds each: a single run of a second or two varies by a tenth.
void RegisterCliBenchmarks() {
    using Argv = std::vector<const char*>;
    benchmark::RegisterBenchmark(CliTotals, RunCli, Argv{"kubatrix-calc", "--totals", "-"})
        ->Iterations(3)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(CliTable, RunCli, Argv{"kubatrix-calc", "-"})
        ->Iterations(3)
        ->Unit(benchmark::kMillisecond);
}

// Run as the program's own child: the table of the file at `path`, then how
// far the resident memory rose above what the process held before it, in
// kilobytes.
int RunCliChild(const std::string& path) {
    std::ofstream("/proc/self/clear_refs") << "5"; // the peak so far forgotten
    const long before = StatusKilobytes("VmRSS:");
    const char* const argv[] = {"kubatrix-calc", path.c_str()};
    Discard discard;
    std::ostream out(&discard);
    std::istringstream in;
    std::ostringstream err;
    const int status = cli::Run(2, argv, in, out, err);
    std::printf("table_kb=%ld\n", StatusKilobytes("VmHWM:") - before);
    return status;
}

// In a child process: the parent holds the text and more besides.
double CliTablePeakOverFileSize() {
    const QString path = QDir::temp().filePath(
        QStringLiteral("kubatrix-bench-%1.csv").arg(QCoreApplication::applicationPid()));
    std::ofstream(path.toStdString(), std::ios::binary) << CliText();
    QProcess child;
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child=cli:") + path});
    const bool ran = child.waitForFinished(300000) && child.exitCode() == 0;
    QFile::remove(path);
    const auto m = QRegularExpression(QStringLiteral("table_kb=([0-9]+)"))
                       .match(QString::fromLocal8Bit(child.readAllStandardOutput()));
    if (!ran || !m.hasMatch()) return 0;
    return m.captured(1).toDouble() * 1024 / double(CliText().size());
}

} // namespace bench
