// The help window and the pages it shows: one window, opened at the contents,
// links and pictures that lead somewhere, and the three buttons.
#include "ui/HelpWindow.h"

#include "calc/Materials.h"
#include "catalogue/ProfileSizeTable.h"
#include "ui/MainWindow.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QToolButton>
#include <gtest/gtest.h>

#include <map>
#include <queue>
#include <string>

namespace {

const QString HelpFolder = QStringLiteral(":/help");

QUrl pageUrl(const QString& name) {
    return QUrl(QStringLiteral("qrc:/help/") + name);
}

// Where a qrc: address lives among the resources.
QString resourcePath(const QUrl& url) {
    return QLatin1Char(':') + url.path();
}

// What a help page holds once Qt has read it: its title, the links and image
// sources in it, and the anchor names other pages may point to.
struct Page {
    QString title;
    QString text;
    QStringList links;
    QStringList images;
    QSet<QString> anchors;
};

Page readPage(const QString& path) {
    Page page;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return page;
    QTextDocument document;
    document.setHtml(QString::fromUtf8(file.readAll()));
    page.title = document.metaInformation(QTextDocument::DocumentTitle);
    page.text = document.toPlainText();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isAnchor()) {
                if (!format.anchorHref().isEmpty()) page.links << format.anchorHref();
                for (const QString& name : format.anchorNames())
                    page.anchors.insert(name);
            }
            if (format.isImageFormat()) page.images << format.toImageFormat().name();
        }
    }
    return page;
}

// Every page reached from the contents by following links, by file path.
std::map<QString, Page> walkFromContents() {
    std::map<QString, Page> pages;
    std::queue<QUrl> todo;
    todo.push(ui::HelpWindow::ContentsUrl());
    while (!todo.empty()) {
        const QUrl url = todo.front();
        todo.pop();
        const QString path = resourcePath(url);
        if (pages.count(path) || !QFile::exists(path)) continue;
        Page page = readPage(path);
        for (const QString& link : page.links) {
            const QUrl target = url.resolved(QUrl(link));
            if (target.scheme() == QLatin1String("qrc"))
                todo.push(target.adjusted(QUrl::RemoveFragment));
        }
        pages.emplace(path, std::move(page));
    }
    return pages;
}

class HelpWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ui::HelpWindow::ShowContents(nullptr);
        window = ui::HelpWindow::Instance();
        ASSERT_NE(window, nullptr);
        browser = window->findChild<QTextBrowser*>(QStringLiteral("HelpBrowser"));
        ASSERT_NE(browser, nullptr);
    }

    std::string shown() const { return browser->source().toString().toStdString(); }

    QToolButton* button(const char* name) {
        auto* b = window->findChild<QToolButton*>(QString::fromLatin1(name));
        EXPECT_NE(b, nullptr) << name;
        return b;
    }

    ui::HelpWindow* window = nullptr;
    QTextBrowser* browser = nullptr;
};

TEST_F(HelpWindowTest, OpensVisibleAtTheContentsPage) {
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(shown(), "qrc:/help/index.html");
    EXPECT_EQ(browser->documentTitle().toStdString(), "Help Topics");
    EXPECT_TRUE(window->windowTitle().startsWith(QStringLiteral("Kubatrix 3.1 Help")));
    EXPECT_FALSE(browser->toPlainText().isEmpty());
}

TEST_F(HelpWindowTest, SecondCallReusesTheWindowAndReturnsToTheContents) {
    browser->setSource(pageUrl(QStringLiteral("cone.html")));
    ASSERT_EQ(browser->documentTitle().toStdString(), "Cone");
    window->hide();

    ui::HelpWindow::ShowContents(nullptr);

    EXPECT_EQ(ui::HelpWindow::Instance(), window);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(shown(), "qrc:/help/index.html");
    int helpWindows = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        helpWindows += qobject_cast<ui::HelpWindow*>(w) != nullptr;
    EXPECT_EQ(helpWindows, 1);
}

TEST_F(HelpWindowTest, BackForwardAndContentsButtonsNavigate) {
    QToolButton* back = button("BackButton");
    QToolButton* forward = button("ForwardButton");
    QToolButton* contents = button("ContentsButton");
    ASSERT_TRUE(back && forward && contents);

    browser->setSource(pageUrl(QStringLiteral("cylinder.html")));
    browser->setSource(pageUrl(QStringLiteral("sphere.html")));
    EXPECT_TRUE(back->isEnabled());
    EXPECT_FALSE(forward->isEnabled());

    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(shown(), "qrc:/help/cylinder.html");
    EXPECT_TRUE(forward->isEnabled());
    EXPECT_TRUE(window->windowTitle().contains(QStringLiteral("Cylinder")));

    QTest::mouseClick(forward, Qt::LeftButton);
    EXPECT_EQ(shown(), "qrc:/help/sphere.html");
    EXPECT_FALSE(forward->isEnabled());

    QTest::mouseClick(contents, Qt::LeftButton);
    EXPECT_EQ(shown(), "qrc:/help/index.html");
    QTest::mouseClick(back, Qt::LeftButton);
    EXPECT_EQ(shown(), "qrc:/help/sphere.html");
}

TEST_F(HelpWindowTest, FollowingALinkFromTheKeyboardOpensItsPage) {
    // Tab moves to the first link on the contents page, Enter follows it.
    browser->setFocus();
    QTest::keyClick(browser, Qt::Key_Tab);
    QTest::keyClick(browser, Qt::Key_Return);
    EXPECT_EQ(shown(), "qrc:/help/getting-started.html");
    EXPECT_EQ(browser->documentTitle().toStdString(), "Getting started");
}

TEST_F(HelpWindowTest, AltLeftAndAltRightGoBackAndForward) {
    browser->setSource(pageUrl(QStringLiteral("keyboard.html")));
    browser->setSource(pageUrl(QStringLiteral("cone.html")));
    browser->setFocus();

    QTest::keyClick(browser, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(shown(), "qrc:/help/keyboard.html");
    QTest::keyClick(browser, Qt::Key_Left, Qt::AltModifier);
    EXPECT_EQ(shown(), "qrc:/help/index.html");
    QTest::keyClick(browser, Qt::Key_Right, Qt::AltModifier);
    EXPECT_EQ(shown(), "qrc:/help/keyboard.html");
    EXPECT_TRUE(window->windowTitle().contains(QStringLiteral("Using the keyboard")));
}

TEST_F(HelpWindowTest, PicturesAreDrawnInThePage) {
    const QString picture = QStringLiteral(":/pictures/P002.svg");
    if (!QFile::exists(picture)) GTEST_SKIP() << "the cylinder is not drawn yet";
    browser->setSource(pageUrl(QStringLiteral("cylinder.html")));
    // The solids are dark teal; nothing else on a help page is.
    const QImage shot = browser->viewport()->grab().toImage();
    int teal = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            teal += shot.pixelColor(x, y) == QColor(0x00, 0x80, 0x80);
    EXPECT_GT(teal, 100);
}

TEST(HelpPages, EveryLinkLeadsToAnExistingPageAndAnchor) {
    const auto pages = walkFromContents();
    ASSERT_FALSE(pages.empty());
    for (const auto& [path, page] : pages) {
        const QUrl base = QUrl(QStringLiteral("qrc") + path);
        for (const QString& link : page.links) {
            SCOPED_TRACE((path + QStringLiteral(" -> ") + link).toStdString());
            const QUrl target = base.resolved(QUrl(link));
            ASSERT_EQ(target.scheme().toStdString(), "qrc") << "help links stay inside the help";
            const QString targetPath = resourcePath(target);
            ASSERT_TRUE(QFile::exists(targetPath)) << "missing page";
            if (target.hasFragment()) {
                const Page targetPage =
                    pages.count(targetPath) ? pages.at(targetPath) : readPage(targetPath);
                EXPECT_TRUE(targetPage.anchors.contains(target.fragment())) << "missing anchor";
            }
        }
    }
}

TEST(HelpPages, EveryPageIsReachableFromTheContentsAndHasATitle) {
    const auto pages = walkFromContents();
    const QStringList files = QDir(HelpFolder).entryList({QStringLiteral("*.html")}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& file : files) {
        SCOPED_TRACE(file.toStdString());
        const QString path = HelpFolder + QLatin1Char('/') + file;
        EXPECT_TRUE(pages.count(path)) << "not linked from the contents";
        EXPECT_FALSE(readPage(path).title.isEmpty());
    }
}

TEST(HelpPages, ContentsLinksEveryTopic) {
    const Page contents = readPage(QStringLiteral(":/help/index.html"));
    const char* topics[] = {
        "getting-started.html", "materials-units.html",
        "undo-reset.html",      "objects.html",
        "apertures.html",       "errors.html",
        "keyboard.html",        "parallelepiped.html",
        "cylinder.html",        "pipe.html",
        "prism1.html",          "prism2.html",
        "hexahedron.html",      "sphere.html",
        "part-of-sphere.html",  "cone.html",
        "truncated-cone.html",  "pyramid.html",
        "hexagonal-bar.html",   "i-beam.html",
        "c-channel.html",       "lip-channel.html",
        "angle.html",
    };
    for (const char* topic : topics)
        EXPECT_TRUE(contents.links.contains(QString::fromLatin1(topic))) << topic;
}

TEST(HelpPages, EveryPictureIsAResourceThatLoads) {
    ASSERT_TRUE(QImageReader::supportedImageFormats().contains("svg"))
        << "pictures in the help need the SVG image plugin";
    const auto pages = walkFromContents();
    int pictures = 0;
    for (const auto& [path, page] : pages) {
        for (const QString& source : page.images) {
            SCOPED_TRACE((path + QStringLiteral(": ") + source).toStdString());
            ASSERT_TRUE(source.startsWith(QStringLiteral(":/pictures/")));
            ASSERT_TRUE(QFile::exists(source)) << "missing picture";
            EXPECT_FALSE(QImage(source).isNull());
            ++pictures;
        }
    }
    RecordProperty("pictures", pictures);
}

TEST(HelpPages, SolidPagesShowTheirPictureAndFormula) {
    struct Case {
        const char* page;
        const char* picture; // nullptr: a typed-only solid without one
        const char* formula;
    };
    const Case cases[] = {
        {"parallelepiped.html", ":/pictures/P001.svg", "a × b × c × q / 1000000000"},
        {"cylinder.html", ":/pictures/P002.svg", "0.7853975 × a × a × b × q / 1000000000"},
        {"pipe.html", nullptr, "(a × a − b × b) × 0.7853975 × c × q / 1000000000"},
        {"prism1.html", ":/pictures/P003.svg", "0.5 × a × b × c × q / 1000000000"},
        {"prism2.html", ":/pictures/P004.svg",
         "√(b × b − a × a / 4) × (0.5 × a) × c × q / 1000000000"},
        {"hexahedron.html", nullptr, "0.866 × a × a × b × q / 1000000000"},
        {"sphere.html", ":/pictures/P005.svg", "3.14159 × a × a × a × q / 6000000000"},
        {"part-of-sphere.html", ":/pictures/P006.svg",
         "3.14159 × b × b × (a − b / 3) × q / 1000000000"},
        {"cone.html", ":/pictures/P007.svg", "3.14159 × a × a × b / 12 × q / 1000000000"},
        {"truncated-cone.html", ":/pictures/P008.svg",
         "(a × a + b × b + a × b) × 3.14159 × c × q / 12 / 1000000000"},
        {"pyramid.html", ":/pictures/P009.svg", "a × b × c × q / 3 / 1000000000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.page);
        const Page page = readPage(HelpFolder + QLatin1Char('/') + QString::fromLatin1(c.page));
        ASSERT_FALSE(page.title.isEmpty());
        if (c.picture) {
            EXPECT_EQ(page.images.join(QLatin1Char(' ')).toStdString(), c.picture);
        } else {
            EXPECT_TRUE(page.images.isEmpty());
        }
        EXPECT_TRUE(page.text.contains(QString::fromUtf8(c.formula))) << c.formula;
    }
}

// The tables of a help page, each as rows of cell texts.
using Table = std::vector<QStringList>;

std::vector<Table> readTables(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    QTextDocument document;
    document.setHtml(QString::fromUtf8(file.readAll()));
    std::vector<Table> tables;
    for (QTextFrame* frame : document.rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table) continue;
        Table rows;
        for (int r = 0; r < table->rows(); ++r) {
            QStringList cells;
            for (int c = 0; c < table->columns(); ++c) {
                const QTextTableCell cell = table->cellAt(r, c);
                QTextCursor cursor = cell.firstCursorPosition();
                cursor.setPosition(cell.lastCursorPosition().position(), QTextCursor::KeepAnchor);
                cells << cursor.selectedText().trimmed();
            }
            rows.push_back(cells);
        }
        tables.push_back(rows);
    }
    return tables;
}

QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// What a screen reader calls a control. On Linux Qt reports a list box's
// text as its name, so for those the name we set is the one to compare.
QString spokenName(QWidget* control) {
    if (qobject_cast<QComboBox*>(control)) return control->accessibleName();
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(control);
    return node ? node->text(QAccessible::Name) : QString();
}

TEST(HelpPages, KeyboardPageGivesTheWindowsTabOrderByTheNamesToolsUse) {
    ui::MainWindow form;
    // The whole round of Tab from the first control, hidden ones included:
    // the parts that pass the focus on to their box are not stops of their own.
    QStringList order;
    QWidget* first = form.ExitButton;
    QWidget* w = first;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && w->window() == &form &&
            w != &form)
            order << spokenName(w);
        w = w->nextInFocusChain();
    } while (w != first && order.size() < 200);
    ASSERT_GE(order.size(), 30);

    const auto tables = readTables(QStringLiteral(":/help/keyboard.html"));
    ASSERT_FALSE(tables.empty());
    QStringList documented;
    const Table& table = tables.front();
    for (std::size_t r = 1; r < table.size(); ++r) {
        EXPECT_EQ(table[r][0].toInt(), int(r)) << "row numbers run 1, 2, 3, ...";
        documented << table[r][1];
    }
    EXPECT_EQ(documented.join(u'\n').toStdString(), order.join(u'\n').toStdString());
}

TEST(HelpPages, ProfileSizeTablesAreTheCataloguesRowForRow) {
    const std::pair<const char*, catalogue::Profile> pages[] = {
        {"hexagonal-bar.html", catalogue::Profile::HexagonalBar},
        {"i-beam.html", catalogue::Profile::IBeam},
        {"c-channel.html", catalogue::Profile::CChannel},
        {"lip-channel.html", catalogue::Profile::LipChannel},
        {"angle.html", catalogue::Profile::Angle},
    };
    for (const auto& [page, profile] : pages) {
        SCOPED_TRACE(page);
        const auto tables = readTables(HelpFolder + QLatin1Char('/') + QLatin1String(page));
        ASSERT_FALSE(tables.empty());
        const Table& sizes = tables.back(); // "Size table", the last on the page
        const auto catalogue = catalogue::SizeTable(profile);
        ASSERT_EQ(sizes.size(), catalogue.size() + 1) << "a heading and one row per size";
        for (std::size_t i = 0; i < catalogue.size(); ++i) {
            const QStringList& row = sizes[i + 1];
            EXPECT_EQ(row[0], qt(catalogue[i].Label)) << "row " << i + 1;
            bool number = false;
            EXPECT_EQ(row[1].toDouble(&number), catalogue[i].Mass) << row[0].toStdString();
            EXPECT_TRUE(number) << row[1].toStdString();
        }
    }
}

TEST(HelpPages, MaterialTableIsTheMaterialBoxsList) {
    const auto tables = readTables(QStringLiteral(":/help/materials-units.html"));
    ASSERT_FALSE(tables.empty());
    // Two materials a row: the left column top to bottom, then the right.
    QStringList left, right;
    const Table& table = tables.front();
    for (std::size_t r = 1; r < table.size(); ++r) {
        left << table[r][0] + QLatin1Char('=') + table[r][1];
        right << table[r][2] + QLatin1Char('=') + table[r][3];
    }
    QStringList listed;
    for (const auto& m : calc::Materials)
        if (m.Density) listed << qt(m.Name) + QLatin1Char('=') + QString::number(*m.Density);
    EXPECT_EQ((left + right).join(u'|').toStdString(), listed.join(u'|').toStdString());
}

TEST(HelpPages, NoEntityIsLeftUnread) {
    // A misspelt entity would show as "&name;" in the window.
    static const QRegularExpression entity(QStringLiteral("&[A-Za-z0-9#]+;"));
    for (const auto& [path, page] : walkFromContents()) {
        const auto match = entity.match(page.text);
        EXPECT_FALSE(match.hasMatch())
            << path.toStdString() << ": " << match.captured().toStdString();
    }
}

} // namespace
