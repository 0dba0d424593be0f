#pragma once
// The standard sections: found by typing a few words or by choosing a family,
// listed with their dimensions, area and mass per metre, the chosen one drawn
// to scale, and added with a length and a quantity to the main window's
// totals and parts list as one line. Its Add is the main window's, so Undo
// takes it back as any Add. One window, built when first asked for (the
// sections are read then, never at start-up), never modal.
#include <QWidget>

#include <array>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableView;

namespace catalogue {
struct Section;
}

namespace ui {

class Document;
class SectionPicture;
class SectionsModel;
class SpinEdit;

class SectionsWindow : public QWidget {
    Q_OBJECT
public:
    SectionsWindow(Document& document, QWidget* owner);

    // The section selected in the table, or nullptr.
    const catalogue::Section* Selected() const;

    QLineEdit* SearchField;
    QListWidget* FamilyList;
    QTableView* SizesTable;
    QLabel *CountLabel, *DesignationLabel, *StandardLabel, *NoteLabel, *AddedLabel;
    // When nothing is found: the nearest designations, each a button that
    // searches for it.
    QLabel* NearLabel;
    std::array<QPushButton*, 5> NearButtons;
    SectionPicture* Drawing;
    QLineEdit* LengthField;
    QComboBox* LengthUnitBox;
    SpinEdit* QuantityBox;
    QPushButton *AddButton, *MaterialButton;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void FitColumns();
    void Search();
    void ShowNear();
    void NearChosen(std::size_t which);
    void ShowSelected();
    void DensityChanged();
    void Add();

    Document& document_;
    SectionsModel* model_;
    std::vector<const catalogue::Section*> near_;
};

} // namespace ui
