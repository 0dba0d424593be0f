#pragma once
// Long work in steps: a progress dialog with Cancel, shown once the work has
// taken half a second; the windows repaint meanwhile, and take no other input
// that could change the list under the work.
#include <QProgressDialog>

#include <functional>

namespace ui {

class ProgressBox {
public:
    ProgressBox(QWidget* parent, const QString& what);

    // The function to call with what is done of the whole; false once cancelled.
    template <typename Count = int> std::function<bool(Count, Count)> Step() {
        return [this](Count done, Count total) {
            return Show(total > 0 ? double(done) / double(total) : 0.0);
        };
    }

private:
    bool Show(double part);

    static constexpr int Steps = 1000;
    QProgressDialog dialog_;
};

} // namespace ui
