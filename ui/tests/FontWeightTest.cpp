// The programs ask for bold Tahoma on their displays, keys and totals; the Wine prefixes
// the tests, screenshots and `./x run` use must draw it bold at every size asked for,
// and the regular weight regular.
#include "ce/ZoqGdiScope.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cwchar>

namespace {

// What one line of black text left on white paper, in pixels fully covered (a pixel
// half grey counts half, so smoothed text measures like crisp text): the ink of the
// line, and the width of a single upright stroke ("l") along its middle row.
struct SInk {
    double ink = 0;
    double stem = 0;
    wchar_t face[LF_FACESIZE] = {};
};

SInk Ink(int pixelHeight, int weight, int quality, const wchar_t* text) {
    constexpr int kWidth = 400, kHeight = 64;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -kHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    CZoqMemoryDC memory(nullptr);
    HDC dc = memory.Get();
    CZoqGdiHandle<HBITMAP> bitmap(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    CZoqSelection selectedBitmap(dc, bitmap.Get());
    RECT all = {0, 0, kWidth, kHeight};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    CZoqGdiHandle<HFONT> font(CreateFontW(-pixelHeight, 0, 0, 0, weight, FALSE, FALSE, FALSE,
                                          DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                          quality, DEFAULT_PITCH, L"Tahoma"));
    CZoqSelection selectedFont(dc, font.Get());
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    SInk ink;
    GetTextFaceW(dc, LF_FACESIZE, ink.face);
    TextOutW(dc, 4, 4, text, static_cast<int>(std::wcslen(text)));
    TextOutW(dc, 4, 4 + pixelHeight + 8, L"l", 1);
    GdiFlush();
    const auto* pixels = static_cast<const DWORD*>(bits);
    // Coverage from the green channel: ClearType tints the red and blue edges.
    auto coverage = [&](int x, int y) {
        return (255 - static_cast<int>((pixels[y * kWidth + x] >> 8) & 0xFF)) / 255.0;
    };
    for (int y = 0; y < 4 + pixelHeight + 4; ++y) {
        for (int x = 0; x < kWidth; ++x)
            ink.ink += coverage(x, y);
    }
    // The middle of the "l", well below its top and above its foot.
    const int row = 4 + pixelHeight + 8 + pixelHeight / 2;
    for (int x = 0; x < kWidth; ++x)
        ink.stem += coverage(x, row);
    return ink;
}

TEST(FontWeight, TahomaBoldIsBoldAtEverySize) {
    // From the option dialogs' small labels to the displays of high-resolution screens,
    // with each quality the programs draw with.
    for (int quality : {NONANTIALIASED_QUALITY, ANTIALIASED_QUALITY, CLEARTYPE_QUALITY}) {
        for (int height : {11, 12, 13, 14, 16, 20, 24, 32}) {
            SCOPED_TRACE(testing::Message() << "quality " << quality << ", " << height << " px");
            const SInk regular = Ink(height, FW_NORMAL, quality, L"Total 1,234.56");
            const SInk bold = Ink(height, FW_BOLD, quality, L"Total 1,234.56");
            EXPECT_STREQ(regular.face, L"Tahoma");
            EXPECT_STREQ(bold.face, L"Tahoma");
            ASSERT_GT(regular.ink, 0);
            ASSERT_GT(regular.stem, 0);
            // Bold strokes carry clearly more ink, a quarter more at least (about half as
            // much again in practice), and the upright stroke is a third of a pixel wider or more.
            EXPECT_GE(bold.ink, regular.ink * 1.25) << bold.ink << " vs " << regular.ink;
            EXPECT_GE(bold.stem, regular.stem + 0.33) << bold.stem << " vs " << regular.stem;
            // And the regular weight stays thin: a pixel and a half of stem per 10 pixels.
            EXPECT_LE(regular.stem, 1.5 * (1 + height / 10)) << regular.stem;
        }
    }
}

} // namespace
