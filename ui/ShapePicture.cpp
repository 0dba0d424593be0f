#include "ui/ShapePicture.h"

#include <QFile>
#include <QHash>
#include <QPainter>
#include <QSvgRenderer>

namespace ui {
namespace {

QString resourcePath(const QString& name) {
    return QStringLiteral(":/pictures/%1.svg").arg(name);
}

QPixmap render(const QString& path, qreal ratio) {
    QPixmap pixmap(qRound(PictureWidth * ratio), qRound(PictureHeight * ratio));
    pixmap.fill(Qt::transparent);
    QSvgRenderer renderer(path);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace

bool HasShapePicture(const QString& name) {
    return QFile::exists(resourcePath(name));
}

QPixmap ShapePicture(const QString& name, qreal devicePixelRatio) {
    static QHash<QString, QPixmap> cache;
    const QString drawn = HasShapePicture(name) ? name : QStringLiteral("ZERO");
    const QString key = drawn + QLatin1Char('@') + QString::number(devicePixelRatio);
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.insert(key, render(resourcePath(drawn), devicePixelRatio));
    return *it;
}

} // namespace ui
