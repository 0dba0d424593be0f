#pragma once
// The benchmarks of this binary, by name, so the summary can set them side
// by side.
#include "Windows.h"

namespace bench {

inline constexpr const char* StartupMain = "startup/main window";
inline constexpr const char* StartupBare = "startup/bare window";
inline constexpr const char* StartupPlain = "startup/same controls, plain Qt";
inline constexpr const char* HandlerPictureFirst = "handler/type box, picture first";
inline constexpr const char* HandlerPictureCached = "handler/type box, picture cached";
inline constexpr const char* HandlerAddObject = "handler/Add object click";
inline constexpr const char* HandlerWeightUnit = "handler/weight unit";
inline constexpr const char* ParseNumber = "core/ParseNumber";
inline constexpr const char* FromChars = "core/std::from_chars";
inline constexpr const char* FormatTotal = "core/FormatTotal";
inline constexpr const char* ToChars = "core/std::to_chars";

// Values a benchmark of the core works through per iteration.
inline constexpr int CoreBatch = 1024;

// The main window's widgets are counted, and its controls planned plainly,
// once, before the benchmarks run.
struct MainWindowShape {
    int Widgets = 0;
    PlainPlan Plan;
};

void RegisterWindowBenchmarks(const MainWindowShape& shape);
void RegisterCoreBenchmarks();

} // namespace bench
