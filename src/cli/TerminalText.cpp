#include "cli/TerminalText.h"

#include "platform/format/Cp1251.h"

#include <cstdio>
#include <ostream>

namespace orlevan::cli {
namespace {

std::string codePointName(char32_t codePoint) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(codePoint));
    return name;
}

} // namespace

DecodedLine decodeLine(std::string_view utf8) {
    DecodedLine line;
    const auto trouble = cp1251::convertUtf8(utf8, line.text);
    if (!trouble) {
        return line;
    }
    if (trouble->malformed) {
        line.problem = "not valid UTF-8 (byte " + std::to_string(trouble->offset + 1) + ")";
    } else {
        std::string character;
        cp1251::appendUtf8(character, trouble->codePoint);
        line.problem = "«" + character + "» (" + codePointName(trouble->codePoint) +
                       ") has no Windows-1251 character";
    }
    return line;
}

std::string controlCharacterProblem(std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            return "holds the control character " + codePointName(byte);
        }
    }
    return {};
}

std::string phraseProblem(std::string_view text) {
    if (text.size() > kLongestPhrase) {
        return "longer than " + std::to_string(kLongestPhrase) + " characters (" +
               std::to_string(text.size()) + ")";
    }
    if (std::string control = controlCharacterProblem(text); !control.empty()) {
        return control;
    }
    for (const char c : text) {
        if (c == '^' || c == '_' || c == ';' || c == '@') {
            return std::string("holds '") + c + "', which the knowledge base keeps for its marks";
        }
    }
    return {};
}

std::string failureMessage(const std::exception& failure) {
    // Failures carry the program's own Windows-1251 text (file names may be Russian).
    std::string message = cp1251::toUtf8(failure.what());
    if (!message.ends_with('.')) {
        message += '.';
    }
    return message;
}

void printLine(std::ostream& out, std::string_view text) {
    out << cp1251::toUtf8(text) << '\n' << std::flush;
}

} // namespace orlevan::cli
