#include "financial/app/PageButton.h"

#include "financial/app/FinDraw.h"
#include "ce/ZoqGdiScope.h"

namespace {
constexpr COLORREF kOutline = RGB(40, 40, 40);
constexpr COLORREF kLabel = RGB(255, 255, 255);
// A dark shadow keeps the white label legible on the light yellow of the car loan.
constexpr COLORREF kShadow = RGB(60, 40, 0);
constexpr COLORREF kLatchFrame = RGB(255, 255, 255);
} // namespace

void CPageButton::Create(const RECT& rect, const wchar_t* label, HWND target, UINT message,
                         COLORREF top, COLORREF bottom, WPARAM param) {
    m_target = target;
    m_button.SetColours(top, bottom, kOutline, CZoqGDI::kTransparent);
    // The button draws its shadow copy last, one pixel right and up: the white label is
    // that copy, so it stands on a dark shadow below and to the left of it.
    m_button.textColour = kShadow;
    m_button.shadowColour = kLabel;
    m_button.shadow = 1;
    m_button.Create(rect.left, rect.top, rect.right, rect.bottom, label, target, message, param,
                    CZoqDynBtn::kRounded, nullptr);
}

void CPageButton::SetDisabled(int disabled) {
    if (m_button.disabled != disabled) {
        m_button.disabled = disabled;
        InvalidateTarget();
    }
}

void CPageButton::SetLatched(int latched) {
    if (m_latched != latched) {
        m_latched = latched;
        InvalidateTarget();
    }
}

void CPageButton::InvalidateTarget() const {
    if (m_target) {
        InvalidateRect(m_target, &m_button.rect, FALSE);
    }
}

void CPageButton::Draw(HDC dc, HFONT font, HFONT narrowFont) const {
    if (!dc) {
        return;
    }
    const RECT& rect = m_button.rect;
    if (narrowFont && MeasureText(dc, font, Label()).cx > rect.right - rect.left - 6) {
        font = narrowFont;
    }
    m_button.Draw(font, dc);
    if (m_latched) {
        RECT frame = rect;
        InflateRect(&frame, -2, -2);
        CZoqGdiHandle<HPEN> pen(CreatePen(PS_SOLID, 2, kLatchFrame));
        CZoqSelection selectPen(dc, pen.Get());
        CZoqSelection selectBrush(dc, GetStockObject(NULL_BRUSH));
        RoundRect(dc, frame.left, frame.top, frame.right, frame.bottom, 5, 5);
    }
}

HFONT CPageButton::FittingFont(const CPageButton* buttons, int count, HFONT font,
                               HFONT narrowFont) {
    CZoqClientDC screen(nullptr);
    HFONT chosen = font;
    for (int i = 0; i < count && narrowFont; ++i) {
        const RECT rect = buttons[i].Rect();
        if (MeasureText(screen.Get(), font, buttons[i].Label()).cx > rect.right - rect.left - 6) {
            chosen = narrowFont;
        }
    }
    return chosen;
}
