#pragma once
// The plan of one group drawn to scale: a row per bar pattern, how many bars
// are cut alike and from which stock length, then the bar as it is cut
// (BarDrawing.h). Longer stock is drawn longer, on one scale for the group.
#include "ui/CutListGroup.h"

#include <QWidget>

namespace ui {

class PlanView : public QWidget {
public:
    explicit PlanView(QWidget* parent);

    // The group whose plan is drawn; nullptr or an unsolved group: none.
    void Show(const CutListGroup* group);
    int Rows() const; // the patterns drawn

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const CutListGroup* group_ = nullptr;
};

} // namespace ui
