#include "platform/kb/TextFile.h"

#include "platform/format/TextLines.h"
#include "platform/system/Folder.h"

namespace orlevan {

std::vector<std::string> readTextFile(const Folder& folder, std::string_view name) {
    return splitTextLines(folder.read(name));
}

void writeTextFile(const Folder& folder, std::string_view name,
                   const std::vector<std::string>& lines) {
    folder.write(name, joinTextLines(lines));
}

} // namespace orlevan
