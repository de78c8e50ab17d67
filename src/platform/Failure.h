#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace orlevan {

// The one failure type of the program. Its message is exactly what the user
// reads in the error box, in the words the original platform routines used,
// so every layer throws it and only the front end's guard shows it.
class Failure : public std::runtime_error {
public:
    explicit Failure(const std::string& message) : std::runtime_error(message) {}

    // `name` is the file name as the program spells it ("Base\Words.dat").
    static Failure cannotOpen(std::string_view name);
    static Failure cannotCreate(std::string_view name);
    static Failure notInteger(std::string_view text);
    static Failure indexOutOfBounds(long long index);
    static Failure failedToLoadStream();
    static Failure failedToSaveStream();
};

} // namespace orlevan
