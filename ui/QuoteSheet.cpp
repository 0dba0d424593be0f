#include "ui/QuoteSheet.h"

#include "calc/Error.h"
#include "catalogue/Sections.h"
#include "ui/CoreText.h"
#include "ui/Fonts.h"
#include "ui/QuoteSheetText.h"
#include "ui/SectionDrawing.h"
#include "ui/ShapePicture.h"

#include <QFontMetricsF>
#include <QHash>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgRenderer>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <map>

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
constexpr qreal NoteH = 24; // two lines
constexpr qreal FooterH = 18;
constexpr qreal MaxNumberW = 80;     // a wider number shrinks rather than squeeze the words
constexpr qreal SmallestNumber = 5;  // points; past it a number elides
constexpr qreal MaxPictureDpi = 600; // as sharp as a printer prints
constexpr std::size_t RowsBetweenProgress = 1000; // some milliseconds' work

const QColor Ink(0, 0, 0), Muted(0x55, 0x55, 0x55), Stripe(0xF0, 0xF0, 0xF0);

using namespace quote;

QFont font(qreal points, bool bold = false) {
    QFont f = SansFont(11, bold);
    f.setPointSizeF(points);
    return f;
}

const std::array<QString, ColumnCount> Heads = {QStringLiteral("#"),
                                                QString(),
                                                QStringLiteral("Part"),
                                                QStringLiteral("Dimensions"),
                                                QStringLiteral("Qty"),
                                                QStringLiteral("Density, kg/m\u00B3"),
                                                QStringLiteral("Volume, m\u00B3"),
                                                QStringLiteral("Weight, kg"),
                                                QStringLiteral("Cost")};

// A font as the pages use it, with its measure on the device and the widths
// of the texts it has measured: a long list says "Object", "Steel" and
// "a = 100 millimeter" row after row, and measuring is what sizes the columns.
class Face {
public:
    Face(qreal points, bool bold, const QPaintDevice* device, qreal k)
        : font_(font(points, bold)), metrics_(font_, device), k_(k) {}

    const QFont& Font() const { return font_; }
    qreal Height() const { return metrics_.height() / k_; } // points

    qreal Width(const QString& s) { // points
        auto it = widths_.constFind(s);
        if (it == widths_.constEnd()) it = widths_.insert(s, metrics_.horizontalAdvance(s) / k_);
        return *it;
    }

private:
    QFont font_;
    QFontMetricsF metrics_;
    qreal k_;
    QHash<QString, qreal> widths_;
};

// Draws the pages of one sheet on one painter.
class Pages {
public:
    // The page's size in points is the page layout's, not the device's
    // pixels divided back: a printer's resolution then never moves a row to
    // another page, and a print has the pages of the PDF.
    Pages(QPainter& painter, const Text& contents, const QSizeF& points)
        : p_(painter), c_(contents), k_(painter.device()->logicalDpiY() / 72.0),
          width_(points.width()), height_(points.height()) {
        const int room = int((height_ - HeaderH - HeadsH - FooterH) / RowH);
        perPage_ = std::max(1, room);
        const int rows = int(c_.Rows.size());
        pages_ = std::max(1, (rows + perPage_ - 1) / perPage_);
        const int onLast = rows - (pages_ - 1) * perPage_;
        if (HeaderH + HeadsH + onLast * RowH + closingH() + FooterH > height_) ++pages_;
    }

    // Sizes the columns to what they hold. False where `goOn` said stop.
    bool place(const std::function<bool()>& goOn) {
        std::array<qreal, ColumnCount> widest{};
        for (int col = 0; col < ColumnCount; ++col)
            widest[col] = head_.Width(Heads[col]);
        for (std::size_t i = 0; i < c_.Rows.size(); ++i) {
            if (i % RowsBetweenProgress == 0 && !goOn()) return false;
            const Row& r = c_.Rows[i];
            for (Column col : {Number, Quantity, Density, Volume, Weight, Cost})
                widest[col] = std::max(widest[col], body_.Width(r.Cells[col]));
            widest[Item] = std::max({widest[Item], kind_.Width(r.Kind), bold_.Width(r.Cells[Item]),
                                     body_.Width(r.Size), material_.Width(r.Material)});
            for (const QString& d : r.Dimensions)
                widest[Dimensions] = std::max(widest[Dimensions], body_.Width(d));
        }
        for (Column col : {Number, Quantity, Density, Weight, Cost})
            widest[col] = std::max(widest[col], bold_.Width(c_.Totals[col]));
        placeColumns(widest);
        return true;
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
        text({0, height_ - FooterH + 6, width_, FooterH - 6}, small_,
             Qt::AlignRight | Qt::AlignBottom,
             QStringLiteral("Page %1 of %2").arg(page + 1).arg(pages_), Muted);
    }

private:
    qreal closingH() const { return TotalsH + (c_.Note.isEmpty() ? 0 : NoteH); }

    // Numbers take what their widest needs, the words share the rest; a
    // column the sheet does not show takes nothing, nor its gap.
    void placeColumns(const std::array<qreal, ColumnCount>& widest) {
        std::array<qreal, ColumnCount> w{};
        for (Column col : {Number, Quantity, Density, Volume, Weight, Cost})
            w[col] = std::min(widest[col] + 1, MaxNumberW);
        w[Picture] = PictureW;
        if (!c_.Densities) w[Density] = 0;
        if (!c_.Costed) w[Cost] = 0;
        // The total volume may be the marker, which may also use the cells
        // from Qty on.
        const qreal marker = bold_.Width(c_.Totals[Volume]) + 1;
        const qreal before = w[Quantity] + Gap + (c_.Densities ? w[Density] + Gap : 0);
        w[Volume] = std::min(MaxNumberW, std::max(w[Volume], marker - before));
        const int shown = ColumnCount - (c_.Costed ? 0 : 1) - (c_.Densities ? 0 : 1);
        qreal fixed = (shown - 1) * Gap;
        for (qreal v : w)
            fixed += v;
        // Each word column gets what its widest text needs where both fit;
        // else the narrower keeps what it needs, up to half, and the wider elides.
        const qreal words = std::max(0.0, width_ - fixed);
        const qreal item = widest[Item] + 1, dimensions = widest[Dimensions] + 1;
        w[Item] = item + dimensions <= words
                      ? item + (words - item - dimensions) / 2
                      : std::max(std::min(item, words / 2), words - dimensions);
        w[Dimensions] = words - w[Item];
        qreal x = 0;
        for (int col = 0; col < ColumnCount; ++col) {
            x_[col] = x;
            w_[col] = w[col];
            if (w[col] > 0) x += w[col] + Gap;
        }
    }

    QRectF cell(Column col, qreal y, qreal h) const { return {x_[col], y, w_[col], h}; }

    // Text on one line within the rectangle, elided if it does not fit; a
    // number first shrinks, so that it keeps every digit.
    void text(const QRectF& r, Face& face, int flags, const QString& s, const QColor& colour = Ink,
              bool number = false) {
        if (s.isEmpty() || r.width() <= 0) return;
        const QRectF d(r.x() * k_, r.y() * k_, r.width() * k_, r.height() * k_);
        const qreal needs = face.Width(s) * k_;
        p_.setPen(colour);
        if (needs <= d.width()) { // the common case: as it is, measured once
            p_.setFont(face.Font());
            p_.drawText(d, flags | Qt::TextSingleLine, s);
            return;
        }
        QFont f = face.Font();
        if (number) f.setPointSizeF(std::max(SmallestNumber, f.pointSizeF() * d.width() / needs));
        p_.setFont(f);
        p_.drawText(d, flags | Qt::TextSingleLine,
                    QFontMetricsF(f, p_.device()).elidedText(s, Qt::ElideRight, d.width()));
    }

    // Lines of text centred as a block in the rectangle.
    void block(const QRectF& r, const std::vector<std::pair<QString, Face*>>& lines,
               const QColor& first) {
        qreal h = 0;
        for (const auto& [s, face] : lines)
            h += face->Height();
        qreal y = r.y() + (r.height() - h) / 2;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            Face& face = *lines[i].second;
            text({r.x(), y, r.width(), face.Height()}, face, Qt::AlignLeft | Qt::AlignVCenter,
                 lines[i].first, i == 0 ? first : Ink);
            y += face.Height();
        }
    }

    void rule(qreal y, qreal points, const QColor& colour = Ink) {
        p_.setPen(QPen(colour, points * k_));
        p_.drawLine(QPointF(0, y * k_), QPointF(width_ * k_, y * k_));
    }

    void header() {
        const qreal dateW = date_.Width(c_.Date) + 1;
        text({0, 0, width_ - dateW - 2 * Gap, 24}, title_, Qt::AlignLeft | Qt::AlignBottom,
             c_.Title);
        text({width_ - dateW, 0, dateW, 24}, date_, Qt::AlignRight | Qt::AlignBottom, c_.Date,
             Muted);
        text({0, 28, width_, 16}, date_, Qt::AlignLeft | Qt::AlignVCenter, c_.About);
        rule(HeaderH - 6, 1);
    }

    void heads(qreal y) {
        for (int col = 0; col < ColumnCount; ++col) {
            const Qt::Alignment align =
                col >= Quantity || col == Number ? Qt::AlignRight : Qt::AlignLeft;
            text(cell(Column(col), y, HeadsH), head_, align | Qt::AlignVCenter, Heads[col], Muted);
        }
        rule(y + HeadsH - 0.5, 0.75);
    }

    void row(const Row& r, bool striped, qreal y) {
        if (striped) p_.fillRect(QRectF(0, y * k_, width_ * k_, RowH * k_), Stripe);
        const auto right = Qt::AlignRight | Qt::AlignVCenter;
        text(cell(Number, y, RowH), body_, right, r.Cells[Number], Muted);
        const QRectF box(x_[Picture] * k_, (y + (RowH - PictureH) / 2) * k_, PictureW * k_,
                         PictureH * k_);
        if (const QImage* drawn = picture(r); drawn && !drawn->isNull()) p_.drawImage(box, *drawn);
        std::vector<std::pair<QString, Face*>> part{{r.Kind, &kind_}, {r.Cells[Item], &bold_}};
        if (!r.Size.isEmpty()) part.push_back({r.Size, &body_});
        if (!r.Material.isEmpty()) part.push_back({r.Material, &material_});
        block(cell(Item, y, RowH), part, Muted);
        std::vector<std::pair<QString, Face*>> dims;
        for (const QString& d : r.Dimensions)
            dims.push_back({d, &body_});
        block(cell(Dimensions, y, RowH), dims, Ink);
        for (Column col : {Quantity, Density, Volume, Weight, Cost})
            text(cell(col, y, RowH), body_, right, r.Cells[col], Ink, true);
    }

    void totals(qreal y) {
        rule(y + 0.5, 0.75);
        const auto right = Qt::AlignRight | Qt::AlignVCenter;
        text(cell(Item, y, TotalsH), bold_, Qt::AlignLeft | Qt::AlignVCenter, c_.Totals[Item]);
        const QRectF volume(x_[Quantity], y, x_[Volume] + w_[Volume] - x_[Quantity], TotalsH);
        text(volume, bold_, right, c_.Totals[Volume], Ink, true);
        text(cell(Weight, y, TotalsH), bold_, right, c_.Totals[Weight], Ink, true);
        text(cell(Cost, y, TotalsH), bold_, right, c_.Totals[Cost], Ink, true);
        if (c_.Note.isEmpty()) return;
        p_.setFont(material_.Font());
        p_.setPen(Muted);
        p_.drawText(QRectF(0, (y + TotalsH + 3) * k_, width_ * k_, (NoteH - 3) * k_),
                    Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, c_.Note);
    }

    // Each drawing is rendered once, at the device's resolution up to
    // 600 dpi, and every row that shows it draws that one image, which the
    // PDF then holds once. Drawn as vectors in every row, it added some 15 KB
    // of paths a row, and a long list spent most of its time compressing the
    // same paths again. A section's cross-section is drawn as the pictures
    // are, on their 260 x 170 panel scaled down, so that it looks like them.
    const QImage* picture(const Row& r) {
        const bool section = !r.Section.isEmpty();
        if (!section && r.Picture.isEmpty()) return nullptr;
        const auto [at, added] = pictures_.try_emplace(section ? "\u00A7" + r.Section : r.Picture);
        if (!added) return &at->second;
        const qreal pixels = PictureW * std::min(k_, MaxPictureDpi / 72.0);
        QImage& image = at->second;
        const catalogue::Section* shape =
            section ? catalogue::FindSection(r.Section.toStdString()) : nullptr;
        if (section ? !shape : !HasShapePicture(r.Picture)) return &image; // stays null
        image = QImage(qRound(pixels), qRound(pixels * PictureHeight / PictureWidth),
                       QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(image.width() / qreal(PictureWidth), image.height() / qreal(PictureHeight));
        const QRectF panel(0, 0, PictureWidth, PictureHeight);
        if (shape)
            DrawSection(painter, panel, *shape, false);
        else
            QSvgRenderer(QStringLiteral(":/pictures/%1.svg").arg(r.Picture))
                .render(&painter, panel);
        return &image;
    }

    QPainter& p_;
    const Text& c_;
    qreal k_, width_, height_; // device pixels per point; the page in points
    Face kind_{7, false, p_.device(), k_}, body_{8.5, false, p_.device(), k_},
        bold_{8.5, true, p_.device(), k_}, material_{7.5, false, p_.device(), k_},
        head_{8, true, p_.device(), k_}, small_{8, false, p_.device(), k_},
        title_{16, true, p_.device(), k_}, date_{9, false, p_.device(), k_};
    std::array<qreal, ColumnCount> x_{}, w_{};
    int perPage_ = 1, pages_ = 1;
    std::map<QString, QImage> pictures_; // by name, or \u00A7 and a section's designation
};

// The sheet on the device, from the painter's begin to its end, a page after
// each word from `progress` to go on. A printer is aborted when that word is
// stop, so that no half-printed job goes out.
QuoteOutcome paint(QPagedPaintDevice& device, const QuoteSheet& sheet, const Progress& progress,
                   QPrinter* printer, PageRange range) {
    try {
        int total = 0; // pages to draw; none counted while the rows are read
        bool stopped = false;
        const auto tell = [&](int done) { return !(stopped = progress && !progress(done, total)); };
        const Text contents = TextOf(sheet, [&] { return tell(0); });
        if (stopped) return {true, {}};
        QPainter painter;
        if (!painter.begin(&device))
            return {false, QStringLiteral("The pages could not be drawn.")};
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        Pages pages(painter, contents, device.pageLayout().paintRect(QPageLayout::Point).size());
        const int first = std::max(range.First, 1);
        const int last = range.Last > 0 ? std::min(range.Last, pages.count()) : pages.count();
        if (first > last) {
            if (printer) printer->abort();
            return {false, QStringLiteral("The quote sheet has %1 page%2: there is no page %3.")
                               .arg(pages.count())
                               .arg(pages.count() == 1 ? QString() : QStringLiteral("s"))
                               .arg(first)};
        }
        total = last - first + 1;
        bool going = pages.place([&] { return tell(0); });
        for (int page = first; going && page <= last; ++page) {
            if (page > first && !device.newPage())
                return {false, QStringLiteral("A new page could not be started.")};
            pages.draw(page - 1);
            going = tell(page - first + 1);
        }
        if (stopped) {
            if (printer) printer->abort();
            return {true, {}};
        }
        if (!painter.end()) return {false, QStringLiteral("The pages could not be finished.")};
        return {};
    } catch (const calc::Error& e) {
        return {false, FromCore(e.Message())};
    } catch (const std::exception& e) {
        return {false, QString::fromLocal8Bit(e.what())};
    }
}

// Between the PDF writer, which looks at none of its writes, and the file:
// the first write that fails is remembered with the system's reason, taken
// from errno as it fails, since Qt keeps only "Unknown error" for some.
class CheckedWrites : public QIODevice {
public:
    explicit CheckedWrites(QSaveFile& file) : file_(file) { open(WriteOnly | Unbuffered); }

    QString Failure; // empty while every write succeeded

    // The file's own buffer written out, then the file put in its place.
    bool Commit() { return check(file_.flush()) && check(file_.commit()); }

protected:
    qint64 readData(char*, qint64) override { return -1; }

    qint64 writeData(const char* data, qint64 size) override {
        return Failure.isEmpty() && check(file_.write(data, size) == size) ? size : -1;
    }

private:
    // errno is cleared before each call checked, so that it names this failure.
    bool check(bool succeeded) {
        if (!succeeded && Failure.isEmpty())
            Failure = errno ? QString::fromLocal8Bit(std::strerror(errno)) : file_.errorString();
        errno = 0;
        return succeeded;
    }

    QSaveFile& file_;
};

// The PDF goes to a QSaveFile, which replaces the file only on commit, and
// that only once the writer, the painter and every write to the disk have
// succeeded. Otherwise the file is left as it was.
QuoteOutcome savePdf(const QString& path, const QuoteSheet& sheet, const QPageLayout& layout,
                     int resolution, const Progress& progress, PageRange range = {}) {
    const auto failed = [&](const QString& why) {
        return QuoteOutcome{
            false, QStringLiteral("Cannot write \"%1\": %2").arg(PrintableName(path), why)};
    };
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return failed(file.errorString());
    errno = 0;
    CheckedWrites output(file);
    QuoteOutcome out;
    {
        QPdfWriter pdf(&output);
        pdf.setTitle(sheet.Title);
        pdf.setCreator(QStringLiteral("Kubatrix"));
        if (resolution > 0) pdf.setResolution(resolution);
        pdf.setPageLayout(layout);
        out = paint(pdf, sheet, progress, nullptr, range);
    }
    if (out.Cancelled) return out; // the file goes without a commit
    if (!out.Error.isEmpty()) return failed(out.Error);
    if (!output.Failure.isEmpty() || !output.Commit()) return failed(output.Failure);
    return {};
}

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

QLocale PaperLocale(const QString& lcAll, const QString& lcPaper, const QString& lang) {
    for (const QString* name : {&lcAll, &lcPaper, &lang})
        if (!name->isEmpty()) return QLocale(*name); // "en_US.UTF-8": Qt leaves out the codeset
    return QLocale::system();
}

QPageSize QuotePageSize() {
    return QuotePageSize(PaperLocale(qEnvironmentVariable("LC_ALL"),
                                     qEnvironmentVariable("LC_PAPER"),
                                     qEnvironmentVariable("LANG")));
}

QPageLayout QuotePageLayout() {
    return QPageLayout(QuotePageSize(), QPageLayout::Portrait, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

QuoteOutcome SaveQuoteSheetPdf(const QString& path, const QuoteSheet& sheet,
                               const Progress& progress) {
    return savePdf(path, sheet, QuotePageLayout(), 0, progress);
}

QuoteOutcome PrintQuoteSheet(QPrinter& printer, const QuoteSheet& sheet, const Progress& progress) {
    PageRange range;
    if (printer.printRange() == QPrinter::PageRange) range = {printer.fromPage(), printer.toPage()};
    if (!printer.outputFileName().isEmpty())
        return savePdf(printer.outputFileName(), sheet, printer.pageLayout(), printer.resolution(),
                       progress, range);
    return paint(printer, sheet, progress, &printer, range);
}

} // namespace ui
