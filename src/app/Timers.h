#pragma once

#include "widgets/RestingTimer.h"

#include <QTimer>

namespace orlevan {

// Switching on a timer that already runs leaves its count alone: a timer
// that is kept switched on by a faster one must still get to tick.
inline void switchOn(QTimer* timer) {
    resting::switchOn(timer);
}

// Switched on while `on` holds (keeping its count if it already runs), stopped otherwise.
inline void switchOnOrStop(QTimer* timer, bool on) {
    if (on) {
        switchOn(timer);
    } else {
        timer->stop();
    }
}

} // namespace orlevan
