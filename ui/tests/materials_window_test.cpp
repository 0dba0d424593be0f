// The Materials window driven as an estimator would: a grade found and
// picked, a price of one's own kept, lines costed each at its material's
// price; and what the user keeps found again by a new window.
#include "WindowFixture.h"

#include "catalogue/UserMaterials.h"
#include "partslist/Describe.h"
#include "ui/Document.h"
#include "ui/MaterialsWindow.h"
#include "ui/PartsListModel.h"
#include "ui/PartsListWindow.h"
#include "ui/QuoteSheetText.h"
#include "ui/SectionsWindow.h"
#include "ui/UserMaterials.h"

#include <QFile>
#include <QTableView>

namespace {

class MaterialsWindowTest : public WindowTest {
protected:
    void SetUp() override {
        QFile::remove(ui::UserMaterials::Path());
        WindowTest::SetUp();
    }
    void TearDown() override {
        QFile::remove(ui::UserMaterials::Path());
        WindowTest::TearDown();
    }
    ui::MaterialsWindow* Materials() {
        QTest::keyClick(form.get(), Qt::Key_M, Qt::ControlModifier);
        return form->findChild<ui::MaterialsWindow*>();
    }
    void Use(ui::MaterialsWindow* window, const char* words) {
        Type(window->SearchField, QString::fromLatin1(words));
        Click(window->UseButton);
    }
};

// IPE 200 is 28.48 cm²: 6 m is 0.017088 m³, 134.14 kg at S355's 7850 kg/m³
// (7850 × 0.017088 = 134.1408). A 1.4301 rod of 50 mm by 1 m at 7900 kg/m³
// is 0.7853975 × 50² × 1000 mm³ = 0.0019634938 m³, 15.511601 kg, at 4.50 a
// kilogram 69.80; the beam at the list's 1.20, 160.97.
TEST_F(MaterialsWindowTest, PickedGradesWeighAndEachLineCostsAtItsMaterialsPrice) {
    ui::MaterialsWindow* window = Materials();
    ASSERT_TRUE(window && window->isVisible());
    Use(window, "s355jr");
    EXPECT_EQ(form->MaterialBox->text(), "S355");
    EXPECT_EQ(form->DensityField->text(), "7850");

    form->Document().ShowSections();
    auto* sections = form->findChild<ui::SectionsWindow*>();
    Type(sections->SearchField, QStringLiteral("IPE 200"));
    EXPECT_EQ(sections->SizesTable->model()->headerData(sections->SizesTable->model()->columnCount() - 2,
                                                        Qt::Horizontal),
              "kg/m in S355");
    Type(sections->LengthField, QStringLiteral("6"));
    sections->LengthUnitBox->setCurrentText(QStringLiteral("meter"));
    Click(sections->AddButton);
    EXPECT_EQ(form->WeightField->text(), Localised("134.1400000000"));

    Type(window->SearchField, QStringLiteral("304"));
    Type(window->PriceField, QStringLiteral("4.50"));
    Click(window->SaveButton);
    EXPECT_EQ(form->Document().Materials().PriceOf("X5CrNi18-10"), 4.5);
    Click(window->UseButton);
    Pick(form->ObjectTypeBox, QStringLiteral("Cylinder"));
    Type(form->ObjectAField, QStringLiteral("50"));
    Type(form->ObjectBField, QStringLiteral("1000"));
    Click(form->AddObjectButton);

    QTest::keyClick(form.get(), Qt::Key_L, Qt::ControlModifier);
    auto* list = form->findChild<ui::PartsListWindow*>();
    Type(list->PriceField, QStringLiteral("1.20"));
    const QAbstractItemModel* lines = list->Table->model();
    ASSERT_EQ(lines->rowCount(), 2);
    EXPECT_EQ(lines->index(0, ui::PartsListModel::Material).data().toString(), "S355");
    EXPECT_EQ(lines->index(0, ui::PartsListModel::Density).data().toString(), "7900"); // re-weighed
    EXPECT_EQ(lines->index(0, ui::PartsListModel::Cost).data().toString(), Localised("161.99"));
    EXPECT_EQ(lines->index(1, ui::PartsListModel::Material).data().toString(), "1.4301");
    EXPECT_EQ(lines->index(1, ui::PartsListModel::Cost).data().toString(), Localised("69.80"));
    EXPECT_EQ(list->CostTotal->text(), Localised("231.79"));

    ui::QuoteSheet sheet{QStringLiteral("Q"), QDate(2026, 12, 8),
                         form->Document().Calculation().Lines(),
                         form->Document().Calculation().Totals(),
                         form->Document().Calculation().PricePerKg(), QLatin1Char('.')};
    const ui::quote::Text text = ui::quote::TextOf(sheet);
    EXPECT_EQ(text.Totals[ui::quote::Cost], "231.79");
    EXPECT_TRUE(text.About.contains(QStringLiteral("1.4301 4.5"))) << text.About.toStdString();

    // Kept for the next run: a window built afresh reads it.
    ui::MainWindow again;
    EXPECT_EQ(again.Document().Materials().PriceOf("1.4301"), 4.5);
}

TEST_F(MaterialsWindowTest, ABadDensityIsRefusedAndChangesNothing) {
    ui::MaterialsWindow* window = Materials();
    for (const char* density : {"", "0", "-5", "100001", "7,8x"}) {
        Type(window->NameField, QStringLiteral("Hardox 450"));
        Type(window->DensityField, QString::fromLatin1(density));
        Click(window->SaveButton);
        ASSERT_EQ(TakeBoxes().size(), 1u) << density;
        EXPECT_TRUE(form->Document().Materials().Entries().empty()) << density;
    }
}

} // namespace
