#include "ui/QuoteSheet.h"

#include "calc/Error.h"
#include "ui/CoreText.h"
#include "ui/Fonts.h"
#include "ui/QuoteSheetText.h"
#include "ui/ShapePicture.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <algorithm>
#include <array>
#include <map>
#include <memory>

namespace ui {
namespace {

// Every measure is in points (1/72 inch) and turned into the device's pixels
// only when drawn, so the PDF and any printer get the same page.
constexpr qreal Gap = 8; // between columns
constexpr qreal PictureW = 54;
constexpr qreal PictureH = PictureW * PictureHeight / PictureWidth;
constexpr qreal RowH = PictureH + 8;
constexpr qreal HeaderH = 56; // title and date, material, rule
constexpr qreal HeadsH = 18;
constexpr qreal TotalsH = 24;
constexpr qreal NoteH = 14;
constexpr qreal FooterH = 18;
constexpr qreal MaxNumberW = 80;    // a wider number shrinks rather than squeeze the words
constexpr qreal SmallestNumber = 5; // points; past it a number elides

const QColor Ink(0, 0, 0), Muted(0x55, 0x55, 0x55), Stripe(0xF0, 0xF0, 0xF0);

using namespace quote;

QFont font(qreal points, bool bold = false) {
    QFont f = SansFont(11, bold);
    f.setPointSizeF(points);
    return f;
}

const std::array<QString, ColumnCount> Heads = {
    QStringLiteral("#"),          QString(),
    QStringLiteral("Part"),       QStringLiteral("Dimensions"),
    QStringLiteral("Qty"),        QStringLiteral("Volume, m\u00B3"),
    QStringLiteral("Weight, kg"), QStringLiteral("Cost")};

// Draws the pages of one sheet on one painter.
class Pages {
public:
    Pages(QPainter& painter, const Text& contents)
        : p_(painter), c_(contents), k_(painter.device()->logicalDpiY() / 72.0),
          width_(painter.device()->width() / k_), height_(painter.device()->height() / k_) {
        placeColumns();
        const int room = int((height_ - HeaderH - HeadsH - FooterH) / RowH);
        perPage_ = std::max(1, room);
        const int rows = int(c_.Rows.size());
        pages_ = std::max(1, (rows + perPage_ - 1) / perPage_);
        const int onLast = rows - (pages_ - 1) * perPage_;
        if (HeaderH + HeadsH + onLast * RowH + closingH() + FooterH > height_) ++pages_;
    }

    int count() const { return pages_; }

    void draw(int page) {
        header();
        heads(HeaderH);
        const int first = page * perPage_;
        const int last = std::min(int(c_.Rows.size()), first + perPage_);
        qreal y = HeaderH + HeadsH;
        for (int i = first; i < last; ++i, y += RowH)
            row(c_.Rows[std::size_t(i)], i % 2 == 1, y);
        if (page == pages_ - 1) totals(y);
        text({0, height_ - FooterH + 6, width_, FooterH - 6}, font(8),
             Qt::AlignRight | Qt::AlignBottom,
             QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages_), Muted);
    }

private:
    qreal closingH() const { return TotalsH + (c_.Note.isEmpty() ? 0 : NoteH); }

    qreal widthOf(const QString& s, const QFont& f) const {
        return QFontMetricsF(f, p_.device()).horizontalAdvance(s) / k_;
    }

    qreal widest(Column col) const {
        qreal w = widthOf(Heads[col], font(8, true));
        for (const Row& r : c_.Rows)
            w = std::max(w, widthOf(r.Cells[col], font(8.5)));
        if (col != Volume) w = std::max(w, widthOf(c_.Totals[col], font(8.5, true)));
        return std::min(w + 1, MaxNumberW);
    }

    qreal wordsWidth(Column col) const {
        qreal w = widthOf(Heads[col], font(8, true));
        for (const Row& r : c_.Rows) {
            if (col == Item)
                w = std::max({w, widthOf(r.Kind, font(7)), widthOf(r.Cells[Item], font(8.5, true)),
                              widthOf(r.Size, font(8.5)), widthOf(r.Material, font(7.5))});
            for (const QString& d : col == Dimensions ? r.Dimensions : QStringList())
                w = std::max(w, widthOf(d, font(8.5)));
        }
        return w + 1;
    }

    // Numbers take what their widest needs, the words share the rest.
    void placeColumns() {
        std::array<qreal, ColumnCount> w{};
        w[Number] = widest(Number);
        w[Picture] = PictureW;
        w[Quantity] = widest(Quantity);
        w[Volume] = widest(Volume);
        w[Weight] = widest(Weight);
        w[Cost] = c_.Costed ? widest(Cost) : 0;
        // The total volume may be the marker, which may also use the Qty cell.
        const qreal marker = widthOf(c_.Totals[Volume], font(8.5, true)) + 1;
        w[Volume] = std::min(MaxNumberW, std::max(w[Volume], marker - w[Quantity] - Gap));
        qreal fixed = (c_.Costed ? ColumnCount - 1 : ColumnCount - 2) * Gap;
        for (qreal v : w)
            fixed += v;
        // Each word column gets what its widest text needs where both fit;
        // else the narrower keeps what it needs, up to half, and the wider elides.
        const qreal words = std::max(0.0, width_ - fixed);
        const qreal item = wordsWidth(Item), dimensions = wordsWidth(Dimensions);
        w[Item] = item + dimensions <= words
                      ? item + (words - item - dimensions) / 2
                      : std::max(std::min(item, words / 2), words - dimensions);
        w[Dimensions] = words - w[Item];
        qreal x = 0;
        for (int col = 0; col < ColumnCount; ++col) {
            x_[col] = x;
            w_[col] = w[col];
            x += w[col] + Gap;
        }
    }

    QRectF cell(Column col, qreal y, qreal h) const { return {x_[col], y, w_[col], h}; }

    // Text on one line within the rectangle, elided if it does not fit; a
    // number first shrinks, so that it keeps every digit.
    void text(const QRectF& r, QFont f, int flags, const QString& s, const QColor& colour = Ink,
              bool number = false) {
        const QRectF d(r.x() * k_, r.y() * k_, r.width() * k_, r.height() * k_);
        const qreal needs = QFontMetricsF(f, p_.device()).horizontalAdvance(s);
        if (number && needs > d.width())
            f.setPointSizeF(std::max(SmallestNumber, f.pointSizeF() * d.width() / needs));
        p_.setFont(f);
        p_.setPen(colour);
        const QFontMetricsF metrics(f, p_.device());
        p_.drawText(d, flags | Qt::TextSingleLine,
                    metrics.elidedText(s, Qt::ElideRight, d.width()));
    }

    // Lines of text centred as a block in the rectangle.
    void block(const QRectF& r, const std::vector<std::pair<QString, QFont>>& lines,
               const QColor& first) {
        qreal h = 0;
        for (const auto& [s, f] : lines)
            h += QFontMetricsF(f, p_.device()).height() / k_;
        qreal y = r.y() + (r.height() - h) / 2;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const qreal lineH = QFontMetricsF(lines[i].second, p_.device()).height() / k_;
            text({r.x(), y, r.width(), lineH}, lines[i].second, Qt::AlignLeft | Qt::AlignVCenter,
                 lines[i].first, i == 0 ? first : Ink);
            y += lineH;
        }
    }

    void rule(qreal y, qreal points, const QColor& colour = Ink) {
        p_.setPen(QPen(colour, points * k_));
        p_.drawLine(QPointF(0, y * k_), QPointF(width_ * k_, y * k_));
    }

    void header() {
        const QString date = c_.Date;
        const qreal dateW = widthOf(date, font(9)) + 1;
        text({0, 0, width_ - dateW - 2 * Gap, 24}, font(16, true), Qt::AlignLeft | Qt::AlignBottom,
             c_.Title);
        text({width_ - dateW, 0, dateW, 24}, font(9), Qt::AlignRight | Qt::AlignBottom, date,
             Muted);
        text({0, 28, width_, 16}, font(9), Qt::AlignLeft | Qt::AlignVCenter, c_.About);
        rule(HeaderH - 6, 1);
    }

    void heads(qreal y) {
        for (int col = 0; col < ColumnCount; ++col) {
            const Qt::Alignment align =
                col >= Quantity || col == Number ? Qt::AlignRight : Qt::AlignLeft;
            text(cell(Column(col), y, HeadsH), font(8, true), align | Qt::AlignVCenter, Heads[col],
                 Muted);
        }
        rule(y + HeadsH - 0.5, 0.75);
    }

    void row(const Row& r, bool striped, qreal y) {
        if (striped) p_.fillRect(QRectF(0, y * k_, width_ * k_, RowH * k_), Stripe);
        const auto right = Qt::AlignRight | Qt::AlignVCenter;
        text(cell(Number, y, RowH), font(8.5), right, r.Cells[Number], Muted);
        if (!r.Picture.isEmpty() && HasShapePicture(r.Picture)) {
            const qreal top = y + (RowH - PictureH) / 2;
            drawing(r.Picture).render(
                &p_, QRectF(x_[Picture] * k_, top * k_, PictureW * k_, PictureH * k_));
        }
        std::vector<std::pair<QString, QFont>> part{{r.Kind, font(7)},
                                                    {r.Cells[Item], font(8.5, true)}};
        if (!r.Size.isEmpty()) part.push_back({r.Size, font(8.5)});
        if (!r.Material.isEmpty()) part.push_back({r.Material, font(7.5)});
        block(cell(Item, y, RowH), part, Muted);
        std::vector<std::pair<QString, QFont>> dims;
        for (const QString& d : r.Dimensions)
            dims.push_back({d, font(8.5)});
        block(cell(Dimensions, y, RowH), dims, Ink);
        for (Column col : {Quantity, Volume, Weight, Cost})
            text(cell(col, y, RowH), font(8.5), right, r.Cells[col], Ink, true);
    }

    void totals(qreal y) {
        rule(y + 0.5, 0.75);
        const auto right = Qt::AlignRight | Qt::AlignVCenter;
        const QFont bold = font(8.5, true);
        text(cell(Item, y, TotalsH), bold, Qt::AlignLeft | Qt::AlignVCenter, c_.Totals[Item]);
        const QRectF volume(x_[Quantity], y, x_[Volume] + w_[Volume] - x_[Quantity], TotalsH);
        text(volume, bold, right, c_.Totals[Volume], Ink, true);
        text(cell(Weight, y, TotalsH), bold, right, c_.Totals[Weight], Ink, true);
        text(cell(Cost, y, TotalsH), bold, right, c_.Totals[Cost], Ink, true);
        if (!c_.Note.isEmpty())
            text({0, y + TotalsH, width_, NoteH}, font(7.5), Qt::AlignLeft | Qt::AlignVCenter,
                 c_.Note, Muted);
    }

    // Each drawing is read once per sheet and drawn as vectors, sharp at any
    // resolution.
    QSvgRenderer& drawing(const QString& name) {
        std::unique_ptr<QSvgRenderer>& read = drawings_[name];
        if (!read)
            read = std::make_unique<QSvgRenderer>(QStringLiteral(":/pictures/%1.svg").arg(name));
        return *read;
    }

    QPainter& p_;
    const Text& c_;
    qreal k_, width_, height_; // device pixels per point; the page in points
    std::array<qreal, ColumnCount> x_{}, w_{};
    int perPage_ = 1, pages_ = 1;
    std::map<QString, std::unique_ptr<QSvgRenderer>> drawings_;
};

} // namespace

QPageSize QuotePageSize(const QLocale& locale) {
    static constexpr QLocale::Territory Letter[] = {
        QLocale::UnitedStates, QLocale::Canada,     QLocale::Mexico,    QLocale::Belize,
        QLocale::Chile,        QLocale::Colombia,   QLocale::CostaRica, QLocale::ElSalvador,
        QLocale::Guatemala,    QLocale::Nicaragua,  QLocale::Panama,    QLocale::PuertoRico,
        QLocale::Venezuela,    QLocale::Philippines};
    const bool letter =
        std::find(std::begin(Letter), std::end(Letter), locale.territory()) != std::end(Letter);
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

QString PaintQuoteSheet(QPagedPaintDevice& device, const QuoteSheet& sheet) {
    try {
        const Text contents = TextOf(sheet);
        QPainter painter;
        if (!painter.begin(&device)) return QStringLiteral("The pages could not be drawn.");
        painter.setRenderHint(QPainter::Antialiasing);
        Pages pages(painter, contents);
        for (int page = 0; page < pages.count(); ++page) {
            if (page > 0 && !device.newPage())
                return QStringLiteral("A new page could not be started.");
            pages.draw(page);
        }
        if (!painter.end()) return QStringLiteral("The pages could not be finished.");
        return {};
    } catch (const calc::Error& e) {
        return FromCore(e.Message());
    } catch (const std::exception& e) {
        return QString::fromLocal8Bit(e.what());
    }
}

QString SaveQuoteSheetPdf(const QString& path, const QuoteSheet& sheet) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("Cannot write \"%1\": %2").arg(path, file.errorString());
    QString failed;
    {
        QPdfWriter pdf(&file);
        pdf.setTitle(sheet.Title);
        pdf.setCreator(QStringLiteral("Kubatrix"));
        pdf.setPageLayout(QPageLayout(QuotePageSize(QLocale()), QPageLayout::Portrait,
                                      QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        failed = PaintQuoteSheet(pdf, sheet);
    }
    if (!failed.isEmpty()) return QStringLiteral("Cannot write \"%1\": %2").arg(path, failed);
    if (!file.commit())
        return QStringLiteral("Cannot write \"%1\": %2").arg(path, file.errorString());
    return {};
}

} // namespace ui
