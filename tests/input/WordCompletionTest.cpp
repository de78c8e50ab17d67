#include "input/WordCompletion.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace orlevan {
namespace {

using test::w;
using Key = WordCompletion::Key;

std::vector<std::string> dictionary(std::initializer_list<const char*> words) {
    std::vector<std::string> entries;
    for (const char* word : words) {
        entries.push_back(w(word));
    }
    return entries;
}

// The index found for the word at the end of `typed`, or -1.
int find(WordCompletion& completion, const char* typed, const std::vector<std::string>& entries) {
    const auto found = completion.search(w(typed), entries);
    return found ? static_cast<int>(*found) : -1;
}

TEST(WordCompletion, TheFragmentIsTheTextAfterTheLastSeparator) {
    const auto entries = dictionary({"привет", "пример", "да-да", "пока"});
    const struct {
        const char* typed;
        const char* fragment;
        int found;
    } cases[] = {
        {"пр", "пр", 0},      {"как дела,пр", "пр", 0}, {"Ну.Пок", "Пок", 3},
        {"Да!при", "при", 0}, {"что?прим", "прим", 1},  {"ой да-", "да-", 2},
        {"а;по", "а;по", -1}, {"пр\tи", "пр\tи", -1},
    };
    for (const auto& c : cases) {
        WordCompletion completion;
        EXPECT_EQ(find(completion, c.typed, entries), c.found) << c.typed;
        EXPECT_EQ(completion.TypedFragment, w(c.fragment)) << c.typed;
    }
}

TEST(WordCompletion, AnEmptyInputOrOneEndingInASeparatorOffersNothing) {
    const auto entries = dictionary({"привет"});
    for (const char* typed : {"", "при ", "при,", "при.", "при!", "при?"}) {
        WordCompletion completion;
        ASSERT_EQ(find(completion, "при", entries), 0);
        completion.CandidateIndex = 5;
        EXPECT_EQ(find(completion, typed, entries), -1) << typed;
        EXPECT_EQ(completion.CandidateIndex, -1) << typed;
        // Such a search never reaches the dictionary: the last tail stands.
        EXPECT_EQ(completion.CompletionTail, w("вет")) << typed;
        EXPECT_EQ(completion.TypedFragment, w("при")) << typed;
    }
}

TEST(WordCompletion, MatchingIgnoresCaseAndTheTailIsAppendedLowerCased) {
    const auto entries = dictionary({"ПРИВЕТ", "Їжак"});
    WordCompletion completion;
    EXPECT_EQ(find(completion, "При", entries), 0);
    EXPECT_EQ(completion.CompletionTail, w("ВЕТ"));
    EXPECT_EQ(completion.completed(w("При")), w("Привет"));

    const auto lower = dictionary({"привет"});
    for (const char* typed : {"при", "ПРИ", "пРи"}) {
        WordCompletion again;
        EXPECT_EQ(find(again, typed, lower), 0) << typed;
    }
    WordCompletion upper;
    find(upper, "ПРИ", lower);
    EXPECT_EQ(upper.completed(w("ПРИ")), w("ПРИвет"));

    // Every letter of the code page has its two cases, not only the Russian ones.
    WordCompletion ukrainian;
    EXPECT_EQ(find(ukrainian, "їж", entries), 1);
    EXPECT_EQ(ukrainian.completed(w("їж")), w("їжак"));
}

TEST(WordCompletion, AWholeEntryGivesAnEmptyTailAndAShorterEntryNeverMatches) {
    const auto entries = dictionary({"да", "", "дай"});
    WordCompletion completion;
    EXPECT_EQ(find(completion, "Да", entries), 0);
    EXPECT_EQ(completion.CompletionTail, "");
    EXPECT_EQ(completion.completed(w("Да")), w("Да"));
    WordCompletion longer;
    EXPECT_EQ(find(longer, "дайт", entries), -1);
}

TEST(WordCompletion, EntriesTheInputCouldNotHoldAreNeverOffered) {
    const auto entries = dictionary({"", "при\tвет", "при\x01", "при", "привет"});
    EXPECT_FALSE(WordCompletion::canBeOffered(""));
    EXPECT_FALSE(WordCompletion::canBeOffered(w("при\tвет")));
    EXPECT_TRUE(WordCompletion::canBeOffered(w("№ «привет» €") + "\x98\x7F"));
    WordCompletion completion;
    EXPECT_EQ(find(completion, "п", entries), 3);
    EXPECT_EQ(find(completion, "п", entries), 4);
    EXPECT_EQ(find(completion, "п", entries), -1);
}

TEST(WordCompletion, TheSearchGoesOnFromTheLastCandidateAndDoesNotWrap) {
    const auto entries = dictionary({"пора", "дом", "пол", "пух", "поле"});
    WordCompletion completion;
    EXPECT_EQ(find(completion, "по", entries), 0);
    EXPECT_EQ(find(completion, "по", entries), 2);
    EXPECT_EQ(find(completion, "по", entries), 4);
    EXPECT_EQ(find(completion, "по", entries), -1);
    EXPECT_EQ(completion.CompletionTail, "");
    EXPECT_EQ(completion.CandidateIndex, -1);
    EXPECT_EQ(find(completion, "по", entries), 0); // from entry 0 again
}

// The key hook's table: from a candidate at entry m, the entry shown at once
// and the first entry the search that follows looks at.
TEST(WordCompletion, UpGoesTwoBackDownOneOnAndAnyKeyRestartsAfterTheEntryShown) {
    const auto entries = dictionary({"па", "пб", "пв", "пг", "пд", "пе"});
    const std::size_t count = entries.size();
    const struct {
        int m;
        Key key;
        std::size_t shown;
        int foundNext; // every entry matches "п": the search finds the entry it starts at
    } cases[] = {
        {3, Key::Up, 1, 2},    {1, Key::Up, 0, 1},     {0, Key::Up, 0, 1},
        {3, Key::Down, 4, 5},  {5, Key::Down, 5, -1},  {4, Key::Down, 5, -1},
        {3, Key::Other, 3, 4}, {5, Key::Other, 5, -1}, {-1, Key::Other, 0, 1},
        {-1, Key::Down, 0, 1}, {-1, Key::Up, 0, 1},
    };
    for (const auto& c : cases) {
        WordCompletion completion;
        completion.CandidateIndex = c.m;
        EXPECT_EQ(completion.keyDown(c.key, count), c.shown) << c.m;
        EXPECT_EQ(find(completion, "п", entries), c.foundNext) << c.m;
    }
}

TEST(WordCompletion, DownPassesOverAMatchAndUpComesBackToTheCandidate) {
    const auto entries = dictionary({"пора", "дом", "пол", "поле", "пух", "порт", "кот"});
    WordCompletion completion;
    completion.CandidateIndex = 2;
    EXPECT_EQ(completion.keyDown(Key::Down, entries.size()), 3u);
    EXPECT_EQ(find(completion, "по", entries), 5); // the match at 3 is passed over
    EXPECT_EQ(completion.keyDown(Key::Up, entries.size()), 3u);
    EXPECT_EQ(find(completion, "по", entries), 5); // 4 does not match: back at the candidate
    // A held key repeats its key-down, and every repeat steps again.
    for (int repeat = 0; repeat < 3; ++repeat) {
        completion.keyDown(Key::Down, entries.size());
    }
    EXPECT_EQ(completion.CandidateIndex, 6);
    // A dictionary reloaded shorter keeps the index inside it.
    EXPECT_EQ(completion.keyDown(Key::Other, 2), 1u);
}

} // namespace
} // namespace orlevan
