#include "ui/ZoqString.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class ZoqString : public ::testing::Test {
protected:
    CZoqString& s = *CZoqString::GetInstance();
};

TEST_F(ZoqString, OneSharedInstance) {
    EXPECT_EQ(CZoqString::GetInstance(), &s);
}

TEST_F(ZoqString, NullTextsAreRefused) {
    wchar_t text[8] = L"abc";
    EXPECT_EQ(s.Copy(nullptr, L"a", 8), 0);
    EXPECT_EQ(s.Copy(text, nullptr), 0);
    EXPECT_EQ(s.Append(text, nullptr), 0);
    EXPECT_EQ(s.Clear(nullptr), 0);
    EXPECT_EQ(s.Length(nullptr), 0);
    EXPECT_EQ(s.IsEmpty(nullptr), 1);
    EXPECT_EQ(s.Compare(nullptr, L"a"), -1);
    EXPECT_EQ(s.Find(nullptr, L"a", 0), -1);
    EXPECT_EQ(s.Find(text, nullptr, 0), -1);
    EXPECT_EQ(s.Mid(text, nullptr, 0, 1), 0);
    EXPECT_EQ(s.Delete(0, 1, nullptr), 0);
    EXPECT_EQ(s.Insert(text, nullptr, 0), 0);
    EXPECT_EQ(s.ToDouble(nullptr), -1.0);
    EXPECT_EQ(s.Duplicate(nullptr), nullptr);
    wchar_t* none = nullptr;
    EXPECT_EQ(s.Free(&none), 0);
    EXPECT_STREQ(text, L"abc");
}

TEST_F(ZoqString, FindFromAStart) {
    struct Case {
        const wchar_t* part;
        int start;
        int expected;
    };
    const Case cases[] = {{L"c", 3, 5},   {L"c", 7, -1},  {L"c", -1, -1}, {L"c", 6, -1},
                          {L"abc", 0, 0}, {L"abc", 1, 3}, {L"x", 0, -1},  {L"", 6, 6}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start);
        EXPECT_EQ(s.Find(L"abcabc", c.part, c.start), c.expected);
    }
    EXPECT_EQ(s.FindFirst(L"abcabc", L"ca"), 2);
}

TEST_F(ZoqString, Substrings) {
    wchar_t out[16] = L"kept";
    EXPECT_EQ(s.Mid(out, L"abc", 1, 3), 0); // past the end: untouched
    EXPECT_STREQ(out, L"kept");
    EXPECT_EQ(s.Mid(out, L"abc", -1, 1), 0);
    EXPECT_EQ(s.Mid(out, L"abc", 1, 2), 1);
    EXPECT_STREQ(out, L"bc");
    EXPECT_EQ(s.Left(out, L"abc", -2), 1);
    EXPECT_STREQ(out, L"");
    EXPECT_EQ(s.Left(out, L"abc", 2), 1);
    EXPECT_STREQ(out, L"ab");
    EXPECT_EQ(s.Left(out, L"abc", 10), 1);
    EXPECT_STREQ(out, L"abc");
    EXPECT_EQ(s.Right(out, L"abc", 2), 1);
    EXPECT_STREQ(out, L"bc");
    EXPECT_EQ(s.Right(out, L"abc", -1), 1);
    EXPECT_STREQ(out, L"");
    EXPECT_EQ(s.Right(out, L"abc", 9), 1);
    EXPECT_STREQ(out, L"abc");
}

TEST_F(ZoqString, InsertAndDelete) {
    struct InsertCase {
        int position;
        const wchar_t* expected;
        int result;
    };
    const InsertCase inserts[] = {
        {0, L"Xabc", 1}, {1, L"aXbc", 1}, {3, L"abcX", 1}, {9, L"abcX", 1}, {-1, L"abc", 0}};
    for (const InsertCase& c : inserts) {
        SCOPED_TRACE(c.position);
        wchar_t text[8] = L"abc";
        EXPECT_EQ(s.Insert(text, L"X", c.position), c.result);
        EXPECT_STREQ(text, c.expected);
    }
    struct DeleteCase {
        int start;
        int count;
        const wchar_t* expected;
    };
    const DeleteCase deletes[] = {{1, 10, L"a"},   {1, 2, L"ad"},    {-3, 1, L"bcd"},
                                  {0, 0, L"abcd"}, {2, -1, L"abcd"}, {4, 1, L"abcd"}};
    for (const DeleteCase& c : deletes) {
        SCOPED_TRACE(c.start);
        wchar_t text[8] = L"abcd";
        s.Delete(c.start, c.count, text);
        EXPECT_STREQ(text, c.expected);
    }
}

TEST_F(ZoqString, WritesStopAtTheCapacity) {
    wchar_t text[6] = L"abc";
    EXPECT_EQ(s.Insert(text, L"XYZ", 1), 0); // "aXYZbc" needs 7
    EXPECT_STREQ(text, L"aXYZb");
    wchar_t copy[4];
    EXPECT_EQ(s.Copy(copy, L"abcdef"), 0);
    EXPECT_STREQ(copy, L"abc");
    wchar_t joined[6] = L"abc";
    EXPECT_EQ(s.Append(joined, L"def"), 0);
    EXPECT_STREQ(joined, L"abcde");
    EXPECT_EQ(s.Append(joined, L""), 1);
    wchar_t number[3];
    EXPECT_EQ(s.FromInt(number, 123), 0);
    EXPECT_STREQ(number, L"12");
    wchar_t formatted[5];
    EXPECT_EQ(s.Format(formatted, L"%i-%ls", 12, L"abc"), 0);
    EXPECT_EQ(formatted[4], L'\0');
    wchar_t small[3] = L"ab";
    EXPECT_EQ(s.FormatNumber(small, 1.0 / 3, 15), 0);
    EXPECT_STREQ(small, L"");
}

TEST_F(ZoqString, InsertOfAPartOfItself) {
    wchar_t text[16] = L"abc";
    EXPECT_EQ(s.Insert(text, text + 1, 0), 1);
    EXPECT_STREQ(text, L"bcabc");
}

TEST_F(ZoqString, ConversionsAndFormatting) {
    wchar_t out[CZoqString::kNumberCapacity];
    EXPECT_EQ(s.FromInt(out, -2147483647 - 1), 1);
    EXPECT_STREQ(out, L"-2147483648");
    EXPECT_EQ(s.FromInt(out, 0), 1);
    EXPECT_STREQ(out, L"0");
    EXPECT_EQ(s.ToDouble(L"12.5abc"), 12.5);
    EXPECT_EQ(s.ToLong(L"-42x"), -42);
    EXPECT_EQ(s.FormatNumber(out, 2.0 / 3, 12), 1);
    EXPECT_STREQ(out, L"0.666666666667");
    wchar_t kept[8] = L"kept";
    EXPECT_EQ(s.FormatNumber(kept, 1, -1), 0);
    EXPECT_STREQ(kept, L"kept");
    EXPECT_EQ(s.Format(out, L"%i:%ls:%.02f", 7, L"x", 1.5), 1);
    EXPECT_STREQ(out, L"7:x:1.50");
    EXPECT_EQ(s.Compare(L"a", L"b") < 0, true);
    EXPECT_EQ(s.Compare(L"b", L"b"), 0);
    EXPECT_EQ(s.IsEmpty(L""), 1);
    EXPECT_EQ(s.IsEmpty(L"a"), 0);
    EXPECT_EQ(s.Length(L"abcd"), 4);
}

TEST_F(ZoqString, AnsiRoundTrip) {
    wchar_t wide[16];
    char narrow[16];
    EXPECT_EQ(s.FromAnsi(wide, "x=1.5"), 1);
    EXPECT_STREQ(wide, L"x=1.5");
    EXPECT_EQ(s.ToAnsi(narrow, L"1,2"), 1);
    EXPECT_STREQ(narrow, "1,2");
    char tiny[3];
    EXPECT_EQ(s.ToAnsi(tiny, L"abcd"), 0);
    EXPECT_STREQ(tiny, "ab");
    wchar_t tinyWide[3];
    EXPECT_EQ(s.FromAnsi(tinyWide, "abcd"), 0);
    EXPECT_STREQ(tinyWide, L"ab");
}

TEST_F(ZoqString, DuplicateAndFree) {
    wchar_t* copy = s.Duplicate(L"abc");
    ASSERT_NE(copy, nullptr);
    EXPECT_STREQ(copy, L"abc");
    EXPECT_EQ(s.Free(&copy), 1);
    EXPECT_EQ(copy, nullptr);
}

TEST_F(ZoqString, LoadTextNeedsAnInstance) {
    wchar_t out[8] = L"kept";
    EXPECT_EQ(s.LoadText(nullptr, 1, 8, nullptr), 0);
    EXPECT_EQ(s.LoadText(out, 1, 0, nullptr), 0);
    EXPECT_EQ(s.LoadText(out, 1, 8, nullptr), 0); // no module set
}

} // namespace
