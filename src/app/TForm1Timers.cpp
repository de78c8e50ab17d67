#include "app/DialogPane.h"
#include "app/PhraseEdit.h"
#include "app/TForm1.h"
#include "app/Timers.h"
#include "input/CompletionPanel.h"
#include "widgets/QtText.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace orlevan {
namespace {

// Fast timers tick at the shortest interval; the design's 1 ms stands for it.
int interval(int designMilliseconds) {
    return designMilliseconds == 1 ? kShortestTick : designMilliseconds;
}

} // namespace

QTimer* TForm1::makeTimer(const char* name, int designInterval, void (TForm1::*tick)()) {
    auto* timer = new QTimer(this);
    timer->setObjectName(name);
    timer->setInterval(interval(designInterval));
    connect(timer, &QTimer::timeout, this,
            [this, timer, tick] { errors_.runTick(timer, [=, this] { (this->*tick)(); }); });
    return timer;
}

void TForm1::buildTimers() {
    T1 = makeTimer("T1", 1, &TForm1::T1Timer);
    resting::make(T1);
    T2 = makeTimer("T2", 1000, &TForm1::T2Timer);
    T3 = makeTimer("T3", 1, &TForm1::T3Timer);
    T4 = makeTimer("T4", 1, &TForm1::T4Timer);
    T6 = makeTimer("T6", 1, &TForm1::T6Timer);
    T7 = makeTimer("T7", 1, &TForm1::T7Timer);
    resting::make(T7);
    T5 = makeTimer("T5", 1, &TForm1::T5Timer);
    T5->setProperty("Tag", 0);
    T8 = makeTimer("T8", 1000, &TForm1::T8Timer);
    T9 = makeTimer("T9", 1000, &TForm1::T9Timer);
    T10 = makeTimer("T10", 1, &TForm1::T10Timer);
    T11 = makeTimer("T11", 1, &TForm1::T11Timer);
    T12 = makeTimer("T12", 1, &TForm1::T12Timer);
    // Timers due together tick in the order they were started. The header
    // comes first, so the record of the run opens it; the intro comes before
    // the greeting, so that the greeting is not cleared away with the pane.
    for (QTimer* timer : {T12, T3, T7, T10, T11, T1, T5, T2, T8}) {
        timer->start();
    }
}

// Brings the buttons and the two hidden commands into line with the input
// line and the pane, and keeps the focus on the input line; then rests until
// one of them changes.
void TForm1::T1Timer() {
    const bool hasText = !Input->text().isEmpty();
    Speak->setEnabled(hasText);
    EnRus->setEnabled(hasText);
    Talk->setEnabled(hasText);
    const bool paneHasLines = !RE1->isEmpty();
    Cancel->setEnabled(paneHasLines);
    N3->setEnabled(paneHasLines);
    if (!hasText && N24->isChecked()) {
        switchOn(T11);
    }
    N23->setEnabled(panel::offersCompletion(SB1[0]->text()));
    Input->setFocus();
    resting::rest(T1);
}

} // namespace orlevan
