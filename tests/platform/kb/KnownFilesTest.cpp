// A file's lines are kept between loads only while the file provably holds
// what they were read from: every way of changing a file is seen at the next
// load, and an edit of the lines in memory never reaches another reader.

#include "platform/kb/PhraseList.h"
#include "platform/system/ContentHash.h"
#include "platform/system/Failure.h"
#include "platform/system/FileStamp.h"
#include "platform/system/Folder.h"
#include "support/TestSupport.h"

#include <chrono>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace orlevan {
namespace {

namespace fs = std::filesystem;
using test::ScratchFolder;
using Lines = std::vector<std::string>;

timespec at(long long seconds, long nanoseconds) {
    return {static_cast<time_t>(seconds), nanoseconds};
}

FileStamp stampAt(timespec modified, timespec changed) {
    FileStamp stamp;
    stamp.device = 1;
    stamp.inode = 2;
    stamp.size = 3;
    stamp.modified = modified;
    stamp.changed = changed;
    return stamp;
}

TEST(FileStamp, AnyFieldTellsAnotherFile) {
    const FileStamp stamp = stampAt(at(100, 5), at(100, 7));
    EXPECT_EQ(stamp, stamp);
    for (const auto& change : std::vector<std::function<void(FileStamp&)>>{
             [](FileStamp& s) { ++s.device; }, [](FileStamp& s) { ++s.inode; },
             [](FileStamp& s) { ++s.size; }, [](FileStamp& s) { ++s.modified.tv_nsec; },
             [](FileStamp& s) { ++s.modified.tv_sec; }, [](FileStamp& s) { ++s.changed.tv_nsec; },
             [](FileStamp& s) { ++s.changed.tv_sec; }}) {
        FileStamp other = stamp;
        change(other);
        EXPECT_FALSE(other == stamp);
    }
}

// A stamp is trusted only once a change after the moment it was seen must
// give another: past the file clock's step, two seconds for file systems that
// keep whole seconds, and never while either time lies ahead.
TEST(FileStamp, SettlesOnlyPastTheFileClocksStep) {
    struct Case {
        timespec modified, changed, seenAt;
        bool settled;
    };
    const std::vector<Case> cases{
        {at(100, 0), at(100, 500), at(100, 600), false},       // the same instant
        {at(100, 0), at(100, 500), at(101, 500), true},        // a second later
        {at(90, 0), at(100, 500), at(100, 1'000'000), false},  // a millisecond after the change
        {at(100, 500), at(90, 0), at(100, 1'000'000), false},  // the write time counts too
        {at(200, 0), at(100, 500), at(150, 0), false},         // a write time in the future
        {at(100, 0), at(100, 0), at(101, 500'000'000), false}, // whole seconds: 1.5 s is too soon
        {at(100, 0), at(100, 0), at(103, 0), true},            // ... 3 s is enough
    };
    for (const Case& c : cases) {
        EXPECT_EQ(stampSettled(stampAt(c.modified, c.changed), c.seenAt), c.settled)
            << c.seenAt.tv_sec << "." << c.seenAt.tv_nsec;
    }
}

TEST(ContentHash, TheSameBytesHowEverCutAndAnyByteChanged) {
    std::string bytes;
    for (int i = 0; i < 1000; ++i) {
        bytes += static_cast<char>(i * 7 + i / 13);
    }
    const std::uint64_t whole = contentHash(bytes);
    for (const std::size_t piece : {1, 3, 31, 32, 33, 64, 999}) {
        ContentHash cut;
        for (std::size_t at = 0; at < bytes.size(); at += piece) {
            cut.add(std::string_view(bytes).substr(at, piece));
        }
        EXPECT_EQ(cut.value(), whole) << piece;
    }
    for (const std::size_t at : {0, 1, 31, 32, 500, 990, 999}) {
        std::string changed = bytes;
        changed[at] ^= 1;
        EXPECT_NE(contentHash(changed), whole) << at;
    }
    EXPECT_NE(contentHash(bytes + '\0'), whole);
    EXPECT_NE(contentHash(bytes.substr(1)), whole);
}

void setTimes(const fs::path& path, timespec modified) {
    const timespec times[2] = {modified, modified};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

timespec modifiedOf(const fs::path& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mtim;
}

// Overwrites bytes in place, keeping the size.
void overwrite(const fs::path& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::pwrite(fd, bytes.data(), bytes.size(), 0), static_cast<ssize_t>(bytes.size()));
    ::close(fd);
}

// Each way another program may change a file, or the way to it, the new
// lines of the same size as the old: each is seen at the next load, whether
// the program read the file or saved it last, and whether the change follows
// at once (while the stamp is too recent to trust) or once the stamp has
// settled, when a watched file is no longer asked about.
TEST(KnownFiles, EveryChangeIsSeenAtTheNextLoad) {
    const std::string before = "one\r\ntwo\r\n";
    const std::string after = "ONE\r\ntwo\r\n";
    // The working folder lies two folders down, so that those above it can be changed too.
    const std::string root = "top/work/";
    const std::string file = root + "Base/W1.Dat";
    const auto moveAside = [](const ScratchFolder& scratch, const std::string& folder) {
        fs::rename(scratch.path() / folder, scratch.path() / (folder + ".old"));
    };
    using Change = std::function<void(const ScratchFolder&, const fs::path&)>;
    const std::vector<std::pair<const char*, Change>> changes{
        {"edited in place, write time put back",
         [&](const ScratchFolder&, const fs::path& path) {
             const timespec modified = modifiedOf(path);
             overwrite(path, after);
             setTimes(path, modified);
         }},
        {"truncated and written again",
         [&](const ScratchFolder& scratch, const fs::path&) { scratch.write(file, after); }},
        {"replaced by a rename, write time copied",
         [&](const ScratchFolder& scratch, const fs::path& path) {
             scratch.write(root + "Base/new", after);
             setTimes(scratch.path() / (root + "Base/new"), modifiedOf(path));
             fs::rename(scratch.path() / (root + "Base/new"), path);
         }},
        {"replaced by another file of other content",
         [&](const ScratchFolder& scratch, const fs::path&) {
             scratch.write(file, "ONE\r\ntwo\r\nthree\r\n");
         }},
        {"outdone by a case twin that comes first",
         [&](const ScratchFolder& scratch, const fs::path&) {
             scratch.write(root + "Base/W1.DAT", after);
         }},
        {"its folder replaced by another",
         [&](const ScratchFolder& scratch, const fs::path&) {
             moveAside(scratch, root + "Base");
             scratch.write(file, after);
         }},
        {"the working folder replaced by another",
         [&](const ScratchFolder& scratch, const fs::path&) {
             moveAside(scratch, "top/work");
             scratch.write(file, after);
         }},
        {"the working folder replaced by another that spells the name otherwise",
         [&](const ScratchFolder& scratch, const fs::path&) {
             moveAside(scratch, "top/work");
             scratch.write(root + "Base/w1.dat", after);
         }},
        {"a folder above the working folder replaced by another",
         [&](const ScratchFolder& scratch, const fs::path&) {
             moveAside(scratch, "top");
             scratch.write(file, after);
         }},
    };
    for (const auto& [savedLast, settled] :
         {std::pair{false, false}, {true, false}, {false, true}, {true, true}}) {
        for (const auto& [what, change] : changes) {
            ScratchFolder scratch;
            scratch.write(file, before);
            const Folder folder(scratch.path() / root);
            const fs::path path = scratch.path() / file;
            PhraseList list;
            list.load(folder, "Base\\W1.Dat");
            if (savedLast) {
                list.save(folder, "Base\\W1.Dat");
                list.load(folder, "Base\\W1.Dat");
            }
            if (settled) {
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
                list.load(folder, "Base\\W1.Dat");
                list.load(folder, "Base\\W1.Dat");
            }
            change(scratch, path);
            list.load(folder, "Base\\W1.Dat");
            EXPECT_EQ(list.line(0), "ONE")
                << what << (savedLast ? ", saved last" : "") << (settled ? ", settled" : "");
        }
    }
}

// A write through a shared memory map moves no time until the kernel writes
// the page back: while a stamp has not settled (here a write time in the
// future keeps it so), the content itself is compared.
TEST(KnownFiles, AnEditThatKeepsTheStampIsSeenByItsContent) {
    ScratchFolder scratch;
    scratch.write("Base/W1.Dat", "one\r\ntwo\r\n");
    const fs::path path = scratch.path() / "Base/W1.Dat";
    const int fd = ::open(path.c_str(), O_RDWR);
    ASSERT_GE(fd, 0);
    auto* map = static_cast<char*>(::mmap(nullptr, 10, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0));
    ASSERT_NE(map, MAP_FAILED);
    map[0] = 'a';
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    setTimes(path, at(std::chrono::duration_cast<std::chrono::seconds>(now).count() + 3600, 0));

    const Folder folder(scratch.path());
    PhraseList list;
    list.load(folder, "Base\\W1.Dat");
    EXPECT_EQ(list.line(0), "ane");
    map[1] = 'N';
    list.load(folder, "Base\\W1.Dat");
    EXPECT_EQ(list.line(0), "aNe");
    ::munmap(map, 10);
    ::close(fd);
}

// An unchanged file is not read again: the lines are the very ones in memory.
TEST(KnownFiles, AFileLeftAloneIsTakenFromMemory) {
    ScratchFolder scratch;
    scratch.write("Base/W1.Dat", "one\r\ntwo\r\n");
    const Folder folder(scratch.path());
    PhraseList first;
    first.load(folder, "Base\\W1.Dat");
    std::this_thread::sleep_for(std::chrono::milliseconds(50)); // past the file clock's step
    PhraseList second;
    second.load(folder, "Base\\W1.Dat");
    PhraseList third;
    third.load(folder, "base\\w1.dat");
    EXPECT_EQ(&second.buffer(), &first.buffer());
    EXPECT_EQ(&third.buffer(), &first.buffer());
}

// Lines shared with the memory of the file are taken for the list before it
// edits them: neither another list nor the next load sees an edit that was
// not saved, whether the save was never made or failed.
TEST(KnownFiles, AnEditIsNeverSeenBeforeItIsSaved) {
    ScratchFolder scratch;
    scratch.write("Base/W1.Dat", "one\r\ntwo\r\n");
    const Folder folder(scratch.path());
    const Lines original{"one", "two"};
    using Edit = std::function<void(PhraseList&)>;
    for (const Edit& edit : std::vector<Edit>{
             [](PhraseList& l) { l.append("three"); }, [](PhraseList& l) { l.remove(0); },
             [](PhraseList& l) { l.replace(1, "TWO"); }, [](PhraseList& l) { l.clear(); }}) {
        PhraseList editor;
        PhraseList reader;
        editor.load(folder, "Base\\W1.Dat");
        reader.load(folder, "Base\\W1.Dat");
        edit(editor);
        EXPECT_EQ(reader.lines(), original);
        PhraseList next;
        next.load(folder, "Base\\W1.Dat");
        EXPECT_EQ(next.lines(), original);
    }

    // A file nobody may write is not saved over, even by root.
    fs::permissions(scratch.path() / "Base/W1.Dat",
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    PhraseList editor;
    editor.load(folder, "Base\\W1.Dat");
    editor.append("three");
    EXPECT_THROW(editor.save(folder, "Base\\W1.Dat"), Failure);
    PhraseList next;
    next.load(folder, "Base\\W1.Dat");
    EXPECT_EQ(next.lines(), original);
}

} // namespace
} // namespace orlevan
