#include "Windows.h"

#include "ui/Document.h"
#include "ui/MainWindow.h"
#include "ui/SectionsWindow.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "ui/EditCombo.h"
#include "ui/SpinEdit.h"

#include <stdexcept>

namespace bench {
namespace {

// Notes the first paint of a window.
class PaintSpy : public QObject {
public:
    bool Painted = false;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) Painted = true;
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int WidgetCount(const QWidget& window) {
    return int(window.findChildren<QWidget*>().size()) + 1;
}

std::unique_ptr<QWidget> MainWindow() {
    return std::make_unique<ui::MainWindow>();
}

std::unique_ptr<QWidget> BareWindow(int widgets) {
    auto window = std::make_unique<QWidget>();
    window->setFixedSize(662, 453);
    for (int i = 1; i < widgets; ++i) {
        auto* w = new QWidget(window.get());
        w->setGeometry((i % 20) * 32, (i / 20) * 24, 30, 22);
    }
    return window;
}

PlainPlan PlanOf(const QWidget& window) {
    PlainPlan plan;
    std::vector<const QWidget*> named;
    const auto indexOf = [&](const QWidget* w) {
        for (; w && w != &window; w = w->parentWidget())
            for (std::size_t i = 0; i < named.size(); ++i)
                if (named[i] == w) return int(i);
        return -1;
    };
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (w->objectName().isEmpty()) continue; // a part of a control, built with it
        PlainControl::Kind kind = PlainControl::Widget;
        if (qobject_cast<const ui::EditCombo*>(w))
            kind = PlainControl::Combo;
        else if (qobject_cast<const ui::SpinEdit*>(w))
            kind = PlainControl::Spin;
        else if (qobject_cast<const QPushButton*>(w))
            kind = PlainControl::Button;
        else if (qobject_cast<const QLineEdit*>(w))
            kind = PlainControl::Edit;
        else if (qobject_cast<const QGroupBox*>(w))
            kind = PlainControl::Group;
        else if (qobject_cast<const QLabel*>(w))
            kind = PlainControl::Label;
        plan.push_back({kind, indexOf(w->parentWidget()), w->geometry()});
        named.push_back(w);
    }
    return plan;
}

std::unique_ptr<QWidget> PlainControlsWindow(const PlainPlan& plan) {
    auto window = std::make_unique<QWidget>();
    window->setFixedSize(662, 453);
    std::vector<QWidget*> built;
    for (const PlainControl& c : plan) {
        QWidget* parent = c.Parent < 0 ? window.get() : built[std::size_t(c.Parent)];
        QWidget* w = nullptr;
        switch (c.What) {
        case PlainControl::Label:
            w = new QLabel(parent);
            break;
        case PlainControl::Edit:
            w = new QLineEdit(parent);
            break;
        case PlainControl::Spin:
            w = new QSpinBox(parent);
            break;
        case PlainControl::Button:
            w = new QPushButton(parent);
            break;
        case PlainControl::Group:
            w = new QGroupBox(parent);
            break;
        case PlainControl::Combo: {
            auto* combo = new QComboBox(parent);
            combo->setEditable(true);
            w = combo;
            break;
        }
        case PlainControl::Widget:
            w = new QWidget(parent);
            break;
        }
        w->setGeometry(c.Geometry);
        built.push_back(w);
    }
    return window;
}

std::string Written(const PlainPlan& plan) {
    std::string text;
    for (const PlainControl& c : plan) {
        const QRect& g = c.Geometry;
        text += std::to_string(int(c.What)) + ',' + std::to_string(c.Parent) + ',' +
                std::to_string(g.x()) + ',' + std::to_string(g.y()) + ',' +
                std::to_string(g.width()) + ',' + std::to_string(g.height()) + ';';
    }
    return text;
}

PlainPlan Read(const std::string& text) {
    PlainPlan plan;
    std::size_t at = 0;
    const auto number = [&] {
        std::size_t used = 0;
        const int value = std::stoi(text.substr(at), &used);
        at += used + 1; // and the ',' or ';' after it
        return value;
    };
    while (at < text.size()) {
        const auto kind = static_cast<PlainControl::Kind>(number());
        const int parent = number();
        const int x = number(), y = number(), w = number(), h = number();
        plan.push_back({kind, parent, QRect(x, y, w, h)});
    }
    return plan;
}

double SectionsWindowFirstOpenMs() {
    ui::MainWindow form;
    ShowAndPaint(form);
    Settle();
    QElapsedTimer timer;
    timer.start();
    // As the document builds it; a child of the form, gone with it.
    auto* sections = new ui::SectionsWindow(form.Document(), &form);
    ShowAndPaint(*sections);
    return double(timer.nsecsElapsed()) / 1e6;
}

void ShowAndPaint(QWidget& window) {
    PaintSpy spy;
    window.installEventFilter(&spy);
    window.show();
    QElapsedTimer waited;
    waited.start();
    while (!spy.Painted) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (waited.elapsed() > 10000) throw std::runtime_error("the window was never painted");
    }
    window.removeEventFilter(&spy);
}

void Settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

long PeakResidentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').front().toLong();
    return -1;
}

} // namespace bench
