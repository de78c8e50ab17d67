#include "app/DialogPane.h"
#include "app/PhraseEdit.h"
#include "app/TForm1.h"
#include "app/Timers.h"
#include "widgets/BusyCursor.h"
#include "widgets/QtText.h"
#include "windows/TForm2.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace orlevan {

void TForm1::TalkClick() {
    SpeakClick();
}

// One turn of the dialogue, on Enter, on the button, or on the partner's phrase.
void TForm1::SpeakClick() {
    std::string phrase = dialogue_.state.UserPhrase;
    if (CpuUser1->isChecked()) {
        phrase = fromQt(Input->text());
    }
    if (Cpu31->isChecked()) {
        phrase = dialogue_.LoadtxtCpuCpu.line(0);
    }
    // An empty phrase (an empty partner file) is no turn: nothing to show,
    // log or learn.
    if (phrase.empty()) {
        return;
    }
    const int lines = RE1->lineCount();
    std::string previousLine = lines >= 2 ? fromQt(RE1->lineText(lines - 2)) : std::string();
    showBusyCursor();
    dialogue_.turn(std::move(phrase), std::move(previousLine), *this);
}

void TForm1::showUserPhrase(const std::string& phrase) {
    MP2->play();
    RE1->setInsertionFormat(pickers_.ColorDialog2, pickers_.FontDialog1);
    RE1->appendLine(toQt(phrase));
}

void TForm1::showReply(const std::string& reply) {
    MP5->play();
    RE1->setInsertionFormat(pickers_.ColorDialog3, pickers_.FontDialog2);
    RE1->appendLine(toQt(reply));
    showDefaultCursor();
}

void TForm1::setClosing(bool closing) {
    switchOnOrStop(T4, closing);
}

void TForm1::setFollowUp(bool armed) {
    switchOnOrStop(T9, armed);
}

std::optional<std::string> TForm1::partnerFile() const {
    if (!Cpu31->isChecked() || !Form2) {
        return std::nullopt;
    }
    return fromQt(Form2->Edit1->text());
}

void TForm1::clearInput() {
    Input->clear();
}

void TForm1::InputChange() {
    completion_.CandidateIndex = -1;
    MP1->play();
    switchOnOrStop(T11, N24->isChecked());
}

} // namespace orlevan

namespace orlevan {

// Every key-down of the program, in any of its windows, passes here first.
// With completion on, Up and Down step through the dictionary; any key shows
// the entry reached and restarts the search from the entry after it.
bool TForm1::AppMessage(QObject* receiver, QEvent* event) {
    if (SpeedWord.empty() || !N24->isChecked()) {
        return false;
    }
    // Qt opens every key press with one ShortcutOverride sent to the focus
    // window, asking whether a widget wants the key, before it looks for a
    // shortcut; it then hands that same event to the focus widget and its
    // parents. Its delivery to the window is the one key-down message: a key
    // that is a shortcut (F5, Enter, Ctrl+S, Ctrl+Z) never becomes a
    // KeyPress, and any other key does only after this.
    if (event->type() != QEvent::ShortcutOverride || !receiver->isWindowType()) {
        return false;
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    showBusyCursor();
    const std::size_t shown =
        completion_.keyDown(key == Qt::Key_Up     ? WordCompletion::Key::Up
                            : key == Qt::Key_Down ? WordCompletion::Key::Down
                                                  : WordCompletion::Key::Other,
                            SpeedWord.size());
    SB1[0]->setText(toQt(SpeedWord[shown]));
    switchOn(T11);
    showDefaultCursor();
    return false;
}

} // namespace orlevan
