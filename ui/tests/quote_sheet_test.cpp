// The quote sheet as a reader gets it: a PDF whose text, read back by
// pdftotext, holds every line's weight and cost and the totals; a long list
// numbered over several pages; the paper of the user's country; a PDF that
// cannot be written whole, or is cancelled, leaves the old file as it was.
#include "calc/ReadPart.h"
#include "partslist/Replay.h"
#include "ui/QuoteSheet.h"
#include "ui/QuoteSheetText.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cerrno>
#include <csignal>
#include <cstring>

namespace {

using partslist::Kind;

partslist::Line line(Kind kind, const char* type, std::array<std::string, 3> mm, int quantity,
                     const char* size = "") {
    partslist::Line l;
    l.Kind = kind;
    l.Type = calc::FindShape(type, kind == Kind::Aperture);
    partslist::SetSize(l, size);
    l.Quantity = quantity;
    l.Material = "Steel";
    l.Density = 7850;
    for (std::size_t i = 0; i < 3; ++i)
        l.Rows[i] = calc::ReadLength(mm[i], calc::FindLengthUnit("millimeter"));
    return l;
}

ui::QuoteSheet sheetOf(std::vector<partslist::Line> lines) {
    ui::QuoteSheet sheet{QStringLiteral("Bracket"), QDate(2024, 3, 5), lines, {}, 2.5,
                         QLatin1Char(',')};
    sheet.Totals = partslist::ReplayLines(sheet.Lines);
    return sheet;
}

// Rods of 20 mm, each 7 mm longer than the last: some thirty pages.
ui::QuoteSheet rods(int count) {
    std::vector<partslist::Line> lines;
    for (int i = 1; i <= count; ++i)
        lines.push_back(
            line(Kind::Object, "Cylinder", {"20", std::to_string(1000 + 7 * i), ""}, i));
    return sheetOf(lines);
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The text of a PDF, page by page as pdftotext lays it out.
QString pdfText(const QString& pdf) {
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"),
                 {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(reader.waitForFinished(30000));
    EXPECT_EQ(reader.exitCode(), 0) << reader.readAllStandardError().toStdString();
    return QString::fromUtf8(reader.readAllStandardOutput());
}

// The text of the PDF the sheet saves.
QString savedText(const ui::QuoteSheet& sheet) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("quote.pdf"));
    EXPECT_EQ(ui::SaveQuoteSheetPdf(pdf, sheet).Error, QString());
    return pdfText(pdf);
}

} // namespace

// Steel at 7850 kg/m3, 2.50 a kilogram; figures by hand:
// plate 100 x 200 x 50 mm, 2 of them: 0.002 m3, 15.7 kg, 39.25;
// 4 square holes 10 x 10 x 50 mm: -0.00002 m3, -0.157 kg, -0.3925 = -0.39;
// round bar 20 mm x 1 m, pi taken as 3.14159 as the volume rule does: 0.000314159 m3,
// 2.466148 kg, 6.1654 = 6.17; in all 0.00229416 m3, 18.009148 kg, and the
// costs as the lines show them, 39.25 - 0.39 + 6.17 = 45.03.
TEST(QuoteSheet, ShowsEveryLineAndTheTotals) {
    const QString text = savedText(sheetOf({
        line(Kind::Object, "Parallelepiped", {"100", "200", "50"}, 2),
        line(Kind::Aperture, "Parallelepiped", {"10", "10", "50"}, 4),
        line(Kind::Object, "Cylinder", {"20", "1000", ""}, 1),
    }));
    for (const char* shown :
         {"Bracket", "Material: Steel", "Density: 7850 kg/m", "Price per kg: 2,5\n",
          "a = 100 millimeter", "15,7 ", "39,25", "-0,157 ", "-0,39", "2,4661 ", "6,17",
          "0,0022942 ", "18,009 ", "45,03", "Page 1 of 1"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(shown))) << shown << "\n" << text.toStdString();
}

// A profile leaves the total volume uncalculated; forty lines fill pages,
// each numbered out of all of them.
TEST(QuoteSheet, LongListRunsOntoNumberedPages) {
    std::vector<partslist::Line> lines;
    for (int i = 0; i < 39; ++i)
        lines.push_back(line(Kind::Object, "Cylinder", {"20", "1000", ""}, 1 + i));
    lines.push_back(line(Kind::Object, "I-Beam", {"", "", "6000"}, 1, "100x55x4.5x7"));
    const QString text = savedText(sheetOf(lines));
    EXPECT_TRUE(text.contains(QStringLiteral("Is not calculate")));
    const auto pages = text.count(QLatin1Char('\f'));
    ASSERT_GE(pages, 2);
    for (int page = 1; page <= pages; ++page)
        EXPECT_TRUE(text.contains(QStringLiteral("Page %1 of %2").arg(page).arg(pages))) << page;
}

// Print, on the page layout it offers, has the pages of Report, and of them
// prints the range asked for: "2 to 3" is two pages, numbered out of all.
TEST(QuoteSheet, PrintHasTheReportsPagesAndPrintsTheRangeAskedFor) {
    const ui::QuoteSheet sheet = rods(400);
    const auto pages = savedText(sheet).count(QLatin1Char('\f'));
    ASSERT_GE(pages, 4);
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(ui::QuotePageLayout()); // as Print sets it up
    printer.setOutputFileName(dir.filePath(QStringLiteral("all.pdf")));
    ASSERT_EQ(ui::PrintQuoteSheet(printer, sheet).Error, QString());
    EXPECT_EQ(pdfText(printer.outputFileName()).count(QLatin1Char('\f')), pages);
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 3);
    printer.setOutputFileName(dir.filePath(QStringLiteral("two.pdf")));
    ASSERT_EQ(ui::PrintQuoteSheet(printer, sheet).Error, QString());
    const QString two = pdfText(printer.outputFileName());
    EXPECT_EQ(two.count(QLatin1Char('\f')), 2);
    EXPECT_TRUE(two.contains(QStringLiteral("Page 2 of %1").arg(pages)) &&
                two.contains(QStringLiteral("Page 3 of %1").arg(pages)));
}

TEST(QuoteSheet, SavingWhereNothingCanBeWrittenSaysSo) {
    EXPECT_FALSE(ui::SaveQuoteSheetPdf(QStringLiteral("/nonexistent/quote.pdf"), sheetOf({}))
                     .Error.isEmpty());
}

// A disk that takes no more: past the file-size limit every write fails, as
// on a full disk, and no disk needs filling. The old quote stays byte for
// byte, no temporary file is left, and the message gives the system's reason.
TEST(QuoteSheet, AReportThatCannotBeWrittenWholeLeavesTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("quote.pdf"));
    ASSERT_EQ(ui::SaveQuoteSheetPdf(path, rods(1)).Error, QString());
    const QByteArray old = contents(path);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit was{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &was), 0);
    rlimit limit = was;
    limit.rlim_cur = 64 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    const ui::QuoteOutcome out = ui::SaveQuoteSheetPdf(path, rods(400));
    setrlimit(RLIMIT_FSIZE, &was);
    EXPECT_TRUE(out.Error.contains(QString::fromLocal8Bit(std::strerror(EFBIG))))
        << out.Error.toStdString();
    EXPECT_EQ(contents(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);
}

TEST(QuoteSheet, CancelLeavesNoFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("quote.pdf"));
    int asked = 0;
    const ui::QuoteOutcome out =
        ui::SaveQuoteSheetPdf(path, rods(400), [&](int done, int) { return ++asked, done < 2; });
    EXPECT_TRUE(out.Cancelled);
    EXPECT_EQ(out.Error, QString());
    EXPECT_EQ(asked, 4); // reading, measuring, pages 1 and 2
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

// Sixty rods whose costs each gain or lose part of a cent: the total is the
// sum of the cents the lines show.
TEST(QuoteSheet, CostsAddUp) {
    ui::QuoteSheet sheet = rods(60);
    sheet.PricePerKg = 2.35;
    const ui::quote::Text text = ui::quote::TextOf(sheet);
    const auto cents = [](QString cost) { return cost.remove(QLatin1Char(',')).toLongLong(); };
    long long sum = 0;
    for (const ui::quote::Row& row : text.Rows)
        sum += cents(row.Cells[ui::quote::Cost]);
    EXPECT_EQ(sum, cents(text.Totals[ui::quote::Cost]));
    sheet.PricePerKg = 2.345678901; // printed as typed, not rounded
    EXPECT_TRUE(ui::quote::TextOf(sheet).About.endsWith(QStringLiteral("2,345678901")));
}

// An aluminium rod is weighed at the steel of the plate after it; the profile
// and the hole cut by weight after it at their own 2700.
TEST(QuoteSheet, EachRowShowsTheDensityItIsWeighedAt) {
    std::vector<partslist::Line> lines{
        line(Kind::Object, "Cylinder", {"20", "1000", ""}, 1),
        line(Kind::Object, "I-Beam", {"", "", "6000"}, 1, "100x55x4.5x7"),
        line(Kind::Aperture, "Cylinder", {"10", "5", ""}, 1),
        line(Kind::Object, "Parallelepiped", {"100", "100", "10"}, 1)};
    for (std::size_t i = 0; i < 3; ++i)
        lines[i].Density = 2700;
    lines[2].CutByWeight = true;
    const ui::quote::Text text = ui::quote::TextOf(sheetOf(lines));
    const char* weighedAt[] = {"7850", "2700", "2700", "7850"};
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(text.Rows[i].Cells[ui::quote::Density], QLatin1String(weighedAt[i])) << i;
    EXPECT_TRUE(text.Note.contains(QStringLiteral("weighed at 7850"))) << text.Note.toStdString();
    EXPECT_TRUE(
        text.Note.contains(QStringLiteral("holes cut by weight at the density of their own")));
}

TEST(QuoteSheet, FiguresAsWrittenOnPaper) {
    const struct {
        double x;
        char separator;
        const char* shown;
    } cases[] = {{47.2441, '.', "47.244"},
                 {0.00600001, '.', "0.006"},
                 {0.0060001, '.', "0.0060001"},
                 {1067.3, '.', "1067.3"},
                 {123456.7, '.', "123457"},
                 {99999.5, '.', "100000"},
                 {0, '.', "0"},
                 {-0.157, '.', "-0.157"},
                 {-47.2441, ',', "-47,244"},
                 {2.5e20, '.', "2.5E20"}};
    for (const auto& c : cases)
        EXPECT_EQ(ui::quote::Figure(c.x, c.separator), QLatin1String(c.shown)) << c.x;
}

// The country of LC_ALL, else LC_PAPER, else LANG, the first that is set, as
// the C library takes them.
TEST(QuoteSheet, PaperFollowsTheCountry) {
    const struct {
        const char *all, *paper, *lang;
        QPageSize::PageSizeId size;
    } cases[] = {{"", "", "en_US", QPageSize::Letter},
                 {"", "", "es_MX", QPageSize::Letter},
                 {"", "", "C", QPageSize::A4},
                 {"", "en_US.UTF-8", "de_DE.UTF-8", QPageSize::Letter},
                 {"fr_CA.UTF-8", "", "de_DE.UTF-8", QPageSize::Letter},
                 {"", "", "de_DE", QPageSize::A4},
                 {"de_DE.UTF-8", "en_US.UTF-8", "", QPageSize::A4}};
    for (const auto& c : cases)
        EXPECT_EQ(ui::QuotePageSize(ui::PaperLocale(c.all, c.paper, c.lang)).id(), c.size)
            << c.all << "|" << c.paper << "|" << c.lang;
}
