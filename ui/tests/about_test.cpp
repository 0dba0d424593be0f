// The about dialog as a person meets it: every control at its place with its
// text, the links and buttons opening their addresses, OK and the tab order.
#include "ui/AboutDialog.h"
#include "ui/LinkLabel.h"

#include "CapturedUrls.h"

#include <QDesktopServices>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QUrlQuery>
#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

enum class Kind { Frame, Picture, Label, Link, Group, Button };

struct Control {
    const char* name;
    const char* parent;
    Kind kind;
    QRect place;
    const char* text; // nullptr: the wording is ours, checked elsewhere
};

// The dialog's layout as designed, each place relative to the parent.
const Control Controls[] = {
    {"NamePanel", "AboutDialog", Kind::Frame, {8, 8, 281, 169}, ""},
    {"ProgramIcon", "NamePanel", Kind::Picture, {8, 8, 70, 70}, ""},
    {"ProductName", "NamePanel", Kind::Label, {88, 16, 173, 17}, "Kubatrix"},
    {"Version", "NamePanel", Kind::Label, {88, 40, 53, 13}, "Version 3.1"},
    {"Notice", "NamePanel", Kind::Label, {24, 88, 222, 13}, nullptr},
    {"HomePageCaption", "NamePanel", Kind::Label, {32, 112, 58, 13}, "Home page:"},
    {"HomePageLink", "NamePanel", Kind::Link, {111, 112, 138, 13}, "https://orvel.example.com/"},
    {"SupportCaption", "NamePanel", Kind::Label, {32, 136, 40, 13}, "Support:"},
    {"SupportLink", "NamePanel", Kind::Link, {112, 136, 126, 13}, "support@orvel.example.com"},
    {"ThanksGroup", "AboutDialog", Kind::Group, {8, 184, 281, 105}, ""},
    {"ThanksText",
     "ThanksGroup",
     Kind::Label,
     {8, 16, 263, 39},
     "If you like our program, you can thank the authors. The small sum (9.95$) will help to "
     "develop this program. Click here"},
    {"ThankYouButton", "ThanksGroup", Kind::Button, {56, 64, 169, 25}, "Thank you"},
    {"SourceGroup", "AboutDialog", Kind::Group, {8, 296, 281, 97}, "Source"},
    {"SourcePrice", "SourceGroup", Kind::Label, {8, 32, 202, 13}, nullptr},
    {"BuySourceButton", "SourceGroup", Kind::Button, {56, 56, 169, 25}, "Buy a sourse code"},
    {"OkButton", "AboutDialog", Kind::Button, {215, 404, 75, 25}, "OK"},
};

bool hasKind(QWidget* w, Kind kind) {
    switch (kind) {
    case Kind::Frame:
        return qobject_cast<QFrame*>(w) && !qobject_cast<QLabel*>(w);
    case Kind::Picture:
    case Kind::Label:
        return qobject_cast<QLabel*>(w) && !qobject_cast<ui::LinkLabel*>(w);
    case Kind::Link:
        return qobject_cast<ui::LinkLabel*>(w) != nullptr;
    case Kind::Group:
        return qobject_cast<QGroupBox*>(w) != nullptr;
    case Kind::Button:
        return qobject_cast<QPushButton*>(w) != nullptr;
    }
    return false;
}

QString captionOf(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
    if (auto* button = qobject_cast<QPushButton*>(w)) return button->text();
    if (auto* group = qobject_cast<QGroupBox*>(w)) return group->title();
    return {};
}

class AboutDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        box = std::make_unique<ui::AboutDialog>();
        box->show();
    }

    template <typename W = QWidget> W* find(const char* name) {
        auto* w = box->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    std::unique_ptr<ui::AboutDialog> box;
};

TEST_F(AboutDialogTest, EveryControlSitsAtItsPlaceWithItsTextAndIsShown) {
    for (const Control& c : Controls) {
        SCOPED_TRACE(c.name);
        QWidget* w = find(c.name);
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(hasKind(w, c.kind));
        EXPECT_EQ(w->parentWidget()->objectName().toStdString(), c.parent);
        EXPECT_TRUE(w->isVisible());
        // A one-line label may grow to the right to fit its text in our font,
        // as an auto-sized label does; nothing else moves.
        EXPECT_EQ(w->x(), c.place.x());
        EXPECT_EQ(w->y(), c.place.y());
        EXPECT_EQ(w->height(), c.place.height());
        if (c.kind == Kind::Label || c.kind == Kind::Link) {
            EXPECT_GE(w->width(), c.place.width());
        } else {
            EXPECT_EQ(w->width(), c.place.width());
        }
        if (c.text) {
            EXPECT_EQ(captionOf(w).toStdString(), c.text);
        }
    }
}

TEST_F(AboutDialogTest, EveryControlStaysInsideItsParent) {
    for (const Control& c : Controls) {
        SCOPED_TRACE(c.name);
        QWidget* w = find(c.name);
        ASSERT_NE(w, nullptr);
        EXPECT_TRUE(w->parentWidget()->rect().contains(w->geometry()))
            << "right edge " << w->geometry().right() << ", parent width "
            << w->parentWidget()->width();
    }
}

TEST_F(AboutDialogTest, OwnWordingNamesTheMakerAndThePriceAndFitsTheDesignedWidth) {
    // These two wordings are ours: they must fit without the label growing.
    EXPECT_EQ(find("Notice")->width(), 222);
    EXPECT_EQ(find("SourcePrice")->width(), 202);
    EXPECT_TRUE(find<QLabel>("Notice")->text().contains(QStringLiteral("ORVEL Design")));
    const QString price = find<QLabel>("SourcePrice")->text();
    EXPECT_TRUE(price.contains(QStringLiteral("50"))) << price.toStdString();
    EXPECT_TRUE(price.contains(QStringLiteral("source"), Qt::CaseInsensitive))
        << price.toStdString();
}

TEST_F(AboutDialogTest, EveryCaptionFitsItsControl) {
    for (const Control& c : Controls) {
        SCOPED_TRACE(c.name);
        QWidget* w = find(c.name);
        ASSERT_NE(w, nullptr);
        const QString caption = captionOf(w);
        if (caption.isEmpty()) continue;
        const QFontMetrics metrics(w->font());
        if (auto* label = qobject_cast<QLabel*>(w); label && label->wordWrap()) {
            const QRect needed =
                metrics.boundingRect(QRect(0, 0, w->width(), 1000), Qt::TextWordWrap, caption);
            EXPECT_LE(needed.height(), w->height());
            EXPECT_LE(needed.width(), w->width());
        } else {
            EXPECT_LE(metrics.horizontalAdvance(caption), w->width()) << caption.toStdString();
        }
    }
}

TEST_F(AboutDialogTest, DialogFrameCaptionSizeAndFonts) {
    EXPECT_EQ(box->windowTitle(), QStringLiteral("About"));
    EXPECT_EQ(box->size(), QSize(296, 434));
    EXPECT_EQ(box->minimumSize(), QSize(296, 434));
    EXPECT_EQ(box->maximumSize(), QSize(296, 434));

    const Qt::WindowFlags flags = box->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowContextHelpButtonHint));

    EXPECT_EQ(QFontInfo(box->font()).family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(box->font().pixelSize(), 11);

    auto* name = find<QLabel>("ProductName");
    EXPECT_EQ(QFontInfo(name->font()).family(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(name->font().pixelSize(), 18);
    EXPECT_TRUE(name->font().bold());
    EXPECT_EQ(name->palette().color(QPalette::WindowText), QColor(0x00, 0x00, 0x80));
}

TEST_F(AboutDialogTest, LinksAreBlueUnderlinedAndOnlyTheHomePageShowsAHand) {
    struct Case {
        const char* name;
        Qt::CursorShape cursor;
    };
    for (const Case& c :
         {Case{"HomePageLink", Qt::PointingHandCursor}, Case{"SupportLink", Qt::ArrowCursor}}) {
        SCOPED_TRACE(c.name);
        auto* link = find<ui::LinkLabel>(c.name);
        ASSERT_NE(link, nullptr);
        EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0x00, 0x00, 0xFF));
        EXPECT_TRUE(link->font().underline());
        EXPECT_EQ(link->font().pixelSize(), 11); // the dialog's face, only underlined
        EXPECT_EQ(link->cursor().shape(), c.cursor);
    }
}

TEST_F(AboutDialogTest, ProgramIconShowsTheDrawing) {
    auto* icon = find<QLabel>("ProgramIcon");
    ASSERT_NE(icon, nullptr);
    const QPixmap pixmap = icon->pixmap();
    ASSERT_FALSE(pixmap.isNull()) << "no drawing in the icon's place";
    EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), QSize(70, 70));
    // The drawing's red square fills its top left corner, 4 to 38 px each way.
    const QPoint inSquare = (QPointF(20, 20) * pixmap.devicePixelRatio()).toPoint();
    EXPECT_EQ(pixmap.toImage().pixelColor(inSquare).name().toStdString(), "#ff0000");
}

TEST_F(AboutDialogTest, EachLinkAndButtonOpensItsOwnAddress) {
    struct Case {
        const char* control;
        const char* address;
    };
    const Case cases[] = {
        {"HomePageLink", "https://orvel.example.com/"},
        {"SupportLink", "mailto:support@orvel.example.com"},
        {"BuySourceButton", nullptr}, // checkout pages: checked below
        {"ThankYouButton", nullptr},
    };
    QList<QUrl> opened;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        CapturedUrls captured;
        QWidget* w = find(c.control);
        ASSERT_NE(w, nullptr);
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, w->height() / 2));
        ASSERT_EQ(captured.urls().size(), 1);
        if (c.address) {
            EXPECT_EQ(captured.urls().front().toString().toStdString(), c.address);
        }
        opened.push_back(captured.urls().front());
    }

    // The two checkout pages: one page, the same keys, a product number each.
    const QUrl buySource = opened[2];
    const QUrl thankYou = opened[3];
    for (const QUrl& page : {buySource, thankYou}) {
        SCOPED_TRACE(page.toString().toStdString());
        EXPECT_EQ(page.scheme(), QStringLiteral("https"));
        EXPECT_TRUE(page.host().endsWith(QStringLiteral(".example.com")));
        EXPECT_EQ(page.adjusted(QUrl::RemoveQuery), buySource.adjusted(QUrl::RemoveQuery));
        const QUrlQuery query(page);
        QStringList keys;
        for (const auto& item : query.queryItems())
            keys << item.first;
        EXPECT_EQ(keys, (QStringList{QStringLiteral("productid"), QStringLiteral("language")}));
        EXPECT_EQ(query.queryItemValue(QStringLiteral("language")), QStringLiteral("English"));
        bool number = false;
        EXPECT_GT(query.queryItemValue(QStringLiteral("productid")).toInt(&number), 0);
        EXPECT_TRUE(number);
    }
    EXPECT_NE(QUrlQuery(buySource).queryItemValue(QStringLiteral("productid")),
              QUrlQuery(thankYou).queryItemValue(QStringLiteral("productid")));
    EXPECT_TRUE(box->isVisible()); // opening an address leaves the dialog as it was
}

TEST_F(AboutDialogTest, OkClosesWithAccepted) {
    box->setResult(QDialog::Rejected);
    QTest::mouseClick(find("OkButton"), Qt::LeftButton);
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(box->result(), QDialog::Accepted);
}

TEST_F(AboutDialogTest, EnterPressesTheDefaultOkButton) {
    auto* ok = find<QPushButton>("OkButton");
    EXPECT_TRUE(ok->isDefault());
    box->setResult(QDialog::Rejected);
    QTest::keyClick(box.get(), Qt::Key_Return);
    EXPECT_FALSE(box->isVisible());
    EXPECT_EQ(box->result(), QDialog::Accepted);
}

TEST_F(AboutDialogTest, FocusStartsOnOkAndTabVisitsBuyThenThankYou) {
    box->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(box.get()));
    const auto focused = [] {
        QWidget* w = QApplication::focusWidget();
        return w ? w->objectName().toStdString() : std::string("nothing");
    };
    EXPECT_EQ(focused(), "OkButton");
    for (const char* next : {"BuySourceButton", "ThankYouButton", "OkButton"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(focused(), next);
    }
}

// The link label on its own: what counts as a click.
TEST(LinkLabel, ClickIsALeftPressAndReleaseInside) {
    struct Case {
        const char* name;
        Qt::MouseButton button;
        QPoint press;
        QPoint release;
        int clicks;
    };
    const Case cases[] = {
        {"left inside", Qt::LeftButton, {10, 5}, {12, 6}, 1},
        {"right inside", Qt::RightButton, {10, 5}, {10, 5}, 0},
        {"left, released outside", Qt::LeftButton, {10, 5}, {300, 5}, 0},
        {"middle inside", Qt::MiddleButton, {10, 5}, {10, 5}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui::LinkLabel link(QStringLiteral("https://orvel.example.com/"));
        link.resize(138, 13);
        link.show();
        QSignalSpy clicked(&link, &ui::LinkLabel::clicked);
        QTest::mousePress(&link, c.button, {}, c.press);
        QTest::mouseRelease(&link, c.button, {}, c.release);
        EXPECT_EQ(clicked.count(), c.clicks);
    }
}

} // namespace

