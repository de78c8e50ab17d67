// One turn of the dialogue on rich-text phrase bases of 1k, 100k and 1M lines,
// for three kinds of turn, each beside its floor: reading once the raw bytes
// of every file the turn consults and writing once, plainly, as many bytes as
// it saves to every file it changes.
//   KeyTurn   - the key of the last line stands whole in the phrase;
//   WordTurn  - the words of the last line's key stand in the phrase with
//               other words between them, so the whole-key pass finds nothing;
//   LearnTurn - no line answers, and the phrase is learnt: stored in W2.Dat,
//               made a key and added as an answer to a line in the middle.
// The bases are made from the shipped one: its lines with a number added to
// each key, so every key is unique while line length and the share of
// Cyrillic (stored as \'hh) stay those of the real base.

#include "Casing.h"
#include "Clock.h"
#include "Cp1251.h"
#include "Dialogue.h"
#include "Failure.h"
#include "FloorReporter.h"
#include "Folder.h"
#include "KnowledgeFiles.h"
#include "Learning.h"
#include "Normalise.h"
#include "NumberedBase.h"
#include "PhraseList.h"
#include "Random.h"
#include "ReplySelection.h"
#include "TurnFrontEnd.h"
#include "WordsLine.h"

#include <cstdio>
#include <filesystem>
#include <iterator>
#include <map>
#include <memory>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using orlevan::DialogueState;
using orlevan::Folder;
using orlevan::PhraseList;
namespace files = orlevan::files;

class FixedClock final : public orlevan::Clock {
public:
    std::string longTime() const override { return "14:05:09"; }
    std::string shortDate() const override { return "08.12.2026"; }
    unsigned millisecondOfDay() const override { return 50'709'000; }
};

// The same draws every turn, since the turn's reseed rewinds them: the
// screening does not look at the length (2 of 1..6), the first alternative or
// fallback line is taken, and no follow-up remark is armed (2 of 1..3). A draw
// asked for beyond the script, or out of its range, means the turn took a
// path it was not set up for; that is remembered and fails the benchmark.
class ScriptedDraws final : public orlevan::Random {
public:
    void reseed(unsigned) override { next_ = 0; }
    int below(int n) override {
        if (next_ >= std::size(kDraws) || kDraws[next_] >= n) {
            offScript_ = true;
            return 0;
        }
        return kDraws[next_++];
    }
    bool offScript() const { return offScript_; }

private:
    static constexpr int kDraws[] = {1, 0, 1};
    std::size_t next_ = 0;
    bool offScript_ = false;
};

class SilentFrontEnd final : public orlevan::TurnFrontEnd {
public:
    void showUserPhrase(const std::string&) override {}
    void showReply(const std::string&) override {}
    void setClosing(bool) override {}
    void setFollowUp(bool) override {}
    std::optional<std::string> partnerFile() const override { return std::nullopt; }
    void clearInput() override {}
};

std::string cp(std::string_view utf8) {
    return orlevan::cp1251::fromUtf8(utf8);
}

// `text` on `path` by plain stdio: no encoding, no temporary file, no sync.
void writePlain(const fs::path& path, const std::string& text) {
    std::FILE* out = std::fopen(path.c_str(), "wb");
    const bool written =
        out != nullptr && std::fwrite(text.data(), 1, text.size(), out) == text.size();
    if (out == nullptr || std::fclose(out) != 0 || !written) {
        throw orlevan::Failure("Cannot write " + path.string());
    }
}

// The phrase as the turn will search it.
std::string searched(std::string phrase) {
    orlevan::normalise(phrase);
    return orlevan::casing::upper(phrase);
}

// A working folder holding a phrase base of `lines` lines and the shipped
// other files of a turn.
class Base {
public:
    Base(const fs::path& root, const PhraseList& shipped, int lines) : folder(root) {
        fs::create_directories(root / "Base");
        const fs::path data = fs::path(ORLEVAN_SHIPPED_DATA) / "Base";
        for (const char* name : {"W1.Dat", "W2.Dat", "Povtor.Dat", "X.Dat", "BigString.Dat",
                                 "AI.dat", "Collection.Dat"}) {
            fs::copy_file(data / name, root / "Base" / name);
        }
        PhraseList base = generate(shipped, lines);
        lastLine = base.count() - 1;
        lastKey = std::string(orlevan::learningKey(base.line(lastLine)));
        findMiddle(base);
        base.save(folder, files::WordsForLearning);
        words = folder.read(files::WordsForLearning);
        w2 = folder.read(files::W2);
    }

    Folder folder;
    int lastLine = 0;
    std::string lastKey;   // "КАК ДЕЛА <number>"
    std::string middleKey; // the key of a main line in the middle, without '?'
    std::string words;     // the bytes of Words.dat and W2.Dat as made
    std::string w2;
    std::string learntWords; // the bytes of Words.dat and W2.Dat after a learning turn
    std::string learntW2;
    PhraseList originalWords; // what restore() saves, made on its first use
    PhraseList originalW2;

    // Puts back the files a learning turn changes, through the program's own
    // save: in use, the turn before this one saved them, so the program knows
    // the bytes they hold, as it does here. The lists live as long as the
    // base, so their memory is reused as a running program's is.
    void restore() {
        if (originalWords.count() == 0) {
            originalWords = PhraseList::fromBytes(words);
            originalW2 = PhraseList::fromBytes(w2);
        }
        originalWords.save(folder, files::WordsForLearning);
        originalW2.save(folder, files::W2);
    }

private:
    // The last line is "КАК ДЕЛА", which the word turn needs as a key of several words.
    static PhraseList generate(const PhraseList& shipped, int lines) {
        return orlevan::bench::numberedBase(shipped, lines, cp("КАК ДЕЛА"));
    }

    void findMiddle(const PhraseList& base) {
        for (int i = base.count() / 2; i < base.count(); ++i) {
            const auto line = orlevan::parseWordsLine(base.line(i));
            if (line.fault == orlevan::LineFault::None && line.isMain() && !line.unanswered() &&
                line.key.find('?') == std::string_view::npos) {
                middleKey = std::string(line.key);
                return;
            }
        }
        throw orlevan::Failure("No main line in the second half of the base");
    }
};

class Corpus {
public:
    Corpus()
        : root_(fs::temp_directory_path() / ("orlevan-turn-bench-" + std::to_string(::getpid()))) {
        fs::create_directories(root_);
        shipped_.load(Folder(ORLEVAN_SHIPPED_DATA), files::WordsForLearning);
    }
    ~Corpus() { fs::remove_all(root_); }

    Base& base(int lines) {
        auto& made = bases_[lines];
        if (!made) {
            made = std::make_unique<Base>(root_ / std::to_string(lines), shipped_, lines);
        }
        return *made;
    }

private:
    fs::path root_;
    PhraseList shipped_;
    std::map<int, std::unique_ptr<Base>> bases_;
};

Corpus& corpus() {
    static Corpus instance;
    return instance;
}

// Throughput is counted in bytes of the phrase base as stored, for a turn and its floor alike.
void countBase(benchmark::State& state, const Base& base) {
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(base.words.size()));
}

std::string keyPhrase(const Base& base) {
    return cp("Ну и ") + orlevan::casing::lower(base.lastKey);
}

std::string wordPhrase(const Base& base) {
    return cp("Ну и как твои дела, номер") + base.lastKey.substr(base.lastKey.rfind(' '));
}

// Neither a key nor in W2.Dat; no digit, so no numbered key can answer it.
const std::string kNewPhrase = cp("Вчера я чинил старый велосипед во дворе");

// A different line before the phrase: the turn is no repetition.
const std::string kPreviousLine = cp("Привет.");

// Which pass answers the phrase, and from which line: checked once before
// timing, with the passes themselves.
enum class Answer { Key, Word, None };

std::string answerProblem(Base& base, const std::string& phrase, Answer expected) {
    PhraseList buffer;
    orlevan::SystemRandom random;
    orlevan::TurnContext context{base.folder, buffer, random};
    const std::string upper = searched(phrase);
    DialogueState state;
    orlevan::Reply reply;
    const bool byKey = orlevan::KeyPass(context, state, upper, reply);
    const bool byWord = !byKey && orlevan::WordPass(context, state, upper, reply);
    const Answer found = byKey ? Answer::Key : byWord ? Answer::Word : Answer::None;
    if (found != expected) {
        return "the phrase is answered by another pass than the one under test";
    }
    if (found != Answer::None && state.TopicLine != base.lastLine) {
        return "the phrase is answered by line " + std::to_string(state.TopicLine) +
               ", not by the last line";
    }
    return {};
}

// What a learning turn should leave: the phrase last in W2.Dat, a new key for
// it and the middle line with the phrase as one more answer.
std::string learningProblem(const Base& base, const std::string& w2, const std::string& words) {
    std::string phrase = kNewPhrase;
    orlevan::normalise(phrase);
    const PhraseList before = PhraseList::fromBytes(base.words);
    const PhraseList after = PhraseList::fromBytes(words);
    const PhraseList stored = PhraseList::fromBytes(w2);
    if (stored.line(stored.count() - 1) != phrase) {
        return "the phrase was not stored in W2.Dat";
    }
    bool newKey = false;
    bool answered = false;
    for (const auto& line : after.lines()) {
        newKey = newKey || line == orlevan::casing::upper(phrase) + "^";
        answered = answered || (orlevan::learningKey(line) == base.middleKey &&
                                line.ends_with(";" + phrase + ";"));
    }
    if (after.count() != before.count() + 1 || !newKey) {
        return "the phrase was not made a key of Words.dat";
    }
    if (!answered) {
        return "the phrase was not added as an answer to the middle line";
    }
    return {};
}

DialogueState learningState(const Base& base) {
    DialogueState state;
    state.LastReply = orlevan::casing::lower(base.middleKey);
    return state;
}

// One learning turn, made once per base before anything is timed: it checks
// the path and gives the floor the sizes of the files the turn saves.
std::string learnOnce(Base& base) {
    if (!base.learntWords.empty()) {
        return {};
    }
    if (auto problem = answerProblem(base, kNewPhrase, Answer::None); !problem.empty()) {
        return problem;
    }
    FixedClock clock;
    ScriptedDraws random;
    SilentFrontEnd frontEnd;
    orlevan::Dialogue dialogue(base.folder, clock, random);
    dialogue.state = learningState(base);
    dialogue.turn(kNewPhrase, kPreviousLine, frontEnd);
    const std::string words = base.folder.read(files::WordsForLearning);
    const std::string w2 = base.folder.read(files::W2);
    base.restore();
    if (random.offScript()) {
        return "the learning turn drew off its script";
    }
    if (auto problem = learningProblem(base, w2, words); !problem.empty()) {
        return problem;
    }
    base.learntWords = words;
    base.learntW2 = w2;
    return {};
}

// A key or word turn: after it the topic is open on the last line.
void AnsweredTurn(benchmark::State& state, Answer kind) {
    try {
        Base& base = corpus().base(static_cast<int>(state.range(0)));
        const std::string phrase = kind == Answer::Key ? keyPhrase(base) : wordPhrase(base);
        if (auto problem = answerProblem(base, phrase, kind); !problem.empty()) {
            state.SkipWithError(problem.c_str());
            return;
        }
        FixedClock clock;
        ScriptedDraws random;
        SilentFrontEnd frontEnd;
        orlevan::Dialogue dialogue(base.folder, clock, random);
        for (auto _ : state) {
            // A fresh dialogue: no topic open, so no branch pass runs first.
            dialogue.state = DialogueState{};
            dialogue.Log.clear();
            dialogue.turn(phrase, kPreviousLine, frontEnd);
        }
        if (random.offScript() || dialogue.state.TopicLine != base.lastLine) {
            state.SkipWithError("a timed turn did not answer from the last line");
        }
        countBase(state, base);
    } catch (const std::exception& failure) {
        state.SkipWithError(failure.what());
    }
}

void KeyTurn(benchmark::State& state) {
    AnsweredTurn(state, Answer::Key);
}
void WordTurn(benchmark::State& state) {
    AnsweredTurn(state, Answer::Word);
}

// Floors read into a buffer kept from one iteration to the next, as the
// turn's own work buffer is: fresh memory would make every floor slow.
void FloorAnsweredTurn(benchmark::State& state) {
    const Base& base = corpus().base(static_cast<int>(state.range(0)));
    std::string bytes;
    for (auto _ : state) {
        base.folder.read(files::WordsForSearch, bytes);
        benchmark::DoNotOptimize(bytes.data());
    }
    countBase(state, base);
}

void FloorKeyTurn(benchmark::State& state) {
    FloorAnsweredTurn(state);
}
void FloorWordTurn(benchmark::State& state) {
    FloorAnsweredTurn(state);
}

void LearnTurn(benchmark::State& state) {
    try {
        Base& base = corpus().base(static_cast<int>(state.range(0)));
        if (auto problem = learnOnce(base); !problem.empty()) {
            state.SkipWithError(problem.c_str());
            return;
        }
        FixedClock clock;
        ScriptedDraws random;
        SilentFrontEnd frontEnd;
        orlevan::Dialogue dialogue(base.folder, clock, random);
        const DialogueState start = learningState(base);
        for (auto _ : state) {
            state.PauseTiming();
            base.restore();
            dialogue.state = start;
            dialogue.Log.clear();
            state.ResumeTiming();
            dialogue.turn(kNewPhrase, kPreviousLine, frontEnd);
        }
        const bool learnt = base.folder.read(files::WordsForLearning) == base.learntWords &&
                            base.folder.read(files::W2) == base.learntW2;
        base.restore();
        if (random.offScript() || !learnt) {
            state.SkipWithError("a timed turn did not learn as the first one did");
        }
        countBase(state, base);
    } catch (const std::exception& failure) {
        state.SkipWithError(failure.what());
    }
}

void FloorLearnTurn(benchmark::State& state) {
    try {
        Base& base = corpus().base(static_cast<int>(state.range(0)));
        if (auto problem = learnOnce(base); !problem.empty()) {
            state.SkipWithError(problem.c_str());
            return;
        }
        const fs::path wordsCopy = base.folder.root() / "floor-words";
        const fs::path w2Copy = base.folder.root() / "floor-w2";
        std::string bytes;
        for (auto _ : state) {
            base.folder.read(files::WordsForLearning, bytes);
            benchmark::DoNotOptimize(bytes.data());
            base.folder.read(files::W2, bytes);
            benchmark::DoNotOptimize(bytes.data());
            writePlain(w2Copy, base.learntW2);
            writePlain(wordsCopy, base.learntWords);
        }
        countBase(state, base);
    } catch (const std::exception& failure) {
        state.SkipWithError(failure.what());
    }
}

// A turn on the largest base takes seconds: a few of them are enough.
constexpr int kLargeBaseTurns = 3;

void smallBases(benchmark::internal::Benchmark* b) {
    b->Arg(1'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
}

void largeBase(benchmark::internal::Benchmark* b) {
    b->Arg(1'000'000)->Iterations(kLargeBaseTurns)->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(KeyTurn)->Apply(smallBases);
BENCHMARK(FloorKeyTurn)->Apply(smallBases);
BENCHMARK(WordTurn)->Apply(smallBases);
BENCHMARK(FloorWordTurn)->Apply(smallBases);
BENCHMARK(LearnTurn)->Apply(smallBases);
BENCHMARK(FloorLearnTurn)->Apply(smallBases);
BENCHMARK(KeyTurn)->Apply(largeBase);
BENCHMARK(FloorKeyTurn)->Apply(largeBase);
BENCHMARK(WordTurn)->Apply(largeBase);
BENCHMARK(FloorWordTurn)->Apply(largeBase);
BENCHMARK(LearnTurn)->Apply(largeBase);
BENCHMARK(FloorLearnTurn)->Apply(largeBase);

int main(int argc, char** argv) {
    return orlevan::bench::runWithFloors(argc, argv);
}
