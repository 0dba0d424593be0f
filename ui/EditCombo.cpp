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
    connect(lineEdit(), &QLineEdit::textEdited, this, &EditCombo::userChanged);
    connect(this, &QComboBox::textActivated, this, &EditCombo::userChanged);
}

} // namespace ui
