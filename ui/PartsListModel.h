#pragma once
// The rows of the parts list: one a line of the document's calculation, read
// from it as it stands. Every change of the lines reaches the model between
// the document's signals before and after it, so that a view keeps its
// selection while rows come and go; the model keeps no copy of its own. The
// vertical header numbers the lines.
#include <QAbstractTableModel>

namespace ui {

class Document;

class PartsListModel : public QAbstractTableModel {
public:
    enum Column { Kind, Type, A, B, C, Quantity, Material, Density, Volume, Weight, Cost, ColumnCount };

    PartsListModel(const Document& document, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    // The Cost column while a line has a price: the list's, or its material's.
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QString Text(int row, int column) const;
    void AllChanged(int fromColumn, int toColumn);
    void PriceChanged();
    void CostsCome();
    bool Costed() const;

    const Document& document_;
    bool costShown_;
};

} // namespace ui
