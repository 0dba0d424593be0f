// The Cut list window as a person uses it: a list of thirty lines of three
// sections opened, the window opened from the list with Ctrl+T, its
// take-off, Solve, and the cut sheet saved and read back by pdftotext; then
// a quote sheet that prices the lines by the bars bought.
#include "WindowFixture.h"

#include "ui/CutListWindow.h"
#include "ui/Document.h"
#include "ui/PartsListWindow.h"
#include "ui/PlanView.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>

namespace {

// Ten pieces of each section, a line each, on the default stock (6 m and
// 12 m, no prices, 3 mm kerf): the least stock length bought, then the
// fewest bars. A bar of L mm holds k pieces of l mm where k l + (k - 1) 3
// <= L: 5997 mm, two on 12 m, one on 6 m, 6000 mm of stock a piece: 60 m,
// as 5 bars of 12 m. 2997 mm: four on 12 m, two on 6 m, 3000 mm a piece:
// 30 m, as 12 + 12 + 6 m. 1997 mm: six on 12 m, three on 6 m, 2000 mm a
// piece, 20 m at least, bought in 6 m steps: 24 m, as 2 bars of 12 m.
const struct {
    const char* Section;
    int Mm, Bars;
    long StockMm;
} Sections[] = {
    {"IPE 200", 5997, 5, 60000}, {"HEA 100", 2997, 3, 30000}, {"UPN 100", 1997, 2, 24000}};

const QString Header =
    QStringLiteral("kind,type,size,a,a_unit,b,b_unit,c,c_unit,quantity,material,density\n");

QString TextOf(const QString& pdf) {
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    EXPECT_TRUE(reader.waitForFinished(30000));
    return QString::fromUtf8(reader.readAllStandardOutput()).simplified();
}

class CutList : public WindowTest {
protected:
    // The list opened in the parts list, then the cut list from there.
    ui::CutListWindow* Open(const QString& csv) {
        QFile file(dir.filePath(QStringLiteral("frame.csv")));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(csv.toUtf8());
        file.close();
        QTest::keyClick(form.get(), Qt::Key_L, Qt::ControlModifier);
        list = form->findChild<ui::PartsListWindow*>();
        EXPECT_TRUE(list);
        list->OpenFrom(file.fileName());
        list->activateWindow();
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == list; }));
        QTest::keyClick(list, Qt::Key_T, Qt::ControlModifier);
        auto* window = form->findChild<ui::CutListWindow*>();
        EXPECT_TRUE(window && window->isVisible());
        return window;
    }

    QTemporaryDir dir;
    ui::PartsListWindow* list = nullptr;
};

TEST_F(CutList, OfThreeSectionsSolvesAndSavesItsCutSheet) {
    QString csv = Header;
    for (int i = 0; i < 30; ++i) // the sections in turn
        csv += QStringLiteral("object,Section,%1,,,,,%2,mm,1,Steel,7850\n")
                   .arg(QLatin1String(Sections[i % 3].Section))
                   .arg(Sections[i % 3].Mm);
    ui::CutListWindow* window = Open(csv);
    ASSERT_TRUE(window);
    QAbstractItemModelTester tester(window->TakeoffTable->model());

    const QAbstractItemModel* takeoff = window->TakeoffTable->model();
    ASSERT_EQ(takeoff->rowCount(), 3);
    for (int g = 0; g < 3; ++g) {
        EXPECT_EQ(takeoff->index(g, 0).data().toString(), QLatin1String(Sections[g].Section));
        EXPECT_EQ(takeoff->index(g, 1).data().toString(), QStringLiteral("Steel"));
        EXPECT_EQ(takeoff->index(g, 2).data().toString(), QStringLiteral("10"));
    }
    QTest::mouseClick(window->SolveButton, Qt::LeftButton);
    ASSERT_EQ(window->Groups().size(), 3u);
    for (int g = 0; g < 3; ++g) {
        SCOPED_TRACE(Sections[g].Section);
        const ui::CutListGroup& group = window->Groups()[std::size_t(g)];
        ASSERT_TRUE(group.Plan);
        EXPECT_EQ(group.Plan->Bars, Sections[g].Bars);
        EXPECT_EQ(group.Plan->StockBought, Sections[g].StockMm * 10);
        EXPECT_TRUE(group.Plan->ProvenOptimal);
        EXPECT_EQ(takeoff->index(g, 6).data().toString(), QString::number(Sections[g].Bars));
    }
    EXPECT_GT(window->Plan->Rows(), 0);
    EXPECT_TRUE(window->SummaryLabel->text().contains(QStringLiteral("proven optimal")));

    const QString pdf = dir.filePath(QStringLiteral("cuts.pdf"));
    window->SaveCutSheetTo(pdf);
    const QString text = TextOf(pdf);
    for (int g = 0; g < 3; ++g) {
        EXPECT_TRUE(text.contains(QStringLiteral("Cut sheet: %1, Steel").arg(Sections[g].Section)));
        EXPECT_TRUE(text.contains(
            QStringLiteral("%1 bars, %2 mm bought").arg(Sections[g].Bars).arg(Sections[g].StockMm)))
            << Sections[g].Section;
    }
    for (int line = 1; line <= 30; ++line)
        EXPECT_TRUE(text.contains(QStringLiteral("(line %1)").arg(line))) << line;
}

// Three pieces of IPE 200 and two kerfs of 3 mm fill a 12 m bar less two
// trims of 10 mm (4000 + 3990 + 3984 + 6 = 11980 mm): one bar at 114.00,
// shared by length over 11974 mm: 38.08, 37.99 (the largest remainder,
// 3798.73 cents, takes the odd cent) and 37.93.
TEST_F(CutList, QuoteSheetPricesTheLinesByTheBarsBought) {
    ui::CutListWindow* window = Open(Header + "object,Section,IPE 200,,,,,4000,mm,1,Steel,7850\n"
                                              "object,Section,IPE 200,,,,,3990,mm,1,Steel,7850\n"
                                              "object,Section,IPE 200,,,,,3984,mm,1,Steel,7850\n");
    ASSERT_TRUE(window);
    QAbstractItemModel* stock = window->StockTable->model();
    QAbstractItemModelTester tester(stock);
    ASSERT_TRUE(stock->setData(stock->index(0, 1), QStringLiteral("60")));
    ASSERT_TRUE(stock->setData(stock->index(1, 1), QStringLiteral("114")));
    Type(window->TrimField, QStringLiteral("10"));
    QTest::keyClick(window->TrimField, Qt::Key_Return);
    QTest::mouseClick(window->SolveButton, Qt::LeftButton);
    QTest::mouseClick(window->QuoteByBarsBox, Qt::LeftButton, {},
                      {6, window->QuoteByBarsBox->height() / 2}); // on its box
    const ui::CutListGroup& group = window->Groups()[0];
    ASSERT_TRUE(group.Plan && group.Plan->Cost);
    EXPECT_EQ(*group.Plan->Cost, 114);

    const QString pdf = dir.filePath(QStringLiteral("quote.pdf"));
    list->ReportTo(pdf);
    const QString text = TextOf(pdf);
    const QString separator = QLocale::system().decimalPoint();
    for (const char* cost : {"38.08", "37.99", "37.93", "114.00"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(cost).replace(u'.', separator))) << cost;
    EXPECT_TRUE(text.contains(QStringLiteral("priced by the bars bought")));
}

} // namespace
