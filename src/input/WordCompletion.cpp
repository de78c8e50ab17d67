#include "input/WordCompletion.h"

#include "platform/format/Casing.h"
#include "platform/format/Cp1251.h"

#include <algorithm>

namespace orlevan {
namespace {

constexpr std::string_view kSeparators = " ,.!?";

// `upperFragment` is already upper-cased; the entry is compared as it stands.
bool beginsWithIgnoringCase(std::string_view entry, std::string_view upperFragment) {
    if (entry.size() < upperFragment.size()) {
        return false;
    }
    for (std::size_t i = 0; i < upperFragment.size(); ++i) {
        if (casing::upper(entry[i]) != upperFragment[i]) {
            return false;
        }
    }
    return true;
}

} // namespace

bool WordCompletion::isSeparator(char c) {
    return kSeparators.find(c) != std::string_view::npos;
}

bool WordCompletion::canBeOffered(std::string_view entry) {
    return !entry.empty() && std::all_of(entry.begin(), entry.end(), [](char c) {
        return cp1251::isLineCharacter(static_cast<unsigned char>(c));
    });
}

std::optional<std::size_t> WordCompletion::search(std::string_view text,
                                                  const std::vector<std::string>& SpeedWord) {
    if (text.empty() || isSeparator(text.back())) {
        CandidateIndex = -1;
        return std::nullopt;
    }
    const std::size_t separator = text.find_last_of(kSeparators);
    TypedFragment = text.substr(separator == std::string_view::npos ? 0 : separator + 1);
    const std::string wanted = casing::upper(TypedFragment);
    CompletionTail.clear();
    for (auto index = static_cast<std::size_t>(std::max(CandidateIndex + 1, 0));
         index < SpeedWord.size(); ++index) {
        const std::string& entry = SpeedWord[index];
        if (beginsWithIgnoringCase(entry, wanted) && canBeOffered(entry)) {
            CandidateIndex = static_cast<int>(index);
            CompletionTail = entry.substr(wanted.size());
            return index;
        }
    }
    CandidateIndex = -1;
    return std::nullopt;
}

std::size_t WordCompletion::keyDown(Key key, std::size_t entries) {
    if (key == Key::Up) {
        CandidateIndex -= 2;
    } else if (key == Key::Down) {
        CandidateIndex += 1;
    }
    // One step back from the end is all a key can overshoot by; a dictionary
    // reloaded shorter since the last search is held to its last entry too.
    CandidateIndex = std::min(CandidateIndex, static_cast<int>(entries) - 1);
    CandidateIndex = std::max(CandidateIndex, 0);
    return static_cast<std::size_t>(CandidateIndex);
}

std::string WordCompletion::completed(std::string_view text) const {
    std::string out(text);
    out += casing::lower(CompletionTail);
    return out;
}

} // namespace orlevan
