#include "ui/ZoqGDI.h"

#include "ce/ZoqGdiScope.h"

#include <cwchar>

namespace {

bool IsBadRect(const RECT& rect) {
    return rect.right < rect.left || rect.bottom < rect.top;
}

HGDIOBJ PenOrNone(HPEN pen) {
    return pen ? static_cast<HGDIOBJ>(pen) : GetStockObject(NULL_PEN);
}

HGDIOBJ BrushOrNone(HBRUSH brush) {
    return brush ? static_cast<HGDIOBJ>(brush) : GetStockObject(NULL_BRUSH);
}

// The one-pixel pen and the brush of a shape, selected for its drawing (kNoColour: none);
// members unwind in reverse, so the selections go before the objects.
class COutlinedFill {
public:
    COutlinedFill(HDC dc, COLORREF brush, COLORREF pen)
        : m_pen(pen == CZoqGDI::kNoColour ? nullptr : CreatePen(PS_SOLID, 1, pen)),
          m_brush(brush == CZoqGDI::kNoColour ? nullptr : CreateSolidBrush(brush)),
          m_selectedPen(dc, PenOrNone(m_pen.Get())),
          m_selectedBrush(dc, BrushOrNone(m_brush.Get())) {}

private:
    CZoqGdiHandle<HPEN> m_pen;
    CZoqGdiHandle<HBRUSH> m_brush;
    CZoqSelection m_selectedPen;
    CZoqSelection m_selectedBrush;
};

} // namespace

int CZoqGDI::FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
    if (!dc || IsBadRect(rect))
        return 0;
    CZoqGdiHandle<HBRUSH> brush(CreateSolidBrush(colour));
    return brush.Get() && FillRect(dc, &rect, brush.Get()) ? 1 : 0;
}

int CZoqGDI::DrawRect(HDC dc, const RECT& rect, COLORREF brush, COLORREF pen) {
    if (!dc || IsBadRect(rect))
        return 0;
    const COutlinedFill outlined(dc, brush, pen);
    return Rectangle(dc, rect.left, rect.top, rect.right, rect.bottom) ? 1 : 0;
}

int CZoqGDI::DrawRoundRect(HDC dc, const RECT& rect, COLORREF brush, COLORREF pen, int cornerWidth,
                           int cornerHeight) {
    if (!dc || IsBadRect(rect))
        return 0;
    const COutlinedFill outlined(dc, brush, pen);
    return RoundRect(dc, rect.left, rect.top, rect.right, rect.bottom, cornerWidth, cornerHeight)
               ? 1
               : 0;
}

HBRUSH CZoqGDI::MakeBrush(COLORREF colour) {
    return CreateSolidBrush(colour);
}

HPEN CZoqGDI::MakePen(COLORREF colour, int style, int width) {
    if (width < 0)
        return nullptr;
    return CreatePen(style, width, colour);
}

HFONT CZoqGDI::MakeFont(int height, int weight, int clearType, const wchar_t* face, int angle) {
    if (height < 0 || weight < 0 || !face)
        return nullptr;
    const DWORD quality = clearType ? 5 : 0; // CLEARTYPE_QUALITY : DEFAULT_QUALITY
    return CreateFontW(height, 0, angle * 10, angle * 10, weight, FALSE, FALSE, FALSE, 1,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, quality, 0, face);
}

int CZoqGDI::DrawTextIn(HDC dc, const wchar_t* text, const RECT& rect, UINT format, HFONT font,
                        COLORREF colour, int backgroundMode) {
    if (!dc || !text || IsBadRect(rect))
        return 0;
    CZoqSelection selectedFont(dc, font);
    COLORREF previousColour = colour == kTransparent ? CLR_INVALID : SetTextColor(dc, colour);
    int previousMode = SetBkMode(dc, backgroundMode);
    RECT box = rect;
    DrawTextW(dc, text, -1, &box, format);
    if (previousMode)
        SetBkMode(dc, previousMode);
    if (previousColour != CLR_INVALID)
        SetTextColor(dc, previousColour);
    return 1;
}

int CZoqGDI::DrawTextAt(HDC dc, const wchar_t* text, int x, int y, int alignment, HFONT font,
                        COLORREF colour, int backgroundMode) {
    if (!dc || !text)
        return 0;
    SIZE size = {0, 0};
    {
        CZoqSelection selectedFont(dc, font);
        GetTextExtentPoint32W(dc, text, static_cast<int>(wcslen(text)), &size);
    }
    int width = size.cx + 2;
    RECT box = {x, y, x + width, y + size.cy};
    if (alignment == kAlignRight)
        OffsetRect(&box, -width, 0);
    else if (alignment == kAlignCentre)
        OffsetRect(&box, -width / 2, 0);
    return DrawTextIn(dc, text, box, 0, font, colour, backgroundMode);
}
