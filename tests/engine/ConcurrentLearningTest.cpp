// Two copies of the program in one working folder, the natural set-up of the
// computer-to-computer mode, learning at the same moment: every line either
// of them learnt must be there afterwards.

#include "KnowledgeFolder.h"
#include "Learning.h"

#include <gtest/gtest.h>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

namespace orlevan {
namespace {

constexpr int kPhrasesPerCopy = 40;

std::string phraseOf(int copy, int index) {
    return "COPY " + std::to_string(copy) + " PHRASE " + std::to_string(index) + ".";
}

// One copy: new keys one after another, each a locked load-edit-save.
[[noreturn]] void learnAsCopy(const test::KnowledgeFolder& kb, int copy) {
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

TEST(ConcurrentLearning, TwoCopiesLearningAtOnceLoseNoLine) {
    test::KnowledgeFolder kb;
    // A base of some size, so that a load-edit-save takes long enough to overlap.
    std::vector<std::string> base{"header"};
    for (int i = 0; i < 3000; ++i) {
        base.push_back("KEY " + std::to_string(i) + "^" + std::string(60, 'a') + ";");
    }
    kb.writeLines("Base/Words.dat", base);

    std::vector<pid_t> copies;
    for (int copy = 0; copy < 2; ++copy) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            learnAsCopy(kb, copy);
        }
        copies.push_back(pid);
    }
    for (const pid_t pid : copies) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    const auto lines = kb.lines("Base\\Words.dat");
    const std::set<std::string> learnt(lines.begin(), lines.end());
    EXPECT_EQ(lines.size(), base.size() + 2 * kPhrasesPerCopy);
    for (int copy = 0; copy < 2; ++copy) {
        for (int i = 0; i < kPhrasesPerCopy; ++i) {
            EXPECT_TRUE(learnt.count(phraseOf(copy, i) + "^")) << phraseOf(copy, i);
        }
    }
}

} // namespace
} // namespace orlevan
