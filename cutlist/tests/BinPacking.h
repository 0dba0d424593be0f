#pragma once
// Reads a published bin-packing instance in the cutting-stock form BPPLIB
// uses: the number of lengths, the bin's capacity, then a length and its
// count per line. As a cut list: one stock length of the capacity, no kerf,
// no trims, every piece from line 1 on, the numbers taken as tenths of a
// millimetre. Shared by the tests and the benchmarks.
#include "cutlist/Cutlist.h"

#include <fstream>
#include <map>
#include <optional>
#include <string>

namespace cutlist::testing {

inline std::optional<Job> ReadBinPacking(const std::string& path) {
    std::ifstream file(path);
    int lengths = 0;
    Tenths capacity = 0;
    if (!(file >> lengths >> capacity)) return std::nullopt;
    Job job;
    job.Saw = {0, 0, 0};
    job.Stocks = {{capacity, std::nullopt, std::nullopt}};
    for (int line = 1; line <= lengths; ++line) {
        Piece piece{0, 0, line};
        if (!(file >> piece.Length >> piece.Count)) return std::nullopt;
        job.Pieces.push_back(piece);
    }
    return job;
}

// The optimal bar counts, "name count" a line, '#' for a comment.
inline std::map<std::string, int> ReadOptima(const std::string& path) {
    std::ifstream file(path);
    std::map<std::string, int> optima;
    std::string name;
    int bars = 0;
    while (file >> name) {
        if (name[0] == '#') {
            std::getline(file, name);
            continue;
        }
        if (file >> bars) optima[name] = bars;
    }
    return optima;
}

} // namespace cutlist::testing
