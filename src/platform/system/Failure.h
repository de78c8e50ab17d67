#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace orlevan {

// `text` as a message may show it: each control character as '^' and a
// letter (NUL "^@", tab "^I", CR "^M", LF "^J", DEL "^?"), every other byte
// as it is. A message is a C string to whoever shows it, so a raw NUL would
// cut it short and a raw line end would break it.
std::string visibleText(std::string_view text);

// The one failure type of the program. Its message is exactly what the user
// reads in the error box, in the words the original platform routines used,
// so every layer throws it and only the front end's guard shows it.
class Failure : public std::runtime_error {
public:
    // Which of the designed failures this is. A file that cannot be opened
    // or made is one cause whatever its name, so a timer that fails on a new
    // name at every tick (a path being typed) fails for one cause.
    enum class Cause { CannotOpen, CannotCreate, Other };

    // The message keeps all of its text: control characters, a NUL included,
    // are shown in caret notation (see visibleText).
    explicit Failure(std::string_view message, Cause cause = Cause::Other)
        : std::runtime_error(visibleText(message)), cause_(cause) {}

    Cause cause() const { return cause_; }

    // `name` is the file name as the program spells it ("Base\Words.dat").
    static Failure cannotOpen(std::string_view name);
    static Failure cannotCreate(std::string_view name);
    static Failure notInteger(std::string_view text);
    static Failure indexOutOfBounds(long long index);
    static Failure failedToLoadStream();
    // The designed text followed by what the user can act on: which file, and
    // the system's reason ("No space left on device").
    static Failure failedToSaveStream(std::string_view name, int error);

private:
    Cause cause_;
};

} // namespace orlevan
