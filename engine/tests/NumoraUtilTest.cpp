#include "engine/ZoqMemoryClipboard.h"
#include "engine/ZoqNumoraUtil.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <string>

namespace {

class NumoraUtil : public ::testing::Test {
protected:
    void SetUp() override {
        util = CZoqNumoraUtil::GetInstance();
        util->SetClipboard(&clipboard);
    }
    void TearDown() override { CZoqNumoraUtil::ReleaseInstance(); }

    CZoqNumoraUtil* util = nullptr;
    CZoqMemoryClipboard clipboard;
};

struct ReplaceCase {
    const wchar_t* source;
    const wchar_t* find;
    const wchar_t* replacement;
    const wchar_t* expected;
};

TEST_F(NumoraUtil, ReplaceAll) {
    const ReplaceCase cases[] = {
        {L"2\u00D73\u00D74", L"\u00D7", L"*", L"2*3*4"},
        {L"2*X+X", L"X", L"(1.5)", L"2*(1.5)+(1.5)"},
        {L"aaa", L"a", L"", L""},
        {L"abb", L"ab", L"a", L"a"}, // the search restarts at the start
        {L"xyz", L"q", L"r", L"xyz"},
        {L"", L"a", L"b", L""},
        {L"abc", L"", L"zz", L"abc"},
    };
    for (const ReplaceCase& c : cases) {
        SCOPED_TRACE(std::string(c.source, c.source + std::wcslen(c.source)));
        wchar_t out[64];
        EXPECT_EQ(util->ReplaceAll(c.source, c.find, c.replacement, out, 64), 1);
        EXPECT_STREQ(out, c.expected);
    }
}

TEST_F(NumoraUtil, ReplaceAllInPlaceAndWithinBounds) {
    wchar_t text[64] = L"X+X";
    EXPECT_EQ(util->ReplaceAll(text, L"X", L"(2)", text, 64), 1);
    EXPECT_STREQ(text, L"(2)+(2)");
    wchar_t small[7] = L"X+X"; // "(2)+(2)" needs 8
    EXPECT_EQ(util->ReplaceAll(small, L"X", L"(2)", small, 7), 0);
    EXPECT_STREQ(small, L"X+X");
    // A replacement that contains what it replaces grows until the work text is full.
    EXPECT_EQ(util->ReplaceAll(L"X", L"X", L"XX", text, 64), 0);
    EXPECT_EQ(util->ReplaceAll(L"X", L"X", L"X", text, 64), 0);
    std::wstring longText(600, L'1');
    EXPECT_EQ(util->ReplaceAll(longText.c_str(), L"1", L"2", text, 64), 0);
    EXPECT_EQ(util->ReplaceAll(nullptr, L"1", L"2", text, 64), 0);
}

TEST_F(NumoraUtil, CountAndCloseParentheses) {
    struct CloseCase {
        const wchar_t* text;
        int open;
        int close;
        const wchar_t* closed;
    };
    const CloseCase cases[] = {
        {L"sin(cos(3", 2, 0, L"sin(cos(3))"},
        {L")(", 1, 1, L")("},
        {L"(()", 2, 1, L"(())"},
        {L"1)", 0, 1, L"1)"},
        {L"", 0, 0, L""},
    };
    for (const CloseCase& c : cases) {
        wchar_t text[32];
        std::swprintf(text, 32, L"%ls", c.text);
        EXPECT_EQ(util->CountOpen(text), c.open);
        EXPECT_EQ(util->CountClose(text), c.close);
        EXPECT_EQ(util->CloseParens(text, 32), 1);
        EXPECT_STREQ(text, c.closed);
    }
    wchar_t tight[5] = L"((((";
    EXPECT_EQ(util->CloseParens(tight, 5), 0);
    EXPECT_STREQ(tight, L"((((");
    EXPECT_EQ(util->CountOpen(nullptr), 0);
}

TEST_F(NumoraUtil, ClipboardCopyAndPaste) {
    EXPECT_EQ(util->CopyToClipboard(L"123.5", nullptr), 1);
    EXPECT_EQ(clipboard.Text(), L"123.5");
    wchar_t out[CZoqNumoraUtil::kPasteLength + 1];
    EXPECT_EQ(util->PasteFromClipboard(out), 1);
    EXPECT_STREQ(out, L"123.5");

    std::wstring forty = L"1234567890123456789012345678901234567890";
    clipboard.SetText(forty.c_str(), nullptr);
    EXPECT_EQ(util->PasteFromClipboard(out), 1);
    EXPECT_EQ(std::wstring(out), forty.substr(0, 32));

    clipboard.SetText(L"", nullptr);
    EXPECT_EQ(util->PasteFromClipboard(out), 1);
    EXPECT_STREQ(out, L"0");

    // Blanks and line ends around a copied number are not part of it.
    const struct {
        const wchar_t* clip;
        const wchar_t* pasted;
    } trimmed[] = {
        {L"12\r\n", L"12"},
        {L"  -3.5e2\t", L"-3.5e2"},
        {L"\n\n \r\n", L"0"},
        {L" 1 + 2 ", L"1 + 2"},
        {L"    1234567890123456789012345678901234567890", L"12345678901234567890123456789012"},
    };
    for (const auto& c : trimmed) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.clip)));
        clipboard.SetText(c.clip, nullptr);
        EXPECT_EQ(util->PasteFromClipboard(out), 1);
        EXPECT_STREQ(out, c.pasted);
    }

    clipboard.Empty(); // no text at all
    EXPECT_EQ(util->PasteFromClipboard(out), 1);
    EXPECT_STREQ(out, L"0");

    EXPECT_EQ(util->PasteFromClipboard(nullptr), 0);
    EXPECT_EQ(util->CopyToClipboard(nullptr, nullptr), 0);
}

} // namespace
