#include "cli/Chat.h"

#include "cli/DamageNotices.h"
#include "cli/Explanation.h"
#include "cli/InputLines.h"
#include "cli/KeptRecord.h"
#include "cli/TerminalText.h"
#include "engine/DialogueRecord.h"

#include <ostream>

namespace orlevan::cli {
namespace {

RemarkSchedule::Time now() {
    return std::chrono::steady_clock::now();
}

} // namespace

Chat::Chat(const Folder& folder, const Clock& clock, Random& random, Options options,
           std::ostream& out, std::ostream& err)
    : dialogue_(folder, clock, random),
      frontEnd_(out, "", [this](bool armed) { armFollowUp(armed); }), out_(out), err_(err),
      explain_(options.explain) {
    if (options.remarks) {
        schedule_.emplace(now());
    }
}

int Chat::run(InputLines& input) {
    writeRecordHeader(dialogue_);
    if (schedule_) {
        attempt("", [this] {
            if (const auto greeting = remarks_.greeting()) {
                frontEnd_.say(*greeting);
            }
        });
    }
    std::string line;
    for (int number = 1; !frontEnd_.closing() && nextLine(input, line); ++number) {
        if (!line.empty()) {
            take(line, number);
        }
    }
    failed_ = !keepRecord(dialogue_, err_) || failed_;
    tellDamage(dialogue_.context().folder, err_);
    if (!out_) {
        err_ << "The replies could not all be written to standard output.\n";
        failed_ = true;
    }
    return failed_ ? 1 : 0;
}

bool Chat::nextLine(InputLines& input, std::string& line) {
    while (true) {
        while (const auto timer = schedule_ ? schedule_->due(now()) : std::nullopt) {
            tick(*timer);
        }
        const auto deadline = schedule_ ? std::optional(schedule_->next()) : std::nullopt;
        const InputLines::Next next = input.next(line, deadline);
        if (next != InputLines::Next::Timeout) {
            return next == InputLines::Next::Line;
        }
    }
}

void Chat::armFollowUp(bool armed) {
    if (schedule_) {
        schedule_->setFollowUp(armed, now());
    }
}

void Chat::take(const std::string& utf8, int number) {
    const std::string where = "line " + std::to_string(number) + ": ";
    DecodedLine phrase = decodeLine(utf8);
    if (phrase.problem.empty()) {
        phrase.problem = phraseProblem(phrase.text);
    }
    frontEnd_.startTurn();
    if (!phrase.problem.empty()) {
        err_ << where << phrase.problem << "; the line is not taken as a phrase.\n" << std::flush;
        failed_ = true;
    } else {
        attempt(where, [&] {
            dialogue_.turn(std::move(phrase.text), frontEnd_.previousLine(), frontEnd_);
            if (explain_) {
                err_ << explanation(dialogue_, dialogue_.context().folder) << '\n' << std::flush;
            }
        });
    }
    // Without remarks a script reads one line for each line it wrote, so a
    // line that got no reply still gets its (empty) line.
    if (!schedule_ && !frontEnd_.replied()) {
        out_ << '\n' << std::flush;
    }
}

void Chat::tick(RemarkSchedule::Timer timer) {
    if (timer == RemarkSchedule::Timer::Pause) {
        attempt(
            "",
            [this] {
                if (const auto remark = remarks_.pauseTick()) {
                    frontEnd_.say(*remark);
                }
            },
            &pauseFailure_);
        return;
    }
    attempt(
        "",
        [this] {
            if (const auto remark =
                    remarks_.followUpTick(static_cast<int>(RemarkSchedule::kInterval.count()))) {
                frontEnd_.say(*remark);
                schedule_->setFollowUp(false, now());
            }
        },
        &followUpFailure_);
}

void Chat::attempt(const std::string& where, const std::function<void()>& step,
                   std::string* lastFailure) {
    std::string message;
    try {
        step();
    } catch (const std::exception& failure) {
        message = failureMessage(failure);
    }
    // What a load found damaged is news even when the step then failed.
    tellDamage(dialogue_.context().folder, err_);
    if (message.empty()) {
        if (lastFailure) {
            lastFailure->clear();
        }
        return;
    }
    failed_ = true;
    if (lastFailure) {
        if (*lastFailure == message) {
            return;
        }
        *lastFailure = message;
    }
    err_ << where << message << '\n' << std::flush;
}

} // namespace orlevan::cli
