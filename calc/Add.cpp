#include "calc/Add.h"

#include "calc/Calculator.h"
#include "calc/ParseNumber.h"
#include "calc/Shapes.h"
#include "calc/StoreDouble.h"
#include "calc/Units.h"

namespace calc {
namespace {

// A dimension in millimetres. An empty edit is 0; so is an edit whose unit
// box names no unit, and then its text is not even read.
double ReadDimension(const DimensionRow& row) {
    if (row.Text.empty()) return 0.0;
    const auto factor = LengthFactor(row.Unit);
    if (!factor) return 0.0;
    return StoreDouble(ParseNumber(row.Text) * *factor);
}

// The density, the undo snapshot of the totals as they are before the click.
CalcState WithSnapshot(const CalcState& state, const AddInput& input) {
    CalcState next = state;
    next.Density = ReadDensity(input.Density);
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

constexpr long double ProfileTableDensity = 7874.0L;

} // namespace

std::optional<AddOutcome> AddObject(const CalcState& state, const AddInput& input) {
    if (input.Type == "Choose Type") return std::nullopt;
    CalcState s = WithSnapshot(state, input);
    s.ObjectQuantity = input.Quantity;
    s.ObjectA = ReadDimension(input.Rows[0]);
    s.ObjectB = ReadDimension(input.Rows[1]);
    s.ObjectC = ReadDimension(input.Rows[2]);

    const ObjectType* type = FindObjectType(input.Type);
    if (type && type->Profile != NoProfile) {
        const long double weight = s.Density / ProfileTableDensity *
                                   s.ProfileMass[static_cast<std::size_t>(type->Profile)] *
                                   s.ObjectC * s.ObjectQuantity / 1000.0L;
        s.TotalWeight = StoreDouble(weight + state.TotalWeight);
        s.ProfileWeight = StoreDouble(weight + state.ProfileWeight);
        return AddOutcome{s, VolumeShown::Marker, 0.0, StoreDouble(weight)};
    }
    const auto volume = SolidVolume(input.Type, s.ObjectA, s.ObjectB, s.ObjectC, s.ObjectQuantity);
    if (!volume) return AddOutcome{s, VolumeShown::Unchanged}; // a typed name of no type
    s.TotalVolume = StoreDouble(*volume + state.TotalVolume);
    s.TotalWeight = WeightOfTotals(s);
    return AddOutcome{s, VolumeShown::Total, StoreDouble(*volume), 0.0};
}

AddOutcome AddSection(const CalcState& state, const AddInput& input, long double areaMm2) {
    CalcState s = WithSnapshot(state, input);
    s.ObjectQuantity = input.Quantity;
    s.ObjectA = s.ObjectB = 0.0;
    s.ObjectC = ReadDimension(input.Rows[2]);
    if (!(s.ObjectC > 0.0)) throw Error("Type the length of the section: a number more than 0");
    const long double volume = areaMm2 * s.ObjectC * s.ObjectQuantity / 1000000000.0L;
    s.TotalVolume = StoreDouble(volume + state.TotalVolume);
    s.TotalWeight = WeightOfTotals(s);
    return AddOutcome{s, VolumeShown::Total, StoreDouble(volume), 0.0};
}

AddOutcome AddAperture(const CalcState& state, const AddInput& input) {
    CalcState s = WithSnapshot(state, input);
    s.ApertureQuantity = input.Quantity;
    s.ApertureA = ReadDimension(input.Rows[0]);
    s.ApertureB = ReadDimension(input.Rows[1]);
    s.ApertureC = ReadDimension(input.Rows[2]);

    double volume = 0.0; // "Choose Type" or any other text subtracts nothing
    if (FindApertureType(input.Type) || input.Type == "Hexahedron")
        volume = StoreDouble(*SolidVolume(input.Type, s.ApertureA, s.ApertureB, s.ApertureC,
                                          s.ApertureQuantity));

    if (input.VolumeField == NoVolumeMarker) {
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
