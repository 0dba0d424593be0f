#include "ui/TakeoffModel.h"

#include "calc/Display.h"
#include "partslist/Describe.h"
#include "ui/CoreText.h"
#include "ui/QuoteSheetText.h"

namespace ui {

TakeoffModel::TakeoffModel(const std::vector<CutListGroup>& groups, QObject* parent)
    : QAbstractTableModel(parent), groups_(groups) {}

void TakeoffModel::PlanChanged(int row) {
    emit dataChanged(index(row, Bars), index(row, Result));
}

int TakeoffModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(groups_.size());
}

int TakeoffModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QString TakeoffModel::Cell(const CutListGroup& g, int column) const {
    const char separator = DecimalSeparator();
    switch (column) {
    case Item:
        return FromCore(g.Group.Item);
    case Material:
        return FromCore(g.Group.Material);
    case Pieces:
        return QString::number(g.Group.Pieces);
    case Length:
        return MmText(g.Group.LengthMm / 1000);
    case Weight:
        return quote::Figure(g.Group.Weight, separator);
    case Cost:
        return g.Group.CostCents ? FromCore(partslist::CentsText(g.Group.CostCents, separator))
                                 : QString();
    case Bars:
        return g.Plan ? QString::number(g.Plan->Bars) : QString();
    case BarsCost:
        return g.Plan && g.Plan->Cost ? MoneyText(*g.Plan->Cost) : QString();
    case Result:
        return g.Plan ? OptimalityText(g) : QStringLiteral("not solved");
    default:
        return {};
    }
}

QVariant TakeoffModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(
            Qt::AlignVCenter |
            (index.column() >= Pieces && index.column() < Result ? Qt::AlignRight : Qt::AlignLeft));
    if (role != Qt::DisplayRole) return {};
    return Cell(groups_[std::size_t(index.row())], index.column());
}

QVariant TakeoffModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    static const QString headings[] = {
        QStringLiteral("Item"),       QStringLiteral("Material"),
        QStringLiteral("Pieces"),     QStringLiteral("Length, m"),
        QStringLiteral("Weight, kg"), QStringLiteral("Cost by weight"),
        QStringLiteral("Bars"),       QStringLiteral("Cost of bars"),
        QStringLiteral("Plan")};
    return section >= 0 && section < ColumnCount ? headings[section] : QVariant();
}

QString TakeoffModel::Text() const {
    QStringList rows;
    QStringList heading;
    for (int c = 0; c < ColumnCount; ++c)
        heading << headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    rows << heading.join(u'\t');
    for (const CutListGroup& g : groups_) {
        QStringList cells;
        for (int c = 0; c < ColumnCount; ++c)
            cells << Cell(g, c);
        rows << cells.join(u'\t');
    }
    return rows.join(u'\n') + u'\n';
}

} // namespace ui
