#include "cli/ExportImport.h"

#include "cli/DamageNotices.h"
#include "cli/TerminalText.h"
#include "cli/WordsLineProblems.h"
#include "platform/format/Casing.h"
#include "platform/format/Cp1251.h"
#include "platform/format/TextLines.h"
#include "platform/kb/PhraseList.h"
#include "platform/system/EditLock.h"
#include "platform/system/Failure.h"
#include "platform/system/Folder.h"

#include <istream>
#include <iterator>
#include <ostream>
#include <string>
#include <vector>

namespace orlevan::cli {
namespace {

// Editors on Windows start UTF-8 files with a byte-order mark; it is no text.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The phrase base, under any spelling of its name.
bool isPhraseBase(std::string_view name) {
    const auto cut = name.find_last_of("\\/");
    const std::string_view file = cut == std::string_view::npos ? name : name.substr(cut + 1);
    return casing::upper(file) == "WORDS.DAT";
}

// The lines in Windows-1251, each problem reported with its line number.
std::vector<std::string> checkedLines(std::string_view text, bool phraseBase, std::ostream& err,
                                      int& problems) {
    std::vector<std::string> lines;
    for (const std::string& utf8 : splitTextLines(text)) {
        const int number = static_cast<int>(lines.size()) + 1;
        DecodedLine line = decodeLine(utf8);
        std::vector<std::string> found;
        if (!line.problem.empty()) {
            found.push_back(line.problem);
        } else if (std::string control = controlCharacterProblem(line.text); !control.empty()) {
            found.push_back(std::move(control));
        } else if (phraseBase && number > 1) {
            found = wordsLineProblems(line.text);
        }
        for (const std::string& problem : found) {
            err << "line " << number << ": " << problem << '\n';
            ++problems;
        }
        lines.push_back(std::move(line.text));
    }
    if (phraseBase && lines.empty()) {
        err << "no header line: the phrase base starts on the second line\n";
        ++problems;
    }
    return lines;
}

// The name as the program spells it, or a message to the user.
std::optional<std::string> spelled(std::string_view name, std::ostream& err) {
    auto text = cp1251::fromUtf8Exactly(name);
    if (!text) {
        err << "The file name " << name << " cannot be written in Windows-1251.\n";
    }
    return text;
}

} // namespace

int exportFile(const Folder& folder, std::string_view name, std::ostream& out, std::ostream& err) {
    const auto file = spelled(name, err);
    if (!file) {
        return 1;
    }
    try {
        PhraseList lines;
        lines.load(folder, *file);
        tellDamage(folder, err);
        for (int i = 0; i < lines.count(); ++i) {
            out << cp1251::toUtf8(lines.line(i)) << '\n';
        }
        out << std::flush;
        if (!out) {
            err << "The lines could not all be written to standard output.\n";
            return 1;
        }
        return 0;
    } catch (const std::exception& failure) {
        err << failureMessage(failure) << '\n';
        return 1;
    }
}

int importFile(const Folder& folder, std::string_view name, std::istream& in, std::ostream& err) {
    const auto file = spelled(name, err);
    if (!file) {
        return 1;
    }
    std::string text(std::istreambuf_iterator<char>(in), {});
    if (std::string_view(text).starts_with(kByteOrderMark)) {
        text.erase(0, kByteOrderMark.size());
    }
    int problems = 0;
    PhraseList lines(checkedLines(text, isPhraseBase(*file), err, problems));
    if (problems > 0) {
        err << "Nothing was written: " << name << " keeps its lines.\n";
        return 1;
    }
    try {
        const EditLock lock(folder, *file);
        // Only a file that is there is replaced: a slip in the name must not
        // leave the real file as it was beside a new one.
        if (!folder.find(*file)) {
            throw Failure::cannotOpen(*file);
        }
        lines.save(folder, *file);
        return 0;
    } catch (const std::exception& failure) {
        err << failureMessage(failure) << '\n';
        return 1;
    }
}

} // namespace orlevan::cli
