#include "ui/LinkLabel.h"

#include <QMouseEvent>

namespace ui {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    // Only the underline is set here, so face and size still follow the
    // parent's font, as every other label's do.
    QFont underlined;
    underlined.setUnderline(true);
    setFont(underlined);

    QPalette blue = palette();
    blue.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0xFF));
    setPalette(blue);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressed_ = true;
        event->accept();
        return;
    }
    QLabel::mousePressEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && pressed_) {
        pressed_ = false;
        event->accept();
        // Dragging off the label before letting go cancels the click, as on a button.
        if (rect().contains(event->position().toPoint())) emit clicked();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

} // namespace ui
