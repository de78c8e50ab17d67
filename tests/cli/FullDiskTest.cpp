// A disk that fills while orlevan-cli chat learns (a file-size limit makes
// every write past it fail, as a full disk does, and the program is left to
// deal with the signal such a write raises): the save that cannot be
// completed leaves the file it would replace exactly as it was and nothing
// beside it, a learning turn is all or nothing, the failure is reported with
// the designed message, and the dialogue goes on with the next line; a
// record the log file cannot take goes to standard error.

#include "ChatProcess.h"
#include "CliRun.h"

#include <gtest/gtest.h>
#include <set>

namespace orlevan::test {
namespace {

namespace fs = std::filesystem;

constexpr long kLimit = 16 * 1024;

struct FullDiskCase {
    const char* what;
    // The file grown past the limit, so that its next save cannot be completed.
    const char* grown;
    const char* grownPath;
    // Files that must keep their bytes.
    std::vector<const char*> unchanged;
    // What standard error must say.
    std::vector<std::string> reported;
};

void PrintTo(const FullDiskCase& c, std::ostream* out) {
    *out << c.what;
}

const FullDiskCase kCases[] = {
    // The statements took the phrase before the phrase base's save failed:
    // they give it back.
    {"the phrase base's save",
     "Base\\Words.dat",
     "Base/Words.dat",
     {"Base/Words.dat", "Base/W2.Dat"},
     {"line 2: Failed to Save Stream (Base\\Words.dat: File too large)"}},
    // The store step fails first, so the phrase base is not touched either.
    {"the statements' save",
     "Base\\W2.Dat",
     "Base/W2.Dat",
     {"Base/W2.Dat", "Base/Words.dat"},
     {"line 2: Failed to Save Stream (Base\\W2.Dat: File too large)"}},
    {"the log's save",
     "Base\\Log.Ludvar",
     "Base/Log.Ludvar",
     {"Base/Log.Ludvar"},
     {"Failed to Save Stream (Base\\Log.Ludvar: File too large).\n"
      "The record of this dialogue was not written; here it is:\n",
      "USER:     Жзлмн."}},
};

std::set<std::string> namesIn(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

class FullDisk : public ::testing::TestWithParam<FullDiskCase> {};

TEST_P(FullDisk, ASaveThatCannotBeCompletedLeavesThePreviousFileAndIsReported) {
    const FullDiskCase& c = GetParam();
    CliFolder kb;
    auto lines = kb.lines(c.grown);
    for (int i = 0; kb.read(c.grownPath).size() < kLimit - 1024; ++i) {
        for (int j = 0; j < 50; ++j) {
            lines.push_back("ЗАПОЛНИТЕЛЬ " + std::to_string(i * 50 + j) + "^строка;");
        }
        kb.writeLines(c.grown, lines);
    }
    std::vector<std::string> before;
    for (const char* path : c.unchanged) {
        before.push_back(kb.read(path));
    }
    const auto names = namesIn(kb.path() / "Base");

    ChatProcess chat(kb.path(), 7, {.fileSize = kLimit});
    // The first line answers no reply of the program, so only the second learns.
    for (const char* line : {"бвгдж", "жзлмн", "Привет"}) {
        ASSERT_TRUE(chat.say(line));
        ASSERT_TRUE(chat.reply());
    }
    EXPECT_EQ(chat.finish(), 1);

    const std::string errors = chat.errors();
    for (const std::string& report : c.reported) {
        EXPECT_NE(errors.find(report), std::string::npos) << errors;
    }
    EXPECT_EQ(errors.find("line 3:"), std::string::npos) << "the dialogue goes on: " << errors;
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_TRUE(kb.read(c.unchanged[i]) == before[i]) << c.unchanged[i] << " changed";
    }
    EXPECT_EQ(namesIn(kb.path() / "Base"), names);
    EXPECT_EQ(kb.run({"check"}).status, 0);
}

constexpr const char* kCaseNames[] = {"Words", "W2", "Log"};

INSTANTIATE_TEST_SUITE_P(Saves, FullDisk, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return kCaseNames[info.index]; });

} // namespace
} // namespace orlevan::test
