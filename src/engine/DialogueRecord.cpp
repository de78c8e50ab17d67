#include "engine/DialogueRecord.h"

#include "engine/Dialogue.h"
#include "platform/format/Cp1251.h"
#include "platform/system/Clock.h"
#include "platform/system/EditLock.h"

#include <string>
#include <string_view>

namespace orlevan {
namespace {

// "Начало диалога:           Дата - 08.12.2026   |   Время - 14:05:09"
std::string stampLine(std::string_view event, const Clock& clock) {
    return cp1251::fromUtf8(event) + std::string(11, ' ') + cp1251::fromUtf8("Дата - ") +
           clock.shortDate() + "   |   " + cp1251::fromUtf8("Время - ") + clock.longTime();
}

} // namespace

void writeRecordHeader(Dialogue& dialogue) {
    PhraseList& log = dialogue.Log;
    log.append("");
    log.append(std::string(80, '-'));
    log.append(stampLine("Начало диалога:", dialogue.clock()));
    log.append("");
}

void appendRecordToLogFile(Dialogue& dialogue) {
    TurnContext context = dialogue.context();
    // An exit that cannot read the phrase base stops before the log file is
    // touched: the user hears of the damage while the dialogue can still be kept.
    context.RE2.load(context.folder, files::WordsForLearning);

    const EditLock lock(context.folder, files::DialogueLog);
    context.RE2.load(context.folder, files::DialogueLog);
    context.RE2.append("");
    const PhraseList& record = dialogue.Log;
    for (int line = 0; line < record.count(); ++line) {
        context.RE2.append(record.line(line));
    }
    context.RE2.append("");
    context.RE2.append(stampLine("Конец диалога:", dialogue.clock()));
    context.RE2.append(std::string(53, '='));
    context.RE2.save(context.folder, files::DialogueLog);
}

} // namespace orlevan
