#pragma once
// The parts list: every line of the calculation in a table, with the totals
// under it. It shows the main window's calculation and follows its changes
// row by row; a removal or an opened file goes back to the main window, which
// owns the calculation and writes its result fields. One window, built when
// first asked for, never modal.
#include <QWidget>

#include <optional>
#include <vector>

class QAction;
class QLineEdit;
class QMenu;
class QTableView;
class QToolButton;

namespace ui {

class MainWindow;
class PartsListModel;
struct QuoteSheet;

class PartsListWindow : public QWidget {
    Q_OBJECT
public:
    explicit PartsListWindow(MainWindow* main);

    // What the commands do once a file was chosen. Each shows its error in the
    // error box and then has changed nothing.
    bool SaveTo(const QString& path); // true once saved
    void OpenFrom(const QString& path);
    void ReportTo(const QString& path);

    // Opens a file (dropped, or one of the recent ones) once MayDiscardList().
    void OpenFile(const QString& path);

    // Whether the list may be replaced or thrown away: yes unless it is a
    // saved or opened file with changes, and then as the user answers
    // Save (and it saved), Discard or Cancel.
    bool MayDiscardList();

    // The price typed, or none: empty or not a number of zero or more.
    std::optional<double> PricePerKg() const;

    QTableView* Table;
    QLineEdit *VolumeTotal, *WeightTotal, *CostTotal, *PriceField;
    QAction *RemoveAction, *CopyAction, *PasteAction, *OpenAction, *SaveAction, *ReportAction,
        *PrintAction;
    QToolButton *RemoveButton, *CopyButton, *PasteButton, *OpenButton, *SaveButton, *ReportButton,
        *PrintButton;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAction* AddCommand(const char* name, const QString& caption, const QString& description,
                        const QKeySequence& keys, void (PartsListWindow::*run)());
    void CalculationChanged();
    void PriceChanged();
    void ShowTotals();
    void ShowTitle();
    void Remember(const QString& path); // among the recent files, and its folder
    void ShowRecentFiles();
    // Columns as wide as the rows in sight need, or as one new row needs.
    void FitColumns(int row);
    void RemoveSelected();
    void CopyLines();
    void PasteLines();
    void Save();
    void Open();
    void Report();
    void Print();
    void ShowSections();
    QuoteSheet Sheet() const;
    std::vector<int> SelectedRows() const;

    MainWindow* main_;
    PartsListModel* model_;
    QMenu* recentFiles_;
};

} // namespace ui
