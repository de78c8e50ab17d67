// "Config.ini" as a user may leave it: any bytes. Every row reads as a key
// and a value, a number either parses or fails with the designed message,
// and a saved table reads back as the same rows.

#include "FuzzSupport.h"
#include "platform/format/SettingsTable.h"
#include "platform/system/Failure.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

using namespace orlevan;

namespace {

void require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "%s\n", what);
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fuzz::ScratchFolder scratch;
    scratch.clear();
    scratch.write(SettingsTable::kFileName, {reinterpret_cast<const char*>(data), size});
    const Folder folder(scratch.path());
    SettingsTable table;
    table.load(folder);
    for (int row = 1; row <= table.rowCount(); ++row) {
        const std::string value = table.value(row);
        const auto number = integerOf(value);
        try {
            require(table.integer(row) == number, "integer() disagrees with integerOf()");
        } catch (const Failure&) {
            require(!number, "a number was refused");
        }
        fontStyleOf(value);
    }
    // The row the two-copies mode keeps its file name in is set by key.
    table.setValueByKey("Adres", "D:\\Txt.Dat");
    table.save(folder);
    SettingsTable again;
    again.load(folder);
    require(again.rowCount() == table.rowCount(), "a saved table has other rows");
    for (int row = 1; row <= table.rowCount(); ++row) {
        require(again.key(row) == table.key(row) && again.value(row) == table.value(row),
                "a saved row reads back otherwise");
    }
    return 0;
}
