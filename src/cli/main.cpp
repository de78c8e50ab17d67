#include "cli/Chat.h"
#include "cli/Check.h"
#include "cli/CommandLine.h"
#include "cli/Converse.h"
#include "cli/ExportImport.h"
#include "cli/InputLines.h"
#include "cli/SequenceRandom.h"
#include "cli/TerminalText.h"
#include "platform/system/Clock.h"
#include "platform/system/Folder.h"
#include "platform/system/Random.h"

#include <clocale>
#include <csignal>
#include <filesystem>
#include <iostream>
#include <memory>
#include <unistd.h>

namespace {

using orlevan::Folder;
using namespace orlevan::cli;

// The window reseeds from the time of day; a run given a seed can be repeated.
std::unique_ptr<orlevan::Random> generator(const CommandLine& line) {
    if (line.seed) {
        return std::make_unique<SequenceRandom>(*line.seed);
    }
    return std::make_unique<orlevan::SystemRandom>();
}

int run(const CommandLine& line) {
    using Command = CommandLine::Command;
    // Neither needs a working folder, so both answer wherever they are asked.
    if (line.help || line.command == Command::Help) {
        std::cout << helpText(line.command);
        return 0;
    }
    if (line.command == Command::Version) {
        std::cout << "orlevan " ORLEVAN_VERSION "\n";
        return 0;
    }
    orlevan::SystemClock clock;
    const Folder here(std::filesystem::current_path());
    // What a killed save left behind goes before anything is learnt or
    // imported; `check` only lists it.
    if (line.command == Command::Chat || line.command == Command::Import) {
        here.removeAbandonedSaves();
    }
    switch (line.command) {
    case CommandLine::Command::Help:
    case CommandLine::Command::Version:
        break;
    case CommandLine::Command::Chat: {
        // A person at a terminal hears the program's own remarks; a script
        // gets one line for each line it writes.
        const bool remarks = line.remarks.value_or(::isatty(STDIN_FILENO) == 1);
        const auto random = generator(line);
        InputLines input(STDIN_FILENO);
        return Chat(here, clock, *random, {remarks, line.explain}, std::cout, std::cerr).run(input);
    }
    case CommandLine::Command::Check:
        return runCheck(line.operands.empty() ? here : Folder(line.operands[0]),
                        {line.shadowed, line.insideWords}, std::cout);
    case CommandLine::Command::Export:
        return exportFile(here, line.operands[0], std::cout, std::cerr);
    case CommandLine::Command::Import:
        return importFile(here, line.operands[0], std::cin, std::cerr);
    case CommandLine::Command::Converse: {
        const auto random = generator(line);
        const Folder a(line.operands[0]);
        const Folder b(line.operands[1]);
        a.removeAbandonedSaves();
        b.removeAbandonedSaves();
        return converse(a, b, line.turns, clock, *random, std::cout, std::cerr);
    }
    }
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    using Command = CommandLine::Command;
    // Past the file-size limit a write then fails with its error, which the
    // save reports and survives, instead of ending the program mid-dialogue.
    std::signal(SIGXFSZ, SIG_IGN);
    // Times and dates in the log follow the user's own formats.
    std::setlocale(LC_TIME, "");
    std::ios::sync_with_stdio(false);
    CommandLine line;
    try {
        line = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const UsageError& error) {
        std::cerr << "orlevan-cli: " << error.what() << '\n' << usageText();
        return 2;
    }
    int status = 1;
    try {
        status = run(line);
    } catch (const std::exception& failure) {
        std::cerr << "orlevan-cli: " << failureMessage(failure) << '\n';
    }
    // Output cut short (a full disk, a closed pipe) is a failure even when the
    // command finished its work: a report or a list of lines that did not
    // arrive whole must not pass for done. chat and export tell it themselves.
    std::cout.flush();
    if (!std::cout) {
        if (line.help || (line.command != Command::Chat && line.command != Command::Export)) {
            std::cerr << "orlevan-cli: the output could not all be written to standard output\n";
        }
        return 1;
    }
    return status;
}
