#include "cli/DamageNotices.h"

#include "platform/format/Cp1251.h"
#include "platform/kb/DamagedFiles.h"
#include "platform/system/Folder.h"

#include <ostream>

namespace orlevan::cli {

void tellDamage(const Folder& folder, std::ostream& err, std::string_view who) {
    for (const std::string& notice : folder.damaged().takeNotices()) {
        err << who << cp1251::toUtf8(notice) << ".\n" << std::flush;
    }
}

} // namespace orlevan::cli
