#pragma once

class QTimer;
class QWidget;

namespace orlevan {

// How the About window, the keyboard and the external-file dialog take over
// from the main window: the state timer stops first (each of its ticks would
// pull the focus back to the input line), the main window stops taking
// input, and the secondary window shows. Closing reverses the steps.
void openSecondary(QWidget* mainWindow, QTimer* timer, QWidget* secondary);
void closeSecondary(QWidget* mainWindow, QTimer* timer, QWidget* secondary);

} // namespace orlevan
