#pragma once
// The calculation behind both windows: the calculator's state, the lines of
// the parts list and one step of undo of both together. The main window reads
// its controls into a calc::AddInput, calls one operation and shows what comes
// back; the parts list window shows the lines and is told what changed.
// Nothing else decides what a line is or what the totals become.
#include "calc/Add.h"
#include "calc/CalcState.h"
#include "catalogue/ProfileSizeTable.h"
#include "partslist/Line.h"
#include "partslist/Replay.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace partslist {

// What the last operation did to the lines, for a view that shows them row by
// row (and keeps its selection).
struct LinesChange {
    enum Kind {
        None,     // the lines are as they were (their weights may have changed)
        Appended, // one line at the end
        Inserted, // Rows came back, at these places among the lines now
        Removed,  // Rows went, at these places among the lines before
        Reset,    // all of them are new
    };
    Kind What = None;
    std::vector<std::size_t> Rows; // ascending
};

// What the two result fields show, in kilograms and cubic metres.
enum class TotalsShown { Nothing, Weight, WeightAndVolume, WeightAndMarker };

class Calculation {
public:
    const calc::CalcState& State() const { return state_; }
    TotalsShown Shown() const { return shown_; }
    const std::vector<Line>& Lines() const { return lines_; }
    // What each line adds, its weight at the density the totals are weighed at.
    const std::vector<LineResult>& Results() const { return results_; }
    const LinesChange& LastChange() const { return change_; }
    // The density the lines with a volume are weighed at.
    std::int32_t VolumeDensity() const { return weighedAt_; }
    // The lines' replay as the totals stand: for a file or a quote sheet.
    Replay Totals() const;
    // The price of a kilogram, for the costs; none for no costs.
    std::optional<double> PricePerKg() const { return price_; }
    void SetPricePerKg(std::optional<double> price);

    // The list as a document: the file it was last saved to or opened from,
    // and whether anything changed since. A list never saved or opened has
    // no file and is never "modified"; Reset forgets the file.
    const std::string& FilePath() const { return path_; }
    bool Modified() const { return !path_.empty() && revision_ != savedRevision_; }
    void Saved(std::string path);

    // The density after the material box's text changed: a named material's,
    // otherwise the one in force.
    std::int32_t SelectMaterial(std::string_view material);
    // A size box's text: an exact label takes that size's linear mass; any
    // other text leaves it as it was.
    void SelectSize(catalogue::Profile profile, std::string_view label);

    // "Add object" and "Add aperture": the controls' texts and the material
    // box's. Throws calc::Error, and then nothing changed. AddObject does
    // nothing at all while the type box reads "Choose Type".
    std::optional<calc::AddOutcome> AddObject(const calc::AddInput& input,
                                              std::string_view material);
    calc::AddOutcome AddAperture(const calc::AddInput& input, std::string_view material);
    // "Add" of a standard section: the section of that designation, row c of
    // the input its length. Throws calc::Error for one the catalogue lacks.
    calc::AddOutcome AddSection(calc::AddInput input, std::string_view designation,
                                std::string_view material);

    // The totals of the snapshot, and the lines as they were before the last
    // Add, removal or opening. One level; repeating it changes no line.
    void Undo();
    void Reset();

    // The list without the lines at these places; the totals become theirs.
    // Throws calc::Error, and then nothing changed.
    void Remove(std::span<const std::size_t> rows);
    // An opened file's lines and their replay take the list's place, and the
    // density of its last line is the one in force, so the next Add weighs
    // as the file does.
    void Replace(std::vector<Line> lines, Replay replay);
    // Rows pasted from a spreadsheet, after the lines there are, replayed
    // with them as an opened file is; Undo takes them all back. Throws
    // calc::Error, and then nothing changed.
    void Paste(std::vector<Line> lines);

private:
    void Added(std::optional<Line> line, const calc::AddOutcome& outcome);
    void ShowReplay(std::vector<Line> lines, Replay replay, LinesChange change, LinesChange undone);
    void Reweigh(std::int32_t density);

    calc::CalcState state_;
    TotalsShown shown_ = TotalsShown::Nothing;
    // The label of the size each profile's mass was last taken from.
    std::array<std::string, catalogue::ProfileCount> sizeLabels_;
    std::vector<Line> lines_;
    std::vector<LineResult> results_;
    std::int32_t weighedAt_ = 0; // the density the volume was last weighed at
    LinesChange change_;
    std::optional<double> price_;
    std::string path_;
    // Each state of the list has a number of its own, never given twice;
    // Undo brings back the number of the state it brings back.
    std::uint64_t revision_ = 0, savedRevision_ = 0, revisions_ = 0;

    // What Undo brings back of the lines.
    struct Before {
        enum { Nothing, Totals, LineAdded, AllLines } What = Nothing;
        std::int32_t WeighedAt = 0;
        std::vector<Line> Lines; // AllLines: the list as it was
        std::vector<LineResult> Results;
        LinesChange Undone; // AllLines: what Undo does to the rows
        // The document as it was: its file, and whether it was saved.
        struct Saving {
            std::string Path;
            std::uint64_t Revision = 0, SavedRevision = 0;
        } Saved;
    };
    Before::Saving Saving() const { return {path_, revision_, savedRevision_}; }
    Before before_;
};

} // namespace partslist
