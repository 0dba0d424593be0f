// The cut list's solver: generated steel jobs (300 pieces of 40 lengths on
// 6 m and 12 m bars at 60 and 114, 3 mm kerf, 10 mm trims), and published
// bin-packing instances with proven optima (Falkenauer's U and T in the
// repository; Scholl's set 1 and Hard28 from BPPLIB where KUBATRIX_BPPLIB
// names a folder with them). Each instance is solved once, on this thread,
// against the wall clock, and compared with first-fit decreasing.
//
// Registered where they are defined; the summary reads what they found.
#include "Benchmarks.h"

#include "cutlist/Cutlist.h"
#include "cutlist/tests/BinPacking.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <random>

namespace bench {
namespace {

struct SetFigures {
    int Instances = 0, Optimal = 0, GreedyAbove = 0, GreedyMost = 0;
    double Worst = 0, Total = 0;
    std::string WorstName;
};

std::map<std::string, SetFigures>& Figures() {
    static std::map<std::string, SetFigures> figures;
    return figures;
}

double Seconds(const std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

void Record(SetFigures& set, const std::string& name, double seconds, bool optimal, int above) {
    ++set.Instances;
    set.Optimal += optimal;
    set.Total += seconds;
    if (above > 0) ++set.GreedyAbove;
    set.GreedyMost = std::max(set.GreedyMost, above);
    if (seconds > set.Worst) {
        set.Worst = seconds;
        set.WorstName = name;
    }
}

// A steel job as a take-off brings it: 40 lengths from 300 to 5000 mm in
// whole millimetres, 1 to 14 pieces of each, 300 in all. The generator is a
// plain mt19937 reduced by remainders, the same on every standard library.
cutlist::Job SteelJob(unsigned seed) {
    std::mt19937 random(seed);
    cutlist::Job job;
    job.Saw = {30, 100, 5000};
    job.Stocks = {{60000, 60.0, {}}, {120000, 114.0, {}}};
    int left = 300;
    for (int line = 1; line <= 40; ++line) {
        int count = line == 40 ? left : 1 + int(random() % 14);
        count = std::min(count, left - (40 - line));
        left -= count;
        job.Pieces.push_back({(300 + cutlist::Tenths(random() % 4701)) * 10, count, line});
    }
    return job;
}

void SteelJobs(benchmark::State& state) {
    SetFigures& set = Figures()[CutlistSteel];
    set = {};
    unsigned seed = 0;
    for (auto _ : state) {
        const cutlist::Job job = SteelJob(++seed);
        const auto start = std::chrono::steady_clock::now();
        const cutlist::Plan plan = cutlist::Solve(job);
        const double seconds = Seconds(start);
        const double greedy = *cutlist::FirstFitDecreasing(job).Cost;
        Record(set, "seed " + std::to_string(seed), seconds, plan.ProvenOptimal,
               int(std::lround(100 * (greedy / *plan.Cost - 1) * 100)));
    }
}
BENCHMARK(SteelJobs)
    ->Name(CutlistSteel)
    ->Iterations(CutlistSteelJobs)
    ->Unit(benchmark::kMillisecond);

// Every instance of a folder with a proven optimum: solved to it, and the
// greedy plan's bars against it.
void PublishedSet(benchmark::State& state, const std::string& name, const std::string& folder,
                  const std::string& prefix = "") {
    namespace fs = std::filesystem;
    if (folder.empty() || !fs::is_directory(folder)) {
        state.SkipWithError("set KUBATRIX_BPPLIB to a folder with BPPLIB's instances");
        return;
    }
    const auto optima = cutlist::testing::ReadOptima(KUBATRIX_BPP_DATA "/optima.txt");
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder))
        if (const std::string stem = entry.path().stem().string();
            entry.path().extension() == ".txt" && optima.count(stem) && stem.rfind(prefix, 0) == 0)
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    SetFigures& set = Figures()[name];
    set = {};
    for (auto _ : state)
        for (const auto& file : files) {
            const auto job = cutlist::testing::ReadBinPacking(file.string());
            if (!job) continue;
            const int optimum = optima.at(file.stem().string());
            const auto start = std::chrono::steady_clock::now();
            const cutlist::Plan plan = cutlist::Solve(*job);
            const double seconds = Seconds(start);
            Record(set, file.stem().string(), seconds, plan.ProvenOptimal && plan.Bars == optimum,
                   cutlist::FirstFitDecreasing(*job).Bars - optimum);
        }
}

std::string Bpplib(const char* sub) {
    const char* root = std::getenv("KUBATRIX_BPPLIB");
    return root ? std::string(root) + "/" + sub : std::string();
}

void FalkenauerU(benchmark::State& state) {
    PublishedSet(state, CutlistFalkenauerU, KUBATRIX_BPP_DATA, "Falkenauer_u");
}
void FalkenauerT(benchmark::State& state) {
    PublishedSet(state, CutlistFalkenauerT, KUBATRIX_BPP_DATA, "Falkenauer_t");
}
void Scholl1(benchmark::State& state) {
    PublishedSet(state, CutlistScholl1, Bpplib("Scholl_CSP/Scholl_1"));
}
void Hard28(benchmark::State& state) {
    PublishedSet(state, CutlistHard28, Bpplib("Hard28_CSP"));
}
BENCHMARK(FalkenauerU)->Name(CutlistFalkenauerU)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(FalkenauerT)->Name(CutlistFalkenauerT)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(Scholl1)->Name(CutlistScholl1)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(Hard28)->Name(CutlistHard28)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

void PrintCutlistSummary() {
    const auto line = [](const char* what, const char* name, double target, const char* greedy) {
        const auto it = Figures().find(name);
        if (it == Figures().end() || it->second.Instances == 0) {
            std::printf("  %-34s not measured\n", what);
            return;
        }
        const SetFigures& s = it->second;
        const bool met = s.Optimal == s.Instances && s.Worst < target;
        std::printf("  %-34s %d of %d proven optimal, worst %.3f s (%s), mean %.3f s  "
                    "(target < %.1f s each: %s)\n",
                    what, s.Optimal, s.Instances, s.Worst, s.WorstName.c_str(),
                    s.Total / s.Instances, target, met ? "met" : "MISSED");
        if (greedy[0] == '%')
            std::printf("    first-fit decreasing costs more on %d of %d, up to %.2f %%\n",
                        s.GreedyAbove, s.Instances, s.GreedyMost / 100.0);
        else
            std::printf("    first-fit decreasing needs more bars on %d of %d, up to %d more\n",
                        s.GreedyAbove, s.Instances, s.GreedyMost);
    };
    line("cut list, steel jobs of 300 pieces", CutlistSteel, 0.5, "%");
    line("cut list, Falkenauer U", CutlistFalkenauerU, 1.0, "bars");
    line("cut list, Falkenauer T", CutlistFalkenauerT, 1.0, "bars");
    line("cut list, Scholl set 1", CutlistScholl1, 1.0, "bars");
    line("cut list, Hard28", CutlistHard28, 10.0, "bars");
}

} // namespace bench
