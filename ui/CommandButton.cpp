#include "ui/CommandButton.h"

#include "ui/Named.h"

#include <QAction>
#include <QBoxLayout>
#include <QKeySequence>
#include <QToolButton>

namespace ui {

QToolButton* CommandButton(QWidget* window, QBoxLayout* row, const char* name,
                           const QString& caption, const QString& description,
                           const QKeySequence& keys) {
    auto* action = new QAction(caption, window);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(keys);
    action->setToolTip(
        QStringLiteral("%1 (%2)").arg(description, keys.toString(QKeySequence::NativeText)));
    window->addAction(action);
    const QByteArray buttonName = QString::fromLatin1(name)
                                      .replace(QStringLiteral("Action"), QStringLiteral("Button"))
                                      .toLatin1();
    auto* button = Named(new QToolButton(window), buttonName.constData(),
                         caption.chopped(caption.endsWith(u'…') ? 1 : 0), description);
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    row->addWidget(button);
    return button;
}

} // namespace ui
