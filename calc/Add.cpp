#include "calc/Add.h"

#include "calc/StoreDouble.h"

namespace calc {
namespace {

// The density, and the undo snapshot of the totals as they are before the click.
CalcState WithSnapshot(const CalcState& state, const Part& part) {
    CalcState next = state;
    next.Density = part.Density;
    next.UndoWeight = state.TotalWeight;
    next.UndoVolume = state.TotalVolume;
    next.UndoProfileWeight = state.ProfileWeight;
    return next;
}

// The weight of everything with a volume is re-weighed at the density of this
// click; the weight of rolled profiles, which has no volume, is kept.
double WeightOfTotals(const CalcState& s) {
    return StoreDouble(static_cast<long double>(s.Density) * s.TotalVolume + s.ProfileWeight);
}

// The rows in millimetres, in the order a, b, c: the first that overflows throws.
std::array<double, 3> Millimetres(const Part& part) {
    return {part.Rows[0].Millimetres(), part.Rows[1].Millimetres(), part.Rows[2].Millimetres()};
}

long double Volume(const Shape& shape, const std::array<double, 3>& mm, const Part& part) {
    return shape.Volume({mm[0], mm[1], mm[2], static_cast<long double>(part.Quantity),
                         part.SectionArea});
}

constexpr long double ProfileTableDensity = 7874.0L;

} // namespace

AddOutcome AddObject(const CalcState& state, const Part& part) {
    CalcState s = WithSnapshot(state, part);
    s.ObjectQuantity = part.Quantity;
    const auto mm = Millimetres(part);
    s.ObjectA = mm[0];
    s.ObjectB = mm[1];
    s.ObjectC = mm[2];

    const Shape* type = part.Type && part.Type->Object ? part.Type : nullptr;
    if (!type) return AddOutcome{s, VolumeShown::Unchanged}; // a typed name of no type
    if (type->Profile != NoProfile) {
        const long double weight = s.Density / ProfileTableDensity * part.ProfileMass * s.ObjectC *
                                   s.ObjectQuantity / 1000.0L;
        s.TotalWeight = StoreDouble(weight + state.TotalWeight);
        s.ProfileWeight = StoreDouble(weight + state.ProfileWeight);
        return AddOutcome{s, VolumeShown::Marker, 0.0, StoreDouble(weight)};
    }
    const long double volume = Volume(*type, mm, part);
    s.TotalVolume = StoreDouble(volume + state.TotalVolume);
    s.TotalWeight = WeightOfTotals(s);
    return AddOutcome{s, VolumeShown::Total, StoreDouble(volume), 0.0};
}

AddOutcome AddAperture(const CalcState& state, const Part& part) {
    CalcState s = WithSnapshot(state, part);
    s.ApertureQuantity = part.Quantity;
    const auto mm = Millimetres(part);
    s.ApertureA = mm[0];
    s.ApertureB = mm[1];
    s.ApertureC = mm[2];

    double volume = 0.0; // any text that names no aperture subtracts nothing
    if (part.Type && part.Type->Aperture) volume = StoreDouble(Volume(*part.Type, mm, part));

    if (part.CutByWeight) {
        // The totals hold profiles without a volume: cut the aperture's weight.
        const long double cut = static_cast<long double>(s.Density) * volume;
        s.TotalWeight = StoreDouble(state.TotalWeight - cut);
        s.ProfileWeight = StoreDouble(state.ProfileWeight - cut);
        return AddOutcome{s, VolumeShown::Unchanged, 0.0, StoreDouble(-cut)};
    }
    s.TotalVolume = StoreDouble(static_cast<long double>(state.TotalVolume) - volume);
    s.TotalWeight = WeightOfTotals(s);
    return AddOutcome{s, VolumeShown::Total, -volume, 0.0};
}

} // namespace calc
