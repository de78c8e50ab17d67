#include "platform/system/Folder.h"

#include "platform/system/Failure.h"
#include "support/TestSupport.h"

#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <set>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orlevan {
namespace {

namespace fs = std::filesystem;
using test::failureOf;
using test::ScratchFolder;
using test::w;

class FolderTest : public ::testing::Test {
protected:
    ScratchFolder scratch;
    Folder folder{scratch.path()};
};

TEST_F(FolderTest, FindsFilesWhateverTheCaseOfEachComponent) {
    scratch.write("Base/Words.dat", "words");
    scratch.write("Sound/Close.wav", "wav");
    EXPECT_EQ(folder.read("Base\\Words.dat"), "words");
    EXPECT_EQ(folder.read("Base\\Words.Dat"), "words");
    EXPECT_EQ(folder.read("base/WORDS.DAT"), "words");
    EXPECT_EQ(folder.find("Sound\\Close.Wav"), scratch.path() / "Sound" / "Close.wav");
    EXPECT_FALSE(folder.find("Base\\Word.dat"));
}

TEST_F(FolderTest, MatchesCyrillicNamesWithoutRegardToCase) {
    scratch.write("Диалоги/Ёлка.txt", "x");
    EXPECT_EQ(folder.read(w("ДИАЛОГИ\\ёЛКА.TXT")), "x");
    folder.write(w("диалоги\\Новый.txt"), "y");
    EXPECT_EQ(scratch.read("Диалоги/Новый.txt"), "y");
}

// "Words.dat" and "Words.Dat" side by side: whichever spelling the program
// uses, reading and writing reach the same one, the first in byte order.
TEST_F(FolderTest, CaseTwinsAreOneFileForReadingAndWriting) {
    scratch.write("Base/Words.dat", "lower");
    scratch.write("Base/Words.Dat", "upper");
    for (const char* spelled : {"Base\\Words.dat", "Base\\Words.Dat", "BASE\\words.DAT"}) {
        EXPECT_EQ(folder.read(spelled), "upper") << spelled;
    }
    folder.write("Base\\Words.dat", "learnt");
    EXPECT_EQ(folder.read("Base\\Words.Dat"), "learnt");
    EXPECT_EQ(scratch.read("Base/Words.dat"), "lower");
}

TEST_F(FolderTest, AMissingFileFailsWithItsNameAsSpelled) {
    EXPECT_EQ(failureOf([&] { folder.read("Base\\X.Dat"); }), "Cannot open file Base\\X.Dat");
    fs::create_directories(scratch.path() / "Base" / "Folder.dat");
    EXPECT_EQ(failureOf([&] { folder.read("Base\\Folder.dat"); }),
              "Cannot open file Base\\Folder.dat");
}

TEST_F(FolderTest, ADriveLetterNamesADriveThatDoesNotExist) {
    scratch.write("D:/Txt.Dat", "not this one");
    EXPECT_EQ(failureOf([&] { folder.read("D:\\Txt.Dat"); }), "Cannot open file D:\\Txt.Dat");
    EXPECT_EQ(failureOf([&] { folder.write("d:\\Txt.Dat", "x"); }),
              "Cannot create file d:\\Txt.Dat");
    EXPECT_EQ(scratch.read("D:/Txt.Dat"), "not this one");
}

TEST_F(FolderTest, AbsolutePosixPathsWorkAsTheyAre) {
    const std::string absolute = (scratch.path() / "Shared.txt").string();
    folder.write(absolute, "hello");
    EXPECT_EQ(Folder("/nonexistent").read(absolute), "hello");
}

TEST_F(FolderTest, SavingOverAFileKeepsItsStoredNameAndPermissions) {
    scratch.write("Base/Words.Dat", "old");
    ::chmod((scratch.path() / "Base/Words.Dat").c_str(), 0640);
    folder.write("Base\\Words.dat", "new");
    EXPECT_EQ(scratch.read("Base/Words.Dat"), "new");
    EXPECT_FALSE(fs::exists(scratch.path() / "Base/Words.dat"));
    EXPECT_EQ(fs::status(scratch.path() / "Base/Words.Dat").permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    folder.write("Base\\NewFile.Dat", "fresh");
    EXPECT_EQ(scratch.read("Base/NewFile.Dat"), "fresh");
    EXPECT_EQ(std::distance(fs::directory_iterator(scratch.path() / "Base"), {}), 2)
        << "no temporary file is left behind";
}

TEST_F(FolderTest, SavingThroughALinkReplacesTheFileItPointsTo) {
    scratch.write("real.txt", "old");
    fs::create_symlink(scratch.path() / "real.txt", scratch.path() / "link.txt");
    folder.write("link.txt", "new");
    EXPECT_TRUE(fs::is_symlink(scratch.path() / "link.txt"));
    EXPECT_EQ(scratch.read("real.txt"), "new");
}

TEST_F(FolderTest, AFileThatCannotBeMadeFailsWithoutTouchingAnything) {
    EXPECT_EQ(failureOf([&] { folder.write("NoSuchFolder\\File.dat", "x"); }),
              "Cannot create file NoSuchFolder\\File.dat");
    fs::create_directories(scratch.path() / "Base" / "Taken.dat");
    EXPECT_EQ(failureOf([&] { folder.write("Base\\Taken.dat", "x"); }),
              "Cannot create file Base\\Taken.dat");
    EXPECT_TRUE(fs::is_directory(scratch.path() / "Base" / "Taken.dat"));
}

// A write that fails half way (here: the file size limit, which holds even
// for root, standing in for a full disk) must leave the old file whole.
TEST_F(FolderTest, AFailedWriteLeavesTheOldFileIntact) {
    scratch.write("Base/Words.dat", "the old content");
    rlimit saved{};
    ::getrlimit(RLIMIT_FSIZE, &saved);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ::setrlimit(RLIMIT_FSIZE, &small);

    const std::string message =
        failureOf([&] { folder.write("Base\\Words.dat", std::string(100'000, 'x')); });

    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(message, "Failed to Save Stream (Base\\Words.dat: File too large)");
    EXPECT_EQ(scratch.read("Base/Words.dat"), "the old content");
    EXPECT_EQ(std::distance(fs::directory_iterator(scratch.path() / "Base"), {}), 1)
        << "the temporary file is removed";
}

// A copy left by a save that was killed is removed by the next save in its
// folder; one that a live save holds is not.
TEST_F(FolderTest, ASaveRemovesTheCopiesThatKilledSavesLeft) {
    scratch.write("Base/Words.dat", "old");
    scratch.write("Base/.orlevan-save-Dead01", "abandoned");
    scratch.write("Base/.orlevan-save-Live01", "being written");
    scratch.write("Base/.orlevan-save-notOurs", "a user's file");
    const int live = ::open((scratch.path() / "Base/.orlevan-save-Live01").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(live, LOCK_EX), 0);

    folder.write("Base\\Words.dat", "new");
    ::close(live);
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(scratch.path() / "Base")) {
        names.insert(entry.path().filename().string());
    }
    EXPECT_EQ(names, (std::set<std::string>{"Words.dat", ".orlevan-save-Live01",
                                            ".orlevan-save-notOurs"}));
}

} // namespace
} // namespace orlevan
