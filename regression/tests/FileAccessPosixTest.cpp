#include "regression/FileAccess.h"

#include "regression/TrendoraCsv.h"
#include "regression/ZoqStats.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// A fresh folder for one test, removed at its end.
class ScratchFolder {
public:
    explicit ScratchFolder(const char* name)
        : m_path(fs::temp_directory_path() / (std::string(name) + "-" + std::to_string(getpid()))) {
        fs::remove_all(m_path);
        fs::create_directories(m_path);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    const fs::path& Path() const { return m_path; }
    long FileCount() const {
        return std::distance(fs::directory_iterator(m_path), fs::directory_iterator());
    }

private:
    fs::path m_path;
};

// Runs `body` in a child process and returns its exit status, or -1 when it did
// not end within five seconds (it is then killed): a call that blocks fails the
// test instead of hanging it.
template <class Body> int RunGuarded(Body body) {
    const pid_t child = fork();
    if (child == 0) {
        _exit(body());
    }
    if (child < 0) {
        return -2;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    int status = 0;
    while (waitpid(child, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            kill(child, SIGKILL);
            waitpid(child, &status, 0);
            return -1;
        }
        usleep(10000);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -3;
}

// Reading what is not a regular file fails at once; a FIFO nobody writes to must
// not make the reader wait for a writer.
TEST(FileAccessPosix, ReadsOnlyRegularFilesAndNeverWaits) {
    ScratchFolder folder("trendora-kinds");
    const fs::path regular = folder.Path() / "data.csv";
    std::ofstream(regular, std::ios::binary) << "1,2\n3,4\n";
    const fs::path fifo = folder.Path() / "fifo.csv";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    const struct {
        const char* name;
        fs::path path;
        int size;
    } cases[] = {
        {"regular file", regular, 8},
        {"FIFO", fifo, -1},
        {"folder", folder.Path(), -1},
        {"missing", folder.Path() / "missing.csv", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::wstring path = c.path.wstring();
        EXPECT_EQ(RunGuarded([&] {
                      char buffer[64];
                      return ReadFileHead(path.c_str(), buffer, sizeof buffer) == c.size ? 0 : 1;
                  }),
                  0);
        // The load as the window runs it: refused, the entries kept.
        EXPECT_EQ(RunGuarded([&] {
                      CZoqStats stats;
                      stats.AppendX(9);
                      stats.AppendY(9);
                      CsvReadReport report;
                      const int loaded = LoadCsvFile(path.c_str(), stats, report);
                      return loaded == (c.size >= 0 ? 1 : 0) &&
                                     stats.GetX(0) == (c.size >= 0 ? 1.0 : 9.0)
                                 ? 0
                                 : 1;
                  }),
                  0);
    }
}

// Names beyond ASCII, as people give their data files, are stored as UTF-8 on disk
// (the bytes below are written out, not converted by the code under test) and read
// back under the same wide name.
TEST(FileAccessPosix, NamesBeyondAsciiAreUtf8OnDisk) {
    const struct {
        const wchar_t* wide;
        const char* utf8;
    } cases[] = {
        {L"donn\u00E9es.csv", "donn\xC3\xA9"
                              "es.csv"},
        {L"\u6E29\u5EA6.csv", "\xE6\xB8\xA9\xE5\xBA\xA6.csv"},
        {L"\U0001F4C8 trend.csv", "\xF0\x9F\x93\x88 trend.csv"},
    };
    const std::string text = "1.000000,2.000000\n";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.utf8);
        ScratchFolder folder("trendora-names");
        const std::wstring path = folder.Path().wstring() + L"/" + c.wide;
        ASSERT_EQ(ReplaceFileContents(path.c_str(), text.data(), text.size()), 1);
        EXPECT_EQ(Read(folder.Path() / fs::path(c.utf8)), text);
        char head[64];
        EXPECT_EQ(ReadFileHead(path.c_str(), head, sizeof head), static_cast<int>(text.size()));
        EXPECT_EQ(folder.FileCount(), 1);
    }
}

// A save replaces the file only where a plain write to it would be allowed, and
// the new file keeps the old one's permissions.
TEST(FileAccessPosix, SaveKeepsReadOnlyFiles) {
    const struct {
        mode_t mode;
        bool replaced;
    } cases[] = {
        {0644, true}, {0600, true}, {0664, true}, {0444, false}, {0400, false}, {0555, false},
    };
    const std::string text = "3.000000,4.000000\n";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.mode);
        ScratchFolder folder("trendora-readonly");
        const fs::path path = folder.Path() / "data.csv";
        std::ofstream(path, std::ios::binary) << "1.000000,2.000000\n";
        ASSERT_EQ(chmod(path.c_str(), c.mode), 0);
        EXPECT_EQ(ReplaceFileContents(path.wstring().c_str(), text.data(), text.size()),
                  c.replaced ? 1 : 0);
        EXPECT_EQ(Read(path), c.replaced ? text : "1.000000,2.000000\n");
        struct stat info;
        ASSERT_EQ(stat(path.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, c.mode);
        EXPECT_EQ(folder.FileCount(), 1);
    }
}

// Another user's file that only its owner may write: the folder would let the
// save rename over it, a plain write would be refused.
TEST(FileAccessPosix, SaveKeepsAnotherUsersFile) {
    if (geteuid() != 0) {
        GTEST_SKIP() << "needs the superuser to act as another user";
    }
    ScratchFolder folder("trendora-owner");
    ASSERT_EQ(chmod(folder.Path().c_str(), 0777), 0);
    const fs::path path = folder.Path() / "data.csv";
    std::ofstream(path, std::ios::binary) << "1.000000,2.000000\n";
    ASSERT_EQ(chmod(path.c_str(), 0644), 0);
    const std::wstring wide = path.wstring();
    const std::string text = "3.000000,4.000000\n";
    EXPECT_EQ(RunGuarded([&] {
                  if (setgid(65534) != 0 || setuid(65534) != 0) {
                      return 2;
                  }
                  return ReplaceFileContents(wide.c_str(), text.data(), text.size());
              }),
              0);
    EXPECT_EQ(Read(path), "1.000000,2.000000\n");
    EXPECT_EQ(folder.FileCount(), 1);
}

// A write that fails halfway (here: the file size limit is reached after 1000
// bytes) must leave the existing file as it was and remove the partial copy.
TEST(FileAccessPosix, WriteFailingHalfwayLeavesTheOldFile) {
    const fs::path dir =
        fs::temp_directory_path() / ("trendora-halfway-" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path path = dir / "data.csv";
    std::ofstream(path, std::ios::binary) << "1.000000,2.000000\n";
    const std::string big(64 * 1024, '7');

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1000, 1000};
        setrlimit(RLIMIT_FSIZE, &limit);
        _exit(ReplaceFileContents(path.wstring().c_str(), big.data(), big.size()) == 0 ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the save must report its failure";
    EXPECT_EQ(Read(path), "1.000000,2.000000\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);

    // Without the limit the same save succeeds.
    EXPECT_TRUE(ReplaceFileContents(path.wstring().c_str(), big.data(), big.size()));
    EXPECT_EQ(Read(path), big);
    fs::remove_all(dir);
}

} // namespace
