#include "cli/Check.h"

#include "cli/Findings.h"
#include "cli/FolderChecks.h"
#include "cli/InsideWords.h"
#include "cli/ShadowedKeys.h"
#include "cli/TerminalText.h"
#include "cli/WordsLineProblems.h"
#include "engine/KnowledgeFiles.h"
#include "engine/Statistics.h"
#include "engine/WordsLine.h"
#include "platform/format/Casing.h"
#include "platform/format/Cp1251.h"
#include "platform/format/SettingsTable.h"
#include "platform/kb/PhraseList.h"
#include "platform/kb/TextFile.h"
#include "platform/system/Folder.h"
#include "platform/system/Random.h"

#include <filesystem>
#include <ostream>

namespace orlevan::cli {
namespace {

void checkWordsLines(const PhraseList& base, Findings& findings) {
    const std::string_view name = files::WordsForLearning;
    if (base.count() == 0) {
        findings.add(name, "no header line: the phrase base starts on the second line");
        return;
    }
    for (int i = 1; i < base.count(); ++i) {
        for (const std::string& problem : wordsLineProblems(base.line(i))) {
            findings.add(name, i + 1, problem);
        }
    }
}

void listShadowed(const PhraseList& base, Findings& findings) {
    for (const Shadowing& shadowing : shadowedKeys(base)) {
        const std::string_view answering = base.line(shadowing.answeredBy);
        const std::string problem =
            "key «" + cp1251::toUtf8(parseWordsLine(base.line(shadowing.line)).key) +
            "» is answered by line " + std::to_string(shadowing.answeredBy + 1) + " «" +
            cp1251::toUtf8(answering.substr(0, answering.find('^', 1))) + "»";
        findings.add(files::WordsForLearning, shadowing.line + 1, problem);
    }
}

void listInsideWords(const Folder& folder, const PhraseList& base, Findings& findings) {
    const auto dictionary = readTextFile(folder, files::Dictionary);
    for (const KeyInsideWords& key : keysInsideWords(base, dictionary)) {
        std::string forms;
        for (const std::string& form : key.forms) {
            forms += (forms.empty() ? "«" : ", «") + cp1251::toUtf8(casing::lower(form)) + "»";
        }
        findings.add(files::WordsForLearning, key.line + 1,
                     "key «" + cp1251::toUtf8(parseWordsLine(base.line(key.line)).key) +
                         "» stands inside longer words: " + forms);
    }
}

// What the status bar and the menu "Подробнее о базе" show.
void printCounts(const Folder& folder, std::ostream& out) {
    PhraseList buffer;
    SystemRandom unused;
    TurnContext context{folder, buffer, unused};
    try {
        const PhraseCounts phrases = countPhrases(context);
        const ExpressionCounts expressions = countExpressions(context);
        out << cp1251::toUtf8(phraseCountsText(phrases)) << '\n'
            << "Входящие выражения:" << countSuffix(expressions.incoming) << '\n'
            << "Исходящие выражения:" << countSuffix(expressions.outgoing) << '\n'
            << "Итого:" << countSuffix(expressions.total()) << '\n';
    } catch (const std::exception& failure) {
        out << "No counts: " << failureMessage(failure) << '\n';
    }
}

} // namespace

int runCheck(const Folder& folder, CheckOptions options, std::ostream& out) {
    Findings findings(out);
    if (!std::filesystem::is_directory(folder.root())) {
        out << folder.root().string() << ": no such folder\n";
        return 1;
    }
    checkFiles(folder, findings);
    // A file that does not load has been reported already.
    PhraseList base;
    try {
        base.load(folder, files::WordsForLearning);
        checkWordsLines(base, findings);
        if (options.shadowed) {
            listShadowed(base, findings);
        }
        if (options.insideWords) {
            listInsideWords(folder, base, findings);
        }
    } catch (const std::exception&) {
    }
    try {
        SettingsTable settings;
        settings.load(folder);
        checkSettings(settings, findings);
    } catch (const std::exception&) {
    }
    printCounts(folder, out);
    return findings.count() > 0 ? 1 : 0;
}

} // namespace orlevan::cli
