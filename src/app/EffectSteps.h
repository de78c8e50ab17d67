#pragma once

#include <string_view>
#include <vector>

namespace orlevan {

class Random;

// What the window effects do, apart from doing it to a window.

// The intro effect is off when the settings say "NO" in any case, exactly.
bool introSwitchedOff(std::string_view setting);

struct ScreenSpot {
    int left = 0;
    int top = 0;
};

// The places the window jitters through before it settles in the centre:
// 125 to 250 of them, each 95 to 105 pixels from the desktop's top left corner.
std::vector<ScreenSpot> drawIntroMoves(Random& random);

// The closing animation: each tick moves the window up and to the left and
// shrinks it; the sound starts on the tenth tick and the program ends on the
// eightieth.
struct ClosingAnimation {
    static constexpr int kLastTick = 80;
    static constexpr int kFirstSoundTick = 10;
    static constexpr int kUp = 2;
    static constexpr int kLeft = 3;
    static constexpr int kNarrower = 10;
    static constexpr int kLower = 8;
};

// Where the full-screen switch puts the dialogue pane, the input line and its
// buttons.
struct PaneLayout {
    int tabControl1Width = 0;
    int tabControl1Height = 0;
    int re1Width = 0;
    int re1Height = 0;
    int tabControl2Width = 0;
    int tabControl2Top = 0;
    int speakLeft = 0;
    int enRusLeft = 0;
    int cancelLeft = 0;
    int inputWidth = 0;

    bool operator==(const PaneLayout&) const = default;
};

// Stretched over a window whose outer size is `width` x `height`.
PaneLayout stretchedLayout(int width, int height);

// The designed layout, back from full screen; the pane comes back one pixel
// taller than it started.
PaneLayout normalLayout();

} // namespace orlevan
