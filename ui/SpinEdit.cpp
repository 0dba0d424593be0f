#include "ui/SpinEdit.h"

#include "calc/ParseNumber.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>

namespace ui {

SpinEdit::SpinEdit(QWidget* parent) : QAbstractSpinBox(parent) {
    setButtonSymbols(QAbstractSpinBox::UpDownArrows);
    setAccelerated(false);
    setValue(Minimum);
}

int SpinEdit::value() const {
    return calc::ReadQuantity(text().toStdString(), Minimum, Maximum);
}

void SpinEdit::setValue(int value) {
    lineEdit()->setText(QString::number(std::clamp(value, Minimum, Maximum)));
}

void SpinEdit::stepBy(int steps) {
    setValue(value() + steps);
    selectAll();
}

QAbstractSpinBox::StepEnabled SpinEdit::stepEnabled() const {
    return StepUpEnabled | StepDownEnabled;
}

QValidator::State SpinEdit::validate(QString&, int&) const {
    return QValidator::Acceptable; // the key filter decides; the text stays as typed
}

bool SpinEdit::acceptsKey(const QKeyEvent* event) const {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) return false;
    const QString text = event->text();
    if (text.isEmpty() || !text.at(0).isPrint()) return true; // editing and moving keys
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return true;
    const QChar c = text.at(0);
    return c.isDigit() || c == QLatin1Char('+') || c == QLatin1Char('-') ||
           QLocale::system().decimalPoint() == QString(c);
}

void SpinEdit::keyPressEvent(QKeyEvent* event) {
    if (!acceptsKey(event)) {
        QApplication::beep();
        event->accept();
        return;
    }
    QAbstractSpinBox::keyPressEvent(event);
}

void SpinEdit::focusOutEvent(QFocusEvent* event) {
    const QString counted = QString::number(value());
    if (text() != counted) lineEdit()->setText(counted);
    QAbstractSpinBox::focusOutEvent(event);
}

} // namespace ui
