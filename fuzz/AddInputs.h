#pragma once
// Turns fuzz bytes into what an "Add" click sees: a prior state (any finite
// values, as every stored total is finite) and the texts of every control it
// reads, each either a name the program knows, a near miss of one, a number
// written some way, or any bytes. And the properties every Add shares.
#include "Check.h"

#include "calc/Add.h"
#include "calc/Calculator.h"
#include "calc/Error.h"
#include "calc/ParseNumber.h"
#include "calc/ReadPart.h"
#include "calc/Shapes.h"
#include "calc/Units.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstring>
#include <string>
#include <vector>

namespace fuzz {

inline double FiniteDouble(FuzzedDataProvider& in) {
    static constexpr double Typical[] = {
        0.0,      -0.0,     1.0,    -1.0, 0.001, 7.874, 1e300, -1e300, 1.7976931348623157e308,
        4.9e-324, 123456.7, 99999.7};
    if (in.ConsumeBool()) return Typical[in.ConsumeIntegralInRange<std::size_t>(0, 11)];
    const auto bits = in.ConsumeIntegral<std::uint64_t>();
    double x;
    std::memcpy(&x, &bits, sizeof x);
    return std::isfinite(x) ? x : 0.0;
}

inline calc::CalcState PriorState(FuzzedDataProvider& in) {
    calc::CalcState s;
    s.Density = in.ConsumeIntegral<std::int32_t>();
    s.TotalVolume = FiniteDouble(in);
    s.TotalWeight = FiniteDouble(in);
    for (double& m : s.ProfileMass)
        m = FiniteDouble(in);
    s.ObjectA = FiniteDouble(in);
    s.ApertureA = FiniteDouble(in);
    s.ObjectQuantity = in.ConsumeIntegral<std::int32_t>();
    s.ApertureQuantity = in.ConsumeIntegral<std::int32_t>();
    s.UndoWeight = FiniteDouble(in);
    s.UndoVolume = FiniteDouble(in);
    s.ProfileWeight = FiniteDouble(in);
    s.UndoProfileWeight = FiniteDouble(in);
    return s;
}

// A known name, or one with a character dropped, added or changed in case.
inline std::string NameOrNearMiss(FuzzedDataProvider& in, const std::vector<std::string>& names) {
    const int how = in.ConsumeIntegralInRange(0, 9);
    if (how == 9) return in.ConsumeRandomLengthString(24);
    std::string name = names[in.ConsumeIntegralInRange<std::size_t>(0, names.size() - 1)];
    if (how < 6 || name.empty()) return name;
    const auto at = in.ConsumeIntegralInRange<std::size_t>(0, name.size() - 1);
    if (how == 6) name.erase(at, 1);
    if (how == 7) name.insert(at, 1, in.ConsumeIntegral<char>());
    if (how == 8) name[at] = char(name[at] ^ 0x20);
    return name;
}

// A number as a person might type it, or any bytes.
inline std::string NumberText(FuzzedDataProvider& in) {
    const int how = in.ConsumeIntegralInRange(0, 9);
    if (how == 0) return "";
    if (how == 1) return in.ConsumeRandomLengthString(40);
    std::string text;
    if (in.ConsumeIntegralInRange(0, 7) == 0) text += ' ';
    if (in.ConsumeBool()) text += in.ConsumeBool() ? '-' : '+';
    const int digits = in.ConsumeIntegralInRange(0, 22);
    const int point = in.ConsumeIntegralInRange(-1, digits);
    for (int d = 0; d < digits; ++d) {
        if (d == point) text += in.ConsumeBool() ? '.' : ',';
        text += char('0' + in.ConsumeIntegralInRange(0, 9));
    }
    if (point == digits) text += in.ConsumeBool() ? '.' : ',';
    if (how >= 7) {
        text += in.ConsumeBool() ? 'e' : 'E';
        if (in.ConsumeBool()) text += in.ConsumeBool() ? '-' : '+';
        text += std::to_string(in.ConsumeIntegralInRange(0, 5000));
    }
    if (in.ConsumeIntegralInRange(0, 7) == 0) text += ' ';
    if (how == 9 && !text.empty()) // one stray character somewhere
        text[in.ConsumeIntegralInRange<std::size_t>(0, text.size() - 1)] =
            in.ConsumeIntegral<char>();
    return text;
}

// The given names, then the names of a table's rows.
template <typename Rows>
std::vector<std::string> Names(const Rows& rows, std::vector<std::string> first = {}) {
    for (const auto& row : rows)
        first.emplace_back(row.Name);
    return first;
}

inline const std::vector<std::string>& UnitNames() {
    static const std::vector<std::string> names = Names(calc::LengthUnits);
    return names;
}

// The texts of the controls one Add reads, and whether the Volume field
// shows that the totals hold profiles without a volume.
struct AddInput {
    std::string Type, Density;
    int Quantity = 1;
    std::array<std::pair<std::string, std::string>, 3> Rows; // text, unit
    bool Marker = false;
};

inline AddInput Input(FuzzedDataProvider& in, const std::vector<std::string>& types) {
    AddInput input;
    input.Type = NameOrNearMiss(in, types);
    input.Density = NumberText(in);
    input.Quantity =
        in.ConsumeBool() ? in.ConsumeIntegralInRange(1, 1000) : in.ConsumeIntegral<int>();
    for (auto& row : input.Rows) {
        row.first = NumberText(in);
        row.second = NameOrNearMiss(in, UnitNames());
    }
    input.Marker = in.ConsumeBool();
    if (!input.Marker) NumberText(in); // what else the field showed
    return input;
}

// The part the window's Add reads from them; a rolled profile weighs the size
// chosen last, as the prior state holds it.
inline calc::Part ReadInput(calc::Kind kind, const AddInput& input, const calc::CalcState& prior) {
    calc::PartTexts texts{input.Type, input.Density, input.Quantity, {}, {}, input.Marker};
    for (std::size_t r = 0; r < 3; ++r)
        texts.Rows[r] = input.Rows[r].first, texts.Units[r] = input.Rows[r].second;
    calc::Part part = calc::ReadPart(kind, texts);
    if (part.Type && part.Type->Profile != calc::NoProfile)
        part.ProfileMass = prior.ProfileMass[std::size_t(part.Type->Profile)];
    return part;
}

inline bool SameState(const calc::CalcState& a, const calc::CalcState& b) {
    bool same = a.Density == b.Density && a.ObjectQuantity == b.ObjectQuantity &&
                a.ApertureQuantity == b.ApertureQuantity;
    for (auto [x, y] : {std::pair{a.TotalVolume, b.TotalVolume},
                        {a.TotalWeight, b.TotalWeight},
                        {a.ObjectA, b.ObjectA},
                        {a.ObjectB, b.ObjectB},
                        {a.ObjectC, b.ObjectC},
                        {a.ApertureA, b.ApertureA},
                        {a.ApertureB, b.ApertureB},
                        {a.ApertureC, b.ApertureC},
                        {a.UndoWeight, b.UndoWeight},
                        {a.UndoVolume, b.UndoVolume},
                        {a.ProfileWeight, b.ProfileWeight},
                        {a.UndoProfileWeight, b.UndoProfileWeight}})
        same = same && SameBits(x, y);
    for (std::size_t i = 0; i < a.ProfileMass.size(); ++i)
        same = same && SameBits(a.ProfileMass[i], b.ProfileMass[i]);
    return same;
}

inline std::string Describe(const AddInput& input) {
    std::string out = "type " + Shown(input.Type) + ", density " + Shown(input.Density) +
                      ", quantity " + std::to_string(input.Quantity);
    for (const auto& row : input.Rows)
        out += ", row " + Shown(row.first) + " " + Shown(row.second);
    return out + (input.Marker ? ", cut by weight" : "");
}

// The messages an Add may end with: an arithmetic error, or the conversion
// error or density range error naming one of the texts it read, exactly.
inline void RequireKnownMessage(const std::string& message, const AddInput& input,
                                const std::string& context) {
    if (message == calc::Overflow || message == calc::InvalidOperation) return;
    const auto names = [&](const std::string& text) {
        return message == "'" + text + "' is not a valid floating point value";
    };
    const std::string outOfRange = "The density '" + input.Density + "' is out of range";
    bool known = names(input.Density) || message.rfind(outOfRange, 0) == 0;
    for (const auto& row : input.Rows)
        known = known || names(row.first);
    Require(known, context + ": unknown message " + Shown(message));
}

// The density field is read first: when it fails, the Add fails with its error.
inline void RequireDensityReadFirst(const std::string& message, const AddInput& input,
                                    const std::string& context) {
    try {
        calc::ReadDensity(input.Density);
    } catch (const calc::Error& e) {
        Require(message == e.Message(), context + ": the density's error " + Shown(e.Message()) +
                                         " came out as " + Shown(message));
    }
}

// A state an Add returned: finite totals, the snapshot of the prior totals,
// the density read from the field, the profiles' masses untouched, and every
// unit of both result fields writable.
inline void RequireCommitted(const calc::CalcState& prior, const calc::CalcState& next,
                             const AddInput& input, const std::string& context) {
    Require(std::isfinite(next.TotalVolume) && std::isfinite(next.TotalWeight) &&
                std::isfinite(next.ProfileWeight),
            context + ": a total that is not finite");
    Require(SameBits(next.UndoVolume, prior.TotalVolume) &&
                SameBits(next.UndoWeight, prior.TotalWeight),
            context + ": the snapshot is not the prior totals");
    Require(next.Density == calc::ReadDensity(input.Density), context + ": another density");
    Require(next.ProfileMass == prior.ProfileMass, context + ": a profile's mass changed");
    for (const auto& unit : calc::WeightUnits) {
        const std::string text = calc::WeightText(next.TotalWeight, unit.Name, '.');
        RequireDisplays(calc::WeightInUnit(next.TotalWeight, unit.Name), text, '.',
                        context + ", weight in " + std::string(unit.Name));
    }
    for (const auto& unit : calc::LengthUnits) {
        const std::string text = calc::VolumeText(next.TotalVolume, unit.Name, '.');
        RequireDisplays(calc::VolumeInUnit(next.TotalVolume, unit.Name), text, '.',
                        context + ", volume in " + std::string(unit.Name));
    }
}

} // namespace fuzz
