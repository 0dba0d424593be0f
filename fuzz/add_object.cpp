// "Add object" on an arbitrary prior state with arbitrary texts in every
// control it reads. It either ends with one of the messages the window may
// show (and, working on a const state, leaves that state as it was), or
// returns a state with finite totals whose result fields can be written in
// every unit. A profile shows the marker and keeps the volume; a name of no
// type ("Choose Type", which the window never hands on, among them) changes
// neither total.
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
    const std::string context = "AddObject(" + fuzz::Describe(input) + ")";
    try {
        const auto outcome =
            calc::AddObject(prior, fuzz::ReadInput(calc::Kind::Object, input, prior));
        const calc::CalcState& next = outcome.State;
        fuzz::RequireCommitted(prior, next, input, context);
        const calc::Shape* type = calc::FindShape(input.Type, false);
        if (type && type->Profile != calc::NoProfile) {
            fuzz::Require(outcome.VolumeField == calc::VolumeShown::Marker, context + ": no marker");
            fuzz::Require(fuzz::SameBits(next.TotalVolume, prior.TotalVolume),
                          context + ": a profile changed the volume");
        } else if (type) {
            fuzz::Require(outcome.VolumeField == calc::VolumeShown::Total,
                          context + ": a solid's volume not shown");
        } else {
            fuzz::Require(outcome.VolumeField == calc::VolumeShown::Unchanged &&
                              fuzz::SameBits(next.TotalVolume, prior.TotalVolume) &&
                              fuzz::SameBits(next.TotalWeight, prior.TotalWeight),
                          context + ": a name of no type changed the totals");
        }
    } catch (const calc::Error& e) {
        fuzz::RequireKnownMessage(e.Message(), input, context);
        fuzz::RequireDensityReadFirst(e.Message(), input, context);
    }
    fuzz::Require(fuzz::SameState(prior, copy), context + ": the prior state changed");
    return 0;
}
