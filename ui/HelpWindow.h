#pragma once
// Kubatrix's help: pages built into the program (":/help/*.html") shown in a
// window of our own, since Linux has no help viewer that every desktop has.
// One window serves the whole run; "Help" brings it up at the contents page.
#include <QPointer>
#include <QUrl>
#include <QWidget>

class QTextBrowser;
class QToolButton;

namespace ui {

class HelpWindow : public QWidget {
    Q_OBJECT

public:
    // Creates the window on first use, then shows it, brings it to the front
    // and turns to the contents page. The owner keeps the window above it and
    // takes it along when it closes.
    static void ShowContents(QWidget* owner);
    // The same, at one page of the help.
    static void ShowPage(QWidget* owner, const QUrl& page);
    // F1 in `window` shows that page of the help.
    static void ShowOnF1(QWidget* window, const QUrl& page);

    // The one window, or nullptr before the first ShowContents (or after its
    // owner was destroyed).
    static HelpWindow* Instance();

    // "Help Topics", the page every visit starts from.
    static QUrl ContentsUrl();

private:
    explicit HelpWindow(QWidget* owner);
    void updateTitle();

    QTextBrowser* browser_ = nullptr;
    QToolButton* back_ = nullptr;
    QToolButton* forward_ = nullptr;
    QToolButton* contents_ = nullptr;

    static QPointer<HelpWindow> instance_;
};

} // namespace ui
