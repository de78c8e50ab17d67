// The default working folder that ships in data/, read with the program's own
// readers: the knowledge base must parse, be large enough to talk with, keep
// its reserved characters where they belong and answer everyday phrases.

#include "engine/RunMatch.h"
#include "engine/Statistics.h"
#include "engine/WordsLine.h"
#include "platform/format/Casing.h"
#include "platform/format/Cp1251.h"
#include "platform/kb/PhraseList.h"
#include "platform/kb/TextFile.h"
#include "platform/system/Folder.h"
#include "support/TestSupport.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <numeric>
#include <set>

namespace orlevan {
namespace {

using test::w;

const Folder& shipped() {
    static const Folder folder{ORLEVAN_DATA};
    return folder;
}

PhraseList load(std::string_view name) {
    PhraseList list;
    list.load(shipped(), name);
    return list;
}

bool hasReservedCharacter(std::string_view text) {
    return text.find_first_of("^_;@") != std::string_view::npos;
}

// Text that a Windows-1251 editor shows as it is: no control byte, no unassigned byte.
bool isCleanText(std::string_view text) {
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || b == 0x7F || b == 0x98) {
            return false;
        }
    }
    return true;
}

int wordCount(std::string_view key) {
    int words = 0;
    bool inWord = false;
    for (const char c : key) {
        const bool letter = casing::lower(c) != c || casing::upper(c) != c;
        words += letter && !inWord;
        inWord = letter;
    }
    return words;
}

class WordsDat : public ::testing::Test {
protected:
    // Loaded inside each test, so that a missing or unreadable file fails them all.
    void SetUp() override { base = load("Base\\Words.dat"); }
    PhraseList base;

    // Every phrase line, parsed; line 0 is the header.
    std::vector<WordsLine> phraseLines() const {
        std::vector<WordsLine> lines;
        for (int i = 1; i < base.count(); ++i) {
            lines.push_back(parseWordsLine(base.line(i)));
        }
        return lines;
    }
};

TEST_F(WordsDat, EveryPhraseLineFollowsTheSyntax) {
    ASSERT_GT(base.count(), 1);
    EXPECT_FALSE(base.line(0).empty()) << "line 0 is the header";
    // A first reply varies from one time to the next; a branch answers one
    // foreseen follow-up, and a reply that asks a question opens the
    // branches written for its answers, so either may stand alone.
    int mainLines = 0;
    int variedMainLines = 0;
    for (int i = 1; i < base.count(); ++i) {
        const std::string_view text = base.line(i);
        const WordsLine line = parseWordsLine(text);
        const std::string shown = cp1251::toUtf8(text);
        EXPECT_EQ(line.fault, LineFault::None) << "line " << i << ": " << shown;
        EXPECT_EQ(casing::upper(line.key), line.key) << "line " << i << ": " << shown;
        EXPECT_FALSE(hasReservedCharacter(line.key)) << "line " << i << ": " << shown;
        EXPECT_GE(line.alternativeCount, 1) << "line " << i << ": " << shown;
        if (line.isMain()) {
            ++mainLines;
            variedMainLines += line.alternativeCount >= 2;
        }
        for (const auto alternative : line.alternatives()) {
            EXPECT_FALSE(hasReservedCharacter(alternative)) << "line " << i << ": " << shown;
        }
        EXPECT_TRUE(isCleanText(text)) << "line " << i << ": " << shown;
    }
    EXPECT_GE(variedMainLines * 10, mainLines * 9) << variedMainLines << " of " << mainLines;
}

TEST_F(WordsDat, IsLargeEnoughToTalkWith) {
    int mainKeys = 0;
    int severalWords = 0;
    int branchLines = 0;
    int deepTrees = 0;
    bool treeIsDeep = false;
    // One key spelled several ways carries a copy of the same tree: a tree
    // counts once, by the lines of its branches.
    std::set<std::vector<std::string_view>> trees;
    std::vector<std::string_view> tree;
    const auto closeTree = [&] {
        if (!tree.empty()) {
            trees.insert(tree);
        }
        tree.clear();
    };
    for (int i = 1; i < base.count(); ++i) {
        const WordsLine line = parseWordsLine(base.line(i));
        if (line.isMain()) {
            closeTree();
            ++mainKeys;
            severalWords += wordCount(line.key) >= 2;
            treeIsDeep = false;
        } else {
            tree.push_back(base.line(i));
            ++branchLines;
            if (line.depth >= 2 && !treeIsDeep) {
                treeIsDeep = true;
                ++deepTrees;
            }
        }
    }
    closeTree();
    EXPECT_GE(mainKeys, 2500);
    EXPECT_GE(severalWords, 1500);
    EXPECT_GE(branchLines, 1000);
    // Threads three levels deep (a main line, its branches and theirs).
    EXPECT_GE(deepTrees, 300);
    EXPECT_GE(trees.size(), 200u);

    // The status bar shows the same count.
    test::ScriptedRandom random;
    PhraseList work;
    TurnContext context{shipped(), work, random};
    EXPECT_EQ(countPhrases(context).main, mainKeys);
}

TEST_F(WordsDat, NoMainKeyIsWrittenTwice) {
    std::set<std::string_view> keys;
    for (const auto& line : phraseLines()) {
        if (line.isMain()) {
            EXPECT_TRUE(keys.insert(line.key).second) << cp1251::toUtf8(line.key);
        }
    }
}

// A first reply repeated word for word under unrelated keys reads as a stock
// phrase. One key spelled several ways gives the same replies, or shares
// most of them; branches are left out, as «спасибо» is thanked alike in
// every thread.
TEST_F(WordsDat, NoReplyIsRepeatedAcrossUnrelatedLines) {
    std::map<std::string_view, std::vector<std::string_view>> firstLineOf;
    for (const auto& line : phraseLines()) {
        if (!line.isMain()) {
            continue;
        }
        auto answers = line.alternatives();
        std::sort(answers.begin(), answers.end());
        for (const auto reply : answers) {
            const auto [first, added] = firstLineOf.emplace(reply, answers);
            if (added || first->second == answers) {
                continue;
            }
            std::vector<std::string_view> shared;
            std::set_intersection(answers.begin(), answers.end(), first->second.begin(),
                                  first->second.end(), std::back_inserter(shared));
            EXPECT_GE(shared.size(), 2u)
                << cp1251::toUtf8(reply) << " («" << cp1251::toUtf8(line.key) << "»)";
        }
    }
}

TEST_F(WordsDat, BranchesFollowTheirParentsWithoutSkippingADepth) {
    int previousDepth = 0;
    for (int i = 1; i < base.count(); ++i) {
        const int depth = depthOf(base.line(i));
        EXPECT_LE(depth, previousDepth + 1) << "line " << i << ": " << cp1251::toUtf8(base.line(i));
        previousDepth = depth;
    }
}

TEST_F(WordsDat, OnlyFarewellsEndTheDialogue) {
    // A goodnight often goes on («спокойной ночи» … «не могу уснуть»): it
    // does not end the dialogue.
    const std::vector<std::string> farewells{
        w("ПОКА"),          w("ПОКЕДА"),         w("ПОКЕДОВА"), w("ДО СВИДАНИЯ"),
        w("ДО СВИДАНЬЯ"),   w("ДО ВСТРЕЧИ"),     w("ПРОЩАЙ"),   w("ДО ЗАВТРА"),
        w("ВСЕГО ДОБРОГО"), w("ВСЕГО ХОРОШЕГО"), w("БАЙ."),     w("УВИДИМСЯ")};
    std::vector<std::string> exitKeys;
    for (const auto& line : phraseLines()) {
        if (!line.exitMark) {
            continue;
        }
        exitKeys.emplace_back(line.key);
        EXPECT_TRUE(line.isMain()) << cp1251::toUtf8(line.key);
        const bool isFarewell = std::any_of(farewells.begin(), farewells.end(), [&](const auto& f) {
            return line.key.find(f) != std::string_view::npos;
        });
        EXPECT_TRUE(isFarewell) << cp1251::toUtf8(line.key);
    }
    const auto marked = [&](const std::string& farewell) {
        return std::any_of(exitKeys.begin(), exitKeys.end(), [&](const auto& key) {
            return key.find(farewell) != std::string::npos;
        });
    };
    EXPECT_TRUE(marked(w("ПОКА")));
    EXPECT_TRUE(marked(w("ДО СВИДАНИЯ")));
    EXPECT_FALSE(marked(w("СПОКОЙНОЙ НОЧИ")));
    EXPECT_FALSE(marked(w("НОЧИ")));
    EXPECT_LE(exitKeys.size(), 40u);
}

// A branch that takes any statement would answer a person in crisis as small
// talk, so in every group of branches with a catch-all a crisis phrase reaches
// the help line before any other sibling («НЕ ХОЧУ», «ПЛОХО») could take it.
// Its keys must not fire on everyday words that hold «жить» («ложиться»).
TEST_F(WordsDat, CrisisPhrasesReachTheHelpLineInEveryThread) {
    const std::vector<std::string> crisis{w("НЕ ХОЧЕТСЯ ЖИТЬ."), w("ЖИТЬ НЕ ХОЧУ."),
                                          w("Я НЕ ХОЧУ БОЛЬШЕ ЖИТЬ."), w("ХОЧУ УМЕРЕТЬ.")};
    const std::vector<std::string> everyday{w("ПОРА ЛОЖИТЬСЯ СПАТЬ."), w("ДАВАЙ ДРУЖИТЬ!"),
                                            w("МОЖЕШЬ ОДОЛЖИТЬ ДЕНЕГ?"),
                                            w("ХОЧУ ПРЕДЛОЖИТЬ ИГРУ."), w("КУДА ПОЛОЖИТЬ КЛЮЧИ?")};
    const std::string helpLine = w("телефон доверия");
    const auto isHelp = [&](const WordsLine& line) {
        return line.answers.find(helpLine) != std::string_view::npos;
    };
    // The siblings seen so far in the open group of each depth.
    std::vector<std::vector<WordsLine>> siblings(1);
    int groups = 0;
    for (const auto& line : phraseLines()) {
        const bool catchAll = line.key == "." || line.key == "?";
        const bool help = !line.isMain() && !catchAll && isHelp(line);
        siblings.resize(static_cast<std::size_t>(line.depth) + 1);
        siblings.back().push_back(line);
        if (help) {
            for (const auto& phrase : everyday) {
                EXPECT_FALSE(foundFresh(line.key, phrase))
                    << cp1251::toUtf8(line.key) << " in " << cp1251::toUtf8(phrase);
            }
        }
        if (line.isMain() || !catchAll) {
            continue;
        }
        const auto& group = siblings.back();
        ++groups;
        for (const auto& phrase : crisis) {
            const auto first = std::find_if(group.begin(), group.end(), [&](const auto& sibling) {
                return foundFresh(sibling.key, phrase);
            });
            ASSERT_TRUE(first != group.end()) << cp1251::toUtf8(phrase) << " is not answered";
            ASSERT_TRUE(isHelp(*first)) << cp1251::toUtf8(phrase) << " is answered by «"
                                        << cp1251::toUtf8(first->key) << "»";
        }
    }
    EXPECT_GT(groups, 1000);
}

TEST_F(WordsDat, AnswersEverydayPhrases) {
    const std::vector<std::string> phrases{"Привет!",
                                           "Здравствуй.",
                                           "Доброе утро!",
                                           "Добрый вечер.",
                                           "Как дела?",
                                           "Как тебя зовут?",
                                           "Кто ты?",
                                           "Сколько тебе лет?",
                                           "Откуда ты?",
                                           "Какая сегодня погода?",
                                           "Мне скучно.",
                                           "Мне грустно.",
                                           "Я устал.",
                                           "Расскажи анекдот.",
                                           "Какую музыку ты любишь?",
                                           "Ты любишь читать книги?",
                                           "Какой твой любимый фильм?",
                                           "Ты занимаешься спортом?",
                                           "Что ты любишь есть?",
                                           "У меня есть кошка.",
                                           "Я работаю программистом.",
                                           "Я учусь в университете.",
                                           "У тебя есть друзья?",
                                           "О чём ты мечтаешь?",
                                           "В чём смысл жизни?",
                                           "Ты умный.",
                                           "Спасибо!",
                                           "Извини.",
                                           "Не знаю.",
                                           "Помоги мне.",
                                           "Что ты умеешь?",
                                           "Пока!",
                                           "До свидания."};
    std::vector<std::string> mainKeys;
    for (const auto& line : phraseLines()) {
        if (line.isMain()) {
            mainKeys.emplace_back(line.key);
        }
    }
    for (const auto& phrase : phrases) {
        const std::string upper = casing::upper(w(phrase));
        const bool answered = std::any_of(mainKeys.begin(), mainKeys.end(), [&](const auto& key) {
            return upper.find(key) != std::string::npos;
        });
        EXPECT_TRUE(answered) << phrase;
    }
}

struct PhraseFile {
    const char* name;
    int minimumLines;
};

TEST(ShippedPhraseFiles, HoldEnoughCleanLinesWithoutReservedCharacters) {
    for (const auto& [name, minimum] :
         {PhraseFile{"Base\\Povtor.Dat", 20}, PhraseFile{"Base\\X.Dat", 20},
          PhraseFile{"Base\\BigString.Dat", 20}, PhraseFile{"Base\\AI.dat", 21},
          PhraseFile{"Base\\Begin.dat", 20}, PhraseFile{"Base\\Pause.Dat", 20},
          PhraseFile{"Base\\W1.Dat", 100}, PhraseFile{"Base\\W2.Dat", 100}}) {
        const PhraseList list = load(name);
        EXPECT_GE(list.count(), minimum) << name;
        for (const auto& line : list.lines()) {
            EXPECT_FALSE(line.empty()) << name;
            EXPECT_FALSE(hasReservedCharacter(line)) << name << ": " << cp1251::toUtf8(line);
            EXPECT_TRUE(isCleanText(line)) << name << ": " << cp1251::toUtf8(line);
        }
    }
    EXPECT_EQ(load("Base\\Collection.Dat").count(), 0);
    EXPECT_EQ(load("Base\\Log.Ludvar").count(), 0);
    EXPECT_GT(load("ReadMe.Txt").count(), 10);
}

TEST(ShippedDictionary, HoldsManyLowerCaseRussianWords) {
    const auto words = readTextFile(shipped(), "Base\\dictionary.dat");
    EXPECT_GE(words.size(), 20'000u);
    for (const auto& word : words) {
        ASSERT_FALSE(word.empty());
        for (const char c : word) {
            const auto b = static_cast<unsigned char>(c);
            ASSERT_TRUE(b >= 0xE0 || b == 0xB8 || c == '-') << cp1251::toUtf8(word);
        }
    }
}

TEST(ShippedSettings, HoldTheDesignValuesInTheirRows) {
    const auto rows = readTextFile(shipped(), "Config.ini");
    ASSERT_GE(rows.size(), 33u);
    const auto value = [&](std::size_t row) {
        const std::string& line = rows[row - 1];
        const auto equals = line.find('=');
        return equals == std::string::npos ? line : line.substr(equals + 1);
    };
    EXPECT_NE(casing::upper(value(3)), "NO");
    for (const std::size_t row : {7, 8, 9}) {
        EXPECT_EQ(value(row), "12632256") << "row " << row;
    }
    for (const std::size_t row : {12, 13, 14, 15, 16, 17}) {
        EXPECT_EQ(value(row), "0") << "row " << row;
    }
    for (const std::size_t row : {19, 23, 27}) {
        EXPECT_EQ(value(row), "MS Sans Serif") << "row " << row;
    }
    for (const std::size_t row : {20, 24, 28}) {
        EXPECT_EQ(value(row), "[]") << "row " << row;
    }
    EXPECT_EQ(value(21), "8");
    EXPECT_EQ(value(25), "8");
    EXPECT_EQ(rows[30], "Adres=D:\\Txt.Dat");
    EXPECT_EQ(value(33), "Yes");
}

TEST(ShippedMedia, SoundsAreWaveFilesAndThePictureIsLargeEnough) {
    for (const char* name : {"Sound\\KeyBoard.wav", "Sound\\Button3.wav", "Sound\\Button2.wav",
                             "Sound\\Button1.wav", "Sound\\CpuSound.wav", "Sound\\Close.wav"}) {
        const std::string bytes = shipped().read(name);
        ASSERT_GT(bytes.size(), 44u) << name;
        EXPECT_EQ(bytes.substr(0, 4), "RIFF") << name;
        EXPECT_EQ(bytes.substr(8, 4), "WAVE") << name;
    }
    const std::string bitmap = shipped().read("Images\\Foto.bmp");
    ASSERT_GT(bitmap.size(), 26u);
    EXPECT_EQ(bitmap.substr(0, 2), "BM");
    const auto int32At = [&](std::size_t at) {
        return static_cast<int>(static_cast<unsigned char>(bitmap[at]) |
                                static_cast<unsigned char>(bitmap[at + 1]) << 8 |
                                static_cast<unsigned char>(bitmap[at + 2]) << 16 |
                                static_cast<unsigned char>(bitmap[at + 3]) << 24);
    };
    EXPECT_GE(int32At(18), 179);
    EXPECT_GE(std::abs(int32At(22)), 108);
}

} // namespace
} // namespace orlevan
