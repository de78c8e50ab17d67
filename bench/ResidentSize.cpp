#include "ResidentSize.h"

#include "TurnBases.h"
#include "engine/Dialogue.h"
#include "engine/KnowledgeFiles.h"
#include "engine/WordsIndex.h"
#include "platform/system/Failure.h"

#include <cstdio>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace orlevan::bench {
namespace {

constexpr std::string_view kFlag = "--resident-size";

// A size line of /proc/self/status ("VmRSS:   1234 kB"), in bytes.
double statusSize(const std::string& field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with(field + ":")) {
            return std::stod(line.substr(field.size() + 1)) * 1024;
        }
    }
    return 0;
}

// The peak goes down to the resident size of now, so the next peak read is
// that of the step that follows (Linux 4.0 and later).
void resetPeak() {
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    if (!clear.flush()) {
        throw Failure("Cannot reset the peak resident size");
    }
}

} // namespace

PeakResident peakResidentOf(const Base& base) {
    const auto& key = base.keyTurn;
    const auto& word = base.wordTurn;
    const auto& branch = base.branchTurn;
    const auto& learn = base.learnTurn;
    std::vector<std::string> args{"turn_bench",
                                  std::string(kFlag),
                                  base.folder.root().string(),
                                  key.phrase,
                                  word.phrase,
                                  branch.phrase,
                                  std::to_string(branch.start.TopicLine),
                                  learn.phrase,
                                  learn.start.LastReply};
    std::vector<char*> argv;
    for (auto& arg : args) {
        argv.push_back(arg.data());
    }
    argv.push_back(nullptr);

    int out[2];
    if (::pipe(out) != 0) {
        throw Failure("Cannot make a pipe");
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    pid_t child = 0;
    const int spawned =
        ::posix_spawn(&child, "/proc/self/exe", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    std::string report;
    char piece[256];
    for (ssize_t got; (got = ::read(out[0], piece, sizeof piece)) > 0;) {
        report.append(piece, static_cast<std::size_t>(got));
    }
    ::close(out[0]);
    int status = 0;
    if (spawned != 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0) {
        throw Failure("The run of the steps for their resident size failed: " + report);
    }
    PeakResident peak;
    if (std::sscanf(report.c_str(), "%lf %lf %lf %lf", &peak.load, &peak.turns, &peak.save,
                    &peak.end) != 4) {
        throw Failure("The run of the steps for their resident size said: " + report);
    }
    return peak;
}

bool isResidentSizeRun(int argc, char** argv) {
    return argc == 9 && argv[1] == kFlag;
}

int runStepsForResidentSize(int, char** argv) {
    try {
        const Folder folder(argv[2]);
        FixedClock clock;
        ScriptedDraws random;
        SilentFrontEnd frontEnd;
        Dialogue dialogue(folder, clock, random);
        PeakResident peak;

        resetPeak();
        dialogue.RE2.load(folder, files::WordsForSearch);
        dialogue.RE2.indexed<WordsIndex>();
        peak.load = statusSize("VmHWM");

        resetPeak();
        const auto turn = [&](const char* phrase, DialogueState start) {
            dialogue.state = std::move(start);
            dialogue.turn(phrase, previousLine(), frontEnd);
        };
        turn(argv[3], {});
        turn(argv[4], {});
        DialogueState topic;
        topic.TopicDepth = 1;
        topic.TopicLine = std::stoi(argv[6]);
        turn(argv[5], topic);
        DialogueState learning;
        learning.LastReply = argv[8];
        turn(argv[7], learning);
        turn(argv[3], {});
        if (random.offScript()) {
            throw Failure("a turn drew off its script");
        }
        peak.turns = statusSize("VmHWM");

        resetPeak();
        dialogue.RE2.load(folder, files::WordsForLearning);
        dialogue.RE2.save(folder, files::WordsForLearning);
        peak.save = statusSize("VmHWM");
        peak.end = statusSize("VmRSS");
        std::printf("%.0f %.0f %.0f %.0f\n", peak.load, peak.turns, peak.save, peak.end);
        return 0;
    } catch (const std::exception& failure) {
        std::printf("%s\n", failure.what());
        return 1;
    }
}

} // namespace orlevan::bench
