// The parts list's model alone, under Qt's model tester: each change of the
// document reaches it between the right begin and end, and its rows are the
// document's lines throughout.
#include "calc/ReadPart.h"
#include "ui/Document.h"
#include "ui/PartsListModel.h"

#include <QAbstractItemModelTester>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

calc::Part Cube(const char* side, const char* density) {
    return calc::ReadPart(calc::Kind::Object, {"Parallelepiped", density, 1, {side, side, side},
                                               {"millimeter", "millimeter", "millimeter"}});
}

TEST(PartsListModel, FollowsEveryChangeOfTheDocument) {
    ui::Document document(nullptr);
    ui::PartsListModel model(document, nullptr);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    const auto weight = [&](int row) {
        return model.data(model.index(row, ui::PartsListModel::Weight), Qt::DisplayRole).toString();
    };
    for (const char* side : {"100", "200", "300", "400"})
        document.AddObject(Cube(side, "1000"), "Water");
    EXPECT_EQ(model.rowCount(), 4);
    document.AddObject(Cube("100", "2000"), "Water"); // every volume weighed again
    EXPECT_EQ(weight(0), QStringLiteral("2")); // 0.001 m3 at 2000 kg/m3

    const std::size_t rows[] = {0, 2, 3};
    document.Remove(rows);
    EXPECT_EQ(model.rowCount(), 2);
    document.Undo();
    EXPECT_EQ(model.rowCount(), 5);
    document.Paste(std::vector<partslist::Line>(3, document.Calculation().Lines()[1]));
    EXPECT_EQ(model.rowCount(), 8);
    document.Undo();
    EXPECT_EQ(model.rowCount(), 5);

    EXPECT_EQ(model.columnCount(), ui::PartsListModel::Cost);
    document.SetPricePerKg(2.5);
    EXPECT_EQ(model.columnCount(), ui::PartsListModel::ColumnCount);
    document.SetPricePerKg(3.0);
    document.SetPricePerKg(std::nullopt);
    EXPECT_EQ(model.columnCount(), ui::PartsListModel::Cost);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("two.csv"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("kind,type,a,a_unit,b,b_unit,c,c_unit,size,quantity,density,price_per_kg\n"
               "object,Sphere,10,mm,,,,,,1,7850,4\nobject,Sphere,20,mm,,,,,,1,7850,4\n");
    file.close();
    document.Open(path);
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.columnCount(), ui::PartsListModel::ColumnCount); // the file's price
    document.Undo();
    EXPECT_EQ(model.rowCount(), 5);
    EXPECT_EQ(model.columnCount(), ui::PartsListModel::Cost);
    document.Reset();
    EXPECT_EQ(model.rowCount(), 0);
}

} // namespace
