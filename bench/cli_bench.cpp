// kubatrix-calc on a file of a million lines, read from standard input ("-")
// and held in memory, against no more than splitting the same text into
// fields. What it prints is thrown away.
#include "Benchmarks.h"
#include "PartsLists.h"

#include "cli/Run.h"

#include <benchmark/benchmark.h>

#include <sstream>
#include <streambuf>
#include <string>

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

void RunCli(benchmark::State& state) {
    const char* const argv[] = {"kubatrix-calc", "-"};
    Discard discard;
    std::ostream out(&discard);
    for (auto _ : state) {
        state.PauseTiming();
        std::istringstream in(CliText());
        std::ostringstream err;
        state.ResumeTiming();
        const int status = cli::Run(2, argv, in, out, err);
        if (status != 0) state.SkipWithError(("kubatrix-calc failed: " + err.str()).c_str());
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(CliLines));
}

} // namespace

// A few seconds each: a single run of a second or two varies by a tenth. The
// program's wall time, since it splits and formats on a second thread too.
void RegisterCliBenchmarks() {
    benchmark::RegisterBenchmark(CliRun, RunCli)
        ->Iterations(3)
        ->UseRealTime()
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(
        CliSplit, [](benchmark::State& state) { SplitFields(state, CliText(), CliLines); })
        ->Iterations(5)
        ->Unit(benchmark::kMillisecond);
}

} // namespace bench
