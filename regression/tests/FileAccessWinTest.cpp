#include "regression/FileAccess.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <windows.h>

namespace fs = std::filesystem;

namespace {

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// Another program holding the file open (a spreadsheet does) makes the final
// replacement fail after the new contents were written: the old file stays.
TEST(FileAccessWin, SaveOverAFileHeldOpenLeavesItIntact) {
    const fs::path dir = fs::temp_directory_path() / L"trendora-held-open";
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path path = dir / L"data.csv";
    std::ofstream(path, std::ios::binary) << "1.000000,2.000000\r\n";

    HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const std::string text = "3.000000,4.000000\r\n";
    EXPECT_FALSE(ReplaceFileContents(path.c_str(), text.data(), text.size()));
    CloseHandle(held);

    EXPECT_EQ(Read(path), "1.000000,2.000000\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
    EXPECT_TRUE(ReplaceFileContents(path.c_str(), text.data(), text.size()));
    EXPECT_EQ(Read(path), text);
    fs::remove_all(dir);
}

// Moving the new file over a read-only one would replace it and drop the
// attribute; a plain write is refused, and so is the save.
TEST(FileAccessWin, SaveKeepsReadOnlyFiles) {
    const struct {
        DWORD attributes;
        bool replaced;
    } cases[] = {
        {FILE_ATTRIBUTE_NORMAL, true},
        {FILE_ATTRIBUTE_ARCHIVE, true},
        {FILE_ATTRIBUTE_READONLY, false},
        {FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE, false},
    };
    const fs::path dir = fs::temp_directory_path() / L"trendora-read-only";
    const std::string text = "3.000000,4.000000\r\n";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.attributes);
        fs::remove_all(dir);
        fs::create_directories(dir);
        const fs::path path = dir / L"data.csv";
        std::ofstream(path, std::ios::binary) << "1.000000,2.000000\r\n";
        ASSERT_TRUE(SetFileAttributesW(path.c_str(), c.attributes));
        EXPECT_EQ(ReplaceFileContents(path.c_str(), text.data(), text.size()), c.replaced ? 1 : 0);
        EXPECT_EQ(Read(path), c.replaced ? text : "1.000000,2.000000\r\n");
        EXPECT_EQ((GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_READONLY) != 0, !c.replaced);
        EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    fs::remove_all(dir);
}

TEST(FileAccessWin, ReadsAtMostTheCapacity) {
    const fs::path path = fs::temp_directory_path() / L"trendora-head.csv";
    std::ofstream(path, std::ios::binary) << std::string(6000, 'a');
    char buffer[5000];
    EXPECT_EQ(ReadFileHead(path.c_str(), buffer, sizeof buffer), 5000);
    EXPECT_EQ(ReadFileHead(fs::temp_directory_path().c_str(), buffer, sizeof buffer), -1);
    fs::remove(path);
}

} // namespace
