#include "quadratic/app/DlgParabix.h"
#include "quadratic/app/resource.h"
#include "testing/ZoqModalCapture.h"
#include "calc/tests/CalcKeys.h"

#include "ce/ZoqScreen.h"

#include <gtest/gtest.h>
#include <string>

namespace {

enum {
    kA = 0,
    kB = 1,
    kC = 2,
    kClear = 6,
    kBack = 10,
    kEnter = 14,
    kPoint = 16,
    kMinus = 17,
    kGraph = 18
};

class ParabixWindow : public ::testing::Test {
protected:
    void SetUp() override {
        CZoqScreen::SetSize(0, 0);
        m_hwnd = OpenTestWindow(m_window, L"Zoq Parabix test", L"ClassParabixTest");
        ASSERT_TRUE(m_hwnd);
    }
    void TearDown() override { m_window.Destroy(); }

    void PressKeys(const char* keys) {
        for (; *keys; ++keys) {
            const char k = *keys;
            const int button = k >= '0' && k <= '9' ? kDigitButton[k - '0']
                               : k == '='           ? kEnter
                               : k == '.'           ? kPoint
                               : k == '-'           ? kMinus
                               : k == '<'           ? kBack
                               : k == 'A'           ? kA
                               : k == 'B'           ? kB
                               : k == 'C'           ? kC
                                                    : kClear;
            TapCentre(m_hwnd, m_window.GetFace().GetLayout().buttons[button]);
        }
    }
    const CParabixCalc& Calc() const { return m_window.GetCalc(); }

    CDlgParabix m_window;
    HWND m_hwnd = nullptr;
};

TEST_F(ParabixWindow, SolvesByPen) {
    const struct {
        const char* keys;
        const wchar_t* lines[4];
    } cases[] = {
        {"1=-3=2=",
         {L"The x intercepts are:", L"(2, 1)", L"The Vertice is located:", L"(1.5, -0.25)"}},
        {"1=2=5=", {L"Imaginary Solution", L"The x intercepts are:", L"(-1 + 2i)", L"(-1 - 2i)"}},
        {"0=2=-4=", {L"Equation of a line:", L"f(x) = 2x + -4", L"X Intercept:", L"2"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        PressKeys("K");
        PressKeys(c.keys);
        EXPECT_EQ(Calc().GetActiveField(), CParabixCalc::FieldA);
        for (int i = 0; i < 4; ++i) {
            EXPECT_STREQ(Calc().GetLine(i), c.lines[i]) << "line " << i + 1;
        }
    }
}

TEST_F(ParabixWindow, EditingByPen) {
    PressKeys("1.5.<2");
    EXPECT_STREQ(Calc().GetEntry(CParabixCalc::FieldA), L"1.2");
    PressKeys("B-7-C9");
    EXPECT_STREQ(Calc().GetEntry(CParabixCalc::FieldB), L"-7");
    EXPECT_STREQ(Calc().GetEntry(CParabixCalc::FieldC), L"9");
    EXPECT_EQ(Calc().GetActiveField(), CParabixCalc::FieldC);
    PressKeys("K");
    EXPECT_STREQ(Calc().GetEntry(CParabixCalc::FieldA), L"");
    EXPECT_EQ(Calc().GetActiveField(), CParabixCalc::FieldC);
}

TEST_F(ParabixWindow, DesktopKeyboard) {
    Type(m_hwnd, L"1\r-3\t2\r");
    // Enter moves A -> B, Tab B -> C, Enter C -> A and solves.
    EXPECT_EQ(Calc().GetActiveField(), CParabixCalc::FieldA);
    EXPECT_STREQ(Calc().GetLine(1), L"(2, 1)");
    Type(m_hwnd, L"5\b.7");
    EXPECT_STREQ(Calc().GetEntry(CParabixCalc::FieldA), L"1.7");
    SendMessageW(m_hwnd, WM_KEYUP, VK_UP, 0);
    EXPECT_EQ(Calc().GetActiveField(), CParabixCalc::FieldC);
    SendMessageW(m_hwnd, WM_KEYUP, VK_DOWN, 0);
    EXPECT_EQ(Calc().GetActiveField(), CParabixCalc::FieldA);
}

TEST_F(ParabixWindow, AboutBox) {
    const SModalCapture about = CaptureCommand(m_hwnd, IDM_ABOUT);
    ASSERT_TRUE(about.seen);
    EXPECT_EQ(about.title, L"About Zoq Parabix");
}

TEST_F(ParabixWindow, GraphButtonOpensTheGraphModally) {
    PressKeys("1=-3=2=");
    const SModalCapture graph = CaptureTap(m_hwnd, m_window.GetFace().GetLayout().buttons[kGraph]);
    ASSERT_TRUE(graph.seen);
    EXPECT_EQ(graph.title, L"Zoq Parabix");
    EXPECT_STREQ(Calc().GetResult().graphText, L"1*X^2-3*X+2");
}

} // namespace
