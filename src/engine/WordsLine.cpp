#include "engine/WordsLine.h"

namespace orlevan {
namespace {

constexpr char kDepthMark = '_';
constexpr char kSeparator = '^';
constexpr char kEnd = ';';
constexpr char kExitMark = '@';

} // namespace

int depthOf(std::string_view text) {
    const auto key = text.find_first_not_of(kDepthMark);
    return static_cast<int>(key == std::string_view::npos ? text.size() : key);
}

WordsLine parseWordsLine(std::string_view text) {
    WordsLine line;
    if (text.empty()) {
        line.fault = LineFault::Empty;
        return line;
    }
    line.depth = depthOf(text);
    const auto keyStart = static_cast<std::size_t>(line.depth);
    if (keyStart >= text.size()) {
        line.fault = LineFault::NoKey;
        return line;
    }
    // The key has at least one character, so a '^' right at its start is part of it.
    const auto separator = text.find(kSeparator, keyStart + 1);
    if (separator == std::string_view::npos) {
        line.fault = LineFault::NoSeparator;
        line.key = text.substr(keyStart);
        return line;
    }
    line.key = text.substr(keyStart, separator - keyStart);
    if (line.key.find(kEnd) != std::string_view::npos) {
        line.fault = LineFault::SemicolonInKey;
        return line;
    }

    line.answers = text.substr(separator + 1);
    std::string_view rest = line.answers;
    for (auto end = rest.find(kEnd); end != std::string_view::npos; end = rest.find(kEnd)) {
        if (end == 0 && line.fault == LineFault::None) {
            line.fault = LineFault::EmptyAlternative;
        }
        line.alternativeCount += end > 0;
        rest.remove_prefix(end + 1);
    }
    if (rest.size() == 1 && rest.front() == kExitMark) {
        line.exitMark = true;
    } else if (!rest.empty() && line.fault == LineFault::None) {
        line.fault = LineFault::UnendedAlternative;
    }
    return line;
}

std::string_view WordsLine::alternative(int index) const {
    std::string_view rest = answers;
    for (auto end = rest.find(kEnd); end != std::string_view::npos; end = rest.find(kEnd)) {
        if (end > 0 && index-- == 0) {
            return rest.substr(0, end);
        }
        rest.remove_prefix(end + 1);
    }
    return {};
}

std::vector<std::string_view> WordsLine::alternatives() const {
    std::vector<std::string_view> all;
    all.reserve(static_cast<std::size_t>(alternativeCount));
    for (int i = 0; i < alternativeCount; ++i) {
        all.push_back(alternative(i));
    }
    return all;
}

} // namespace orlevan
