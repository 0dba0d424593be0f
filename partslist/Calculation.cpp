#include "partslist/Calculation.h"

#include "calc/Calculator.h"
#include "calc/ReadPart.h"

#include <utility>

namespace partslist {
namespace {

// The line of an Add: the part, its size and its material with its price.
Line LineOf(const calc::Part& part, std::string size,
            const Calculation::AddedMaterial& material) {
    return {part, std::move(size), std::string(material.Name), material.PricePerKg, {}};
}

} // namespace

std::int32_t Calculation::SelectMaterial(std::string_view material) {
    material_ = material;
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

calc::AddOutcome Calculation::AddObject(calc::Part part, const AddedMaterial& material) {
    part.Kind = Kind::Object;
    std::optional<Line> line;
    if (part.Type && part.Type->Profile != calc::NoProfile) {
        const auto p = static_cast<std::size_t>(part.Type->Profile);
        part.ProfileMass = state_.ProfileMass[p];
        line = LineOf(part, sizeLabels_[p], material);
    } else if (part.Type) {
        line = LineOf(part, {}, material);
    }
    const auto outcome = calc::AddObject(state_, part);
    Added(std::move(line), outcome);
    material_ = material.Name;
    return outcome;
}

calc::AddOutcome Calculation::AddAperture(calc::Part part, const AddedMaterial& material) {
    part.Kind = Kind::Aperture;
    std::optional<Line> line;
    if (part.Type) line = LineOf(part, {}, material);
    const auto outcome = calc::AddAperture(state_, part);
    Added(std::move(line), outcome);
    material_ = material.Name;
    return outcome;
}

calc::AddOutcome Calculation::AddSection(calc::Part part, std::string_view designation,
                                         const AddedMaterial& material) {
    part.Kind = Kind::Object;
    part.Type = &calc::SectionShape();
    Line line = LineOf(part, {}, material);
    if (!SetSize(line, designation))
        throw calc::Error("'" + std::string(designation) + "' is no standard section");
    calc::RequireSectionLength(line.Rows[2]);
    const auto outcome = calc::AddObject(state_, line);
    Added(std::move(line), outcome);
    material_ = material.Name;
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
    before_ = {};
    before_.What = line ? Before::LineAdded : Before::Totals;
    before_.WeighedAt = weighedAt_;
    before_.Revision = revision_;
    state_ = outcome.State;
    revision_ = ++revisions_;
    if (outcome.VolumeField == calc::VolumeShown::Marker)
        shown_ = TotalsShown::WeightAndMarker;
    else if (outcome.VolumeField == calc::VolumeShown::Total)
        shown_ = TotalsShown::WeightAndVolume;
    else if (shown_ == TotalsShown::Nothing)
        shown_ = TotalsShown::Weight;
    if (line) {
        LineResult result;
        if (outcome.VolumeField == calc::VolumeShown::Total) result.Volume = outcome.AddedVolume;
        result.Weight = outcome.AddedProfileWeight;
        result.PricePerKg = line->PricePerKg;
        if (result.Volume) result.Weight = WeightOfVolume(*result.Volume, outcome.State.Density);
        AppendRows({&*line, 1}, {&result, 1});
    }
    if (outcome.VolumeField == calc::VolumeShown::Total) Reweigh(outcome.State.Density, false);
}

void Calculation::SetPricePerKg(std::optional<double> price) {
    if (price == price_) return;
    revision_ = ++revisions_;
    before_.Revision = 0; // what Undo brings back has this price: a state never saved
    price_ = price;
}

void Calculation::Saved(std::string path) {
    path_ = std::move(path);
    savedRevision_ = revision_;
}

Replay Calculation::Totals() const {
    return {state_, shown_ == TotalsShown::WeightAndMarker, results_, weighedAt_};
}

// The lines with a volume weighed at the density in force; a watcher hears of
// it when their weights changed.
void Calculation::Reweigh(std::int32_t density, bool always) {
    const bool changed = density != weighedAt_;
    weighedAt_ = density;
    for (LineResult& r : results_)
        if (r.Volume) r.Weight = WeightOfVolume(*r.Volume, density);
    if ((changed || always) && watcher_) watcher_->Reweighed();
}

bool Calculation::Undo() {
    state_ = calc::Undo(state_);
    shown_ = TotalsShown::WeightAndVolume; // Undo writes both fields
    Before before = std::exchange(before_, {});
    revision_ = before.What != Before::Nothing && before.Revision ? before.Revision : ++revisions_;
    switch (before.What) {
    case Before::Nothing:
        return false;
    case Before::LineAdded:
        RemoveRows(std::array{lines_.size() - 1});
        [[fallthrough]];
    case Before::Totals:
        Reweigh(before.WeighedAt, false);
        return false;
    case Before::Removed:
        InsertRows(before.Rows, before.Lines, before.Results);
        break;
    case Before::Pasted:
        RemoveRows(before.Rows);
        break;
    case Before::Replaced:
        ResetRows(std::move(before.Lines), before.Results);
        break;
    }
    results_ = std::move(before.Results); // the weights as they were too
    if (before.What != Before::Removed) {
        // What the paste or the opened file brought goes with it.
        material_ = std::move(before.Material);
        state_.Density = before.Density;
        if (before.What == Before::Replaced) price_ = before.Price;
    }
    if (before.Path != path_) { // an Open undone: the file before it, saved as it was
        path_ = std::move(before.Path);
        savedRevision_ = before.SavedRevision;
    }
    if (before.What == Before::Replaced) format_ = std::move(before.Format);
    Reweigh(before.WeighedAt, true);
    return before.What != Before::Removed;
}

void Calculation::Reset() {
    state_ = {};
    shown_ = TotalsShown::Nothing;
    sizeLabels_ = {};
    ResetRows({}, {});
    weighedAt_ = 0;
    before_ = {};
    path_.clear();
    format_ = {};
    revision_ = ++revisions_;
}

void Calculation::Remove(std::span<const std::size_t> rows) {
    std::vector<bool> gone(lines_.size());
    for (std::size_t row : rows)
        if (row < gone.size()) gone[row] = true;
    std::vector<std::size_t> removed;
    std::vector<Line> kept;
    kept.reserve(lines_.size());
    for (std::size_t i = 0; i < lines_.size(); ++i)
        gone[i] ? removed.push_back(i) : kept.push_back(lines_[i]);
    Replay replay = ReplayLines(kept); // may throw: nothing has changed yet
    Keep();
    before_.What = Before::Removed;
    before_.Rows = removed;
    RemoveRows(removed);
    ShowReplay(std::move(replay));
}

void Calculation::Replace(std::vector<Line> lines, Replay replay, std::optional<double> price,
                          RowFormat format) {
    Keep();
    format_ = std::move(format);
    before_.What = Before::Replaced;
    if (!lines.empty()) {
        state_.Density = replay.State.Density;
        material_ = lines.back().Material;
    }
    price_ = price;
    ResetRows(std::move(lines), replay.Lines);
    ShowReplay(std::move(replay));
}

void Calculation::Paste(std::vector<Line> lines) {
    if (lines.empty()) return;
    // A row priced at the list's price, as a copy of the list writes it,
    // follows the list's price.
    for (Line& line : lines)
        if (line.PricePerKg && line.PricePerKg == price_) line.PricePerKg.reset();
    std::vector<Line> all = lines_;
    all.insert(all.end(), lines.begin(), lines.end());
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
    Keep();
    before_.What = Before::Pasted;
    for (std::size_t row = lines_.size(); row < all.size(); ++row)
        before_.Rows.push_back(row);
    state_.Density = replay.State.Density;
    material_ = lines.back().Material;
    AppendRows(lines, std::span(replay.Lines).last(lines.size()));
    ShowReplay(std::move(replay));
}

// The document as it is, for Undo of a change of more than one line.
void Calculation::Keep() {
    before_ = {};
    before_.WeighedAt = weighedAt_;
    before_.Revision = revision_;
    before_.Lines = lines_;
    before_.Results = results_;
    before_.Price = price_;
    before_.Material = material_;
    before_.Density = state_.Density;
    before_.Path = path_;
    before_.SavedRevision = savedRevision_;
    before_.Format = format_;
}

// The totals of the replayed lines, shown as an Add shows its totals; the
// undo snapshot holds those from before.
void Calculation::ShowReplay(Replay replay) {
    state_.UndoWeight = state_.TotalWeight;
    state_.UndoVolume = state_.TotalVolume;
    state_.UndoProfileWeight = state_.ProfileWeight;
    state_.TotalWeight = replay.State.TotalWeight;
    state_.TotalVolume = replay.State.TotalVolume;
    state_.ProfileWeight = replay.State.ProfileWeight;
    shown_ = replay.VolumeMarker ? TotalsShown::WeightAndMarker : TotalsShown::WeightAndVolume;
    results_ = std::move(replay.Lines);
    revision_ = ++revisions_;
    weighedAt_ = replay.WeighedAt;
    if (watcher_) watcher_->Reweighed();
}

void Calculation::AppendRows(std::span<const Line> lines, std::span<const LineResult> results) {
    const std::size_t first = lines_.size();
    if (watcher_) watcher_->Inserting(first, first + lines.size() - 1);
    lines_.insert(lines_.end(), lines.begin(), lines.end());
    results_.insert(results_.end(), results.begin(), results.end());
    if (watcher_) watcher_->Inserted();
}

// Runs of neighbouring rows at once, the last first, so that the places of
// the others still hold.
void Calculation::RemoveRows(std::span<const std::size_t> rows) {
    for (std::size_t end = rows.size(); end > 0;) {
        std::size_t first = end - 1;
        while (first > 0 && rows[first - 1] + 1 == rows[first])
            --first;
        const auto from = std::ptrdiff_t(rows[first]), to = std::ptrdiff_t(rows[end - 1]) + 1;
        if (watcher_) watcher_->Removing(std::size_t(from), std::size_t(to - 1));
        lines_.erase(lines_.begin() + from, lines_.begin() + to);
        results_.erase(results_.begin() + from, results_.begin() + to);
        if (watcher_) watcher_->Removed();
        end = first;
    }
}

// Rows of the list before back at their places, runs of neighbours at once,
// the first first, so that each lands among those before it.
void Calculation::InsertRows(std::span<const std::size_t> rows, const std::vector<Line>& lines,
                             const std::vector<LineResult>& results) {
    for (std::size_t start = 0; start < rows.size();) {
        std::size_t end = start + 1;
        while (end < rows.size() && rows[end] == rows[end - 1] + 1)
            ++end;
        const auto first = std::ptrdiff_t(rows[start]), last = std::ptrdiff_t(rows[end - 1]) + 1;
        if (watcher_) watcher_->Inserting(std::size_t(first), std::size_t(last - 1));
        lines_.insert(lines_.begin() + first, lines.begin() + first, lines.begin() + last);
        results_.insert(results_.begin() + first, results.begin() + first, results.begin() + last);
        if (watcher_) watcher_->Inserted();
        start = end;
    }
}

void Calculation::ResetRows(std::vector<Line> lines, std::vector<LineResult> results) {
    if (watcher_) watcher_->Resetting();
    lines_ = std::move(lines);
    results_ = std::move(results);
    if (watcher_) watcher_->WasReset();
}

} // namespace partslist
