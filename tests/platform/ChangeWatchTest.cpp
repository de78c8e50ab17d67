// What a watch tells of a file, a folder's entries and a folder above the
// working folder: every change that matters makes its look unquiet, and what
// does not matter to it leaves the look quiet.

#include "ChangeWatch.h"

#include "TestSupport.h"

#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orlevan {
namespace {

namespace fs = std::filesystem;
using test::ScratchFolder;
using What = ChangeWatch::What;

void readOnce(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    ::close(fd);
}

TEST(ChangeWatch, TellsTheChangesThatMatterToWhatIsWatched) {
    using Change = std::function<void(const ScratchFolder&)>;
    struct Case {
        const char* what;
        What watched;
        const char* path; // in the scratch folder, which holds "Base/W1.Dat" and "Base/W2.Dat"
        Change change;
        bool quiet;
    };
    const auto chmod = [](const ScratchFolder& s, const char* name, fs::perms perms) {
        fs::permissions(s.path() / name, perms);
    };
    const std::vector<Case> cases{
        {"a file written", What::File, "Base/W1.Dat",
         [](const ScratchFolder& s) { s.write("Base/W1.Dat", "two"); }, false},
        {"a file given new times", What::File, "Base/W1.Dat",
         [](const ScratchFolder& s) {
             fs::last_write_time(s.path() / "Base/W1.Dat", fs::file_time_type{});
         },
         false},
        {"a file opened, maybe to be mapped", What::File, "Base/W1.Dat",
         [](const ScratchFolder& s) { readOnce(s.path() / "Base/W1.Dat"); }, false},
        {"a file renamed over", What::File, "Base/W1.Dat",
         [](const ScratchFolder& s) {
             fs::rename(s.path() / "Base/W2.Dat", s.path() / "Base/W1.Dat");
         },
         false},
        {"a file beside it written", What::File, "Base/W1.Dat",
         [](const ScratchFolder& s) { s.write("Base/W2.Dat", "two"); }, true},
        {"a folder given an entry", What::Folder, "Base",
         [](const ScratchFolder& s) { s.write("Base/W3.Dat", ""); }, false},
        {"a folder's entry renamed", What::Folder, "Base",
         [](const ScratchFolder& s) {
             fs::rename(s.path() / "Base/W2.Dat", s.path() / "Base/w2.dat");
         },
         false},
        {"a folder's entry removed", What::Folder, "Base",
         [](const ScratchFolder& s) { s.remove("Base/W2.Dat"); }, false},
        {"a folder's permissions changed", What::Folder, "Base",
         [&](const ScratchFolder& s) { chmod(s, "Base", fs::perms::owner_all); }, false},
        {"a file in a folder written", What::Folder, "Base",
         [](const ScratchFolder& s) { s.write("Base/W1.Dat", "two"); }, true},
        {"a file in a folder given other permissions", What::Folder, "Base",
         [&](const ScratchFolder& s) { chmod(s, "Base/W1.Dat", fs::perms::owner_read); }, true},
        {"a folder above renamed", What::Ancestor, "Base",
         [](const ScratchFolder& s) { fs::rename(s.path() / "Base", s.path() / "Old"); }, false},
        {"a folder above given an entry", What::Ancestor, "Base",
         [](const ScratchFolder& s) { s.write("Base/W3.Dat", ""); }, true},
    };
    for (const Case& c : cases) {
        ScratchFolder scratch;
        scratch.write("Base/W1.Dat", "one");
        scratch.write("Base/W2.Dat", "two");
        ChangeWatch watch;
        const ChangeWatch::Look look = watch.look(scratch.path() / c.path, c.watched);
        if (look.watch < 0) {
            GTEST_SKIP() << "the scratch folder's file system cannot be watched here";
        }
        watch.catchUp();
        ASSERT_TRUE(watch.quietSince(look)) << c.what;
        c.change(scratch);
        watch.catchUp();
        EXPECT_EQ(watch.quietSince(look), c.quiet) << c.what;
        // A look taken after the change is quiet until the next one.
        EXPECT_TRUE(watch.quietSince(watch.look(scratch.path() / c.path, c.watched)) ||
                    c.watched == What::Ancestor)
            << c.what;
    }
}

// A look is worth something only on a way known since before it.
TEST(ChangeWatch, ALookCountsOnlyAlongAWayKnownBeforeIt) {
    ScratchFolder scratch;
    scratch.write("Base/W1.Dat", "one");
    ChangeWatch watch;
    const ChangeWatch::Look first = watch.look(scratch.path() / "Base/W1.Dat", What::File);
    if (first.watch < 0) {
        GTEST_SKIP() << "the scratch folder's file system cannot be watched here";
    }
    scratch.write("Base/W2.Dat", "two");
    watch.look(scratch.path() / "Base/W2.Dat", What::File);
    scratch.write("Base/W2.Dat", "TWO");
    watch.catchUp();
    const std::uint64_t later = watch.notesRead();
    EXPECT_TRUE(watch.quietAlong(first, first.notesRead));
    EXPECT_FALSE(watch.quietAlong(first, later));
    EXPECT_FALSE(watch.quietAlong(first, ChangeWatch::kWayUnknown));
    EXPECT_FALSE(watch.quietSince(ChangeWatch::Look{}));
    EXPECT_EQ(ChangeWatch::wayPast(first, 0), first.notesRead);
    EXPECT_EQ(ChangeWatch::wayPast(first, later), later);
    EXPECT_EQ(ChangeWatch::wayPast(ChangeWatch::Look{}, 0), ChangeWatch::kWayUnknown);
    EXPECT_EQ(ChangeWatch::wayPast(first, ChangeWatch::kWayUnknown), ChangeWatch::kWayUnknown);
}

// Changes on a file system that other machines or programs outside the
// kernel's sight write to are never taken from a watch.
TEST(ChangeWatch, WatchesNothingOnAFileSystemNotKnownToBeLocal) {
    ChangeWatch watch;
    EXPECT_LT(watch.look("/proc/self/status", What::File).watch, 0);
    EXPECT_LT(watch.look("/proc", What::Folder).watch, 0);
}

} // namespace
} // namespace orlevan
