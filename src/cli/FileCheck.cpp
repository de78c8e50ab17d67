#include "cli/Findings.h"
#include "cli/FolderChecks.h"
#include "cli/TerminalText.h"
#include "engine/KnowledgeFiles.h"
#include "platform/format/Cp1251.h"
#include "platform/format/SettingsTable.h"
#include "platform/kb/DamagedFiles.h"
#include "platform/kb/PhraseList.h"
#include "platform/kb/TextFile.h"
#include "platform/system/Folder.h"

#include <algorithm>
#include <array>
#include <filesystem>
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
        const int number = static_cast<int>(i + 1);
        if (std::string_view(lines[i]).find('\x98') != std::string_view::npos) {
            findings.add(name, number, "byte 0x98, which stands for no Windows-1251 character");
        }
        if (const std::string control = controlCharacterProblem(lines[i]); !control.empty()) {
            findings.add(name, number, control);
        }
    }
}

// What the load of a file of the work buffer found wrong with it.
void checkDamage(FileDamage damage, int linesRead, std::string_view name, Findings& findings) {
    const std::string read = " (lines read: " + std::to_string(linesRead) + ")";
    switch (damage) {
    case FileDamage::CutShort:
        findings.add(name, "cut short: only the lines before the cut could be read" + read);
        break;
    case FileDamage::NestedTooDeep:
        findings.add(name, "damaged: its groups nest deeper than any editor writes" + read);
        break;
    case FileDamage::Utf8:
        findings.add(name, "saved as UTF-8, not Windows-1251: the program reads it as UTF-8 and "
                           "saves it as Windows-1251 (orlevan-cli import converts it now)");
        break;
    case FileDamage::Utf8Lossy:
        findings.add(name, "saved as UTF-8, with characters Windows-1251 lacks: the program reads "
                           "them as '?'");
        break;
    case FileDamage::None:
        break;
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
            checkDamage(folder.damaged().damageOf(folder.located(name)), buffer.count(), name,
                        findings);
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
    for (const auto& copy : folder.abandonedSaves()) {
        std::string name = copy.lexically_relative(folder.root()).generic_string();
        std::replace(name.begin(), name.end(), '/', '\\');
        std::error_code unknownSize;
        const auto size = std::filesystem::file_size(copy, unknownSize);
        findings.add(cp1251::fromUtf8(name), "the copy of a save that was killed (" +
                                                 (unknownSize ? std::string("size unknown")
                                                              : std::to_string(size) + " bytes") +
                                                 "); the program removes it when it next starts");
    }
}

} // namespace orlevan::cli
