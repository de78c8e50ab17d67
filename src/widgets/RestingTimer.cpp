#include "widgets/RestingTimer.h"

#include <QTimer>
#include <QVariant>
#include <limits>

namespace orlevan::resting {
namespace {

constexpr const char* kTickProperty = "orlevanTick";
// Resting: on, but not due for weeks. A change brings the tick back.
constexpr int kResting = std::numeric_limits<int>::max();

} // namespace

void make(QTimer* timer) {
    timer->setProperty(kTickProperty, timer->interval());
}

void switchOn(QTimer* timer) {
    if (timer->isActive()) {
        return;
    }
    if (const QVariant tick = timer->property(kTickProperty); tick.isValid()) {
        timer->setInterval(tick.toInt());
    }
    timer->start();
}

void rest(QTimer* timer) {
    if (timer->interval() != kResting) {
        timer->setInterval(kResting);
    }
}

void wake(QTimer* timer) {
    // Several changes before the tick are all brought into line by that tick.
    if (timer->isActive() && timer->interval() == kResting) {
        timer->setInterval(timer->property(kTickProperty).toInt());
    }
}

} // namespace orlevan::resting
