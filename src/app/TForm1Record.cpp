#include "app/DialogPane.h"
#include "app/PhraseEdit.h"
#include "app/TForm1.h"
#include "app/Timers.h"
#include "engine/DialogueRecord.h"

namespace orlevan {

// The dialogue header of this run, once, at start.
void TForm1::T12Timer() {
    RE1->clear();
    writeRecordHeader(dialogue_);
    T12->stop();
}

// A new dialogue: what was said so far leaves the pane and never reaches the
// log file; the intro and a greeting begin the new one.
void TForm1::N2Click() {
    RE1->clear();
    dialogue_.Log.clear();
    Input->clear();
    switchOn(T7);
    switchOn(T10);
}

// Takes back the last line of the pane (as displayed) and of the record.
void TForm1::CancelClick() {
    RE1->removeLastLine();
    if (const int lines = dialogue_.Log.count(); lines > 0) {
        dialogue_.Log.remove(lines - 1);
    }
    switchOn(T7);
}

void TForm1::N3Click() {
    CancelClick();
}

// The way out that keeps the dialogue: its record joins the log file first.
void TForm1::N4Click() {
    appendRecordToLogFile(dialogue_);
    close();
}

} // namespace orlevan
