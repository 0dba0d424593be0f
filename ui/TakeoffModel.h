#pragma once
// The take-off as the Cut list window lists it: a row per group (section,
// profile or bar and its material) with its pieces, length, weight and cost
// by weight, and once solved the bars, their cost and whether the plan is
// proven optimal. A new take-off resets the model; a plan changes its row.
#include "ui/CutListGroup.h"

#include <QAbstractTableModel>

#include <vector>

namespace ui {

class TakeoffModel : public QAbstractTableModel {
public:
    enum Column {
        Item,
        Material,
        Pieces,
        Length,
        Weight,
        Cost,
        Bars,
        BarsCost,
        Result,
        ColumnCount
    };

    TakeoffModel(const std::vector<CutListGroup>& groups, QObject* parent);

    // Around a new take-off.
    void BeginReset() { beginResetModel(); }
    void EndReset() { endResetModel(); }
    void PlanChanged(int row);

    // The table as text for a spreadsheet: tab-separated, a heading row.
    QString Text() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString Cell(const CutListGroup& group, int column) const;

    const std::vector<CutListGroup>& groups_;
};

} // namespace ui
