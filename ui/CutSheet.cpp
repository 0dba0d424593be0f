#include "ui/CutSheet.h"

#include "ui/BarDrawing.h"
#include "ui/Fonts.h"
#include "ui/QuoteSheet.h"

#include <QBuffer>
#include <QLocale>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace ui {
namespace {

// Measures in points (1/72 inch), turned into the device's pixels when drawn.
constexpr qreal HeaderH = 96, FooterH = 18, RowH = 46, BoxW = 12, CountW = 90, BarH = 20;
const QColor Ink(0, 0, 0), Muted(0x55, 0x55, 0x55), Stripe(0xF0, 0xF0, 0xF0);

QFont Font(qreal points, bool bold = false) {
    QFont f = SansFont(11, bold);
    f.setPointSizeF(points);
    return f;
}

QString SawText(const cutlist::Job& job) {
    return QStringLiteral("Saw kerf %1 mm, trim %2 mm at each end, offcuts from %3 mm kept")
        .arg(MmText(job.Saw.Kerf), MmText(job.Saw.Trim), MmText(job.Saw.MinOffcut));
}

// The cuts in order, a run of the same piece once with its count:
// "3 × 1500 (line 9)".
QString CutsText(const cutlist::Pattern& pattern) {
    QStringList cuts;
    for (std::size_t i = 0, run = 1; i < pattern.Cuts.size(); i += run) {
        run = 1;
        while (i + run < pattern.Cuts.size() && pattern.Cuts[i + run] == pattern.Cuts[i] &&
               pattern.Lines[i + run] == pattern.Lines[i])
            ++run;
        cuts << (run > 1 ? QStringLiteral("%1 \u00D7 ").arg(run) : QString()) +
                    QStringLiteral("%1 (line %2)")
                        .arg(MmText(pattern.Cuts[i]))
                        .arg(pattern.Lines[i]);
    }
    if (pattern.Offcut > 0)
        cuts << QStringLiteral("offcut %1 %2")
                    .arg(MmText(pattern.Offcut),
                         pattern.Remnant ? QStringLiteral("kept") : QStringLiteral("scrap"));
    return cuts.join(QStringLiteral("  \u00B7  "));
}

class Pages {
public:
    Pages(QPainter& painter, const CutSheet& sheet)
        : p_(painter), sheet_(sheet), k_(painter.device()->logicalDpiY() / 72.0),
          width_(painter.device()->width() / k_), height_(painter.device()->height() / k_) {
        perPage_ = std::max(1, int((height_ - HeaderH - FooterH) / RowH));
        for (std::size_t g = 0; g < sheet_.Groups.size(); ++g) {
            const int rows = int(sheet_.Groups[g].Plan->Patterns.size());
            for (int first = 0; first == 0 || first < rows; first += perPage_)
                pages_.push_back({g, first});
        }
    }

    int Count() const { return int(pages_.size()); }

    void Draw(int page) {
        const auto [g, first] = pages_[std::size_t(page)];
        const CutListGroup& group = sheet_.Groups[g];
        Header(group, first > 0);
        const auto& patterns = group.Plan->Patterns;
        const int last = std::min(int(patterns.size()), first + perPage_);
        qreal y = HeaderH;
        for (int i = first; i < last; ++i, y += RowH)
            Row(group, patterns[std::size_t(i)], i % 2 == 1, y);
        Text(
            {0, height_ - FooterH + 4, width_, FooterH - 4}, Font(8), Muted,
            Qt::AlignRight | Qt::AlignBottom,
            QStringLiteral("%1 \u2014 page %2 of %3").arg(sheet_.Title).arg(page + 1).arg(Count()));
    }

private:
    QRectF Device(const QRectF& r) const {
        return {r.x() * k_, r.y() * k_, r.width() * k_, r.height() * k_};
    }

    void Text(const QRectF& r, const QFont& font, const QColor& colour, int flags,
              const QString& s) {
        p_.setFont(font);
        p_.setPen(colour);
        const QRectF d = Device(r);
        p_.drawText(d, flags | Qt::TextSingleLine,
                    QFontMetricsF(font, p_.device()).elidedText(s, Qt::ElideRight, d.width()));
    }

    void Header(const CutListGroup& group, bool continued) {
        Text({0, 0, width_ * 0.7, 24}, Font(16, true), Ink, Qt::AlignLeft | Qt::AlignBottom,
             QStringLiteral("Cut sheet: ") + group.Name() +
                 (continued ? QStringLiteral(" (continued)") : QString()));
        Text({width_ * 0.7, 0, width_ * 0.3, 24}, Font(9), Muted, Qt::AlignRight | Qt::AlignBottom,
             QLocale().toString(sheet_.Date, QLocale::LongFormat));
        const QStringList lines{SawText(*group.Job), SummaryText(group), BoughtText(group),
                                RemnantsText(group)};
        qreal y = 30;
        for (const QString& line : lines) {
            Text({0, y, width_, 14}, Font(9), Ink, Qt::AlignLeft | Qt::AlignVCenter, line);
            y += 14;
        }
        p_.setPen(QPen(Ink, 1 * k_));
        p_.drawLine(QPointF(0, (HeaderH - 6) * k_), QPointF(width_ * k_, (HeaderH - 6) * k_));
    }

    void Row(const CutListGroup& group, const cutlist::Pattern& pattern, bool striped, qreal y) {
        if (striped) p_.fillRect(Device({0, y, width_, RowH}), Stripe);
        p_.setPen(QPen(Ink, 0.75 * k_));
        p_.setBrush(Qt::white);
        p_.drawRect(Device({2, y + 8, BoxW, BoxW}));
        Text({BoxW + 10, y + 4, CountW, 14}, Font(10, true), Ink, Qt::AlignLeft | Qt::AlignVCenter,
             QStringLiteral("%1 \u00D7").arg(pattern.Count));
        const cutlist::Tenths stock = group.Job->Stocks[pattern.Stock].Length;
        Text({BoxW + 10, y + 18, CountW, 12}, Font(8.5), Muted, Qt::AlignLeft | Qt::AlignVCenter,
             MmText(stock) + QStringLiteral(" mm"));
        const cutlist::Tenths longest =
            std::ranges::max(group.Job->Stocks, {}, &cutlist::Stock::Length).Length;
        const qreal left = BoxW + 10 + CountW, room = width_ - left;
        DrawBar(p_, Device({left, y + 4, room * double(stock) / double(longest), BarH}), pattern,
                *group.Job, Font(7));
        // Two lines where one is not enough; the drawing shows every cut anyway.
        p_.setFont(Font(8));
        p_.setPen(Ink);
        p_.drawText(Device({left, y + 6 + BarH, room, RowH - BarH - 6}),
                    Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, CutsText(pattern));
    }

    QPainter& p_;
    const CutSheet& sheet_;
    qreal k_, width_, height_;
    int perPage_ = 1;
    std::vector<std::pair<std::size_t, int>> pages_; // group, first pattern
};

QString Paint(QPagedPaintDevice& device, const CutSheet& sheet) {
    QPainter painter;
    if (!painter.begin(&device)) return QStringLiteral("The pages could not be drawn.");
    painter.setRenderHint(QPainter::Antialiasing);
    Pages pages(painter, sheet);
    for (int page = 0; page < pages.Count(); ++page) {
        if (page > 0 && !device.newPage())
            return QStringLiteral("A new page could not be started.");
        pages.Draw(page);
    }
    if (!painter.end()) return QStringLiteral("The pages could not be finished.");
    return {};
}

} // namespace

// The PDF is made in memory (a cut sheet is a few pages) and goes to a
// QSaveFile, which replaces the file only once every byte is written.
QString SaveCutSheetPdf(const QString& path, const CutSheet& sheet,
                        const std::optional<QPageLayout>& layout) {
    const auto failed = [&](const QString& why) {
        return QStringLiteral("Cannot write \"%1\": %2").arg(path, why);
    };
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter pdf(&buffer);
        pdf.setTitle(QStringLiteral("Cut sheet: ") + sheet.Title);
        pdf.setCreator(QStringLiteral("Kubatrix"));
        pdf.setPageLayout(
            layout.value_or(QPageLayout(QuotePageSize(), QPageLayout::Portrait,
                                        QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter)));
        if (const QString error = Paint(pdf, sheet); !error.isEmpty()) return failed(error);
    }
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) return failed(file.errorString());
    if (file.write(bytes) != bytes.size() || !file.flush() || !file.commit())
        return failed(errno ? QString::fromLocal8Bit(std::strerror(errno)) : file.errorString());
    return {};
}

QString PrintCutSheet(QPrinter& printer, const CutSheet& sheet) {
    if (!printer.outputFileName().isEmpty())
        return SaveCutSheetPdf(printer.outputFileName(), sheet, printer.pageLayout());
    return Paint(printer, sheet);
}

} // namespace ui
