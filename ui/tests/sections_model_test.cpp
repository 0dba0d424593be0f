// The Sections window's model alone, under Qt's model tester: a new search
// shown, the density changed, and the columns each family shows, lettered as
// its standard letters them.
#include "WindowFixture.h"

#include "catalogue/Sections.h"
#include "ui/SectionsModel.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

namespace {

using ui::SectionsModel;

// The headings of the dimension columns a list shows, "|" between them.
QString DimensionHeadings(const SectionsModel& model) {
    QStringList headings;
    for (int c = SectionsModel::FirstDimension; c < SectionsModel::Area; ++c)
        if (model.Used(c))
            headings << model.headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
    return headings.join(u'|');
}

TEST(SectionsModel, ColumnsAFamilyShows) {
    const struct {
        const char* Section;
        const char* Headings;
    } cases[] = {
        {"W8x31", "d, mm|bf, mm|tw, mm|tf, mm|r, mm"},
        {"S12x35", "d, mm|bf, mm|tw, mm|tf, mm"}, // no root radius in the database
        {"WT10.5x66", "d, mm|bf, mm|tw, mm|tf, mm|r, mm"},
        {"IPN 200", "h, mm|b, mm|tw, mm|tf, mm|r1, mm|r2, mm"},
        {"UB 305x165x40", "h, mm|b, mm|tw, mm|tf, mm|r, mm"},
        {"SHS 100x100x5 EN 10219", "h, mm|b, mm|t, mm|ro, mm|ri, mm"},
        {"HSS6x4x1/4", "H, mm|B, mm|t, mm|ro, mm|ri, mm"},
        {"L4x4x1/2", "h, mm|b, mm|t, mm|r1, mm"}, // no toe radius in the database
        {"NPS 4 SCH 40", "t, mm|D, mm"},
    };
    SectionsModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    for (const auto& c : cases) {
        model.Show({catalogue::FindSection(c.Section)});
        EXPECT_EQ(DimensionHeadings(model), c.Headings) << c.Section;
    }
    // Two families in one list: each letter the column goes by.
    model.Show({catalogue::FindSection("IPE 200"), catalogue::FindSection("W8x31")});
    EXPECT_EQ(model.headerData(SectionsModel::FirstDimension, Qt::Horizontal, Qt::DisplayRole),
              "h/d, mm");
    EXPECT_EQ(model.index(1, SectionsModel::FirstDimension).data(), Localised("203.2")); // 8 in
}

// A new search is a new list; a density changes the one column, weighed as a
// length is: HEB 200 by its 78.08 cm2, W8x31 by its 31 lb/ft (46.133 kg/m at
// 7850, 46.133 · 7874 / 7850 = 46.27 at 7874).
TEST(SectionsModel, NewSearchAndDensity) {
    SectionsModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.Show(catalogue::SearchSections("heb 2"));
    EXPECT_EQ(model.rowCount(), 5); // HEB 200 to 280
    model.Show(catalogue::SearchSections("w8 31"));
    ASSERT_EQ(model.At(0), catalogue::FindSection("W8x31"));
    model.Show({catalogue::FindSection("HEB 200"), catalogue::FindSection("W8x31")});

    QSignalSpy changed(&model, &SectionsModel::dataChanged);
    model.SetDensity(7874);
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed[0][0].toModelIndex().column(), SectionsModel::MassAtDensity);
    EXPECT_EQ(model.index(0, SectionsModel::MassAtDensity).data(), Localised("61.48"));
    EXPECT_EQ(model.index(1, SectionsModel::MassAtDensity).data(), Localised("46.27"));
    EXPECT_EQ(model.headerData(SectionsModel::MassAtDensity, Qt::Horizontal, Qt::DisplayRole),
              "kg/m at 7874");

    model.Show({});
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_FALSE(model.Used(SectionsModel::Designation));
}

} // namespace
