// Whole dialogues on the shipped base, turn by turn through the program's own
// turn, each phrase with the line that must answer it. A file of
// tests/data/dialogues/ holds dialogues separated by empty lines; a turn is
// "phrase<TAB>KEY", the key as the base writes it, with its depth marks.
// An edit of the base that makes a turn fall back, or hands it to another
// line, fails here.

#include "engine/Dialogue.h"
#include "engine/TurnFrontEnd.h"
#include "engine/WordsLine.h"
#include "platform/format/Cp1251.h"
#include "platform/kb/PhraseList.h"
#include "platform/system/Folder.h"
#include "support/TestSupport.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace orlevan {
namespace {

namespace fs = std::filesystem;

struct Turn {
    std::string phrase; // UTF-8, as typed
    std::string key;    // UTF-8, with its depth marks
};

struct ScriptedDialogue {
    std::string where; // file and line of its first turn
    std::vector<Turn> turns;
};

std::vector<ScriptedDialogue> readDialogues(const fs::path& file) {
    std::ifstream in(file);
    if (!in) {
        throw std::runtime_error("cannot read " + file.string());
    }
    std::vector<ScriptedDialogue> dialogues(1);
    std::string text;
    for (int row = 1; std::getline(in, text); ++row) {
        if (!text.empty() && text.back() == '\r') {
            text.pop_back();
        }
        if (!text.empty() && text.front() == '#') {
            continue;
        }
        if (text.empty()) {
            if (!dialogues.back().turns.empty()) {
                dialogues.emplace_back();
            }
            continue;
        }
        const auto tab = text.find('\t');
        const std::string where = file.filename().string() + ":" + std::to_string(row);
        if (tab == std::string::npos) {
            throw std::runtime_error(where + ": a turn without its key");
        }
        if (dialogues.back().turns.empty()) {
            dialogues.back().where = where;
        }
        dialogues.back().turns.push_back({text.substr(0, tab), text.substr(tab + 1)});
    }
    if (dialogues.back().turns.empty()) {
        dialogues.pop_back();
    }
    return dialogues;
}

// The pane as the window keeps it, without wrapping: the phrase before the
// echo of the next one is the second-to-last line.
class PaneFrontEnd final : public TurnFrontEnd {
public:
    const std::string& previousLine() const { return previous_; }
    void showUserPhrase(const std::string& phrase) override { keep(phrase); }
    void showReply(const std::string& reply) override { keep(reply); }
    void setClosing(bool) override {}
    void setFollowUp(bool) override {}
    std::optional<std::string> partnerFile() const override { return std::nullopt; }
    void clearInput() override {}

private:
    void keep(const std::string& line) { previous_ = std::exchange(last_, line); }
    std::string previous_;
    std::string last_;
};

std::string_view answeredByName(AnsweredBy by) {
    switch (by) {
    case AnsweredBy::Repetition:
    case AnsweredBy::Insult:
    case AnsweredBy::LongPhrase:
        return "the screening";
    case AnsweredBy::Fallback:
        return "the fallback";
    case AnsweredBy::Branch:
    case AnsweredBy::Key:
    case AnsweredBy::Word:
        break;
    }
    return "the phrase base";
}

class ShippedDialogues : public ::testing::Test {
protected:
    void SetUp() override {
        // A fallback learns: it must never write into the shipped folder.
        fs::copy(fs::path(ORLEVAN_DATA) / "Base", scratch.path() / "Base",
                 fs::copy_options::recursive);
    }

    test::ScratchFolder scratch;
    Folder folder{scratch.path()};
    test::FixedClock clock;
    test::ScriptedRandom random;
};

TEST_F(ShippedDialogues, KeepTheirThreadTurnByTurn) {
    std::size_t dialogues = 0;
    std::size_t turns = 0;
    for (const auto& entry : fs::directory_iterator(ORLEVAN_DIALOGUES)) {
        if (entry.path().extension() != ".tsv") {
            continue;
        }
        for (const ScriptedDialogue& script : readDialogues(entry.path())) {
            Dialogue dialogue(folder, clock, random);
            PaneFrontEnd pane;
            ++dialogues;
            for (const Turn& turn : script.turns) {
                ++turns;
                SCOPED_TRACE(script.where + ": " + turn.phrase);
                dialogue.turn(cp1251::fromUtf8(turn.phrase), pane.previousLine(), pane);
                const AnsweredBy by = dialogue.answeredBy();
                if (by != AnsweredBy::Branch && by != AnsweredBy::Key && by != AnsweredBy::Word) {
                    ADD_FAILURE() << "answered by " << answeredByName(by) << ": «"
                                  << cp1251::toUtf8(dialogue.state.CpuPhrase) << "»";
                    break;
                }
                PhraseList base;
                base.load(folder, dialogue.state.ReplyFile);
                const WordsLine line = parseWordsLine(base.line(dialogue.state.ReplyLine));
                const std::string key =
                    std::string(static_cast<std::size_t>(line.depth), '_') + std::string(line.key);
                if (cp1251::toUtf8(key) != turn.key) {
                    ADD_FAILURE() << "answered by line " << dialogue.state.ReplyLine + 1 << " «"
                                  << cp1251::toUtf8(key) << "», not «" << turn.key << "»";
                    break;
                }
            }
        }
    }
    EXPECT_GE(dialogues, 150u);
    EXPECT_GE(turns, 600u);
}

} // namespace
} // namespace orlevan
