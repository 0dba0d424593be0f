#pragma once
// The stock lengths offered for one group of the cut list, a row each, edited
// in place: the length in mm, the price of a bar (empty for none, "by
// weight" for the bar's weight at the material's price per kg) and the count
// already on hand (empty for none). A text that is no such value is refused
// with a message, and the cell keeps what it had.
#include "cutlist/Stock.h"

#include <QAbstractTableModel>

namespace ui {

class StockModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Length, Price, OnHand, ColumnCount };

    explicit StockModel(QObject* parent);

    // The settings whose stock the rows are; nullptr for none.
    void Show(cutlist::Settings* settings);
    void AddStock();
    void RemoveStock(int row);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    void edited();
    void refused(const QString& message);

private:
    bool Refuse(const QString& message); // false, once told
    cutlist::Settings* settings_ = nullptr;
};

// "by weight", as the price cell reads and shows it.
extern const QString ByWeightText;

} // namespace ui
