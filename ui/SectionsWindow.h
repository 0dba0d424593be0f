#pragma once
// The standard sections: found by typing a few words or by choosing a family,
// listed with their dimensions, area and mass per metre, the chosen one drawn
// to scale, and added with a length and a quantity to the main window's
// totals and parts list as one line. Its Add is the main window's, so Undo
// takes it back as any Add. One window, built when first asked for (the
// sections are read then, never at start-up), never modal.
#include <QWidget>

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
    SectionPicture* Drawing;
    QLineEdit* LengthField;
    QComboBox* LengthUnitBox;
    SpinEdit* QuantityBox;
    QPushButton* AddButton;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void Search();
    void ShowSelected();
    void DensityChanged();
    void Add();

    Document& document_;
    SectionsModel* model_;
};

} // namespace ui
