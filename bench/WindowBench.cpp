// The main window's cost to a user: how long it takes from start to the
// first painted window, beside a bare Qt window started the same way in the
// same run (the floor), and how much processor an idle window uses over ten
// seconds. Run it under a real display (Xvfb will do) in a working folder:
//   cd <copy of data/> && xvfb-run build/bench/window_bench

#include "Clock.h"
#include "Folder.h"
#include "Random.h"
#include "TForm1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <sys/resource.h>

namespace {

// Waits until `window` has been painted once; returns the milliseconds since `started`.
double untilFirstPaint(QWidget& window, const QElapsedTimer& started) {
    struct PaintWatch : QObject {
        bool painted = false;
        bool eventFilter(QObject*, QEvent* event) override {
            painted = painted || event->type() == QEvent::Paint;
            return false;
        }
    } watch;
    qApp->installEventFilter(&watch);
    window.show();
    while (!watch.painted) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    qApp->removeEventFilter(&watch);
    return static_cast<double>(started.nsecsElapsed()) / 1e6;
}

double processorSeconds() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orlevan"));
    constexpr int kRounds = 5;
    double bare = 0;
    double orlevan = 0;
    orlevan::SystemClock clock;
    orlevan::SystemRandom random;
    const orlevan::Folder folder(std::filesystem::current_path());
    for (int round = 0; round < kRounds; ++round) {
        {
            QElapsedTimer started;
            started.start();
            QWidget window;
            window.setFixedSize(587, 361);
            bare += untilFirstPaint(window, started);
        }
        {
            QElapsedTimer started;
            started.start();
            orlevan::TForm1 window(folder, clock, random);
            orlevan += untilFirstPaint(window, started);
        }
    }
    std::printf("start-up to first paint (mean of %d): orlevan %.1f ms, bare Qt window %.1f ms "
                "(floor), ratio %.2fx\n",
                kRounds, orlevan / kRounds, bare / kRounds, orlevan / bare);

    orlevan::TForm1 window(folder, clock, random);
    QElapsedTimer started;
    started.start();
    untilFirstPaint(window, started);
    constexpr int kIdleSeconds = 10;
    QTimer::singleShot(1000, [&] {
        const double before = processorSeconds();
        QTimer::singleShot(kIdleSeconds * 1000, [&, before] {
            const double used = processorSeconds() - before;
            std::printf("idle main window: %.3f s of processor in %d s = %.2f%% of one core\n",
                        used, kIdleSeconds, 100.0 * used / kIdleSeconds);
            QApplication::quit();
        });
    });
    return QApplication::exec();
}
