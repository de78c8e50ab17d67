#include "widgets/WidgetLook.h"

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

// Only the groups of an enabled widget: the disabled group keeps the
// desktop's grey, so a button that cannot be pressed still looks it.
void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        for (const auto role : {QPalette::ButtonText, QPalette::Text, QPalette::WindowText}) {
            palette.setColor(group, role, colour);
        }
    }
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
