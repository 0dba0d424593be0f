#pragma once
// The main window. How the pieces meet:
//  - The widgets hold the user's input and show the results; they are built
//    from one table of places (Layout.cpp) and named as the handlers call them.
//  - Each handler reads the controls' texts into plain values, calls one
//    function of the core (calc/, catalogue/) and writes the result back. The
//    core never sees a widget; the window never decides a calculation.
//  - The document (Document.h) holds the calculation: the state, the lines
//    of the parts list and the undo of both, shared with the other windows.
//    An operation that fails throws calc::Error and changes nothing, and
//    Guarded() shows the error. The window writes the result fields when the
//    document says an Add, a removal or an opened list changed the totals.
#include "calc/Add.h"
#include "calc/CalcState.h"
#include "catalogue/ProfileSizeTable.h"

#include <QWidget>

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ui {

class AboutDialog;
class Document;
class EditCombo;
class LinkLabel;
class SpinEdit;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);

    void SetAboutDialog(AboutDialog* about) { about_ = about; }
    // The document every window of this one shares.
    ui::Document& Document() const { return *document_; }
    const calc::CalcState& State() const;

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

    // The size boxes in the order of ProfileMass.
    std::array<EditCombo*, catalogue::ProfileCount> SizeBoxes() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

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
    void DensityTyped();
    void ShowPartsList();
    void ShowSections();
    void ShowMaterials();

    void ShowPicture(QLabel* image, const QString& name);
    void ShowAddOutcome(const calc::AddOutcome& outcome);
    void ShowTotals();
    void ShowMaterial();

    ui::Document* document_;
    AboutDialog* about_ = nullptr;
    bool painted_ = false;
};

} // namespace ui
