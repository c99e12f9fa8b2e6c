#include "ui/ZoqDynBtn.h"
#include "ce/ZoqGdiScope.h"
#include "ui/ZoqDynDisplay.h"
#include "ui/ZoqGDI.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

const UINT kButtonMessage = WM_USER + 77;
const COLORREF kFace = RGB(228, 146, 27), kPressed = RGB(164, 47, 4), kOutline = RGB(40, 22, 10);

// A hidden window that receives the buttons' messages.
class TargetWindow {
public:
    TargetWindow() {
        m_hwnd = CreateWindowExW(0, L"STATIC", L"target", WS_POPUP, 0, 0, 200, 100, nullptr,
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    ~TargetWindow() { DestroyWindow(m_hwnd); }
    HWND Get() const { return m_hwnd; }
    // The parameters of the button messages posted since the last call.
    std::vector<WPARAM> TakePosted() {
        std::vector<WPARAM> posted;
        MSG message;
        while (PeekMessageW(&message, m_hwnd, kButtonMessage, kButtonMessage, PM_REMOVE)) {
            EXPECT_EQ(0, message.lParam);
            posted.push_back(message.wParam);
        }
        return posted;
    }

private:
    HWND m_hwnd;
};

void MakeButton(CZoqDynBtn& button, HWND target, int style, WPARAM parameter = 5) {
    button.SetColours(kFace, kPressed, kOutline, CZoqGDI::kTransparent);
    ASSERT_EQ(
        1, button.Create(10, 10, 70, 40, L"7", target, kButtonMessage, parameter, style, nullptr));
}

enum Step { kDownInside, kDownOutside, kMoveInside, kMoveOutside, kUpInside, kUpOutside };

POINT PointFor(Step step) {
    bool inside = step == kDownInside || step == kMoveInside || step == kUpInside;
    return inside ? POINT{30, 20} : POINT{100, 80};
}

void Apply(CZoqDynBtn& button, Step step) {
    POINT point = PointFor(step);
    if (step == kDownInside || step == kDownOutside)
        button.OnLButtonDown(point);
    else if (step == kMoveInside || step == kMoveOutside)
        button.OnMouseMove(point);
    else
        button.OnLButtonUp(point);
}

TEST(ZoqDynBtnPen, SequencesPostExactlyWhatTheyShould) {
    struct Case {
        const char* name;
        int toggle, disabled;
        std::vector<Step> steps;
        int posts;
        int pressedAfter;
    } cases[] = {
        {"down and up inside", 0, 0, {kDownInside, kUpInside}, 1, 0},
        {"down, out, up outside", 0, 0, {kDownInside, kMoveOutside, kUpOutside}, 0, 0},
        {"down, out, back in, up", 0, 0, {kDownInside, kMoveOutside, kMoveInside, kUpInside}, 0, 0},
        {"down, up outside", 0, 0, {kDownInside, kUpOutside}, 0, 0},
        {"down outside, up inside", 0, 0, {kDownOutside, kUpInside}, 0, 0},
        {"moves inside keep it pressed", 0, 0, {kDownInside, kMoveInside}, 0, 1},
        {"toggle posts on down", 1, 0, {kDownInside}, 1, 1},
        {"toggle ignores up", 1, 0, {kDownInside, kUpInside}, 1, 1},
        {"toggle: second tap flips back",
         1,
         0,
         {kDownInside, kUpInside, kDownInside, kUpInside},
         2,
         0},
        {"toggle ignores moving out", 1, 0, {kDownInside, kMoveOutside}, 1, 1},
        {"disabled never posts", 0, 1, {kDownInside, kUpInside}, 0, 0},
        {"disabled toggle never posts", 1, 1, {kDownInside, kUpInside}, 0, 0},
    };
    TargetWindow target;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CZoqDynBtn button;
        MakeButton(button, target.Get(), CZoqDynBtn::kFlat, 31);
        button.toggle = c.toggle;
        button.disabled = c.disabled;
        for (Step step : c.steps)
            Apply(button, step);
        std::vector<WPARAM> posted = target.TakePosted();
        EXPECT_EQ(static_cast<size_t>(c.posts), posted.size());
        for (WPARAM parameter : posted)
            EXPECT_EQ(31u, parameter);
        EXPECT_EQ(c.pressedAfter, button.IsPressed());
    }
}

TEST(ZoqDynBtnPen, HandlersReportWhetherTheyConsumedTheEvent) {
    TargetWindow target;
    CZoqDynBtn button;
    MakeButton(button, target.Get(), CZoqDynBtn::kFlat);
    EXPECT_EQ(0, button.OnLButtonDown(PointFor(kDownOutside)));
    EXPECT_EQ(0, button.OnLButtonUp(PointFor(kUpInside))); // not pressed
    EXPECT_EQ(1, button.OnLButtonDown(PointFor(kDownInside)));
    EXPECT_EQ(0, button.OnMouseMove(PointFor(kMoveInside)));
    EXPECT_EQ(1, button.OnMouseMove(PointFor(kMoveOutside)));
    EXPECT_EQ(1, button.OnLButtonDown(PointFor(kDownInside)));
    EXPECT_EQ(0, button.OnLButtonUp(PointFor(kUpOutside))); // released, but no message
    EXPECT_EQ(0, button.IsPressed());
    EXPECT_EQ(1, button.OnLButtonDown(PointFor(kDownInside)));
    EXPECT_EQ(1, button.OnLButtonUp(PointFor(kUpInside)));
    target.TakePosted();
}

TEST(ZoqDynBtnCreate, RefusesAMissingOrEmptyLabel) {
    CZoqDynBtn button;
    EXPECT_EQ(0, button.Create(0, 0, 10, 10, L"", nullptr, kButtonMessage, 0, 1, nullptr));
    EXPECT_EQ(0, button.Create(0, 0, 10, 10, nullptr, nullptr, kButtonMessage, 0, 1, nullptr));
    ASSERT_EQ(1, button.Create(0, 0, 10, 10, L"=", nullptr, kButtonMessage, 0, 1, nullptr));
    EXPECT_EQ(0, button.SetText(L""));
    EXPECT_STREQ(L"=", button.Label());
    EXPECT_EQ(1, button.SetText(L"Graph"));
    EXPECT_STREQ(L"Graph", button.Label());
}

TEST(ZoqDynBtnFaces, EveryStyleRendersBothFacesWithTheColoursExchanged) {
    for (int style = 0; style < CZoqDynBtn::kStyleCount; ++style) {
        SCOPED_TRACE(style);
        CZoqDynBtn button;
        MakeButton(button, nullptr, style);
        const CZoqGDI& faces = button.Faces();
        ASSERT_EQ(120, faces.Width());
        ASSERT_EQ(30, faces.Height());
        int differing = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 60; ++x)
                differing += faces.PixelAt(x, y) != faces.PixelAt(60 + x, y);
        EXPECT_GT(differing, 60 * 30 / 4);
    }
}

TEST(ZoqDynBtnFaces, FlatAndGradientFacesFollowTheirColours) {
    CZoqDynBtn flat;
    MakeButton(flat, nullptr, CZoqDynBtn::kFlat);
    EXPECT_EQ(kFace, flat.Faces().PixelAt(30, 15));
    EXPECT_EQ(kPressed, flat.Faces().PixelAt(90, 15));
    EXPECT_EQ(kOutline, flat.Faces().PixelAt(0, 15));
    EXPECT_EQ(kOutline, flat.Faces().PixelAt(60, 15));

    CZoqDynBtn gradient;
    MakeButton(gradient, nullptr, CZoqDynBtn::kGradient);
    const CZoqGDI& faces = gradient.Faces();
    EXPECT_EQ(CZoqGDI::GradientColour(kFace, kPressed, 29 - 10, 30), faces.PixelAt(30, 10));
    EXPECT_EQ(CZoqGDI::GradientColour(kPressed, kFace, 29 - 10, 30), faces.PixelAt(90, 10));
    EXPECT_EQ(kOutline, faces.PixelAt(59, 10));
}

TEST(ZoqDynBtnFaces, RoundedStylesLeaveTheirCornersTransparent) {
    for (int style :
         {CZoqDynBtn::kRounded, CZoqDynBtn::kPill, CZoqDynBtn::kNested, CZoqDynBtn::kHighlight}) {
        SCOPED_TRACE(style);
        CZoqDynBtn button;
        MakeButton(button, nullptr, style);
        EXPECT_EQ(CZoqGDI::kTransparent, button.Faces().PixelAt(0, 0));
        EXPECT_EQ(CZoqGDI::kTransparent, button.Faces().PixelAt(119, 29));
    }
}

TEST(ZoqDynBtnFaces, PillDrawsItsShadowOnlyWithAnExtraColour) {
    const COLORREF shadow = RGB(60, 58, 63);
    struct Case {
        COLORREF extra, expected;
    } cases[] = {{CZoqGDI::kTransparent, CZoqGDI::kTransparent}, {shadow, shadow}};
    for (const Case& c : cases) {
        CZoqDynBtn button;
        button.SetColours(kFace, kPressed, kOutline, c.extra);
        ASSERT_EQ(1, button.Create(0, 0, 60, 30, L"x", nullptr, kButtonMessage, 0,
                                   CZoqDynBtn::kPill, nullptr));
        // The bottom row lies below the shape: only the shadow, one pixel down-left, covers it.
        EXPECT_EQ(c.expected, button.Faces().PixelAt(30, 29));
        EXPECT_EQ(c.expected, button.Faces().PixelAt(90, 29));
    }
}

TEST(ZoqDynBtnFaces, ButtonsOfOneSizeShareTheFacesOfTheirSource) {
    CZoqDynBtn source;
    CZoqDynBtn borrower;
    MakeButton(source, nullptr, CZoqDynBtn::kRounded);
    ASSERT_EQ(1, borrower.Create(80, 10, 140, 40, L"8", nullptr, kButtonMessage, 0,
                                 CZoqDynBtn::kRounded, &source));
    EXPECT_EQ(source.Faces().DC(), borrower.Faces().DC());
}

// Draws a button onto a grey surface and returns it.
void DrawOnto(CZoqGDI& canvas, CZoqDynBtn& button, HFONT font, const wchar_t* second = nullptr) {
    CZoqClientDC screen(nullptr);
    ASSERT_EQ(1, canvas.CreateSized(screen.Get(), 100, 60, CZoqGDI::kDeviceIndependent));
    RECT whole = {0, 0, 100, 60};
    CZoqGDI::FillSolid(canvas.DC(), whole, RGB(128, 138, 162));
    ASSERT_EQ(1, button.Draw(font, canvas.DC(), second, font));
}

TEST(ZoqDynBtnDraw, DisabledButtonIsTintedTowardsLightGrey) {
    CZoqGdiHandle<HFONT> font(CZoqGDI::MakeFont(14, FW_BOLD, 0, L"Tahoma", 0));
    struct Case {
        int disabled;
        COLORREF expected;
    } cases[] = {
        {0, kFace},
        {1, RGB((200 * 160 + GetRValue(kFace) * 95) >> 8, (200 * 160 + GetGValue(kFace) * 95) >> 8,
                (200 * 160 + GetBValue(kFace) * 95) >> 8)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.disabled);
        CZoqDynBtn button;
        MakeButton(button, nullptr, CZoqDynBtn::kFlat);
        button.disabled = c.disabled;
        CZoqGDI canvas;
        DrawOnto(canvas, button, font.Get());
        EXPECT_EQ(c.expected, canvas.PixelAt(13, 13));       // face, away from the label
        EXPECT_EQ(RGB(128, 138, 162), canvas.PixelAt(5, 5)); // outside the button
    }
}

TEST(ZoqDynBtnDraw, TransparentCornersShowWhatIsBehind) {
    CZoqDynBtn button;
    MakeButton(button, nullptr, CZoqDynBtn::kRounded);
    CZoqGDI canvas;
    DrawOnto(canvas, button, nullptr);
    EXPECT_EQ(RGB(128, 138, 162), canvas.PixelAt(10, 10));
    EXPECT_NE(RGB(128, 138, 162), canvas.PixelAt(40, 25));
}

// Bounding box of the white pixels (the label) of a surface.
RECT WhiteBox(const CZoqGDI& surface) {
    RECT box = {surface.Width(), surface.Height(), -1, -1};
    for (int y = 0; y < surface.Height(); ++y)
        for (int x = 0; x < surface.Width(); ++x)
            if (surface.PixelAt(x, y) == RGB(255, 255, 255)) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x);
                box.bottom = std::max<LONG>(box.bottom, y);
            }
    return box;
}

TEST(ZoqDynBtnDraw, PressedLabelMovesOnePixelRightAndDown) {
    CZoqGdiHandle<HFONT> font(CZoqGDI::MakeFont(16, FW_BOLD, 0, L"Tahoma", 0));
    CZoqDynBtn button;
    MakeButton(button, nullptr, CZoqDynBtn::kFlat);
    button.textColour = RGB(255, 255, 255);
    CZoqGDI released;
    DrawOnto(released, button, font.Get());
    button.OnLButtonDown(PointFor(kDownInside));
    CZoqGDI pressed;
    DrawOnto(pressed, button, font.Get());
    RECT a = WhiteBox(released);
    RECT b = WhiteBox(pressed);
    ASSERT_GE(a.right, a.left);
    EXPECT_EQ(a.left + 1, b.left);
    EXPECT_EQ(a.top + 1, b.top);
}

TEST(ZoqDynBtnDraw, SecondTextStandsRaisedAfterTheLabel) {
    CZoqGdiHandle<HFONT> font(CZoqGDI::MakeFont(18, FW_BOLD, 0, L"Tahoma", 0));
    CZoqDynBtn plain;
    MakeButton(plain, nullptr, CZoqDynBtn::kFlat);
    plain.textColour = RGB(255, 255, 255);
    CZoqGDI alone;
    DrawOnto(alone, plain, font.Get());
    CZoqGDI withSecond;
    DrawOnto(withSecond, plain, font.Get(), L"2");
    RECT label = WhiteBox(alone);
    RECT both = WhiteBox(withSecond);
    // The pair is centred as a whole, so it reaches further right, and the exponent's
    // top stands above the label's.
    EXPECT_GT(both.right, label.right);
    EXPECT_LT(both.top, label.top + 1 + (18 / 3 - 18 / 6));
}

TEST(ZoqDynDisplayStyles, PanelsDrawTheirEdgesAndGradient) {
    const COLORREF background = RGB(136, 138, 140), gradient = RGB(231, 235, 239),
                   light = RGB(172, 186, 169), dark = RGB(52, 58, 56);
    struct Case {
        int style;
        COLORREF topLeft, bottomRight, insideTop, insideBottom;
    } cases[] = {
        {CZoqDynDisplay::kBevelled, light, dark, background, background},
        {CZoqDynDisplay::kDoubleOutline, dark, dark, background, background},
        {CZoqDynDisplay::kDoubleOutlineGradient, dark, dark,
         CZoqGDI::GradientColour(background, gradient, 35, 36),
         CZoqGDI::GradientColour(background, gradient, 0, 36)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.style);
        CZoqDynDisplay panel;
        RECT rect = {10, 5, 90, 45};
        ASSERT_EQ(1, panel.Create(rect, background, gradient, light, dark, c.style, nullptr));
        const CZoqGDI& surface = panel.Surface();
        EXPECT_EQ(c.topLeft, surface.PixelAt(0, 20));
        EXPECT_EQ(c.bottomRight, surface.PixelAt(79, 20));
        EXPECT_EQ(c.bottomRight, surface.PixelAt(40, 39));
        EXPECT_EQ(c.insideTop, surface.PixelAt(40, 2));
        EXPECT_EQ(c.insideBottom, surface.PixelAt(40, 37));
        if (c.style != CZoqDynDisplay::kBevelled) {
            EXPECT_EQ(light, surface.PixelAt(1, 20));
        }
    }
}

TEST(ZoqDynDisplayStyles, DrawCopiesThePanelAtItsRectangle) {
    CZoqDynDisplay panel;
    RECT rect = {10, 5, 90, 45};
    ASSERT_EQ(1, panel.Create(rect, RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9), RGB(10, 11, 12),
                              CZoqDynDisplay::kDoubleOutline, nullptr));
    CZoqDynDisplay shared;
    ASSERT_EQ(1, shared.Create(rect, 0, 0, 0, 0, CZoqDynDisplay::kBevelled, &panel));
    for (CZoqDynDisplay* drawn : {&panel, &shared}) {
        CZoqGDI canvas;
        CZoqClientDC screen(nullptr);
        ASSERT_EQ(1, canvas.CreateSized(screen.Get(), 100, 50, CZoqGDI::kDeviceIndependent));
        RECT whole = {0, 0, 100, 50};
        CZoqGDI::FillSolid(canvas.DC(), whole, RGB(200, 200, 200));
        ASSERT_EQ(1, drawn->Draw(canvas.DC()));
        EXPECT_EQ(RGB(200, 200, 200), canvas.PixelAt(9, 20));
        EXPECT_EQ(RGB(10, 11, 12), canvas.PixelAt(10, 20));
        EXPECT_EQ(RGB(1, 2, 3), canvas.PixelAt(50, 25));
    }
}

} // namespace
