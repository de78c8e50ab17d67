#include "KeyboardLink.h"

#include "CompletionPanel.h"
#include "PhraseEdit.h"
#include "SecondaryWindow.h"
#include "TForm1.h"
#include "Timers.h"

#include <QAction>
#include <QLabel>

namespace orlevan {

QLineEdit& KeyboardLink::input() {
    return *form_.Input;
}

QString KeyboardLink::handedOver() const {
    return form_.handedOverCompletion();
}

void KeyboardLink::offerCompletionCommand() {
    form_.N23->setEnabled(panel::offersCompletion(form_.SB1[0]->text()));
}

void KeyboardLink::speak() {
    form_.runGuarded([this] { form_.SpeakClick(); });
}

void KeyboardLink::searchCompletion() {
    switchOn(form_.T11);
}

void KeyboardLink::closeSecondary(QWidget* keyboard) {
    orlevan::closeSecondary(&form_, form_.T1, keyboard);
}

void KeyboardLink::wakeOnStateChange(QTimer* timer) {
    form_.wakeOnStateChange(timer);
}

} // namespace orlevan
