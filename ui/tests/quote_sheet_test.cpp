// The quote sheet as a reader gets it: a PDF whose text, read back by
// pdftotext, holds every line's weight and cost and the totals; a long list
// numbered over several pages; the paper of the user's country.
#include "partslist/Replay.h"
#include "ui/QuoteSheet.h"

#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

partslist::Line line(partslist::Kind kind, const char* type, std::array<const char*, 3> mm,
                     int quantity, const char* size = "") {
    partslist::Line l{kind, type, size, {}, quantity, "Steel", 7850, false};
    for (std::size_t i = 0; i < 3; ++i)
        l.Rows[i] = {mm[i], *mm[i] ? "millimeter" : ""};
    return l;
}

ui::QuoteSheet sheetOf(std::vector<partslist::Line> lines) {
    ui::QuoteSheet sheet{QStringLiteral("Bracket"), QDate(2024, 3, 5), lines, {}, 2.5,
                         QLatin1Char(',')};
    sheet.Totals = partslist::ReplayLines(sheet.Lines);
    return sheet;
}

// The text of the PDF the sheet saves, page by page as pdftotext lays it out.
QString savedText(const ui::QuoteSheet& sheet) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("quote.pdf"));
    EXPECT_EQ(ui::SaveQuoteSheetPdf(pdf, sheet), QString());
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"),
                 {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(reader.waitForFinished(30000));
    EXPECT_EQ(reader.exitCode(), 0) << reader.readAllStandardError().toStdString();
    return QString::fromUtf8(reader.readAllStandardOutput());
}

} // namespace

// Steel at 7850 kg/m3, 2.50 a kilogram; figures by hand:
// plate 100 x 200 x 50 mm, 2 of them: 0.002 m3, 15.7 kg, 39.25;
// 4 square holes 10 x 10 x 50 mm: -0.00002 m3, -0.157 kg, -0.3925;
// round bar 20 mm x 1 m, pi taken as 3.14159 as the volume rule does: 0.000314159 m3,
// 2.466148 kg, 6.1654; in all 0.00229416 m3, 18.009148 kg, 45.0229.
TEST(QuoteSheet, ShowsEveryLineAndTheTotals) {
    const QString text = savedText(sheetOf({
        line(partslist::Kind::Object, "Parallelepiped", {"100", "200", "50"}, 2),
        line(partslist::Kind::Aperture, "Parallelepiped", {"10", "10", "50"}, 4),
        line(partslist::Kind::Object, "Cylinder", {"20", "1000", ""}, 1),
    }));
    for (const char* shown :
         {"Bracket", "Material: Steel", "Density: 7850 kg/m", "Price per kg: 2,50",
          "a = 100 millimeter", "15,7000000000", "39,25", "-0,1570000000", "-0,39", "2,4661000000",
          "6,17", "0,0022942000", "18,0090000000", "45,02", "Page 1 of 1"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(shown))) << shown << "\n" << text.toStdString();
}

// A profile leaves the total volume uncalculated; forty lines fill pages,
// each numbered out of all of them.
TEST(QuoteSheet, LongListRunsOntoNumberedPages) {
    std::vector<partslist::Line> lines;
    for (int i = 0; i < 39; ++i)
        lines.push_back(line(partslist::Kind::Object, "Cylinder", {"20", "1000", ""}, 1 + i));
    lines.push_back(line(partslist::Kind::Object, "I-Beam", {"", "", "6000"}, 1, "100x55x4.5x7"));
    const QString text = savedText(sheetOf(lines));
    EXPECT_TRUE(text.contains(QStringLiteral("Is not calculate")));
    const auto pages = text.count(QLatin1Char('\f'));
    ASSERT_GE(pages, 2);
    for (int page = 1; page <= pages; ++page)
        EXPECT_TRUE(text.contains(QStringLiteral("Page %1 of %2").arg(page).arg(pages))) << page;
}

TEST(QuoteSheet, SavingWhereNothingCanBeWrittenSaysSo) {
    EXPECT_FALSE(
        ui::SaveQuoteSheetPdf(QStringLiteral("/nonexistent/quote.pdf"), sheetOf({})).isEmpty());
}

TEST(QuoteSheet, PaperFollowsTheCountry) {
    const struct {
        const char* locale;
        QPageSize::PageSizeId paper;
    } cases[] = {{"en_US", QPageSize::Letter}, {"fr_CA", QPageSize::Letter},
                 {"es_MX", QPageSize::Letter}, {"en_GB", QPageSize::A4},
                 {"de_DE", QPageSize::A4},     {"C", QPageSize::A4}};
    for (const auto& c : cases)
        EXPECT_EQ(ui::QuotePageSize(QLocale(QString::fromUtf8(c.locale))).id(), c.paper)
            << c.locale;
}
