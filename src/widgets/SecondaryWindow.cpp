#include "SecondaryWindow.h"

#include <QTimer>
#include <QWidget>

namespace orlevan {

void openSecondary(QWidget* mainWindow, QTimer* stateTimer, QWidget* secondary) {
    stateTimer->stop();
    mainWindow->setEnabled(false);
    secondary->show();
    secondary->setEnabled(true);
    secondary->activateWindow();
}

void closeSecondary(QWidget* mainWindow, QTimer* stateTimer, QWidget* secondary) {
    stateTimer->start();
    mainWindow->setEnabled(true);
    secondary->hide();
    mainWindow->activateWindow();
}

} // namespace orlevan
