#include "cli/WordsLineProblems.h"

#include "engine/WordsLine.h"
#include "platform/format/Casing.h"
#include "platform/format/Cp1251.h"

namespace orlevan::cli {
namespace {

std::string quoted(std::string_view text) {
    return "«" + cp1251::toUtf8(text) + "»";
}

// Text after the last ';' that is neither nothing nor the exit mark.
bool unendedTail(std::string_view answers) {
    const auto lastEnd = answers.rfind(';');
    const std::string_view tail =
        lastEnd == std::string_view::npos ? answers : answers.substr(lastEnd + 1);
    return !tail.empty() && tail != "@";
}

} // namespace

std::vector<std::string> wordsLineProblems(std::string_view text) {
    const WordsLine line = parseWordsLine(text);
    std::vector<std::string> problems;
    switch (line.fault) {
    case LineFault::None:
        break;
    case LineFault::Empty:
        return {"empty line"};
    case LineFault::NoKey:
        return {"no key after the depth marks '_'"};
    case LineFault::NoSeparator:
        return {"no '^' after the key"};
    case LineFault::SemicolonInKey:
        problems.push_back("';' in the key " + quoted(line.key));
        break;
    case LineFault::EmptyAlternative:
        problems.push_back("empty alternative (';' right after '^' or after another ';')");
        // The parse names only the first fault; an unended tail is a fault of its own.
        if (unendedTail(line.answers)) {
            problems.push_back("text after the last ';' that is not the exit mark '@'");
        }
        break;
    case LineFault::UnendedAlternative:
        problems.push_back("text after the last ';' that is not the exit mark '@'");
        break;
    }
    if (casing::upper(line.key) != line.key) {
        problems.push_back("lower-case letter in the key " + quoted(line.key) +
                           ": such a key can never match");
    }
    return problems;
}

} // namespace orlevan::cli
