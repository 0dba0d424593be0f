// What lands in the windows' fields: a parts list dropped anywhere opens, a
// text field never takes a file's address, and the price field says beside
// it what is no price.
#include "PartsListFixture.h"

#include "ui/Document.h"
#include "ui/SectionsWindow.h"

#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QMimeData>
#include <QTemporaryDir>

namespace {

// A drag over the control let go there; whether it took the drop.
bool Drop(QWidget* control, const QMimeData& data) {
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(control, &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(control, &drop);
    return drop.isAccepted();
}

TEST_F(PartsList, AListDroppedOnAnyControlOpensAndNoFieldTakesItsAddress) {
    QTemporaryDir dir;
    ui::PartsListWindow* list = OpenList();
    AddObject("Cylinder", "20", "1000");
    ASSERT_TRUE(list->SaveTo(dir.filePath(QStringLiteral("dropped.csv"))));
    form->Document().ShowSections();
    auto* sections = form->findChild<ui::SectionsWindow*>();
    // As a file manager drags a file: its address, and the same as text.
    const QUrl url = QUrl::fromLocalFile(dir.filePath(QStringLiteral("dropped.csv")));
    QMimeData file;
    file.setUrls({url});
    file.setText(url.toString());
    const std::pair<const char*, QWidget*> controls[] = {
        {"density field", form->DensityField},   {"type box", form->ObjectTypeBox->lineEdit()},
        {"price field", list->PriceField},       {"lines", list->Table->viewport()},
        {"length field", sections->LengthField}, {"unit box", sections->LengthUnitBox}};
    const auto fields = [&] {
        return form->DensityField->text() + form->ObjectTypeBox->text() + list->PriceField->text() +
               sections->LengthField->text();
    };
    for (const auto& [name, control] : controls) {
        Click(form->ResetButton);
        ASSERT_EQ(Rows(list), 0);
        const QString before = fields();
        EXPECT_TRUE(Drop(control, file)) << name;
        EXPECT_TRUE(QTest::qWaitFor([&] { return Rows(list) == 1; })) << name;
        EXPECT_EQ(fields(), before) << name;
    }
    QMimeData other, text;
    other.setUrls({QUrl::fromLocalFile(dir.filePath(QStringLiteral("notes.txt")))});
    other.setText(other.urls().front().toString());
    text.setText(QStringLiteral("12"));
    form->ApertureAField->clear();
    EXPECT_FALSE(Drop(form->ApertureAField, other));
    EXPECT_TRUE(Drop(form->ApertureAField, text));
    EXPECT_EQ(form->ApertureAField->text(), "12");
}

// A rod of 20 by 1000 mm at 7874 kg/m3 weighs 2.473687966 kg: 6.18 at 2.5 a
// kilogram. Its costs pass 15 digits (10^15 cents) past some 4.04e12 a
// kilogram: 200000000000 (2e11) is within, 200000000000000 (2e14) is not.
TEST_F(PartsList, WhatIsNoPriceIsSaidBesideTheFieldAndTheLastGoodPriceStays) {
    ui::PartsListWindow* list = OpenList();
    AddObject("Cylinder", "20", "1000");
    Activate(list);
    QTest::mouseClick(list->PriceField, Qt::LeftButton);
    Type(list->PriceField, Localised("2.5"));
    QTest::keyClick(list->PriceField, Qt::Key_Return);
    EXPECT_EQ(list->CostTotal->text(), Localised("6.18"));
    for (const char* typed : {"2.5\u20AC", "1,000.50", "-2"}) {
        list->PriceField->selectAll();
        list->PriceField->insert(QString::fromUtf8(typed)); // as pasted: keys know no €
        EXPECT_TRUE(list->PriceNote->isVisible()) << typed;
        EXPECT_TRUE(list->PriceNote->text().contains(QString::fromUtf8(typed)) &&
                    list->PriceNote->text().endsWith(Localised("the price stays 2.5")))
            << list->PriceNote->text().toStdString();
        EXPECT_EQ(list->CostTotal->text(), Localised("6.18")) << typed;
    }
    Type(list->PriceField, Localised("2.5"));
    EXPECT_FALSE(list->PriceNote->isVisible());

    list->PriceField->selectAll();
    QTest::keyClicks(list->PriceField, QStringLiteral("200000000000000"));
    EXPECT_TRUE(watch.Boxes.empty()) << "no box while typing";
    EXPECT_EQ(list->PriceField->text(), "200000000000000");
    QTest::keyClick(list->PriceField, Qt::Key_Return);
    const auto boxes = TakeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Text, "A price of 200000000000000 a kilogram gives costs past 15 digits.");
    EXPECT_EQ(list->PriceField->text(), Localised("2.5")) << "the price as the edit began";
    EXPECT_EQ(list->CostTotal->text(), Localised("6.18"));

    // Remembered as a number, shown with the session's decimal mark.
    list->close();
    QSettings().setValue(QStringLiteral("PartsList/PricePerKg"), 0.75);
    EXPECT_EQ(ui::PartsListWindow(form->Document(), form.get()).PriceField->text(),
              Localised("0.75"));
}

} // namespace
