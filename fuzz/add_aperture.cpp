// "Add aperture" on an arbitrary prior state with arbitrary texts in every
// control it reads. It either ends with one of the messages the window may
// show (leaving the state as it was), or returns a state with finite totals
// whose result fields can be written in every unit. With the marker in the
// Volume field it cuts weight only, keeping the volume and the marker;
// without, it always shows the volume.
#include "AddInputs.h"

namespace {

const std::vector<std::string>& TypeNames() {
    static const std::vector<std::string> names = fuzz::Names(calc::Shapes, {"Choose Type"});
    return names;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const calc::CalcState prior = fuzz::PriorState(in);
    const fuzz::AddInput input = fuzz::Input(in, TypeNames());
    const calc::CalcState copy = prior;
    const std::string context = "AddAperture(" + fuzz::Describe(input) + ")";
    try {
        const calc::AddOutcome outcome =
            calc::AddAperture(prior, fuzz::ReadInput(calc::Kind::Aperture, input, prior));
        fuzz::RequireCommitted(prior, outcome.State, input, context);
        if (input.Marker) {
            fuzz::Require(outcome.VolumeField == calc::VolumeShown::Unchanged &&
                              fuzz::SameBits(outcome.State.TotalVolume, prior.TotalVolume),
                          context + ": the volume changed under the marker");
        } else {
            fuzz::Require(outcome.VolumeField == calc::VolumeShown::Total,
                          context + ": the volume not shown");
        }
        if (!calc::FindShape(input.Type, true))
            fuzz::Require(fuzz::SameBits(outcome.State.TotalVolume, prior.TotalVolume),
                          context + ": a name of no aperture changed the volume");
    } catch (const calc::Error& e) {
        fuzz::RequireKnownMessage(e.Message(), input, context);
        fuzz::RequireDensityReadFirst(e.Message(), input, context);
    }
    fuzz::Require(fuzz::SameState(prior, copy), context + ": the prior state changed");
    return 0;
}
