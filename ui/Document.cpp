#include "ui/Document.h"

#include "calc/Materials.h"
#include "calc/ParseNumber.h"
#include "calc/ReadPart.h"
#include "catalogue/MaterialLibrary.h"
#include "partslist/Describe.h"
#include "ui/CoreText.h"
#include "ui/CutListWindow.h"
#include "ui/ErrorBox.h"
#include "ui/KeptLists.h"
#include "ui/MaterialsWindow.h"
#include "ui/PartsListFile.h"
#include "ui/PartsListWindow.h"
#include "ui/SectionsWindow.h"
#include "ui/UserMaterials.h"

#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>

#include <utility>

namespace ui {
namespace {

const QString PriceKey = QStringLiteral("PartsList/PricePerKg");
const QString FolderKey = QStringLiteral("PartsList/LastFolder");
const QString RecentKey = QStringLiteral("PartsList/RecentFiles");
constexpr int RecentCount = 8;

// A window of ours, built on first use so that start-up does not pay for it
// (the sections are read then, the cut list takes the lines as they are
// then), and shown, not minimised, in front and active.
template <typename Window>
void ShowInFront(QPointer<Window>& window, Document& document, QWidget* owner) {
    if (!window) window = new Window(document, owner);
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

Document::Document(QWidget* owner)
    : QObject(owner), owner_(owner), materials_(new ui::UserMaterials(this)) {
    calculation_.Watch(this);
}

std::int32_t Document::SelectMaterial(std::string_view material) {
    const std::int32_t density = calculation_.SelectMaterial(material);
    emit changed();
    return density;
}

void Document::SelectSize(catalogue::Profile profile, std::string_view label) {
    calculation_.SelectSize(profile, label);
}

void Document::AddObject(const calc::Part& part, std::string_view material) {
    emit added(calculation_.AddObject(part, Priced(material)));
    emit changed();
}

void Document::AddAperture(const calc::Part& part, std::string_view material) {
    emit added(calculation_.AddAperture(part, Priced(material)));
    emit changed();
}

void Document::AddSection(std::string_view designation, std::string_view length,
                          std::string_view unit, int quantity) {
    calc::PartTexts texts;
    texts.Density = densityField_;
    texts.Quantity = quantity;
    texts.Rows[2] = length;
    texts.Units[2] = unit;
    const calc::Part part = calc::ReadPart(calc::Kind::Object, texts);
    emit added(calculation_.AddSection(part, designation, Priced(materialField_)));
    emit changed();
}

void Document::Undo() {
    // The list may no longer be the kept one: that stays until kept again.
    keptFrom_.clear();
    const auto price = calculation_.PricePerKg();
    if (calculation_.Undo()) emit materialChanged();
    if (price != calculation_.PricePerKg()) emit priceChanged();
    emit changed();
}

void Document::Reset() {
    KeepUnsaved();
    calculation_.Reset();
    emit changed();
}

void Document::Remove(std::span<const std::size_t> rows) {
    calculation_.Remove(rows);
    emit replayed();
    emit changed();
}

void Document::Paste(std::vector<partslist::Line> lines) {
    if (lines.empty()) return;
    for (partslist::Line& line : lines)
        if (!line.PricePerKg) line.PricePerKg = materials_->PriceOf(line.Material);
    calculation_.Paste(std::move(lines));
    emit replayed();
    emit materialChanged();
    emit changed();
}

void Document::SetPricePerKg(std::optional<double> price) {
    if (price == calculation_.PricePerKg()) return;
    barCosts_.clear();
    calculation_.SetPricePerKg(price);
    emit priceChanged();
    emit changed();
}

void Document::SetDensityField(std::string text) {
    densityField_ = std::move(text);
    std::optional<std::int32_t> density;
    try {
        density = calc::ReadDensity(densityField_);
    } catch (const calc::Error&) {
    }
    if (density == fieldDensity_) return;
    fieldDensity_ = density;
    emit fieldsChanged();
}

void Document::SetMaterialField(std::string text) {
    if (text == materialField_) return;
    materialField_ = std::move(text);
    emit fieldsChanged();
}

std::string Document::MaterialInForce() const {
    if (!fieldDensity_ || materialField_.empty()) return {};
    for (const calc::Material& m : calc::Materials)
        if (m.Name == materialField_) return m.Density == fieldDensity_ ? materialField_ : "";
    try {
        const auto named = catalogue::FindMaterial(materialField_, materials_->Entries());
        return named.Density == *fieldDensity_ ? materialField_ : "";
    } catch (const calc::Error&) {
        return {}; // a name no material has
    }
}

QString Document::FilePath() const {
    return FromCore(calculation_.FilePath());
}

// The file's list in place of this one, which is kept first where it was
// never saved; the list is then the file's, or (`kept`) one never saved.
std::optional<std::vector<std::string>>
Document::Open(const QString& path, const partslist::Progress& progress, bool kept) {
    const QByteArray bytes = PartsListBytes(path);
    const std::string name = PrintableName(path).toStdString();
    partslist::OpenedList list;
    try {
        list = partslist::ReadPartsList(std::string_view(bytes.constData(), bytes.size()), name, {},
                                        {}, progress);
    } catch (const partslist::Cancelled&) {
        return std::nullopt; // as if never asked
    }
    // A line that brings no price of its own is costed at its material's,
    // where the user has one.
    for (std::size_t i = 0; i < list.Lines.size(); ++i)
        if (!list.Lines[i].PricePerKg)
            list.Totals.Lines[i].PricePerKg = list.Lines[i].PricePerKg =
                materials_->PriceOf(list.Lines[i].Material);
    if (partslist::Costed(list.Totals.Lines, list.PricePerKg) &&
        !partslist::TotalCostCents(list.Totals.Lines, list.PricePerKg))
        throw calc::Error(name + ": its prices give costs past 15 digits");
    KeepUnsaved();
    keptFrom_.clear();
    const bool lines = !list.Lines.empty();
    const bool price = list.PricePerKg != calculation_.PricePerKg();
    calculation_.Replace(std::move(list.Lines), std::move(list.Totals), list.PricePerKg,
                         std::move(list.Format));
    calculation_.Saved(kept ? std::string() : path.toStdString());
    if (kept)
        keptFrom_ = path;
    else
        Remember(path);
    emit replayed();
    if (lines) emit materialChanged();
    if (price) emit priceChanged();
    emit changed();
    return std::move(list.IgnoredColumns);
}

void Document::KeepUnsaved() {
    if (calculation_.Lines().empty() || !calculation_.FilePath().empty()) return;
    try {
        const QString kept =
            KeepList(partslist::WritePartsList(calculation_.Lines(), calculation_.PricePerKg(),
                                               calculation_.Totals(), calculation_.FileFormat()),
                     int(calculation_.Lines().size()));
        if (kept.isEmpty()) return; // the one it came from stays, if any
        // Kept as it now is, the list needs no older copy.
        if (!keptFrom_.isEmpty() && keptFrom_ != kept) ForgetKeptList(keptFrom_);
        keptFrom_.clear();
        emit recentFilesChanged();
    } catch (...) {
        // Out of memory for the text: the list goes as it went before lists
        // were kept, and the program goes on.
    }
}

// Written to a temporary file and renamed over the target, so a failure
// never leaves half a file behind.
void Document::Save(const QString& path) {
    const std::string text =
        partslist::WritePartsList(calculation_.Lines(), calculation_.PricePerKg(),
                                  calculation_.Totals(), calculation_.FileFormat());
    if (const QString failed = WriteWhole(path, text); !failed.isEmpty())
        throw calc::Error("Could not save '" + PrintableName(path).toStdString() +
                          "': " + failed.toStdString());
    calculation_.Saved(path.toStdString());
    if (!keptFrom_.isEmpty()) ForgetKeptList(std::exchange(keptFrom_, QString()));
    Remember(path);
    emit changed();
}

bool Document::MayDiscard(QWidget* parent) {
    if (!Modified()) return true;
    const auto answer =
        Ask(parent, QMessageBox::Warning,
            QStringLiteral("The parts list \u201C%1\u201D has changes that are not saved.")
                .arg(PrintableName(QFileInfo(FilePath()).fileName())),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer != QMessageBox::Save) return answer == QMessageBox::Discard;
    bool saved = false;
    Guarded(parent, [&] {
        Save(FilePath());
        saved = true;
    });
    return saved;
}

QStringList Document::RecentFiles() const {
    return QSettings().value(RecentKey).toStringList();
}

QString Document::LastFolder() const {
    return QSettings().value(FolderKey).toString();
}

// Kept as a number; a version before kept the text as typed ("2,5" in a
// German session), which reads as the field reads it.
std::optional<double> Document::RememberedPrice() const {
    const QString kept = QSettings().value(PriceKey).toString().trimmed();
    bool number = false;
    const double price = kept.toDouble(&number);
    if (number) return price >= 0 ? std::optional(price) : std::nullopt;
    try {
        if (const double typed = kept.isEmpty() ? -1 : calc::ParseNumber(kept.toStdString());
            typed >= 0)
            return typed;
    } catch (const calc::Error&) {
    }
    return std::nullopt;
}

void Document::RememberPrice(std::optional<double> price) {
    QSettings settings;
    if (price)
        settings.setValue(PriceKey, *price);
    else
        settings.remove(PriceKey);
}

void Document::Remember(const QString& path) {
    QSettings settings;
    const QString full = QFileInfo(path).absoluteFilePath();
    QStringList recent = settings.value(RecentKey).toStringList();
    recent.removeAll(full);
    recent.prepend(full);
    settings.setValue(RecentKey, recent.mid(0, RecentCount));
    settings.setValue(FolderKey, QFileInfo(full).absolutePath());
    emit recentFilesChanged();
}

void Document::ShowPartsList() {
    ShowInFront(partsList_, *this, owner_);
}

void Document::ShowSections() {
    ShowInFront(sections_, *this, owner_);
}

void Document::ShowMaterials() {
    ShowInFront(materialsWindow_, *this, owner_);
}

void Document::ShowCutList() {
    ShowInFront(cutList_, *this, owner_);
}

void Document::OpenDropped(const QString& path) {
    ShowPartsList();
    partsList_->OpenFile(path);
}

void Document::CloseWindows() {
    KeepUnsaved();
    for (QWidget* window :
         std::initializer_list<QWidget*>{partsList_, sections_, materialsWindow_, cutList_})
        if (window) window->close();
}

// What an Add records of the material: its name and its own price.
partslist::Calculation::AddedMaterial Document::Priced(std::string_view material) const {
    return {material, materials_->PriceOf(material)};
}

void Document::PickMaterial(const QString& name, std::int32_t density) {
    emit materialPicked(name, density);
}

void Document::Inserting(std::size_t first, std::size_t last) {
    emit linesAboutToBeInserted(int(first), int(last));
}
void Document::Inserted() {
    barCosts_.clear();
    emit linesInserted();
}
void Document::Removing(std::size_t first, std::size_t last) {
    emit linesAboutToBeRemoved(int(first), int(last));
}
void Document::Removed() {
    barCosts_.clear();
    emit linesRemoved();
}
void Document::Resetting() {
    emit linesAboutToBeReset();
}
void Document::WasReset() {
    barCosts_.clear();
    emit linesReset();
}
void Document::Reweighed() {
    barCosts_.clear();
    emit weightsChanged();
}

} // namespace ui
