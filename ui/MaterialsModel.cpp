#include "ui/MaterialsModel.h"

#include "partslist/PartsFile.h"
#include "ui/CoreText.h"
#include "ui/UserMaterials.h"

namespace ui {

MaterialsModel::MaterialsModel(UserMaterials& user, QObject* parent)
    : QAbstractTableModel(parent), user_(user) {
    // The rows look into the user's list: a new list, a new search.
    connect(&user_, &UserMaterials::changed, this, [this] { Search(text_); });
}

void MaterialsModel::Search(const QString& text) {
    beginResetModel();
    text_ = text;
    rows_ = catalogue::SearchMaterials(text.toStdString(), user_.Entries());
    endResetModel();
}

const catalogue::PricedMaterial* MaterialsModel::At(int row) const {
    return row >= 0 && row < rowCount() ? &rows_[std::size_t(row)] : nullptr;
}

int MaterialsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

int MaterialsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant MaterialsModel::data(const QModelIndex& index, int role) const {
    const catalogue::PricedMaterial* m = At(index.row());
    if (!m) return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignVCenter |
                                   (index.column() >= Density ? Qt::AlignRight : Qt::AlignLeft));
    if (role == Qt::ToolTipRole && index.column() == Name)
        return m->User ? QStringLiteral("Yours: in your materials file")
                       : QStringLiteral("From the library; its source is in Help");
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
    case Name:
        return FromCore(m->Name) + (m->User ? QStringLiteral(" \u2605") : QString());
    case Designation:
        return FromCore(m->Designation);
    case Group:
        return FromCore(m->Group);
    case Density:
        return m->Density;
    case Price:
        if (!m->PricePerKg) return {};
        return FromCore(partslist::ExactNumber(*m->PricePerKg))
            .replace(u'.', QChar::fromLatin1(DecimalSeparator()));
    default:
        return {};
    }
}

QVariant MaterialsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const QString headings[] = {QStringLiteral("Name"), QStringLiteral("Designation"),
                                       QStringLiteral("Group"), QStringLiteral("Density, kg/m³"),
                                       QStringLiteral("Price per kg")};
    return section >= 0 && section < ColumnCount ? headings[section] : QVariant();
}

} // namespace ui
