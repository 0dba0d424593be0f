#include "partslist/Calculation.h"

#include "calc/Calculator.h"
#include "calc/Units.h"

#include <utility>

namespace partslist {
namespace {

// The line of an Add: what the click read, and the size whose mass it used.
// A click on a text that names no type adds none.
std::optional<Line> LineOf(Kind kind, const calc::AddInput& input, std::string_view material,
                           std::int32_t density,
                           const std::array<std::string, catalogue::ProfileCount>& sizeLabels) {
    Line line;
    line.Kind = kind;
    line.Type = input.Type;
    if (const auto profile = ProfileOf(line))
        line.Size = sizeLabels[static_cast<std::size_t>(*profile)];
    line.Rows = input.Rows;
    // A row whose unit box names no unit was not read: it counts as empty.
    for (calc::DimensionRow& row : line.Rows)
        if (!calc::LengthFactor(row.Unit)) row.Text.clear();
    line.Quantity = input.Quantity;
    line.Material = material;
    line.Density = density;
    line.CutByWeight = kind == Kind::Aperture && input.VolumeField == calc::NoVolumeMarker;
    if (!NamesAType(line)) return std::nullopt;
    return line;
}

} // namespace

std::int32_t Calculation::SelectMaterial(std::string_view material) {
    state_.Density = calc::MaterialDensity(material, state_.Density);
    return state_.Density;
}

void Calculation::SelectSize(catalogue::Profile profile, std::string_view label) {
    const auto p = static_cast<std::size_t>(profile);
    if (const auto mass = catalogue::SelectSize(catalogue::SizeTable(profile), label)) {
        state_.ProfileMass[p] = *mass;
        sizeLabels_[p] = label;
    }
}

std::optional<calc::AddOutcome> Calculation::AddObject(const calc::AddInput& input,
                                                       std::string_view material) {
    auto outcome = calc::AddObject(state_, input);
    if (!outcome) return outcome;
    // A text that names no type of the box adds nothing, "Section" too: a
    // standard section comes from the Sections window, with its designation.
    if (outcome->VolumeField == calc::VolumeShown::Unchanged)
        Added(std::nullopt, *outcome);
    else
        Added(LineOf(Kind::Object, input, material, outcome->State.Density, sizeLabels_), *outcome);
    return outcome;
}

calc::AddOutcome Calculation::AddAperture(const calc::AddInput& input, std::string_view material) {
    auto outcome = calc::AddAperture(state_, input);
    Added(LineOf(Kind::Aperture, input, material, outcome.State.Density, sizeLabels_), outcome);
    return outcome;
}

calc::AddOutcome Calculation::AddSection(calc::AddInput input, std::string_view designation,
                                         std::string_view material) {
    input.Type = SectionType;
    std::optional<Line> line = LineOf(Kind::Object, input, material, 0, sizeLabels_);
    line->Size = designation;
    const catalogue::Section& section = SectionOf(*line);
    line->Size = section.Designation; // as the catalogue writes it
    auto outcome = calc::AddSection(state_, input, catalogue::CrossSectionMm2(section));
    line->Density = outcome.State.Density;
    Added(std::move(line), outcome);
    return outcome;
}

// Commits an Add. Every Add that shows a volume weighs all of it again at its
// density, so the lines with a volume are weighed again with it.
void Calculation::Added(std::optional<Line> line, const calc::AddOutcome& outcome) {
    if (outcome.VolumeField == calc::VolumeShown::Total) {
        // Each line's weight at the new density, checked before anything
        // changes: WeightOfVolume throws for one past a double's range.
        for (const LineResult& r : results_)
            if (r.Volume) WeightOfVolume(*r.Volume, outcome.State.Density);
        if (line) WeightOfVolume(outcome.AddedVolume, outcome.State.Density);
    }
    before_ = {line ? Before::LineAdded : Before::Totals, weighedAt_, {}, {}, {}, Saving()};
    state_ = outcome.State;
    revision_ = ++revisions_;
    if (outcome.VolumeField == calc::VolumeShown::Marker)
        shown_ = TotalsShown::WeightAndMarker;
    else if (outcome.VolumeField == calc::VolumeShown::Total)
        shown_ = TotalsShown::WeightAndVolume;
    else if (shown_ == TotalsShown::Nothing)
        shown_ = TotalsShown::Weight;
    change_ = {};
    if (line) {
        LineResult result;
        if (outcome.VolumeField == calc::VolumeShown::Total) result.Volume = outcome.AddedVolume;
        result.Weight = outcome.AddedProfileWeight;
        lines_.push_back(std::move(*line));
        results_.push_back(result);
        change_ = {LinesChange::Appended, {lines_.size() - 1}};
    }
    if (outcome.VolumeField == calc::VolumeShown::Total) Reweigh(outcome.State.Density);
}

void Calculation::SetPricePerKg(std::optional<double> price) {
    if (price == price_) return;
    revision_ = ++revisions_;
    before_.Saved.Revision = 0; // Undo keeps the price: what it brings back is new
    price_ = price;
}

void Calculation::Saved(std::string path) {
    path_ = std::move(path);
    savedRevision_ = revision_;
}

Replay Calculation::Totals() const {
    return {state_, shown_ == TotalsShown::WeightAndMarker, results_, weighedAt_};
}

void Calculation::Reweigh(std::int32_t density) {
    weighedAt_ = density;
    for (LineResult& r : results_)
        if (r.Volume) r.Weight = WeightOfVolume(*r.Volume, density);
}

void Calculation::Undo() {
    state_ = calc::Undo(state_);
    shown_ = TotalsShown::WeightAndVolume; // Undo writes both fields
    Before before = std::exchange(before_, {});
    // The document too, as it was: after an Open, the list before it and its
    // own file; after an Add to a saved list, saved again.
    if (before.What == Before::Nothing) {
        revision_ = ++revisions_;
    } else {
        revision_ = before.Saved.Revision ? before.Saved.Revision : ++revisions_;
        if (before.Saved.Path != path_) { // an Open undone: the file before it
            path_ = before.Saved.Path;
            savedRevision_ = before.Saved.SavedRevision;
        }
    }
    change_ = {};
    if (before.What == Before::LineAdded) {
        lines_.pop_back();
        results_.pop_back();
        change_ = {LinesChange::Removed, {lines_.size()}};
    } else if (before.What == Before::AllLines) {
        lines_ = std::move(before.Lines);
        results_ = std::move(before.Results);
        change_ = std::move(before.Undone);
    }
    if (before.What != Before::Nothing) Reweigh(before.WeighedAt);
}

void Calculation::Reset() {
    state_ = {};
    shown_ = TotalsShown::Nothing;
    sizeLabels_ = {};
    lines_.clear();
    results_.clear();
    weighedAt_ = 0;
    before_ = {};
    change_ = {LinesChange::Reset, {}};
    path_.clear();
    revision_ = ++revisions_;
}

void Calculation::Remove(std::span<const std::size_t> rows) {
    std::vector<bool> gone(lines_.size());
    for (std::size_t row : rows)
        if (row < gone.size()) gone[row] = true;
    LinesChange change{LinesChange::Removed, {}};
    std::vector<Line> kept;
    kept.reserve(lines_.size());
    for (std::size_t i = 0; i < lines_.size(); ++i)
        gone[i] ? change.Rows.push_back(i) : kept.push_back(lines_[i]);
    Replay replay = ReplayLines(kept); // may throw: nothing has changed yet
    LinesChange undone{LinesChange::Inserted, change.Rows};
    ShowReplay(std::move(kept), std::move(replay), std::move(change), std::move(undone));
}

void Calculation::Replace(std::vector<Line> lines, Replay replay) {
    if (!lines.empty()) state_.Density = replay.State.Density;
    ShowReplay(std::move(lines), std::move(replay), {LinesChange::Reset, {}},
               {LinesChange::Reset, {}});
}

void Calculation::Paste(std::vector<Line> lines) {
    if (lines.empty()) return;
    LinesChange change{LinesChange::Inserted, {}};
    for (std::size_t row = lines_.size(); row < lines_.size() + lines.size(); ++row)
        change.Rows.push_back(row);
    std::vector<Line> all = lines_;
    all.insert(all.end(), std::make_move_iterator(lines.begin()),
               std::make_move_iterator(lines.end()));
    // A row the replay refuses is named as Paste counts them; nothing has
    // changed yet.
    Replayer replayer;
    for (std::size_t i = 0; i < all.size(); ++i) {
        try {
            replayer.Add(all[i]);
        } catch (const calc::Error& e) {
            if (i < lines_.size()) throw;
            throw calc::Error("row " + std::to_string(i - lines_.size() + 1) + ": " + e.Message());
        }
    }
    Replay replay = std::move(replayer).Finish();
    state_.Density = replay.State.Density;
    ShowReplay(std::move(all), std::move(replay), change, {LinesChange::Removed, change.Rows});
}

// The totals of the replayed lines, shown as an Add shows its totals; Undo
// brings back those from before, with the lines.
void Calculation::ShowReplay(std::vector<Line> lines, Replay replay, LinesChange change,
                             LinesChange undone) {
    state_.UndoWeight = state_.TotalWeight;
    state_.UndoVolume = state_.TotalVolume;
    state_.UndoProfileWeight = state_.ProfileWeight;
    state_.TotalWeight = replay.State.TotalWeight;
    state_.TotalVolume = replay.State.TotalVolume;
    state_.ProfileWeight = replay.State.ProfileWeight;
    shown_ = replay.VolumeMarker ? TotalsShown::WeightAndMarker : TotalsShown::WeightAndVolume;
    before_ = {Before::AllLines,
               weighedAt_,
               std::exchange(lines_, std::move(lines)),
               std::exchange(results_, std::move(replay.Lines)),
               std::move(undone),
               Saving()};
    weighedAt_ = replay.WeighedAt;
    change_ = std::move(change);
    revision_ = ++revisions_;
}

} // namespace partslist
