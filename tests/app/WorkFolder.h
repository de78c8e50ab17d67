#pragma once

#include "TestSupport.h"

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

} // namespace orlevan::test

class QWidget;
class QString;

namespace orlevan::test {

// Types `text` into `widget` key by key, as a keyboard with any layout would.
void typeText(QWidget* widget, const QString& text);

} // namespace orlevan::test
