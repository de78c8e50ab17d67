#include "NumberedBase.h"

#include "engine/Learning.h"
#include "platform/system/Failure.h"

#include <cstdio>
#include <string>
#include <vector>

namespace orlevan::bench {
namespace {

std::string numbered(std::string_view key, int number) {
    char digits[16];
    std::snprintf(digits, sizeof digits, " %07d", number);
    return std::string(key) + digits;
}

} // namespace

PhraseList numberedBase(const PhraseList& shipped, int lines, std::string_view lastKey) {
    const std::vector<std::string> all = shipped.lines();
    std::vector<const std::string*> sources;
    const std::string* last = nullptr;
    for (std::size_t i = 1; i < all.size(); ++i) {
        const std::string& line = all[i];
        if (line.find('^') == std::string::npos) {
            continue;
        }
        sources.push_back(&line);
        if (!lastKey.empty() && learningKey(line) == lastKey) {
            last = &line;
        }
    }
    if (sources.empty()) {
        throw Failure("The shipped base lacks the lines to make a larger one from");
    }
    // A base whose threads spell the key otherwise lends the key its first
    // line's replies.
    const std::string lent =
        last ? std::string()
             : std::string(lastKey) + sources.front()->substr(sources.front()->find('^'));
    if (!lastKey.empty() && last == nullptr) {
        last = &lent;
    }
    std::vector<std::string> text{all.front()};
    text.reserve(static_cast<std::size_t>(lines));
    for (int i = 1; i < lines; ++i) {
        const std::string& source =
            i == lines - 1 && last ? *last
                                   : *sources[static_cast<std::size_t>(i - 1) % sources.size()];
        const std::size_t keyEnd = source.find('^');
        text.push_back(numbered(std::string_view(source).substr(0, keyEnd), i) +
                       source.substr(keyEnd));
    }
    return PhraseList(text);
}

} // namespace orlevan::bench
