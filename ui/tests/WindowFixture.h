#pragma once
// Drives the real main window offscreen as a person would: picks from the
// lists, types, clicks. Any message box is answered with OK and recorded, so
// no test can hang on a modal box.
#include "ui/EditCombo.h"
#include "ui/LinkLabel.h"
#include "ui/MainWindow.h"
#include "ui/SpinEdit.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

// A total as the window writes it: with the user's decimal separator.
inline QString Localised(QString text) {
    return text.replace(QLatin1Char('.'), QLocale::system().decimalPoint());
}

struct ShownBox {
    QString Title, Text;
    QMessageBox::Icon Icon;
    int Buttons;
    bool OverProgress; // a progress box was still in sight
};

// Answers every modal box that opens while it lives.
class ModalWatch {
public:
    ModalWatch() {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this] { answer(); });
        timer_.start();
    }
    std::vector<ShownBox> Boxes;
    int OtherDialogs = 0;
    bool ProgressSeen = false; // a progress box was in sight (it is left to its work)
    QMessageBox::StandardButton Answer = QMessageBox::Ok; // where a box has it, else OK

private:
    void answer() {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        const auto progress = [] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (qobject_cast<QProgressDialog*>(w) && w->isVisible()) return true;
            return false;
        };
        if (qobject_cast<QProgressDialog*>(modal)) {
            ProgressSeen = true;
        } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            Boxes.push_back({box->windowTitle(), box->text(), box->icon(),
                             int(box->buttons().size()), progress()});
            if (QAbstractButton* answer = box->button(Answer))
                answer->click();
            else if (QAbstractButton* ok = box->button(QMessageBox::Ok))
                ok->click();
            else
                box->close();
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            ++OtherDialogs;
            dialog->accept();
        }
    }
    QTimer timer_;
};

class WindowTest : public testing::Test {
protected:
    void SetUp() override {
        // Each test starts as a first run, with no list kept unsaved by another
        // (main() keeps them in a folder of this process's own).
        QSettings().clear();
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
             QStringLiteral("/unsaved"))
            .removeRecursively();
        form = std::make_unique<ui::MainWindow>();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        form->activateWindow(); // so that focus moves, and leaves, as on a desktop
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void TearDown() override {
        EXPECT_TRUE(watch.Boxes.empty())
            << "unexpected message box: "
            << (watch.Boxes.empty() ? "" : watch.Boxes.front().Text.toStdString());
    }

public:
    // Opens the list and clicks the item, as the mouse would.
    static void Pick(ui::EditCombo* box, const QString& item) {
        const int index = box->findText(item, Qt::MatchExactly | Qt::MatchCaseSensitive);
        ASSERT_GE(index, 0) << item.toStdString();
        box->showPopup();
        QAbstractItemView* view = box->view();
        view->scrollTo(view->model()->index(index, 0));
        const QRect rect = view->visualRect(view->model()->index(index, 0));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !view->window()->isVisible(); }));
        // The offscreen platform does not hand the activation back when the
        // list closes; a desktop does.
        box->window()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(box->window()));
        ASSERT_EQ(box->text(), item);
    }

    // Empties the box and types the text key by key.
    static void Type(ui::EditCombo* box, const QString& text) {
        box->lineEdit()->selectAll();
        QTest::keyClick(box->lineEdit(), Qt::Key_Backspace);
        QTest::keyClicks(box->lineEdit(), text);
    }
    static void Type(QLineEdit* edit, const QString& text) {
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    static void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

protected:
    // Clears the boxes seen so far and hands them over.
    std::vector<ShownBox> TakeBoxes() {
        auto boxes = std::move(watch.Boxes);
        watch.Boxes.clear();
        return boxes;
    }

    ModalWatch watch;
    std::unique_ptr<ui::MainWindow> form;
};
