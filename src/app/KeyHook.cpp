#include "app/KeyHook.h"

#include "app/TForm1.h"

namespace orlevan {

KeyHook::KeyHook(TForm1* form) : QObject(form), form_(form) {}

bool KeyHook::eventFilter(QObject* receiver, QEvent* event) {
    return form_->AppMessage(receiver, event);
}

} // namespace orlevan
