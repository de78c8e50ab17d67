#include "KnowledgeFolder.h"

#include "platform/format/TextLines.h"

#include <filesystem>

namespace orlevan::test {

KnowledgeFolder::KnowledgeFolder() : folder(path()) {
    std::filesystem::copy(std::filesystem::path(ORLEVAN_FIXTURES) / "kb", path(),
                          std::filesystem::copy_options::recursive);
}

std::vector<std::string> KnowledgeFolder::lines(std::string_view name) const {
    PhraseList list;
    list.load(folder, name);
    return list.lines();
}

void KnowledgeFolder::writeLines(std::string_view name,
                                 const std::vector<std::string>& lines) const {
    folder.write(name, joinTextLines(lines));
}

} // namespace orlevan::test
