// Two copies of the program in one working folder, the natural set-up of the
// computer-to-computer mode, learning at the same moment: every line either
// of them learnt must be there afterwards.

#include "KnowledgeFolder.h"
#include "engine/Learning.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <set>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orlevan {
namespace {

constexpr int kPhrasesPerCopy = 40;
constexpr int kCannotDropPrivileges = 3;

std::string phraseOf(int copy, int index) {
    return "COPY " + std::to_string(copy) + " PHRASE " + std::to_string(index) + ".";
}

// Root reads every folder; a copy run as root gives that up first, to meet
// the folder as its user would. False when it cannot, or cannot then reach
// the knowledge base at all.
bool runAsUser(const test::KnowledgeFolder& kb) {
    constexpr uid_t kNobody = 65534;
    const bool user = ::geteuid() != 0 || (::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 &&
                                           ::setuid(kNobody) == 0);
    return user && ::access((kb.path() / "Base").c_str(), W_OK | X_OK) == 0;
}

// One copy: new keys one after another, each a locked load-edit-save.
[[noreturn]] void learnAsCopy(const test::KnowledgeFolder& kb, int copy, bool asUser) {
    if (asUser && !runAsUser(kb)) {
        ::_exit(kCannotDropPrivileges);
    }
    PhraseList workBuffer;
    test::ScriptedRandom random;
    TurnContext context{kb.folder, workBuffer, random};
    DialogueState state;
    state.FilterHit = true; // only the key step: nothing else to wait for
    try {
        for (int i = 0; i < kPhrasesPerCopy; ++i) {
            state.UserPhrase = phraseOf(copy, i);
            learnAfterFallback(context, state);
        }
    } catch (...) {
        ::_exit(2);
    }
    ::_exit(0);
}

class ConcurrentLearning : public ::testing::Test {
protected:
    void SetUp() override {
        // A base of some size, so that a load-edit-save takes long enough to overlap.
        base.push_back("header");
        for (int i = 0; i < 3000; ++i) {
            base.push_back("KEY " + std::to_string(i) + "^" + std::string(60, 'a') + ";");
        }
        kb.writeLines("Base/Words.dat", base);
    }

    // Runs two copies at once; false when they could not be run as a user.
    bool learnTogether(bool asUser) {
        std::vector<pid_t> copies;
        for (int copy = 0; copy < 2; ++copy) {
            const pid_t pid = ::fork();
            if (pid == 0) {
                learnAsCopy(kb, copy, asUser);
            }
            copies.push_back(pid);
        }
        bool ran = true;
        for (const pid_t pid : copies) {
            int status = 0;
            EXPECT_EQ(::waitpid(pid, &status, 0), pid);
            ran = ran && !(WIFEXITED(status) && WEXITSTATUS(status) == kCannotDropPrivileges);
            EXPECT_TRUE(WIFEXITED(status)) << status;
            EXPECT_NE(WEXITSTATUS(status), 2);
        }
        return ran;
    }

    void expectEveryLineLearnt() const {
        const auto lines = kb.lines("Base\\Words.dat");
        const std::set<std::string> learnt(lines.begin(), lines.end());
        EXPECT_EQ(lines.size(), base.size() + 2 * kPhrasesPerCopy);
        for (int copy = 0; copy < 2; ++copy) {
            for (int i = 0; i < kPhrasesPerCopy; ++i) {
                EXPECT_TRUE(learnt.count(phraseOf(copy, i) + "^")) << phraseOf(copy, i);
            }
        }
    }

    test::KnowledgeFolder kb;
    std::vector<std::string> base;
};

TEST_F(ConcurrentLearning, TwoCopiesLearningAtOnceLoseNoLine) {
    learnTogether(false);
    expectEveryLineLearnt();
}

// A folder its user may write into but not list cannot be opened to lock it;
// the copies must still take turns rather than edit unlocked.
TEST_F(ConcurrentLearning, TwoCopiesInAFolderTheyCannotListStillTakeTurns) {
    const auto folder = kb.path() / "Base";
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        ::chmod(entry.path().c_str(), 0666);
    }
    ::chmod(folder.c_str(), 0333);
    const bool ran = learnTogether(true);
    ::chmod(folder.c_str(), 0755);
    if (!ran) {
        GTEST_SKIP() << "cannot run the copies as a user without privileges";
    }
    expectEveryLineLearnt();
}

} // namespace
} // namespace orlevan
