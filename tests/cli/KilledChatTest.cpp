// orlevan-cli chat killed with SIGKILL at random moments while it learns,
// two hundred times over one working folder. After every kill each file of
// the knowledge base loads whole, `orlevan-cli check` finds nothing wrong,
// and every phrase whose turn had answered is in the base: a kill can cost
// the turn it interrupts, never one that was done.

#include "ChatProcess.h"
#include "CliRun.h"
#include "engine/Learning.h"
#include "platform/format/Casing.h"
#include "platform/format/Cp1251.h"
#include "platform/kb/DamagedFiles.h"
#include "platform/kb/PhraseList.h"

#include <algorithm>
#include <chrono>
#include <gtest/gtest.h>
#include <random>
#include <set>
#include <thread>

namespace orlevan::test {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kKills = 200;

// A phrase no line of the base answers and no screening takes, so that its
// turn falls back and learns: five consonants spell (run, turn) in base 16,
// which no key of the fixture's base is part of and no two phrases share.
std::string phraseOf(int run, int turn) {
    static const char* const kDigits[16] = {"б", "в", "г", "д", "ж", "з", "л", "м",
                                            "н", "р", "с", "т", "ф", "х", "ц", "ш"};
    std::string phrase;
    for (int n = run * 256 + turn, digit = 0; digit < 5; ++digit, n /= 16) {
        phrase += kDigits[n % 16];
    }
    return phrase;
}

// How the turn stores the phrase: first letter capitalised, a full stop added.
std::string storedForm(const std::string& phrase) {
    std::string stored = cp1251::fromUtf8(phrase) + ".";
    stored[0] = casing::upper(stored[0]);
    return stored;
}

constexpr const char* kKilledSaveCopy = ".orlevan-save-";

class KilledChat : public ::testing::Test {
protected:
    // What must hold after any kill; `learnt` are the stored forms of phrases
    // whose turns answered after a turn before them in the same run.
    void expectWholeBase(const std::vector<std::string>& learnt, int run) {
        const Folder fresh(kb.path());
        for (const auto& entry : fs::directory_iterator(kb.path() / "Base")) {
            const std::string file = entry.path().filename().string();
            if (file.starts_with(kKilledSaveCopy)) {
                continue;
            }
            PhraseList list;
            const std::string name = "Base\\" + file;
            EXPECT_NO_THROW(list.load(fresh, name)) << name << " after kill " << run;
        }
        EXPECT_TRUE(fresh.damaged().takeNotices().empty()) << "after kill " << run;
        // A save killed in the instant its copy had a name leaves that copy
        // behind, which check lists (and the next start removes); nothing
        // else may be wrong.
        const CliRun check = kb.run({"check"});
        for (const std::string& line : check.out) {
            if (line.starts_with("Программе известно:")) {
                break;
            }
            EXPECT_TRUE(line.starts_with(std::string("Base\\") + kKilledSaveCopy))
                << "after kill " << run << ": " << line;
        }

        PhraseList words;
        words.load(fresh, "Base\\Words.dat");
        std::set<std::string> keys;
        for (int i = 1; i < words.count(); ++i) {
            keys.emplace(learningKey(words.line(i)));
        }
        PhraseList stored;
        std::set<std::string> storedLines;
        for (const char* name : {"Base\\W1.Dat", "Base\\W2.Dat"}) {
            stored.load(fresh, name);
            for (int i = 0; i < stored.count(); ++i) {
                storedLines.emplace(stored.line(i));
            }
        }
        for (const auto& phrase : learnt) {
            EXPECT_TRUE(keys.contains(casing::upper(phrase)))
                << cp1251::toUtf8(phrase) << " lost its key after kill " << run;
            EXPECT_TRUE(storedLines.contains(phrase))
                << cp1251::toUtf8(phrase) << " lost from W1/W2 after kill " << run;
        }
    }

    CliFolder kb;
};

TEST_F(KilledChat, AKillAtAnyMomentLosesNoCompletedTurnAndLeavesTheBaseWhole) {
    const unsigned seed = std::random_device()();
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 draw(seed);
    std::set<std::string> namesBefore;
    for (const auto& entry : fs::directory_iterator(kb.path() / "Base")) {
        namesBefore.insert(entry.path().filename().string());
    }
    std::vector<std::string> learnt;
    // How long a turn takes here, learnt as the test goes: a sanitizer build
    // is several times slower, and the kills must still fall inside turns.
    double turnMicros = 5'000;
    int interrupted = 0;
    for (int run = 0; run < kKills; ++run) {
        ChatProcess chat(kb.path(), draw());
        const auto answered = [&](int turn) {
            // The first turn of a run answers no reply of the program, so it learns nothing.
            if (turn > 0) {
                learnt.push_back(storedForm(phraseOf(run, turn)));
            }
        };
        // A few whole turns, then a kill at a random moment of the next one
        // (or, with no whole turn before it, of the start).
        const int whole = std::uniform_int_distribution(0, 3)(draw);
        for (int turn = 0; turn < whole; ++turn) {
            const auto sent = Clock::now();
            ASSERT_TRUE(chat.say(phraseOf(run, turn)));
            const auto reply = chat.reply();
            ASSERT_TRUE(reply && !reply->empty()) << "a turn failed: " << chat.errors();
            turnMicros =
                0.9 * turnMicros +
                0.1 * std::chrono::duration<double, std::micro>(Clock::now() - sent).count();
            answered(turn);
        }
        ASSERT_TRUE(chat.say(phraseOf(run, whole)));
        std::this_thread::sleep_for(std::chrono::microseconds(
            std::uniform_int_distribution(0, static_cast<int>(1.5 * turnMicros))(draw)));
        if (const auto reply = chat.reply(0)) {
            ASSERT_FALSE(reply->empty()) << "a turn failed: " << chat.errors();
            answered(whole);
        } else {
            ++interrupted;
        }
        chat.kill();
        expectWholeBase(learnt, run);
        if (HasFailure()) {
            return;
        }
    }
    EXPECT_GT(interrupted, kKills / 10) << "most kills should fall inside a turn";
    ASSERT_FALSE(learnt.empty());

    // Whatever a kill left beside the files goes at the next start.
    ChatProcess last(kb.path(), seed);
    ASSERT_TRUE(last.say(phraseOf(kKills, 0)) && last.reply());
    ASSERT_TRUE(last.say(phraseOf(kKills, 1)) && last.reply());
    EXPECT_EQ(last.finish(), 0) << last.errors();
    std::set<std::string> namesAfter;
    for (const auto& entry : fs::directory_iterator(kb.path() / "Base")) {
        namesAfter.insert(entry.path().filename().string());
    }
    EXPECT_EQ(namesAfter, namesBefore);
}

} // namespace
} // namespace orlevan::test
