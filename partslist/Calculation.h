#pragma once
// The calculation behind the windows: the calculator's state, the lines of
// the parts list, the list as a document (its file, whether it is saved) and
// one step of undo of all of it together. A window reads its controls into a
// calc::Part (calc/ReadPart.h), calls one operation and shows what comes
// back; a view of the lines is told around every change of them. Nothing
// else decides what a line is or what the totals become.
#include "calc/Add.h"
#include "calc/CalcState.h"
#include "catalogue/ProfileSizeTable.h"
#include "partslist/Line.h"
#include "partslist/PartsFile.h"
#include "partslist/Replay.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace partslist {

// Told around every change of the lines, so that a view that shows them row
// by row can follow them and keep its selection: rows come or go (first to
// last, among the lines as they are at that moment), all of them are new, or
// the lines stay and what they weigh changed.
class LinesWatcher {
public:
    virtual void Inserting(std::size_t first, std::size_t last) = 0;
    virtual void Inserted() = 0;
    virtual void Removing(std::size_t first, std::size_t last) = 0;
    virtual void Removed() = 0;
    virtual void Resetting() = 0;
    virtual void WasReset() = 0;
    virtual void Reweighed() = 0;

protected:
    ~LinesWatcher() = default;
};

// What the two result fields show, in kilograms and cubic metres.
enum class TotalsShown { Nothing, Weight, WeightAndVolume, WeightAndMarker };

class Calculation {
public:
    // One watcher, or none; it must outlive its watching.
    void Watch(LinesWatcher* watcher) { watcher_ = watcher; }

    const calc::CalcState& State() const { return state_; }
    TotalsShown Shown() const { return shown_; }
    const std::vector<Line>& Lines() const { return lines_; }
    // What each line adds, its weight at the density the totals are weighed at.
    const std::vector<LineResult>& Results() const { return results_; }
    // The density the lines with a volume are weighed at.
    std::int32_t VolumeDensity() const { return weighedAt_; }
    // The lines' replay as the totals stand: for a file or a quote sheet.
    Replay Totals() const;
    // The price of a kilogram, for the costs; none for no costs.
    std::optional<double> PricePerKg() const { return price_; }
    void SetPricePerKg(std::optional<double> price);
    // The material box's text as it was last chosen, added with, or brought
    // by an opened list; with State().Density, what the material box and the
    // density field show after an Open, a Paste or an Undo of either.
    const std::string& Material() const { return material_; }

    // The list as a document: the file it was last saved to or opened from,
    // and whether anything changed since. A list never saved or opened has
    // no file and is never "modified"; Reset forgets the file.
    const std::string& FilePath() const { return path_; }
    // The ways of the file it was opened from, to save it so again: its
    // separator, decimal mark and columns (partslist/PartsFile.h).
    const RowFormat& FileFormat() const { return format_; }
    bool Modified() const { return !path_.empty() && revision_ != savedRevision_; }
    void Saved(std::string path);

    // The density after the material box's text changed: a named material's,
    // otherwise the one in force.
    std::int32_t SelectMaterial(std::string_view material);
    // A size box's text: an exact label takes that size's linear mass; any
    // other text leaves it as it was.
    void SelectSize(catalogue::Profile profile, std::string_view label);

    // What an Add records of the material: the material box's text, and the
    // price of a kilogram where that material has its own.
    struct AddedMaterial {
        AddedMaterial(std::string_view name, std::optional<double> price = {})
            : Name(name), PricePerKg(price) {}
        AddedMaterial(const char* name) : Name(name) {}
        std::string_view Name;
        std::optional<double> PricePerKg;
    };

    // "Add object" and "Add aperture" of a part the window read, of that
    // material; a rolled profile weighs the size last chosen. A part of a
    // type adds a line. Throws calc::Error, and then nothing changed.
    calc::AddOutcome AddObject(calc::Part part, const AddedMaterial& material);
    calc::AddOutcome AddAperture(calc::Part part, const AddedMaterial& material);
    // "Add" of a standard section: the section of that designation, row c
    // of the part its length. Throws calc::Error for one the catalogue lacks
    // or a length that is none.
    calc::AddOutcome AddSection(calc::Part part, std::string_view designation,
                                const AddedMaterial& material);

    // The totals of the snapshot, and the lines as they were before the last
    // Add, removal, paste or opening, with the material, density, price and
    // file they had. One level; repeating it changes no line. True when the
    // material and density in force went back too (Material(),
    // State().Density): those an opened or pasted list had brought.
    bool Undo();
    void Reset();

    // The list without the lines at these places; the totals become theirs.
    // Throws calc::Error, and then nothing changed.
    void Remove(std::span<const std::size_t> rows);
    // An opened file's lines, their replay and price take the list's place;
    // the material and density of its last line are the ones in force, so
    // the next Add weighs as the file does.
    void Replace(std::vector<Line> lines, Replay replay, std::optional<double> price,
                 RowFormat format = {});
    // Rows pasted from a spreadsheet, after the lines there are, replayed
    // with them as an opened file is; a row priced at the list's price
    // follows it. Undo takes them all back. Throws calc::Error, and then
    // nothing changed.
    void Paste(std::vector<Line> lines);

private:
    void Added(std::optional<Line> line, const calc::AddOutcome& outcome);
    void ShowReplay(Replay replay);
    void Reweigh(std::int32_t density, bool always);
    void Keep(); // the whole document, for Undo

    // The lines and their results changed together, in steps the watcher is
    // told of.
    void AppendRows(std::span<const Line> lines, std::span<const LineResult> results);
    void RemoveRows(std::span<const std::size_t> rows); // ascending
    void InsertRows(std::span<const std::size_t> rows, const std::vector<Line>& lines,
                    const std::vector<LineResult>& results);
    void ResetRows(std::vector<Line> lines, std::vector<LineResult> results);

    calc::CalcState state_;
    TotalsShown shown_ = TotalsShown::Nothing;
    // The label of the size each profile's mass was last taken from.
    std::array<std::string, catalogue::ProfileCount> sizeLabels_;
    std::vector<Line> lines_;
    std::vector<LineResult> results_;
    std::int32_t weighedAt_ = 0; // the density the volume was last weighed at
    std::optional<double> price_;
    std::string material_;
    std::string path_;
    RowFormat format_;
    // Each state of the list has a number of its own, never given twice;
    // Undo brings back the number of the state it brings back.
    std::uint64_t revision_ = 0, savedRevision_ = 0, revisions_ = 0;
    LinesWatcher* watcher_ = nullptr;

    // What Undo brings back besides the totals.
    struct Before {
        enum { Nothing, Totals, LineAdded, Removed, Pasted, Replaced } What = Nothing;
        std::int32_t WeighedAt = 0;
        std::uint64_t Revision = 0; // 0: a new state, which a price edit made of it
        // The whole document, for what changed more than one line.
        std::vector<Line> Lines;
        std::vector<LineResult> Results;
        std::vector<std::size_t> Rows; // the rows removed or pasted
        std::optional<double> Price;
        std::string Material;
        std::int32_t Density = 0;
        std::string Path;
        std::uint64_t SavedRevision = 0;
        RowFormat Format;
    };
    Before before_;
};

} // namespace partslist
