#include "Cp1251.h"
#include "Findings.h"
#include "Folder.h"
#include "FolderChecks.h"
#include "KnowledgeFiles.h"
#include "PhraseList.h"
#include "SettingsTable.h"
#include "TerminalText.h"
#include "TextFile.h"

#include <array>
#include <string>
#include <vector>

namespace orlevan::cli {
namespace {

// Loaded through the work buffer: rich text or plain text.
constexpr std::array<std::string_view, 11> kRichTextFiles = {
    files::WordsForLearning,
    files::Povtor,
    files::X,
    files::Collection,
    files::BigString,
    files::W1,
    files::W2,
    files::AI,
    files::Begin,
    files::Pause,
    files::DialogueLog,
};

// Plain-text lists.
constexpr std::array<std::string_view, 3> kPlainTextFiles = {
    files::Dictionary,
    SettingsTable::kFileName,
    "ReadMe.Txt",
};

// The window opens these at start; only their presence is the folder's business.
constexpr std::array<std::string_view, 7> kOtherFiles = {
    "Sound\\KeyBoard.wav", "Sound\\Button3.wav", "Sound\\Button2.wav", "Sound\\Button1.wav",
    "Sound\\CpuSound.wav", "Sound\\Close.wav",   "Images\\Foto.bmp",
};

// Windows-1251 text with Russian in it is almost never valid UTF-8, so a
// file whose every line is, and that has any byte above ASCII, was saved
// as UTF-8: the program would show its Russian as gibberish.
// Lines are a vector of strings or the lines of a list as loaded, which are
// checked where they lie rather than copied.
template <typename Lines> bool savedAsUtf8(const Lines& lines) {
    bool beyondAscii = false;
    std::string scratch;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const auto trouble = cp1251::convertUtf8(line, scratch);
        if (trouble && trouble->malformed) {
            return false;
        }
        beyondAscii = beyondAscii || line != scratch;
    }
    return beyondAscii;
}

template <typename Lines>
void checkText(std::string_view name, const Lines& lines, Findings& findings) {
    if (savedAsUtf8(lines)) {
        findings.add(name, "saved as UTF-8, not Windows-1251 (orlevan-cli import converts it)");
        return;
    }
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (std::string_view(lines[i]).find('\x98') != std::string_view::npos) {
            findings.add(name, static_cast<int>(i + 1),
                         "byte 0x98, which stands for no Windows-1251 character");
        }
    }
}

// Whether the file is there and reads; when it is not, that is the finding.
template <typename Read>
bool reads(const Folder& folder, std::string_view name, Findings& findings, Read read) {
    if (!folder.find(name)) {
        findings.add(name, "missing");
        return false;
    }
    try {
        read();
        return true;
    } catch (const std::exception& failure) {
        findings.add(name, failureMessage(failure));
        return false;
    }
}

} // namespace

void checkFiles(const Folder& folder, Findings& findings) {
    PhraseList buffer;
    for (const std::string_view name : kRichTextFiles) {
        if (reads(folder, name, findings, [&] { buffer.load(folder, name); })) {
            checkText(name, buffer.buffer(), findings);
        }
    }
    for (const std::string_view name : kPlainTextFiles) {
        std::vector<std::string> lines;
        if (reads(folder, name, findings, [&] { lines = readTextFile(folder, name); })) {
            checkText(name, lines, findings);
        }
    }
    for (const std::string_view name : kOtherFiles) {
        if (!folder.find(name)) {
            findings.add(name, "missing");
        }
    }
}

} // namespace orlevan::cli
