#pragma once
#include <QAbstractSpinBox>

namespace ui {

// The quantity box. Unlike QSpinBox it never cuts what is typed ("5000" stays
// until the box is left): it refuses with a beep any key that cannot be part
// of a number, steps and clamps with its arrows, and on leaving rewrites a
// text that is out of bounds, or no whole number, to the number it counts as.
class SpinEdit : public QAbstractSpinBox {
    Q_OBJECT
public:
    static constexpr int Minimum = 1;
    static constexpr int Maximum = 1000;

    explicit SpinEdit(QWidget* parent = nullptr);

    // The count the text stands for: clamped to the bounds, 1 for a text
    // that is no whole number.
    int value() const;
    void setValue(int value);

    void stepBy(int steps) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    QValidator::State validate(QString& input, int& pos) const override;
    StepEnabled stepEnabled() const override;

private:
    bool acceptsKey(const QKeyEvent* event) const;
};

} // namespace ui
