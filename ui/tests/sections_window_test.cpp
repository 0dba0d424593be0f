// The Sections window driven as a person would: found by typing, added with
// a length, undone from the main window; and the drawing of every family to
// scale inside its box.
#include "WindowFixture.h"

#include "catalogue/Sections.h"
#include "ui/Document.h"
#include "ui/PartsListWindow.h"
#include "ui/SectionDrawing.h"
#include "ui/SectionsWindow.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

namespace {

class SectionsWindowTest : public WindowTest {};

// HEB 200 is 78.08 cm² (heb.csv): 6 m of it is 6 × 0.007808 = 0.046848 m³,
// 368.881152 kg at the window's 7874 kg/m³ (shown to five figures, as every
// total); a metre weighs 78.08 × 0.7874 = 61.479 kg.
TEST_F(SectionsWindowTest, FindsHeb200ByTypingAndAddsSixMetresUndoneFromTheMainWindow) {
    QTest::keyClick(form.get(), Qt::Key_K, Qt::ControlModifier);
    auto* window = form->findChild<ui::SectionsWindow*>();
    ASSERT_TRUE(window && window->isVisible());
    QTest::keyClicks(window->SearchField, "heb 200");
    const QAbstractItemModel* sizes = window->SizesTable->model();
    ASSERT_EQ(sizes->rowCount(), 1);
    ASSERT_EQ(sizes->index(0, 0).data().toString(), "HEB 200");
    const int density = sizes->columnCount() - 2;
    EXPECT_EQ(sizes->headerData(density, Qt::Horizontal).toString(), "kg/m in Iron ( Fe )");
    EXPECT_EQ(sizes->index(0, density).data().toString(), Localised("61.48"));

    const QRect cell = window->SizesTable->visualRect(sizes->index(0, 0));
    QTest::mouseClick(window->SizesTable->viewport(), Qt::LeftButton, {}, cell.center());
    ASSERT_EQ(window->Selected(), catalogue::FindSection("HEB 200"));
    QTest::keyClicks(window->LengthField, "6");
    window->LengthUnitBox->setCurrentText("meter");
    Click(window->AddButton);
    EXPECT_EQ(form->VolumeField->text(), Localised("0.0468480000"));
    EXPECT_EQ(form->WeightField->text(), Localised("368.8800000000"));

    QTest::keyClick(form.get(), Qt::Key_L, Qt::ControlModifier);
    auto* list = form->findChild<ui::PartsListWindow*>();
    ASSERT_TRUE(list);
    const QAbstractItemModel* lines = list->Table->model();
    ASSERT_EQ(lines->rowCount(), 1);
    EXPECT_EQ(lines->index(0, 1).data().toString(), "Section HEB 200");
    Click(form->UndoButton);
    EXPECT_EQ(lines->rowCount(), 0);

    // The parts list's button brings the same window back.
    window->hide();
    auto* addSection = list->findChild<QToolButton*>(QStringLiteral("AddSectionButton"));
    ASSERT_TRUE(addSection);
    addSection->click();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(form->findChildren<ui::SectionsWindow*>().size(), 1);
}

// A search that finds nothing shows the nearest designations, by family and
// size; a click on one finds and selects it.
TEST_F(SectionsWindowTest, NearNamesWhenNothingMatchesAreButtonsToThem) {
    form->Document().ShowSections();
    auto* window = form->findChild<ui::SectionsWindow*>();
    ASSERT_TRUE(window);
    QTest::keyClicks(window->SearchField, "IPE 210");
    EXPECT_EQ(window->CountLabel->text(), "0 sections");
    ASSERT_TRUE(window->NearLabel->isVisible());
    EXPECT_EQ(window->NearButtons[0]->text(), "IPE 220");
    EXPECT_EQ(window->NearButtons[1]->text(), "IPE 200");

    Click(window->NearButtons[1]);
    EXPECT_EQ(window->SearchField->text(), "IPE 200");
    EXPECT_EQ(window->Selected(), catalogue::FindSection("IPE 200"));
    EXPECT_FALSE(window->NearLabel->isVisible());
    EXPECT_FALSE(window->NearButtons[0]->isVisible());
}

// Where the drawing painted: the bounds of every pixel that is not the
// white it was given.
QRect Painted(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// The smallest and the largest of each family, drawn without letters (the
// section alone, whose outline's bounds must have the section's proportions)
// and with them (nothing outside the box).
TEST(SectionDrawing, EveryFamilyToScaleAndInsideItsBox) {
    const QRect box(10, 10, 320, 240);
    for (const catalogue::SectionFamily family : catalogue::SectionFamilies()) {
        const auto sections = catalogue::SectionsOf(family);
        for (const catalogue::Section* s : {&sections.front(), &sections.back()}) {
            SCOPED_TRACE(s->Designation);
            const bool flat = family == catalogue::SectionFamily::FlatBar;
            const double width = s->D > 0 ? s->D : s->B > 0 ? s->B : s->H;
            const double height = s->D > 0 ? s->D : flat ? s->T : s->H;

            QImage plain(340, 260, QImage::Format_RGB32);
            plain.fill(Qt::white);
            {
                QPainter painter(&plain);
                ui::DrawSection(painter, box, *s, false);
            }
            ASSERT_EQ(Painted(plain), box);
            // Inside the panel, what is neither panel grey nor its bevel.
            QRect shape;
            for (int y = box.top() + 3; y < box.bottom() - 2; ++y)
                for (int x = box.left() + 3; x < box.right() - 2; ++x)
                    if (plain.pixel(x, y) != qRgb(0xC0, 0xC0, 0xC0)) shape |= QRect(x, y, 1, 1);
            ASSERT_FALSE(shape.isEmpty());
            // The outline's 1.5 pixels and anti-aliasing on each side; a pixel
            // across a tall, narrow section (C15x50) is several along it.
            const double drawnWidth = shape.width() - 2, drawnHeight = shape.height() - 2;
            EXPECT_NEAR(drawnHeight, drawnWidth * height / width,
                        3.0 * std::max(1.0, height / width));

            QImage lettered(340, 260, QImage::Format_RGB32);
            lettered.fill(Qt::white);
            {
                QPainter painter(&lettered);
                ui::DrawSection(painter, box, *s, true);
            }
            EXPECT_EQ(Painted(lettered), box);
        }
    }
}

} // namespace
