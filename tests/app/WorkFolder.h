#pragma once

#include "app/Program.h"
#include "support/TestSupport.h"

#include <QStringList>
#include <array>
#include <memory>
#include <string>
#include <string_view>

namespace orlevan::test {

// A working folder for a window test: the shipped sounds, settings (the intro
// switched off) and reply files, with a small phrase base and fallback files
// of our own.
class WorkFolder : public ScratchFolder {
public:
    WorkFolder();
    // Replaces row `row` (counted from 1) of Config.ini with `line`.
    void setConfigRow(int row, std::string_view line) const;
};

// Types `text` into `widget` key by key, as a keyboard with any layout would.
void typeText(QWidget* widget, const QString& text);

// The main window's components as a test reaches them: by their object
// names, under their design names. A name that is missing fails the test.
struct Parts {
    Parts() = default;
    explicit Parts(const TForm1& form);

    QFrame *TabControl1 = nullptr, *TabControl2 = nullptr;
    DialogPane* RE1 = nullptr;
    PhraseEdit* Input = nullptr;
    QToolButton *Cancel = nullptr, *EnRus = nullptr, *Speak = nullptr;
    QPushButton* Talk = nullptr;
    std::array<QLabel*, 3> SB1{};
    QAction *N1 = nullptr, *N2 = nullptr, *N3 = nullptr, *N4 = nullptr, *N5 = nullptr,
            *N6 = nullptr, *N9 = nullptr, *N11 = nullptr, *N12 = nullptr, *N13 = nullptr,
            *N15 = nullptr, *N16 = nullptr, *N18 = nullptr, *N19 = nullptr, *N20 = nullptr,
            *N21 = nullptr, *N22 = nullptr, *N23 = nullptr, *N24 = nullptr, *N25 = nullptr,
            *N36 = nullptr, *N38 = nullptr, *N40 = nullptr;
    QAction *User1 = nullptr, *Cpu1 = nullptr, *Mystring2 = nullptr, *User2 = nullptr,
            *Cpu2 = nullptr, *Mystring1 = nullptr, *CpuUser1 = nullptr, *Cpu31 = nullptr;
    QTimer *T1 = nullptr, *T2 = nullptr, *T3 = nullptr, *T4 = nullptr, *T5 = nullptr, *T6 = nullptr,
           *T7 = nullptr, *T8 = nullptr, *T9 = nullptr, *T10 = nullptr, *T11 = nullptr,
           *T12 = nullptr;
    Sound *MP1 = nullptr, *MP2 = nullptr, *MP3 = nullptr, *MP4 = nullptr, *MP5 = nullptr,
          *MP6 = nullptr;
};

// A tick of `timer` now, as its interval passing would give it; for the
// waits a test cannot afford and the ticks it wants one at a time.
void tick(QTimer* timer);

// What a test of the main window starts it with: a fixed clock, scripted
// random draws, and the error boxes it shows recorded instead.
class WindowSession {
protected:
    // A run of the program on `folder`, its main window shown with this
    // run's header in the record, and `ui` its parts; the run before it ends.
    TForm1& start(const WorkFolder& folder);
    // Types a phrase and presses the button, as the user would.
    void say(const QString& phrase) const;

    FixedClock clock;
    ScriptedRandom random;
    QStringList boxes;
    std::unique_ptr<Program> program;
    Parts ui;
};

} // namespace orlevan::test
