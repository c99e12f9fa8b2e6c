#include "regression/TrendoraCsv.h"

#include "regression/FileAccess.h"
#include "regression/ZoqStats.h"

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <limits>
#include <random>
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

TEST(TrendoraCsv, ReadingLines) {
    const std::string bom = "\xEF\xBB\xBF";
    const struct {
        const char* name;
        std::string text;
        std::vector<double> x, y;
        int unreadable;
    } cases[] = {
        {"as written", "1.000000,2.000000\n3.000000,4.000000\n", {1, 3}, {2, 4}, 0},
        {"CRLF", "1,2\r\n3,4\r\n", {1, 3}, {2, 4}, 0},
        {"CR only", "1,2\r3,4\r", {1, 3}, {2, 4}, 0},
        {"no final line end", "1,2\n3,4", {1, 3}, {2, 4}, 0},
        {"trailing blank line", "1,2\n3,4\n\n", {1, 3}, {2, 4}, 0},
        {"trailing blank CRLF lines", "1,2\r\n3,4\r\n\r\n\r\n", {1, 3}, {2, 4}, 0},
        {"blank lines between", "\n\n1,2\n\n \t\n3,4\n", {1, 3}, {2, 4}, 0},
        {"empty spreadsheet rows", "1,2\n,\n;;\n3,4\n", {1, 3}, {2, 4}, 0},
        {"byte-order mark", bom + "1,2\n3,4\n", {1, 3}, {2, 4}, 0},
        {"header", "x,y\n1,2\n", {1}, {2}, 0},
        {"mark and quoted header", bom + "\"x\",\"y\"\r\n1,2\r\n", {1}, {2}, 0},
        {"header with units", "time (s);height (m)\n1;2\n", {1}, {2}, 0},
        {"header after data", "1,2\nx,y\n3,4\n", {1, 3}, {2, 4}, 1},
        {"first line with a number", "x,5\n1,2\n", {1}, {2}, 1},
        {"semicolons", "1;2\n3;4\n", {1, 3}, {2, 4}, 0},
        {"tabs", "1\t2\n3\t4\n", {1, 3}, {2, 4}, 0},
        {"comma and tab", "1,\t2\n", {1}, {2}, 0},
        {"quoted numbers", "\"1.5\",\"2\"\n\" 3 \";\"-4\"\n", {1.5, 3}, {2, -4}, 0},
        {"white space around", "  1 ,  2  \n", {1}, {2}, 0},
        {"further fields ignored", "1,2,9\n3,4,x\n", {1, 3}, {2, 4}, 0},
        {"empty first columns", ",1,2\n,,3,4\n;5;6\n\t7\t8\n", {1, 3, 5, 7}, {2, 4, 6, 8}, 0},
        {"decimal comma and semicolon", "1,5;2,5\n1;2,5\n", {}, {}, 2},
        {"quoted decimal comma", "1,2\n\"1,5\",\"2,5\"\n", {1}, {2}, 1},
        {"decimal commas only", "\"1,5\",\"2,5\"\n\"3,5\",\"4,5\"\n", {}, {}, 1},
        {"quoted separator", "\"1;2\";3\n", {}, {}, 1},
        {"words", "1,2\nfoo,bar\n3,4\n", {1, 3}, {2, 4}, 1},
        {"junk after a number", "1,2\n1.5abc,2\n3,4x\n", {1}, {2}, 2},
        {"x without y", "1,2\n3,4\n5\n", {1, 3}, {2, 4}, 1},
        {"empty y", "1,2\n5,\n,6\n", {1}, {2}, 2},
        {"not numbers", "1,2\ninf,1\n1,nan\n1e999,1\n0x10,1\n1,-infinity\n1e-400,1\n", {1}, {2}, 6},
        {"exponents and signs", "1e3,2E-2\n+3,.5\n5.,-0\n", {1000, 3, 5}, {0.02, 0.5, -0.0}, 0},
        {"NUL byte", std::string("1,2\n3,\0\n5,6\n", 12), {1, 5}, {2, 6}, 1},
        {"binary bytes", "1,2\n\x01\xff\xfe,\x80\n", {1}, {2}, 1},
        {"header only", "x,y\n", {}, {}, 0},
        {"empty", "", {}, {}, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CZoqStats stats;
        const CsvReadReport report = ReadCsvEntries(c.text.data(), (int)c.text.size(), stats);
        EXPECT_EQ(List(stats, true), c.x);
        EXPECT_EQ(List(stats, false), c.y);
        EXPECT_EQ(report.entries, (int)c.x.size());
        EXPECT_EQ(report.unreadable, c.unreadable);
        EXPECT_EQ(report.beyondCapacity, 0);
        EXPECT_FALSE(report.cut);
        for (size_t i = 0; i < c.y.size() && i < List(stats, false).size(); ++i) {
            EXPECT_EQ(std::signbit(List(stats, false)[i]), std::signbit(c.y[i])) << i;
        }
    }
}

// The list holds 100 entries; what follows is counted, readable or not.
TEST(TrendoraCsv, CountsWhatFindsNoRoom) {
    const struct {
        int lines;
        const char* extra;
        int taken, beyond, unreadable;
    } cases[] = {
        {100, "", 100, 0, 0},       {101, "", 100, 1, 0},          {130, "", 100, 30, 0},
        {99, "x,y\n7\n", 99, 0, 2}, {120, "x,y\n7\n", 100, 20, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lines);
        std::string text;
        for (int i = 0; i < c.lines; ++i) {
            text += std::to_string(i) + "," + std::to_string(2 * i) + "\n";
        }
        text += c.extra;
        CZoqStats stats;
        const CsvReadReport report = ReadCsvEntries(text.data(), (int)text.size(), stats);
        EXPECT_EQ(stats.GetCountX(), c.taken);
        EXPECT_EQ(stats.GetCountY(), c.taken);
        EXPECT_EQ(report.entries, c.taken);
        EXPECT_EQ(report.beyondCapacity, c.beyond);
        EXPECT_EQ(report.unreadable, c.unreadable);
        EXPECT_EQ(report.LeftOut(), c.beyond + c.unreadable);
        EXPECT_EQ(stats.GetY(c.taken - 1), 2.0 * (c.taken - 1)) << "the first lines are taken";
    }
}

// A text longer than the limit is read up to its last line that the limit did not
// cut; the number the limit cuts is never taken.
TEST(TrendoraCsv, ReadsUpToTheLimitAndNoCutNumber) {
    const std::vector<double> before = {5, 5};
    const std::vector<double> tailEntry = {12345, 678};
    const struct {
        const char* name;
        std::string tail;
        int at;    // the offset in `tail` of the first byte beyond the limit
        bool more; // lines follow the tail
        std::vector<double> last;
    } cases[] = {
        {"number cut", "-2.084e+20,12345\n", 5, true, before},
        {"y cut", "12345,678\n", 7, true, before},
        {"line feed just past the limit", "12345,678\n", 9, true, tailEntry},
        {"CR just past the limit", "12345,678\r\n", 9, true, tailEntry},
        {"limit between CR and LF", "12345,678\r\n", 10, true, tailEntry},
        {"line starts just past the limit", "12345,678\n", 0, true, before},
        {"exactly the limit, no line end", "12345,678", 9, false, tailEntry},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        // "5,5", then a blank line up to where the tail begins.
        std::string text = "5,5\n" + std::string(kCsvReadLimit - c.at - 5, ' ') + "\n";
        text += c.tail;
        if (c.more) {
            text += "1,1\n2,2\n";
        }
        std::vector<char> exact(text.begin(), text.end()); // nothing after the bytes
        CZoqStats stats;
        const CsvReadReport report = ReadCsvEntries(exact.data(), (int)exact.size(), stats);
        EXPECT_EQ(report.cut, c.more);
        EXPECT_EQ(report.unreadable, 0);
        const std::vector<double> x = List(stats, true);
        const std::vector<double> y = List(stats, false);
        ASSERT_FALSE(x.empty());
        EXPECT_EQ((std::vector<double>{x.back(), y.back()}), c.last);
    }
}

std::string Join(const std::vector<double>& x, const std::vector<double>& y, const char* end) {
    CZoqStats stats;
    for (size_t i = 0; i < x.size(); ++i) {
        stats.AppendX(x[i]);
        stats.AppendY(y[i]);
    }
    return WriteCsvEntries(stats, end);
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

// Everything written reads back whole and bit for bit, 100 entries of the widest
// values included.
TEST(TrendoraCsv, WrittenEntriesReadBackExactly) {
    using Limits = std::numeric_limits<double>;
    std::mt19937_64 random(7);
    std::vector<std::vector<double>> sets = {
        std::vector<double>(100, -Limits::max()),
        std::vector<double>(100, -9999999999999999.0),
        {1e-7, -1e-7, Limits::denorm_min(), -Limits::min(), 1e300, -1e300, 0.0, -0.0},
    };
    for (int s = 0; s < 20; ++s) {
        std::vector<double> values;
        for (int i = 0; i < 100; ++i) {
            double value;
            do {
                const uint64_t bits = random();
                std::memcpy(&value, &bits, sizeof value);
            } while (!std::isfinite(value));
            values.push_back(value);
        }
        sets.push_back(values);
    }
    for (const char* end : {"\n", "\r\n"}) {
        for (size_t s = 0; s < sets.size(); ++s) {
            SCOPED_TRACE(std::to_string(s) + (end[0] == '\r' ? " CRLF" : " LF"));
            std::vector<double> y(sets[s].rbegin(), sets[s].rend());
            const std::string text = Join(sets[s], y, end);
            EXPECT_LE(text.size(), (size_t)kCsvReadLimit);
            CZoqStats stats;
            const CsvReadReport report = ReadCsvEntries(text.data(), (int)text.size(), stats);
            EXPECT_FALSE(report.AnythingLeftOut());
            ASSERT_EQ(report.entries, (int)sets[s].size());
            for (size_t i = 0; i < sets[s].size(); ++i) {
                EXPECT_EQ(std::memcmp(&List(stats, true)[i], &sets[s][i], sizeof(double)), 0) << i;
                EXPECT_EQ(std::memcmp(&List(stats, false)[i], &y[i], sizeof(double)), 0) << i;
            }
        }
    }
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
    CsvReadReport report;
    ASSERT_TRUE(LoadCsvFile(path.wstring().c_str(), loaded, report));
    EXPECT_FALSE(report.AnythingLeftOut());
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
        CsvReadReport report;
        EXPECT_FALSE(LoadCsvFile(path.wstring().c_str(), stats, report));
        EXPECT_EQ(stats.GetCountX(), 1);
    }
    CsvReadReport report;
    EXPECT_FALSE(LoadCsvFile(L"", *std::make_unique<CZoqStats>(), report));
}

TEST_F(TrendoraCsvFiles, LoadOfAnEmptyFileClearsTheEntries) {
    const fs::path path = Path("empty.csv");
    Write(path, "");
    CZoqStats stats;
    stats.AppendX(5);
    stats.AppendY(6);
    CsvReadReport report;
    EXPECT_TRUE(LoadCsvFile(path.wstring().c_str(), stats, report));
    EXPECT_FALSE(report.AnythingLeftOut());
    EXPECT_EQ(stats.GetCountX(), 0);
    EXPECT_EQ(stats.GetCountY(), 0);
}

// Lines of 100 bytes: "i,2i" and spaces.
std::string PaddedLines(int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        std::string line = std::to_string(i) + "," + std::to_string(2 * i);
        text += line + std::string(99 - line.size(), ' ') + "\n";
    }
    return text;
}

TEST_F(TrendoraCsvFiles, LoadReadsUpToTheLimit) {
    const struct {
        const char* name;
        std::string text;
        int entries, beyond;
        bool cut;
    } cases[] = {
        {"6000 bytes", PaddedLines(60), 60, 0, false},
        {"10000 bytes", PaddedLines(100), 100, 0, false},
        // 655 whole lines fit; the 656th is cut.
        {"70000 bytes", PaddedLines(700), 100, 555, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path path = Path("big.csv");
        Write(path, c.text);
        CZoqStats stats;
        CsvReadReport report;
        ASSERT_TRUE(LoadCsvFile(path.wstring().c_str(), stats, report));
        EXPECT_EQ(stats.GetCountX(), c.entries);
        EXPECT_EQ(stats.GetCountY(), c.entries);
        EXPECT_EQ(stats.GetY(c.entries - 1), 2.0 * (c.entries - 1));
        EXPECT_EQ(report.entries, c.entries);
        EXPECT_EQ(report.beyondCapacity, c.beyond);
        EXPECT_EQ(report.unreadable, 0);
        EXPECT_EQ(report.cut, c.cut);
    }
}

// 100 entries of the widest texts the writer produces, and of the widest that can
// be typed, load back whole.
TEST_F(TrendoraCsvFiles, SavedFilesLoadBackWhole) {
    for (const double value : {-std::numeric_limits<double>::max(), -9999999999999999.0}) {
        SCOPED_TRACE(value);
        CZoqStats stats;
        for (int i = 0; i < CZoqStats::kCapacity; ++i) {
            stats.AppendX(value);
            stats.AppendY(value);
        }
        const fs::path path = Path("wide.csv");
        ASSERT_TRUE(SaveCsvFile(path.wstring().c_str(), stats));
        CZoqStats loaded;
        CsvReadReport report;
        ASSERT_TRUE(LoadCsvFile(path.wstring().c_str(), loaded, report));
        EXPECT_FALSE(report.AnythingLeftOut());
        EXPECT_EQ(List(loaded, true), List(stats, true));
        EXPECT_EQ(List(loaded, false), List(stats, false));
    }
}

TEST_F(TrendoraCsvFiles, FailedSaveLeavesTheOldFile) {
    CZoqStats stats;
    stats.AppendX(1);
    stats.AppendY(2);
    // The target is a directory: no file replaces it.
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
