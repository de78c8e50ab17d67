#include "CliRun.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>

namespace orlevan::test {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// Every file under `root` with its bytes: a folder a command left as it found
// it has the same snapshot.
std::map<std::string, std::string> snapshot(const fs::path& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            files[fs::relative(entry.path(), root).string()] = readFile(entry.path());
        }
    }
    return files;
}

bool mentions(const Lines& lines, const std::string& text) {
    return std::any_of(lines.begin(), lines.end(),
                       [&](const std::string& line) { return line.find(text) != std::string::npos; });
}

TEST(CommandLineTest, HelpPrintsTheUsageOfEveryCommandOnStandardOutput) {
    CliFolder work;
    for (const Lines& arguments : {Lines{"--help"}, Lines{"-h"}, Lines{"help"}}) {
        const CliRun run = work.run(arguments);
        EXPECT_EQ(run.status, 0) << arguments[0];
        EXPECT_EQ(run.err, Lines{}) << arguments[0];
        ASSERT_FALSE(run.out.empty()) << arguments[0];
        EXPECT_TRUE(run.out[0].starts_with("usage: orlevan-cli chat ")) << run.out[0];
        for (const char* command : {"chat", "check", "export", "import", "converse"}) {
            EXPECT_TRUE(mentions(run.out, std::string("orlevan-cli ") + command)) << command;
        }
        EXPECT_TRUE(mentions(run.out, "--version"));
    }
}

// A command's help tells what each of its options does, wherever --help stands
// among its arguments, and the command itself is not run: no dialogue, no import.
TEST(CommandLineTest, ACommandsHelpDescribesItsOptionsAndDoesNoWork) {
    const struct {
        Lines arguments;
        Lines options;
    } cases[] = {
        {{"chat", "--help"}, {"--seed N", "--remarks", "--no-remarks", "--explain"}},
        {{"chat", "--seed", "x", "-h"}, {"--seed N", "--explain"}},
        {{"check", "--help"}, {"--shadowed", "--inside-words", "FOLDER"}},
        {{"export", "--help"}, {"FILE"}},
        {{"import", "Base/W1.Dat", "--help"}, {"FILE"}},
        {{"converse", "a", "--help", "b"}, {"--turns N", "--seed N", "FOLDER_A FOLDER_B"}},
    };
    CliFolder work;
    const auto before = snapshot(work.path());
    for (const auto& c : cases) {
        const std::string what = ::testing::PrintToString(c.arguments);
        const CliRun run = work.run(c.arguments, "привет\nпока\n");
        EXPECT_EQ(run.status, 0) << what;
        EXPECT_EQ(run.err, Lines{}) << what;
        ASSERT_FALSE(run.out.empty()) << what;
        EXPECT_TRUE(run.out[0].starts_with("usage: orlevan-cli " + c.arguments[0] + " "))
            << what << ": " << run.out[0];
        // Each option named on a line of its own, with its description beside it.
        for (const std::string& option : c.options) {
            EXPECT_TRUE(mentions(run.out, option)) << what << ": " << option;
        }
        EXPECT_TRUE(mentions(run.out, "Exit status")) << what;
        // That command's usage, not the whole program's.
        for (const char* other : {"chat", "check", "export", "import", "converse"}) {
            if (other != c.arguments[0]) {
                EXPECT_FALSE(mentions(run.out, std::string("orlevan-cli ") + other + " "))
                    << what << ": " << other;
            }
        }
    }
    EXPECT_EQ(snapshot(work.path()), before);
}

TEST(CommandLineTest, VersionIsTheProjectsAndNeedsNoWorkingFolder) {
    const ScratchFolder empty;
    const CliRun run = runCli({"--version"}, {}, empty.path());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, Lines{"orlevan " ORLEVAN_PROJECT_VERSION});
    EXPECT_EQ(run.err, Lines{});
}

// What is not understood is named, the usage follows on standard error, and
// standard output stays empty for whatever reads it.
TEST(CommandLineTest, AnUnknownOptionIsNamedWithTheUsage) {
    const struct {
        Lines arguments;
        std::string message;
    } cases[] = {
        {{"--frob"}, "orlevan-cli: no option --frob"},
        {{"-v"}, "orlevan-cli: no option -v"},
        {{"frob"}, "orlevan-cli: no command \"frob\""},
        {{"chat", "--frob"}, "orlevan-cli: chat has no option --frob"},
        {{"check", "-x"}, "orlevan-cli: check has no option -x"},
        {{"check", "--version"}, "orlevan-cli: check has no option --version"},
        {{"export", "--shadowed", "Base/W1.Dat"}, "orlevan-cli: export has no option --shadowed"},
        {{"converse", "a", "b", "--explain"}, "orlevan-cli: converse has no option --explain"},
    };
    CliFolder work;
    for (const auto& c : cases) {
        const std::string what = ::testing::PrintToString(c.arguments);
        const CliRun run = work.run(c.arguments);
        EXPECT_EQ(run.status, 2) << what;
        EXPECT_EQ(run.out, Lines{}) << what;
        ASSERT_GE(run.err.size(), 2u) << what;
        EXPECT_EQ(run.err[0], c.message) << what;
        EXPECT_EQ(run.err[1].substr(0, 23), "usage: orlevan-cli chat") << what;
        EXPECT_TRUE(mentions(run.err, "orlevan-cli --help | --version")) << what;
    }
}

// After "--" a name that starts with a dash is an operand, not an option.
TEST(CommandLineTest, DoubleDashEndsTheOptions) {
    CliFolder work;
    const ScratchFolder parent;
    fs::copy(work.path(), parent.path() / "-base", fs::copy_options::recursive);
    const CliRun plain = runCli({"check", work.path().string()}, {}, parent.path());
    const CliRun dashed = runCli({"check", "--", "-base"}, {}, parent.path());
    EXPECT_EQ(plain.status, 0);
    EXPECT_EQ(dashed.status, 0);
    EXPECT_EQ(dashed.out, plain.out);
    EXPECT_EQ(runCli({"check", "-base"}, {}, parent.path()).status, 2);
    // Even --help: here it is the name of a file, and there is none of that name.
    const CliRun missing = work.run({"export", "--", "--help"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, Lines{});
}

// Output that does not reach its reader whole is a failure, told on standard
// error, for every command: a report cut short must not pass for a clean one.
TEST(CommandLineTest, OutputThatCannotBeWrittenIsAFailure) {
    ASSERT_TRUE(fs::exists("/dev/full"));
    CliFolder work;
    ScratchFolder other;
    fs::copy(work.path(), other.path(), fs::copy_options::recursive);
    const Lines commands[] = {
        {"--help"},
        {"--version"},
        {"chat", "--help"},
        {"check"},
        {"export", "Base/W1.Dat"},
        {"chat", "--no-remarks"},
        {"converse", ".", other.path().string(), "--turns", "2", "--seed", "1"},
    };
    for (const Lines& arguments : commands) {
        const std::string what = ::testing::PrintToString(arguments);
        const CliRun run = runCli(arguments, "привет\n", work.path(), "/dev/full");
        EXPECT_EQ(run.status, 1) << what;
        ASSERT_EQ(run.err.size(), 1u) << what;
        EXPECT_NE(run.err[0].find("could not all be written to standard output"), std::string::npos)
            << what << ": " << run.err[0];
    }
}

} // namespace
} // namespace orlevan::test
