#pragma once

#include <QHash>
#include <QString>
#include <functional>
#include <string_view>

class QObject;
class QWidget;

namespace orlevan {

class DamagedFiles;

// The one place where a failure of a handler meets the user. Every click,
// menu, key and timer handler runs through it: a failure abandons the rest
// of that handler and is shown in a modal error box whose caption is the
// application's title and whose text is the failure's message ending in a
// full stop; the program goes on. After each handler, the files it found
// damaged are told in the same box, each once.
class ErrorBox {
public:
    using Presenter = std::function<void(const QString& caption, const QString& text)>;

    // Without a presenter, failures go to a modal message box; tests record them instead.
    ErrorBox(QWidget* parent, DamagedFiles& damaged, Presenter presenter = {});

    // Runs a click, menu or start-up handler; each failure is shown.
    void run(const std::function<void()>& handler);

    // Runs one tick of `timer`. A timer that fails for the same cause on every
    // tick shows its box once; it is shown again only after a tick has
    // succeeded or the cause has changed.
    void runTick(const QObject* timer, const std::function<void()>& handler);

    static QString textOf(std::string_view message);

private:
    // The message shown, or an empty text when the handler succeeded.
    QString attempt(const std::function<void()>& handler);
    void show(const QString& text) const;
    static QString causeOf(const QString& text);
    void showDamage() const;

    QWidget* parent_;
    DamagedFiles& damaged_;
    Presenter presenter_;
    QHash<const QObject*, QString> lastTimerFailure_;
};

} // namespace orlevan
