#include "app/KeyboardLink.h"

#include "app/PhraseEdit.h"
#include "app/TForm1.h"
#include "app/Timers.h"
#include "input/CompletionPanel.h"
#include "widgets/SecondaryWindow.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>

namespace orlevan {

QLineEdit& KeyboardLink::input() {
    return form_.inputLine();
}

QString KeyboardLink::handedOver() const {
    return form_.handedOverCompletion();
}

void KeyboardLink::offerCompletionCommand() {
    form_.offerCompletionCommand();
}

void KeyboardLink::speak() {
    form_.speak();
}

void KeyboardLink::searchCompletion() {
    form_.searchCompletion();
}

void KeyboardLink::closeSecondary(QWidget* keyboard) {
    form_.closeSecondary(keyboard);
}

void KeyboardLink::wakeOnStateChange(QTimer* timer) {
    form_.wakeOnStateChange(timer);
}

} // namespace orlevan
