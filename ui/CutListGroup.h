#pragma once
// A group of the take-off as the Cut list window keeps it: the group, the
// stock and saw the user gave it, and, once solved, the job as solved and
// its plan. The models, the drawing and the cut sheet read these.
#include "cutlist/Cutlist.h"
#include "cutlist/Stock.h"
#include "cutlist/Takeoff.h"

#include <QString>

#include <optional>

namespace ui {

struct CutListGroup {
    cutlist::Group Group;
    cutlist::Settings Settings;
    std::optional<cutlist::Job> Job; // as solved: the plan's stock indices point into it
    std::optional<cutlist::Plan> Plan;
    bool Stopped = false; // Cancel stopped the search: the best plan found so far

    QString Name() const;
};

// Numbers as the window shows them: the user's decimal separator; lengths
// in millimetres with at most two decimals, money with two.
QString MmText(double mm);
QString MmText(cutlist::Tenths tenths);
QString MoneyText(double money);
QString PercentText(double percent); // one decimal

// "proven optimal", "gap 1.2 % (bound 4000.00)", "stopped, gap …".
QString OptimalityText(const CutListGroup& group);
// "Buy 35 × 12000 mm at 114.00, 1 × 6000 mm at 60.00"; "Nothing to buy".
QString BoughtText(const CutListGroup& group);
// "Remnants: 4136 mm, 2 × 1200 mm"; empty for none.
QString RemnantsText(const CutListGroup& group);
// "36 bars, cost 4050.00, waste 2.1 %, proven optimal".
QString SummaryText(const CutListGroup& group);

} // namespace ui
