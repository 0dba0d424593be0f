// The core's reading and writing of numbers against the standard library's
// fastest conversions of the same values: ParseNumber against
// std::from_chars, the totals display format against std::to_chars.
#include "Benchmarks.h"

#include "calc/Display.h"
#include "calc/ParseNumber.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace bench {
namespace {

// Totals as they come: from a millionth to a billion, a few negative.
std::vector<double> Totals() {
    std::mt19937_64 random(7874);
    std::uniform_real_distribution<double> exponent(-6.0, 9.0);
    std::vector<double> values;
    for (int i = 0; i < CoreBatch; ++i)
        values.push_back((i % 10 == 0 ? -1.0 : 1.0) * std::pow(10.0, exponent(random)));
    return values;
}

// Dimensions and densities as typed: up to six decimals, a third with a
// comma. from_chars reads only the point, so it gets the point everywhere.
std::vector<std::string> Typed(bool commas) {
    std::mt19937_64 random(2700);
    std::vector<std::string> texts;
    for (int i = 0; i < CoreBatch; ++i) {
        const double value = std::pow(10.0, double(random() % 7000) / 1000.0 - 2.0);
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.*f", int(random() % 7), value);
        std::string text = buffer;
        if (commas && i % 3 == 0)
            for (char& c : text)
                if (c == '.') c = ',';
        texts.push_back(text);
    }
    return texts;
}

void ParseNumberBatch(benchmark::State& state) {
    const auto texts = Typed(true);
    for (auto _ : state)
        for (const auto& t : texts)
            benchmark::DoNotOptimize(calc::ParseNumber(t));
    state.SetItemsProcessed(state.iterations() * CoreBatch);
}

void FromCharsBatch(benchmark::State& state) {
    const auto texts = Typed(false);
    for (auto _ : state)
        for (const auto& t : texts) {
            double value = 0;
            std::from_chars(t.data(), t.data() + t.size(), value);
            benchmark::DoNotOptimize(value);
        }
    state.SetItemsProcessed(state.iterations() * CoreBatch);
}

void FormatTotalBatch(benchmark::State& state) {
    const auto values = Totals();
    for (auto _ : state)
        for (double v : values)
            benchmark::DoNotOptimize(calc::FormatTotal(v, '.'));
    state.SetItemsProcessed(state.iterations() * CoreBatch);
}

// The shortest text that reads back as the same double, into a buffer.
void ToCharsBatch(benchmark::State& state) {
    const auto values = Totals();
    for (auto _ : state)
        for (double v : values) {
            char buffer[32];
            benchmark::DoNotOptimize(std::to_chars(buffer, buffer + sizeof buffer, v).ptr);
            benchmark::ClobberMemory();
        }
    state.SetItemsProcessed(state.iterations() * CoreBatch);
}

} // namespace

void RegisterCoreBenchmarks() {
    benchmark::RegisterBenchmark(ParseNumber, ParseNumberBatch);
    benchmark::RegisterBenchmark(FromChars, FromCharsBatch);
    benchmark::RegisterBenchmark(FormatTotal, FormatTotalBatch);
    benchmark::RegisterBenchmark(ToChars, ToCharsBatch);
}

} // namespace bench
