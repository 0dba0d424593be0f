// picturesheet: one PNG showing every built-in picture at 1x and 2x, with its
// name underneath, followed by the two icons at the sizes the desktop asks
// for. It is how the drawings are reviewed without clicking through every
// type in the window.
//
//   QT_QPA_PLATFORM=offscreen picturesheet out.png
#include "ui/ShapePicture.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

#include <algorithm>

namespace {

constexpr int Gap = 12;
constexpr int Caption = 18;
constexpr int Columns = 2;

// One name: the 1x picture, then the 2x one drawn pixel for pixel, so the
// sheet shows exactly what a high-density screen gets.
constexpr int CellWidth = ui::PictureWidth + Gap + 2 * ui::PictureWidth;
constexpr int CellHeight = 2 * ui::PictureHeight + Caption;

QStringList pictureNames() {
    QStringList names;
    const QDir dir(QStringLiteral(":/pictures"));
    for (const QString& file : dir.entryList({QStringLiteral("*.svg")}, QDir::Files, QDir::Name))
        names << file.chopped(4);
    return names;
}

QImage deviceImage(const QPixmap& pixmap) {
    QImage image = pixmap.toImage();
    image.setDevicePixelRatio(1.0);
    return image;
}

void drawCaption(QPainter& painter, const QRect& box, const QString& text) {
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop, text);
}

void drawPictureCell(QPainter& painter, const QPoint& at, const QString& name) {
    const QImage one = deviceImage(ui::ShapePicture(name, 1.0));
    const QImage two = deviceImage(ui::ShapePicture(name, 2.0));
    painter.drawImage(at, one);
    drawCaption(painter, QRect(at.x(), at.y() + one.height() + 2, one.width(), Caption),
                name + QStringLiteral(" 1x"));
    const QPoint twoAt(at.x() + ui::PictureWidth + Gap, at.y());
    painter.drawImage(twoAt, two);
    drawCaption(painter, QRect(twoAt.x(), twoAt.y() + two.height() + 2, two.width(), Caption),
                name + QStringLiteral(" 2x"));
}

// The icons, each at the sizes it is shown at, on the grey of a window.
void drawIconRow(QPainter& painter, const QPoint& at) {
    struct Icon {
        QString file;
        QList<int> sizes;
    };
    const QList<Icon> icons = {
        {QStringLiteral(":/icons/kubatrix.svg"), {16, 32, 48, 256}},
        {QStringLiteral(":/icons/ProgramIcon.svg"), {70, 140}},
    };
    int x = at.x();
    for (const Icon& icon : icons) {
        QSvgRenderer renderer(icon.file);
        for (int size : icon.sizes) {
            const int cell = std::max(size, 100);
            const QRect box(x + (cell - size) / 2, at.y(), size, size);
            painter.fillRect(box.adjusted(-2, -2, 2, 2), QColor(0xC0, 0xC0, 0xC0));
            renderer.render(&painter, box);
            drawCaption(painter, QRect(x, at.y() + size + 4, cell, Caption),
                        QFileInfo(icon.file).baseName() + QLatin1Char(' ') + QString::number(size));
            x += cell + Gap;
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: picturesheet OUTPUT.png\n";
        return 2;
    }
    // It only paints into an image: no display needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList names = pictureNames();
    const int rows = (int(names.size()) + Columns - 1) / Columns;
    const int iconRowHeight = 256 + 4 + Caption;
    QImage sheet(Gap + Columns * (CellWidth + Gap),
                 Gap + rows * (CellHeight + Gap) + iconRowHeight + Gap, QImage::Format_RGB32);
    sheet.fill(Qt::white);

    QPainter painter(&sheet);
    QFont font = painter.font();
    font.setPixelSize(12);
    painter.setFont(font);
    for (int i = 0; i < names.size(); ++i) {
        const QPoint at(Gap + (i % Columns) * (CellWidth + Gap),
                        Gap + (i / Columns) * (CellHeight + Gap));
        drawPictureCell(painter, at, names[i]);
    }
    drawIconRow(painter, QPoint(Gap, Gap + rows * (CellHeight + Gap)));
    painter.end();

    const QString out = QString::fromLocal8Bit(argv[1]);
    if (!sheet.save(out)) {
        err << "picturesheet: cannot write " << out << '\n';
        return 1;
    }
    QTextStream(stdout) << names.size() << " pictures written to " << out << '\n';
    return 0;
}
