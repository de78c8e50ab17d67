#include "ResidentSize.h"

#include "TurnBases.h"
#include "engine/Dialogue.h"
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

} // namespace

Resident residentSizeOfTurns(const Base& base) {
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
        throw Failure("The run of the turns for their resident size failed: " + report);
    }
    Resident resident;
    if (std::sscanf(report.c_str(), "%lf %lf", &resident.now, &resident.peak) != 2) {
        throw Failure("The run of the turns for their resident size said: " + report);
    }
    return resident;
}

bool isResidentSizeRun(int argc, char** argv) {
    return argc == 9 && argv[1] == kFlag;
}

int runTurnsForResidentSize(int, char** argv) {
    try {
        const Folder folder(argv[2]);
        FixedClock clock;
        ScriptedDraws random;
        SilentFrontEnd frontEnd;
        Dialogue dialogue(folder, clock, random);
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
        std::printf("%.0f %.0f\n", statusSize("VmRSS"), statusSize("VmHWM"));
        return 0;
    } catch (const std::exception& failure) {
        std::printf("%s\n", failure.what());
        return 1;
    }
}

} // namespace orlevan::bench
