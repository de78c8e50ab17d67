#include "cli/CommandLine.h"

#include <algorithm>
#include <charconv>
#include <map>

namespace orlevan::cli {
namespace {

using Command = CommandLine::Command;

struct CommandShape {
    Command command;
    std::size_t fewestOperands;
    std::size_t mostOperands;
    std::vector<std::string> options;
    // The command's synopsis and what it and its options do, for `COMMAND --help`.
    const char* help;
};

const std::map<std::string, CommandShape, std::less<>> kCommands = {
    {"chat",
     {Command::Chat,
      0,
      0,
      {"--seed", "--remarks", "--no-remarks", "--explain"},
      "usage: orlevan-cli chat [--seed N] [--remarks | --no-remarks] [--explain]\n"
      "\n"
      "Answers each line read from standard input from the knowledge base of the\n"
      "current folder, learning and logging as the window does. A farewell or the\n"
      "end of input ends the dialogue and adds its record to Base/Log.Ludvar.\n"
      "\n"
      "  --seed N        draw the replies from a sequence fixed by N (0 or more), so\n"
      "                  that the same input gives the same dialogue again\n"
      "  --remarks       greet, and add remarks after a reply and in a silence, timed\n"
      "                  as the window times them (the default at a terminal)\n"
      "  --no-remarks    print exactly one line for each non-empty line read: the\n"
      "                  reply, or an empty line when the line was refused or its\n"
      "                  turn failed (the default when input is not a terminal)\n"
      "  --explain       after each reply, tell on standard error which step and\n"
      "                  which file and line gave it\n"
      "\n"
      "Exit status: 0 when all went well, 1 when a line was refused or something\n"
      "failed, 2 for a command line it does not understand.\n"}},
    {"check",
     {Command::Check,
      0,
      1,
      {"--shadowed", "--inside-words"},
      "usage: orlevan-cli check [--shadowed] [--inside-words] [FOLDER]\n"
      "\n"
      "Reports every missing or unreadable file of the working folder FOLDER (the\n"
      "current folder by default), every malformed line of Base/Words.dat and every\n"
      "bad Config.ini row as FILE:LINE: problem, then the counts the window shows.\n"
      "\n"
      "  --shadowed      also list the keys that an earlier line always answers first\n"
      "  --inside-words  also list the keys of one word that the key pass finds inside\n"
      "                  longer words of Base/dictionary.dat\n"
      "\n"
      "Exit status: 0 when nothing was found, 1 when anything was, 2 for a command\n"
      "line it does not understand.\n"}},
    {"export",
     {Command::Export,
      1,
      1,
      {},
      "usage: orlevan-cli export FILE\n"
      "\n"
      "Prints the lines of FILE, a file of the working folder in the current folder\n"
      "(Base/W1.Dat, or as the program spells it, Base\\W1.Dat), in UTF-8, one line\n"
      "per line, whether the file is plain text or rich text.\n"
      "\n"
      "Exit status: 0 when the file was printed, 1 when it could not be read, 2 for\n"
      "a command line it does not understand.\n"}},
    {"import",
     {Command::Import,
      1,
      1,
      {},
      "usage: orlevan-cli import FILE < LINES\n"
      "\n"
      "Replaces the lines of FILE, a file of the working folder in the current\n"
      "folder, with the UTF-8 lines read from standard input. Every line is checked\n"
      "first (it must fit Windows-1251, and a line of Base/Words.dat its syntax);\n"
      "nothing is written unless all of them pass.\n"
      "\n"
      "Exit status: 0 when the file was written, 1 when nothing was, 2 for a command\n"
      "line it does not understand.\n"}},
    {"converse",
     {Command::Converse,
      2,
      2,
      {"--turns", "--seed"},
      "usage: orlevan-cli converse FOLDER_A FOLDER_B [--turns N] [--seed N]\n"
      "\n"
      "Lets the knowledge bases of two working folders talk to each other: A greets,\n"
      "then each reply is the other side's next phrase. The lines are printed as\n"
      "they are said, marked \"A: \" or \"B: \"; each side learns and logs.\n"
      "\n"
      "  --turns N       stop after N replies (1 or more; 20 by default), or sooner\n"
      "                  at a farewell\n"
      "  --seed N        draw the replies from a sequence fixed by N (0 or more)\n"
      "\n"
      "Exit status: 0 when all went well, 1 when something failed, 2 for a command\n"
      "line it does not understand.\n"}},
};

template <typename Number>
Number number(const std::string& option, const std::string& text, Number least) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty() || value < least) {
        throw UsageError(option + " takes a whole number from " + std::to_string(least) +
                         ", not \"" + text + "\"");
    }
    return value;
}

bool isHelp(const std::string& argument) {
    return argument == "--help" || argument == "-h";
}

// "-" alone names standard input or output by custom, so it is an operand.
bool isOption(const std::string& argument) {
    return argument.size() > 1 && argument[0] == '-';
}

} // namespace

std::string usageText() {
    // Each command's synopsis is the first line of its help.
    constexpr std::string_view kFirst = "usage: ";
    std::string usage;
    for (const auto& [name, shape] : kCommands) {
        const std::string_view help = shape.help;
        usage += usage.empty() ? kFirst : std::string(kFirst.size(), ' ');
        usage += help.substr(kFirst.size(), help.find('\n') + 1 - kFirst.size());
    }
    const std::string indent(kFirst.size(), ' ');
    return usage + indent + "orlevan-cli COMMAND --help\n" + indent +
           "orlevan-cli --help | --version\n";
}

std::string helpText(Command command) {
    for (const auto& [name, shape] : kCommands) {
        if (shape.command == command) {
            return shape.help;
        }
    }
    return usageText() +
           "\n"
           "Orlevan's dialogue and knowledge-base tool for the terminal. It works on the\n"
           "working folder it is started in (the window's is ~/.local/share/orlevan) and\n"
           "reads and writes UTF-8; the files stay Windows-1251.\n"
           "\n"
           "  chat      talk to the knowledge base, a line at a time\n"
           "  check     report the problems of a working folder and its counts\n"
           "  export    print a file of the knowledge base in UTF-8\n"
           "  import    replace a file's lines with those read, checked first\n"
           "  converse  let the knowledge bases of two folders talk to each other\n"
           "\n"
           "  -h, --help     print this and exit\n"
           "  --version      print the program's version and exit\n"
           "\n"
           "'orlevan-cli COMMAND --help' tells what a command's options do; see also\n"
           "orlevan-cli(1).\n";
}

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    if (arguments.empty()) {
        throw UsageError("no command given");
    }
    const std::string& first = arguments[0];
    if (isHelp(first) || first == "help") {
        return line;
    }
    if (first == "--version") {
        line.command = Command::Version;
        return line;
    }
    const auto shape = kCommands.find(first);
    if (shape == kCommands.end()) {
        throw UsageError(isOption(first) ? "no option " + first : "no command \"" + first + "\"");
    }
    line.command = shape->second.command;
    const auto endOfOptions = std::find(arguments.begin(), arguments.end(), "--");
    // Asked after a half-written command line, the help is what is wanted.
    if (std::any_of(arguments.begin() + 1, endOfOptions, isHelp)) {
        line.help = true;
        return line;
    }
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        std::string argument = arguments[i];
        if (argument == "--") {
            line.operands.insert(line.operands.end(), arguments.begin() + static_cast<long>(i) + 1,
                                 arguments.end());
            break;
        }
        if (!isOption(argument)) {
            line.operands.push_back(argument);
            continue;
        }
        std::optional<std::string> value;
        if (const auto equals = argument.find('='); equals != std::string::npos) {
            value = argument.substr(equals + 1);
            argument.resize(equals);
        }
        const auto& allowed = shape->second.options;
        if (std::find(allowed.begin(), allowed.end(), argument) == allowed.end()) {
            throw UsageError(first + " has no option " + argument);
        }
        const bool takesValue = argument == "--seed" || argument == "--turns";
        if (takesValue && !value) {
            if (i + 1 == arguments.size()) {
                throw UsageError(argument + " needs a number");
            }
            value = arguments[++i];
        } else if (!takesValue && value) {
            throw UsageError(argument + " takes no value");
        }
        if (argument == "--seed") {
            line.seed = number<std::uint64_t>(argument, *value, 0);
        } else if (argument == "--turns") {
            line.turns = number<int>(argument, *value, 1);
        } else if (argument == "--shadowed") {
            line.shadowed = true;
        } else if (argument == "--inside-words") {
            line.insideWords = true;
        } else if (argument == "--explain") {
            line.explain = true;
        } else {
            line.remarks = argument == "--remarks";
        }
    }
    const std::size_t operands = line.operands.size();
    if (operands < shape->second.fewestOperands || operands > shape->second.mostOperands) {
        throw UsageError("wrong number of operands for " + first);
    }
    return line;
}

} // namespace orlevan::cli
