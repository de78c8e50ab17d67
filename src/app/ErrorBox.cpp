#include "ErrorBox.h"

#include "DamagedFiles.h"
#include "Failure.h"
#include "QtText.h"

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
    const QString text = attempt(handler);
    showDamage();
    if (!text.isEmpty()) {
        show(text);
    }
}

// What makes two failures of a timer one and the same. A file that cannot
// be opened or made is one cause whatever its name: the partner's path,
// typed letter by letter while the reading timer runs, names a new missing
// file at every tick.
QString ErrorBox::causeOf(const QString& text) {
    for (const QString& fileFailure :
         {QStringLiteral("Cannot open file "), QStringLiteral("Cannot create file ")}) {
        if (text.startsWith(fileFailure)) {
            return fileFailure;
        }
    }
    return text;
}

void ErrorBox::runTick(const QObject* timer, const std::function<void()>& handler) {
    const QString text = attempt(handler);
    showDamage();
    if (text.isEmpty()) {
        lastTimerFailure_.remove(timer);
        return;
    }
    const QString cause = causeOf(text);
    if (lastTimerFailure_.value(timer) == cause) {
        return;
    }
    lastTimerFailure_.insert(timer, cause);
    show(text);
}

} // namespace orlevan
