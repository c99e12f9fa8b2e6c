#include "financial/app/PageButton.h"

#include "financial/app/FinDraw.h"

#include <cwchar>

namespace {
constexpr COLORREF kPageBackground = RGB(255, 255, 255);
constexpr COLORREF kOutline = RGB(40, 40, 40);
constexpr COLORREF kLabel = RGB(255, 255, 255);
constexpr COLORREF kDisabledLabel = RGB(200, 200, 200);
constexpr COLORREF kShadow = RGB(60, 40, 0);
} // namespace

void CPageButton::Create(const RECT& rect, const wchar_t* label, HWND target, UINT message,
                         COLORREF top, COLORREF bottom, WPARAM param) {
    m_rect = rect;
    wcsncpy(m_label, label ? label : L"", kLabelChars - 1);
    m_label[kLabelChars - 1] = L'\0';
    m_target = target;
    m_message = message;
    m_param = param;
    m_top = top;
    m_bottom = bottom;
    m_pressed = 0;
    Render();
}

void CPageButton::Render() {
    const int width = m_rect.right - m_rect.left;
    const int height = m_rect.bottom - m_rect.top;
    HDC screen = GetDC(nullptr);
    const int made = width > 0 && height > 0 &&
                     m_faces.CreateSized(screen, 2 * width, height, CZoqGDI::kDeviceIndependent);
    ReleaseDC(nullptr, screen);
    if (!made) {
        m_faces.Destroy();
        return;
    }
    RECT all = {0, 0, 2 * width, height};
    CZoqGDI::FillSolid(m_faces.DC(), all, kPageBackground);
    const int corner = height / 3;
    RECT released = {0, 0, width, height};
    RECT pressed = {width, 0, 2 * width, height};
    m_faces.GradientRoundRect(released, kOutline, corner, corner, m_top, m_bottom);
    m_faces.GradientRoundRect(pressed, kOutline, corner, corner, m_bottom, m_top);
}

void CPageButton::SetDisabled(int disabled) {
    if (m_disabled == disabled) {
        return;
    }
    m_disabled = disabled;
    m_pressed = 0;
    InvalidateTarget();
}

void CPageButton::SetLatched(int latched) {
    if (m_latched != latched) {
        m_latched = latched;
        InvalidateTarget();
    }
}

void CPageButton::Draw(HDC dc, HFONT font, HFONT narrowFont) const {
    if (!dc || m_faces.IsEmpty()) {
        return;
    }
    const int width = m_rect.right - m_rect.left;
    const int height = m_rect.bottom - m_rect.top;
    BitBlt(dc, m_rect.left, m_rect.top, width, height, m_faces.DC(),
           m_pressed || m_latched ? width : 0, 0, SRCCOPY);
    SIZE text = MeasureText(dc, font, m_label);
    if (narrowFont && text.cx > width - 6) {
        font = narrowFont;
        text = MeasureText(dc, font, m_label);
    }
    const int shift = m_pressed || m_latched ? 1 : 0;
    const int x = m_rect.left + width / 2 + shift;
    const int y = m_rect.top + (height - text.cy) / 2 + shift;
    // A dark shadow keeps the white label legible on the light yellow of the car loan.
    if (!m_disabled) {
        DrawTextAligned(dc, font, x + 1, y + 1, m_label, kShadow, TextAlign::Centre);
    }
    DrawTextAligned(dc, font, x, y, m_label, m_disabled ? kDisabledLabel : kLabel,
                    TextAlign::Centre);
}

HFONT CPageButton::FittingFont(const CPageButton* buttons, int count, HFONT font,
                               HFONT narrowFont) {
    HDC screen = GetDC(nullptr);
    HFONT chosen = font;
    for (int i = 0; i < count && narrowFont; ++i) {
        const RECT& rect = buttons[i].m_rect;
        if (MeasureText(screen, font, buttons[i].m_label).cx > rect.right - rect.left - 6) {
            chosen = narrowFont;
        }
    }
    ReleaseDC(nullptr, screen);
    return chosen;
}

int CPageButton::Contains(POINT point) const {
    return PtInRect(&m_rect, point) ? 1 : 0;
}

void CPageButton::InvalidateTarget() const {
    if (m_target) {
        InvalidateRect(m_target, &m_rect, FALSE);
    }
}

int CPageButton::OnLButtonDown(POINT point) {
    if (m_disabled || !Contains(point)) {
        return 0;
    }
    m_pressed = 1;
    InvalidateTarget();
    return 1;
}

int CPageButton::OnLButtonUp(POINT point) {
    if (!m_pressed || m_disabled) {
        return 0;
    }
    m_pressed = 0;
    InvalidateTarget();
    if (!Contains(point)) {
        return 0;
    }
    PostMessageW(m_target, m_message, m_param, 0);
    return 1;
}

int CPageButton::OnMouseMove(POINT point) {
    if (!m_pressed || m_disabled || Contains(point)) {
        return 0;
    }
    m_pressed = 0;
    InvalidateTarget();
    return 1;
}
