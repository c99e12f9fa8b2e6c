#include "CoreFixture.h"

#include "scientific/ExpressionHistory.h"
#include "scientific/HistorySettings.h"
#include "scientific/NumoraSettings.h"
#include "ui/ZoqMemoryStore.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

const wchar_t* const kKey = CNumoraSettings::kDefaultKeyPath;

struct SPair {
    std::wstring expression;
    std::wstring result;
};

std::vector<SPair> Entries(const CExpressionHistory& history) {
    std::vector<SPair> pairs;
    for (int i = 0; i < history.Count(); ++i)
        pairs.push_back({history.At(i).expression.Get(), history.At(i).result.Get()});
    return pairs;
}

void ExpectEntries(const CExpressionHistory& history, const std::vector<SPair>& expected) {
    const std::vector<SPair> actual = Entries(history);
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE("entry " + std::to_string(i));
        EXPECT_EQ(Narrow(actual[i].expression.c_str()), Narrow(expected[i].expression.c_str()));
        EXPECT_EQ(Narrow(actual[i].result.c_str()), Narrow(expected[i].result.c_str()));
    }
}

std::wstring Name(const wchar_t* prefix, int entry) {
    std::wstring name = prefix;
    name += static_cast<wchar_t>(L'0' + entry / 10);
    name += static_cast<wchar_t>(L'0' + entry % 10);
    return name;
}

std::vector<SPair> Pairs(int count) {
    std::vector<SPair> pairs;
    for (int i = 1; i <= count; ++i)
        pairs.push_back({std::to_wstring(i) + L"*(2+" + std::to_wstring(i) + L")",
                         std::to_wstring(i * (2 + i))});
    return pairs;
}

void Fill(CExpressionHistory& history, const std::vector<SPair>& pairs) {
    for (const SPair& pair : pairs)
        history.Add(pair.expression.c_str(), pair.result.c_str());
}

} // namespace

TEST(HistorySettings, RoundTripKeepsEveryEntryInOrder) {
    for (int count : {0, 1, 2, 17, 29, 30, 35}) {
        SCOPED_TRACE(std::to_string(count) + " entries added");
        CZoqMemoryStore store;
        CExpressionHistory saved;
        const std::vector<SPair> pairs = Pairs(count);
        Fill(saved, pairs);
        ASSERT_EQ(SaveHistory(store, kKey, saved), 1);
        CExpressionHistory loaded;
        loaded.Add(L"stale", L"1"); // loading replaces what was there
        const int kept =
            count < CExpressionHistory::kEntries ? count : CExpressionHistory::kEntries;
        EXPECT_EQ(LoadHistory(store, kKey, loaded), kept);
        ExpectEntries(loaded, std::vector<SPair>(pairs.end() - kept, pairs.end()));
        // After a restart the line is empty: the first step back shows the newest entry.
        if (kept > 0) {
            const CExpressionHistory::SEntry* newest = loaded.Back();
            ASSERT_NE(newest, nullptr);
            EXPECT_EQ(Narrow(newest->expression.Get()), Narrow(pairs.back().expression.c_str()));
        } else {
            EXPECT_EQ(loaded.Back(), nullptr);
        }
    }
}

TEST(HistorySettings, ShorterHistoryLeavesNoOldEntriesBehind) {
    CZoqMemoryStore store;
    CExpressionHistory history;
    Fill(history, Pairs(12));
    ASSERT_EQ(SaveHistory(store, kKey, history), 1);
    history.Clear();
    Fill(history, {{L"7-1", L"6"}});
    ASSERT_EQ(SaveHistory(store, kKey, history), 1);
    CExpressionHistory loaded;
    EXPECT_EQ(LoadHistory(store, kKey, loaded), 1);
    ExpectEntries(loaded, {{L"7-1", L"6"}});
    ZoqValueType type;
    int size;
    EXPECT_EQ(store.QueryValue(kKey, L"HistoryExpression02", &type, &size), 0);
}

TEST(HistorySettings, DamagedEntryIsSkippedAndTheOthersLoad) {
    const std::wstring longLine(kLineCapacity, L'1');
    const std::wstring longResult(kValueCapacity, L'2');
    const uint32_t number = 5;
    const unsigned char oddBytes[] = {0x31, 0x00, 0x32};
    // Entry 3 of 5 is damaged in one way: a value planted with other data, a text written
    // in its place, or a value removed.
    struct SDamage {
        const char* damage;
        const wchar_t* prefix;
        ZoqValueType type; // Missing: remove the value
        const void* data = nullptr;
        int size = 0;
        const wchar_t* text = nullptr; // for String
    };
    const SDamage cases[] = {
        {"expression a number", L"HistoryExpression", ZoqValueType::Dword, &number, 4},
        {"result a number", L"HistoryResult", ZoqValueType::Dword, &number, 4},
        {"expression binary", L"HistoryExpression", ZoqValueType::Binary, oddBytes, 3},
        {"expression of odd size", L"HistoryExpression", ZoqValueType::Other, oddBytes, 3},
        {"expression missing", L"HistoryExpression", ZoqValueType::Missing},
        {"result missing", L"HistoryResult", ZoqValueType::Missing},
        {"expression too long", L"HistoryExpression", ZoqValueType::String, nullptr, 0,
         longLine.c_str()},
        {"result too long", L"HistoryResult", ZoqValueType::String, nullptr, 0, longResult.c_str()},
        {"expression empty", L"HistoryExpression", ZoqValueType::String, nullptr, 0, L""},
        {"result empty", L"HistoryResult", ZoqValueType::String, nullptr, 0, L""},
        {"line break in expression", L"HistoryExpression", ZoqValueType::String, nullptr, 0,
         L"1\r\n2"},
        {"tab in result", L"HistoryResult", ZoqValueType::String, nullptr, 0, L"1\t2"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.damage);
        CZoqMemoryStore store;
        CExpressionHistory history;
        std::vector<SPair> pairs = Pairs(5);
        Fill(history, pairs);
        ASSERT_EQ(SaveHistory(store, kKey, history), 1);
        const std::wstring name = Name(c.prefix, 3);
        if (c.type == ZoqValueType::Missing)
            store.DeleteValue(kKey, name.c_str());
        else if (c.type == ZoqValueType::String)
            store.WriteString(kKey, name.c_str(), c.text);
        else if (c.type == ZoqValueType::Other)
            store.Plant(kKey, name.c_str(), ZoqValueType::String, c.data, c.size);
        else
            store.Plant(kKey, name.c_str(), c.type, c.data, c.size);
        CExpressionHistory loaded;
        EXPECT_EQ(LoadHistory(store, kKey, loaded), 4);
        pairs.erase(pairs.begin() + 2);
        ExpectEntries(loaded, pairs);
    }
}

TEST(HistorySettings, EveryEntryDamagedGivesAnEmptyHistory) {
    CZoqMemoryStore store;
    const uint32_t number = 1;
    for (int i = 1; i <= CExpressionHistory::kEntries; ++i) {
        store.Plant(kKey, Name(L"HistoryExpression", i).c_str(), ZoqValueType::Dword, &number, 4);
        store.WriteString(kKey, Name(L"HistoryResult", i).c_str(), L"1");
    }
    CExpressionHistory loaded;
    EXPECT_EQ(LoadHistory(store, kKey, loaded), 0);
    EXPECT_EQ(loaded.Count(), 0);
    EXPECT_EQ(loaded.Back(), nullptr);
}

TEST(HistorySettings, CopiedTextHasOneLinePerEntry) {
    const struct {
        std::vector<SPair> entries;
        const wchar_t* text;
    } cases[] = {
        {{}, L""},
        {{{L"2+3", L"5"}}, L"2+3 = 5"},
        {{{L"2+3", L"5"}, {L"1/0", L"Infinity"}, {L"sin(30)", L"0.5"}},
         L"2+3 = 5\r\n1/0 = Infinity\r\nsin(30) = 0.5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Narrow(c.text));
        CExpressionHistory history;
        Fill(history, c.entries);
        EXPECT_EQ(Narrow(HistoryText(history).c_str()), Narrow(c.text));
    }
}

// The entries the Expression mode makes survive a save and a load into a new calculator.
class HistoryCoreTest : public CoreFixture {};

TEST_F(HistoryCoreTest, ExpressionModeEntriesComeBackAfterARestart) {
    m_calculator->SetCalcMode(kModeExpression);
    Keys(L"2 + 3 = 7 * 6 =");
    CZoqMemoryStore store;
    ASSERT_EQ(SaveHistory(store, kKey, m_calculator->GetHistory()), 1);
    m_calculator = std::make_unique<CCalculator>(m_locale);
    m_calculator->SetCalcMode(kModeExpression);
    EXPECT_EQ(LoadHistory(store, kKey, m_calculator->EditHistory()), 2);
    EXPECT_EQ(m_calculator->ArrowKey(38), 1);
    EXPECT_EQ(Line(), L"7\u00d76");
    EXPECT_EQ(m_calculator->ArrowKey(38), 1);
    EXPECT_EQ(Line(), L"2+3");
    EXPECT_EQ(Narrow(HistoryText(m_calculator->GetHistory()).c_str()),
              Narrow(L"2+3 = 5\r\n7\u00d76 = 42"));
}
