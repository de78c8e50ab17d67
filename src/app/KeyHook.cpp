#include "app/KeyHook.h"

#include "app/TForm1.h"

#include <utility>

namespace orlevan {

KeyHook::KeyHook(QObject* owner, Handler handler) : QObject(owner), handler_(std::move(handler)) {}

bool KeyHook::eventFilter(QObject* receiver, QEvent* event) {
    return handler_(receiver, event);
}

} // namespace orlevan
