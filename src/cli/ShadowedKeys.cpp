#include "cli/ShadowedKeys.h"

#include "engine/KeyMatch.h"
#include "engine/Normalise.h"
#include "engine/ReplySelection.h"
#include "engine/RunMatch.h"
#include "engine/WordsLine.h"
#include "platform/format/Casing.h"
#include "platform/kb/PhraseList.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <unordered_map>

namespace orlevan::cli {
namespace {

// The lines that can answer, by what the key pass looks for in the phrase:
// the first line for each distinct pattern, since a later one with the same
// pattern never answers before it.
class AnsweringKeys {
public:
    explicit AnsweringKeys(const PhraseList& base) {
        for (int i = 1; i < base.count(); ++i) {
            const std::string_view text = base.line(i);
            const WordsLine line = parseWordsLine(text);
            if (!answersFrom(line)) {
                continue;
            }
            const std::string_view pattern = keyPassPattern(text, line);
            if (firstLine_.try_emplace(pattern, i).second) {
                lengths_.push_back(pattern.size());
            }
        }
        std::sort(lengths_.begin(), lengths_.end());
        lengths_.erase(std::unique(lengths_.begin(), lengths_.end()), lengths_.end());
    }

    // The line the key pass answers `upperPhrase` from, when it is before
    // `limit`: only patterns that stand in the phrase can match, and the
    // matcher has the last word on each, as it misses some that stand there.
    int firstBefore(std::string_view upperPhrase, int limit) const {
        int first = limit;
        for (std::size_t start = 0; start < upperPhrase.size(); ++start) {
            for (const std::size_t length : lengths_) {
                if (start + length > upperPhrase.size()) {
                    break;
                }
                const auto found = firstLine_.find(upperPhrase.substr(start, length));
                if (found != firstLine_.end() && found->second < first &&
                    foundFresh(found->first, upperPhrase)) {
                    first = found->second;
                }
            }
        }
        return first;
    }

private:
    std::unordered_map<std::string_view, int> firstLine_;
    std::vector<std::size_t> lengths_;
};

} // namespace

std::optional<std::string> typedKey(std::string_view text) {
    const WordsLine line = parseWordsLine(text);
    if (!line.isMain() || !answersFrom(line)) {
        return std::nullopt;
    }
    std::string phrase(line.key);
    normalise(phrase);
    return casing::upper(phrase);
}

std::vector<Shadowing> shadowedKeys(const PhraseList& base) {
    const AnsweringKeys keys(base);
    std::vector<Shadowing> shadowed;
    for (int i = 1; i < base.count(); ++i) {
        const auto phrase = typedKey(base.line(i));
        if (!phrase) {
            continue;
        }
        if (const int by = keys.firstBefore(*phrase, i); by < i) {
            shadowed.push_back({i, by});
        }
    }
    return shadowed;
}

} // namespace orlevan::cli
