#include "ui/Drops.h"

#include "ui/Document.h"
#include "ui/ErrorBox.h"

#include <QDropEvent>
#include <QMimeData>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace ui {
namespace {

// The one local .csv file a drag carries, or nothing: a parts list to open.
QString DroppedPartsList(const QMimeData* data) {
    if (!data || data->urls().size() != 1 || !data->urls().front().isLocalFile()) return {};
    const QString path = data->urls().front().toLocalFile();
    return path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive) ? path : QString();
}

// Sees every drag over the window and its controls before they do.
class DropTaker : public QObject {
public:
    DropTaker(QWidget* window, Document& document)
        : QObject(window), window_(window), document_(&document) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
            return QObject::eventFilter(watched, event);
        auto* drop = static_cast<QDropEvent*>(event); // a drag's enter and move are drops too
        const QString path = DroppedPartsList(drop->mimeData());
        if (path.isEmpty()) {
            if (!drop->mimeData()->hasUrls()) return false; // text: the control's own
            drop->ignore();
            return true;
        }
        drop->acceptProposedAction();
        // Opened after the drop is done, so that a question does not hold up
        // the program the file came from.
        if (type == QEvent::Drop)
            QTimer::singleShot(0, this, [this, path] {
                if (Document* document = document_)
                    Guarded(window_, [document, &path] { document->OpenDropped(path); });
            });
        return true;
    }

private:
    QWidget* window_;
    QPointer<Document> document_;
};

} // namespace

void OpenDroppedLists(QWidget* window, Document& document) {
    window->setAcceptDrops(true);
    auto* taker = new DropTaker(window, document);
    window->installEventFilter(taker);
    for (QWidget* control : window->findChildren<QWidget*>())
        control->installEventFilter(taker);
}

} // namespace ui
