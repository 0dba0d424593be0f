#pragma once
// The materials an estimator weighs and prices: the library's grades and
// alloys and the user's own, found by typing a few letters of a name,
// designation, group or density. Picking one puts its name and density into
// the main window, as a pick from the material box does; the user's own
// materials and prices are added, changed and removed here, and imported
// from or exported to a CSV file. One window, built when first asked for,
// never modal.
#include <QWidget>

#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace ui {

class Document;
class MaterialsModel;

class MaterialsWindow : public QWidget {
    Q_OBJECT
public:
    MaterialsWindow(Document& document, QWidget* owner);

    QLineEdit *SearchField, *NameField, *DesignationField, *GroupField, *DensityField, *PriceField;
    QTableView* MaterialsTable;
    QLabel *CountLabel, *FaultLabel;
    QPushButton *UseButton, *SaveButton, *RemoveButton, *ImportButton, *ExportButton;

private:
    void CreateControls();
    void Search();
    void ShowSelected();
    void Use();
    void Save();
    void Remove();
    void Import();
    void Export();
    // The user's entry behind the selected row, if it has one.
    std::optional<std::size_t> SelectedEntry() const;

    Document& document_;
    MaterialsModel* model_;
};

} // namespace ui
