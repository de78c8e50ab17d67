#include "app/WindowEffects.h"

#include "app/DialogPane.h"
#include "app/PhraseEdit.h"
#include "app/TForm1.h"
#include "widgets/Desktop.h"

#include <QApplication>
#include <QFrame>
#include <QMenuBar>
#include <QScreen>
#include <QThread>
#include <QToolButton>

namespace orlevan {
namespace {

// Each place of the jitter stays on screen this long, so the eye sees a
// jitter rather than a jump; 125 to 250 places take half a second to a second.
constexpr unsigned long kJitterPauseMs = 4;

// The full-screen layout counts from the window's outer size as measured with
// a frame, caption and menu that take this much room around the client area.
constexpr QSize kMeasuredFrame(6, 44);

} // namespace

void WindowEffects::jitter(const std::vector<ScreenSpot>& spots) {
    for (const ScreenSpot& spot : spots) {
        form_.move(spot.left, spot.top);
        QThread::msleep(kJitterPauseMs);
    }
}

void WindowEffects::centre() {
    centreOnDesktop(&form_);
}

void WindowEffects::creepAndShrink() {
    if (!closing_) {
        beforeClosing_ = {form_.pos(), form_.size()};
        closing_ = true;
    }
    const QSize smaller =
        (form_.size() - QSize(ClosingAnimation::kNarrower, ClosingAnimation::kLower))
            .expandedTo(QSize(1, 1));
    form_.setFixedSize(smaller);
    form_.move(form_.pos() - QPoint(ClosingAnimation::kLeft, ClosingAnimation::kUp));
}

void WindowEffects::undoClosing() {
    if (!closing_) {
        return;
    }
    form_.setFixedSize(beforeClosing_.size());
    form_.move(beforeClosing_.topLeft());
    closing_ = false;
}

void WindowEffects::enterFullScreen() {
    normalGeometry_ = {form_.pos(), form_.size()};
    setClientFixed(false);
    // A desktop without a window manager does not maximise by itself.
    if (const QScreen* screen = form_.screen()) {
        form_.setGeometry(screen->availableGeometry());
    }
    form_.showMaximized();
    stretch();
}

void WindowEffects::stretch() {
    const QSize client(form_.width(), form_.height() - form_.menuBar()->height());
    const QSize outer = client + kMeasuredFrame;
    apply(stretchedLayout(outer.width(), outer.height()));
}

void WindowEffects::leaveFullScreen() {
    form_.showNormal();
    setClientFixed(true);
    form_.setFixedSize(normalGeometry_.size());
    form_.move(normalGeometry_.topLeft());
    apply(normalLayout());
}

void WindowEffects::setClientFixed(bool fixed) {
    QWidget* client = form_.centralWidget();
    if (fixed) {
        client->setFixedSize(kMainClientSize);
        return;
    }
    client->setMinimumSize(0, 0);
    client->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    form_.setMinimumSize(0, 0);
    form_.setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

void WindowEffects::apply(const PaneLayout& layout) {
    form_.TabControl1->resize(layout.tabControl1Width, layout.tabControl1Height);
    form_.RE1->resize(layout.re1Width, layout.re1Height);
    QFrame* lower = form_.TabControl2;
    lower->setGeometry(lower->x(), layout.tabControl2Top, layout.tabControl2Width, lower->height());
    form_.Speak->move(layout.speakLeft, form_.Speak->y());
    form_.EnRus->move(layout.enRusLeft, form_.EnRus->y());
    form_.Cancel->move(layout.cancelLeft, form_.Cancel->y());
    form_.Input->resize(layout.inputWidth, form_.Input->height());
}

} // namespace orlevan
