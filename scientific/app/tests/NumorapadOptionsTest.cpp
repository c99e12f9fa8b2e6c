#include "ce/ZoqGdiScope.h"
#include "testing/ZoqModalWatch.h"
#include "testing/ZoqWindowDriver.h"
#include "NumorapadFixture.h"

using namespace keys;

namespace {

void Click(HWND dialog, int id) {
    SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

int Checked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

TEST_F(NumorapadTest, OptionsOpenOnTheCurrentValuesAndApplyEachClick) {
    Core().SetCalcMode(kModeChain);
    int chainChecked = 0, floatChecked = 0, clearTypeChecked = 0;
    CZoqModalWatch driver([&](HWND dialog) {
        chainChecked = Checked(dialog, IDC_MODE_CHAIN);
        floatChecked = Checked(dialog, IDC_NOTATION_FLOAT);
        clearTypeChecked = Checked(dialog, IDC_CLEARTYPE);
        Click(dialog, IDC_MODE_RPN);
        Click(dialog, IDC_NOTATION_SCIENTIFIC);
        Click(dialog, IDC_SEPARATOR_COMMA);
        Click(dialog, IDC_CLEARTYPE);
        Press(dialog, IDOK);
    });
    Command(ID_OPTIONS_OPTIONS);
    ASSERT_FALSE(driver.TimedOut());
    ASSERT_EQ(driver.StepsDone(), 1);
    EXPECT_TRUE(chainChecked);
    EXPECT_TRUE(floatChecked);
    EXPECT_TRUE(clearTypeChecked);
    EXPECT_EQ(Core().GetCalcMode(), kModeRpn);
    EXPECT_EQ(Core().GetFormatter().GetNotation(), 2);
    EXPECT_EQ(Core().GetFormatter().GetSeparator(), 1);
    EXPECT_EQ(m_dialog->Options().GetClearType(), 0);
    // ClearType off: the next paint draws antialiased text.
    CZoqMemoryDC memory(nullptr);
    m_dialog->Render(memory.Get());
    EXPECT_EQ(m_dialog->FontQuality(), ANTIALIASED_QUALITY);
}

TEST_F(NumorapadTest, ViewMemoryShowsEveryRegisterInTheCurrentBase) {
    TapAll({kFive, kEquals, kStore, kM1});
    std::wstring caption, text;
    CZoqModalWatch driver({[&](HWND options) {
                               Click(options, IDC_VIEW_MEMORY);
                               Press(options, IDOK);
                           },
                           [&](HWND box) {
                               wchar_t title[64] = {};
                               GetWindowTextW(box, title, 64);
                               caption = title;
                               text = ::MessageText(box);
                               Press(box, IDOK);
                           }});
    Command(ID_OPTIONS_OPTIONS);
    ASSERT_FALSE(driver.TimedOut());
    ASSERT_EQ(driver.StepsDone(), 2);
    EXPECT_EQ(caption, L"Memory");
    EXPECT_EQ(text.substr(0, 15), L"1: 5\n2: 0\nA: 0\n");
    EXPECT_NE(text.find(L"F: 0"), std::wstring::npos);
}

TEST_F(NumorapadTest, AdvancedOptionsSetBaseWordSizeDepthAndPlusMinus) {
    int dwordChecked = 0, depth4Checked = 0;
    LRESULT listSelection = -1;
    CZoqModalWatch driver([&](HWND dialog) {
        HWND list = GetDlgItem(dialog, IDC_BASE_LIST);
        listSelection = SendMessageW(list, CB_GETCURSEL, 0, 0);
        dwordChecked = Checked(dialog, IDC_BITS_32);
        depth4Checked = Checked(dialog, IDC_DEPTH_4);
        SendMessageW(list, CB_SETCURSEL, 14, 0);
        SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDC_BASE_LIST, CBN_CLOSEUP),
                     reinterpret_cast<LPARAM>(list));
        Click(dialog, IDC_BITS_16);
        Click(dialog, IDC_DEPTH_20);
        Click(dialog, IDC_PLUS_MINUS);
        Press(dialog, IDOK);
    });
    Command(ID_OPTIONS_ADVANCED);
    ASSERT_FALSE(driver.TimedOut());
    EXPECT_EQ(listSelection, 8); // "Decimal"
    EXPECT_TRUE(dwordChecked);
    EXPECT_TRUE(depth4Checked);
    EXPECT_EQ(Core().GetBase(), 16);
    EXPECT_EQ(Core().GetBaseBits(), 16);
    EXPECT_EQ(Core().GetRpnDepth(), 20);
    EXPECT_EQ(m_dialog->Options().GetPlusMinus(), 1);
    // The "+/-" key now types the minus operator.
    TapAll({31, 2});
    EXPECT_EQ(Line(), L"A-");
}

TEST_F(NumorapadTest, AboutBoxOpensAndCloses) {
    std::wstring title;
    CZoqModalWatch driver([&](HWND about) {
        wchar_t text[64] = {};
        GetWindowTextW(about, text, 64);
        title = text;
        Press(about, IDOK);
    });
    Command(ID_FILE_ABOUT);
    ASSERT_FALSE(driver.TimedOut());
    EXPECT_EQ(title, L"Scientific Calculator");
}

} // namespace
