#include "cli/RemarkSchedule.h"

#include <algorithm>

namespace orlevan::cli {
namespace {

void advance(RemarkSchedule::Time& tick, RemarkSchedule::Time now) {
    tick += RemarkSchedule::kInterval;
    if (tick <= now) {
        tick = now + RemarkSchedule::kInterval;
    }
}

} // namespace

void RemarkSchedule::setFollowUp(bool armed, Time now) {
    if (!armed) {
        followUp_.reset();
    } else if (!followUp_) {
        followUp_ = now + kInterval;
    }
}

RemarkSchedule::Time RemarkSchedule::next() const {
    return followUp_ ? std::min(pause_, *followUp_) : pause_;
}

std::optional<RemarkSchedule::Timer> RemarkSchedule::due(Time now) {
    if (followUp_ && *followUp_ <= now && *followUp_ <= pause_) {
        advance(*followUp_, now);
        return Timer::FollowUp;
    }
    if (pause_ <= now) {
        advance(pause_, now);
        return Timer::Pause;
    }
    return std::nullopt;
}

} // namespace orlevan::cli
