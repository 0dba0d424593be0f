#include "ui/EditCombo.h"

#include <QLineEdit>

namespace ui {

EditCombo::EditCombo(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setCompleter(nullptr);
    setInsertPolicy(QComboBox::NoInsert);
    // With duplicates allowed, Enter does not look the text up among the
    // items, so it can never swap a typed "cylinder" for "Cylinder".
    setDuplicatesEnabled(true);
    setMaxVisibleItems(21);
    // QComboBox looks a typed text up among the items when editing finishes
    // (Enter, or leaving the box) and "activates" the match: the handler
    // would run a second time for a name already typed, even while the
    // window is being destroyed. The handlers already ran on the keystroke.
    disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
    connect(lineEdit(), &QLineEdit::textEdited, this, &EditCombo::userChanged);
    connect(this, &QComboBox::textActivated, this, &EditCombo::userChanged);
}

void EditCombo::setText(const QString& text) {
    setCurrentIndex(findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive)); // -1: none
    setEditText(text);
}

} // namespace ui
