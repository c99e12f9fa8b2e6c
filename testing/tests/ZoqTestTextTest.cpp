#include "testing/ZoqTestText.h"

#include <gtest/gtest.h>

namespace {

TEST(TestText, NarrowWritesUtf8) {
    const struct {
        const char* name;
        std::wstring wide;
        std::string narrow;
    } rows[] = {
        {"empty", L"", ""},
        {"ascii", L"2+3*4", "2+3*4"},
        {"two bytes", L"\u00B5s \u00B2", "\xC2\xB5s \xC2\xB2"},
        {"three bytes", L"2\u00D73 \u03C0 \u2212",
         "2\xC3\x97"
         "3 \xCF\x80 \xE2\x88\x92"},
        {"last of three bytes", L"\uFFFD", "\xEF\xBF\xBD"},
        {"four bytes", L"\U0001D465", "\xF0\x9D\x91\xA5"},
        {"null inside", std::wstring(L"a\0b", 3), std::string("a\0b", 3)},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Narrow(row.wide), row.narrow);
        EXPECT_EQ(Widen(row.narrow), row.wide.substr(0, row.wide.find(L'\0')));
    }
}

TEST(TestText, NarrowReplacesWhatIsNoCharacter) {
    const struct {
        const char* name;
        std::wstring wide;
        std::string narrow;
    } rows[] = {
        {"lone low surrogate", std::wstring(1, static_cast<wchar_t>(0xDC00)), "\xEF\xBF\xBD"},
        {"high surrogate at the end", std::wstring(L"x") + static_cast<wchar_t>(0xD83D),
         "x\xEF\xBF\xBD"},
        {"high surrogate before a letter", std::wstring(1, static_cast<wchar_t>(0xD83D)) + L"y",
         "\xEF\xBF\xBDy"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Narrow(row.wide), row.narrow);
    }
}

TEST(TestText, NarrowOfNullIsEmpty) {
    EXPECT_EQ(Narrow(static_cast<const wchar_t*>(nullptr)), "");
    EXPECT_EQ(Narrow(L"x\u00E9"), "x\xC3\xA9");
    EXPECT_EQ(Widen(static_cast<const char*>(nullptr)), L"");
}

TEST(TestText, WidenReplacesEachMalformedSequence) {
    const struct {
        const char* name;
        std::string narrow;
        std::wstring wide;
    } rows[] = {
        {"stray continuation", "a\x80z", L"a\uFFFDz"},
        {"cut short", "\xE2\x88", L"\uFFFD"},
        {"cut by a letter",
         "\xE2"
         "a",
         L"\uFFFDa"},
        {"overlong slash", "\xC0\xAF", L"\uFFFD"},
        {"encoded surrogate", "\xED\xA0\x80", L"\uFFFD"},
        {"beyond the last code point", "\xF4\x90\x80\x80", L"\uFFFD"},
        {"invalid lead",
         "\xFF"
         "1",
         L"\uFFFD1"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(Widen(row.narrow), row.wide);
    }
}

} // namespace
