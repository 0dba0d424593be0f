#include "ui/AboutDialog.h"

#include "ui/Addresses.h"
#include "ui/Fonts.h"
#include "ui/LinkLabel.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSvgRenderer>
#include <qdrawutil.h>

#include <algorithm>

namespace ui {
namespace {

// The dialog is laid out in pixels, each place relative to its parent.
namespace place {
constexpr QSize Client{296, 434};
constexpr QRect NamePanel{8, 8, 281, 169};
constexpr QRect ProgramIcon{8, 8, 70, 70};
constexpr QRect ProductName{88, 16, 173, 17};
constexpr QRect Version{88, 40, 53, 13};
constexpr QRect Notice{24, 88, 222, 13};
constexpr QRect HomePageCaption{32, 112, 58, 13};
constexpr QRect HomePageLink{111, 112, 138, 13};
constexpr QRect SupportCaption{32, 136, 40, 13};
constexpr QRect SupportLink{112, 136, 126, 13};
constexpr QRect ThanksGroup{8, 184, 281, 105};
constexpr QRect ThanksText{8, 16, 263, 39};
constexpr QRect ThankYouButton{56, 64, 169, 25};
constexpr QRect SourceGroup{8, 296, 281, 97};
constexpr QRect SourcePrice{8, 32, 202, 13};
constexpr QRect BuySourceButton{56, 56, 169, 25};
constexpr QRect OkButton{215, 404, 75, 25};
} // namespace place

const QColor Navy(0x00, 0x00, 0x80);

// A panel with a lowered outer and a raised inner bevel, one pixel each, so
// the block of name and addresses looks set into the dialog.
class BevelPanel : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QRect outer = rect();
        qDrawShadePanel(&painter, outer, palette(), /*sunken=*/true, 1);
        qDrawShadePanel(&painter, outer.adjusted(1, 1, -1, -1), palette(), /*sunken=*/false, 1);
    }
};

// A control at its place, named as tests find it.
template <typename Control>
Control* placed(Control* control, const char* name, const QRect& where) {
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(where);
    return control;
}

// A one-line label at its place. Like an auto-sized label it grows to the right
// when its text needs more room in our font than the place gives.
template <typename Label = QLabel>
Label* placeLabel(QWidget* parent, const char* name, const QString& caption, const QRect& where) {
    auto* label = new Label(caption, parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QRect geometry = where;
    geometry.setWidth(std::max(where.width(), label->fontMetrics().horizontalAdvance(caption)));
    return placed(label, name, geometry);
}

// The program's icon, drawn sharp for the screen's pixel ratio. Without a
// drawing the place stays empty.
QPixmap programIcon(const QSize& size, qreal ratio) {
    const QString path = QStringLiteral(":/icons/ProgramIcon.svg");
    if (!QFile::exists(path)) return {};
    QSvgRenderer renderer(path);
    if (!renderer.isValid()) return {};
    QPixmap pixmap(size * ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace

AboutDialog::AboutDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(QStringLiteral("About"));
    setFont(SansFont());
    setFixedSize(place::Client);

    NamePanel = placed(new BevelPanel(this), "NamePanel", place::NamePanel);
    ProgramIcon = placed(new QLabel(NamePanel), "ProgramIcon", place::ProgramIcon);
    ProgramIcon->setPixmap(programIcon(place::ProgramIcon.size(), devicePixelRatioF()));
    ProductName = placed(new QLabel(QStringLiteral("Kubatrix"), NamePanel), "ProductName",
                         place::ProductName);
    ProductName->setFont(SerifFont(18, true));
    QPalette navy = ProductName->palette();
    navy.setColor(QPalette::WindowText, Navy);
    ProductName->setPalette(navy);
    ProductName->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Version = placeLabel(NamePanel, "Version", QStringLiteral("Version " KUBATRIX_VERSION), place::Version);
    Notice = placeLabel(NamePanel, "Notice",
                        QStringLiteral("\u00A9 ORVEL Design. All rights reserved."), place::Notice);
    HomePageCaption = placeLabel(NamePanel, "HomePageCaption", QStringLiteral("Home page:"),
                                 place::HomePageCaption);
    HomePageLink = placeLabel<LinkLabel>(NamePanel, "HomePageLink",
                                         QString::fromLatin1(HomePageAddress), place::HomePageLink);
    HomePageLink->setCursor(Qt::PointingHandCursor);
    SupportCaption =
        placeLabel(NamePanel, "SupportCaption", QStringLiteral("Support:"), place::SupportCaption);
    SupportLink = placeLabel<LinkLabel>(
        NamePanel, "SupportLink", QString::fromLatin1(SupportMailAddress), place::SupportLink);

    ThanksGroup = placed(new QGroupBox(this), "ThanksGroup", place::ThanksGroup);
    ThanksText = placed(
        new QLabel(QStringLiteral("If you like our program, you can thank the authors. The small "
                                  "sum (9.95$) will help to develop this program. Click here"),
                   ThanksGroup),
        "ThanksText", place::ThanksText);
    ThanksText->setWordWrap(true);
    ThanksText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ThankYouButton = placed(new QPushButton(QStringLiteral("Thank you"), ThanksGroup),
                            "ThankYouButton", place::ThankYouButton);

    SourceGroup =
        placed(new QGroupBox(QStringLiteral("Source"), this), "SourceGroup", place::SourceGroup);
    SourcePrice =
        placeLabel(SourceGroup, "SourcePrice",
                   QStringLiteral("The source code costs only 50 dollars."), place::SourcePrice);
    BuySourceButton = placed(new QPushButton(QStringLiteral("Buy a sourse code"), SourceGroup),
                             "BuySourceButton", place::BuySourceButton);

    OkButton = placed(new QPushButton(QStringLiteral("OK"), this), "OkButton", place::OkButton);
    OkButton->setDefault(true);

    // Names and descriptions for screen readers; nothing here shows on screen.
    ProgramIcon->setAccessibleName(QStringLiteral("Kubatrix icon"));
    ProgramIcon->setAccessibleDescription(
        QStringLiteral("A square, a circle sector and a cone, overlapping"));
    ThanksGroup->setAccessibleName(QStringLiteral("Thank you"));
    HomePageLink->setAccessibleDescription(
        QStringLiteral("Opens the maker's home page in the web browser"));
    SupportLink->setAccessibleDescription(
        QStringLiteral("Writes a new message to support in the mail program"));
    ThankYouButton->setAccessibleDescription(
        QStringLiteral("Opens the payment page for a thank-you of 9.95 dollars"));
    BuySourceButton->setAccessibleDescription(
        QStringLiteral("Opens the payment page for the source code, 50 dollars"));
    OkButton->setAccessibleDescription(QStringLiteral("Closes this window"));

    setTabOrder(OkButton, BuySourceButton);
    setTabOrder(BuySourceButton, ThankYouButton);
    OkButton->setFocus();

    connect(HomePageLink, &LinkLabel::clicked, this, &AboutDialog::OpenHomePage);
    connect(SupportLink, &LinkLabel::clicked, this, &AboutDialog::WriteToSupport);
    connect(BuySourceButton, &QPushButton::clicked, this, &AboutDialog::BuySource);
    connect(ThankYouButton, &QPushButton::clicked, this, &AboutDialog::SayThanks);
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutDialog::OpenHomePage() {
    OpenAddress(HomePageUrl());
}

void AboutDialog::WriteToSupport() {
    OpenAddress(SupportMailUrl());
}

void AboutDialog::BuySource() {
    OpenAddress(CheckoutUrl(SourceCodeProductId));
}

void AboutDialog::SayThanks() {
    OpenAddress(CheckoutUrl(ThankYouProductId));
}

void AboutDialog::showEvent(QShowEvent* event) {
    // Centred on the screen rather than over the main window.
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}

} // namespace ui
