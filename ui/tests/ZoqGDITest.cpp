#include "ui/ZoqGDI.h"
#include "ce/ZoqGdiScope.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <utility>

namespace {

// The vertical gradient as written down: rows counted upwards from the bottom row,
// weight of the bottom colour trunc((1 - i / h) * 255), channels shifted right by 8.
COLORREF ExpectedGradient(COLORREF top, COLORREF bottom, int rowFromBottom, int height) {
    int weight = static_cast<int>((1.0 - static_cast<double>(rowFromBottom) / height) * 255.0);
    auto channel = [weight](int b, int t) { return (b * weight + t * (255 - weight)) >> 8; };
    return RGB(channel(GetRValue(bottom), GetRValue(top)),
               channel(GetGValue(bottom), GetGValue(top)),
               channel(GetBValue(bottom), GetBValue(top)));
}

COLORREF ExpectedTint(COLORREF pixel, COLORREF towards, int amount) {
    auto channel = [amount](int c, int old) { return (c * amount + old * (255 - amount)) >> 8; };
    return RGB(channel(GetRValue(towards), GetRValue(pixel)),
               channel(GetGValue(towards), GetGValue(pixel)),
               channel(GetBValue(towards), GetBValue(pixel)));
}

// A device-independent surface filled with one colour.
void MakeFilled(CZoqGDI& surface, int width, int height, COLORREF colour) {
    CZoqClientDC screen(nullptr);
    ASSERT_EQ(1, surface.CreateSized(screen.Get(), width, height, CZoqGDI::kDeviceIndependent));
    RECT whole = {0, 0, width, height};
    CZoqGDI::FillSolid(surface.DC(), whole, colour);
}

TEST(ZoqGDISurface, RectanglesWithoutAreaFailAndLeaveTheSurfaceEmpty) {
    CZoqClientDC screen(nullptr);
    const RECT rects[] = {{0, 0, 0, 10}, {0, 0, 10, 0}, {5, 5, 4, 10}, {5, 5, 10, 4}};
    for (const RECT& rect : rects) {
        SCOPED_TRACE(testing::Message()
                     << rect.left << "," << rect.top << "," << rect.right << "," << rect.bottom);
        CZoqGDI surface;
        EXPECT_EQ(0, surface.Create(screen.Get(), rect, CZoqGDI::kDeviceIndependent));
        EXPECT_EQ(1, surface.IsEmpty());
        EXPECT_EQ(nullptr, surface.Bits());
        EXPECT_EQ(0, surface.Width());
    }
    CZoqGDI surface;
    EXPECT_EQ(0, surface.CreateSized(nullptr, 10, 10, 0));
}

TEST(ZoqGDISurface, DeviceIndependentSurfaceHasPaddedBottomUpRows) {
    CZoqClientDC screen(nullptr);
    CZoqGDI surface;
    ASSERT_EQ(1, surface.CreateSized(screen.Get(), 5, 3,
                                     CZoqGDI::kDeviceIndependent | CZoqGDI::kFillTransparent));
    EXPECT_EQ(5, surface.Width());
    EXPECT_EQ(3, surface.Height());
    EXPECT_EQ(16, surface.Stride());
    EXPECT_EQ(24, surface.Description().bmBitsPixel);
    ASSERT_NE(nullptr, surface.Bits());
    EXPECT_EQ(CZoqGDI::kTransparent, surface.PixelAt(4, 2));
    // The first row in memory is the bottom row of the image.
    SetPixel(surface.DC(), 1, 2, RGB(10, 20, 30));
    GdiFlush();
    const BYTE* first = surface.Bits() + 3;
    EXPECT_EQ(30, first[0]);
    EXPECT_EQ(20, first[1]);
    EXPECT_EQ(10, first[2]);
}

TEST(ZoqGDISurface, CopyContentsTakesTheRectangleOfTheSource) {
    CZoqGDI source;
    MakeFilled(source, 20, 20, RGB(0, 0, 255));
    SetPixel(source.DC(), 7, 9, RGB(1, 2, 3));
    CZoqGDI copy;
    RECT rect = {5, 5, 15, 15};
    ASSERT_EQ(1, copy.Create(source.DC(), rect,
                             CZoqGDI::kCopyContents | CZoqGDI::kDeviceIndependent |
                                 CZoqGDI::kFillTransparent));
    EXPECT_EQ(RGB(1, 2, 3), copy.PixelAt(2, 4));
    EXPECT_EQ(RGB(0, 0, 255), copy.PixelAt(0, 0));
}

TEST(ZoqGDISurface, MakeDeviceIndependentKeepsTheContents) {
    CZoqClientDC screen(nullptr);
    CZoqGDI surface;
    ASSERT_EQ(1, surface.CreateSized(screen.Get(), 8, 6, 0));
    EXPECT_EQ(nullptr, surface.Bits());
    RECT whole = {0, 0, 8, 6};
    CZoqGDI::FillSolid(surface.DC(), whole, RGB(200, 100, 50));
    ASSERT_EQ(1, surface.MakeDeviceIndependent());
    ASSERT_NE(nullptr, surface.Bits());
    EXPECT_EQ(RGB(200, 100, 50), surface.PixelAt(7, 5));
}

TEST(ZoqGDISurface, MakeDeviceIndependentOnASectionReturnsAtOnce) {
    CZoqGDI surface;
    MakeFilled(surface, 4, 4, RGB(9, 9, 9));
    BYTE* bits = surface.Bits();
    HDC dc = surface.DC();
    EXPECT_EQ(1, surface.MakeDeviceIndependent());
    EXPECT_EQ(bits, surface.Bits());
    EXPECT_EQ(dc, surface.DC());
    CZoqGDI empty;
    EXPECT_EQ(0, empty.MakeDeviceIndependent());
}

TEST(ZoqGDISurface, DestroyIsSafeOnAnEmptySurfaceAndTwice) {
    CZoqGDI surface;
    EXPECT_EQ(1, surface.Destroy());
    MakeFilled(surface, 3, 3, 0);
    EXPECT_EQ(1, surface.Destroy());
    EXPECT_EQ(1, surface.Destroy());
    EXPECT_EQ(1, surface.IsEmpty());
}

TEST(ZoqGDISurface, DetachHandsOverEveryHandleAndAttachTakesThemBack) {
    CZoqGDI surface;
    MakeFilled(surface, 3, 2, RGB(5, 6, 7));
    CZoqGDI::Handles handles = {};
    ASSERT_EQ(1, surface.Detach(&handles));
    EXPECT_EQ(1, surface.IsEmpty());
    CZoqGDI::Handles none = {};
    EXPECT_EQ(0, surface.Detach(&none));
    EXPECT_EQ(3, handles.description.bmWidth);
    EXPECT_EQ(RGB(5, 6, 7), GetPixel(handles.dc, 2, 1));
    CZoqGDI owner;
    ASSERT_EQ(1, owner.Attach(handles));
    EXPECT_EQ(RGB(5, 6, 7), owner.PixelAt(2, 1));
}

TEST(ZoqGDISurface, SelectFontLeavesTheCallersFontAlive) {
    HFONT font = CZoqGDI::MakeFont(12, FW_NORMAL, 0, L"Tahoma", 0);
    ASSERT_NE(nullptr, font);
    {
        CZoqGDI surface;
        MakeFilled(surface, 4, 4, 0);
        EXPECT_EQ(1, surface.SelectFont(font));
        EXPECT_EQ(static_cast<HGDIOBJ>(font), GetCurrentObject(surface.DC(), OBJ_FONT));
        ASSERT_EQ(1, surface.MakeDeviceIndependent());
        EXPECT_EQ(0, surface.SelectFont(nullptr));
        EXPECT_NE(static_cast<HGDIOBJ>(font), GetCurrentObject(surface.DC(), OBJ_FONT));
        EXPECT_EQ(1, surface.SelectFont(font));
    }
    LOGFONTW description = {};
    EXPECT_EQ(static_cast<int>(sizeof(description)),
              GetObjectW(font, sizeof(description), &description));
    EXPECT_TRUE(DeleteObject(font));
}

struct GradientCase {
    int height;
    COLORREF top, bottom;
};

TEST(ZoqGDIGradient, EveryRowFollowsTheFormulaAndEveryColumnCopiesTheFirst) {
    const GradientCase cases[] = {
        {1, RGB(255, 255, 255), RGB(0, 0, 255)}, {2, RGB(0, 0, 0), RGB(255, 255, 255)},
        {7, RGB(228, 146, 27), RGB(164, 47, 4)}, {100, RGB(136, 138, 140), RGB(231, 235, 239)},
        {255, RGB(255, 0, 0), RGB(0, 255, 0)},
    };
    for (const GradientCase& c : cases) {
        SCOPED_TRACE(c.height);
        CZoqGDI surface;
        MakeFilled(surface, 9, c.height + 4, CZoqGDI::kTransparent);
        RECT rect = {2, 1, 7, 1 + c.height};
        ASSERT_EQ(1, surface.GradientFill(rect, c.top, c.bottom));
        for (int i = 0; i < c.height; ++i) {
            int y = rect.bottom - 1 - i;
            COLORREF expected = ExpectedGradient(c.top, c.bottom, i, c.height);
            for (int x = rect.left; x < rect.right; ++x)
                ASSERT_EQ(expected, surface.PixelAt(x, y)) << "x " << x << " row " << i;
        }
        // Nothing outside the rectangle.
        EXPECT_EQ(CZoqGDI::kTransparent, surface.PixelAt(1, 1));
        EXPECT_EQ(CZoqGDI::kTransparent, surface.PixelAt(7, 1));
        EXPECT_EQ(CZoqGDI::kTransparent, surface.PixelAt(3, 0));
        EXPECT_EQ(CZoqGDI::kTransparent, surface.PixelAt(3, rect.bottom));
    }
}

TEST(ZoqGDIGradient, HeightOneGradientPaintsTheBottomColourWithinOneStep) {
    CZoqGDI surface;
    MakeFilled(surface, 3, 1, 0);
    RECT rect = {0, 0, 3, 1};
    ASSERT_EQ(1, surface.GradientFill(rect, RGB(0, 0, 0), RGB(255, 128, 2)));
    // Weight 255 of 256: the shift leaves each channel one step short at most.
    EXPECT_EQ(RGB(254, 127, 1), surface.PixelAt(1, 0));
}

TEST(ZoqGDIGradient, GradientMakesADeviceDependentSurfaceIndependent) {
    CZoqClientDC screen(nullptr);
    CZoqGDI surface;
    ASSERT_EQ(1, surface.CreateSized(screen.Get(), 4, 10, 0));
    RECT rect = {0, 0, 4, 10};
    ASSERT_EQ(1, surface.GradientFill(rect, RGB(0, 0, 0), RGB(0, 0, 250)));
    ASSERT_NE(nullptr, surface.Bits());
    EXPECT_EQ(ExpectedGradient(RGB(0, 0, 0), RGB(0, 0, 250), 0, 10), surface.PixelAt(3, 9));
}

TEST(ZoqGDIGradient, RectangleReachingOutsideTheSurfaceIsCut) {
    CZoqGDI surface;
    MakeFilled(surface, 4, 4, CZoqGDI::kTransparent);
    RECT rect = {-3, -6, 10, 2}; // height 8, only its two lowest rows are on the surface
    ASSERT_EQ(1, surface.GradientFill(rect, RGB(255, 255, 255), RGB(0, 0, 0)));
    EXPECT_EQ(ExpectedGradient(RGB(255, 255, 255), 0, 0, 8), surface.PixelAt(0, 1));
    EXPECT_EQ(ExpectedGradient(RGB(255, 255, 255), 0, 1, 8), surface.PixelAt(3, 0));
    EXPECT_EQ(CZoqGDI::kTransparent, surface.PixelAt(0, 2));
}

TEST(ZoqGDIGradient, RoundRectFillsOnlyItsInsideWithTheGradient) {
    CZoqGDI surface;
    MakeFilled(surface, 30, 20, CZoqGDI::kTransparent);
    RECT rect = {0, 0, 30, 20};
    const COLORREF pen = RGB(1, 2, 3), top = RGB(250, 200, 0), bottom = RGB(0, 50, 100);
    ASSERT_EQ(1, surface.GradientRoundRect(rect, pen, 10, 10, top, bottom));
    EXPECT_EQ(CZoqGDI::kTransparent, surface.PixelAt(0, 0));   // outside the corner
    EXPECT_EQ(CZoqGDI::kTransparent, surface.PixelAt(29, 19)); // outside the corner
    EXPECT_EQ(pen, surface.PixelAt(15, 0));                    // outline
    EXPECT_EQ(pen, surface.PixelAt(0, 10));
    for (int y = 1; y < 19; ++y)
        ASSERT_EQ(ExpectedGradient(top, bottom, 19 - y, 20), surface.PixelAt(15, y)) << y;
}

TEST(ZoqGDIGradient, DiagonalGradientStepsAlongXPlusY) {
    CZoqGDI surface;
    MakeFilled(surface, 12, 9, RGB(7, 7, 7));
    RECT rect = {2, 1, 10, 7}; // 8 x 6: a ramp of 14 rows
    const COLORREF first = RGB(255, 0, 0), second = RGB(0, 0, 255);
    ASSERT_EQ(1, CZoqGDI::GradientOnDC(surface.DC(), rect, first, second));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x) {
            int rampRow = x + y; // counted from the ramp's top
            ASSERT_EQ(ExpectedGradient(first, second, 13 - rampRow, 14),
                      surface.PixelAt(rect.left + x, rect.top + y))
                << x << "," << y;
        }
    EXPECT_EQ(RGB(7, 7, 7), surface.PixelAt(1, 1));
    EXPECT_EQ(RGB(7, 7, 7), surface.PixelAt(10, 7));
}

TEST(ZoqGDITint, BlendsEveryPixelButTransparentMagentaAndCapsTheAmount) {
    struct Case {
        int amount, used;
    } cases[] = {{0, 0}, {1, 1}, {160, 160}, {255, 255}, {300, 255}, {-5, 0}};
    const COLORREF colour = RGB(10, 120, 240), towards = RGB(200, 200, 200);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.amount);
        CZoqGDI surface;
        MakeFilled(surface, 6, 4, colour);
        SetPixel(surface.DC(), 2, 1, CZoqGDI::kTransparent);
        SetPixel(surface.DC(), 3, 1, RGB(255, 1, 255)); // one step from magenta: tinted
        RECT rect = {1, 0, 5, 3};
        ASSERT_EQ(1, CZoqGDI::TintTowards(surface.Bits(), surface.Height(), surface.Stride(), rect,
                                          towards, c.amount));
        EXPECT_EQ(ExpectedTint(colour, towards, c.used), surface.PixelAt(1, 0));
        EXPECT_EQ(ExpectedTint(colour, towards, c.used), surface.PixelAt(4, 2));
        EXPECT_EQ(CZoqGDI::kTransparent, surface.PixelAt(2, 1));
        EXPECT_EQ(ExpectedTint(RGB(255, 1, 255), towards, c.used), surface.PixelAt(3, 1));
        EXPECT_EQ(colour, surface.PixelAt(0, 0)); // outside the rectangle
        EXPECT_EQ(colour, surface.PixelAt(5, 0));
        EXPECT_EQ(colour, surface.PixelAt(1, 3));
    }
}

TEST(ZoqGDITint, RectangleIsCutToTheImageAndBadInputDrawsNothing) {
    CZoqGDI surface;
    MakeFilled(surface, 3, 3, RGB(0, 0, 0));
    RECT huge = {-100, -100, 100, 100};
    EXPECT_EQ(1, CZoqGDI::TintTowards(surface.Bits(), 3, surface.Stride(), huge, RGB(255, 255, 255),
                                      255));
    EXPECT_EQ(RGB(254, 254, 254), surface.PixelAt(2, 2));
    RECT inverted = {2, 0, 1, 3};
    EXPECT_EQ(0, CZoqGDI::TintTowards(surface.Bits(), 3, surface.Stride(), inverted, 0, 10));
    EXPECT_EQ(0, CZoqGDI::TintTowards(nullptr, 3, surface.Stride(), huge, 0, 10));
}

// The horizontal extent of the dark pixels of a surface, or {-1, -1}.
std::pair<int, int> InkColumns(const CZoqGDI& surface) {
    int first = -1, last = -1;
    for (int x = 0; x < surface.Width(); ++x)
        for (int y = 0; y < surface.Height(); ++y)
            if (GetRValue(surface.PixelAt(x, y)) < 128) {
                if (first < 0)
                    first = x;
                last = x;
                break;
            }
    return {first, last};
}

TEST(ZoqGDIText, AlignmentPlacesTheTextBoxAtX) {
    CZoqGdiHandle<HFONT> font(CZoqGDI::MakeFont(16, FW_BOLD, 0, L"Tahoma", 0));
    ASSERT_NE(nullptr, font.Get());
    // The box is the text's width plus 2: right-aligned it ends at x, centred it
    // straddles x, otherwise it starts at x.
    int box = 0;
    {
        CZoqGDI probe;
        MakeFilled(probe, 4, 4, 0);
        CZoqSelection selected(probe.DC(), font.Get());
        SIZE size = {0, 0};
        GetTextExtentPoint32W(probe.DC(), L"Mode", 4, &size);
        box = size.cx + 2;
    }
    struct Case {
        int alignment;
        const char* name;
        int boxLeft;
    } cases[] = {{CZoqGDI::kAlignLeft, "left", 100},
                 {CZoqGDI::kAlignCentre, "centre", 100 - box / 2},
                 {CZoqGDI::kAlignRight, "right", 100 - box}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CZoqGDI surface;
        MakeFilled(surface, 200, 30, RGB(255, 255, 255));
        ASSERT_EQ(1, CZoqGDI::DrawTextAt(surface.DC(), L"Mode", 100, 5, c.alignment, font.Get(),
                                         RGB(0, 0, 0), TRANSPARENT));
        auto [first, last] = InkColumns(surface);
        EXPECT_GE(first, c.boxLeft);
        EXPECT_LE(first, c.boxLeft + 2);
        EXPECT_LT(last, c.boxLeft + box);
    }
}

TEST(ZoqGDIText, DrawTextInRestoresFontColourAndMode) {
    CZoqGDI surface;
    MakeFilled(surface, 50, 20, RGB(255, 255, 255));
    CZoqGdiHandle<HFONT> font(CZoqGDI::MakeFont(12, FW_NORMAL, 0, L"Tahoma", 0));
    HDC dc = surface.DC();
    HGDIOBJ fontBefore = GetCurrentObject(dc, OBJ_FONT);
    SetTextColor(dc, RGB(1, 2, 3));
    SetBkMode(dc, OPAQUE);
    RECT rect = {0, 0, 50, 20};
    EXPECT_EQ(1, CZoqGDI::DrawTextIn(dc, L"ab", rect, DT_SINGLELINE, font.Get(), RGB(9, 9, 9),
                                     TRANSPARENT));
    EXPECT_EQ(fontBefore, GetCurrentObject(dc, OBJ_FONT));
    EXPECT_EQ(RGB(1, 2, 3), GetTextColor(dc));
    EXPECT_EQ(OPAQUE, GetBkMode(dc));
    RECT inverted = {10, 0, 5, 20};
    EXPECT_EQ(0, CZoqGDI::DrawTextIn(dc, L"ab", inverted, 0, font.Get(), 0, TRANSPARENT));
    EXPECT_EQ(0, CZoqGDI::DrawTextIn(dc, nullptr, rect, 0, font.Get(), 0, TRANSPARENT));
    EXPECT_EQ(0, CZoqGDI::DrawTextAt(nullptr, L"ab", 0, 0, 0, font.Get(), 0, TRANSPARENT));
}

TEST(ZoqGDIText, MakeFontSetsAngleQualityAndRefusesBadArguments) {
    struct Case {
        int angle, clearType;
        LONG escapement;
        BYTE quality;
    } cases[] = {{0, 0, 0, 0}, {90, 1, 900, 5}, {-45, 1, -450, 5}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.angle);
        CZoqGdiHandle<HFONT> font(CZoqGDI::MakeFont(14, 700, c.clearType, L"Tahoma", c.angle));
        ASSERT_NE(nullptr, font.Get());
        LOGFONTW description = {};
        GetObjectW(font.Get(), sizeof(description), &description);
        EXPECT_EQ(c.escapement, description.lfEscapement);
        EXPECT_EQ(c.escapement, description.lfOrientation);
        EXPECT_EQ(c.quality, description.lfQuality);
        EXPECT_EQ(1, description.lfCharSet);
        EXPECT_EQ(700, description.lfWeight);
        EXPECT_EQ(14, description.lfHeight);
        EXPECT_STREQ(L"Tahoma", description.lfFaceName);
    }
    EXPECT_EQ(nullptr, CZoqGDI::MakeFont(-1, 400, 0, L"Tahoma", 0));
    EXPECT_EQ(nullptr, CZoqGDI::MakeFont(12, -1, 0, L"Tahoma", 0));
    EXPECT_EQ(nullptr, CZoqGDI::MakeFont(12, 400, 0, nullptr, 0));
}

TEST(ZoqGDIShapes, NoColourMarkerLeavesOutTheBrushOrThePen) {
    const COLORREF background = RGB(50, 60, 70), fill = RGB(200, 0, 0), pen = RGB(0, 0, 200);
    struct Case {
        const char* name;
        COLORREF brush, pen, edge, inside;
    } cases[] = {
        {"both", fill, pen, pen, fill},
        {"outline only", CZoqGDI::kNoColour, pen, pen, background},
        {"fill only", fill, CZoqGDI::kNoColour, fill, fill},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CZoqGDI surface;
        MakeFilled(surface, 20, 20, background);
        RECT rect = {2, 2, 18, 18};
        ASSERT_EQ(1, CZoqGDI::DrawRect(surface.DC(), rect, c.brush, c.pen));
        EXPECT_EQ(c.edge, surface.PixelAt(2, 9));
        EXPECT_EQ(c.inside, surface.PixelAt(9, 9));
        EXPECT_EQ(background, surface.PixelAt(1, 9));
    }
    EXPECT_EQ(nullptr, CZoqGDI::MakePen(RGB(1, 1, 1), PS_SOLID, -1));
    CZoqGdiHandle<HPEN> made(CZoqGDI::MakePen(RGB(1, 1, 1), PS_DASH, 1));
    const HPEN madePen = made.Get();
    EXPECT_EQ(static_cast<DWORD>(OBJ_PEN), GetObjectType(madePen));
    made.Reset();
    EXPECT_EQ(nullptr, made.Get());
    EXPECT_EQ(0u, GetObjectType(madePen));
}

} // namespace
