#include "ui/PlanView.h"

#include "ui/BarDrawing.h"
#include "ui/Fonts.h"

#include <QPainter>

#include <algorithm>

namespace ui {
namespace {

constexpr int RowH = 30, Gap = 6, Left = 120, Margin = 8;

} // namespace

PlanView::PlanView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("PlanView"));
    setAccessibleName(QStringLiteral("Cutting plan"));
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void PlanView::Show(const CutListGroup* group) {
    group_ = group;
    setAccessibleDescription(group && group->Plan ? SummaryText(*group)
                                                  : QStringLiteral("No plan"));
    updateGeometry();
    adjustSize();
    update();
}

int PlanView::Rows() const {
    return group_ && group_->Plan ? int(group_->Plan->Patterns.size()) : 0;
}

QSize PlanView::sizeHint() const {
    return {760, std::max(1, Rows()) * (RowH + Gap) + 2 * Margin};
}

void PlanView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (!Rows()) {
        p.setPen(palette().color(QPalette::PlaceholderText));
        p.drawText(rect(), Qt::AlignCenter,
                   group_ ? QStringLiteral("Solve to see how the bars are cut")
                          : QStringLiteral("No group chosen"));
        return;
    }
    const cutlist::Job& job = *group_->Job;
    const cutlist::Tenths longest =
        std::ranges::max(job.Stocks, {}, &cutlist::Stock::Length).Length;
    const qreal room = std::max(50, width() - Left - 2 * Margin);
    const QFont label = SansFont(11), small = SansFont(10);
    int y = Margin;
    for (const cutlist::Pattern& pattern : group_->Plan->Patterns) {
        const cutlist::Tenths stock = job.Stocks[pattern.Stock].Length;
        p.setFont(label);
        p.setPen(palette().color(QPalette::Text));
        p.drawText(QRect(Margin, y, Left - Margin, RowH), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("%1 \u00D7  %2 mm").arg(pattern.Count).arg(MmText(stock)));
        DrawBar(p, QRectF(Left + Margin, y, room * double(stock) / double(longest), RowH), pattern,
                job, small);
        y += RowH + Gap;
    }
}

} // namespace ui
