#pragma once

class QColor;
class QRect;
class QString;
class QToolButton;
class QWidget;

namespace orlevan {

// The background of a window, frame or text field.
void setBackground(QWidget* widget, const QColor& colour);
// The colour of a button's caption, a label or a field's text while it is
// enabled; disabled, it is drawn greyed as the desktop draws it.
void setTextColour(QWidget* widget, const QColor& colour);

// A flat button that never takes the focus from the input line.
QToolButton* flatButton(QWidget* parent, const QString& caption, const QRect& place);

} // namespace orlevan
