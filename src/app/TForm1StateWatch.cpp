#include "app/DialogPane.h"
#include "app/PhraseEdit.h"
#include "app/TForm1.h"
#include "app/Timers.h"
#include "widgets/QtText.h"

#include <QApplication>
#include <QLabel>
#include <QTextDocument>

namespace orlevan {
namespace {

// Wakes a resting timer whenever the watched label is painted: a label has
// no signal for a new text, but a new text gets painted. It belongs to the
// timer, so it goes when the timer does.
class PaintWatch : public QObject {
public:
    PaintWatch(QWidget* watched, QTimer* timer) : QObject(timer), timer_(timer) {
        watched->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            resting::wake(timer_);
        }
        return false;
    }

private:
    QTimer* timer_;
};

} // namespace

void TForm1::wakeOnStateChange(QTimer* timer) {
    // Each connection lives with the timer, so that no change reaches a
    // timer that is gone while the windows are taken down.
    const auto wake = [timer] { resting::wake(timer); };
    connect(Input, &QLineEdit::textChanged, timer, wake);
    connect(RE1->document(), &QTextDocument::contentsChanged, timer, wake);
    connect(N24, &QAction::changed, timer, wake);
    connect(qApp, &QApplication::focusChanged, timer, wake);
    new PaintWatch(SB1[0], timer);
}

void TForm1::watchState() {
    wakeOnStateChange(T1);
    connect(Input, &QLineEdit::textChanged, T5, [this] {
        unscanned_ = static_cast<int>(fromQt(Input->text()).size());
        if (unscanned_ > 0) {
            switchOn(T5);
        }
    });
}

} // namespace orlevan
