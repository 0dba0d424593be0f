#pragma once
// The rows of the parts-list window: one per line of the calculation, with
// what each line adds, as texts in the user's number format.
#include "partslist/Line.h"
#include "partslist/Replay.h"

#include <QAbstractTableModel>

#include <optional>
#include <vector>

namespace ui {

class PartsListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        Number,
        Kind,
        Type,
        A,
        B,
        C,
        Quantity,
        Material,
        Density,
        Volume,
        Weight,
        Cost,
        ColumnCount
    };

    using QAbstractTableModel::QAbstractTableModel;

    // The lines and their replay; the cost column shows with a price only.
    void Show(std::vector<partslist::Line> lines, partslist::Replay replay,
              std::optional<double> pricePerKg);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // A cell as the table shows it.
    QString Text(int row, int column) const;
    QString Heading(int column) const;

    // The rows (all of them when none is given) as tab-separated text with a
    // header row, one cell per value for a spreadsheet.
    QString TabSeparated(const std::vector<int>& rows) const;

    // A number as typed into a field: its shortest exact form, with the
    // user's decimal separator (a price read from a file, say).
    static QString NumberText(double value);

private:
    std::vector<partslist::Line> lines_;
    partslist::Replay replay_;
    std::optional<double> price_;
};

} // namespace ui
