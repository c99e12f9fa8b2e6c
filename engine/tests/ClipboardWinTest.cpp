// The real Win32 clipboard (under Wine in the test runs).
#include "engine/ZoqNumoraUtil.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

TEST(WinClipboard, CopyThenPasteThroughTheSystemClipboard) {
    CZoqNumoraUtil* util = CZoqNumoraUtil::GetInstance();
    util->SetClipboard(nullptr);
    ASSERT_EQ(util->CopyToClipboard(L"-12.5e3", nullptr), 1);
    ASSERT_TRUE(OpenClipboard(nullptr));
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
    CloseClipboard();
    wchar_t out[CZoqNumoraUtil::kPasteLength + 1];
    EXPECT_EQ(util->PasteFromClipboard(out), 1);
    EXPECT_STREQ(out, L"-12.5e3");

    std::wstring forty(40, L'7');
    ASSERT_EQ(util->CopyToClipboard(forty.c_str(), nullptr), 1);
    EXPECT_EQ(util->PasteFromClipboard(out), 1);
    EXPECT_EQ(std::wstring(out), std::wstring(32, L'7'));

    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    EXPECT_EQ(util->PasteFromClipboard(out), 1);
    EXPECT_STREQ(out, L"0");
    CZoqNumoraUtil::ReleaseInstance();
}

} // namespace
