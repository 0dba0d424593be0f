#pragma once
// The document every window shares: the calculation (state, lines, undo),
// its file and saved state, the recent files and what the list remembers
// between runs. Windows change it only through its operations and hear of
// every change by its signals; none reaches into another window. A window
// asks for another by a request here, and the document opens it: it is the
// one place that builds the parts list and the Sections window.
#include "calc/Add.h"
#include "calc/Part.h"
#include "catalogue/ProfileSizeTable.h"
#include "partslist/Calculation.h"
#include "partslist/PartsFile.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <optional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

class QWidget;

namespace ui {

class CutListWindow;
class MaterialsWindow;
class PartsListWindow;
class SectionsWindow;
class UserMaterials;

class Document : public QObject, private partslist::LinesWatcher {
    Q_OBJECT
public:
    // The windows it opens are children of `owner`, the main window, and
    // close with it.
    explicit Document(QWidget* owner);

    const partslist::Calculation& Calculation() const { return calculation_; }
    // The user's own materials and prices: a line of a material priced there
    // is costed at its price.
    ui::UserMaterials& Materials() const { return *materials_; }

    // The operations. Each throws calc::Error, and then nothing changed.
    std::int32_t SelectMaterial(std::string_view material);
    void SelectSize(catalogue::Profile profile, std::string_view label);
    void AddObject(const calc::Part& part, std::string_view material);
    void AddAperture(const calc::Part& part, std::string_view material);
    // That many pieces of the section, each of that length, added as an Add
    // object is, with the main window's material and density.
    void AddSection(std::string_view designation, std::string_view length, std::string_view unit,
                    int quantity);
    void Undo();
    void Reset();
    void Remove(std::span<const std::size_t> rows);
    void Paste(std::vector<partslist::Line> lines);
    void SetPricePerKg(std::optional<double> price);

    // What the main window's material box and density field read, for an
    // Add made in another window; the density as an Add would read it, for
    // what shows weights before the next Add (none while the field holds no
    // density).
    void SetMaterialField(std::string text);
    void SetDensityField(std::string text);
    std::optional<std::int32_t> FieldDensity() const { return fieldDensity_; }
    // The material box's text where it names a material of the density in
    // force (a material of the box, the library or the user's); empty else.
    std::string MaterialInForce() const;

    // The file. Open reads and replaces the list (progress as in
    // ReadPartsList; a cancel leaves everything as it was and returns
    // nothing), returning the columns the file had that no line uses. Both
    // throw calc::Error with the reason. A list kept when it was thrown away
    // unsaved (`kept`, KeptLists.h) opens as the list never saved it is: no
    // file, nothing that says saved. It is forgotten once saved, or kept
    // again as it then is when thrown away.
    QString FilePath() const;
    bool Modified() const { return calculation_.Modified(); }
    std::optional<std::vector<std::string>>
    Open(const QString& path, const partslist::Progress& progress = {}, bool kept = false);
    void Save(const QString& path);
    // Keeps the list where it has lines and was never saved, as Reset, Open
    // and the main window's closing throw it away; quietly nothing where it
    // cannot be written.
    void KeepUnsaved();
    // Whether the list may be replaced or thrown away: yes unless it is a
    // saved or opened file with changes, and then as the user answers
    // Save (and it saved), Discard or Cancel, asked in front of `parent`.
    bool MayDiscard(QWidget* parent);

    // What is remembered between runs: the files last saved or opened (the
    // newest first), their folder, and the price in force last, a number, so
    // that it shows with the decimal mark of the next run's language.
    QStringList RecentFiles() const;
    QString LastFolder() const;
    std::optional<double> RememberedPrice() const;
    void RememberPrice(std::optional<double> price);

    // Requests for a window: it is built on first use, shown and brought to
    // the front.
    void ShowPartsList();
    void ShowSections();
    void ShowMaterials();
    void ShowCutList();
    // What the cut list bought for the lines cut from stock: per line, its
    // share of the bars' cost in cents (none for a line not planned). It
    // holds while the lines and prices stay as they were planned, and goes
    // with any change of them. The quote sheet prices those lines by it when
    // the user chose so in the Cut list window.
    const std::vector<std::optional<long long>>& BarCosts() const { return barCosts_; }
    void SetBarCosts(std::vector<std::optional<long long>> costs) { barCosts_ = std::move(costs); }
    bool QuoteByBars() const { return quoteByBars_; }
    void SetQuoteByBars(bool byBars) { quoteByBars_ = byBars; }

    // A material picked in the Materials window: the main window shows its
    // name and density, as a pick from its material box does.
    void PickMaterial(const QString& name, std::int32_t density);
    // A parts list dropped on a window: opened in the list window, after the
    // user says the list it replaces may go.
    void OpenDropped(const QString& path);
    // The main window closes: so do the others, remembering their places,
    // and a list never saved is kept.
    void CloseWindows();

signals:
    // Around the changes of the lines, for a view of them (partslist::LinesWatcher).
    void linesAboutToBeInserted(int first, int last);
    void linesInserted();
    void linesAboutToBeRemoved(int first, int last);
    void linesRemoved();
    void linesAboutToBeReset();
    void linesReset();
    void weightsChanged();
    void priceChanged();
    // After an Add, from whichever window: the main window shows its totals.
    void added(const calc::AddOutcome& outcome);
    // After a removal, a paste or an opened file: the totals are the
    // replayed lines', shown as after an Add.
    void replayed();
    // The material and density in force came with an opened or pasted list,
    // or went back with an Undo of one.
    void materialChanged();
    void fieldsChanged();
    void materialPicked(const QString& name, std::int32_t density);
    // After every change: totals, lines, price, file or saved state.
    void changed();
    void recentFilesChanged();

private:
    void Inserting(std::size_t first, std::size_t last) override;
    void Inserted() override;
    void Removing(std::size_t first, std::size_t last) override;
    void Removed() override;
    void Resetting() override;
    void WasReset() override;
    void Reweighed() override;

    void Remember(const QString& path);
    partslist::Calculation::AddedMaterial Priced(std::string_view material) const;

    partslist::Calculation calculation_;
    std::string materialField_, densityField_;
    std::optional<std::int32_t> fieldDensity_;
    QString keptFrom_; // the kept list this one was opened from, while it is
    QWidget* owner_;
    QPointer<PartsListWindow> partsList_;
    QPointer<SectionsWindow> sections_;
    QPointer<MaterialsWindow> materialsWindow_;
    QPointer<CutListWindow> cutList_;
    std::vector<std::optional<long long>> barCosts_;
    bool quoteByBars_ = false;
    ui::UserMaterials* materials_;
};

} // namespace ui
