#include "cli/Findings.h"
#include "cli/FolderChecks.h"
#include "cli/TerminalText.h"
#include "platform/format/Casing.h"
#include "platform/format/Cp1251.h"
#include "platform/format/SettingsTable.h"

#include <array>
#include <string>

namespace orlevan::cli {
namespace {

constexpr int kRowsNeeded = 33;
constexpr int kAdresRow = 31;
// Colours (7 to 17) and font sizes (21, 25).
constexpr std::array<int, 11> kNumberRows = {7, 8, 9, 12, 13, 14, 15, 16, 17, 21, 25};
constexpr std::array<int, 3> kStyleRows = {20, 24, 28};

} // namespace

void checkSettings(const SettingsTable& settings, Findings& findings) {
    const std::string_view name = SettingsTable::kFileName;
    const int rows = settings.rowCount();
    if (rows < kRowsNeeded) {
        findings.add(name, std::to_string(rows) + " rows; the program reads rows up to " +
                               std::to_string(kRowsNeeded));
    }
    for (const int row : kNumberRows) {
        if (row > rows) {
            continue;
        }
        try {
            parseInteger(settings.value(row));
        } catch (const std::exception& failure) {
            findings.add(name, row, failureMessage(failure));
        }
    }
    for (const int row : kStyleRows) {
        if (row <= rows && !fontStyleOf(settings.value(row))) {
            findings.add(name, row,
                         "«" + cp1251::toUtf8(settings.value(row)) +
                             "» is no font style: [], [fsItalic], [fsBold] or [fsBold,fsItalic]");
        }
    }
    if (kAdresRow <= rows && casing::upper(settings.key(kAdresRow)) != "ADRES") {
        findings.add(name, kAdresRow,
                     "the key is «" + cp1251::toUtf8(settings.key(kAdresRow)) +
                         "», but the shared file's path is read from the row keyed Adres");
    }
}

} // namespace orlevan::cli
