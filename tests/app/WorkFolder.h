#pragma once

#include "app/Program.h"
#include "support/TestSupport.h"

#include <QStringList>
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

// What a test of the main window starts it with: a fixed clock, scripted
// random draws, and the error boxes it shows recorded instead.
class WindowSession {
protected:
    // A run of the program on `folder`, its main window shown with this
    // run's header in the record; the run before it ends.
    TForm1& start(const WorkFolder& folder);
    // Types a phrase and presses the button, as the user would.
    static void say(TForm1& form, const QString& phrase);

    FixedClock clock;
    ScriptedRandom random;
    QStringList boxes;
    std::unique_ptr<Program> program;
};

} // namespace orlevan::test
