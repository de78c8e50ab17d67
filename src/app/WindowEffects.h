#pragma once

#include "app/EffectSteps.h"

#include <QRect>
#include <vector>

namespace orlevan {

class TForm1;

// What the window effects do to the main window: the jitter of the intro,
// the creeping and shrinking of the closing animation, and the full-screen
// layout with its way back.
class WindowEffects {
public:
    explicit WindowEffects(TForm1& form) : form_(form) {}

    // Moves the window through `spots`, each shown for a moment, without
    // handling any other event meanwhile.
    void jitter(const std::vector<ScreenSpot>& spots);
    // Centres the window on the desktop, as at its first showing.
    void centre();

    // One step of the closing animation.
    void creepAndShrink();
    // Back to the size and place the window had before the animation.
    void undoClosing();

    // Maximised, with the pane and the input line stretched over it.
    void enterFullScreen();
    // The layout stretched over the window as it now is.
    void stretch();
    // The designed size, place and layout.
    void leaveFullScreen();

private:
    void setClientFixed(bool fixed);
    void apply(const PaneLayout& layout);

    TForm1& form_;
    // Where the window stood (its frame's corner) and its size.
    QRect normalGeometry_;
    QRect beforeClosing_;
    bool closing_ = false;
};

} // namespace orlevan
