#include "ui/SectionsModel.h"

#include "ui/CoreText.h"

#include <bitset>

namespace ui {

using catalogue::Section;
using catalogue::SectionFamily;

std::optional<catalogue::Dimension> SectionsModel::DimensionAt(int column) {
    if (column < FirstDimension || column >= Area) return std::nullopt;
    return catalogue::Dimensions[std::size_t(column - FirstDimension)];
}

void SectionsModel::Show(std::vector<const Section*> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    std::bitset<64> present;
    for (const Section* s : rows_)
        present.set(std::size_t(s->Family));
    for (std::size_t c = 0; c < used_.size(); ++c)
        used_[c] = !DimensionAt(int(c)) && !rows_.empty();
    // A dimension's column shows where a family in the list has it, headed
    // with each letter it goes by in those families, in their order.
    for (std::size_t d = 0; d < catalogue::DimensionCount; ++d) {
        QStringList letters, meanings;
        for (const SectionFamily family : catalogue::SectionFamilies()) {
            if (!present.test(std::size_t(family))) continue;
            const auto letter = catalogue::DimensionLetter(family, catalogue::Dimensions[d]);
            const auto meaning = catalogue::DimensionMeaning(family, catalogue::Dimensions[d]);
            if (!letter.empty() && !letters.contains(FromCore(letter))) letters << FromCore(letter);
            if (!meaning.empty() && !meanings.contains(FromCore(meaning)))
                meanings << FromCore(meaning);
        }
        used_[FirstDimension + d] = !letters.isEmpty();
        letters_[d] = letters.join(u'/');
        meanings_[d] = meanings.join(QStringLiteral("; "));
    }
    endResetModel();
}

void SectionsModel::SetDensity(std::optional<std::int32_t> density, const QString& material) {
    if (density == density_ && material == material_) return;
    density_ = density;
    material_ = material;
    emit headerDataChanged(Qt::Horizontal, MassAtDensity, MassAtDensity);
    if (rowCount() > 0)
        emit dataChanged(index(0, MassAtDensity), index(rowCount() - 1, MassAtDensity),
                         {Qt::DisplayRole});
}

QString SectionsModel::Number(double value) {
    return QString::number(value, 'g', 12).replace(u'.', QChar::fromLatin1(DecimalSeparator()));
}

namespace {

// A mass worked out: four significant figures, as table books print them.
QString Figure(double value) {
    const int decimals = value >= 1000 ? 0 : value >= 100 ? 1 : value >= 10 ? 2 : 3;
    return QString::number(value, 'f', decimals)
        .replace(u'.', QChar::fromLatin1(DecimalSeparator()));
}

} // namespace

QString SectionsModel::Text(const Section& s, int column) const {
    switch (column) {
    case Designation:
        return FromCore(s.Designation);
    case Area:
        return Number(s.AreaCm2);
    case Mass:
        return Number(s.MassKgPerM);
    case MassAtDensity:
        return density_ ? Figure(catalogue::MassPerMetre(s, double(*density_))) : QString();
    case Standard:
        return FromCore(s.Standard);
    default: {
        const auto dimension = DimensionAt(column);
        const auto value = dimension ? catalogue::DimensionOf(s, *dimension) : std::nullopt;
        return value ? Number(*value) : QString();
    }
    }
}

QVariant SectionsModel::data(const QModelIndex& index, int role) const {
    const Section* s = At(index.row());
    if (!s || index.column() >= ColumnCount) return {};
    if (role == Qt::DisplayRole) return Text(*s, index.column());
    if (role == Qt::TextAlignmentRole) {
        const bool number = index.column() != Designation && index.column() != Standard;
        return QVariant::fromValue(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft));
    }
    if (role == Qt::ToolTipRole && index.column() == Designation) {
        if (s->GplData)
            return QStringLiteral("Figures only GPL-3.0 sources had (a *_gpl.csv table)");
        if (s->LgplExtra)
            return QStringLiteral("A size named only by an LGPL source; its area is computed "
                                  "from its dimensions");
    }
    return {};
}

QVariant SectionsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount) return {};
    const auto dimension = DimensionAt(section);
    if (role == Qt::DisplayRole) {
        switch (section) {
        case Designation:
            return QStringLiteral("Designation");
        case Area:
            return QStringLiteral("Area, cm²");
        case Mass:
            return QStringLiteral("kg/m at 7850");
        case MassAtDensity:
            return !density_             ? QStringLiteral("kg/m at density")
                   : material_.isEmpty() ? QStringLiteral("kg/m at %1").arg(*density_)
                                         : QStringLiteral("kg/m in %1").arg(material_);
        case Standard:
            return QStringLiteral("Standard");
        default:
            return letters_[std::size_t(*dimension)] + QStringLiteral(", mm");
        }
    }
    if (role == Qt::ToolTipRole) {
        switch (section) {
        case Area:
            return QStringLiteral("Cross-section area as the table gives it; of an HSS, on "
                                  "AISC's design wall");
        case Mass:
            return QStringLiteral("Mass of one metre at 7850 kg/m³, as the table books give "
                                  "it; of an American shape, its nominal weight");
        case MassAtDensity:
            return QStringLiteral("Mass of one metre at the density in the main window, as "
                                  "it is weighed");
        default:
            return dimension ? meanings_[std::size_t(*dimension)] : QString();
        }
    }
    return {};
}

} // namespace ui
