#pragma once
// A label that reads and behaves like a hyperlink: blue, underlined, and
// clicked() on a left-button click. The owner decides what a click opens.
#include <QLabel>

class QMouseEvent;

namespace ui {

class LinkLabel : public QLabel {
    Q_OBJECT

public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

signals:
    // Left button pressed and released inside the label.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace ui
