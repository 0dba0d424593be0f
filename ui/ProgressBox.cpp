#include "ui/ProgressBox.h"

#include <QCoreApplication>

#include <algorithm>

namespace ui {

ProgressBox::ProgressBox(QWidget* parent, const QString& what)
    : dialog_(what, QStringLiteral("Cancel"), 0, Steps, parent) {
    dialog_.setObjectName(QStringLiteral("ProgressBox"));
    dialog_.setWindowModality(Qt::ApplicationModal);
    dialog_.setMinimumDuration(500);
    dialog_.setAutoReset(false);
}

bool ProgressBox::Show(double part) {
    dialog_.setValue(int(std::min(1.0, part) * Steps));
    // setValue does not while the value stays; a click has no place before
    // the dialog is there to take it.
    QCoreApplication::processEvents(dialog_.isVisible() ? QEventLoop::AllEvents
                                                        : QEventLoop::ExcludeUserInputEvents);
    return !dialog_.wasCanceled();
}

} // namespace ui
