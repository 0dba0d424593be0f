#pragma once
// The two windows the start-up is measured on: the real main window, and a
// bare one of the same size with as many plain widgets, the least any window
// of that many widgets costs.
#include <QWidget>

#include <QRect>

#include <memory>
#include <string>
#include <vector>

namespace bench {

// Every widget in the real window, the window itself included.
int WidgetCount(const QWidget& window);

std::unique_ptr<QWidget> MainWindow();
std::unique_ptr<QWidget> BareWindow(int widgets);

// For comparison only: the main window's controls as plain Qt builds them,
// the same classes in the same places (an editable QComboBox for each box, a
// QSpinBox for each quantity) with no texts, items, fonts or pictures.
struct PlainControl {
    enum Kind { Widget, Label, Edit, Combo, Spin, Button, Group } What;
    int Parent; // index into the plan, -1 for the window
    QRect Geometry;
};
using PlainPlan = std::vector<PlainControl>;
PlainPlan PlanOf(const QWidget& window);
std::unique_ptr<QWidget> PlainControlsWindow(const PlainPlan& plan);

// A plan as one line of text and back, to hand it to a child process.
std::string Written(const PlainPlan& plan);
PlainPlan Read(const std::string& text);

// The Sections window opened for the first time beside a painted main
// window, until its first frame: the sections read, searched and drawn.
// Milliseconds; meant for a fresh process, where nothing of them is read yet.
double SectionsWindowFirstOpenMs();

// Shows the window and runs the event loop until its first frame is painted.
void ShowAndPaint(QWidget& window);

// Runs posted events (repaints) until none are left.
void Settle();

// Peak resident memory of this process so far, kilobytes (VmHWM).
long PeakResidentKilobytes();

} // namespace bench
