#pragma once

class QTimer;

// A timer that rests while it has nothing to do. The state timers bring
// controls into line with what they depend on (the input line's text, the
// pane, the status bar, the focus), and the intro timer waits for a setting
// that says "no". Polling for that at the shortest tick woke an idle window
// some seventy times a second, a laptop's battery paying for ticks that found
// nothing changed. So such a timer ticks when it is switched on and after
// each change it is told of, and rests in between. It stays switched on while
// it rests: whether it is on is what the secondary windows and the modes
// switch, and what the other handlers look at.
namespace orlevan {

// The shortest tick of a timer. The design's "1 ms" meant as often as the
// Windows timer allows, which is about 15 ms; ticking faster would only burn
// the processor of an idle window.
inline constexpr int kShortestTick = 15;

} // namespace orlevan

namespace orlevan::resting {

// Makes `timer` a resting timer; its present interval is the delay of its
// tick after a change, as the polling timer's was.
void make(QTimer* timer);
// Switches a timer on; a timer already on keeps its course. A resting timer
// ticks soon and may then rest.
void switchOn(QTimer* timer);
// Nothing is left to do until the next change.
void rest(QTimer* timer);
// Something the timer looks at has changed: a resting timer that is on ticks
// soon. A timer that is off stays off.
void wake(QTimer* timer);

} // namespace orlevan::resting
