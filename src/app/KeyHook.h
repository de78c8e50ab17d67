#pragma once

#include <QObject>
#include <functional>

namespace orlevan {

// The application-wide message hook: sees every event of every window before
// the window does, and hands it to the main window's AppMessage. It never swallows one.
class KeyHook : public QObject {
    Q_OBJECT

public:
    using Handler = std::function<bool(QObject* receiver, QEvent* event)>;

    // Belongs to `owner`, the main window, whose `handler` sees the events.
    KeyHook(QObject* owner, Handler handler);

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    Handler handler_;
};

} // namespace orlevan
