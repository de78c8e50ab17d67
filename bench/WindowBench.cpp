// The main window's cost to a user, measured on the window in a process of
// its own, started as the program starts it, under a real display (Xvfb
// will do):
//   StartUp       from the process's start to the first paint of the main
//                 window; its floor FloorStartUp is a bare Qt window of the
//                 same size started the same way, in the same run.
//   IdleWindow    over --idle-seconds (60 by default) of an idle main window
//                 with a dialogue in its pane, the intro effect off and
//                 "Speed Word" on: its share of one core and its wake-ups per
//                 second (voluntary context switches of all its threads), as
//                 counters; IdleBareWindow is the bare window, with a line
//                 edit, idling as long. Each in the background (/inactive)
//                 and as the active window (/active), where the focused
//                 line's caret blinks.
// Run: DISPLAY=:N build/bench/window_bench [--idle-seconds=S] [benchmark flags]

#include "FloorReporter.h"
#include "app/PhraseEdit.h"
#include "app/Program.h"
#include "platform/format/SettingsTable.h"
#include "platform/system/Clock.h"
#include "platform/system/Folder.h"
#include "platform/system/Random.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <QToolButton>
#include <cerrno>
#include <chrono>
#include <clocale>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr const char* kChildFlag = "--window-bench-child=";
int idleSeconds = 60;
std::string self;

std::int64_t monotonicNanos() {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

// ---- The child: one window, reporting on standard output. -----------------

// Reports the moment of the first paint of `window`, then `ready` once
// `settle` has run.
class FirstPaint : public QObject {
public:
    FirstPaint(QWidget& window, std::function<void()> settle)
        : window_(window), settle_(std::move(settle)) {
        qApp->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == &window_) {
            std::printf("painted %lld\n", static_cast<long long>(monotonicNanos()));
            std::fflush(stdout);
            qApp->removeEventFilter(this);
            QTimer::singleShot(0, [this] {
                settle_();
                std::printf("ready\n");
                std::fflush(stdout);
            });
        }
        return false;
    }

private:
    QWidget& window_;
    std::function<void()> settle_;
};

// `kind` is "orlevan" or "bare", followed by "-active" when the window is
// to be the active one, its line taking the keys with a blinking caret.
int runChild(const std::string& kind, int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Orlevan"));
    const bool active = kind.ends_with("-active");
    if (kind.starts_with("bare")) {
        QWidget window;
        window.setFixedSize(587, 361);
        auto* line = new QLineEdit(&window);
        line->setGeometry(3, 317, 422, 21);
        FirstPaint watch(window, [&window, line, active] {
            line->setFocus();
            if (active) {
                window.activateWindow();
            }
        });
        window.show();
        return QApplication::exec();
    }
    std::setlocale(LC_TIME, "");
    orlevan::SystemClock clock;
    orlevan::SystemRandom random;
    orlevan::Program program(orlevan::Folder(fs::current_path()), clock, random);
    orlevan::TForm1& window = program.form1;
    FirstPaint watch(window, [&window, active] {
        // A phrase said and completion switched on, as the user would.
        window.findChild<QLineEdit*>("Input")->setText(QStringLiteral("Привет"));
        QMetaObject::invokeMethod(window.findChild<QTimer*>("T1"), "timeout");
        window.findChild<QToolButton*>("Speak")->click();
        window.findChild<QAction*>("N24")->trigger();
        if (active) {
            window.activateWindow();
        }
    });
    window.show();
    return QApplication::exec();
}

// ---- The parent: starts children and reads /proc. --------------------------

// A scratch working folder: the shipped data with the intro effect off.
class WorkFolder {
public:
    WorkFolder() {
        char pattern[] = "/tmp/orlevan-window-bench-XXXXXX";
        path_ = ::mkdtemp(pattern);
        fs::copy(ORLEVAN_SHIPPED_DATA, path_, fs::copy_options::recursive);
        const orlevan::Folder folder(path_);
        orlevan::SettingsTable settings;
        settings.load(folder);
        settings.setValue(3, "No");
        settings.save(folder);
    }
    ~WorkFolder() { fs::remove_all(path_); }
    const fs::path& path() const { return path_; }

private:
    fs::path path_;
};

class Child {
public:
    Child(const std::string& kind, const fs::path& where) {
        int out[2];
        if (::pipe(out) != 0) {
            throw std::runtime_error("no pipe");
        }
        started_ = monotonicNanos();
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            // Qt's notes about the missing sound device would only hide the figures.
            const int quiet = ::open("/dev/null", O_WRONLY);
            ::dup2(quiet, STDERR_FILENO);
            ::close(out[0]);
            ::close(out[1]);
            if (::chdir(where.c_str()) != 0) {
                ::_exit(127);
            }
            const std::string flag = kChildFlag + kind;
            ::execl(self.c_str(), self.c_str(), flag.c_str(), nullptr);
            ::_exit(127);
        }
        ::close(out[1]);
        out_ = ::fdopen(out[0], "r");
    }
    ~Child() {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        std::fclose(out_);
    }

    // The next line the child reports; empty when it has gone.
    std::string report() {
        char line[256];
        if (!std::fgets(line, sizeof line, out_)) {
            return {};
        }
        return std::string(line, std::strcspn(line, "\n"));
    }
    // Seconds from the fork to the first paint.
    double secondsToFirstPaint() {
        const std::string line = report();
        long long painted = 0;
        if (std::sscanf(line.c_str(), "painted %lld", &painted) != 1) {
            throw std::runtime_error("the window never painted: " + line);
        }
        return static_cast<double>(painted - started_) / 1e9;
    }
    pid_t pid() const { return pid_; }

private:
    pid_t pid_ = -1;
    FILE* out_ = nullptr;
    std::int64_t started_ = 0;
};

struct Usage {
    double processorSeconds = 0;
    long wakeUps = 0;
};

// Processor time and voluntary context switches of all the process's
// threads: each such switch is a sleep the thread was woken from.
Usage usageOf(pid_t pid) {
    Usage usage;
    for (const auto& task : fs::directory_iterator("/proc/" + std::to_string(pid) + "/task")) {
        // The first field is the nanoseconds the thread has run.
        std::ifstream schedstat(task.path() / "schedstat");
        unsigned long long ran = 0;
        schedstat >> ran;
        usage.processorSeconds += static_cast<double>(ran) / 1e9;
        std::ifstream status(task.path() / "status");
        for (std::string line; std::getline(status, line);) {
            if (line.rfind("voluntary_ctxt_switches:", 0) == 0) {
                usage.wakeUps += std::stol(line.substr(line.find(':') + 1));
            }
        }
    }
    return usage;
}

void StartUp(benchmark::State& state, const std::string& kind) {
    const WorkFolder folder;
    for (auto _ : state) {
        Child child(kind, folder.path());
        state.SetIterationTime(child.secondsToFirstPaint());
    }
}

void Idle(benchmark::State& state, const std::string& kind) {
    const WorkFolder folder;
    for (auto _ : state) {
        Child child(kind, folder.path());
        child.secondsToFirstPaint();
        if (child.report() != "ready") {
            state.SkipWithError("the window did not settle");
            return;
        }
        // The reply's own work (its sound, the follow-up remark) is not idling.
        std::this_thread::sleep_for(std::chrono::seconds(3));
        const Usage before = usageOf(child.pid());
        std::this_thread::sleep_for(std::chrono::seconds(idleSeconds));
        const Usage after = usageOf(child.pid());
        state.SetIterationTime(idleSeconds);
        state.counters["cpu_percent"] =
            100.0 * (after.processorSeconds - before.processorSeconds) / idleSeconds;
        state.counters["wakeups_per_s"] =
            static_cast<double>(after.wakeUps - before.wakeUps) / idleSeconds;
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strncmp(argv[1], kChildFlag, std::strlen(kChildFlag)) == 0) {
        return runChild(argv[1] + std::strlen(kChildFlag), argc, argv);
    }
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) {
        std::fprintf(stderr, "window_bench needs a display (DISPLAY=:N with Xvfb will do)\n");
        return 1;
    }
    self = fs::read_symlink("/proc/self/exe");
    for (int i = 1; i < argc; ++i) {
        if (std::sscanf(argv[i], "--idle-seconds=%d", &idleSeconds) == 1) {
            std::copy(argv + i + 1, argv + argc, argv + i);
            --argc;
            break;
        }
    }
    for (const auto& [name, kind] : {std::pair{"StartUp", "orlevan"}, {"FloorStartUp", "bare"}}) {
        benchmark::RegisterBenchmark(name, StartUp, kind)
            ->UseManualTime()
            ->Iterations(10)
            ->Unit(benchmark::kMillisecond);
    }
    for (const char* state : {"inactive", "active"}) {
        for (const auto& [name, kind] :
             {std::pair{"IdleWindow/", "orlevan"}, {"IdleBareWindow/", "bare"}}) {
            const std::string child =
                std::string(kind) + (state == std::string("active") ? "-active" : "");
            benchmark::RegisterBenchmark((name + std::string(state)).c_str(), Idle, child)
                ->UseManualTime()
                ->Iterations(1)
                ->Unit(benchmark::kSecond);
        }
    }
    return orlevan::bench::runWithFloors(argc, argv);
}
