#pragma once

#include <QTextEdit>

namespace orlevan {

// The dialogue pane: one centred paragraph per phrase, each in the colour and
// font of its speaker, wrapped to the pane's width. Its lines are the lines
// as displayed, so a phrase wider than the pane counts as two or more.
class DialogPane : public QTextEdit {
    Q_OBJECT

public:
    explicit DialogPane(QWidget* parent = nullptr);

    // The format the next appended line takes.
    void setInsertionFormat(const QColor& color, const QFont& font);
    void setInsertionColor(const QColor& color);
    QFont insertionFont() const { return insertion_.font(); }
    void setInsertionFont(const QFont& font) { insertion_.setFont(font); }
    void appendLine(const QString& text);
    // Removes the last line as displayed: of a wrapped phrase, its last piece.
    void removeLastLine();

    int lineCount() const;
    // The text of displayed line `index`; the empty text outside the pane.
    QString lineText(int index) const;
    bool isEmpty() const;

private:
    QTextCharFormat insertion_;
};

} // namespace orlevan
