#include "app/ErrorBox.h"

#include "platform/kb/DamagedFiles.h"
#include "platform/system/Failure.h"
#include "widgets/QtText.h"

#include <QApplication>
#include <QMessageBox>
#include <exception>

namespace orlevan {

ErrorBox::ErrorBox(QWidget* parent, DamagedFiles& damaged, Presenter presenter)
    : parent_(parent), damaged_(damaged), presenter_(std::move(presenter)) {
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

ErrorBox::Outcome ErrorBox::attempt(const std::function<void()>& handler) {
    try {
        handler();
        return {};
    } catch (const std::exception& failure) {
        // Anything a library throws (no memory, a bad conversion) is still the
        // end of this handler, not of the program.
        const auto* designed = dynamic_cast<const Failure*>(&failure);
        return {textOf(failure.what()), designed ? designed->cause() : Failure::Cause::Other};
    }
}

void ErrorBox::show(const QString& text) const {
    presenter_(QApplication::applicationName(), text);
}

// The damage a handler found is news even when the handler then failed.
void ErrorBox::showDamage() const {
    for (const auto& notice : damaged_.takeNotices()) {
        show(textOf(notice));
    }
}

void ErrorBox::run(const std::function<void()>& handler) {
    const Outcome outcome = attempt(handler);
    showDamage();
    if (!outcome.text.isEmpty()) {
        show(outcome.text);
    }
}

void ErrorBox::runTick(const QObject* timer, const std::function<void()>& handler) {
    const Outcome outcome = attempt(handler);
    showDamage();
    if (outcome.text.isEmpty()) {
        lastTimerFailure_.remove(timer);
        return;
    }
    if (const auto last = lastTimerFailure_.find(timer);
        last != lastTimerFailure_.end() && last->sameAs(outcome)) {
        return;
    }
    lastTimerFailure_.insert(timer, outcome);
    show(outcome.text);
}

} // namespace orlevan
