#pragma once

#include "ce/ZoqGdiScope.h"
#include "ce/ZoqImage.h"
#include "scientific/app/ScreenLayout.h"

#include <windows.h>

// The skin of one layout: the face and the pressed face, decoded once per layout change
// and shared by the main window (which draws the face) and the key windows (which copy
// their rectangle out of either image).
class CSkin {
public:
    CSkin() = default;
    ~CSkin() = default;
    CSkin(const CSkin&) = delete;
    CSkin& operator=(const CSkin&) = delete;

    // Loads the layout's pair. Art drawn for another resolution than the screen's is
    // resampled once here, so the key faces always lie under the key rectangles, which
    // follow the screen's dpi. 1 when both images are ready.
    int Load(HINSTANCE instance, const SScreenLayout& layout);
    void Release();

    // The face at (0, 0), and the body colour over the rest of `client`.
    void DrawFace(HDC dc, const RECT& client) const;
    // The key's rectangle (client coordinates of the main window) out of the face or the
    // pressed face, to (0, 0) of the key window's context.
    void DrawPiece(HDC dc, const RECT& key, int pressed) const;

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    COLORREF BodyColour() const { return m_body; }

private:
    static HBITMAP Resampled(const CZoqImage& image, int width, int height);

    CZoqGdiHandle<HBITMAP> m_face;
    CZoqGdiHandle<HBITMAP> m_pressed;
    int m_width = 0;
    int m_height = 0;
    COLORREF m_body = RGB(33, 37, 46);
};
