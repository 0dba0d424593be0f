#include "partslist/Replay.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace partslist {
namespace {

// The click's input. Most lines share a density, whose text is made again
// only when it changes.
void FillInput(calc::AddInput& input, const Line& line, std::int32_t density,
               std::optional<std::int32_t>& densityShown) {
    input.Type = line.Type;
    if (densityShown != density) {
        input.Density = std::to_string(density);
        densityShown = density;
    }
    input.Quantity = line.Quantity;
    input.Rows = line.Rows;
    input.VolumeField.clear();
    if (line.Kind == Kind::Aperture && line.CutByWeight) input.VolumeField = calc::NoVolumeMarker;
}

} // namespace

void Replayer::Add(const Line& line) {
    if (!NamesAType(line))
        throw calc::Error("'" + line.Type + "' is no type of " + KindName(line.Kind));
    calc::CalcState state = out_.State;
    // A profile weighs what the size on its line weighs; a line without a
    // size weighs nothing, as a click before any size was chosen does.
    if (const auto profile = ProfileOf(line)) {
        const auto mass = catalogue::SelectSize(catalogue::SizeTable(*profile), line.Size);
        state.ProfileMass[static_cast<std::size_t>(*profile)] = mass.value_or(0.0);
    }
    FillInput(input_, line, density_.value_or(line.Density), densityShown_);
    const auto outcome =
        line.Kind == Kind::Aperture ? std::optional(calc::AddAperture(state, input_))
        : line.Type == SectionType
            ? std::optional(calc::AddSection(state, input_, catalogue::CrossSectionMm2(SectionOf(line))))
            : calc::AddObject(state, input_);
    LineResult result;
    if (outcome->VolumeField == calc::VolumeShown::Total) {
        // Every line with a volume is weighed again at this density; the
        // largest of them is the one that could weigh past a double.
        const double largest = std::max(largestVolume_, std::fabs(outcome->AddedVolume));
        WeightOfVolume(largest, outcome->State.Density); // throws: this line counts for nothing
        largestVolume_ = largest;
        result.Volume = outcome->AddedVolume;
        volumeDensity_ = outcome->State.Density;
    }
    result.Weight = outcome->AddedProfileWeight;
    out_.Lines.push_back(result);
    out_.State = outcome->State;
    if (outcome->VolumeField != calc::VolumeShown::Unchanged)
        out_.VolumeMarker = outcome->VolumeField == calc::VolumeShown::Marker;
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
