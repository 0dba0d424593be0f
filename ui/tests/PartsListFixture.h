#pragma once
// The parts list window beside the main window, and the clicks that fill it.
#include "WindowFixture.h"

#include "ui/PartsListWindow.h"

#include <QTableView>

class PartsList : public WindowTest {
protected:
    ui::PartsListWindow* OpenList() {
        QTest::keyClick(form.get(), Qt::Key_L, Qt::ControlModifier);
        auto* list = form->findChild<ui::PartsListWindow*>();
        EXPECT_TRUE(list && list->isVisible());
        Activate(list);
        return list;
    }
    // The list window in front, as a click on it would bring it (a window of
    // its own counts as active while its owner is, before it really is).
    static void Activate(ui::PartsListWindow* list) {
        list->activateWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == list; }));
    }
    static int Rows(ui::PartsListWindow* list) { return list->Table->model()->rowCount(); }

    void AddObject(const char* type, const char* a, const char* b) {
        Pick(form->ObjectTypeBox, QString::fromLatin1(type));
        QTest::keyClicks(form->ObjectAField, QString::fromLatin1(a));
        QTest::keyClicks(form->ObjectBField, QString::fromLatin1(b));
        Click(form->AddObjectButton);
    }
    // Two I-beams 300x150x6.5x9 (36 kg/m) of 6 metres: 432 kg at 7874.
    void AddIBeams() {
        Pick(form->ObjectTypeBox, "I-Beam");
        Pick(form->IBeamSizeBox, "300x150x6.5x9");
        QTest::keyClicks(form->ObjectCField, "6000");
        form->ObjectQuantityBox->setValue(2);
        Click(form->AddObjectButton);
    }
    void AddHoles(const char* type, const char* a, const char* b) {
        Type(form->ApertureTypeBox, QString::fromLatin1(type));
        QTest::keyClicks(form->ApertureAField, QString::fromLatin1(a));
        QTest::keyClicks(form->ApertureBField, QString::fromLatin1(b));
        Click(form->AddApertureButton);
    }
};
