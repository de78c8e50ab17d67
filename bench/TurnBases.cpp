#include "TurnBases.h"

#include "NumberedBase.h"
#include "engine/Dialogue.h"
#include "engine/KnowledgeFiles.h"
#include "engine/Learning.h"
#include "engine/Normalise.h"
#include "engine/ReplySelection.h"
#include "engine/WordsIndex.h"
#include "engine/WordsLine.h"
#include "platform/format/Casing.h"
#include "platform/format/Cp1251.h"
#include "platform/format/TextLines.h"
#include "platform/system/Failure.h"

#include <iterator>
#include <unistd.h>

namespace orlevan::bench {
namespace {

namespace fs = std::filesystem;

constexpr int kDraws[] = {1, 0, 1};

std::string cp(std::string_view utf8) {
    return cp1251::fromUtf8(utf8);
}

// A different line before the phrase: no turn is a repetition.
const std::string kPreviousLine = cp("Привет.");

// Neither a key nor in W2.Dat; no digit, so no numbered key can answer it.
const std::string kNewPhrase = cp("Вчера я чинил старый велосипед во дворе");

// The first main line with an answer from the middle of the base on, whose
// key holds no '?' and that has branches of depth 1 below it; and the last
// of those branches.
struct Middle {
    int main = 0;
    int branch = 0;
};

Middle findMiddle(const PhraseList& base) {
    for (int i = base.count() / 2; i + 1 < base.count(); ++i) {
        const WordsLine line = parseWordsLine(base.line(i));
        if (!line.isMain() || line.unanswered() || line.fault != LineFault::None ||
            line.key.find('?') != std::string_view::npos || depthOf(base.line(i + 1)) != 1) {
            continue;
        }
        Middle middle{i, 0};
        for (int j = i + 1; j < base.count() && depthOf(base.line(j)) > 0; ++j) {
            middle.branch = depthOf(base.line(j)) == 1 ? j : middle.branch;
        }
        return middle;
    }
    throw Failure("No main line with branches in the second half of the base");
}

// Which pass answers a turn, and from which line: checked once before
// timing, with the passes themselves.
std::string answerProblem(const Base& base, const TurnSetUp& turn, ReplySource expected) {
    PhraseList buffer;
    SystemRandom random;
    TurnContext context{base.folder, buffer, random};
    std::string upper = turn.phrase;
    normalise(upper);
    upper = casing::upper(upper);
    DialogueState state = turn.start;
    Reply reply;
    std::optional<ReplySource> found;
    if (state.TopicDepth > 0 && BranchPass(context, state, upper)) {
        found = ReplySource::Branch;
    } else if (KeyPass(context, state, upper, reply)) {
        found = ReplySource::Key;
    } else if (WordPass(context, state, upper, reply)) {
        found = ReplySource::Word;
    }
    if (found != (expected == ReplySource::Fallback ? std::nullopt : std::optional(expected))) {
        return "the phrase is answered by another pass than the one under test";
    }
    if (found && state.TopicLine != turn.answeringLine) {
        return "the phrase is answered by line " + std::to_string(state.TopicLine) +
               ", not by line " + std::to_string(turn.answeringLine);
    }
    return {};
}

// What a learning turn should leave: the phrase last in W2.Dat, a new key for
// it and the middle line with the phrase as one more answer.
std::string learningProblem(const Base& base, const std::string& w2, const std::string& words) {
    std::string phrase = kNewPhrase;
    normalise(phrase);
    const PhraseList before = PhraseList::fromBytes(base.words);
    const PhraseList after = PhraseList::fromBytes(words);
    const PhraseList stored = PhraseList::fromBytes(w2);
    if (stored.line(stored.count() - 1) != phrase) {
        return "the phrase was not stored in W2.Dat";
    }
    const std::string middleKey = casing::upper(base.learnTurn.start.LastReply);
    bool newKey = false;
    bool answered = false;
    for (const auto& line : after.lines()) {
        newKey = newKey || line == casing::upper(phrase) + "^";
        answered =
            answered || (learningKey(line) == middleKey && line.ends_with(";" + phrase + ";"));
    }
    if (after.count() != before.count() + 1 || !newKey) {
        return "the phrase was not made a key of Words.dat";
    }
    if (!answered) {
        return "the phrase was not added as an answer to the middle line";
    }
    return {};
}

} // namespace

int ScriptedDraws::below(int n) {
    if (next_ >= std::size(kDraws) || kDraws[next_] >= n) {
        offScript_ = true;
        return 0;
    }
    return kDraws[next_++];
}

Base::Base(const fs::path& root, const PhraseList& shipped, int lines, Form form)
    : folder(root), form_(form) {
    fs::create_directories(root / "Base");
    const fs::path data = fs::path(ORLEVAN_SHIPPED_DATA) / "Base";
    for (const char* name :
         {"W1.Dat", "W2.Dat", "Povtor.Dat", "X.Dat", "BigString.Dat", "AI.dat", "Collection.Dat"}) {
        fs::copy_file(data / name, root / "Base" / name);
    }
    // The last line is "КАК ДЕЛА", which the word turn needs as a key of several words.
    PhraseList base = numberedBase(shipped, lines, cp("КАК ДЕЛА"));
    const int last = base.count() - 1;
    const std::string lastKey(learningKey(base.line(last)));
    keyTurn = {cp("Ну и ") + casing::lower(lastKey), {}, last};
    wordTurn = {cp("Ну и как твои дела, номер") + lastKey.substr(lastKey.rfind(' ')), {}, last};

    const Middle middle = findMiddle(base);
    const WordsLine branch = parseWordsLine(base.line(middle.branch));
    branchTurn = {casing::lower(branch.key), {}, middle.branch};
    branchTurn.start.TopicDepth = 1;
    branchTurn.start.TopicLine = middle.main;
    learnTurn = {kNewPhrase, {}, 0};
    learnTurn.start.LastReply = casing::lower(parseWordsLine(base.line(middle.main)).key);

    original_ = base.lines();
    text = joinTextLines(original_);
    if (form == Form::Plain) {
        folder.write(files::WordsForLearning, text);
    } else {
        base.save(folder, files::WordsForLearning);
    }
    originalW2_.load(folder, files::W2);
    words = folder.read(files::WordsForLearning);
    w2 = folder.read(files::W2);
    for (const auto& [turn, source] : {std::pair{&keyTurn, ReplySource::Key},
                                       {&wordTurn, ReplySource::Word},
                                       {&branchTurn, ReplySource::Branch},
                                       {&learnTurn, ReplySource::Fallback}}) {
        if (const auto problem = answerProblem(*this, *turn, source); !problem.empty()) {
            throw Failure(problem);
        }
    }
}

void Base::restore() {
    PhraseList w2 = originalW2_;
    w2.save(folder, files::W2);
    if (form_ == Form::Plain) {
        folder.write(files::WordsForLearning, text);
        return;
    }
    // Lines of their own: lines shared with another list would be copied,
    // and their index made again, at the turn's first edit.
    PhraseList words(original_);
    words.indexed<WordsIndex>();
    words.save(folder, files::WordsForLearning);
}

std::string Base::learnOnce() {
    if (!learntWords.empty()) {
        return {};
    }
    FixedClock clock;
    ScriptedDraws random;
    SilentFrontEnd frontEnd;
    Dialogue dialogue(folder, clock, random);
    dialogue.state = learnTurn.start;
    dialogue.turn(learnTurn.phrase, kPreviousLine, frontEnd);
    const std::string newWords = folder.read(files::WordsForLearning);
    const std::string newW2 = folder.read(files::W2);
    restore();
    if (random.offScript()) {
        return "the learning turn drew off its script";
    }
    if (auto problem = learningProblem(*this, newW2, newWords); !problem.empty()) {
        return problem;
    }
    learntWords = newWords;
    learntW2 = newW2;
    return {};
}

const std::string& previousLine() {
    return kPreviousLine;
}

namespace {

class Corpus {
public:
    Corpus()
        : root_(fs::temp_directory_path() / ("orlevan-turn-bench-" + std::to_string(::getpid()))) {
        fs::create_directories(root_);
        shipped_.load(Folder(ORLEVAN_SHIPPED_DATA), files::WordsForLearning);
    }
    ~Corpus() { fs::remove_all(root_); }

    Base& base(int lines, Form form) {
        auto& made = bases_[{lines, form}];
        if (!made) {
            const std::string name =
                std::to_string(lines) + (form == Form::Plain ? "-plain" : "-rich");
            made = std::make_unique<Base>(root_ / name, shipped_, lines, form);
        }
        return *made;
    }

private:
    fs::path root_;
    PhraseList shipped_;
    std::map<std::pair<int, Form>, std::unique_ptr<Base>> bases_;
};

} // namespace

Base& baseOf(int lines, Form form) {
    static Corpus corpus;
    return corpus.base(lines, form);
}

} // namespace orlevan::bench
