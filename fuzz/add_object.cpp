// "Add object" on an arbitrary prior state with arbitrary texts in every
// control it reads. It either ends with one of the messages the window may
// show (and, working on a const state, leaves that state as it was), or
// returns a state with finite totals whose result fields can be written in
// every unit. "Choose Type" returns nothing; a profile shows the marker and
// keeps the volume; a name of no type changes neither total.
#include "AddInputs.h"

namespace {

const std::vector<std::string>& TypeNames() {
    static const std::vector<std::string> names = fuzz::Names(calc::ObjectTypes, {"Choose Type", "Pipe", "Hexahedron"});
    return names;
}

bool IsSolid(const std::string& type) {
    const calc::ObjectType* t = calc::FindObjectType(type);
    return (t && t->Profile == calc::NoProfile) || type == "Pipe" || type == "Hexahedron";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const calc::CalcState prior = fuzz::PriorState(in);
    const calc::AddInput input = fuzz::Input(in, TypeNames());
    const calc::CalcState copy = prior;
    const std::string context = "AddObject(" + fuzz::Describe(input) + ")";
    try {
        const auto outcome = calc::AddObject(prior, input);
        if (input.Type == "Choose Type") {
            fuzz::Require(!outcome, context + ": did something while the type was not chosen");
            return 0;
        }
        fuzz::Require(outcome.has_value(), context + ": nothing done for a chosen type");
        const calc::CalcState& next = outcome->State;
        fuzz::RequireCommitted(prior, next, input, context);
        const calc::ObjectType* type = calc::FindObjectType(input.Type);
        if (type && type->Profile != calc::NoProfile) {
            fuzz::Require(outcome->VolumeField == calc::VolumeShown::Marker, context + ": no marker");
            fuzz::Require(fuzz::SameBits(next.TotalVolume, prior.TotalVolume),
                          context + ": a profile changed the volume");
        } else if (IsSolid(input.Type)) {
            fuzz::Require(outcome->VolumeField == calc::VolumeShown::Total,
                          context + ": a solid's volume not shown");
        } else {
            fuzz::Require(outcome->VolumeField == calc::VolumeShown::Unchanged &&
                              fuzz::SameBits(next.TotalVolume, prior.TotalVolume) &&
                              fuzz::SameBits(next.TotalWeight, prior.TotalWeight),
                          context + ": a name of no type changed the totals");
        }
    } catch (const calc::Error& e) {
        fuzz::Require(input.Type != "Choose Type", context + ": an error with no type chosen");
        fuzz::RequireKnownMessage(e.Message(), input, context);
        fuzz::RequireDensityReadFirst(e.Message(), input, context);
    }
    fuzz::Require(fuzz::SameState(prior, copy), context + ": the prior state changed");
    return 0;
}
