#pragma once

#include "input/KeyboardOwner.h"

namespace orlevan {

class TForm1;

// How the on-screen keyboard reaches the main window without knowing it.
class KeyboardLink final : public KeyboardOwner {
public:
    explicit KeyboardLink(TForm1& form) : form_(form) {}

    QLineEdit& input() override;
    QString handedOver() const override;
    void offerCompletionCommand() override;
    // Speak itself may be disabled meanwhile: its state is kept by the
    // state timer, which is off while the keyboard is open.
    void speak() override;
    void searchCompletion() override;
    void closeSecondary(QWidget* keyboard) override;
    void wakeOnStateChange(QTimer* timer) override;

private:
    TForm1& form_;
};

} // namespace orlevan
