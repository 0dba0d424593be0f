#include "partslist/Replay.h"

#include "calc/Add.h"

#include <algorithm>
#include <cmath>

namespace partslist {

void Replayer::Add(const Line& line) {
    calc::Part part = line;
    if (density_) part.Density = *density_;
    const calc::AddOutcome outcome = part.Kind == Kind::Aperture
                                         ? calc::AddAperture(out_.State, part)
                                         : calc::AddObject(out_.State, part);
    LineResult result;
    if (outcome.VolumeField == calc::VolumeShown::Total) {
        // Every line with a volume is weighed again at this density; the
        // largest of them is the one that could weigh past a double.
        const double largest = std::max(largestVolume_, std::fabs(outcome.AddedVolume));
        WeightOfVolume(largest, outcome.State.Density); // throws: this line counts for nothing
        largestVolume_ = largest;
        result.Volume = outcome.AddedVolume;
        volumeDensity_ = outcome.State.Density;
    }
    result.Weight = outcome.AddedProfileWeight;
    result.PricePerKg = line.PricePerKg;
    out_.Lines.push_back(result);
    out_.State = outcome.State;
    if (outcome.VolumeField != calc::VolumeShown::Unchanged)
        out_.VolumeMarker = outcome.VolumeField == calc::VolumeShown::Marker;
}

Replay Replayer::Finish() && {
    out_.WeighedAt = volumeDensity_;
    for (LineResult& r : out_.Lines)
        if (r.Volume) r.Weight = WeightOfVolume(*r.Volume, volumeDensity_);
    return std::move(out_);
}

Replay ReplayLines(std::span<const Line> lines, std::optional<std::int32_t> density) {
    Replayer replayer(density);
    replayer.Reserve(lines.size());
    for (const Line& line : lines)
        replayer.Add(line);
    return std::move(replayer).Finish();
}

} // namespace partslist
