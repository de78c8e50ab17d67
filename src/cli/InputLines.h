#pragma once

#include <chrono>
#include <optional>
#include <string>

namespace orlevan::cli {

// The lines of a file descriptor (standard input) as they arrive. A line ends
// at LF; a CR before it is dropped, so text from Windows editors reads the
// same. Waiting can be cut short, so that a dialogue can speak up on its own
// while nobody types.
class InputLines {
public:
    using Time = std::chrono::steady_clock::time_point;
    enum class Next { Line, Timeout, End };

    explicit InputLines(int fd) : fd_(fd) {}

    // The next whole line into `line`; waits at most until `deadline` when
    // one is given. A last line without its LF counts at the end of input.
    Next next(std::string& line, std::optional<Time> deadline = std::nullopt);

private:
    bool takeLine(std::string& line);
    // Reads what has arrived; false when the deadline passed first.
    bool fill(std::optional<Time> deadline);

    int fd_;
    std::string pending_;
    bool ended_ = false;
};

} // namespace orlevan::cli
