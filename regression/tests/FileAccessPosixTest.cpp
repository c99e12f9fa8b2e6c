#include "regression/FileAccess.h"

#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
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
