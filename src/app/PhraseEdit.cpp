#include "PhraseEdit.h"

#include "Cp1251.h"

#include <QAction>
#include <QKeyEvent>
#include <QValidator>
#include <algorithm>

namespace orlevan {

// Every edit by the user passes here before it lands, typed, pasted, dropped
// or composed alike, so the filter is in one place. The program's setText
// does not: that is what lets F5 and the keyboard go past the typing limit.
class Cp1251Validator : public QValidator {
public:
    explicit Cp1251Validator(PhraseEdit* edit) : QValidator(edit), edit_(edit) {}

    State validate(QString& input, int& position) const override {
        QString kept;
        kept.reserve(input.size());
        int keptBeforeCursor = 0;
        int index = 0;
        for (const char32_t codePoint : input.toUcs4()) {
            const int width = codePoint > 0xFFFF ? 2 : 1;
            const auto byte = cp1251::fromUnicode(codePoint);
            if (byte && cp1251::isLineCharacter(*byte)) {
                kept += QString::fromUcs4(&codePoint, 1);
                if (index < position) {
                    ++keptBeforeCursor;
                }
            }
            index += width;
        }
        if (edit_->userEvents_ > 0) {
            keepWithinLimit(kept, keptBeforeCursor, edit_->before_);
        }
        input = kept;
        position = keptBeforeCursor;
        return Acceptable;
    }

private:
    // An edit may lengthen the line up to the limit, or not at all when it is
    // already longer: what it inserted is cut from its end, as QLineEdit's
    // own maximum length would cut it.
    static void keepWithinLimit(QString& text, int& cursor, const QString& before) {
        const qsizetype limit = std::max<qsizetype>(PhraseEdit::kMaxLength, before.size());
        const qsizetype excess = text.size() - limit;
        if (excess <= 0) {
            return;
        }
        // The inserted characters lie between what the edit left alone at
        // either end; there are at least `excess` of them.
        qsizetype prefix = 0;
        while (prefix < before.size() && text[prefix] == before[prefix]) {
            ++prefix;
        }
        qsizetype suffix = 0;
        while (suffix < before.size() - prefix &&
               text[text.size() - 1 - suffix] == before[before.size() - 1 - suffix]) {
            ++suffix;
        }
        const qsizetype insertedEnd = text.size() - suffix;
        text.remove(insertedEnd - excess, excess);
        if (cursor >= insertedEnd) {
            cursor -= static_cast<int>(excess);
        } else {
            cursor = static_cast<int>(std::min<qsizetype>(cursor, insertedEnd - excess));
        }
    }

    PhraseEdit* edit_;
};

namespace {

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
    setValidator(new Cp1251Validator(this));
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text != before_) {
            before_ = text;
            emit phraseChanged();
        }
    });
}

bool PhraseEdit::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (isEnabledCommandOf(window(), QKeySequence(key->keyCombination()))) {
            event->ignore(); // unclaimed, the key reaches the command's shortcut
            return true;
        }
    }
    ++userEvents_;
    const bool handled = QLineEdit::event(event);
    --userEvents_;
    return handled;
}

} // namespace orlevan
