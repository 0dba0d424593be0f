#include "ui/HelpWindow.h"

#include "ui/ErrorBox.h"

#include <QHBoxLayout>
#include <QShortcut>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

namespace ui {

QPointer<HelpWindow> HelpWindow::instance_;

namespace {
const QString HelpTitle = QStringLiteral("Kubatrix " KUBATRIX_VERSION " Help");
} // namespace

void HelpWindow::ShowContents(QWidget* owner) {
    ShowPage(owner, ContentsUrl());
}

void HelpWindow::ShowPage(QWidget* owner, const QUrl& page) {
    if (!instance_) instance_ = new HelpWindow(owner);
    HelpWindow* window = instance_;
    window->browser_->setSource(page);
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

void HelpWindow::ShowOnF1(QWidget* window, const QUrl& page) {
    connect(new QShortcut(QKeySequence(Qt::Key_F1), window), &QShortcut::activated, window,
            [window, page] { Guarded(window, [&] { ShowPage(window, page); }); });
}

HelpWindow* HelpWindow::Instance() {
    return instance_;
}

QUrl HelpWindow::ContentsUrl() {
    return QUrl(QStringLiteral("qrc:/help/index.html"));
}

HelpWindow::HelpWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(HelpTitle);
    resize(640, 560);

    const auto makeButton = [this](const char* name, const QString& caption,
                                   QStyle::StandardPixmap icon) {
        auto* button = new QToolButton(this);
        button->setObjectName(QString::fromLatin1(name));
        button->setText(caption);
        button->setIcon(style()->standardIcon(icon));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setAutoRaise(true);
        return button;
    };
    back_ = makeButton("BackButton", QStringLiteral("Back"), QStyle::SP_ArrowBack);
    forward_ = makeButton("ForwardButton", QStringLiteral("Forward"), QStyle::SP_ArrowForward);
    contents_ = makeButton("ContentsButton", QStringLiteral("Contents"), QStyle::SP_DirHomeIcon);
    back_->setEnabled(false);
    forward_->setEnabled(false);

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    // A page may point at the maker's site; that one goes to the web browser.
    browser_->setOpenExternalLinks(true);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contents_);
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);

    connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    connect(contents_, &QToolButton::clicked, this, [this] { browser_->setSource(ContentsUrl()); });
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
    connect(browser_, &QTextBrowser::sourceChanged, this, &HelpWindow::updateTitle);
}

void HelpWindow::updateTitle() {
    const QString page = browser_->documentTitle();
    setWindowTitle(page.isEmpty() ? HelpTitle : HelpTitle + QStringLiteral(" - ") + page);
}

} // namespace ui
