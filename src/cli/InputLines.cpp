#include "cli/InputLines.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>
#include <unistd.h>

namespace orlevan::cli {

bool InputLines::takeLine(std::string& line) {
    const auto end = pending_.find('\n');
    if (end == std::string::npos) {
        if (!ended_ || pending_.empty()) {
            return false;
        }
        line.swap(pending_);
        pending_.clear();
        return true;
    }
    line.assign(pending_, 0, end);
    pending_.erase(0, end + 1);
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return true;
}

bool InputLines::fill(std::optional<Time> deadline) {
    if (deadline) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(
            *deadline - std::chrono::steady_clock::now());
        pollfd ready{fd_, POLLIN, 0};
        const int waited =
            ::poll(&ready, 1, static_cast<int>(std::max<long long>(left.count(), 0)));
        // A signal that cuts the wait short counts as the deadline: the
        // caller looks at the clock and waits again.
        if (waited == 0 || (waited < 0 && errno == EINTR)) {
            return false;
        }
    }
    char chunk[1 << 16];
    const ssize_t got = ::read(fd_, chunk, sizeof chunk);
    if (got > 0) {
        pending_.append(chunk, static_cast<std::size_t>(got));
    } else if (got == 0 || errno != EINTR) {
        // End of input, or input that can no longer be read: either way no more lines come.
        ended_ = true;
    }
    return true;
}

InputLines::Next InputLines::next(std::string& line, std::optional<Time> deadline) {
    while (!takeLine(line)) {
        if (ended_) {
            return Next::End;
        }
        if (!fill(deadline)) {
            return Next::Timeout;
        }
    }
    return Next::Line;
}

} // namespace orlevan::cli
