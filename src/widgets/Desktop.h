#pragma once

class QWidget;

namespace orlevan {

// Puts the window in the middle of its screen's free area.
void centreOnDesktop(QWidget* window);

} // namespace orlevan
