#include "ui/ShapePicture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <memory>
#include <unordered_map>

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

const QString PictureFolder = QStringLiteral(":/pictures");

QString resourcePath(const QString& name) {
    return QStringLiteral("%1/%2.svg").arg(PictureFolder, name);
}

// What is kept: each drawing read once, and each picture drawn once per
// pixel ratio. Both belong to the GUI application: they go with it rather
// than at static destruction, after it has gone.
struct Store {
    std::unordered_map<QString, std::unique_ptr<QSvgRenderer>> Drawings;
    QHash<QString, QPixmap> Pictures; // by name@ratio
};

Store& store() {
    static Store kept;
    static const bool cleared = [] {
        qAddPostRoutine([] {
            kept.Pictures.clear();
            kept.Drawings.clear();
        });
        return true;
    }();
    Q_UNUSED(cleared);
    return kept;
}

QSvgRenderer& drawing(const QString& name) {
    std::unique_ptr<QSvgRenderer>& read = store().Drawings[name];
    if (!read) read = std::make_unique<QSvgRenderer>(resourcePath(name));
    return *read;
}

QPixmap render(QSvgRenderer& drawing, qreal ratio) {
    QPixmap pixmap(qRound(PictureWidth * ratio), qRound(PictureHeight * ratio));
    pixmap.fill(Qt::white); // opaque, so drawing it is a plain copy
    QPainter painter(&pixmap);
    drawing.render(&painter, QRectF(0, 0, pixmap.width(), pixmap.height()));
    painter.end();
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace

bool HasShapePicture(const QString& name) {
    return isPlainName(name) && QFile::exists(resourcePath(name));
}

QPixmap ShapePicture(const QString& name, qreal devicePixelRatio) {
    const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    const QString drawn = HasShapePicture(name) ? name : QStringLiteral("ZERO");
    const QString key = drawn + QLatin1Char('@') + QString::number(ratio);
    QHash<QString, QPixmap>& pictures = store().Pictures;
    auto it = pictures.find(key);
    if (it == pictures.end()) it = pictures.insert(key, render(drawing(drawn), ratio));
    return *it;
}

void PrepareShapePictures() {
    static bool prepared = false;
    if (prepared) return;
    prepared = true;
    const QStringList files = QDir(PictureFolder).entryList({QStringLiteral("*.svg")});
    for (const QString& file : files) drawing(file.chopped(4));
    // Letters are drawn with a font loaded on first use; a picture with
    // letters, drawn into one pixel, loads it.
    QImage spot(1, 1, QImage::Format_RGB32);
    QPainter painter(&spot);
    drawing(QStringLiteral("P001")).render(&painter, QRectF(0, 0, PictureWidth, PictureHeight));
}

} // namespace ui
