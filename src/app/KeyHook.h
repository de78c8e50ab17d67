#pragma once

#include <QObject>

namespace orlevan {

class TForm1;

// The application-wide message hook: sees every event of every window before
// the window does, and hands it to TForm1::AppMessage. It never swallows one.
class KeyHook : public QObject {
    Q_OBJECT

public:
    explicit KeyHook(TForm1* form);

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    TForm1* form_;
};

} // namespace orlevan
