#include "ErrorBox.h"

#include "Failure.h"
#include "QtText.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

namespace orlevan {

ErrorBox::ErrorBox(QWidget* parent, Presenter presenter)
    : parent_(parent), presenter_(std::move(presenter)) {
    if (!presenter_) {
        presenter_ = [this](const QString& caption, const QString& text) {
            QMessageBox::critical(parent_, caption, text);
        };
    }
}

QString ErrorBox::textOf(std::string_view message) {
    // Failures carry the program's own Windows-1251 text (file names may be Russian).
    QString text = toQt(message);
    if (!text.endsWith(u'.')) {
        text += u'.';
    }
    return text;
}

QString ErrorBox::attempt(const std::function<void()>& handler) {
    try {
        handler();
        return {};
    } catch (const Failure& failure) {
        return textOf(failure.what());
    } catch (const std::exception& failure) {
        // Anything else a library throws (no memory, a bad conversion) is
        // still the end of this handler, not of the program.
        return textOf(failure.what());
    }
}

void ErrorBox::run(const std::function<void()>& handler) {
    const QString text = attempt(handler);
    if (!text.isEmpty()) {
        presenter_(QApplication::applicationName(), text);
    }
}

void ErrorBox::runTick(const QObject* timer, const std::function<void()>& handler) {
    const QString text = attempt(handler);
    if (text.isEmpty()) {
        lastTimerFailure_.remove(timer);
        return;
    }
    if (lastTimerFailure_.value(timer) == text) {
        return;
    }
    lastTimerFailure_.insert(timer, text);
    presenter_(QApplication::applicationName(), text);
}

} // namespace orlevan
