#include "engine/RunMatch.h"

namespace orlevan {

bool RunMatch(std::string_view pattern, std::string_view upperPhrase, MatchState& state) {
    const int length = static_cast<int>(pattern.size());
    const int end =
        static_cast<int>(upperPhrase.size()) + 1; // the position past the last character
    if (length == 0) {
        return false;
    }
    while (true) {
        ++state.K;
        ++state.W;
        if (state.W > length) {
            state.W = 1;
        }
        // Positions count from 1; the end of the phrase equals no character.
        const bool equal = state.K < end && upperPhrase[static_cast<std::size_t>(state.K - 1)] ==
                                                pattern[static_cast<std::size_t>(state.W - 1)];
        if (equal) {
            ++state.R;
        } else {
            state.R = 0;
            state.W = 0;
        }
        if (state.R == length) {
            return true;
        }
        if (state.K >= end) {
            return false;
        }
    }
}

bool foundFresh(std::string_view pattern, std::string_view upperPhrase) {
    if (upperPhrase.find(pattern) == std::string_view::npos) {
        return false;
    }
    MatchState fresh;
    return RunMatch(pattern, upperPhrase, fresh);
}

} // namespace orlevan
