#pragma once

#include "platform/system/Folder.h"
#include "support/TestSupport.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orlevan::test {

// What one run of the built orlevan-cli left: its exit status and its two
// outputs, split into lines (UTF-8, as printed).
struct CliRun {
    int status = -1;
    std::vector<std::string> out;
    std::vector<std::string> err;
};

// Runs orlevan-cli with `arguments` in the folder `where`, `input` on its
// standard input, as a separate process. Its standard output goes to
// `standardOutput` when one is named (then `out` of the result stays empty).
CliRun runCli(const std::vector<std::string>& arguments, std::string_view input,
              const std::filesystem::path& where,
              const std::filesystem::path& standardOutput = {});

// A scratch working folder made from tests/fixtures/cli: a small knowledge
// base with every file the program uses, and the shipped settings.
class CliFolder : public ScratchFolder {
public:
    CliFolder();

    CliRun run(const std::vector<std::string>& arguments, std::string_view input = {}) const {
        return runCli(arguments, input, path());
    }
    // Lines of a file as the program loads them, in UTF-8; plain-text writing.
    std::vector<std::string> lines(std::string_view name) const;
    void writeLines(std::string_view name, const std::vector<std::string>& utf8Lines) const;

    Folder folder;
};

} // namespace orlevan::test
