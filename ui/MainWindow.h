#pragma once
// The main window. How the pieces meet:
//  - The widgets hold the user's input and show the results; they are built
//    from one table of places (Layout.cpp) and named as the handlers call them.
//  - Each handler reads the controls' texts into plain values, calls one
//    function of the core (calc/, catalogue/) and writes the result back. The
//    core never sees a widget; the window never decides a calculation.
//  - The calculation (partslist::Calculation) holds the state, the lines of
//    the parts list and the undo of both; an operation that fails throws
//    calc::Error and changes nothing, and Guarded() shows the error. The
//    window writes the result fields only after the call returned.
#include "calc/Add.h"
#include "calc/CalcState.h"
#include "catalogue/ProfileSizeTable.h"
#include "partslist/Calculation.h"

#include <QWidget>

#include <array>
#include <optional>
#include <span>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

class AboutDialog;
class EditCombo;
class LinkLabel;
class PartsListWindow;
class SectionsWindow;
class SpinEdit;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    void SetAboutDialog(AboutDialog* about) { about_ = about; }
    const calc::CalcState& State() const { return calculation_.State(); }

    // The controls, each under the name its objectName() also gives.
    QGroupBox* MaterialGroup;
    QLabel *MaterialLabel, *DensityLabel, *DensityUnitLabel, *DensityPowerLabel;
    EditCombo* MaterialBox;
    QLineEdit* DensityField;

    QGroupBox* ObjectGroup;
    QLabel* ObjectPicture;
    EditCombo* ObjectTypeBox;
    QLabel* ObjectQuantityLabel;
    SpinEdit* ObjectQuantityBox;
    QLabel *ObjectALabel, *ObjectBLabel, *ObjectCLabel, *SizeLabel, *LengthLabel;
    QLineEdit *ObjectAField, *ObjectBField, *ObjectCField;
    EditCombo *ObjectAUnitBox, *ObjectBUnitBox, *ObjectCUnitBox;
    EditCombo *HexagonalBarSizeBox, *IBeamSizeBox, *CChannelSizeBox, *LipChannelSizeBox,
        *AngleSizeBox;
    QPushButton* AddObjectButton;

    QGroupBox* ApertureGroup;
    QLabel* AperturePicture;
    EditCombo* ApertureTypeBox;
    QLabel* ApertureQuantityLabel;
    SpinEdit* ApertureQuantityBox;
    QLabel *ApertureALabel, *ApertureBLabel, *ApertureCLabel;
    QLineEdit *ApertureAField, *ApertureBField, *ApertureCField;
    EditCombo *ApertureAUnitBox, *ApertureBUnitBox, *ApertureCUnitBox;
    QPushButton* AddApertureButton;

    QLabel* MakerName;
    LinkLabel* HomePageLink;
    QGroupBox *WeightGroup, *VolumeGroup;
    QLineEdit *WeightField, *VolumeField;
    EditCombo *WeightUnitBox, *VolumeUnitBox;
    QLabel* CubicLabel;
    QPushButton *UndoButton, *ResetButton, *PartsListButton, *AboutButton, *HelpButton, *ExitButton;

    // The totals and the lines of the calculation: one for each Add that named a type.
    const partslist::Calculation& Calculation() const { return calculation_; }
    // The list without the lines at these places: the totals become theirs,
    // shown as after an Add; Undo puts both back. Throws calc::Error, and
    // then nothing changed.
    void RemoveLines(std::span<const std::size_t> rows);
    // The lines of an opened file, and their replay, take the list's place.
    void ReplaceLines(std::vector<partslist::Line> lines, partslist::Replay replay);
    // Rows pasted into the list: lines after the others, replayed as a file's.
    void PasteLines(std::vector<partslist::Line> lines);
    void SetPricePerKg(std::optional<double> price) { calculation_.SetPricePerKg(price); }
    // The list was saved to, or opened from, this file.
    void ListSaved(const QString& path) { calculation_.Saved(path.toStdString()); }

    // "Add" of the Sections window: that many pieces of the section, each of
    // that length, added as an Add object is, with the density and material
    // of this window; errors in the error box.
    void AddSection(const QString& designation, const QString& length, const QString& unit,
                    int quantity);
    // The Sections window, built on first use, shown and brought to the front.
    void ShowSections();

    // The size boxes in the order of ProfileMass.
    std::array<EditCombo*, catalogue::ProfileCount> SizeBoxes() const;

signals:
    // After every Add, Undo, Reset, removal or opening: the calculation's
    // LastChange() says what became of its lines.
    void calculationChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateControls(); // Layout.cpp
    void ConnectHandlers();

    void SetStartState();
    void Exit();
    void ShowHelp();
    void ShowAbout();
    void OpenHomePage();
    void MaterialChanged();
    void ObjectTypeChanged();
    void ApertureTypeChanged();
    void SizeChanged(catalogue::Profile profile);
    void WeightUnitChanged();
    void VolumeUnitChanged();
    void AddObject();
    void AddAperture();
    void Undo();
    void Reset();
    void ShowPartsList();

    void ShowPicture(QLabel* image, const QString& name);
    void ShowAddOutcome(const calc::AddOutcome& outcome);
    void ShowTotals(const std::optional<QString>& material);
    calc::AddInput ObjectInput() const;
    calc::AddInput ApertureInput() const;

    partslist::Calculation calculation_;
    PartsListWindow* partsWindow_ = nullptr;
    SectionsWindow* sectionsWindow_ = nullptr;
    AboutDialog* about_ = nullptr;
    bool painted_ = false;
};

} // namespace ui
