#pragma once
#include <QComboBox>

namespace ui {

// An editable drop-down list as the window's handlers expect it: the user picks
// an item or types any text; nothing is completed or inserted, and
// userChanged() comes on every pick and every keystroke that changes the
// text, never when the program sets it.
class EditCombo : public QComboBox {
    Q_OBJECT
public:
    explicit EditCombo(QWidget* parent = nullptr);

    QString text() const { return currentText(); }
    // Sets the text without a change signal. A text that is an item also
    // becomes the current item, so the arrow keys go on from it; any other
    // text ("Choose Type") leaves no item current, so Down picks the first.
    void setText(const QString& text);

signals:
    void userChanged();
};

} // namespace ui
