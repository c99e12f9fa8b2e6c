#include "regression/TrendoraCsv.h"

#include "regression/FileAccess.h"
#include "regression/ZoqStats.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::vector<double> List(const CZoqStats& stats, bool isX) {
    std::vector<double> values;
    const int count = isX ? stats.GetCountX() : stats.GetCountY();
    for (int i = 0; i < count; ++i) {
        values.push_back(isX ? stats.GetX(i) : stats.GetY(i));
    }
    return values;
}

TEST(TrendoraCsv, Tokenising) {
    const struct {
        const char* name;
        std::string text;
        std::vector<double> x, y;
    } cases[] = {
        {"two lines", "1.000000,2.000000\n3.000000,4.000000\n", {1, 3}, {2, 4}},
        {"carriage returns", "1,2\r\n3,4\r\n", {1, 3}, {2, 4}},
        {"no final line feed", "1,2\n3,4", {1, 3}, {2, 4}},
        {"trailing x without y", "1,2\n3,4\n5\n", {1, 3, 5}, {2, 4}},
        {"first x ends at a line feed", "7\n8\n", {7}, {8}},
        {"leading delimiters skipped", "\n\n,,1,2\n", {1}, {2}},
        {"blank lines between", "1,2\n\n\n3,4\n", {1, 3}, {2, 4}},
        {"y runs to the line feed", "1,2,9\n3,4\n", {1, 3}, {2, 4}},
        {"white space and junk", "  -1.5e1abc ,\t+2x\nfoo,bar\n", {-15, 0}, {2, 0}},
        {"empty", "", {}, {}},
        {"only delimiters", ",\n,\n", {}, {}},
        {"NUL ends the text", std::string("1,2\n3\0,4\n", 9), {1, 3}, {2}},
        {"binary bytes", std::string("\x01\xff\xfe,\x80\n", 6), {0}, {0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CZoqStats stats;
        ReadCsvEntries(c.text.data(), (int)c.text.size(), stats);
        EXPECT_EQ(List(stats, true), c.x);
        EXPECT_EQ(List(stats, false), c.y);
    }
}

TEST(TrendoraCsv, ReadsOnlyTheFirst5000BytesOfWhatItIsGiven) {
    // Lines of 10 bytes: "1234,5678\n". Byte 5000 is the end of line 500; the
    // buffer handed in is exactly as long as its data, with no terminator after it.
    std::string text;
    for (int i = 0; i < 600; ++i) {
        text += "1234,5678\n";
    }
    std::vector<char> exact(text.begin(), text.begin() + 5003);
    CZoqStats stats;
    EXPECT_EQ(ReadCsvEntries(exact.data(), (int)exact.size(), stats), 500);
    EXPECT_EQ(stats.GetCountX(), 100) << "at most 100 entries are taken";
    EXPECT_EQ(stats.GetCountY(), 100);

    // A number cut at byte 5000 is read as far as it goes.
    std::string cut(4998, '\n');
    cut += "12,34";
    CZoqStats partial;
    ReadCsvEntries(cut.data(), (int)cut.size(), partial);
    EXPECT_EQ(List(partial, true), std::vector<double>{12});
    EXPECT_EQ(partial.GetCountY(), 0);
}

TEST(TrendoraCsv, WritesSixDecimalLinesOfCompleteEntries) {
    CZoqStats stats;
    stats.AppendX(1);
    stats.AppendY(2);
    stats.AppendX(3);
    stats.AppendY(4);
    stats.AppendX(-0.1234567);
    EXPECT_EQ(WriteCsvEntries(stats, "\n"), "1.000000,2.000000\n3.000000,4.000000\n");
    EXPECT_EQ(WriteCsvEntries(stats, "\r\n"), "1.000000,2.000000\r\n3.000000,4.000000\r\n");
    EXPECT_EQ(WriteCsvEntries(CZoqStats(), "\n"), "");
}

class TrendoraCsvFiles : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir =
            fs::temp_directory_path() /
            ("trendora-csv-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    fs::path Path(const char* name) const { return m_dir / name; }
    static void Write(const fs::path& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    size_t FileCount() const {
        return std::distance(fs::directory_iterator(m_dir), fs::directory_iterator());
    }

    fs::path m_dir;
};

TEST_F(TrendoraCsvFiles, SaveAndLoadRoundTrip) {
    CZoqStats stats;
    stats.SetModel(CZoqStats::Power);
    for (double v : {1.0, 3.0}) {
        stats.AppendX(v);
        stats.AppendY(v + 1);
    }
    const fs::path path = Path("data.csv");
    Write(path, "old contents that are longer than the new ones\n");
    ASSERT_TRUE(SaveCsvFile(path.wstring().c_str(), stats));
    EXPECT_EQ(Read(path),
              std::string("1.000000,2.000000") + kTextLineEnd + "3.000000,4.000000" + kTextLineEnd);
    EXPECT_EQ(FileCount(), 1u) << "no temporary file is left behind";

    CZoqStats loaded;
    loaded.AppendX(42);
    ASSERT_TRUE(LoadCsvFile(path.wstring().c_str(), loaded));
    EXPECT_EQ(List(loaded, true), (std::vector<double>{1, 3}));
    EXPECT_EQ(List(loaded, false), (std::vector<double>{2, 4}));
}

TEST_F(TrendoraCsvFiles, LoadOfWhatIsNotAReadableFileChangesNothing) {
    const fs::path missing = Path("missing.csv");
    const fs::path directory = Path("folder.csv");
    fs::create_directory(directory);
    for (const fs::path& path : {missing, directory}) {
        SCOPED_TRACE(path.string());
        CZoqStats stats;
        stats.AppendX(5);
        EXPECT_FALSE(LoadCsvFile(path.wstring().c_str(), stats));
        EXPECT_EQ(stats.GetCountX(), 1);
    }
    EXPECT_FALSE(LoadCsvFile(L"", *std::make_unique<CZoqStats>()));
}

TEST_F(TrendoraCsvFiles, LoadOfAnEmptyFileClearsTheEntries) {
    const fs::path path = Path("empty.csv");
    Write(path, "");
    CZoqStats stats;
    stats.AppendX(5);
    stats.AppendY(6);
    EXPECT_TRUE(LoadCsvFile(path.wstring().c_str(), stats));
    EXPECT_EQ(stats.GetCountX(), 0);
    EXPECT_EQ(stats.GetCountY(), 0);
}

TEST_F(TrendoraCsvFiles, LoadOfA6000ByteFileUsesItsFirst5000Bytes) {
    // 60 lines of 100 bytes; byte 5000 ends line 50.
    std::string text;
    for (int i = 0; i < 60; ++i) {
        std::string line = std::to_string(i) + "," + std::to_string(2 * i);
        line += std::string(99 - line.size(), ' ') + "\n";
        text += line;
    }
    ASSERT_EQ(text.size(), 6000u);
    const fs::path path = Path("big.csv");
    Write(path, text);
    CZoqStats stats;
    ASSERT_TRUE(LoadCsvFile(path.wstring().c_str(), stats));
    EXPECT_EQ(stats.GetCountX(), 50);
    EXPECT_EQ(stats.GetCountY(), 50);
    EXPECT_EQ(stats.GetY(49), 98.0);
}

TEST_F(TrendoraCsvFiles, FailedSaveLeavesTheOldFile) {
    CZoqStats stats;
    stats.AppendX(1);
    stats.AppendY(2);
    // The target is a directory: the temporary file is written but cannot replace it.
    const fs::path directory = Path("taken.csv");
    fs::create_directory(directory);
    EXPECT_FALSE(SaveCsvFile(directory.wstring().c_str(), stats));
    EXPECT_TRUE(fs::is_directory(directory));
    // The folder does not exist: nothing can be written.
    EXPECT_FALSE(SaveCsvFile(Path("no/such/folder.csv").wstring().c_str(), stats));
    EXPECT_EQ(FileCount(), 1u) << "no temporary file is left behind";
}

TEST_F(TrendoraCsvFiles, SaveNeverOverwritesAnExistingTemporaryLookalike) {
    const fs::path path = Path("data.csv");
    const fs::path lookalike = Path("data.csv.~save0");
    Write(lookalike, "somebody's file");
    CZoqStats stats;
    stats.AppendX(1);
    stats.AppendY(2);
    ASSERT_TRUE(SaveCsvFile(path.wstring().c_str(), stats));
    EXPECT_EQ(Read(lookalike), "somebody's file");
    EXPECT_EQ(FileCount(), 2u);
}

} // namespace
