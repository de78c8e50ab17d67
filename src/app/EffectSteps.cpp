#include "app/EffectSteps.h"

#include "platform/format/Casing.h"
#include "platform/system/Random.h"

namespace orlevan {
namespace {

// A number drawn as 1 + random(below) until it is at least `least`: uniform
// over least .. below.
int drawAtLeast(Random& random, int least, int below) {
    int value = 0;
    while (value < least) {
        value = random.below(below) + 1;
    }
    return value;
}

} // namespace

bool introSwitchedOff(std::string_view setting) {
    return casing::upper(setting) == "NO";
}

std::vector<ScreenSpot> drawIntroMoves(Random& random) {
    const int moves = drawAtLeast(random, 125, 250);
    std::vector<ScreenSpot> spots;
    spots.reserve(static_cast<std::size_t>(moves));
    for (int move = 0; move < moves; ++move) {
        const int left = drawAtLeast(random, 95, 105);
        const int top = drawAtLeast(random, 95, 105);
        spots.push_back({left, top});
    }
    return spots;
}

PaneLayout stretchedLayout(int width, int height) {
    return {
        .tabControl1Width = width - 4,
        .tabControl1Height = height - 92,
        .re1Width = width - 11,
        .re1Height = height - 101,
        .tabControl2Width = width - 5,
        .tabControl2Top = height - 93,
        .speakLeft = width - 93,
        .enRusLeft = width - 136,
        .cancelLeft = width - 163,
        .inputWidth = width - 167,
    };
}

PaneLayout normalLayout() {
    return {
        .tabControl1Width = 588,
        .tabControl1Height = 313,
        .re1Width = 581,
        .re1Height = 305,
        .tabControl2Width = 585,
        .tabControl2Top = 312,
        .speakLeft = 496,
        .enRusLeft = 453,
        .cancelLeft = 426,
        .inputWidth = 422,
    };
}

} // namespace orlevan
