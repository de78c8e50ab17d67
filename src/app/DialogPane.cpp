#include "app/DialogPane.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

namespace orlevan {
namespace {

// Marks a block that holds a line, so that a single empty line still counts.
constexpr int kLineState = 1;

} // namespace

DialogPane::DialogPane(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // Both bars stand, as designed; the lines wrap, so the horizontal one
    // rests at its only position.
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setUndoRedoEnabled(false);
    // The selection stays visible when the focus goes back to the input line.
    QPalette colours = palette();
    colours.setColor(QPalette::Inactive, QPalette::Highlight,
                     colours.color(QPalette::Active, QPalette::Highlight));
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     colours.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(colours);
}

void DialogPane::setInsertionFormat(const QColor& color, const QFont& font) {
    insertion_.setForeground(color);
    insertion_.setFont(font);
}

void DialogPane::setInsertionColor(const QColor& color) {
    insertion_.setForeground(color);
}

bool DialogPane::isEmpty() const {
    return document()->isEmpty() && document()->begin().userState() != kLineState;
}

void DialogPane::appendLine(const QString& text) {
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    QTextBlockFormat centred;
    centred.setAlignment(Qt::AlignHCenter);
    if (isEmpty()) {
        cursor.setBlockFormat(centred);
    } else {
        cursor.insertBlock(centred);
    }
    cursor.block().setUserState(kLineState);
    cursor.setBlockCharFormat(insertion_);
    cursor.insertText(text, insertion_);
    setTextCursor(cursor);
    ensureCursorVisible();
}

void DialogPane::removeLastLine() {
    if (isEmpty()) {
        return;
    }
    const QTextBlock last = document()->lastBlock();
    document()->documentLayout()->blockBoundingRect(last);
    const int lines = last.layout()->lineCount();
    if (lines <= 1 && last == document()->firstBlock()) {
        clear();
        return;
    }
    QTextCursor cursor(document());
    const int end = last.position() + last.length() - 1;
    if (lines > 1) {
        cursor.setPosition(last.position() + last.layout()->lineAt(lines - 1).textStart());
    } else {
        // The whole paragraph goes, with the break that opened it.
        cursor.setPosition(last.position() - 1);
    }
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

int DialogPane::lineCount() const {
    if (isEmpty()) {
        return 0;
    }
    auto* layout = document()->documentLayout();
    int lines = 0;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        layout->blockBoundingRect(block); // lays the block out if it is not yet
        lines += std::max(1, block.layout()->lineCount());
    }
    return lines;
}

QString DialogPane::lineText(int index) const {
    if (index < 0 || isEmpty()) {
        return {};
    }
    auto* layout = document()->documentLayout();
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        layout->blockBoundingRect(block);
        const int lines = block.layout()->lineCount();
        if (index < std::max(1, lines)) {
            if (lines == 0) {
                return block.text();
            }
            const QTextLine line = block.layout()->lineAt(index);
            return block.text().mid(line.textStart(), line.textLength());
        }
        index -= std::max(1, lines);
    }
    return {};
}

} // namespace orlevan
