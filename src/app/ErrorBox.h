#pragma once

#include "platform/system/Failure.h"

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
    // What a handler's failure shows, and its cause; an empty text when the
    // handler succeeded.
    struct Outcome {
        QString text;
        Failure::Cause cause = Failure::Cause::Other;

        // Two failures of a timer are one when they have one designed cause,
        // or else one text.
        bool sameAs(const Outcome& other) const {
            return cause == other.cause && (cause != Failure::Cause::Other || text == other.text);
        }
    };
    Outcome attempt(const std::function<void()>& handler);
    void show(const QString& text) const;
    void showDamage() const;

    QWidget* parent_;
    DamagedFiles& damaged_;
    Presenter presenter_;
    QHash<const QObject*, Outcome> lastTimerFailure_;
};

} // namespace orlevan
