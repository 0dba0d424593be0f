#include "ui/BarDrawing.h"

#include "ui/CutListGroup.h"

#include <QFontMetricsF>
#include <QPainter>

namespace ui {
namespace {

const QColor Piece(0xFF, 0xFF, 0xFF), Trim(0x80, 0x80, 0x80), Panel(0xC0, 0xC0, 0xC0),
    Teal(0x00, 0x80, 0x80), Ink(0, 0, 0);

// The text that fits the width: the whole label, else the line alone, else none.
QString Fitting(const QFontMetricsF& metrics, qreal width, const QStringList& choices) {
    for (const QString& text : choices)
        if (metrics.horizontalAdvance(text) + 4 <= width) return text;
    return {};
}

// Lines at 45 degrees, a quarter of the height apart: drawn rather than a
// pattern brush, whose lines a printer or a PDF put a device pixel apart.
void Hatch(QPainter& p, const QRectF& r, const QColor& colour, qreal width) {
    p.save();
    p.setClipRect(r, Qt::IntersectClip);
    p.setPen(QPen(colour, width));
    const qreal step = std::max<qreal>(2, r.height() / 4);
    for (qreal x = r.left() - r.height(); x < r.right(); x += step)
        p.drawLine(QPointF(x, r.bottom()), QPointF(x + r.height(), r.top()));
    p.restore();
}

} // namespace

QString PieceLabel(int line, cutlist::Tenths length) {
    return QStringLiteral("L%1  %2").arg(line).arg(MmText(length));
}

void DrawBar(QPainter& p, const QRectF& strip, const cutlist::Pattern& pattern,
             const cutlist::Job& job, const QFont& font) {
    const auto stock = double(job.Stocks[pattern.Stock].Length);
    if (stock <= 0 || strip.width() <= 0) return;
    const qreal scale = strip.width() / stock;
    const auto x = [&](double tenths) { return strip.left() + tenths * scale; };
    const qreal line = std::max<qreal>(0.5, strip.height() / 28);
    p.save();
    p.setFont(font);
    const QFontMetricsF metrics(font, p.device());
    p.setPen(QPen(Ink, line));
    p.fillRect(strip, Trim);

    double at = double(job.Saw.Trim);
    for (std::size_t i = 0; i < pattern.Cuts.size(); ++i) {
        const QRectF box(x(at), strip.top(), double(pattern.Cuts[i]) * scale, strip.height());
        p.setBrush(Piece);
        p.drawRect(box);
        const QString label = Fitting(metrics, box.width(),
                                      {PieceLabel(pattern.Lines[i], pattern.Cuts[i]),
                                       QStringLiteral("L%1").arg(pattern.Lines[i])});
        p.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, label);
        at += double(pattern.Cuts[i] + job.Saw.Kerf);
    }
    if (pattern.Offcut > 0) {
        const QRectF off(x(stock - double(job.Saw.Trim) - double(pattern.Offcut)), strip.top(),
                         double(pattern.Offcut) * scale, strip.height());
        p.fillRect(off, Panel);
        Hatch(p, off, pattern.Remnant ? Teal : Trim, line);
        const QString label =
            Fitting(metrics, off.width(),
                    {(pattern.Remnant ? QStringLiteral("remnant ") : QStringLiteral("scrap ")) +
                         MmText(pattern.Offcut),
                     MmText(pattern.Offcut)});
        if (!label.isEmpty()) {
            const QRectF back =
                metrics.boundingRect(off, Qt::AlignCenter, label).adjusted(-1, 0, 1, 0);
            p.fillRect(back, Panel);
            p.drawText(off, Qt::AlignCenter | Qt::TextSingleLine, label);
        }
    }
    p.setBrush(Qt::NoBrush);
    p.drawRect(strip);
    p.restore();
}

} // namespace ui
