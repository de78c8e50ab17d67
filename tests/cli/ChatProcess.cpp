#include "ChatProcess.h"

#include "support/TestSupport.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orlevan::test {
namespace {

namespace fs = std::filesystem;

[[noreturn]] void becomeChat(const fs::path& where, unsigned seed,
                             const ChatProcess::Limits& limits, int in, int out,
                             const fs::path& errPath) {
    const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    if (err < 0 || ::dup2(in, STDIN_FILENO) < 0 || ::dup2(out, STDOUT_FILENO) < 0 ||
        ::dup2(err, STDERR_FILENO) < 0 || ::chdir(where.c_str()) != 0) {
        ::_exit(127);
    }
    if (limits.fileSize) {
        // The signal a write past the limit raises stays at its default: the
        // program itself must turn it into a failed write.
        std::signal(SIGXFSZ, SIG_DFL);
        const rlimit size{static_cast<rlim_t>(*limits.fileSize),
                          static_cast<rlim_t>(*limits.fileSize)};
        if (::setrlimit(RLIMIT_FSIZE, &size) != 0) {
            ::_exit(127);
        }
    }
    const std::string seedText = std::to_string(seed);
    const char* argv[] = {ORLEVAN_CLI, "chat", "--no-remarks", "--seed", seedText.c_str(), nullptr};
    ::execv(ORLEVAN_CLI, const_cast<char* const*>(argv));
    ::_exit(127);
}

} // namespace

ChatProcess::ChatProcess(const fs::path& where, unsigned seed, Limits limits) {
    char pattern[] = "/tmp/orlevan-chat-err-XXXXXX";
    const int errFile = ::mkstemp(pattern);
    if (errFile < 0) {
        throw std::runtime_error("no file for standard error");
    }
    ::close(errFile);
    errPath_ = pattern;
    int toChild[2];
    int fromChild[2];
    if (::pipe2(toChild, O_CLOEXEC) != 0 || ::pipe2(fromChild, O_CLOEXEC) != 0) {
        throw std::runtime_error("no pipe");
    }
    pid_ = ::fork();
    if (pid_ < 0) {
        throw std::runtime_error("cannot start orlevan-cli");
    }
    if (pid_ == 0) {
        becomeChat(where, seed, limits, toChild[0], fromChild[1], errPath_);
    }
    ::close(toChild[0]);
    ::close(fromChild[1]);
    in_ = toChild[1];
    out_ = fromChild[0];
}

ChatProcess::~ChatProcess() {
    if (pid_ > 0) {
        kill();
    }
    if (in_ >= 0) {
        ::close(in_);
    }
    ::close(out_);
    std::error_code ignored;
    fs::remove(errPath_, ignored);
}

bool ChatProcess::say(std::string_view utf8Line) {
    const std::string line = std::string(utf8Line) + "\n";
    // A child that has died must not take the test with SIGPIPE.
    std::signal(SIGPIPE, SIG_IGN);
    return ::write(in_, line.data(), line.size()) == static_cast<ssize_t>(line.size());
}

std::optional<std::string> ChatProcess::reply(int millis) {
    while (true) {
        if (const auto end = pending_.find('\n'); end != std::string::npos) {
            std::string line = pending_.substr(0, end);
            pending_.erase(0, end + 1);
            return line;
        }
        pollfd ready{out_, POLLIN, 0};
        if (::poll(&ready, 1, millis) != 1) {
            return std::nullopt;
        }
        char chunk[4096];
        const ssize_t n = ::read(out_, chunk, sizeof chunk);
        if (n <= 0) {
            return std::nullopt;
        }
        pending_.append(chunk, static_cast<std::size_t>(n));
    }
}

void ChatProcess::kill() {
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = -1;
}

int ChatProcess::finish() {
    ::close(in_);
    in_ = -1;
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string ChatProcess::errors() const {
    return readFile(errPath_);
}

} // namespace orlevan::test
