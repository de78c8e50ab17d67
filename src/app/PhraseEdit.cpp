#include "app/PhraseEdit.h"

#include "platform/format/Cp1251.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QStringList>
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
            } else if (byte) {
                edit_->refusedControls_ = true;
            } else if (!edit_->refused_.contains(codePoint)) {
                edit_->refused_.append(codePoint);
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

// At most this many refused characters are named; the rest are counted.
constexpr qsizetype kNamedCharacters = 3;

// «😀» (U+1F600): the code as well, since the line's font may have no picture
// for the character.
QString named(char32_t codePoint) {
    const QString code =
        QString::number(static_cast<uint>(codePoint), 16).toUpper().rightJustified(4, u'0');
    return QStringLiteral("«%1» (U+%2)").arg(QString::fromUcs4(&codePoint, 1), code);
}

QString refusalNote(const QList<char32_t>& outside, bool controls) {
    QStringList sentences;
    if (outside.size() == 1) {
        sentences << QStringLiteral("Символ %1 не входит в кодировку Windows-1251 и убран.")
                         .arg(named(outside.front()));
    } else if (!outside.isEmpty()) {
        QStringList names;
        for (qsizetype i = 0; i < std::min(outside.size(), kNamedCharacters); ++i) {
            names << named(outside[i]);
        }
        QString list = names.join(QStringLiteral(", "));
        if (outside.size() > kNamedCharacters) {
            list += QStringLiteral(" и ещё %1").arg(outside.size() - kNamedCharacters);
        }
        sentences
            << QStringLiteral("Символы %1 не входят в кодировку Windows-1251 и убраны.").arg(list);
    }
    if (controls) {
        sentences << QStringLiteral(
            "Управляющие символы (табуляция, перевод строки) во фразе не хранятся и убраны.");
    }
    return sentences.join(u' ');
}

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
    // An edit that was refused whole still ends here, with the text unchanged.
    connect(this, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (text != before_) {
            before_ = text;
            hideNote();
            emit phraseChanged();
        }
        noteRefusals();
    });
}

// A note in the window just above the line (below it when there is no room),
// in the colours of a tooltip. Not a tooltip itself: Qt takes those away at
// the release of the very key that typed the character; not a message box,
// which would stop the typing; not the status bar, whose first panel belongs
// to word completion.
void PhraseEdit::noteRefusals() {
    if (refused_.isEmpty() && !refusedControls_) {
        return;
    }
    const QString text = refusalNote(refused_, refusedControls_);
    refused_.clear();
    refusedControls_ = false;
    QWidget* host = window();
    if (!note_) {
        note_ = new QLabel(host);
        note_->setObjectName(QStringLiteral("InputNote"));
        note_->setTextFormat(Qt::PlainText);
        note_->setFrameStyle(QFrame::Box | QFrame::Plain);
        note_->setMargin(2);
        note_->setAutoFillBackground(true);
        note_->setAttribute(Qt::WA_TransparentForMouseEvents);
        QPalette colours = note_->palette();
        colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
        colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
        note_->setPalette(colours);
    }
    note_->setText(text);
    // One line as long as the window allows, wrapped only beyond that.
    note_->setWordWrap(false);
    const int oneLine = note_->sizeHint().width();
    note_->setWordWrap(true);
    const QPoint line = host == this ? QPoint() : mapTo(host, QPoint());
    const int width = std::max(1, std::min(oneLine, host->width() - line.x() - 2));
    const int height = note_->heightForWidth(width);
    int top = line.y() - height - 2;
    if (top < 0) {
        top = line.y() + this->height() + 2;
    }
    note_->setGeometry(line.x(), top, width, height > 0 ? height : note_->sizeHint().height());
    note_->raise();
    note_->show();
}

void PhraseEdit::hideNote() {
    if (note_) {
        note_->hide();
    }
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
