// The index gives every pass the line a plain reading of the whole base, line
// by line in file order, would give: on random bases full of near misses, and
// after random edits that the index follows without being made again.

#include "engine/WordsIndex.h"

#include "engine/KeyMatch.h"
#include "engine/WordsLine.h"
#include "platform/kb/PhraseList.h"

#include <gtest/gtest.h>
#include <random>

namespace orlevan {
namespace {

// Few letters, so keys share pieces and words with each other and with the
// phrases; spaces doubled, depth marks, a '^' at the start of a key, lines
// without an answer and lines that break the syntax, all of them.
class RandomBase {
public:
    explicit RandomBase(unsigned seed) : random_(seed) {}

    std::string key() {
        static const std::vector<std::string> pieces{"A",  "B", "AB", "BA", "AAB", "C",
                                                     "CA", " ", "  ", ".",  "?"};
        std::string key = pieces[draw(pieces.size() - 3)]; // no space first
        for (int words = draw(4); words > 0; --words) {
            key += pieces[draw(pieces.size())];
        }
        return key;
    }

    std::string line() {
        switch (draw(12)) {
        case 0:
            return key() + "^"; // no answer yet
        case 1:
            return key(); // no separator
        case 2:
            return key() + "^x;;"; // an empty answer
        case 3:
            return std::string(1 + draw(2), '_'); // depth marks alone
        case 4:
            return std::string(draw(2), '_') + "^" + key() + "^r;"; // a key that begins with '^'
        default:
            return std::string(draw(3) == 0 ? 1 + draw(2) : 0, '_') + key() + "^r" +
                   std::to_string(draw(100)) + ";" + (draw(5) == 0 ? "@" : "");
        }
    }

    std::string phrase() {
        std::string phrase;
        for (int pieces = 1 + draw(4); pieces > 0; --pieces) {
            phrase += draw(3) == 0 ? "X" : key();
        }
        return phrase + (draw(2) == 0 ? "." : "?");
    }

    std::size_t draw(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }

private:
    std::mt19937 random_;
};

int plainFirst(const PhraseList& base, std::string_view phrase, bool byWords) {
    for (int i = 1; i < base.count(); ++i) {
        const std::string_view text = base.line(i);
        const WordsLine line = parseWordsLine(text);
        if (answersFrom(line) &&
            (byWords ? wordsFound(text, line, phrase) : keyFound(text, line, phrase))) {
            return i;
        }
    }
    return 0;
}

int plainLearntKey(const PhraseList& base, std::string_view key) {
    for (int i = 1; i < base.count(); ++i) {
        if (parseWordsLine(base.line(i)).fault == LineFault::None &&
            learningKey(base.line(i)) == key) {
            return i;
        }
    }
    return 0;
}

void expectAsPlain(const PhraseList& base, RandomBase& make, const std::string& context) {
    const WordsIndex& index = base.indexed<WordsIndex>();
    for (int i = 0; i < 40; ++i) {
        const std::string phrase = make.phrase();
        ASSERT_EQ(index.firstKeyLine(base.buffer(), phrase), plainFirst(base, phrase, false))
            << context << " key pass, phrase " << phrase;
        ASSERT_EQ(index.firstWordsLine(base.buffer(), phrase), plainFirst(base, phrase, true))
            << context << " word pass, phrase " << phrase;
        const std::string key = i % 2 ? std::string(learningKey(base.line(static_cast<int>(
                                            make.draw(static_cast<std::size_t>(base.count()))))))
                                      : make.key();
        ASSERT_EQ(index.learntKeyLine(base.buffer(), key), plainLearntKey(base, key))
            << context << " learnt key " << key;
    }
}

TEST(WordsIndex, FindsTheLineAPlainReadingFinds) {
    for (unsigned seed = 0; seed < 60; ++seed) {
        RandomBase make(seed);
        std::vector<std::string> lines{"header^x;"};
        for (std::size_t n = 1 + make.draw(120); n > 0; --n) {
            lines.push_back(make.line());
        }
        PhraseList base(lines);
        expectAsPlain(base, make, "seed " + std::to_string(seed));
        const WordsIndex* index = &base.indexed<WordsIndex>();
        for (int edit = 0; edit < 30; ++edit) {
            const int at = static_cast<int>(make.draw(static_cast<std::size_t>(base.count())));
            switch (make.draw(4)) {
            case 0:
                base.remove(at);
                break;
            case 1:
                base.replace(at, make.line());
                break;
            default:
                base.append(make.line());
                break;
            }
            expectAsPlain(base, make,
                          "seed " + std::to_string(seed) + " edit " + std::to_string(edit));
            ASSERT_EQ(&base.indexed<WordsIndex>(), index) << "the index was made again";
        }
    }
}

} // namespace
} // namespace orlevan
