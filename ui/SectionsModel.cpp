#include "ui/SectionsModel.h"

#include "ui/CoreText.h"

namespace ui {

using catalogue::Section;
using catalogue::SectionFamily;

// Which of the key dimensions a family is listed with: h, b, tw, tf, r for
// beams and channels; h, b, t (and r) for angles and hollow sections; D, t
// for tubes and pipes; D for rounds, a for squares, b and t for flats.
bool SectionsModel::Applies(SectionFamily family, Column column) {
    using F = SectionFamily;
    const bool flanged = family <= F::UPE || family == F::W;
    const bool angle = family == F::EqualAngle || family == F::UnequalAngle;
    const bool hollow = family == F::SHS || family == F::RHS;
    const bool ring = family == F::CHS || family == F::Pipe;
    switch (column) {
    case H:
    case R:
        return flanged || angle || hollow;
    case B:
        return flanged || angle || hollow || family == F::FlatBar;
    case Tw:
    case Tf:
        return flanged;
    case T:
        return angle || hollow || ring || family == F::FlatBar;
    case D:
        return ring || family == F::RoundBar;
    case A:
        return family == F::SquareBar;
    default:
        return true;
    }
}

std::optional<double> SectionsModel::Dimension(const Section& s, Column column) {
    if (!Applies(s.Family, column)) return std::nullopt;
    switch (column) {
    case H:
        return s.H;
    case B:
        return s.B;
    case Tw:
        return s.Tw;
    case Tf:
        return s.Tf;
    case T:
        return s.T;
    case D:
        return s.D;
    case A:
        return s.H > 0 ? s.H : s.B;
    case R:
        return s.R1;
    default:
        return std::nullopt;
    }
}

QString SectionsModel::Letter(Column column) {
    static constexpr const char* letters[] = {"", "h", "b", "tw", "tf", "t", "D", "a", "r"};
    const auto at = std::size_t(column);
    return at < std::size(letters) ? QString::fromLatin1(letters[at]) : QString();
}

void SectionsModel::Show(std::vector<const Section*> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    // A column shows where any family in the list has its figure.
    std::array<bool, std::size_t(SectionFamily::W) + 1> present{};
    for (const Section* s : rows_)
        present[std::size_t(s->Family)] = true;
    used_.fill(false);
    for (std::size_t f = 0; f < present.size(); ++f)
        if (present[f])
            for (int c = 0; c < ColumnCount; ++c)
                used_[std::size_t(c)] =
                    used_[std::size_t(c)] || Applies(SectionFamily(f), Column(c));
    endResetModel();
}

void SectionsModel::SetDensity(std::optional<std::int32_t> density) {
    if (density == density_) return;
    density_ = density;
    emit headerDataChanged(Qt::Horizontal, MassAtDensity, MassAtDensity);
    if (rowCount() > 0)
        emit dataChanged(index(0, MassAtDensity), index(rowCount() - 1, MassAtDensity),
                         {Qt::DisplayRole});
}

QString SectionsModel::Number(double value) {
    return QString::number(value, 'g', 12).replace(u'.', QChar::fromLatin1(DecimalSeparator()));
}

namespace {

// A mass worked out here: four significant figures, as table books print them.
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
        // cm² to m², times kg/m³: kilograms in a metre.
        return density_ ? Figure(s.AreaCm2 * 1e-4 * double(*density_)) : QString();
    case Standard:
        return FromCore(s.Standard);
    default: {
        const auto value = Dimension(s, Column(column));
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
    if (role == Qt::ToolTipRole && index.column() == Designation && s->LgplExtra)
        return QStringLiteral("A size named only by an LGPL source; its area is computed from "
                              "its dimensions");
    return {};
}

QVariant SectionsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount) return {};
    if (role == Qt::DisplayRole) {
        switch (section) {
        case Designation:
            return QStringLiteral("Designation");
        case Area:
            return QStringLiteral("Area, cm²");
        case Mass:
            return QStringLiteral("kg/m at 7850");
        case MassAtDensity:
            return density_ ? QStringLiteral("kg/m at %1").arg(*density_)
                            : QStringLiteral("kg/m at density");
        case Standard:
            return QStringLiteral("Standard");
        default:
            return Letter(Column(section)) + QStringLiteral(", mm");
        }
    }
    if (role == Qt::ToolTipRole) {
        switch (section) {
        case Mass:
            return QStringLiteral("Mass of one metre at 7850 kg/m³, as the table books give it");
        case MassAtDensity:
            return QStringLiteral("Mass of one metre at the density in the main window");
        case R:
            return QStringLiteral("Root radius; of a hollow section, its outer corner radius");
        default:
            return {};
        }
    }
    return {};
}

} // namespace ui
