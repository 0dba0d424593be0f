#pragma once
// The parts list: every line of the document's calculation in a table, with
// the totals under it, and the list's commands: remove, copy and paste for a
// spreadsheet, open and save its file, a quote sheet to save or print. It
// changes the list only through the document, which tells every window what
// changed. One window, built when first asked for, never modal.
#include <QWidget>

#include <optional>
#include <vector>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QTableView;
class QToolButton;

namespace ui {

class Document;
class PartsListModel;

class PartsListWindow : public QWidget {
    Q_OBJECT
public:
    PartsListWindow(Document& document, QWidget* owner);

    // What the commands do once a file was chosen. Each shows its error in the
    // error box and then has changed nothing.
    bool SaveTo(const QString& path); // true once saved
    void OpenFrom(const QString& path);
    void ReportTo(const QString& path);

    // Opens a file (dropped, or one of the recent ones) once the document
    // may discard the list it has.
    void OpenFile(const QString& path);

    // The price typed, or none: empty or not a number of zero or more.
    std::optional<double> PricePerKg() const;

    QTableView* Table;
    QLineEdit *VolumeTotal, *WeightTotal, *CostTotal, *PriceField;
    QLabel* PriceNote;
    QAction *RemoveAction, *CopyAction, *PasteAction, *OpenAction, *SaveAction, *ReportAction,
        *PrintAction;
    QToolButton *RemoveButton, *CopyButton, *PasteButton, *OpenButton, *SaveButton, *ReportButton,
        *PrintButton;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void Changed();
    void RowsAdded(int first, int last);
    // PartsListPrice.cpp
    void PriceEditBegins();
    void PriceTyped();
    void PriceFinished();
    void ShowPrice();
    void ShowPriceNote(const QString& why);

    void ShowTotals();
    void ShowTitle();
    void ShowRecentFiles();
    // Columns as wide as the rows in sight need, or as new rows need.
    void FitColumns(int first = -1, int last = -1);
    void RemoveSelected();
    void CopyLines();
    void PasteLines();
    void Save();
    void Open();
    // A file's list, or (`kept`) a list kept unsaved, in place of this one.
    void OpenList(const QString& path, bool kept);
    void Report();
    void Print();
    std::vector<int> SelectedRows() const;

    Document& document_;
    PartsListModel* model_;
    QMenu* recentFiles_;
    // The price in force as the edit of the price field began.
    std::optional<double> priceBefore_;
};

// A price as a person types it into its field (NumberAsTyped), with the
// user's decimal separator.
QString PriceText(double value);

} // namespace ui
