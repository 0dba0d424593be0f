#include "ui/CutListGroup.h"

#include "ui/CoreText.h"

#include <map>

namespace ui {
namespace {

QString Localised(QString text) {
    return text.replace(u'.', QChar::fromLatin1(DecimalSeparator()));
}

} // namespace

QString CutListGroup::Name() const {
    return FromCore(Group.Item) + QStringLiteral(", ") + FromCore(Group.Material);
}

QString MmText(double mm) {
    return Localised(FromCore(cutlist::MmText(mm)));
}

QString MmText(cutlist::Tenths tenths) {
    return MmText(double(tenths) / 10);
}

QString MoneyText(double money) {
    return Localised(QString::number(money, 'f', 2));
}

QString PercentText(double percent) {
    return Localised(QString::number(percent, 'f', 1));
}

QString OptimalityText(const CutListGroup& group) {
    if (!group.Plan) return {};
    const cutlist::Plan& plan = *group.Plan;
    if (plan.ProvenOptimal) return QStringLiteral("proven optimal");
    const QString bound = plan.Cost ? MoneyText(plan.LowerBound)
                                    : MmText(plan.LowerBound / 10) + QStringLiteral(" mm");
    return QStringLiteral("%1gap %2 % (bound %3)")
        .arg(group.Stopped ? QStringLiteral("stopped, ") : QString(),
             PercentText(cutlist::GapPercent(plan)), bound);
}

QString BoughtText(const CutListGroup& group) {
    if (!group.Plan || !group.Job) return {};
    QStringList parts;
    for (const cutlist::Purchase& b : group.Plan->Bought) {
        QString part = QStringLiteral("%1 \u00D7 %2 mm")
                           .arg(b.Bars)
                           .arg(MmText(group.Job->Stocks[b.Stock].Length));
        if (b.Price) part += QStringLiteral(" at ") + MoneyText(*b.Price);
        parts << part;
    }
    return parts.isEmpty() ? QStringLiteral("Nothing to buy")
                           : QStringLiteral("Buy ") + parts.join(QStringLiteral(", "));
}

QString RemnantsText(const CutListGroup& group) {
    if (!group.Plan) return {};
    std::map<cutlist::Tenths, int, std::greater<>> remnants;
    for (const cutlist::Pattern& p : group.Plan->Patterns)
        if (p.Remnant) remnants[p.Offcut] += p.Count;
    QStringList parts;
    for (const auto& [length, count] : remnants)
        parts << (count > 1 ? QStringLiteral("%1 \u00D7 ").arg(count) : QString()) +
                     MmText(length) + QStringLiteral(" mm");
    return parts.isEmpty() ? QString()
                           : QStringLiteral("Remnants: ") + parts.join(QStringLiteral(", "));
}

QString SummaryText(const CutListGroup& group) {
    if (!group.Plan) return {};
    const cutlist::Plan& plan = *group.Plan;
    QString text =
        plan.Bars == 1 ? QStringLiteral("1 bar") : QStringLiteral("%1 bars").arg(plan.Bars);
    if (plan.Cost)
        text += QStringLiteral(", cost ") + MoneyText(*plan.Cost);
    else
        text += QStringLiteral(", %1 mm bought").arg(MmText(plan.StockBought));
    return text + QStringLiteral(", waste %1 %, ").arg(PercentText(plan.WastePercent)) +
           OptimalityText(group);
}

} // namespace ui
