#pragma once
// The benchmarks of this binary, by name, so the summary can set them side
// by side.
#include "Windows.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace benchmark {
class State;
}

namespace bench {

inline constexpr const char* StartupMain = "startup/main window";
inline constexpr const char* StartupBare = "startup/bare window";
inline constexpr const char* StartupPlain = "startup/same controls, plain Qt";
inline constexpr const char* HandlerPictureFirst = "handler/type box, picture first";
inline constexpr const char* HandlerPictureCached = "handler/type box, picture cached";
inline constexpr const char* HandlerAddObject = "handler/Add object click";
inline constexpr const char* HandlerWeightUnit = "handler/weight unit";
inline constexpr const char* ListRemove = "list/remove a line of 1000";
inline constexpr const char* ListRead = "list/read 10000 lines";
inline constexpr const char* ListOpenWindow = "list/open 10000 lines in the window";
inline constexpr const char* ListAddWindow = "list/Add with 1000 lines in the window";
inline constexpr const char* CliTotals = "cli/kubatrix-calc --totals 1000000 lines";
inline constexpr const char* CliTable = "cli/kubatrix-calc table 1000000 lines";
inline constexpr const char* CutlistSteel = "cutlist/steel job, 300 pieces, 6 m and 12 m priced";
inline constexpr const char* CutlistFalkenauerU = "cutlist/Falkenauer U, every instance";
inline constexpr const char* CutlistFalkenauerT = "cutlist/Falkenauer T, every instance";
inline constexpr const char* CutlistScholl1 = "cutlist/Scholl set 1, every instance";
inline constexpr const char* CutlistHard28 = "cutlist/Hard28, every instance";

// Generated steel jobs the cut list solves, one per iteration.
inline constexpr int CutlistSteelJobs = 8;

// Lines of the list a line is removed from, of the file read, and of the file
// kubatrix-calc works through.
inline constexpr std::size_t ListLines = 1000;
inline constexpr std::size_t ListFileLines = 10000;
inline constexpr std::size_t CliLines = 1000000;

// The main window's widgets are counted, and its controls planned plainly,
// once, before the benchmarks run.
struct MainWindowShape {
    int Widgets = 0;
    PlainPlan Plan;
};

void RegisterWindowBenchmarks(const MainWindowShape& shape);
void RegisterListBenchmarks();
void RegisterCliBenchmarks(); // only where kubatrix-calc's library is built

// The cut list's figures against their targets (cutlist_bench.cpp).
void PrintCutlistSummary();

// How far kubatrix-calc's memory rises while it prints the table of a file
// of CliLines lines, over the file's size; 0 where it could not be run. The
// child process that measures it runs RunCliChild.
double CliTablePeakOverFileSize();
int RunCliChild(const std::string& path);

} // namespace bench
