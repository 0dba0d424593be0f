#pragma once
// Collects what the benchmarks measured and sets the figures side by side
// with their targets.
#include "Benchmarks.h"

#include <benchmark/benchmark.h>

#include <map>
#include <string>

namespace bench {

// The console output as usual, and each benchmark's real and CPU time per
// iteration kept by its name (without settings such as "/iterations:3").
class Collector : public benchmark::ConsoleReporter {
public:
    Collector();
    void ReportRuns(const std::vector<Run>& runs) override;
    std::map<std::string, double> Nanoseconds, CpuNanoseconds;
};

// What a child process measured of one window, cold: its first frame after
// construction, and the peak resident memory of the whole process.
struct ColdStart {
    double FirstFrameMs = 0;
    long PeakKilobytes = 0;
};

// Runs this program again in the given child mode, a few times; the medians.
ColdStart MeasureInChild(const std::string& mode);

// The child's side: builds the window, paints it, prints the figures; or,
// given "cli:FILE", measures kubatrix-calc's table of the file.
int RunChild(const std::string& mode);

void PrintSummary(const Collector& collected, const MainWindowShape& shape);

} // namespace bench
