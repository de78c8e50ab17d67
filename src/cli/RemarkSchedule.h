#pragma once

#include <chrono>
#include <optional>

namespace orlevan::cli {

// When the window's two one-second timers of the remarks would tick: the
// silence timer from the start on, for as long as the program runs, and the
// follow-up timer from the turn that arms it until its remark is made.
class RemarkSchedule {
public:
    using Time = std::chrono::steady_clock::time_point;
    static constexpr std::chrono::milliseconds kInterval{1000};

    enum class Timer { Pause, FollowUp };

    explicit RemarkSchedule(Time start) : pause_(start + kInterval) {}

    // Arming a follow-up timer that already counts does not restart its
    // count, as a running window timer is not restarted either.
    void setFollowUp(bool armed, Time now);

    // The time of the next tick of either timer.
    Time next() const;

    // The timer whose tick is due by `now`, the earlier one first; its next
    // tick is then one interval on. A tick missed while the program was busy
    // is not made up for: the timer goes on from now, as a window's does.
    std::optional<Timer> due(Time now);

private:
    Time pause_;
    std::optional<Time> followUp_;
};

} // namespace orlevan::cli
