// The programs ask for bold Tahoma on their displays, keys and totals; the Wine prefixes
// the tests, screenshots and `./x run` use must draw it bold at every size asked for,
// and the regular weight regular.
#include <windows.h>

#include <gtest/gtest.h>

#include <cwchar>

namespace {

// What one line of text left on white paper: dark pixels in all, and the widest run of
// dark pixels along the middle row of a single upright stroke ("l").
struct SInk {
    int dark = 0;
    int stem = 0;
    wchar_t face[LF_FACESIZE] = {};
};

SInk Ink(int pixelHeight, int weight, const wchar_t* text) {
    constexpr int kWidth = 400, kHeight = 64;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -kHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    RECT all = {0, 0, kWidth, kHeight};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HFONT font = CreateFontW(-pixelHeight, 0, 0, 0, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                             OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                             DEFAULT_PITCH, L"Tahoma");
    HGDIOBJ oldFont = SelectObject(dc, font);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    SInk ink;
    GetTextFaceW(dc, LF_FACESIZE, ink.face);
    TextOutW(dc, 4, 4, text, static_cast<int>(std::wcslen(text)));
    TextOutW(dc, 4, 4 + pixelHeight + 8, L"l", 1);
    GdiFlush();
    const auto* pixels = static_cast<const DWORD*>(bits);
    auto isDark = [&](int x, int y) { return (pixels[y * kWidth + x] & 0xFF) < 128; };
    for (int y = 0; y < 4 + pixelHeight + 4; ++y) {
        for (int x = 0; x < kWidth; ++x)
            ink.dark += isDark(x, y) ? 1 : 0;
    }
    // The middle of the "l", well below its top and above its foot.
    const int row = 4 + pixelHeight + 8 + pixelHeight / 2;
    for (int x = 0, run = 0; x < kWidth; ++x) {
        run = isDark(x, row) ? run + 1 : 0;
        ink.stem = run > ink.stem ? run : ink.stem;
    }
    SelectObject(dc, oldFont);
    DeleteObject(font);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return ink;
}

TEST(FontWeight, TahomaBoldIsBoldAtEverySize) {
    // From the option dialogs' small labels to the displays of high-resolution screens.
    for (int height : {11, 12, 13, 14, 16, 20, 24, 32}) {
        SCOPED_TRACE(height);
        const SInk regular = Ink(height, FW_NORMAL, L"Total 1,234.56");
        const SInk bold = Ink(height, FW_BOLD, L"Total 1,234.56");
        EXPECT_STREQ(regular.face, L"Tahoma");
        EXPECT_STREQ(bold.face, L"Tahoma");
        ASSERT_GT(regular.dark, 0);
        ASSERT_GT(regular.stem, 0);
        // Bold strokes carry clearly more ink: a fifth more at least (about half as
        // much again in practice), and the upright stroke is wider.
        EXPECT_GE(bold.dark * 5, regular.dark * 6) << bold.dark << " vs " << regular.dark;
        EXPECT_GT(bold.stem, regular.stem);
        // And the regular weight stays thin: one pixel of stem per 10 pixels of height.
        EXPECT_LE(regular.stem, 1 + height / 10);
    }
}

} // namespace
