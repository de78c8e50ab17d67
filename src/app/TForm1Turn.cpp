#include "TForm1.h"

#include "BusyCursor.h"
#include "Clock.h"
#include "DialogPane.h"
#include "Normalise.h"
#include "PhraseEdit.h"
#include "QtText.h"
#include "Random.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

namespace orlevan {

void TForm1::TalkClick() { SpeakClick(); }

// One turn of the dialogue: the phrase is taken, normalised, shown and logged.
void TForm1::SpeakClick() {
    random_.reseed(clock_.millisecondOfDay());
    if (CpuUser1->isChecked()) {
        dialogue.UserPhrase = fromQt(Input->text());
    }
    if (Cpu31->isChecked()) {
        dialogue.UserPhrase = LoadtxtCpuCpu.line(0);
    }
    // An empty phrase (an empty partner file) is no turn: nothing to show,
    // log or learn.
    if (dialogue.UserPhrase.empty()) {
        return;
    }
    const int lines = RE1->lineCount();
    dialogue.PreviousLine = lines >= 2 ? fromQt(RE1->lineText(lines - 2)) : std::string();
    showBusyCursor();
    normalise(dialogue.UserPhrase);

    MP2.play();
    RE1->setInsertionFormat(pickers.ColorDialog2, pickers.FontDialog1);
    RE1->appendLine(toQt(dialogue.UserPhrase));
    Log.append(logLine(clock_.longTime(), kUserLabel, dialogue.UserPhrase));
    dialogue.EchoedPhrase = dialogue.UserPhrase;

    // The reply is not searched for yet: the turn ends with the echo.
    showDefaultCursor();
    Input->clear();
}

void TForm1::InputChange() {
    CandidateIndex = -1;
    MP1.play();
    if (N24->isChecked()) {
        T11->start();
    } else {
        T11->stop();
    }
}

} // namespace orlevan

namespace orlevan {

// Every key press of the program, in any of its windows, passes here first.
// With completion on, Up and Down step through the dictionary; any key shows
// the entry reached and restarts the search from the entry after it.
bool TForm1::AppMessage(QObject* receiver, QEvent* event) {
    if (SpeedWord.empty() || !N24->isChecked()) {
        return false;
    }
    // A key press reaches its window once and is then passed on to widgets;
    // the window's delivery is the one message the hook counts.
    if (event->type() != QEvent::KeyPress || !receiver->isWindowType()) {
        return false;
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up) {
        CandidateIndex -= 2;
    } else if (key == Qt::Key_Down) {
        CandidateIndex += 1;
    }
    showBusyCursor();
    const int entries = static_cast<int>(SpeedWord.size());
    if (CandidateIndex >= entries) {
        --CandidateIndex;
    }
    CandidateIndex = std::max(CandidateIndex, 0);
    SB1[0]->setText(toQt(SpeedWord[static_cast<std::size_t>(CandidateIndex)]));
    T11->start();
    showDefaultCursor();
    return false;
}

} // namespace orlevan
