// The launcher the desktop entry and scripts/run start the program with: it
// fills the user's working folder from the default one, copying only what is
// missing, and starts the program there.

#include "support/TestSupport.h"

#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

namespace orlevan::test {
namespace {

namespace fs = std::filesystem;

// Every file under `root`, as relative paths with their content.
std::set<std::string> tree(const fs::path& root) {
    std::set<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            files.insert(fs::relative(entry.path(), root).string() + "=" + readFile(entry.path()));
        }
    }
    return files;
}

struct LaunchCase {
    const char* what;
    bool xdgDataHome;
    // Files the working folder holds before the start (relative path, content).
    std::vector<std::pair<const char*, const char*>> before;
    // What it holds after.
    std::set<std::string> after;
};

void PrintTo(const LaunchCase& c, std::ostream* out) {
    *out << c.what;
}

const std::set<std::string> kDefault{"Base/Words.dat=header", "Base/W1.Dat=question",
                                     "Config.ini=settings"};

const LaunchCase kCases[] = {
    {"the first start fills the folder", false, {}, kDefault},
    {"XDG_DATA_HOME says where the folder is", true, {}, kDefault},
    {"what was learnt is kept and what is missing comes back",
     false,
     {{"Base/Words.dat", "learnt"}, {"Base/Log.Ludvar", "log"}},
     {"Base/Words.dat=learnt", "Base/Log.Ludvar=log", "Base/W1.Dat=question",
      "Config.ini=settings"}},
    {"a file under another spelling is the same file",
     false,
     {{"base/words.dat", "learnt"}, {"CONFIG.INI", "mine"}},
     {"base/words.dat=learnt", "base/W1.Dat=question", "CONFIG.INI=mine"}},
};

class Launcher : public ::testing::TestWithParam<LaunchCase> {
protected:
    // Runs the launcher with the default folder and `pwd` as the program;
    // returns the folder the program ran in.
    std::string launch(const fs::path& home, const fs::path* xdg) {
        const fs::path out = scratch.path() / "pwd.txt";
        const pid_t child = ::fork();
        if (child == 0) {
            ::setenv("HOME", home.c_str(), 1);
            if (xdg) {
                ::setenv("XDG_DATA_HOME", xdg->c_str(), 1);
            } else {
                ::unsetenv("XDG_DATA_HOME");
            }
            if (!std::freopen(out.c_str(), "w", stdout)) {
                ::_exit(127);
            }
            const std::string defaultFolder = (scratch.path() / "default").string();
            ::execl(ORLEVAN_LAUNCHER, ORLEVAN_LAUNCHER, defaultFolder.c_str(), "/bin/pwd", nullptr);
            ::_exit(127);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        std::string printed = readFile(out);
        if (!printed.empty() && printed.back() == '\n') {
            printed.pop_back();
        }
        return printed;
    }

    ScratchFolder scratch;
};

TEST_P(Launcher, FillsOnlyWhatIsMissingAndStartsTheProgramInTheFolder) {
    const LaunchCase& c = GetParam();
    for (const auto& file : kDefault) {
        const auto equals = file.find('=');
        scratch.write("default/" + file.substr(0, equals), file.substr(equals + 1));
    }
    const fs::path home = scratch.path() / "home";
    const fs::path xdg = scratch.path() / "data";
    const fs::path workdir = (c.xdgDataHome ? xdg : home / ".local/share") / "orlevan";
    for (const auto& [name, content] : c.before) {
        scratch.write(fs::relative(workdir / name, scratch.path()).string(), content);
    }

    EXPECT_EQ(launch(home, c.xdgDataHome ? &xdg : nullptr), workdir.string());
    EXPECT_EQ(tree(workdir), c.after);
    // A second start changes nothing.
    launch(home, c.xdgDataHome ? &xdg : nullptr);
    EXPECT_EQ(tree(workdir), c.after);
}

INSTANTIATE_TEST_SUITE_P(Starts, Launcher, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return "case" + std::to_string(info.index); });

} // namespace
} // namespace orlevan::test
