#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <sys/types.h>

namespace orlevan::test {

// A running `orlevan-cli chat --no-remarks` in a working folder, talked to
// through pipes as a script talks to it: one line in, one line out per turn.
// Its standard error goes to a file, read once it has ended.
class ChatProcess {
public:
    struct Limits {
        // Largest file the process may write, in bytes (RLIMIT_FSIZE): a
        // save that needs more fails as on a full disk.
        std::optional<long> fileSize;
    };

    ChatProcess(const std::filesystem::path& where, unsigned seed, Limits limits = {});
    ~ChatProcess();
    ChatProcess(const ChatProcess&) = delete;
    ChatProcess& operator=(const ChatProcess&) = delete;

    // Sends one line; false when the process no longer reads.
    bool say(std::string_view utf8Line);
    // The next line of output, or nothing when none comes within `millis`.
    std::optional<std::string> reply(int millis = 10'000);

    void kill();
    // Closes the input and waits for the end: the exit status, or -1 after a signal.
    int finish();
    // What it wrote to standard error, once it has ended.
    std::string errors() const;

private:
    pid_t pid_ = -1;
    int in_ = -1;
    int out_ = -1;
    std::filesystem::path errPath_;
    std::string pending_;
};

} // namespace orlevan::test
