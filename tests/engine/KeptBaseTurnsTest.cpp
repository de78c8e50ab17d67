// Thousands of turns of one dialogue that keeps the knowledge base in memory
// with its index, beside the same turns each made by a program started
// afresh that reads every file at every use: the same replies, the same
// dialogue state and the same files after every turn, while the phrase base
// is edited by hand between turns in every way a file can change.

#include "KnowledgeFolder.h"
#include "engine/Dialogue.h"
#include "engine/TurnFrontEnd.h"
#include "platform/format/Casing.h"
#include "platform/format/Rtf.h"
#include "platform/format/TextLines.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace orlevan {
namespace {

namespace fs = std::filesystem;
using test::w;

constexpr int kTurns = 2500;
constexpr int kTurnsBetweenEdits = 20;

class RecordingFrontEnd final : public TurnFrontEnd {
public:
    std::string reply;
    bool closing = false;
    void showUserPhrase(const std::string&) override {}
    void showReply(const std::string& text) override { reply = text; }
    void setClosing(bool on) override { closing = on; }
    void setFollowUp(bool) override {}
    std::optional<std::string> partnerFile() const override { return std::nullopt; }
    void clearInput() override {}
};

// A few words, so that keys overlap each other and the phrases often.
const std::vector<std::string>& words() {
    static const std::vector<std::string> all{w("КОТ"), w("КОТЫ"), w("ДОМ"), w("МИР"), w("ДА"),
                                              w("НЕТ"), w("ТЫ"),   w("КАК"), w("Я"),   w("ДЕЛА")};
    return all;
}

class Maker {
public:
    explicit Maker(unsigned seed) : random_(seed) {}

    std::size_t draw(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }

    std::string key() {
        std::string key = words()[draw(words().size())];
        for (std::size_t more = draw(3); more > 0; --more) {
            key += " " + words()[draw(words().size())];
        }
        static const char* const ends[] = {"", ".", "?", "!"};
        return key + ends[draw(4)];
    }

    std::string line(int number) {
        const std::string depth(draw(3) == 0 ? 1 + draw(2) : 0, '_');
        if (draw(10) == 0) {
            return depth + key() + "^";
        }
        // A branch answers a short word, so a topic often goes on.
        std::string line = depth + (depth.empty() ? key() : words()[draw(words().size())]) + "^";
        for (std::size_t answers = 1 + draw(3); answers > 0; --answers) {
            line += w("ответ ") + std::to_string(number) + "-" + std::to_string(answers) + ";";
        }
        return line + (draw(12) == 0 ? "@" : "");
    }

    std::vector<std::string> base() {
        std::vector<std::string> lines{w("Фразы")};
        for (int i = 1; i < 150; ++i) {
            lines.push_back(line(i));
        }
        return lines;
    }

    // Words of the base in any case, sometimes the program's last reply.
    std::string phrase(const std::string& lastReply) {
        if (!lastReply.empty() && draw(6) == 0) {
            return lastReply;
        }
        std::string phrase;
        for (std::size_t n = 1 + draw(4); n > 0; --n) {
            std::string word = words()[draw(words().size())];
            if (draw(2) == 0) {
                word = casing::lower(word);
            }
            phrase += (phrase.empty() ? "" : " ") + word;
        }
        static const char* const ends[] = {"", ".", "?", "!", ","};
        return phrase + ends[draw(5)];
    }

private:
    std::mt19937 random_;
};

timespec modifiedOf(const fs::path& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mtim;
}

// The same hand edit of the phrase base in both folders.
void editByHand(Maker& make, const std::vector<fs::path>& bases) {
    const PhraseList now = PhraseList::fromBytes(test::readFile(bases[0]));
    std::vector<std::string> lines = now.lines();
    const std::size_t how = make.draw(3);
    const std::size_t at = 1 + make.draw(lines.size() - 1);
    if (how == 0) {
        // One letter for another in place, the size and the write time kept.
        const auto letter = lines[at].find_first_of(w("КОДМИРАЯТ"));
        if (letter != std::string::npos) {
            lines[at][letter] = w("КОДМИРАЯТ")[make.draw(9)];
        }
    } else {
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at),
                     make.line(1000 + static_cast<int>(at)));
    }
    const std::string bytes = how == 2 ? joinTextLines(lines) : rtf::writeDocument(lines);
    for (const fs::path& path : bases) {
        const timespec modified = modifiedOf(path);
        if (how == 0 && bytes.size() == fs::file_size(path)) {
            const int fd = ::open(path.c_str(), O_WRONLY);
            ASSERT_EQ(::pwrite(fd, bytes.data(), bytes.size(), 0),
                      static_cast<ssize_t>(bytes.size()));
            ::close(fd);
            const timespec times[2] = {modified, modified};
            ::utimensat(AT_FDCWD, path.c_str(), times, 0);
        } else {
            const fs::path fresh = path.parent_path() / "edited.tmp";
            std::FILE* out = std::fopen(fresh.c_str(), "wb");
            std::fwrite(bytes.data(), 1, bytes.size(), out);
            std::fclose(out);
            fs::rename(fresh, path);
        }
    }
}

TEST(KeptBaseTurns, AnswerAndLearnAsAProgramReadingEveryFileAtEveryUse) {
    Maker make(20261208);
    test::KnowledgeFolder kept;
    test::KnowledgeFolder plain;
    const std::vector<std::string> base = make.base();
    kept.writeLines("Base\\Words.dat", base);
    plain.writeLines("Base\\Words.dat", base);
    const std::vector<fs::path> bases{kept.path() / "Base/Words.dat",
                                      plain.path() / "Base/Words.dat"};

    test::FixedClock clock;
    SystemRandom keptRandom;
    SystemRandom plainRandom;
    Dialogue keeping(kept.folder, clock, keptRandom);
    DialogueState plainState;
    int learnt = 0;
    int branches = 0;
    int fromBase = 0;
    std::string previous;
    for (int turn = 0; turn < kTurns; ++turn) {
        if (turn % kTurnsBetweenEdits == kTurnsBetweenEdits - 1) {
            editByHand(make, bases);
        }
        clock.millis = static_cast<unsigned>(turn);
        const std::string phrase = make.phrase(keeping.state.LastReply);
        const std::string previousLine = make.draw(8) == 0 ? previous : std::string();
        previous = phrase;
        const std::string wordsBefore = test::readFile(bases[0]);

        RecordingFrontEnd keptEnd;
        keeping.turn(phrase, previousLine, keptEnd);

        const Folder fresh(plain.path()); // nothing known, every file read again
        Dialogue reading(fresh, clock, plainRandom);
        reading.state = plainState;
        RecordingFrontEnd plainEnd;
        reading.turn(phrase, previousLine, plainEnd);
        plainState = reading.state;

        const std::string at = "turn " + std::to_string(turn) + ": " + phrase;
        ASSERT_EQ(keptEnd.reply, plainEnd.reply) << at;
        ASSERT_EQ(keptEnd.closing, plainEnd.closing) << at;
        ASSERT_EQ(keeping.state.TopicLine, plainState.TopicLine) << at;
        ASSERT_EQ(keeping.state.TopicDepth, plainState.TopicDepth) << at;
        ASSERT_EQ(keeping.state.ReplyPick, plainState.ReplyPick) << at;
        for (const char* file :
             {"Base/Words.dat", "Base/W1.Dat", "Base/W2.Dat", "Base/Collection.Dat"}) {
            ASSERT_EQ(kept.read(file), plain.read(file)) << at << ", " << file;
        }
        learnt += test::readFile(bases[0]) != wordsBefore;
        branches += keeping.state.TopicDepth > 1;
        fromBase += keeping.state.TopicDepth == 1;
    }
    // The run went through every kind of turn, many times.
    EXPECT_GT(learnt, 100) << learnt << " " << branches << " " << fromBase;
    EXPECT_GT(branches, 50);
    EXPECT_GT(fromBase, 300);
}

} // namespace
} // namespace orlevan
