#pragma once

#include "engine/KnowledgeFiles.h"
#include "platform/kb/PhraseList.h"
#include "platform/system/Folder.h"
#include "support/TestSupport.h"

#include <string>
#include <string_view>
#include <vector>

namespace orlevan::test {

// A scratch copy of the small knowledge base in tests/fixtures/kb, with the
// work buffer and scripted random a turn needs.
class KnowledgeFolder : public ScratchFolder {
public:
    KnowledgeFolder();

    // Lines of a file as the program loads them, and writing a file as plain text.
    std::vector<std::string> lines(std::string_view name) const;
    void writeLines(std::string_view name, const std::vector<std::string>& lines) const;

    Folder folder;
    PhraseList RE2;
    ScriptedRandom random;
    TurnContext context{folder, RE2, random};
};

} // namespace orlevan::test
