#include "app/DialogPane.h"
#include "app/PhraseEdit.h"
#include "app/TForm1.h"
#include "app/Timers.h"
#include "input/TForm4.h"
#include "widgets/BusyCursor.h"

#include <QAction>
#include <exception>

namespace orlevan {
namespace {

// When the exit at the end of the closing animation fails, the window comes
// back whole, so the user can read the error and go on.
class UndoClosingIfExitFails {
public:
    explicit UndoClosingIfExitFails(WindowEffects& effects) : effects_(effects) {}
    ~UndoClosingIfExitFails() {
        if (std::uncaught_exceptions() > failuresBefore_) {
            effects_.undoClosing();
        }
    }
    UndoClosingIfExitFails(const UndoClosingIfExitFails&) = delete;
    UndoClosingIfExitFails& operator=(const UndoClosingIfExitFails&) = delete;

private:
    WindowEffects& effects_;
    int failuresBefore_ = std::uncaught_exceptions();
};

} // namespace

std::string TForm1::introSetting() const {
    return ConfigFile.rowCount() >= 3 ? ConfigFile.value(3) : std::string();
}

// Before each dialogue the window jitters near the desktop's corner, then
// settles in the centre with an empty pane, and the greeting may follow.
void TForm1::T7Timer() {
    if (introSwitchedOff(introSetting())) {
        // No handler changes the setting, so the timer stays on without
        // asking again at every tick.
        resting::rest(T7);
        return;
    }
    showBusyCursor();
    dialogue_.reseedFromClock();
    MP4->play();
    Input->setReadOnly(true);
    for (QAction* menu : {N1, N5, N11, N25}) {
        menu->setEnabled(false);
    }
    effects_.jitter(drawIntroMoves(random_));
    effects_.centre();
    Input->setReadOnly(false);
    for (QAction* menu : {N1, N5, N11}) {
        menu->setEnabled(true);
    }
    T7->stop();
    switchOn(T10);
    N25->setEnabled(true);
    RE1->clear();
    showDefaultCursor();
}

// The farewell: the window creeps away and shrinks, and on the last tick
// the dialogue is written to the log and the program ends.
void TForm1::T4Timer() {
    if (Form4 && Form4->isVisible()) {
        Form4->N2Click();
    }
    ++Tag;
    if (Tag >= ClosingAnimation::kLastTick) {
        T4->stop();
        const UndoClosingIfExitFails undo(effects_);
        N4Click();
    }
    effects_.creepAndShrink();
    if (Tag >= ClosingAnimation::kFirstSoundTick) {
        MP6->play();
    }
}

void TForm1::N40Click() {
    if (!N40->isChecked()) {
        N40->setChecked(true);
        N40->setText(QStringLiteral("Normal"));
        effects_.enterFullScreen();
    } else {
        N40->setChecked(false);
        N40->setText(QStringLiteral("Full Screen"));
        effects_.leaveFullScreen();
    }
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (N40 && N40->isChecked()) {
        effects_.stretch();
    }
}

} // namespace orlevan
