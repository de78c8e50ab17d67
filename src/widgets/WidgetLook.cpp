#include "WidgetLook.h"

#include <QPalette>
#include <QToolButton>
#include <QWidget>

namespace orlevan {

void setBackground(QWidget* widget, const QColor& colour) {
    // Windows and frames paint the Window role, text fields the Base role.
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Base, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::ButtonText, colour);
    palette.setColor(QPalette::Text, colour);
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QToolButton* flatButton(QWidget* parent, const QString& caption, const QRect& place) {
    auto* button = new QToolButton(parent);
    button->setText(caption);
    button->setGeometry(place);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace orlevan
