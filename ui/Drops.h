#pragma once
// Drops on a window. A parts list (one local .csv file) dropped anywhere on
// it opens as Open opens it, whichever control it lands on; a text field
// never takes a file's address as text (a density of "7874file:///…").
// Text dragged from elsewhere still drops into a text field.
class QWidget;

namespace ui {

class Document;

// Takes the drops of `window` and of every control it has now.
void OpenDroppedLists(QWidget* window, Document& document);

} // namespace ui
