#include "widgets/BusyCursor.h"

#include <QApplication>

namespace orlevan {

void showBusyCursor() {
    if (!QApplication::overrideCursor()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
}

void showDefaultCursor() {
    while (QApplication::overrideCursor()) {
        QApplication::restoreOverrideCursor();
    }
}

} // namespace orlevan
