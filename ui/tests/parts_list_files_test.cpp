// What an estimator's day throws at the list's files: a list never saved
// outlives Reset and Exit, what is no parts list is refused unread, a full
// disk is named, a failure is told in front of the progress box, a quote
// sheet goes over a list only when asked for, a paste says what it left out.
#include "PartsListFixture.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QMenu>
#include <QProgressDialog>
#include <QTemporaryDir>
#include <QToolButton>

#include <sys/resource.h>
#include <sys/stat.h>

#include <cerrno>
#include <csignal>
#include <cstring>

namespace {

const char Header[] = "kind,type,size,a,a_unit,b,b_unit,c,c_unit,quantity,density\n";

QString Write(const QString& path, const QByteArray& text) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
    return path;
}

// `count` rods of 20 mm by 1 m, then `last`.
QByteArray Rods(int count, const QByteArray& last = {}) {
    QByteArray text = Header;
    for (int i = 0; i < count; ++i)
        text += "object,Cylinder,,20,millimeter,1000,millimeter,,,1,7874\n";
    return text + last;
}

QStringList OpenMenu(ui::PartsListWindow* list) {
    QStringList items;
    for (const QAction* action : list->OpenButton->menu()->actions())
        items << action->text();
    return items;
}

class ListFiles : public PartsList {
protected:
    QTemporaryDir dir;
};

TEST_F(ListFiles, AListNeverSavedSurvivesResetAndExit) {
    ui::PartsListWindow* list = OpenList();
    AddObject("Cylinder", "20", "1000");
    AddObject("Cone", "10", "10");
    Click(form->ResetButton); // no question, as before
    ASSERT_TRUE(OpenMenu(list).value(0).startsWith("Unsaved list of 2 lines, "))
        << OpenMenu(list).join('|').toStdString();
    list->OpenButton->menu()->actions().front()->trigger();
    EXPECT_EQ(Rows(list), 2);
    EXPECT_EQ(list->windowTitle(), "Parts list"); // no file, and nothing says saved
    EXPECT_FALSE(list->isWindowModified());

    form->close(); // Exit: the same list is kept once
    form = std::make_unique<ui::MainWindow>();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    list = OpenList();
    EXPECT_EQ(OpenMenu(list).filter("Unsaved list").size(), 1);
    list->OpenButton->menu()->actions().front()->trigger();
    ASSERT_TRUE(list->SaveTo(dir.filePath("saved.csv")));
    EXPECT_TRUE(OpenMenu(list).filter("Unsaved list").isEmpty()) << "saved, it is kept no more";

    for (const char* length : {"1", "2", "3", "4", "5", "6", "7"}) {
        Click(form->ResetButton);
        AddObject("Cylinder", "20", length);
    }
    Click(form->ResetButton);
    EXPECT_EQ(OpenMenu(list).filter("Unsaved list").size(), 5) << "the newest five";

    // Where nothing can be written, Reset goes on as it always did.
    const QByteArray data = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", "/dev/null/nowhere");
    AddObject("Cylinder", "20", "8");
    Click(form->ResetButton);
    qputenv("XDG_DATA_HOME", data);
    EXPECT_EQ(Rows(list), 0);
}

// A pipe no one writes to would hold the window in open(); a file past a
// gigabyte (sparse: it takes no room) is no parts list.
TEST_F(ListFiles, WhatIsNoPartsListIsRefusedUnread) {
    ui::PartsListWindow* list = OpenList();
    AddObject("Cylinder", "20", "1000");
    const QString pipe = dir.filePath("pipe.csv"), large = dir.filePath("large.csv");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    Write(large, {});
    ASSERT_TRUE(QFile(large).resize((qint64(1) << 30) + 1));
    for (const auto& [path, why] : {std::pair{pipe, "it is a pipe, not a file"},
                                    {large, "1073741825 bytes, more than the 1 GiB"}}) {
        list->OpenFrom(path);
        const auto boxes = TakeBoxes();
        ASSERT_EQ(boxes.size(), 1u) << why;
        EXPECT_TRUE(boxes[0].Text.contains(QLatin1String(why))) << boxes[0].Text.toStdString();
    }
    EXPECT_EQ(Rows(list), 1);
}

// Past the file-size limit every write fails, as on a full disk: the first
// write takes what fits and says nothing, the next one fails.
TEST_F(ListFiles, ASaveThatDoesNotFitNamesTheReasonAndLeavesTheOldFile) {
    ui::PartsListWindow* list = OpenList();
    list->OpenFrom(Write(dir.filePath("rods.csv"), Rods(2000)));
    const QString old = Write(dir.filePath("old.csv"), Rods(1));
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit was{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &was), 0);
    rlimit limit = was;
    limit.rlim_cur = 64 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    list->SaveTo(old);
    setrlimit(RLIMIT_FSIZE, &was);
    const auto boxes = TakeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].Text.endsWith(QString::fromLocal8Bit(std::strerror(EFBIG)) + '.'))
        << boxes[0].Text.toStdString();
    QFile file(old);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), Rods(1));
}

// A long file whose last line is wrong, under a name with an escape sequence,
// a line break and a right-to-left override: the box says where, escaped,
// and stands in front, the progress box gone. The progress box shows at once,
// as it does after half a second on a slower machine.
TEST_F(ListFiles, AFailedOpenIsToldEscapedWithNoProgressBoxInTheWay) {
    ui::PartsListWindow* list = OpenList();
    QTimer early;
    QObject::connect(&early, &QTimer::timeout, [&] {
        for (QProgressDialog* progress : list->findChildren<QProgressDialog*>())
            if (!progress->isVisible()) progress->show();
    });
    early.start(1);
    const QString name = QString::fromUtf8("a\x1b[2J\nb\u202Efdp.csv");
    list->OpenFrom(Write(dir.filePath(name), Rods(50000, "object,Cone,,1,furlong,1,m,,,1,1\n")));
    EXPECT_TRUE(watch.ProgressSeen);
    const auto boxes = TakeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_FALSE(boxes[0].OverProgress);
    EXPECT_TRUE(boxes[0].Text.contains("a\\x1b[2J\\x0ab\\u202efdp.csv:50002: column \"a_unit\""))
        << boxes[0].Text.toStdString();
    EXPECT_EQ(Rows(list), 0);
}

TEST_F(ListFiles, AQuoteSheetGoesOverAListOnlyWhenTheUserSaysSo) {
    ui::PartsListWindow* list = OpenList();
    AddObject("Cylinder", "20", "1000");
    const QString path = dir.filePath("parts.csv");
    ASSERT_TRUE(list->SaveTo(path));
    for (const auto answer : {QMessageBox::Cancel, QMessageBox::Save}) {
        watch.Answer = answer;
        list->ReportTo(path);
        const auto boxes = TakeBoxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_TRUE(boxes[0].Text.startsWith("\u201Cparts.csv\u201D is a parts list."));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.read(4) == "%PDF", answer == QMessageBox::Save);
    }
}

TEST_F(ListFiles, APasteSaysWhichColumnsItLeftOut) {
    ui::PartsListWindow* list = OpenList();
    QGuiApplication::clipboard()->setText(
        "kind\ttype\tsize\ta\ta_unit\tb\tb_unit\tc\tc_unit\tquantity\tdensity\tnotes\n"
        "object\tCylinder\t\t20\tmillimeter\t1000\tmillimeter\t\t\t1\t7874\tbars\n");
    QTest::keyClick(list->Table, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Rows(list), 1);
    const auto boxes = TakeBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_TRUE(boxes[0].Text.endsWith("left out of the paste: \u201Cnotes\u201D"))
        << boxes[0].Text.toStdString();
}

} // namespace
