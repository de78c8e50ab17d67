#include "app/DialogPane.h"
#include "app/PhraseEdit.h"
#include "app/TForm1.h"
#include "app/Timers.h"
#include "input/CompletionPanel.h"
#include "input/LayoutConversion.h"
#include "input/ReservedGuard.h"
#include "input/TForm4.h"
#include "widgets/QtText.h"
#include "widgets/SecondaryWindow.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

namespace orlevan {

void TForm1::connectInputAids() {
    connect(EnRus, &QToolButton::clicked, this, [this] { errors_.run([this] { EnRusClick(); }); });
    // The button's hint has always promised Ctrl+S. As a command of the
    // window, the input line lets the key through to it.
    N36 = new QAction(this);
    N36->setObjectName("N36");
    N36->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    addAction(N36);
    connectMenuItem(N36, &TForm1::N36Click);
    connectMenuItem(N22, &TForm1::N22Click);
    connectMenuItem(N23, &TForm1::N23Click);
}

// Text typed with the Latin layout becomes what the same keys give in the
// Russian one; the line changes (and sounds its key click) only if the text does.
void TForm1::EnRusClick() {
    MP3->play();
    const std::string text = fromQt(Input->text());
    if (text.empty()) {
        return;
    }
    const std::string converted = layout::toRussian(text);
    if (converted != text) {
        Input->setText(toQt(converted));
    }
}

// A click made in code runs whatever the button's state.
void TForm1::N36Click() {
    EnRusClick();
}

// One character of the input line per tick. A reserved character anywhere
// in it costs the whole line, and the pane stops taking the mouse for good.
void TForm1::T5Timer() {
    int examined = T5->property("Tag").toInt();
    const bool reserved = guard::scanTick(fromQt(Input->text()), examined);
    T5->setProperty("Tag", examined);
    if (reserved) {
        RE1->setEnabled(false);
        Input->clear();
    }
    // A round over the whole line found nothing: another would find nothing
    // either, until the line changes.
    if (--unscanned_ <= 0) {
        T5->stop();
    }
}

// One search for the word being typed, shown in panel 0; then the timer
// waits to be switched on again.
void TForm1::T11Timer() {
    const auto found = completion_.search(fromQt(Input->text()), SpeedWord);
    SB1[0]->setText(found ? toQt(SpeedWord[*found]) : panel::None);
    T11->stop();
}

// F5: the rest of the offered word, lower-cased, at the end of the line.
void TForm1::N23Click() {
    Input->setText(toQt(completion_.completed(fromQt(Input->text()))));
    switchOn(T11);
}

QLineEdit& TForm1::inputLine() {
    return *Input;
}

void TForm1::offerCompletionCommand() {
    N23->setEnabled(panel::offersCompletion(SB1[0]->text()));
}

void TForm1::speak() {
    errors_.run([this] { SpeakClick(); });
}

void TForm1::searchCompletion() {
    switchOn(T11);
}

// The keyboard takes over; the completion standing now is the one its F5 will append.
void TForm1::N22Click() {
    if (!Form4) {
        return;
    }
    handedOver_ = toQt(completion_.CompletionTail);
    openSecondary(this, T1, Form4);
    switchOn(Form4->T1);
}

} // namespace orlevan
