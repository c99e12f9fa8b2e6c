#include "NumorapadFixture.h"
#include "ce/ZoqGdiScope.h"
#include "TestClipboard.h"

#include "ce/ZoqShell.h"
#include "scientific/app/ConstantCommands.h"

#include <functional>
#include <iterator>

using namespace keys;

namespace {

TEST_F(NumorapadTest, TappedExpressionShowsItsResult) {
    TapAll({kTwo, kPlus, kThree, kTimes, kFour, kEquals});
    EXPECT_EQ(Number(), L"14.");
    EXPECT_EQ(Line(), L"2+3\u00d74");
}

TEST_F(NumorapadTest, SecondAndHypChangeTheFunctionKeys) {
    struct {
        std::initializer_list<int> shifts;
        int key;
        const wchar_t* line;
    } rows[] = {
        {{}, kSin, L"sin("},
        {{kSecond}, kSin, L"asin("},
        {{kHyp}, kSin, L"sinh("},
        {{kSecond, kHyp}, kSin, L"asnh("},
        {{}, kCos, L"cos("},
        {{kSecond}, kCos, L"acos("},
        {{kHyp, kSecond}, kCos, L"acsh("},
        {{}, kTan, L"tan("},
        {{kSecond}, kTan, L"atan("},
        {{kHyp}, kTan, L"tanh("},
        {{}, kRoot, L"sqrt("},
        {{}, kFactorial, L"!("},
        {{kSecond}, kFactorial, L"sum("},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "key " << row.key << " line " << row.line);
        Tap(kAc);
        for (int shift : row.shifts) {
            Tap(shift);
        }
        Tap(row.key);
        EXPECT_EQ(Line(), row.line);
        // A function press returns the keypad to its normal layer.
        EXPECT_EQ(Core().GetLayer(), kLayerNormal);
    }
    // "2ndF" on the root key is the root operator, which needs a number before it.
    Tap(kAc);
    TapAll({kEight, kSecond, kRoot, kThree, kEquals});
    EXPECT_EQ(Number(), L"2.");
}

TEST_F(NumorapadTest, StoreAndRecallThroughTheMemoryKeys) {
    // The memory keys take the value shown: in Expression mode the last result.
    TapAll({kFour, kTwo, kStore, kRegisterB});
    EXPECT_EQ(std::wstring(Core().GetMemory(3)), L"0");
    TapAll({kEquals, kStore, kRegisterB});
    EXPECT_EQ(std::wstring(Core().GetMemory(3)), L"42");
    TapAll({kAc, kSeven, kEquals, kStore, kM1});
    EXPECT_NE(m_dialog->Display().FindShown(L"M1"), nullptr);
    EXPECT_EQ(m_dialog->Display().FindShown(L"M2"), nullptr);
    TapAll({kAc, kRecall, kRegisterB, kPlus, kRecall, kM1, kEquals});
    EXPECT_EQ(Number(), L"49.");
    // M1+ adds the shown value into register 1, 2ndF M1+ subtracts it.
    TapAll({kM1});
    EXPECT_EQ(std::wstring(Core().GetMemory(0)), L"56");
    TapAll({kSecond, kM1});
    EXPECT_EQ(std::wstring(Core().GetMemory(0)), L"7");
}

TEST_F(NumorapadTest, HexDigitsWhereTheFunctionIsRefused) {
    TapAll({kSecond, kPower}); // base 16
    ASSERT_EQ(Core().GetBase(), 16);
    // A base key leaves "2ndF" on, where the letter keys are functions.
    EXPECT_EQ(Core().GetLayer(), kLayerSecond);
    Tap(kSecond);
    TapAll({31, 30, kEquals}); // % and log keys type A and B in base 16
    EXPECT_EQ(Number(), L"AB");
    EXPECT_NE(m_dialog->Display().FindShown(L"HEX"), nullptr);
    EXPECT_EQ(m_dialog->Display().FindShown(L"Deg"), nullptr);
}

TEST_F(NumorapadTest, EveryConstantsItemInsertsItsConstant) {
    const struct {
        const wchar_t* item;
        const wchar_t* line;
    } rows[] = {
        {L"amu (kg)", L"1.66053886e-027"},
        {L"AU  (m)", L"(149597870691)"},
        {L"c  (m/s)", L"(299792458)"},
        {L"eps\u00b0", L"(8.8541878128e-012)"},
        {L"eV (C)", L"(1.60217646e-019)"},
        {L"F", L"(96485.3415)"},
        {L"g (m/s\u00b2)", L"(9.80665)"},
        {L"G  (m\u00b3 kg -\u00b9 s -\u00b2)", L"(6.6742e-011)"},
        {L"h  (J s)", L"(6.6260693e-034)"},
        {L"k  (J/\u00b0K)", L"(1.3806505e-023)"},
        {L"Me  (kg)", L"(9.1093826e-031)"},
        {L"Na", L"(6.022141998e+023)"},
        {L"R  (J/(\u00b0K*mole)", L"(8.314472)"},
        {L"u\u00b0", L"(4*pi*10^-7)"},
    };
    // The items as the menu resource holds them, in their order.
    CZoqMenuHandle menu(LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MENUBAR)));
    HMENU constants = GetSubMenu(menu.Get(), 1);
    ASSERT_EQ(GetMenuItemCount(constants), int(std::size(rows)));
    for (int i = 0; i < GetMenuItemCount(constants); ++i) {
        SCOPED_TRACE(testing::Message() << "item " << i);
        wchar_t text[64] = {};
        GetMenuStringW(constants, i, text, 64, MF_BYPOSITION);
        EXPECT_EQ(std::wstring(text), rows[i].item);
        Tap(kAc);
        Command(GetMenuItemID(constants, i));
        EXPECT_EQ(Line(), rows[i].line);
    }
    TapAll({kAc, kTwo, kTimes});
    Command(ID_CONST_C);
    TapAll({kEquals});
    EXPECT_EQ(Line(), L"2\u00d7(299792458)");
    EXPECT_EQ(Number(), L"599584916.");
    // Outside base 10 no constant goes in.
    TapAll({kAc, kSecond, kPower});
    Command(ID_CONST_EPS0);
    EXPECT_EQ(Line(), L"");
}

TEST_F(NumorapadTest, EveryWayOutSavesTheSettings) {
    struct {
        const char* way;
        std::function<void()> leave;
        int closes;
    } rows[] = {
        {"quit key", [this] { Tap(kQuit); }, 1},
        {"Quit command", [this] { Command(ID_FILE_QUIT); }, 1},
        {"window closed", [this] { SendMessageW(m_dialog->Handle(), WM_CLOSE, 0, 0); }, 1},
        // Log off or shut down: the process ends without its windows being destroyed.
        {"session ends", [this] { SendMessageW(m_dialog->Handle(), WM_ENDSESSION, TRUE, 0); }, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.way);
        CloseAll();
        CZoqMemoryStore store;
        Open(240, 320, 96, &store);
        Core().SetCalcMode(kModeDal);
        row.leave();
        Pump();
        EXPECT_EQ(m_dialog->Handle() == nullptr, row.closes != 0);
        uint32_t mode = 0;
        ASSERT_TRUE(store.ReadDword(L"SOFTWARE\\Zoq\\Numora", L"CalcMode", &mode));
        EXPECT_EQ(mode, uint32_t(kModeDal));
        CloseAll();
    }
}

TEST_F(NumorapadTest, DesktopKeyboardTypesLikeTheKeys) {
    Type(L"2+3*4\r");
    EXPECT_EQ(Number(), L"14.");
    EXPECT_EQ(Line(), L"2+3\u00d74");
    Type(L"\x1b"
         L"12/4=");
    EXPECT_EQ(Number(), L"3.");
    Type(L"\x1b"
         L"7\b9");
    EXPECT_EQ(Line(), L"9");
    // The arrows step through the history one entry per press.
    Type(L"=");
    SendMessageW(m_dialog->Handle(), WM_KEYDOWN, VK_UP, 0);
    SendMessageW(m_dialog->Handle(), WM_KEYUP, VK_UP, 0);
    EXPECT_EQ(Line(), L"12\u00f74");
    SendMessageW(m_dialog->Handle(), WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(Line(), L"2+3\u00d74");
}

TEST_F(NumorapadTest, KeySlidOffIsReleasedWithoutASecondPress) {
    HWND key = Key(kSeven);
    SendMessageW(key, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    EXPECT_TRUE(m_dialog->KeyWindow(kSeven).IsPressed());
    EXPECT_EQ(GetCapture(), key);
    SendMessageW(key, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_TRUE(m_dialog->KeyWindow(kSeven).IsPressed());
    // One pixel inside the edge counts as off the key.
    SendMessageW(key, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(0, 5));
    EXPECT_FALSE(m_dialog->KeyWindow(kSeven).IsPressed());
    EXPECT_NE(GetCapture(), key);
    SendMessageW(key, WM_LBUTTONUP, 0, MAKELPARAM(0, 5));
    EXPECT_EQ(Line(), L"7");
}

TEST_F(NumorapadTest, CopyAnswerAndLongEquations) {
    TapAll({kTwo, kPlus, kThree, kTimes, kFour, kEquals});
    Command(ID_FILE_COPY_ANSWER);
    EXPECT_EQ(ClipboardText(), L"14");
    Tap(kAc);
    for (int i = 0; i < 30; ++i) {
        TapAll({kOne, kPlus});
    }
    wchar_t line[kLineCapacity];
    Core().GetSecondaryText(line, kLineCapacity);
    ASSERT_EQ(std::wstring(line).size(), size_t(60));
    Command(ID_FILE_COPY_EQUATION);
    EXPECT_EQ(ClipboardText(), std::wstring(line).substr(0, 49));
}

TEST_F(NumorapadTest, CopyEquationInRpnLeavesTheClipboard) {
    SetClipboardText(L"keep");
    Core().SetCalcMode(kModeRpn);
    TapAll({kTwo, kEquals, kThree});
    Command(ID_FILE_COPY_EQUATION);
    EXPECT_EQ(ClipboardText(), L"keep");
    Command(ID_FILE_COPY_ANSWER);
    EXPECT_EQ(ClipboardText(), L"3");
}

TEST_F(NumorapadTest, PasteKeepsTheFirst32Characters) {
    SetClipboardText(L"1234567890123456789012345678901234567890");
    Command(ID_FILE_PASTE);
    wchar_t line[kLineCapacity];
    Core().GetSecondaryText(line, kLineCapacity);
    EXPECT_EQ(std::wstring(line), L"12345678901234567890123456789012");
    SetClipboardText(L"");
    Tap(kAc);
    SendMessageW(m_dialog->Handle(), WM_CHAR, 0x16, 0); // Ctrl+V
    EXPECT_EQ(Line(), L"0");
}

} // namespace
