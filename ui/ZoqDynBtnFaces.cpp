#include "ui/ZoqDynBtn.h"

#include "ce/ZoqGdiScope.h"

#include <algorithm>

namespace {

RECT Inset(const RECT& rect, int dx, int dy) {
    RECT inner = rect;
    InflateRect(&inner, -dx, -dy);
    return inner;
}

// Each channel moved `factor` of its way towards white.
COLORREF Lighten(COLORREF colour, double factor) {
    auto channel = [factor](int value) {
        return static_cast<BYTE>(value + (255 - value) * factor);
    };
    return RGB(channel(GetRValue(colour)), channel(GetGValue(colour)), channel(GetBValue(colour)));
}

// Each channel at `factor` of its way from black.
COLORREF Darken(COLORREF colour, double factor) {
    auto channel = [factor](int value) { return static_cast<BYTE>(value * factor); };
    return RGB(channel(GetRValue(colour)), channel(GetGValue(colour)), channel(GetBValue(colour)));
}

void Line(HDC dc, int x1, int y1, int x2, int y2) {
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

} // namespace

int CZoqDynBtn::RenderFaces() {
    const int width = Width();
    const int height = Height();
    CZoqWindowDC screen(nullptr);
    if (!m_faces.CreateSized(screen.Get(), 2 * width, height,
                             CZoqGDI::kDeviceIndependent | CZoqGDI::kFillTransparent))
        return 0;
    RECT released = {0, 0, width, height};
    RECT pressed = {width, 0, 2 * width, height};
    RenderFace(released, faceColour, pressedColour, kReleasedFace);
    // The pressed face repeats the released one with the two main colours exchanged.
    RenderFace(pressed, pressedColour, faceColour, kPressedFace);
    return 1;
}

void CZoqDynBtn::RenderFace(const RECT& face, COLORREF main, COLORREF second, int pressedFace) {
    HDC dc = m_faces.DC();
    // Shapes offset outside their half (the pill's shadow) must not reach the other face.
    CZoqSavedDC saved(dc);
    IntersectClipRect(dc, face.left, face.top, face.right, face.bottom);
    const int width = face.right - face.left;
    const int height = face.bottom - face.top;
    const COLORREF none = CZoqGDI::kNoColour;
    switch (m_style) {
    case kBevelled: {
        const int depth = std::min(width, height) / 10;
        CZoqGDI::FillSolid(dc, face, main);
        RECT inner = Inset(face, depth, depth);
        if (inner.right > inner.left && inner.bottom > inner.top)
            CZoqGDI::GradientOnDC(dc, inner, main, second);
        CZoqGdiHandle<HPEN> pen(CreatePen(PS_SOLID, 1, second));
        CZoqSelection selected(dc, pen.Get());
        for (int k = 0; k < depth; ++k) {
            if (pressedFace) {
                Line(dc, face.right - 1 - k, face.top, face.right - 1 - k, face.bottom);
                Line(dc, face.left, face.bottom - 1 - k, face.right, face.bottom - 1 - k);
            } else {
                Line(dc, face.left + k, face.top, face.left + k, face.bottom);
                Line(dc, face.left, face.top + k, face.right, face.top + k);
            }
        }
        break;
    }
    case kGradient:
        m_faces.GradientFill(face, main, second);
        CZoqGDI::DrawRect(dc, face, none, outlineColour);
        break;
    case kRounded:
        m_faces.GradientRoundRect(face, outlineColour, 5, 5, main, second);
        break;
    case kPill: {
        RECT shape = {face.left + 1, face.top, face.right, face.bottom - 1};
        RECT shadowShape = {face.left, face.top + 1, face.right - 1, face.bottom};
        if (extraColour != CZoqGDI::kTransparent)
            CZoqGDI::DrawRoundRect(dc, shadowShape, extraColour, extraColour, height / 2,
                                   height / 2);
        m_faces.GradientRoundRect(shape, outlineColour, height / 2, height / 2, main, second);
        break;
    }
    case kNested: {
        CZoqGDI::DrawRoundRect(dc, face, main, none, 8, 8);
        if (extraColour != CZoqGDI::kTransparent)
            CZoqGDI::DrawRoundRect(dc, Inset(face, 3, 3), extraColour, none, 4, 4);
        RECT body = {face.left + 3, face.top + 4, face.right - 3, face.bottom - 3};
        CZoqGDI::DrawRoundRect(dc, body, second, none, 4, 4);
        RECT band = {face.left + 5, face.top + 5, face.right - 5, face.top + 2 * height / 3};
        CZoqGDI::DrawRoundRect(dc, band, outlineColour, none, 2, 2);
        break;
    }
    case kGlass:
    case kGlassFlat:
    case kGlassInset: {
        const double lightening = m_style == kGlass ? 0.2 : m_style == kGlassInset ? 0.15 : 0.0;
        if (main == second)
            main = Darken(main, 0.75);
        const COLORREF light = Lighten(second, lightening);
        CZoqGDI::DrawRect(dc, face, none, outlineColour);
        RECT upper = {face.left + 1, face.top + 1, face.right - 1, face.top + height / 2};
        RECT lower = {face.left + 1, face.top + height / 2, face.right - 1, face.bottom - 1};
        if (m_style == kGlassInset)
            lower = Inset(lower, 1, 1);
        m_faces.GradientFill(upper, main, light);
        CZoqGDI::FillSolid(dc, lower, second);
        break;
    }
    case kHighlight: {
        m_faces.GradientRoundRect(face, outlineColour, 5, 5, main, second);
        RECT shine = {face.left + 2, face.top + 2, face.right - 2, face.top + 2 + 2 * height / 3};
        m_faces.GradientRoundRect(shine, none, 2, 2, second, main);
        break;
    }
    default:
        CZoqGDI::DrawRect(dc, face, main, outlineColour);
        break;
    }
}
