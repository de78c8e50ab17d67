#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace orlevan::cli {

// What the user asked for on the command line.
struct CommandLine {
    enum class Command { Help, Version, Chat, Check, Export, Import, Converse };

    Command command = Command::Help;
    // The usage of `command` is asked for rather than its work ("chat --help").
    bool help = false;
    std::optional<std::uint64_t> seed;
    // Chat: remarks on or off; nothing leaves it to whether a person types.
    std::optional<bool> remarks;
    bool shadowed = false;
    bool insideWords = false;
    bool explain = false;
    int turns = 20;
    // The folders or the file the command works on.
    std::vector<std::string> operands;
};

// A command line that asks for nothing this program does.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

CommandLine parseCommandLine(const std::vector<std::string>& arguments);

// The synopsis of every command, printed after a usage error.
std::string usageText();

// What --help prints: for Command::Help the whole program's synopsis and its
// commands, for a command its synopsis and what each of its options does.
std::string helpText(CommandLine::Command command);

} // namespace orlevan::cli
