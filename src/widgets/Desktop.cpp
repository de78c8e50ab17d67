#include "widgets/Desktop.h"

#include <QScreen>
#include <QWidget>

namespace orlevan {

void centreOnDesktop(QWidget* window) {
    if (const QScreen* screen = window->screen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

} // namespace orlevan
