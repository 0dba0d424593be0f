#include "ui/PartsListModel.h"

#include "partslist/PartsFile.h"
#include "partslist/Describe.h"
#include "ui/CoreText.h"
#include "ui/Document.h"
#include "ui/QuoteSheetText.h"

#include <array>

namespace ui {

PartsListModel::PartsListModel(const Document& document, QObject* parent)
    : QAbstractTableModel(parent), document_(document),
      costShown_(Costed()) {
    connect(&document, &Document::linesAboutToBeInserted, this,
            [this](int first, int last) { beginInsertRows({}, first, last); });
    connect(&document, &Document::linesInserted, this, [this] { endInsertRows(); });
    connect(&document, &Document::linesAboutToBeRemoved, this,
            [this](int first, int last) { beginRemoveRows({}, first, last); });
    connect(&document, &Document::linesRemoved, this, [this] { endRemoveRows(); });
    connect(&document, &Document::linesAboutToBeReset, this, [this] { beginResetModel(); });
    connect(&document, &Document::linesReset, this, [this] { endResetModel(); });
    // What every line weighs, and so costs, at the density the volume is weighed at.
    connect(&document, &Document::weightsChanged, this,
            [this] { AllChanged(Density, columnCount() - 1); });
    connect(&document, &Document::priceChanged, this, &PartsListModel::PriceChanged);
    // A line of a material with a price of its own brings the costs too.
    connect(&document, &Document::changed, this, &PartsListModel::CostsCome);
}

bool PartsListModel::Costed() const {
    const partslist::Calculation& calculation = document_.Calculation();
    return partslist::Costed(calculation.Results(), calculation.PricePerKg());
}

int PartsListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(document_.Calculation().Lines().size());
}

int PartsListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : costShown_ ? ColumnCount : Cost;
}

// A new price changes the costs only.
void PartsListModel::PriceChanged() {
    if (Costed() == costShown_) return AllChanged(Cost, Cost);
    CostsCome();
}

// The Cost column comes with the first price and goes with the last.
void PartsListModel::CostsCome() {
    const bool costed = Costed();
    if (costed == costShown_) return;
    if (costed) {
        beginInsertColumns({}, Cost, Cost);
        costShown_ = true;
        endInsertColumns();
    } else {
        beginRemoveColumns({}, Cost, Cost);
        costShown_ = false;
        endRemoveColumns();
    }
}

void PartsListModel::AllChanged(int fromColumn, int toColumn) {
    if (rowCount() > 0 && toColumn >= fromColumn)
        emit dataChanged(index(0, fromColumn), index(rowCount() - 1, toColumn), {Qt::DisplayRole});
}

QString PartsListModel::Text(int row, int column) const {
    const partslist::Calculation& calculation = document_.Calculation();
    const partslist::Line& line = calculation.Lines()[std::size_t(row)];
    const partslist::LineResult& result = calculation.Results()[std::size_t(row)];
    const char separator = DecimalSeparator();
    switch (column) {
    case Kind:
        return FromCore(partslist::KindName(line.Kind));
    case Type:
        return FromCore(partslist::TypeAndSize(line));
    case A:
    case B:
    case C:
        return FromCore(partslist::ShortDimension(line.Rows[std::size_t(column - A)], separator));
    case Quantity:
        return QString::number(line.Quantity);
    case Material:
        return FromCore(line.Material);
    case Density:
        return QString::number(partslist::WeighedAt(line, result, calculation.VolumeDensity()));
    // The digits that matter, as the quote sheet prints them; the full
    // figure in the tooltip, a copy and the file.
    case Volume:
        return result.Volume ? quote::Figure(*result.Volume, separator) : QString();
    case Weight:
        return quote::Figure(result.Weight, separator);
    case Cost:
        return FromCore(partslist::Cost(result, calculation.PricePerKg(), separator));
    default:
        return {};
    }
}

QVariant PartsListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) return {};
    if (role == Qt::DisplayRole) {
        try { // a view's painting must never meet an exception
            return Text(index.row(), index.column());
        } catch (const calc::Error&) {
            return QStringLiteral("\u2014");
        }
    }
    if (role == Qt::ToolTipRole && (index.column() == Volume || index.column() == Weight)) {
        const partslist::LineResult& result = document_.Calculation().Results()[std::size_t(index.row())];
        const auto value = index.column() == Volume ? result.Volume : std::optional(result.Weight);
        if (value)
            return FromCore(partslist::ExactNumber(*value))
                .replace(u'.', QChar::fromLatin1(DecimalSeparator()));
    }
    if (role == Qt::TextAlignmentRole) {
        const bool number = index.column() == Quantity || index.column() >= Density;
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    return {};
}

QVariant PartsListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return section + 1;
    static const std::array<QString, ColumnCount> headings{
        QStringLiteral("Kind"),       QStringLiteral("Type"),
        QStringLiteral("a"),          QStringLiteral("b"),
        QStringLiteral("c"),          QStringLiteral("Quantity"),
        QStringLiteral("Material"),   QStringLiteral("Density, kg/m³"),
        QStringLiteral("Volume, m³"), QStringLiteral("Weight, kg"),
        QStringLiteral("Cost")};
    return section >= 0 && section < ColumnCount ? QVariant(headings[std::size_t(section)])
                                                 : QVariant();
}

} // namespace ui
