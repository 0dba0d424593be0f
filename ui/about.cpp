#include "ui/about.h"

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

namespace {

// The dialog is laid out in pixels, each place relative to its parent.
namespace place {
constexpr QSize Client{296, 434};
constexpr QRect Panel1{8, 8, 281, 169};
constexpr QRect ProgramIcon{8, 8, 70, 70};
constexpr QRect ProductName{88, 16, 173, 17};
constexpr QRect Version{88, 40, 53, 13};
constexpr QRect Copyright{24, 88, 222, 13};
constexpr QRect Label1{32, 112, 58, 13};
constexpr QRect Label38{111, 112, 138, 13};
constexpr QRect Label2{32, 136, 40, 13};
constexpr QRect Label3{112, 136, 126, 13};
constexpr QRect GroupBox2{8, 184, 281, 105};
constexpr QRect Label6{8, 16, 263, 39};
constexpr QRect Button2{56, 64, 169, 25};
constexpr QRect GroupBox1{8, 296, 281, 97};
constexpr QRect Label8{8, 32, 202, 13};
constexpr QRect Button1{56, 56, 169, 25};
constexpr QRect OKButton{215, 404, 75, 25};
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

// A one-line label at its place. Like an auto-sized label it grows to the right
// when its text needs more room in our font than the place gives.
template <typename Label = QLabel>
Label* placeLabel(QWidget* parent, const char* name, const QString& caption, const QRect& where) {
    auto* label = new Label(caption, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QRect geometry = where;
    geometry.setWidth(std::max(where.width(), label->fontMetrics().horizontalAdvance(caption)));
    label->setGeometry(geometry);
    return label;
}

QPushButton* placeButton(QWidget* parent, const char* name, const QString& caption,
                         const QRect& where) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(where);
    return button;
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

TAboutBox::TAboutBox(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About"));
    setFont(ui::SansFont());
    setFixedSize(place::Client);

    createPanel();
    createThankYouGroup();
    createSourceGroup();

    OKButton = placeButton(this, "OKButton", QStringLiteral("OK"), place::OKButton);
    OKButton->setDefault(true);

    // Names and descriptions for screen readers; nothing here shows on screen.
    ProgramIcon->setAccessibleName(QStringLiteral("Kubatrix icon"));
    ProgramIcon->setAccessibleDescription(
        QStringLiteral("A square, a circle sector and a cone, overlapping"));
    GroupBox2->setAccessibleName(QStringLiteral("Thank you"));
    Label38->setAccessibleDescription(
        QStringLiteral("Opens the maker's home page in the web browser"));
    Label3->setAccessibleDescription(
        QStringLiteral("Writes a new message to support in the mail program"));
    Button2->setAccessibleDescription(
        QStringLiteral("Opens the payment page for a thank-you of 9.95 dollars"));
    Button1->setAccessibleDescription(
        QStringLiteral("Opens the payment page for the source code, 50 dollars"));
    OKButton->setAccessibleDescription(QStringLiteral("Closes this window"));

    setTabOrder(OKButton, Button1);
    setTabOrder(Button1, Button2);
    OKButton->setFocus();

    connectHandlers();
}

void TAboutBox::createPanel() {
    Panel1 = new BevelPanel(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(place::Panel1);

    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setGeometry(place::ProgramIcon);
    ProgramIcon->setPixmap(programIcon(place::ProgramIcon.size(), devicePixelRatioF()));

    ProductName = new QLabel(QStringLiteral("Kubatrix"), Panel1);
    ProductName->setObjectName(QStringLiteral("ProductName"));
    ProductName->setFont(ui::SerifFont(18, true));
    QPalette navy = ProductName->palette();
    navy.setColor(QPalette::WindowText, Navy);
    ProductName->setPalette(navy);
    ProductName->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    ProductName->setGeometry(place::ProductName);

    Version = placeLabel(Panel1, "Version", QStringLiteral("Version 3.1"), place::Version);
    Copyright =
        placeLabel(Panel1, "Copyright", QStringLiteral("\u00A9 ORVEL Design. All rights reserved."),
                   place::Copyright);
    Label1 = placeLabel(Panel1, "Label1", QStringLiteral("Home page:"), place::Label1);
    Label38 = placeLabel<ui::LinkLabel>(Panel1, "Label38", QString::fromLatin1(ui::HomePageAddress),
                                        place::Label38);
    Label38->setHandCursor(true);
    Label2 = placeLabel(Panel1, "Label2", QStringLiteral("Support:"), place::Label2);
    Label3 = placeLabel<ui::LinkLabel>(Panel1, "Label3",
                                       QString::fromLatin1(ui::SupportMailAddress), place::Label3);
    Label3->setHandCursor(false);
}

void TAboutBox::createThankYouGroup() {
    GroupBox2 = new QGroupBox(this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    GroupBox2->setGeometry(place::GroupBox2);

    Label6 = new QLabel(
        QStringLiteral("If you like our program, you can thank the authors. The small sum "
                       "(9.95$) will help to develop this program. Click here"),
        GroupBox2);
    Label6->setObjectName(QStringLiteral("Label6"));
    Label6->setWordWrap(true);
    Label6->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label6->setGeometry(place::Label6);

    Button2 = placeButton(GroupBox2, "Button2", QStringLiteral("Thank you"), place::Button2);
}

void TAboutBox::createSourceGroup() {
    GroupBox1 = new QGroupBox(QStringLiteral("Source"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(place::GroupBox1);

    Label8 = placeLabel(GroupBox1, "Label8",
                        QStringLiteral("The source code costs only 50 dollars."), place::Label8);
    Button1 =
        placeButton(GroupBox1, "Button1", QStringLiteral("Buy a sourse code"), place::Button1);
}

void TAboutBox::connectHandlers() {
    connect(Label38, &ui::LinkLabel::clicked, this, &TAboutBox::Label38Click);
    connect(Label3, &ui::LinkLabel::clicked, this, &TAboutBox::Label3Click);
    connect(Button1, &QPushButton::clicked, this, &TAboutBox::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TAboutBox::Button2Click);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TAboutBox::Label38Click() {
    ui::OpenAddress(ui::HomePageUrl());
}

void TAboutBox::Label3Click() {
    ui::OpenAddress(ui::SupportMailUrl());
}

void TAboutBox::Button1Click() {
    ui::OpenAddress(ui::CheckoutUrl(ui::SourceCodeProductId));
}

void TAboutBox::Button2Click() {
    ui::OpenAddress(ui::CheckoutUrl(ui::ThankYouProductId));
}

void TAboutBox::showEvent(QShowEvent* event) {
    // Centred on the screen rather than over the main window.
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
    QDialog::showEvent(event);
}
