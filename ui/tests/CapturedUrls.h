#pragma once
// Takes over the "https" and "mailto" addresses for a test, so that no test
// reaches a real browser or mail program, and keeps what was opened.
#include <QDesktopServices>
#include <QList>
#include <QObject>
#include <QUrl>

// Collects what would have gone to the browser or the mail program.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls.push_back(url); }
};

// Takes over "https" and "mailto" for its lifetime, so no test reaches a real desktop.
class CapturedUrls {
public:
    CapturedUrls() {
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher_, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher_, "open");
    }
    ~CapturedUrls() {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    }
    CapturedUrls(const CapturedUrls&) = delete;
    CapturedUrls& operator=(const CapturedUrls&) = delete;

    const QList<QUrl>& urls() const { return catcher_.urls; }

private:
    UrlCatcher catcher_;
};
