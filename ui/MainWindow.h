#pragma once
// The main window. How the pieces meet:
//  - The widgets hold the user's input and show the results; they are built
//    from one table of places (Layout.cpp) and named as the handlers call them.
//  - Each handler reads the controls' texts into plain values, calls one
//    function of the core (calc/, catalogue/) and writes the result back. The
//    core never sees a widget; the window never decides a calculation.
//  - The core works on a copy of CalcState and throws calc::Error on failure;
//    the window stores the new state only after the call returned, so a
//    failed click leaves everything as it was, and Guarded() shows the error.
#include "calc/Add.h"
#include "calc/CalcState.h"

#include <QWidget>

#include <array>
#include <span>
#include <string>
#include <vector>

#include "catalogue/ProfileSizeTable.h"
#include "partslist/PartsList.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

class AboutDialog;
class EditCombo;
class LinkLabel;
class PartsListWindow;
class SpinEdit;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    void SetAboutDialog(AboutDialog* about) { About_ = about; }
    const calc::CalcState& State() const { return State_; }

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

    // The lines of the calculation: one for each Add that named a type.
    const partslist::PartsList& Parts() const { return Parts_; }
    // The list without the lines at these places: the totals become theirs,
    // shown as after an Add; Undo puts both back. Throws calc::Error, and
    // then nothing changed.
    void RemoveLines(std::span<const std::size_t> rows);
    // The lines of an opened file, and their replay, take the list's place.
    void ReplaceLines(std::vector<partslist::Line> lines, const partslist::Replay& replay);

    // The size boxes in the order of ProfileMass.
    std::array<EditCombo*, catalogue::ProfileCount> SizeBoxes() const;

signals:
    // After every Add, Undo, Reset, removal or opening.
    void partsListChanged();

protected:
    void paintEvent(QPaintEvent* event) override;

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
    calc::AddInput ObjectInput() const;
    calc::AddInput ApertureInput() const;
    void ListAdd(partslist::Kind kind, const calc::AddInput& input,
                 const calc::AddOutcome& outcome);
    void ShowReplay(const partslist::Replay& replay);

    calc::CalcState State_;
    // The label of the size each profile's mass was last taken from.
    std::array<std::string, catalogue::ProfileCount> SizeLabels_;
    partslist::PartsList Parts_;
    PartsListWindow* PartsWindow_ = nullptr;
    AboutDialog* About_ = nullptr;
    bool Painted_ = false;
};

} // namespace ui
