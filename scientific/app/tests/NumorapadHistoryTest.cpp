#include "NumorapadFixture.h"
#include "TestClipboard.h"

#include "ce/ZoqMenuBar.h"

#include <cstdio>
#include <cstring>

namespace {

std::string Utf8(const std::wstring& text) {
    char bytes[4096];
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes, sizeof bytes, nullptr, nullptr);
    return length > 0 ? std::string(bytes) : std::string();
}

// Holds Shift (and Ctrl) down in this thread's keyboard state, as GetKeyState sees it.
class CHeldKeys {
public:
    CHeldKeys() {
        GetKeyboardState(m_saved);
        BYTE state[256];
        std::memcpy(state, m_saved, sizeof state);
        state[VK_SHIFT] = state[VK_CONTROL] = 0x80;
        SetKeyboardState(state);
    }
    ~CHeldKeys() { SetKeyboardState(m_saved); }

private:
    BYTE m_saved[256];
};

const wchar_t* const kTwoEntries = L"2+3 = 5\r\n7\u00d76 = 42";

class NumorapadHistoryTest : public NumorapadTest {
protected:
    void TypeTwoEntries() {
        Core().SetCalcMode(kModeExpression);
        Type(L"2+3=");
        Type(L"7*6=");
    }

    // The File pop-up's "Copy History" item of the menu bar the window shows.
    void ChooseCopyHistory() {
        HMENU file = GetSubMenu(CZoqMenuBar::Menu(m_dialog->Handle()), 0);
        ASSERT_NE(file, nullptr);
        for (int i = 0; i < GetMenuItemCount(file); ++i) {
            wchar_t text[64] = {};
            GetMenuStringW(file, i, text, 64, MF_BYPOSITION);
            if (std::wcsncmp(text, L"Copy History", 12) == 0) {
                Command(GetMenuItemID(file, i));
                return;
            }
        }
        FAIL() << "no Copy History item in the File menu";
    }
};

TEST_F(NumorapadHistoryTest, CopyHistoryFromTheFileMenu) {
    TypeTwoEntries();
    SetClipboardText(L"keep");
    ChooseCopyHistory();
    const std::wstring copied = ClipboardText();
    std::printf("clipboard after File > Copy History:\n%s\n", Utf8(copied).c_str());
    EXPECT_EQ(copied, kTwoEntries);
}

TEST_F(NumorapadHistoryTest, EmptyHistoryLeavesTheClipboard) {
    SetClipboardText(L"keep");
    ChooseCopyHistory();
    EXPECT_EQ(ClipboardText(), L"keep");
}

TEST_F(NumorapadHistoryTest, CtrlShiftCCopiesTheHistoryAndCtrlCTheAnswer) {
    TypeTwoEntries();
    {
        CHeldKeys held;
        SendMessageW(m_dialog->Handle(), WM_CHAR, 0x03, 0);
    }
    EXPECT_EQ(ClipboardText(), kTwoEntries);
    SendMessageW(m_dialog->Handle(), WM_CHAR, 0x03, 0);
    EXPECT_EQ(ClipboardText(), L"42");
}

TEST_F(NumorapadHistoryTest, HistoryLastsAcrossARestart) {
    TypeTwoEntries();
    CloseAll();
    Open(240, 320, 96, &m_store);
    ASSERT_EQ(Core().GetCalcMode(), kModeExpression);
    SendMessageW(m_dialog->Handle(), WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(Line(), L"7\u00d76");
    ChooseCopyHistory();
    EXPECT_EQ(ClipboardText(), kTwoEntries);
}

TEST_F(NumorapadHistoryTest, DamagedEntryIsSkippedAtTheStart) {
    TypeTwoEntries();
    CloseAll();
    const uint32_t number = 7;
    m_store.Plant(L"SOFTWARE\\Zoq\\Numora", L"HistoryExpression01", ZoqValueType::Dword, &number,
                  sizeof number);
    Open(240, 320, 96, &m_store);
    ChooseCopyHistory();
    EXPECT_EQ(ClipboardText(), L"7\u00d76 = 42");
}

} // namespace
