#include "financial/app/FinDraw.h"

#include "ce/ZoqGdiScope.h"

#include <cwchar>

HFONT MakeTahoma(int height, int weight, int angleDegrees) {
    return CreateFontW(height, 0, angleDegrees * 10, angleDegrees * 10, weight, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                       DEFAULT_PITCH, L"Tahoma");
}

SIZE MeasureText(HDC dc, HFONT font, const wchar_t* text) {
    SIZE size = {0, 0};
    if (!dc || !text) {
        return size;
    }
    CZoqSelection select(dc, font);
    GetTextExtentPoint32W(dc, text, static_cast<int>(wcslen(text)), &size);
    return size;
}

int DrawTextAligned(HDC dc, HFONT font, int x, int y, const wchar_t* text, COLORREF colour,
                    TextAlign align) {
    if (!dc || !text || !*text) {
        return 0;
    }
    CZoqSelection select(dc, font);
    int length = static_cast<int>(wcslen(text));
    SIZE size = {0, 0};
    GetTextExtentPoint32W(dc, text, length, &size);
    if (align == TextAlign::Centre) {
        x -= size.cx / 2;
    } else if (align == TextAlign::Right) {
        x -= size.cx;
    }
    COLORREF oldColour = SetTextColor(dc, colour);
    int oldMode = SetBkMode(dc, TRANSPARENT);
    ExtTextOutW(dc, x, y, 0, nullptr, text, length, nullptr);
    SetBkMode(dc, oldMode);
    SetTextColor(dc, oldColour);
    return size.cx;
}
