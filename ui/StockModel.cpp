#include "ui/StockModel.h"

#include "calc/Error.h"
#include "calc/ParseNumber.h"
#include "partslist/PartsFile.h"
#include "ui/CoreText.h"

#include <cmath>

namespace ui {
namespace {

QString Number(double value) {
    return FromCore(partslist::ExactNumber(value))
        .replace(u'.', QChar::fromLatin1(DecimalSeparator()));
}

} // namespace

const QString ByWeightText = QStringLiteral("by weight");

StockModel::StockModel(QObject* parent) : QAbstractTableModel(parent) {}

void StockModel::Show(cutlist::Settings* settings) {
    beginResetModel();
    settings_ = settings;
    endResetModel();
}

void StockModel::AddStock() {
    if (!settings_) return;
    const int row = rowCount();
    beginInsertRows({}, row, row);
    settings_->Stocks.push_back({6000, {}, false, {}});
    endInsertRows();
    emit edited();
}

void StockModel::RemoveStock(int row) {
    if (!settings_ || row < 0 || row >= rowCount()) return;
    beginRemoveRows({}, row, row);
    settings_->Stocks.erase(settings_->Stocks.begin() + row);
    endRemoveRows();
    emit edited();
}

int StockModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() || !settings_ ? 0 : int(settings_->Stocks.size());
}

int StockModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant StockModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignVCenter | Qt::AlignRight);
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    const cutlist::StockOffer& s = settings_->Stocks[std::size_t(index.row())];
    switch (index.column()) {
    case Length:
        return Number(s.LengthMm);
    case Price:
        return s.ByWeight ? ByWeightText : s.Price ? Number(*s.Price) : QString();
    case OnHand:
        return s.OnHand ? QString::number(*s.OnHand) : QString();
    default:
        return {};
    }
}

bool StockModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || !index.isValid() || index.row() >= rowCount()) return false;
    cutlist::StockOffer s = settings_->Stocks[std::size_t(index.row())];
    const QString text = value.toString().trimmed();
    std::optional<double> number; // as the window's fields read it; nothing for no number
    try {
        number = calc::ParseNumber(text.toStdString());
    } catch (const calc::Error&) {
    }
    switch (index.column()) {
    case Length:
        if (!number || *number <= 0)
            return Refuse(QStringLiteral("A stock length is a number of millimetres above 0"));
        s.LengthMm = *number;
        break;
    case Price:
        s.ByWeight = text.startsWith(u'w', Qt::CaseInsensitive) ||
                     text.compare(ByWeightText, Qt::CaseInsensitive) == 0;
        s.Price.reset();
        if (!s.ByWeight && !text.isEmpty()) {
            if (!number || *number < 0)
                return Refuse(QStringLiteral("A price of a bar is a number, 0 or more; "
                                             "\u201Cby weight\u201D prices it by its weight"));
            s.Price = *number;
        }
        break;
    case OnHand:
        s.OnHand.reset();
        if (!text.isEmpty()) {
            if (!number || *number < 1 || *number != std::floor(*number) || *number > 1e6)
                return Refuse(QStringLiteral("The count on hand is a whole number from 1, "
                                             "or empty for none"));
            s.OnHand = int(*number);
        }
        break;
    default:
        return false;
    }
    settings_->Stocks[std::size_t(index.row())] = s;
    emit dataChanged(index, index);
    emit edited();
    return true;
}

bool StockModel::Refuse(const QString& message) {
    emit refused(message);
    return false;
}

Qt::ItemFlags StockModel::flags(const QModelIndex& index) const {
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

QVariant StockModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    static const QString headings[] = {QStringLiteral("Length, mm"),
                                       QStringLiteral("Price of a bar"), QStringLiteral("On hand")};
    return section >= 0 && section < ColumnCount ? headings[section] : QVariant();
}

} // namespace ui
