#pragma once

#include <QLineEdit>

namespace orlevan {

// The input line: it takes only what Windows-1251 can store. A typed
// character outside the code page is not inserted; pasted or dropped text
// keeps its representable characters. So no phrase ever carries a character
// that the knowledge base could not hold.
class PhraseEdit : public QLineEdit {
    Q_OBJECT

public:
    static constexpr int kMaxLength = 255;

    explicit PhraseEdit(QWidget* parent = nullptr);

protected:
    // A key that is one of the window's commands (Ctrl+Z, the cancel) goes
    // to the command while it is enabled, not to the line's own editing.
    bool event(QEvent* event) override;
};

} // namespace orlevan
