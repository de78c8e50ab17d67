#include "cli/TerminalFrontEnd.h"

#include "cli/TerminalText.h"

namespace orlevan::cli {

TerminalFrontEnd::TerminalFrontEnd(std::ostream& out, std::string mark, FollowUp followUp)
    : out_(out), mark_(std::move(mark)), followUp_(std::move(followUp)) {}

void TerminalFrontEnd::keep(const std::string& line) {
    previous_ = std::move(last_);
    last_ = line;
}

void TerminalFrontEnd::say(const std::string& remark) {
    printLine(out_, mark_ + remark);
    keep(remark);
}

void TerminalFrontEnd::showUserPhrase(const std::string& phrase) {
    keep(phrase);
}

void TerminalFrontEnd::showReply(const std::string& reply) {
    say(reply);
    replied_ = true;
}

void TerminalFrontEnd::setFollowUp(bool armed) {
    if (followUp_) {
        followUp_(armed);
    }
}

} // namespace orlevan::cli
