#include "ui/ZoqLocale.h"
#include "ui/ZoqUserLocale.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

namespace {

using Getter = int (CZoqLocale::*)(wchar_t*, int) const;

const struct {
    const char* name;
    Getter get;
} kGetters[] = {
    {"decimal", &CZoqLocale::GetDecimalSeparator},
    {"thousands", &CZoqLocale::GetThousandsSeparator},
    {"currency", &CZoqLocale::GetCurrencySymbol},
};

std::wstring Read(const CZoqLocale& locale, Getter get) {
    wchar_t text[CZoqLocale::kTextCapacity] = L"untouched";
    return (locale.*get)(text, CZoqLocale::kTextCapacity) ? text : L"(refused)";
}

TEST(FixedLocale, StartsWithPeriodCommaDollar) {
    const CZoqFixedLocale locale;
    EXPECT_EQ(Read(locale, &CZoqLocale::GetDecimalSeparator), L".");
    EXPECT_EQ(Read(locale, &CZoqLocale::GetThousandsSeparator), L",");
    EXPECT_EQ(Read(locale, &CZoqLocale::GetCurrencySymbol), L"$");
}

// A text that does not fit is refused whole and the previous one stays; the longest
// that fits (with its terminator) is kept as given.
TEST(FixedLocale, SettersKeepThePreviousTextOnRefusal) {
    const std::wstring longest(CZoqLocale::kTextCapacity - 1, L'x');
    const std::wstring tooLong(CZoqLocale::kTextCapacity, L'y');
    const struct {
        const char* name;
        const wchar_t* text;
        int accepted;
        std::wstring kept;
    } rows[] = {
        {"comma", L",", 1, L","},
        {"empty", L"", 1, L""},
        {"null", nullptr, 0, L"$"},
        {"longest", longest.c_str(), 1, longest},
        {"too long", tooLong.c_str(), 0, L"$"},
        {"no-break space", L"\u00a0", 1, L"\u00a0"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        CZoqFixedLocale locale;
        EXPECT_EQ(locale.SetCurrencySymbol(row.text), row.accepted);
        EXPECT_EQ(Read(locale, &CZoqLocale::GetCurrencySymbol),
                  row.accepted ? row.kept : std::wstring(L"$"));
        EXPECT_EQ(locale.SetDecimalSeparator(row.text), row.accepted);
        EXPECT_EQ(locale.SetThousandsSeparator(row.text), row.accepted);
    }
}

// Every getter writes nothing into a buffer too small for its text.
TEST(FixedLocale, SmallBuffersAreLeftAsTheyWere) {
    const CZoqFixedLocale locale(L"||", L"::", L"CHF");
    for (const auto& getter : kGetters) {
        const int length = static_cast<int>(Read(locale, getter.get).size());
        for (int capacity = 0; capacity <= 4; ++capacity) {
            SCOPED_TRACE(testing::Message() << getter.name << " capacity " << capacity);
            wchar_t buffer[8] = L"#######";
            const int accepted = (locale.*getter.get)(buffer, capacity);
            EXPECT_EQ(accepted, capacity > length ? 1 : 0);
            EXPECT_EQ(std::wstring(buffer),
                      accepted ? Read(locale, getter.get) : std::wstring(L"#######"));
        }
        SCOPED_TRACE(getter.name);
        EXPECT_EQ((locale.*getter.get)(nullptr, 8), 0);
    }
}

#ifdef _WIN32
// The system's settings: whatever they are, a separator is there and a buffer too
// small for it is refused whole.
TEST(UserLocale, ReadsTheSystemSettingsBounded) {
    const CZoqUserLocale locale;
    wchar_t decimal[CZoqLocale::kTextCapacity] = {};
    ASSERT_EQ(locale.GetDecimalSeparator(decimal, CZoqLocale::kTextCapacity), 1);
    EXPECT_NE(decimal[0], L'\0');
    for (const auto& getter : kGetters) {
        SCOPED_TRACE(getter.name);
        wchar_t one[1] = {L'#'};
        EXPECT_EQ((locale.*getter.get)(one, 1), 0);
        EXPECT_EQ(one[0], L'#');
    }
}
#else
// The environment's locale is read, and the program's own locale is put back after.
TEST(UserLocale, ReadsTheEnvironmentAndRestoresTheProgramLocale) {
    ASSERT_NE(std::setlocale(LC_NUMERIC, "C.UTF-8"), nullptr);
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    const char* saved = std::getenv("LC_ALL");
    const std::string savedValue = saved ? saved : "";
    setenv("LC_ALL", "C", 1);
    const CZoqUserLocale locale;
    if (saved) {
        setenv("LC_ALL", savedValue.c_str(), 1);
    } else {
        unsetenv("LC_ALL");
    }
    EXPECT_EQ(std::string(std::setlocale(LC_NUMERIC, nullptr)), before);
    EXPECT_EQ(std::string(std::setlocale(LC_MONETARY, nullptr)), "C");
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(Read(locale, &CZoqLocale::GetDecimalSeparator), L".");
    EXPECT_EQ(Read(locale, &CZoqLocale::GetThousandsSeparator), L"");
    EXPECT_EQ(Read(locale, &CZoqLocale::GetCurrencySymbol), L"");
}
#endif

} // namespace
