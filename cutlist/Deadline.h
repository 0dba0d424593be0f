#pragma once
// When the search stops: at its time limit, or as soon as the caller's
// Job::KeepGoing says stop, which then counts as the time run out (the best
// plan found is kept, with its bound). KeepGoing is asked at most every
// 50 ms, so a window can repaint and take a Cancel while GLPK runs on the
// one thread there is.
#include <chrono>
#include <functional>

namespace cutlist::detail {

using Clock = std::chrono::steady_clock;

class Deadline {
public:
    Deadline(Clock::time_point at, const std::function<bool()>& keepGoing)
        : at_(at), keepGoing_(keepGoing), asked_(Clock::now()) {}

    // 0 once stopped.
    double SecondsLeft() const {
        const Clock::time_point now = Clock::now();
        if (!stopped_ && keepGoing_ && now - asked_ >= std::chrono::milliseconds(50)) {
            asked_ = now;
            stopped_ = !keepGoing_();
        }
        if (stopped_) return 0;
        return std::chrono::duration<double>(at_ - now).count();
    }

private:
    Clock::time_point at_;
    const std::function<bool()>& keepGoing_;
    mutable Clock::time_point asked_;
    mutable bool stopped_ = false;
};

} // namespace cutlist::detail
