// A disk that fills while orlevan-cli chat learns (a file-size limit makes
// every write past it fail, as a full disk does): the save that cannot be
// completed leaves the file it would replace exactly as it was and nothing
// beside it, the failure is reported with the designed message, and the
// dialogue goes on with the next line.

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
};

void PrintTo(const FullDiskCase& c, std::ostream* out) {
    *out << c.what;
}

const FullDiskCase kCases[] = {
    {"the phrase base's save", "Base\\Words.dat", "Base/Words.dat", {"Base/Words.dat"}},
    // The store step fails first, so the phrase base is not touched either.
    {"the statements' save", "Base\\W2.Dat", "Base/W2.Dat", {"Base/W2.Dat", "Base/Words.dat"}},
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
    EXPECT_NE(
        errors.find(std::string("line 2: Failed to Save Stream (") + c.grown + ": File too large)"),
        std::string::npos)
        << errors;
    EXPECT_EQ(errors.find("line 3:"), std::string::npos) << "the dialogue goes on: " << errors;
    for (std::size_t i = 0; i < before.size(); ++i) {
        EXPECT_TRUE(kb.read(c.unchanged[i]) == before[i]) << c.unchanged[i] << " changed";
    }
    EXPECT_EQ(namesIn(kb.path() / "Base"), names);
    EXPECT_EQ(kb.run({"check"}).status, 0);
}

INSTANTIATE_TEST_SUITE_P(Saves, FullDisk, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return info.index == 0 ? "Words" : "W2"; });

} // namespace
} // namespace orlevan::test
