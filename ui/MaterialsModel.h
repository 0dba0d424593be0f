#pragma once
// The materials the Materials window lists: what a search finds among the
// library and the user's own, best first, a row each. A new search, or a
// change of the user's list, is a new list: the model is reset.
#include "catalogue/MaterialLibrary.h"

#include <QAbstractTableModel>

#include <vector>

namespace ui {

class UserMaterials;

class MaterialsModel : public QAbstractTableModel {
public:
    enum Column { Name, Designation, Group, Density, Price, ColumnCount };

    MaterialsModel(UserMaterials& user, QObject* parent);

    void Search(const QString& text);
    const catalogue::PricedMaterial* At(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    UserMaterials& user_;
    QString text_;
    std::vector<catalogue::PricedMaterial> rows_;
};

} // namespace ui
