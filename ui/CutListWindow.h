#pragma once
// The cut list: the take-off of the document's list (its lines cut from
// stock, grouped by cross-section and material), the stock and saw for each
// group, remembered between runs by the group's item and material, and the
// plan the solver finds: which bars to buy and how to cut them, drawn to
// scale, with a cut sheet to save as a PDF or print. The plans go when the
// list changes; the lines' share of the bars' cost goes to the document,
// for the quote sheet to price them by. One window, built when first asked
// for, never modal.
#include "ui/CutListGroup.h"

#include <QWidget>

#include <vector>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableView;
class QToolButton;

namespace ui {

class Document;
class PlanView;
class StockModel;
class TakeoffModel;

class CutListWindow : public QWidget {
    Q_OBJECT
public:
    CutListWindow(Document& document, QWidget* owner);
    ~CutListWindow() override;

    // What the commands do once a file was chosen; an error is shown in
    // the error box.
    void SaveCutSheetTo(const QString& path);

    const std::vector<CutListGroup>& Groups() const { return groups_; }

    QTableView *TakeoffTable, *StockTable;
    QLabel *NoticeLabel, *SummaryLabel;
    QGroupBox* StockBox;
    QLineEdit *KerfField, *TrimField, *MinOffcutField;
    QSpinBox* TimeLimitBox;
    QCheckBox* QuoteByBarsBox;
    QPushButton *AddStockButton, *RemoveStockButton;
    QAction *SolveAction, *CopyAction, *CutSheetAction, *PrintAction;
    QToolButton *SolveButton, *CopyButton, *CutSheetButton, *PrintButton;
    PlanView* Plan;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateControls();
    QWidget* CreateStockBox();
    // A new take-off from the document's lines: plans go, settings come back.
    void Refresh();
    void GroupChosen();
    void ShowGroup();
    void SawEdited();
    int Chosen() const; // the group chosen, or -1
    void Solve();
    void CopyTakeoff();
    void SaveCutSheet();
    void PrintSheet();
    void ShowHelp();
    void Remember(const CutListGroup& group) const;
    void Recall(CutListGroup& group) const;
    void ShareBarCosts();

    Document& document_;
    std::vector<CutListGroup> groups_;
    TakeoffModel* takeoff_;
    StockModel* stock_;
};

} // namespace ui
