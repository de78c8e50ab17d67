#include "widgets/SecondaryWindow.h"

#include "widgets/RestingTimer.h"

#include <QTimer>
#include <QWidget>

namespace orlevan {

void openSecondary(QWidget* mainWindow, QTimer* timer, QWidget* secondary) {
    timer->stop();
    mainWindow->setEnabled(false);
    secondary->show();
    secondary->setEnabled(true);
    secondary->activateWindow();
}

void closeSecondary(QWidget* mainWindow, QTimer* timer, QWidget* secondary) {
    resting::switchOn(timer);
    mainWindow->setEnabled(true);
    secondary->hide();
    mainWindow->activateWindow();
}

} // namespace orlevan
