#include "ui/ShapePicture.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

namespace ui {
namespace {

// Picture names are plain words ("P001", "ZERO"); anything else, a path in
// particular, must not reach into the rest of the resources.
bool isPlainName(const QString& name) {
    if (name.isEmpty()) return false;
    for (const QChar c : name)
        if (!(c.isLetterOrNumber() && c.unicode() < 128)) return false;
    return true;
}

QString resourcePath(const QString& name) {
    return QStringLiteral(":/pictures/%1.svg").arg(name);
}

QPixmap render(const QString& path, qreal ratio) {
    QPixmap pixmap(qRound(PictureWidth * ratio), qRound(PictureHeight * ratio));
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(path);
    QPainter painter(&pixmap);
    renderer.render(&painter, QRectF(0, 0, pixmap.width(), pixmap.height()));
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

using Cache = QHash<QString, QPixmap>;

Cache& cache() {
    static Cache pictures;
    static const bool cleared = [] {
        // Pixmaps belong to the GUI application: let them go with it rather
        // than at static destruction, after it has gone.
        qAddPostRoutine([] { pictures.clear(); });
        return true;
    }();
    Q_UNUSED(cleared);
    return pictures;
}

} // namespace

bool HasShapePicture(const QString& name) {
    return isPlainName(name) && QFile::exists(resourcePath(name));
}

QPixmap ShapePicture(const QString& name, qreal devicePixelRatio) {
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    const QString drawn = HasShapePicture(name) ? name : QStringLiteral("ZERO");
    const QString key = drawn + QLatin1Char('@') + QString::number(ratio);
    Cache& pictures = cache();
    auto it = pictures.find(key);
    if (it == pictures.end()) it = pictures.insert(key, render(resourcePath(drawn), ratio));
    return *it;
}

} // namespace ui
