// Working folders a user can end up with by accident: a knowledge-base file
// that is a link to a device, a FIFO, a folder, a socket or a read-only file.
// Loading one fails at once, saving over one fails and leaves it as it was.

#include "platform/system/Folder.h"
#include "support/TestSupport.h"

#include <cctype>
#include <functional>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orlevan {
namespace {

namespace fs = std::filesystem;
using test::ScratchFolder;

constexpr std::string_view kName = "Base\\Target.dat";
constexpr std::string_view kPath = "Base/Target.dat";

// The failure of `action` run in a child process given a few seconds: an
// action that waits for ever is reported as "hung" instead of hanging the run.
std::string failureWithin(const std::function<void()>& action) {
    int out[2];
    if (::pipe(out) != 0) {
        return "no pipe";
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(out[0]);
        const std::string message = test::failureOf(action);
        const auto ignored = ::write(out[1], message.data(), message.size());
        static_cast<void>(ignored);
        ::_exit(0);
    }
    ::close(out[1]);
    pollfd ready{out[0], POLLIN, 0};
    std::string message;
    if (::poll(&ready, 1, 5000) == 1) {
        char chunk[256];
        for (ssize_t n; (n = ::read(out[0], chunk, sizeof chunk)) > 0;) {
            message.append(chunk, static_cast<std::size_t>(n));
        }
    } else {
        ::kill(child, SIGKILL);
        message = "hung";
    }
    ::close(out[0]);
    ::waitpid(child, nullptr, 0);
    return message;
}

void makeSocket(const fs::path& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.string().copy(address.sun_path, sizeof address.sun_path - 1);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ::close(fd); // the node stays
}

struct HostileCase {
    const char* what;
    // Makes Base/Target.dat; a case the machine cannot set up is skipped.
    std::function<void(const ScratchFolder&)> make;
    const char* loadFailure; // nullptr: the load succeeds
};

void PrintTo(const HostileCase& c, std::ostream* out) {
    *out << c.what;
}

const HostileCase kCases[] = {
    {"a link to a device node",
     [](const ScratchFolder& s) {
         // A private node with the numbers of the null device, in the scratch folder.
         if (::mknod((s.path() / "device").c_str(), S_IFCHR | 0666, ::makedev(1, 3)) != 0) {
             GTEST_SKIP() << "device nodes cannot be made here";
         }
         fs::create_symlink(s.path() / "device", s.path() / kPath);
     },
     "Cannot open file Base\\Target.dat"},
    {"a link to a FIFO",
     [](const ScratchFolder& s) {
         ASSERT_EQ(::mkfifo((s.path() / "pipe").c_str(), 0666), 0);
         fs::create_symlink(s.path() / "pipe", s.path() / kPath);
     },
     "Cannot open file Base\\Target.dat"},
    {"a FIFO",
     [](const ScratchFolder& s) { ASSERT_EQ(::mkfifo((s.path() / kPath).c_str(), 0666), 0); },
     "Cannot open file Base\\Target.dat"},
    {"a folder", [](const ScratchFolder& s) { fs::create_directory(s.path() / kPath); },
     "Cannot open file Base\\Target.dat"},
    {"a socket", [](const ScratchFolder& s) { makeSocket(s.path() / kPath); },
     "Cannot open file Base\\Target.dat"},
    {"a read-only file",
     [](const ScratchFolder& s) {
         s.write(kPath, "kept");
         fs::permissions(s.path() / kPath, fs::perms::owner_read | fs::perms::group_read);
     },
     nullptr},
};

class HostileFolder : public ::testing::TestWithParam<HostileCase> {
protected:
    void SetUp() override {
        fs::create_directory(scratch.path() / "Base");
        GetParam().make(scratch);
    }

    // What is there, by kind: the target, what it may link to, and every other name.
    std::string kinds() const {
        std::string seen;
        for (const fs::path& folder : {scratch.path(), scratch.path() / "Base"}) {
            for (const auto& entry : fs::directory_iterator(folder)) {
                seen += entry.path().filename().string() + ":" +
                        std::to_string(static_cast<int>(entry.symlink_status().type())) + ":" +
                        std::to_string(static_cast<int>(entry.status().type())) + " ";
            }
        }
        return seen;
    }

    ScratchFolder scratch;
    Folder folder{scratch.path()};
};

TEST_P(HostileFolder, ALoadFailsAtOnceUnlessTheTargetIsARegularFile) {
    const std::string message = failureWithin([&] { folder.read(kName); });
    EXPECT_EQ(message, GetParam().loadFailure ? GetParam().loadFailure : "no failure");
}

TEST_P(HostileFolder, ASaveFailsAndLeavesTheTargetAndItsFolderAsTheyWere) {
    const std::string before = kinds();
    const std::string message = failureWithin([&] { folder.write(kName, "new content"); });
    EXPECT_EQ(message, "Cannot create file Base\\Target.dat");
    EXPECT_EQ(kinds(), before);
    if (fs::is_regular_file(scratch.path() / kPath)) {
        EXPECT_EQ(scratch.read(kPath), "kept");
    }
}

INSTANTIATE_TEST_SUITE_P(Targets, HostileFolder, ::testing::ValuesIn(kCases), [](const auto& info) {
    std::string name;
    for (const char* c = info.param.what; *c; ++c) {
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    }
    return name;
});

} // namespace
} // namespace orlevan
