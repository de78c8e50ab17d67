#pragma once

#include "widgets/RestingTimer.h"

#include <QTimer>

namespace orlevan {

// Switching on a timer that already runs leaves its count alone: a timer
// that is kept switched on by a faster one must still get to tick.
inline void switchOn(QTimer* timer) {
    resting::switchOn(timer);
}

} // namespace orlevan
