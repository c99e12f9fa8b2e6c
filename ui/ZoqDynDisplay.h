#pragma once

#include "ui/ZoqGDI.h"

#include <windows.h>

// A pre-rendered framed panel (a calculator display's background). Its surface has
// the transparent colour wherever the frame leaves the window behind visible.
class CZoqDynDisplay {
public:
    static constexpr int kBevelled = 0;
    static constexpr int kDoubleOutline = 1;
    static constexpr int kDoubleOutlineGradient = 2;

    CZoqDynDisplay();
    virtual ~CZoqDynDisplay();
    CZoqDynDisplay(const CZoqDynDisplay&) = delete;
    CZoqDynDisplay& operator=(const CZoqDynDisplay&) = delete;

    // Stores everything and renders the panel (unless a face source, a panel of the same
    // size, lends its surface). 0 when the surface cannot be made.
    int Create(const RECT& rect, COLORREF background, COLORREF gradient, COLORREF lightEdge,
               COLORREF darkEdge, int style, CZoqDynDisplay* faceSource);
    // Copies the panel onto `dc` at its rectangle, the transparent colour left out.
    int Draw(HDC dc) const;

    const CZoqGDI& Surface() const { return m_faceSource ? m_faceSource->m_surface : m_surface; }
    const RECT& Rect() const { return m_rect; }

private:
    int Render();

    CZoqGDI m_surface;
    int m_style;
    COLORREF m_background;
    COLORREF m_gradient;
    COLORREF m_lightEdge;
    COLORREF m_darkEdge;
    RECT m_rect;
    CZoqDynDisplay* m_faceSource;
};
