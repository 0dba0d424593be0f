#include "partslist/Replay.h"

#include <string>

namespace partslist {
namespace {

// The click's input. One AddInput serves the whole replay, so that its texts
// keep their memory; most lines share a density, whose text is made again
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

Replay ReplayLines(std::span<const Line> lines, std::optional<std::int32_t> density) {
    Replay out;
    out.Lines.reserve(lines.size());
    calc::CalcState& state = out.State;
    // The density the volume was last weighed at: every Add that changes the
    // volume weighs all of it again; a profile or a hole cut by weight does not.
    std::int32_t volumeDensity = 0;
    calc::AddInput input;
    std::optional<std::int32_t> densityShown;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const Line& line = lines[i];
        try {
            // A profile weighs what the size on its line weighs; a line
            // without a size weighs nothing, as a click before any size was
            // chosen does.
            if (const auto profile = ProfileOf(line)) {
                const auto mass = catalogue::SelectSize(catalogue::SizeTable(*profile), line.Size);
                state.ProfileMass[static_cast<std::size_t>(*profile)] = mass.value_or(0.0);
            }
            if (!NamesAType(line))
                throw calc::Error("'" + line.Type + "' is no type of " + KindName(line.Kind));
            FillInput(input, line, density.value_or(line.Density), densityShown);
            const auto outcome = line.Kind == Kind::Object
                                     ? calc::AddObject(state, input)
                                     : std::optional(calc::AddAperture(state, input));
            state = outcome->State;
            LineResult result;
            if (outcome->Volume == calc::VolumeShown::Total) {
                result.Volume = outcome->AddedVolume;
                volumeDensity = state.Density;
            }
            result.Weight = outcome->AddedProfileWeight;
            out.Lines.push_back(result);
            if (outcome->Volume != calc::VolumeShown::Unchanged)
                out.VolumeMarker = outcome->Volume == calc::VolumeShown::Marker;
        } catch (const calc::Error& e) {
            throw ReplayError(i, e.Message());
        }
    }
    for (LineResult& r : out.Lines)
        if (r.Volume)
            r.Weight = static_cast<double>(*r.Volume * static_cast<long double>(volumeDensity));
    return out;
}

} // namespace partslist
