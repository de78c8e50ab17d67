#include "CliRun.h"

#include "platform/format/Cp1251.h"
#include "platform/format/TextLines.h"
#include "platform/kb/PhraseList.h"

#include <fcntl.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace orlevan::test {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> outputLines(const fs::path& path) {
    std::vector<std::string> lines;
    const std::string text = readFile(path);
    std::size_t start = 0;
    for (auto end = text.find('\n'); end != std::string::npos; end = text.find('\n', start)) {
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    if (start < text.size()) {
        lines.push_back(text.substr(start));
    }
    return lines;
}

// In the child: stdin, stdout and stderr from files, then the program.
[[noreturn]] void becomeCli(const std::vector<std::string>& arguments, const fs::path& where,
                            const ScratchFolder& io, const fs::path& standardOutput) {
    std::vector<char*> argv{const_cast<char*>(ORLEVAN_CLI)};
    for (const auto& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    const std::pair<const char*, int> streams[] = {
        {"in", STDIN_FILENO}, {"out", STDOUT_FILENO}, {"err", STDERR_FILENO}};
    for (const auto& [name, fd] : streams) {
        const int flags = fd == STDIN_FILENO ? O_RDONLY : O_WRONLY | O_CREAT | O_TRUNC;
        const fs::path path =
            fd == STDOUT_FILENO && !standardOutput.empty() ? standardOutput : io.path() / name;
        const int file = ::open(path.c_str(), flags, 0600);
        if (file < 0 || ::dup2(file, fd) < 0) {
            ::_exit(127);
        }
        ::close(file);
    }
    if (::chdir(where.c_str()) != 0) {
        ::_exit(127);
    }
    ::execv(ORLEVAN_CLI, argv.data());
    ::_exit(127);
}

} // namespace

CliRun runCli(const std::vector<std::string>& arguments, std::string_view input,
              const fs::path& where, const fs::path& standardOutput) {
    const ScratchFolder io;
    io.write("in", input);
    const pid_t child = ::fork();
    if (child < 0) {
        throw std::runtime_error("cannot start orlevan-cli");
    }
    if (child == 0) {
        becomeCli(arguments, where, io, standardOutput);
    }
    int status = 0;
    if (::waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        throw std::runtime_error("orlevan-cli did not end by itself");
    }
    return {WEXITSTATUS(status),
            standardOutput.empty() ? outputLines(io.path() / "out") : std::vector<std::string>{},
            outputLines(io.path() / "err")};
}

CliFolder::CliFolder() : folder(path()) {
    fs::copy(fs::path(ORLEVAN_FIXTURES) / "cli", path(), fs::copy_options::recursive);
}

std::vector<std::string> CliFolder::lines(std::string_view name) const {
    PhraseList list;
    list.load(folder, name);
    std::vector<std::string> utf8;
    for (const auto& line : list.lines()) {
        utf8.push_back(cp1251::toUtf8(line));
    }
    return utf8;
}

void CliFolder::writeLines(std::string_view name, const std::vector<std::string>& utf8Lines) const {
    std::vector<std::string> lines;
    for (const auto& line : utf8Lines) {
        lines.push_back(w(line));
    }
    folder.write(name, joinTextLines(lines));
}

} // namespace orlevan::test
