// The standard sections: their first use (the tables read and indexed), a
// keystroke of the search over all 3 802 of them, as people type names
// (target: well under 5 ms), and the near names offered for a name of none.
//
// Registered where they are defined, so they run before the benchmarks that
// main() registers: the first one then meets the tables still unread, as the
// program does the first time a section is asked for.
#include "catalogue/SectionData.h"
#include "catalogue/Sections.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

// Once: the whole of what a first lookup costs.
void FirstUse(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(catalogue::Sections().size());
}
BENCHMARK(FirstUse)->Name("sections/first use")->Iterations(1)->Unit(benchmark::kMillisecond);

// Reading the compiled-in tables alone, without the index.
void ReadTables(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(catalogue::ReadSections(catalogue::SectionFiles()).size());
    state.SetItemsProcessed(state.iterations() * std::int64_t(catalogue::Sections().size()));
}
BENCHMARK(ReadTables)->Name("sections/read the tables")->Unit(benchmark::kMillisecond);

// The keystrokes of a few searches typed in full, one per iteration in turn.
void TypeSearches(benchmark::State& state) {
    std::vector<std::string> keystrokes;
    for (const std::string typed :
         {"heb 200", "he 200 b", "shs 100x5", "nps 4 sch 40", "4\" sch 40", "100x50", "w8x31",
          "w200x46.1", "hss6x4x1/4", "ub 305x165x40", "en 10219 rhs 200x100"})
        for (std::size_t n = 1; n <= typed.size(); ++n)
            keystrokes.push_back(typed.substr(0, n));
    catalogue::Sections();
    std::size_t next = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            catalogue::SearchSections(keystrokes[next++ % keystrokes.size()]).size());
}
BENCHMARK(TypeSearches)->Name("sections/search, a keystroke")->Unit(benchmark::kMicrosecond);

// The broadest searches: one character, which most sections match.
void BroadSearch(benchmark::State& state) {
    catalogue::Sections();
    bool digit = false;
    for (auto _ : state)
        benchmark::DoNotOptimize(catalogue::SearchSections((digit = !digit) ? "1" : "s").size());
}
BENCHMARK(BroadSearch)->Name("sections/search, one character")->Unit(benchmark::kMicrosecond);

// By size within a family, and by edits where no family is named, in turn.
void NearNames(benchmark::State& state) {
    catalogue::Sections();
    bool bySize = false;
    for (auto _ : state)
        benchmark::DoNotOptimize(
            catalogue::NearSections((bySize = !bySize) ? "IPE 210" : "hex 200").size());
}
BENCHMARK(NearNames)->Name("sections/near names of an unknown one")->Unit(benchmark::kMicrosecond);

} // namespace
