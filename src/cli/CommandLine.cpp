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
};

const std::map<std::string, CommandShape, std::less<>> kCommands = {
    {"chat", {Command::Chat, 0, 0, {"--seed", "--remarks", "--no-remarks", "--explain"}}},
    {"check", {Command::Check, 0, 1, {"--shadowed", "--inside-words"}}},
    {"export", {Command::Export, 1, 1, {}}},
    {"import", {Command::Import, 1, 1, {}}},
    {"converse", {Command::Converse, 2, 2, {"--turns", "--seed"}}},
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

} // namespace

const char* const kUsage =
    "usage: orlevan-cli chat [--seed N] [--remarks | --no-remarks] [--explain]\n"
    "       orlevan-cli check [--shadowed] [--inside-words] [FOLDER]\n"
    "       orlevan-cli export FILE\n"
    "       orlevan-cli import FILE\n"
    "       orlevan-cli converse FOLDER_A FOLDER_B [--turns N] [--seed N]\n";

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    if (arguments.empty()) {
        throw UsageError("no command given");
    }
    if (arguments[0] == "--help" || arguments[0] == "-h" || arguments[0] == "help") {
        return line;
    }
    const auto shape = kCommands.find(arguments[0]);
    if (shape == kCommands.end()) {
        throw UsageError("no command \"" + arguments[0] + "\"");
    }
    line.command = shape->second.command;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        std::string argument = arguments[i];
        if (!argument.starts_with("--")) {
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
            throw UsageError(arguments[0] + " has no option " + argument);
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
        throw UsageError("wrong number of operands for " + arguments[0]);
    }
    return line;
}

} // namespace orlevan::cli
