// The shipped phrase base answered by the program's own screening and reply
// selection. Each row of EverydayPhrases.tsv is a phrase as a user types it
// (or a short exchange), with the key that must answer it: an edit of the
// base that lets such a phrase fall back, or hands it to another key, fails.

#include "engine/Normalise.h"
#include "engine/ReplySelection.h"
#include "engine/Screening.h"
#include "engine/WordsLine.h"
#include "platform/format/Casing.h"
#include "platform/format/Cp1251.h"
#include "platform/kb/PhraseList.h"
#include "platform/system/Folder.h"
#include "support/TestSupport.h"

#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>

namespace orlevan {
namespace {

using test::w;

// One row: the phrases of an exchange and, for each, the key that answers it,
// branch keys with their depth marks.
struct Exchange {
    int row = 0;
    std::vector<std::string> phrases;
    std::vector<std::string> keys;
};

std::vector<std::string> splitSteps(std::string_view text) {
    constexpr std::string_view separator = " >> ";
    std::vector<std::string> steps;
    for (auto at = text.find(separator); at != std::string_view::npos; at = text.find(separator)) {
        steps.emplace_back(text.substr(0, at));
        text.remove_prefix(at + separator.size());
    }
    steps.emplace_back(text);
    return steps;
}

std::vector<Exchange> readTable() {
    std::ifstream in(ORLEVAN_PHRASE_TABLE);
    if (!in) {
        throw std::runtime_error("cannot read " + std::string(ORLEVAN_PHRASE_TABLE));
    }
    std::vector<Exchange> table;
    std::string text;
    for (int row = 1; std::getline(in, text); ++row) {
        if (!text.empty() && text.back() == '\r') {
            text.pop_back();
        }
        if (text.empty() || text.front() == '#') {
            continue;
        }
        const auto tab = text.find('\t');
        if (tab == std::string::npos) {
            throw std::runtime_error("row " + std::to_string(row) + " has no key");
        }
        Exchange exchange{row, splitSteps(text.substr(0, tab)), splitSteps(text.substr(tab + 1))};
        if (exchange.phrases.size() != exchange.keys.size()) {
            throw std::runtime_error("row " + std::to_string(row) + ": phrases and keys differ");
        }
        table.push_back(std::move(exchange));
    }
    return table;
}

// The key of a line as the table writes it: depth marks, then the key.
std::string keyOf(const WordsLine& line) {
    return std::string(static_cast<std::size_t>(line.depth), '_') + std::string(line.key);
}

class ShippedBase : public ::testing::Test {
protected:
    void SetUp() override { base.load(folder, files::WordsForSearch); }

    // The steps a turn takes before learning: normalise, screen, select.
    // Returns the answering line, or nothing when the turn fell back or was
    // answered by the screening.
    std::optional<WordsLine> answer(DialogueState& state, std::string_view phrase) {
        state.UserPhrase = std::string(phrase);
        state.PreviousLine.clear();
        state.FilterHit = false;
        state.BranchKey.clear();
        normalise(state.UserPhrase);
        if (screen(context, state) != Screened::Pass ||
            selectReply(context, state).source == ReplySource::Fallback) {
            return std::nullopt;
        }
        return parseWordsLine(base.line(state.TopicLine));
    }

    Folder folder{ORLEVAN_DATA};
    PhraseList RE2;
    test::ScriptedRandom random;
    TurnContext context{folder, RE2, random};
    PhraseList base;
};

TEST_F(ShippedBase, AnswersEverydayPhrasesWithTheirKeys) {
    const auto table = readTable();
    EXPECT_GE(table.size(), 400u);
    for (const auto& exchange : table) {
        DialogueState state;
        for (std::size_t step = 0; step < exchange.phrases.size(); ++step) {
            const std::string& phrase = exchange.phrases[step];
            SCOPED_TRACE("row " + std::to_string(exchange.row) + ": " + phrase);
            const auto line = answer(state, w(phrase));
            if (!line) {
                ADD_FAILURE() << "not answered from the phrase base";
                break;
            }
            EXPECT_EQ(cp1251::toUtf8(keyOf(*line)), exchange.keys[step]);
            const auto alternatives = line->alternatives();
            EXPECT_NE(std::find(alternatives.begin(), alternatives.end(), state.CpuPhrase),
                      alternatives.end());
        }
    }
}

// Many people type «е» for «ё»: a phrase spelled so gets the same answers.
TEST_F(ShippedBase, AnswersTheSpellingWithoutYoLikeTheOneWithIt) {
    const char yo = w("Ё")[0];
    const char ye = w("Е")[0];
    int twins = 0;
    for (int i = 1; i < base.count(); ++i) {
        const WordsLine line = parseWordsLine(base.line(i));
        if (!line.isMain() || line.key.find(yo) == std::string_view::npos) {
            continue;
        }
        const std::string withYo = casing::lower(line.key);
        std::string withoutYo(line.key);
        std::replace(withoutYo.begin(), withoutYo.end(), yo, ye);
        withoutYo = casing::lower(withoutYo);
        SCOPED_TRACE(cp1251::toUtf8(withYo));
        DialogueState first;
        DialogueState second;
        const auto answeredWithYo = answer(first, withYo);
        const auto answeredWithoutYo = answer(second, withoutYo);
        if (!answeredWithYo || !answeredWithoutYo) {
            ADD_FAILURE() << "not answered from the phrase base";
            continue;
        }
        EXPECT_EQ(answeredWithYo->alternatives(), answeredWithoutYo->alternatives());
        ++twins;
    }
    EXPECT_GT(twins, 0);
}

} // namespace
} // namespace orlevan
