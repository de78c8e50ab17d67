#pragma once

class QLineEdit;
class QTimer;
class QString;
class QWidget;

namespace orlevan {

// What the on-screen keyboard asks of the main window, which it does not know.
class KeyboardOwner {
public:
    virtual ~KeyboardOwner() = default;
    // The line every key edits.
    virtual QLineEdit& input() = 0;
    // The completion that stood when the keyboard was opened.
    virtual QString handedOver() const = 0;
    // The main window's F5 on exactly while it offers a word; its own state
    // timer, which does this otherwise, is off while the keyboard is open.
    virtual void offerCompletionCommand() = 0;
    // One turn, as the main window's Speak makes it, under its error box.
    virtual void speak() = 0;
    // The next completion search, for the line as it now stands.
    virtual void searchCompletion() = 0;
    // The main window takes its input back and the keyboard hides.
    virtual void closeSecondary(QWidget* keyboard) = 0;
    // The keyboard's state timer rests until the main window's state changes.
    virtual void wakeOnStateChange(QTimer* timer) = 0;
};

} // namespace orlevan
