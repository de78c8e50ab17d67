#include "cli/KeptRecord.h"

#include "cli/TerminalText.h"
#include "engine/Dialogue.h"
#include "engine/DialogueRecord.h"
#include "platform/format/Cp1251.h"

#include <ostream>

namespace orlevan::cli {

bool keepRecord(Dialogue& dialogue, std::ostream& err, std::string_view who) {
    try {
        appendRecordToLogFile(dialogue);
        return true;
    } catch (const std::exception& failure) {
        err << who << failureMessage(failure) << '\n'
            << who << "The record of this dialogue was not written; here it is:\n";
        for (int i = 0; i < dialogue.Log.count(); ++i) {
            err << cp1251::toUtf8(dialogue.Log.line(i)) << '\n';
        }
        err << std::flush;
        return false;
    }
}

} // namespace orlevan::cli
