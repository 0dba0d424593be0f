// The parts list driven through the windows: every Add, removal, Undo and
// Reset, a file saved and opened again, and a copy for a spreadsheet.
#include "PartsListFixture.h"

#include "ui/HelpWindow.h"
#include "ui/PartsListWindow.h"
#include "ui/Settings.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMimeData>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>

namespace {

// A cylinder of 20 by 1000 mm is 0.000314159 m3, 2.473687966 kg at 7874;
// a hole of 10 by 20 mm cut by weight after the beams takes
// 0.7853975 * 10 * 10 * 20 mm3 at 7874, 0.0123684 kg.
TEST_F(PartsList, FollowsEveryAddAndTakesOutARemovedLineUntilUndo) {
    ui::PartsListWindow* list = OpenList();
    AddObject("Cylinder", "20", "1000");
    AddIBeams();
    AddHoles("Cylinder", "10", "20");
    AddHoles("Cylindr", "10", "20"); // names no type: no line
    ASSERT_EQ(Rows(list), 3);
    EXPECT_EQ(list->WeightTotal->text(), form->WeightField->text());
    EXPECT_EQ(list->VolumeTotal->text(), "Is not calculate");

    Pick(form->WeightUnitBox, "gram");
    Activate(list);
    list->Table->selectRow(1);
    QTest::keyClick(list->Table, Qt::Key_Delete);
    ASSERT_EQ(Rows(list), 2);
    EXPECT_EQ(form->WeightField->text(), Localised("2.4613000000"));
    EXPECT_EQ(form->VolumeField->text(), Localised("0.0003141600"));
    EXPECT_EQ(form->WeightUnitBox->text(), "kilogram");
    EXPECT_EQ(list->WeightTotal->text(), form->WeightField->text());

    Click(form->UndoButton);
    EXPECT_EQ(Rows(list), 3);
    EXPECT_EQ(form->WeightField->text(), Localised("434.4600000000"));
    Click(form->UndoButton);
    EXPECT_EQ(Rows(list), 3);
    Click(form->ResetButton);
    EXPECT_EQ(Rows(list), 0);
}

// The model says row by row what changes, so a selection outlives a new
// price (and the cost column it brings), an Add and an Undo.
TEST_F(PartsList, TheSelectionHoldsThroughAPriceAnAddAndAnUndo) {
    ui::PartsListWindow* list = OpenList();
    QAbstractItemModelTester tester(list->Table->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    for (const char* length : {"100", "200", "300"})
        AddObject("Cylinder", "20", length);
    Activate(list);
    EXPECT_FALSE(list->RemoveAction->isEnabled());
    EXPECT_TRUE(list->RemoveButton->toolTip().endsWith(QStringLiteral("(Del)")));
    list->Table->selectionModel()->select(list->Table->model()->index(0, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    list->Table->selectionModel()->select(list->Table->model()->index(2, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    EXPECT_TRUE(list->RemoveAction->isEnabled());
    QTest::keyClicks(list->PriceField, "2");
    AddObject("Cone", "10", "10");
    Click(form->UndoButton);
    Activate(list);
    QTest::keyClick(list->Table, Qt::Key_C, Qt::ControlModifier);
    const QStringList rows = QGuiApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 3);
    EXPECT_TRUE(rows[1].contains(QStringLiteral("\t100\t")) &&
                rows[2].contains(QStringLiteral("\t300\t"))); // the first and the third
    QTest::keyClick(list->Table, Qt::Key_Delete);
    EXPECT_EQ(Rows(list), 1);
    Click(form->UndoButton);
    EXPECT_EQ(Rows(list), 3);
}

// The table draws its cells as the style would: a selected row, the current
// cell, a column too narrow for its text, numbers to the right, the window
// in front or behind.
TEST_F(PartsList, CellsLookAsTheStyleDrawsThem) {
    ui::PartsListWindow* list = OpenList();
    for (const char* length : {"100", "200", "300"})
        AddObject("Cylinder", "20", length);
    QTableView* table = list->Table;
    table->selectRow(1);
    table->setColumnWidth(1, 30);
    QAbstractItemDelegate* ours = table->itemDelegate();
    QStyledItemDelegate styles;
    for (QWidget* front : {static_cast<QWidget*>(list), static_cast<QWidget*>(form.get())}) {
        front->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == front; }));
        const QImage drawn = table->viewport()->grab().toImage();
        table->setItemDelegate(&styles);
        EXPECT_EQ(drawn, table->viewport()->grab().toImage()) << front->objectName().toStdString();
        table->setItemDelegate(ours);
    }
}

TEST_F(PartsList, ASavedListOpensToTheSameTotalsAndABadFileChangesNothing) {
    QTemporaryDir dir;
    ui::PartsListWindow* list = OpenList();
    AddObject("Cone", "33,3", "47.1");
    AddIBeams();
    AddHoles("Sphere", "7", "");
    list->PriceField->setText(Localised("2.5"));
    const QString weight = form->WeightField->text(), volume = form->VolumeField->text();
    list->SaveTo(dir.filePath(QStringLiteral("parts.csv")));
    list->SaveTo(dir.filePath(QStringLiteral("no/such/folder/parts.csv")));
    ASSERT_EQ(TakeBoxes().size(), 1u) << "the failed save is reported";
    list->ReportTo(dir.filePath(QStringLiteral("quote.pdf")));
    EXPECT_GT(QFileInfo(dir.filePath(QStringLiteral("quote.pdf"))).size(), 1000);

    Click(form->ResetButton);
    list->PriceField->clear();
    list->OpenFrom(dir.filePath(QStringLiteral("parts.csv")));
    EXPECT_EQ(Rows(list), 3);
    EXPECT_EQ(form->WeightField->text(), weight);
    EXPECT_EQ(form->VolumeField->text(), volume);
    EXPECT_EQ(list->PriceField->text(), Localised("2.5"));

    QFile bad(dir.filePath(QStringLiteral("bad.csv")));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("kind,type,size,a,a_unit,b,b_unit,c,c_unit,quantity,density\n"
              "object,Cone,,1,millimeter,1,millimeter,,,0,7874\n");
    bad.close();
    list->OpenFrom(bad.fileName());
    const auto boxes = TakeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].Text.contains(QStringLiteral("bad.csv:2: column \"quantity\"")))
        << boxes[0].Text.toStdString();
    EXPECT_EQ(Rows(list), 3);
    EXPECT_EQ(form->WeightField->text(), weight);
}

// An opened list of steel brings its density: the next Add weighs the steel
// as the file did, not at the copper picked before it was opened. Two cubes
// of 100 mm at 7850 kg/m3 weigh 15.7 kg.
TEST_F(PartsList, AnOpenedSteelListStaysSteelAfterTheNextAdd) {
    QTemporaryDir dir;
    ui::PartsListWindow* list = OpenList();
    Type(form->MaterialBox, QStringLiteral("Steel"));
    Type(form->DensityField, QStringLiteral("7850"));
    Pick(form->ObjectTypeBox, "Parallelepiped");
    for (QLineEdit* side : {form->ObjectAField, form->ObjectBField, form->ObjectCField})
        Type(side, QStringLiteral("100"));
    Click(form->AddObjectButton);
    ASSERT_TRUE(list->SaveTo(dir.filePath(QStringLiteral("steel.csv"))));
    Pick(form->MaterialBox, "Copper ( Cu )");
    list->OpenFrom(dir.filePath(QStringLiteral("steel.csv")));
    EXPECT_EQ(form->MaterialBox->text(), "Steel");
    EXPECT_EQ(form->DensityField->text(), "7850");
    Click(form->AddObjectButton);
    EXPECT_EQ(form->WeightField->text(), Localised("15.7000000000"));
}

// A saved list is a document: its name and a mark of changes in the title,
// and a question before Reset throws its changes away.
TEST_F(PartsList, ASavedListIsNotResetWithoutAQuestion) {
    QTemporaryDir dir;
    ui::PartsListWindow* list = OpenList();
    AddObject("Cylinder", "20", "1000");
    const QString path = dir.filePath(QStringLiteral("a"));
    ASSERT_TRUE(list->SaveTo(path));
    EXPECT_EQ(list->windowTitle(), QStringLiteral("a[*] \u2014 Parts list"));
    EXPECT_FALSE(list->isWindowModified());
    AddObject("Cone", "10", "10");
    EXPECT_TRUE(list->isWindowModified());
    for (const auto answer : {QMessageBox::Cancel, QMessageBox::Save}) {
        watch.Answer = answer;
        Click(form->ResetButton);
        ASSERT_EQ(TakeBoxes().size(), 1u);
    }
    EXPECT_EQ(Rows(list), 0);
    EXPECT_EQ(list->windowTitle(), QStringLiteral("Parts list"));
    list->OpenFrom(path);
    EXPECT_EQ(Rows(list), 2) << "Save wrote the changes before Reset";
}

// A .csv dropped on the main window opens in the list, which then offers it
// among the recent files, and its price comes back in the next run.
TEST_F(PartsList, ADroppedFileOpensAndIsRemembered) {
    QTemporaryDir dir;
    ui::PartsListWindow* list = OpenList();
    AddObject("Cylinder", "20", "1000");
    list->PriceField->setText(Localised("2.5"));
    const QString path = dir.filePath(QStringLiteral("dropped.csv"));
    ASSERT_TRUE(list->SaveTo(path));
    Click(form->ResetButton);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(form.get(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(form.get(), &drop);
    EXPECT_TRUE(QTest::qWaitFor([&] { return Rows(list) == 1; }));
    const QList<QAction*> recent = list->OpenButton->menu()->actions();
    ASSERT_EQ(recent.size(), 1);
    EXPECT_EQ(recent[0]->toolTip(), QFileInfo(path).absoluteFilePath());
    list->close();
    EXPECT_EQ(ui::PartsListWindow(form->Document(), form.get()).PriceField->text(),
              Localised("2.5"));
}

// A copy is the file's columns, a value a cell, numbers with the user's
// decimal mark; pasted back, its rows come in as lines, all or none, and one
// Undo takes them out again.
TEST_F(PartsList, ACopyPastesBackAsLinesAllOrNone) {
    ui::PartsListWindow* list = OpenList();
    AddObject("Cylinder", "20", "1000");
    AddObject("Cone", "10", "10");
    AddIBeams();
    Activate(list);
    QTest::keyClick(list, Qt::Key_F1);
    ASSERT_NE(ui::HelpWindow::Instance(), nullptr);
    EXPECT_EQ(ui::HelpWindow::Instance()->findChild<QTextBrowser*>()->source().fileName(),
              "parts-list.html");
    ui::HelpWindow::Instance()->close();
    Activate(list);
    QTest::keyClicks(list->PriceField, Localised("2.5"));
    QTest::keyClick(list->Table, Qt::Key_C, Qt::ControlModifier);
    QStringList rows = QGuiApplication::clipboard()->text().split(u'\n', Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 4);
    const QStringList header = rows[0].split(u'\t');
    EXPECT_TRUE(rows[0].startsWith(QStringLiteral("kind\ttype\tsize\ta\ta_unit\tb\tb_unit\t")));
    QStringList cells = rows[1].split(u'\t');
    ASSERT_EQ(cells.size(), header.size());
    EXPECT_EQ(cells[header.indexOf("a")] + cells[header.indexOf("a_unit")], "20millimeter");
    // 0.7853975 * 20^2 * 1000 mm3 at 7874 kg/m3 is 2.473687966 kg; at 2.5 a kilogram 6.18.
    EXPECT_EQ(cells[header.indexOf("cost")], Localised("6.18"));

    const double before = form->State().TotalWeight;
    QGuiApplication::clipboard()->setText(rows.join(u'\n'));
    QTest::keyClick(list->Table, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Rows(list), 6);
    EXPECT_NEAR(form->State().TotalWeight, 2 * before, 1e-9);

    cells = rows[2].split(u'\t');
    cells[header.indexOf("quantity")] = QStringLiteral("0");
    rows[2] = cells.join(u'\t');
    QGuiApplication::clipboard()->setText(rows.join(u'\n'));
    QTest::keyClick(list->Table, Qt::Key_V, Qt::ControlModifier);
    const auto boxes = TakeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].Text.contains(QStringLiteral("row 2, column \"quantity\"")))
        << boxes[0].Text.toStdString();
    EXPECT_EQ(Rows(list), 6);
    Click(form->UndoButton);
    EXPECT_EQ(Rows(list), 3);
}

// What the version before kept under a name with its version is found after
// an upgrade, once: later settings are this version's own.
TEST(Settings, AnUpgradeFindsTheRecentFilesKeptBefore) {
    QSettings().clear();
    QSettings old(QStringLiteral("ORVEL"), QStringLiteral("Kubatrix 3.1"));
    old.setValue(QStringLiteral("PartsList/RecentFiles"), QStringList{QStringLiteral("/a.csv")});
    old.sync();
    ui::CarryOverSettings();
    ui::CarryOverSettings();
    EXPECT_EQ(QSettings().value(QStringLiteral("PartsList/RecentFiles")).toStringList(),
              QStringList{QStringLiteral("/a.csv")});
    old.clear();
    QSettings().clear();
}

} // namespace
