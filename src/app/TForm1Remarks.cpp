#include "app/DialogPane.h"
#include "app/TForm1.h"
#include "widgets/QtText.h"

#include <QTimer>

namespace orlevan {

// After a minute or so of silence the program speaks up, in its own colour
// and whatever font the pane was left with.
void TForm1::T2Timer() {
    if (const auto remark = remarks.pauseTick()) {
        RE1->setInsertionColor(pickers_.ColorDialog3);
        RE1->appendLine(toQt(*remark));
        MP5->play();
    }
}

// A second or two after a reply, now and then, a remark of its own.
void TForm1::T9Timer() {
    if (const auto remark = remarks.followUpTick(T9->interval())) {
        showReply(*remark);
        T9->stop();
    }
}

void TForm1::T10Timer() {
    const auto greeting = remarks.greeting();
    T10->stop();
    if (greeting) {
        showReply(*greeting);
    }
}

} // namespace orlevan
