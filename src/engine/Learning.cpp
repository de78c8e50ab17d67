#include "engine/Learning.h"

#include "engine/WordsIndex.h"
#include "engine/WordsLine.h"
#include "platform/format/Casing.h"
#include "platform/kb/PhraseList.h"
#include "platform/system/EditLock.h"

#include <algorithm>
#include <optional>

namespace orlevan {
namespace {

constexpr std::string_view kReserved = "^_;@";

// A character that structures Words.dat, or a control character (a partner's
// file may hold a tab, a NUL or a line end that the input line never lets in):
// such a phrase would not stay one readable line of the phrase base.
bool unfitToLearn(std::string_view phrase) {
    const auto control = [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; };
    return phrase.find_first_of(kReserved) != std::string_view::npos ||
           std::any_of(phrase.begin(), phrase.end(), control);
}

// Line index of the first well-formed line whose key equals `key`, or 0.
int findKey(const PhraseList& base, std::string_view key) {
    return base.indexed<WordsIndex>().learntKeyLine(base.buffer(), key);
}

// The line with one more answer. A line with a branch block keeps its place,
// so the block stays under it; any other line moves to the end of the file.
// An exit mark stays the line's last character, so it keeps its force.
void addAnswer(PhraseList& base, int index, std::string_view answer) {
    std::string line(base.line(index));
    const bool exitMark = parseWordsLine(line).exitMark;
    if (exitMark) {
        line.pop_back();
    }
    line.append(answer).append(";");
    if (exitMark) {
        line += '@';
    }
    const bool hasBranches = depthOf(base.line(index + 1)) > 0;
    if (hasBranches) {
        base.replace(index, std::move(line));
    } else {
        base.remove(index);
        base.append(std::move(line));
    }
}

// The fallback file the reply came from, still in the work buffer, holds the phrase.
bool alreadyStored(const TurnContext& context, const DialogueState& state) {
    for (int i = 1; i < context.RE2.count(); ++i) {
        if (context.RE2.line(i) == state.UserPhrase) {
            return true;
        }
    }
    return false;
}

// The phrase as one more reply of W1 (the previous reply asked something) or W2.
PhraseList::PendingSave storeStep(TurnContext& context, const DialogueState& state) {
    const auto target = state.LastReply.find('?') != std::string::npos ? files::W1 : files::W2;
    context.RE2.load(context.folder, target);
    context.RE2.append(state.UserPhrase);
    return context.RE2.stage(context.folder, target);
}

// The phrase becomes a key, and then one more answer of the previous reply's
// line; the edits are those two steps would make one after the other, saved
// once. Nothing is written when the phrase was a key already.
std::optional<PhraseList::PendingSave> keyAndAnswerSteps(TurnContext& context,
                                                         const DialogueState& state) {
    const std::string upperPhrase = casing::upper(state.UserPhrase);
    context.RE2.load(context.folder, files::WordsForLearning);
    if (findKey(context.RE2, upperPhrase) != 0) {
        return std::nullopt;
    }
    context.RE2.append(upperPhrase + "^");
    if (!state.LastReply.empty()) {
        if (const int target = findKey(context.RE2, casing::upper(state.LastReply))) {
            addAnswer(context.RE2, target, state.UserPhrase);
        }
    }
    return context.RE2.stage(context.folder, files::WordsForLearning);
}

} // namespace

void recordInsult(TurnContext& context, const DialogueState& state) {
    const EditLock lock(context.folder, files::Collection);
    context.RE2.load(context.folder, files::Collection);
    context.RE2.append(">>> " + state.UserPhrase);
    context.RE2.save(context.folder, files::Collection);
}

void learnAfterFallback(TurnContext& context, const DialogueState& state) {
    if (unfitToLearn(state.UserPhrase)) {
        return;
    }
    // W1, W2 and Words.dat share one folder, and so one lock.
    const EditLock lock(context.folder, files::WordsForLearning);
    std::optional<PhraseList::PendingSave> stored;
    if (!state.FilterHit && !alreadyStored(context, state)) {
        // Before the first reply there is nothing to learn from.
        if (state.LastReply.empty()) {
            return;
        }
        stored = storeStep(context, state);
    }
    // Both files are written before either is put in place, so a save that
    // fails (a full disk) leaves both as they were before the turn.
    auto keyed = keyAndAnswerSteps(context, state);
    for (auto* pending : {&stored, &keyed}) {
        if (*pending) {
            (*pending)->place();
        }
    }
}

} // namespace orlevan
