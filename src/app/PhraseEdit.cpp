#include "PhraseEdit.h"

#include "Cp1251.h"

#include <QAction>
#include <QKeyEvent>
#include <QValidator>

namespace orlevan {
namespace {

// Every edit of the line passes here before it lands, typed, pasted,
// dropped or composed alike, so the filter is in one place.
class Cp1251Validator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override {
        QString kept;
        kept.reserve(input.size());
        int keptBeforeCursor = 0;
        int index = 0;
        for (const char32_t codePoint : input.toUcs4()) {
            const int width = codePoint > 0xFFFF ? 2 : 1;
            if (cp1251::fromUnicode(codePoint) && codePoint >= 0x20) {
                kept += QString::fromUcs4(&codePoint, 1);
                if (index < position) {
                    ++keptBeforeCursor;
                }
            }
            index += width;
        }
        input = kept;
        position = keptBeforeCursor;
        return Acceptable;
    }
};

bool isEnabledCommandOf(const QWidget* window, const QKeySequence& keys) {
    for (const QAction* command : window->actions()) {
        if (command->isEnabled() && command->shortcut() == keys) {
            return true;
        }
    }
    return false;
}

} // namespace

PhraseEdit::PhraseEdit(QWidget* parent) : QLineEdit(parent) {
    setMaxLength(kMaxLength);
    setValidator(new Cp1251Validator(this));
}

bool PhraseEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (isEnabledCommandOf(window(), QKeySequence(key->keyCombination()))) {
            event->ignore(); // unclaimed, the key reaches the command's shortcut
            return true;
        }
    }
    return QLineEdit::event(event);
}

} // namespace orlevan
