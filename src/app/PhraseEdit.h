#pragma once

#include <QLineEdit>
#include <QList>

class QLabel;

namespace orlevan {

// The input line: it takes only what Windows-1251 can store. A typed
// character outside the code page is not inserted; pasted or dropped text
// keeps its representable characters. So no phrase ever carries a character
// that the knowledge base could not hold. What was refused is named in a
// note at the line (object name "InputNote"), which the next change of the
// line takes away.
//
// What the user types, pastes or drops fills the line to at most 255
// characters; the program's own changes (setText from its handlers: F5's
// completion, the on-screen keyboard) may make it longer, and then typing
// adds nothing more.
class PhraseEdit : public QLineEdit {
    Q_OBJECT

public:
    static constexpr int kMaxLength = 255;

    explicit PhraseEdit(QWidget* parent = nullptr);

signals:
    // The text is now different. QLineEdit's textChanged also comes when an
    // edit was refused whole (a character the code page lacks, a key at the
    // limit) and the text is what it was.
    void phraseChanged();

protected:
    // A key that is one of the window's commands (Ctrl+Z, the cancel) goes
    // to the command while it is enabled, not to the line's own editing.
    bool event(QEvent* event) override;

private:
    // Names what the last edit refused in the note, if it refused anything.
    void noteRefusals();
    void hideNote();

    // The text as it stood before the edit now being validated.
    QString before_;
    // What edits refused since the note was last shown: characters outside
    // the code page, each once, and whether control characters were among them.
    QList<char32_t> refused_;
    bool refusedControls_ = false;
    QLabel* note_ = nullptr;
    // Inside an event of the line itself: a key, an input method, a drop, a
    // paste from its menu or the mouse. The program's setText comes from
    // handlers of other objects, never from here.
    int userEvents_ = 0;

    friend class Cp1251Validator;
};

} // namespace orlevan
