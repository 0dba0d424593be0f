#include "partslist/PartsList.h"

#include <utility>

namespace partslist {

void PartsList::Added(std::optional<Line> line) {
    last_ = line ? Change::Added : Change::None;
    if (line) lines_.push_back(std::move(*line));
}

std::vector<Line> PartsList::Kept(std::span<const std::size_t> rows) const {
    std::vector<bool> gone(lines_.size());
    for (std::size_t row : rows)
        if (row < gone.size()) gone[row] = true;
    std::vector<Line> kept;
    kept.reserve(lines_.size());
    for (std::size_t i = 0; i < lines_.size(); ++i)
        if (!gone[i]) kept.push_back(lines_[i]);
    return kept;
}

Replay PartsList::Remove(std::span<const std::size_t> rows) {
    std::vector<Line> kept = Kept(rows);
    Replay replay = ReplayLines(kept);
    Replace(std::move(kept));
    return replay;
}

void PartsList::Replace(std::vector<Line> lines) {
    before_ = std::exchange(lines_, std::move(lines));
    last_ = Change::Replaced;
}

bool PartsList::Undo() {
    const Change last = std::exchange(last_, Change::None);
    if (last == Change::Added) lines_.pop_back();
    if (last == Change::Replaced) lines_ = std::move(before_);
    before_.clear();
    return last != Change::None;
}

void PartsList::Clear() {
    lines_.clear();
    before_.clear();
    last_ = Change::None;
}

} // namespace partslist
