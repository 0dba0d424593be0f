// The parts list: removing a line from a long list, as the list window does
// (the replay of the lines that are left, then the removal), and reading a
// long file.
#include "Benchmarks.h"
#include "PartsLists.h"

#include "partslist/Calculation.h"
#include "partslist/PartsFile.h"

#include <benchmark/benchmark.h>

namespace bench {
namespace {

const std::string& ListText() {
    static const std::string text = PartsText(ListFileLines);
    return text;
}

// A different line each time, all over the list; Undo puts it back untimed.
void RemoveLine(benchmark::State& state) {
    partslist::Calculation calculation;
    std::vector<partslist::Line> lines = PartsLines(ListLines);
    partslist::Replay replay = partslist::ReplayLines(lines);
    calculation.Replace(std::move(lines), std::move(replay), {});
    std::size_t next = 0;
    for (auto _ : state) {
        const std::size_t rows[] = {next++ * 389 % ListLines};
        calculation.Remove(rows);
        benchmark::DoNotOptimize(calculation.State().TotalWeight);
        state.PauseTiming();
        calculation.Undo();
        state.ResumeTiming();
    }
}

void ReadFile(benchmark::State& state) {
    const std::string& text = ListText();
    for (auto _ : state) {
        const partslist::OpenedList list = partslist::ReadPartsList(text, "bench.csv");
        benchmark::DoNotOptimize(list.Totals.State.TotalWeight);
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(ListFileLines));
}

} // namespace

void RegisterListBenchmarks() {
    benchmark::RegisterBenchmark(ListRemove, RemoveLine)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(ListRead, ReadFile)->Unit(benchmark::kMillisecond);
}

} // namespace bench
