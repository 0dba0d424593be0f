// The Cut list window as a person uses it: a list of thirty lines of three
// sections opened, the window opened from the list with Ctrl+T, its
// take-off, Solve, and the cut sheet saved and read back by pdftotext.
#include "WindowFixture.h"

#include "ui/CutListWindow.h"
#include "ui/Document.h"
#include "ui/PartsListWindow.h"
#include "ui/PlanView.h"

#include <QAbstractItemModelTester>
#include <QFile>
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

TEST_F(WindowTest, CutListOfThreeSectionsSolvesAndSavesItsCutSheet) {
    QTemporaryDir dir;
    QString csv = "kind,type,size,a,a_unit,b,b_unit,c,c_unit,quantity,material,density\n";
    for (int i = 0; i < 30; ++i) // the sections in turn
        csv += QStringLiteral("object,Section,%1,,,,,%2,mm,1,Steel,7850\n")
                   .arg(QLatin1String(Sections[i % 3].Section))
                   .arg(Sections[i % 3].Mm);
    QFile file(dir.filePath(QStringLiteral("frame.csv")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(csv.toUtf8());
    file.close();
    QTest::keyClick(form.get(), Qt::Key_L, Qt::ControlModifier);
    auto* list = form->findChild<ui::PartsListWindow*>();
    ASSERT_TRUE(list);
    list->OpenFrom(file.fileName());
    list->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == list; }));
    QTest::keyClick(list, Qt::Key_T, Qt::ControlModifier);
    auto* window = form->findChild<ui::CutListWindow*>();
    ASSERT_TRUE(window && window->isVisible());
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
    QProcess reader;
    reader.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    ASSERT_TRUE(reader.waitForFinished(30000));
    const QString text = QString::fromUtf8(reader.readAllStandardOutput()).simplified();
    for (int g = 0; g < 3; ++g) {
        EXPECT_TRUE(text.contains(QStringLiteral("Cut sheet: %1, Steel").arg(Sections[g].Section)));
        EXPECT_TRUE(text.contains(
            QStringLiteral("%1 bars, %2 mm bought").arg(Sections[g].Bars).arg(Sections[g].StockMm)))
            << Sections[g].Section;
    }
    for (int line = 1; line <= 30; ++line)
        EXPECT_TRUE(text.contains(QStringLiteral("(line %1)").arg(line))) << line;
}

} // namespace
