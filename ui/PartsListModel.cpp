#include "ui/PartsListModel.h"

#include "calc/Display.h"
#include "partslist/Describe.h"
#include "partslist/PartsFile.h"
#include "ui/CoreText.h"

namespace ui {

void PartsListModel::Show(std::vector<partslist::Line> lines, partslist::Replay replay,
                          std::optional<double> pricePerKg) {
    beginResetModel();
    lines_ = std::move(lines);
    replay_ = std::move(replay);
    price_ = pricePerKg;
    endResetModel();
}

int PartsListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(lines_.size());
}

int PartsListModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return price_ ? ColumnCount : Cost;
}

QString PartsListModel::Heading(int column) const {
    switch (column) {
    case Number:
        return QStringLiteral("No.");
    case Kind:
        return QStringLiteral("Kind");
    case Type:
        return QStringLiteral("Type");
    case A:
        return QStringLiteral("a");
    case B:
        return QStringLiteral("b");
    case C:
        return QStringLiteral("c");
    case Quantity:
        return QStringLiteral("Quantity");
    case Material:
        return QStringLiteral("Material");
    case Density:
        return QStringLiteral("Density, kg/m³");
    case Volume:
        return QStringLiteral("Volume, m³");
    case Weight:
        return QStringLiteral("Weight, kg");
    case Cost:
        return QStringLiteral("Cost");
    default:
        return {};
    }
}

QString PartsListModel::Text(int row, int column) const {
    const auto& line = lines_[std::size_t(row)];
    const char separator = DecimalSeparator();
    const partslist::LineResult* result =
        std::size_t(row) < replay_.Lines.size() ? &replay_.Lines[std::size_t(row)] : nullptr;
    switch (column) {
    case Number:
        return QString::number(row + 1);
    case Kind:
        return FromCore(partslist::KindName(line.Kind));
    case Type:
        return FromCore(partslist::TypeAndSize(line));
    case A:
    case B:
    case C:
        return FromCore(partslist::Dimension(line.Rows[std::size_t(column - A)]));
    case Quantity:
        return QString::number(line.Quantity);
    case Material:
        return FromCore(line.Material);
    case Density:
        return QString::number(line.Density);
    case Volume:
        return result && result->Volume ? FromCore(calc::FormatTotal(*result->Volume, separator))
                                        : QString();
    case Weight:
        return result ? FromCore(calc::FormatTotal(result->Weight, separator)) : QString();
    case Cost:
        return result && price_ ? FromCore(partslist::Cost(result->Weight, *price_, separator))
                                : QString();
    default:
        return {};
    }
}

QVariant PartsListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role == Qt::DisplayRole) return Text(index.row(), index.column());
    if (role == Qt::TextAlignmentRole) {
        const bool number =
            index.column() == Number || index.column() == Quantity || index.column() >= Density;
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    return {};
}

QVariant PartsListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole) return Heading(section);
    return {};
}

QString PartsListModel::NumberText(double value) {
    return FromCore(partslist::ExactNumber(value))
        .replace(u'.', QChar::fromLatin1(DecimalSeparator()));
}

QString PartsListModel::TabSeparated(const std::vector<int>& rows) const {
    // A tab or line break inside a text would split its cell.
    const auto cell = [](QString text) {
        for (QChar& c : text)
            if (c == u'\t' || c == u'\n' || c == u'\r') c = u' ';
        return text;
    };
    // With a price, each row carries it before its cost, as a saved file does.
    const QString price = price_ ? NumberText(*price_) : QString();
    QString out;
    for (int column = 0; column < columnCount(); ++column) {
        if (column) out += u'\t';
        if (column == Cost) out += QStringLiteral("Price per kg\t");
        out += Heading(column);
    }
    out += u'\n';
    const auto addRow = [&](int row) {
        for (int column = 0; column < columnCount(); ++column) {
            if (column) out += u'\t';
            if (column == Cost) out += price + u'\t';
            out += cell(Text(row, column));
        }
        out += u'\n';
    };
    if (rows.empty())
        for (int row = 0; row < rowCount(); ++row)
            addRow(row);
    for (int row : rows)
        addRow(row);
    return out;
}

} // namespace ui
