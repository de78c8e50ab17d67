// Learning killed at random moments, over and over: whatever the moment, the
// phrase base stays whole and nothing but its own files is left in Base/.

#include "KnowledgeFolder.h"
#include "engine/Learning.h"
#include "platform/kb/DamagedFiles.h"

#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

namespace orlevan {
namespace {

namespace fs = std::filesystem;

constexpr int kKills = 150;

std::set<std::string> namesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

std::string phraseOf(int run, int index) {
    return "RUN " + std::to_string(run) + " PHRASE " + std::to_string(index) + ".";
}

void learn(const test::KnowledgeFolder& kb, const std::string& phrase) {
    PhraseList workBuffer;
    test::ScriptedRandom random;
    TurnContext context{kb.folder, workBuffer, random};
    DialogueState state;
    state.FilterHit = true; // the key step alone: one load-edit-save of the phrase base
    state.UserPhrase = phrase;
    learnAfterFallback(context, state);
}

[[noreturn]] void learnUntilKilled(const test::KnowledgeFolder& kb, int run) {
    try {
        for (int i = 0;; ++i) {
            learn(kb, phraseOf(run, i));
        }
    } catch (...) {
        ::_exit(2);
    }
}

TEST(KilledLearning, AKillAtAnyMomentLeavesTheBaseWholeAndNoCopyBehind) {
    test::KnowledgeFolder kb;
    // Big enough that most kills land while a save is writing.
    std::vector<std::string> base{"header"};
    for (int i = 0; i < 3000; ++i) {
        base.push_back("KEY " + std::to_string(i) + "^" + std::string(60, 'a') + ";");
    }
    kb.writeLines("Base/Words.dat", base);
    const auto before = namesIn(kb.path() / "Base");

    const unsigned seed = std::random_device()();
    std::mt19937 draw(seed);
    for (int run = 0; run < kKills; ++run) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            learnUntilKilled(kb, run);
        }
        ::usleep(std::uniform_int_distribution<useconds_t>(0, 20'000)(draw));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "run " << run << " stopped by itself; seed " << seed;
    }
    // A copy a kill left at the worst moment goes with the next save.
    learn(kb, "AFTER THE KILLS.");

    EXPECT_EQ(namesIn(kb.path() / "Base"), before) << "seed " << seed;
    const auto lines = kb.lines("Base\\Words.dat");
    ASSERT_GT(lines.size(), base.size());
    EXPECT_TRUE(std::equal(base.begin(), base.end(), lines.begin()));
    EXPECT_EQ(lines.back(), "AFTER THE KILLS.^");
    for (std::size_t i = base.size(); i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].back(), '^') << "a learnt line is whole: " << lines[i];
    }
    EXPECT_TRUE(kb.folder.damaged().takeNotices().empty()) << "the base is never cut short";
}

} // namespace
} // namespace orlevan
